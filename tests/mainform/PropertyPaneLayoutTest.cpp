// Every page of a project in a short property pane (the log pane dragged up): the pane scrolls,
// and no control of a page is squeezed below the height it asks for.
#include "CMainFrame.h"

#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CPropertyForm.h"
#include "CPropertyUIDialog.h"
#include "FilledProject.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "WidgetScreenshot.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace {

constexpr QSize kShortPane(1366, 330);
constexpr int kFrameWidth = 1700;
constexpr int kFrameHeight = 900;

// The visible template controls of the page (those of its tabs included) lower than they ask
// for. Lists and other views scroll their own rows: they need only their minimum.
QStringList squeezedControls(const QWidget& page)
{
    QStringList found;
    for (const QWidget* control : page.findChildren<QWidget*>()) {
        bool isControl = false;
        control->objectName().toInt(&isControl);
        // Controls the kit places by their fixed geometry are not squeezed by the pane.
        const QWidget* parent = control->parentWidget();
        const bool laidOut = parent && parent->layout() && parent->layout()->indexOf(control) >= 0;
        if (!isControl || !control->isVisible() || !laidOut)
            continue;
        const bool scrolls = qobject_cast<const QAbstractScrollArea*>(control) != nullptr;
        const int wanted = scrolls ? control->minimumSizeHint().height()
                           : control->hasHeightForWidth() ? control->heightForWidth(control->width())
                                                          : control->sizeHint().height();
        if (control->height() < wanted)
            found << QStringLiteral("%1 %2: %3 < %4")
                         .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName())
                         .arg(control->height())
                         .arg(wanted);
    }
    return found;
}

class PropertyPaneLayoutTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        frame.resize(kFrameWidth, kFrameHeight);
        frame.show();
        pane()->setFixedSize(kShortPane);
    }

    CPropertyForm* pane() const { return frame.GetPropertyForm(); }

    // A new project of the model with every free slot filled, saved and opened in the frame.
    void OpenFilledProject(const QString& modelName)
    {
        CDataCenter model;
        int cursor = 0;
        ASSERT_TRUE(FilledProject::BuildFilledProject(model, FilledProject::ChoiceFor(modelName, 12), cursor));
        const QString path = QDir(folder.path()).filePath(QStringLiteral("plant.pelx"));
        ASSERT_TRUE(model.SaveProject(path));
        frame.OnOpenCommandLineProject(path);
        ASSERT_FALSE(frame.GetDeviceForm()->IsTreeEmpty());
    }

    // Selects every node of the tree; the page each shows must fit the short pane by scrolling.
    void ExpectEveryPageScrollsRatherThanSqueezes()
    {
        QTreeWidget* tree = frame.GetDeviceForm()->tree();
        int pages = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            tree->setCurrentItem(*it);
            QApplication::processEvents(); // the pane's layout, then the scroll area's
            QApplication::processEvents();
            CPropertyUIDialog* page = pane()->VisiblePage();
            if (!page)
                continue;
            ++pages;
            SCOPED_TRACE((*it)->text(0).toStdString() + " (" + page->metaObject()->className() + ")");
            EXPECT_EQ(pane()->size(), kShortPane);
            EXPECT_EQ(squeezedControls(*page), QStringList());
            EXPECT_GE(page->height(), page->minimumSizeHint().height());
            if (page->minimumSizeHint().height() > kShortPane.height()) {
                const auto* scroll = pane()->findChild<QScrollArea*>();
                ASSERT_NE(scroll, nullptr);
                EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0) << "the pane scrolls";
            }
            const QString shot = ScreenshotNameOf(*page);
            if (!shot.isEmpty())
                SaveWidgetScreenshot(*pane(), shot);
        }
        EXPECT_GT(pages, 10);
    }

    // The pages whose picture in the short pane is kept.
    static QString ScreenshotNameOf(const CPropertyUIDialog& page)
    {
        const QString name = QString::fromLatin1(page.metaObject()->className());
        if (name == QLatin1String("CModbusMasterDlg"))
            return QStringLiteral("short-pane-modbus-master");
        if (name == QLatin1String("CModbusSlaveDlg"))
            return QStringLiteral("short-pane-modbus-slave");
        if (name == QLatin1String("CAlarmEmail"))
            return QStringLiteral("short-pane-alarm-email");
        if (name == QLatin1String("CDataLoggingDlg"))
            return QStringLiteral("short-pane-data-logging");
        if (name == QLatin1String("CDevCfgDIO"))
            return QStringLiteral("short-pane-dio");
        return {};
    }

    QTemporaryDir folder;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    CMainFrame frame;
};

TEST_F(PropertyPaneLayoutTest, EveryPageOfAModularProjectScrollsInAShortPane)
{
    OpenFilledProject(QStringLiteral("ulTEK 4100-CPU15-C-T"));
    ExpectEveryPageScrollsRatherThanSqueezes();
}

TEST_F(PropertyPaneLayoutTest, EveryPageOfACompactProjectScrollsInAShortPane)
{
    OpenFilledProject(QStringLiteral("ulTEK 2300-C-T"));
    ExpectEveryPageScrollsRatherThanSqueezes();
}

} // namespace
