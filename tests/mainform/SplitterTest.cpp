// The splitter's first sizes follow the screen, whatever the frame's size.
#include "CCboSplitterWnd.h"

#include "ResultCodes.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

TEST(SplitterTest, IdealSizesAreAQuarterOfTheWidthAnd73PercentOfTheHeight)
{
    using S = CCboSplitterWnd::PaneSizes;
    const struct {
        QSize screen;
        S sizes;
    } cases[] = {
        {{1920, 1080}, {480, 788}},
        {{1366, 768}, {341, 560}},
        {{801, 599}, {200, 437}},
        {{0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        const S sizes = CCboSplitterWnd::InitialPaneSizes(c.screen);
        EXPECT_EQ(sizes.treeWidth, c.sizes.treeWidth) << c.screen.width();
        EXPECT_EQ(sizes.propertyHeight, c.sizes.propertyHeight) << c.screen.height();
    }
}

struct Panes {
    Panes() { EXPECT_EQ(splitter.CreatePanes(tree, property, log), 0); }
    CCboSplitterWnd splitter;
    QLabel* tree = new QLabel(QStringLiteral("tree"));
    QLabel* property = new QLabel(QStringLiteral("property"));
    QLabel* log = new QLabel(QStringLiteral("log"));
};

TEST(SplitterTest, PanesTakeTheScreensSizesAndKeepThemWhenTheFrameGrows)
{
    Panes panes;
    CCboSplitterWnd& splitter = panes.splitter;
    EXPECT_EQ(splitter.CreatePanes(new QLabel, new QLabel, new QLabel), kE_FAIL) << "panes exist already";
    EXPECT_EQ(splitter.GetPaneView(CCboSplitterWnd::kTreePane), panes.tree);
    EXPECT_EQ(splitter.GetPaneView(CCboSplitterWnd::kLogPane), panes.log);

    splitter.SetInitialPaneSizes(QRect(0, 0, 1920, 1080));
    splitter.resize(1500, 950);
    splitter.show();
    EXPECT_EQ(splitter.sizes().value(0), 480);
    EXPECT_EQ(splitter.nestedSplitter()->sizes().value(0), 788);

    splitter.resize(1800, 1040);
    EXPECT_EQ(splitter.sizes().value(0), 480);
    EXPECT_EQ(splitter.nestedSplitter()->sizes().value(0), 788);
    EXPECT_GT(splitter.nestedSplitter()->sizes().value(1), 200) << "the log takes the rest";

    // Once the user moved a divider, the user's sizes stay.
    splitter.setSizes({600, 1200});
    emit splitter.splitterMoved(600, 1);
    splitter.resize(1700, 1000);
    EXPECT_NE(splitter.sizes().value(0), 480);
}

TEST(SplitterTest, SmallScreensKeepThePanesUsable)
{
    Panes panes;
    panes.splitter.SetInitialPaneSizes(QRect(0, 0, 320, 60));
    panes.splitter.resize(320, 200);
    panes.splitter.show();
    EXPECT_GE(panes.splitter.sizes().value(0), CCboSplitterWnd::kMinimumTreeWidth);
    EXPECT_GE(panes.splitter.nestedSplitter()->sizes().value(0), CCboSplitterWnd::kMinimumPropertyHeight);
}

} // namespace
