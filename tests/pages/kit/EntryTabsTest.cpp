// Attaching tab pages: only a tab whose template is built is shown and kept, and it comes back
// as its own type for the host to keep.

#include "EntryTabs.h"
#include "KitTemplates.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Timing {
    qint32 Interval = 0;
};

constexpr ControlId kEditInterval{60, ControlType::Edit};
constexpr unsigned kMissingTemplate = 99999;

class TimingTab : public CEntryTab<Timing> {
public:
    TimingTab() : CEntryTab(KitTemplate(9310, {{kEditInterval, 0, 0}})) {}
};

TEST(EntryTabsTest, OnlyATabWhoseTemplateIsBuiltIsShownAndKept)
{
    QTabWidget tabControl;
    EntryTabs<Timing> tabs;
    EXPECT_EQ(tabs.Attach(tabControl, QStringLiteral("Missing"), std::make_unique<CEntryTab<Timing>>(kMissingTemplate)),
              nullptr);
    TimingTab* timing = tabs.Attach(tabControl, QStringLiteral("Timing"), std::make_unique<TimingTab>());

    ASSERT_NE(timing, nullptr);
    ASSERT_EQ(tabs.Count(), 1) << "the tab without a form is not filled, checked or gathered";
    EXPECT_EQ(&tabs.Tab(0), timing);
    ASSERT_EQ(tabControl.count(), 1);
    EXPECT_EQ(tabControl.widget(0), timing);
}

} // namespace
