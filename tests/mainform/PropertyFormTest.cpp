// The property pane: one page per row of the page table, created once, at most one shown.
#include "CPropertyForm.h"

#include "CPlaceholderPage.h"
#include "CPropertyUIDialog.h"
#include "CTagsMapDlg.h"
#include "ILogLineSink.h"
#include "IPageHost.h"
#include "PropertyPageTable.h"
#include "TreeNodeInfo.h"

#include <QComboBox>
#include <QSet>
#include <gtest/gtest.h>

#include <vector>

namespace {

TreeNodeInfo nodeFor(int formId, const char* text)
{
    TreeNodeInfo info;
    info.formId = formId;
    info.shownText = QString::fromUtf8(text);
    info.slotIndex = 3;
    return info;
}

std::vector<CPropertyUIDialog*> pagePointers(const CPropertyForm& pane)
{
    std::vector<CPropertyUIDialog*> pages;
    for (const PropertyPageEntry& entry : pane.pages())
        pages.push_back(entry.page.get());
    return pages;
}

TEST(PropertyFormTest, PageTableServesEachFormIdOnce)
{
    QSet<int> formIds;
    for (const PropertyPageKind& kind : kPropertyPageTable) {
        EXPECT_FALSE(formIds.contains(kind.formId)) << kind.formId;
        formIds.insert(kind.formId);
        EXPECT_NE(kind.templateId, 0u) << kind.pageClass;
    }
    EXPECT_EQ(formIds.size(), kPropertyPageCount);
}

TEST(PropertyFormTest, PagesAreCreatedOnceInTableOrderAndHidden)
{
    CPropertyForm pane;
    pane.show();
    pane.RefreshPagesDataCenter(); // no pages yet: nothing happens
    EXPECT_TRUE(pane.pages().empty());

    pane.InitPages();
    ASSERT_EQ(pane.pages().size(), static_cast<size_t>(kPropertyPageCount));
    for (size_t i = 0; i < pane.pages().size(); ++i) {
        const PropertyPageEntry& entry = pane.pages()[i];
        EXPECT_EQ(entry.formId, kPropertyPageTable[i].formId);
        ASSERT_NE(entry.page, nullptr);
        EXPECT_EQ(entry.page->templateId(), kPropertyPageTable[i].templateId) << entry.formId;
        EXPECT_TRUE(entry.page->IsBuilt()) << entry.formId;
        EXPECT_TRUE(entry.page->isHidden()) << entry.formId;
        EXPECT_EQ(entry.page->GetHost(), static_cast<IPageHost*>(&pane));
    }
    const auto before = pagePointers(pane);
    pane.CreatePropertyPage();
    pane.InitPages();
    EXPECT_EQ(pagePointers(pane), before) << "never created twice";
}

TEST(PropertyFormTest, TagMapResetPutsItsFiltersBack)
{
    CPropertyForm pane;
    pane.ResetTagsMapPage(); // no pages yet: nothing happens
    pane.InitPages();
    auto* tagMap = dynamic_cast<CTagsMapDlg*>(pane.PageForFormId(102));
    ASSERT_NE(tagMap, nullptr);
    tagMap->item<QComboBox>(TagMapIds::kComboKind)->setCurrentIndex(TagMapFilter::kByService);
    ASSERT_TRUE(tagMap->IsFilterPending());
    pane.ResetTagsMapPage();
    EXPECT_EQ(tagMap->Filter().kind, TagMapFilter::kAll);
    EXPECT_FALSE(tagMap->IsFilterPending());
}

TEST(PropertyFormTest, SelectingANodeShowsItsPageAlone)
{
    CPropertyForm pane;
    pane.show();
    // Before InitPages: the pages are created first.
    pane.SelectNodePage(nodeFor(201, "DI channels"));
    ASSERT_EQ(pane.pages().size(), static_cast<size_t>(kPropertyPageCount));
    CPropertyUIDialog* di = pane.PageForFormId(201);
    EXPECT_EQ(pane.VisiblePage(), di);
    EXPECT_EQ(di->GetNodeInfo(), nodeFor(201, "DI channels"));
    if (auto* placeholder = dynamic_cast<CPlaceholderPage*>(di)) { // until the row has its page
        EXPECT_EQ(placeholder->ShownText(), QStringLiteral("DI channels"));
    }

    // DO and relay pages share a template but are two pages.
    pane.SelectNodePage(nodeFor(210, "Relay channels"));
    CPropertyUIDialog* relay = pane.VisiblePage();
    pane.SelectNodePage(nodeFor(202, "DO channels"));
    CPropertyUIDialog* dout = pane.VisiblePage();
    ASSERT_NE(relay, nullptr);
    ASSERT_NE(dout, nullptr);
    EXPECT_NE(relay, dout);
    EXPECT_EQ(relay->templateId(), dout->templateId());
    EXPECT_TRUE(di->isHidden());
    EXPECT_TRUE(relay->isHidden());

    // So are the two system-variable pages.
    pane.SelectNodePage(nodeFor(1013, "System variables"));
    CPropertyUIDialog* first = pane.VisiblePage();
    pane.SelectNodePage(nodeFor(1015, "System variables"));
    EXPECT_NE(pane.VisiblePage(), first);

    // A form id without a page leaves the pane empty.
    pane.SelectNodePage(nodeFor(4711, "Unknown"));
    EXPECT_EQ(pane.VisiblePage(), nullptr);

    pane.SelectNodePage(nodeFor(100, "Tags"));
    pane.HideAllPages();
    EXPECT_EQ(pane.VisiblePage(), nullptr);
}

TEST(PropertyFormTest, PagesComeFromTheFactoryAndTakeTheModelFromThePane)
{
    CPropertyForm pane;
    std::vector<int> asked;
    pane.SetPageFactory([&asked](const PropertyPageKind& kind, IPageHost& owner) {
        asked.push_back(kind.formId);
        return std::make_unique<CPlaceholderPage>(kind, &owner);
    });
    pane.InitPages();
    EXPECT_EQ(asked.size(), static_cast<size_t>(kPropertyPageCount));
    EXPECT_EQ(asked.front(), 1);
    EXPECT_EQ(asked.back(), 211);
    // Without a main frame there is no model; refreshing keeps every page consistent with that.
    pane.RefreshPagesDataCenter();
    for (const PropertyPageEntry& entry : pane.pages())
        EXPECT_EQ(entry.page->GetDataCenter(), nullptr);
}

} // namespace

namespace {

TEST(PropertyFormTest, AsPageHostThePaneWithoutItsNeighboursStillTakesLinesAndLabels)
{
    CPropertyForm pane;
    IPageHost& host = pane;
    EXPECT_EQ(host.GetDataCenter(), nullptr);
    host.LogLines().AddLogLine(QStringLiteral("[Test] traced, not lost")); // no log pane: traced
    host.SetPortTrunkNodeText(QStringLiteral("2 Wire"));                   // no tree: nothing to label
    pane.InitPages();
    ASSERT_FALSE(pane.pages().empty());
    EXPECT_EQ(pane.pages().front().page->parentWidget(), host.PageParent());
}

} // namespace
