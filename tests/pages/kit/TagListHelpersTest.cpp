// Row removal and moves over a vector, the tag-pick list and tab pages gathered by their host.
#include "CListCtrlEx.h"
#include "CSettingsPage.h"
#include "KitTemplates.h"
#include "PageConversions.h"
#include "PageHarness.h"
#include "RowMoves.h"
#include "TagPickList.h"
#include "Validation.h"

#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

std::vector<char> letters(const char* text)
{
    return std::vector<char>(text, text + std::strlen(text));
}

std::string text(const std::vector<char>& items)
{
    return std::string(items.begin(), items.end());
}

TEST(RowMovesTest, RemovingSelectedRowsCorrectsPositionsAndNamesTheRowToSelect)
{
    struct Case {
        const char* before;
        QList<int> rows;
        const char* after;
        int selected;
    };
    const Case cases[] = {
        {"ABCDE", {3, 1}, "ACE", 2},
        {"ABCDE", {4}, "ABCD", 3}, // the last row: the new last row
        {"ABC", {0, 1, 2}, "", -1},
        {"ABC", {1, 1, 9, -1}, "AC", 1}, // repeats and rows out of range are ignored
    };
    for (const Case& c : cases) {
        std::vector<char> items = letters(c.before);
        EXPECT_EQ(RemoveRows(items, c.rows), c.selected) << c.before;
        EXPECT_EQ(text(items), c.after) << c.before;
    }
}

TEST(RowMovesTest, MovingRowsKeepsBlocksAtTheEndInPlace)
{
    struct Case {
        const char* before;
        QList<int> rows;
        int step;
        const char* after;
        QList<int> moved;
    };
    const Case cases[] = {
        {"ABCDE", {2, 4}, -1, "ACBED", {1, 3}},
        {"ABCDE", {0, 1, 3}, -1, "ABDCE", {0, 1, 2}}, // the block at the top stays
        {"ABCDE", {1, 3}, +1, "ACBED", {2, 4}},
        {"ABCDE", {3, 4}, +1, "ABCDE", {3, 4}},
    };
    for (const Case& c : cases) {
        std::vector<char> items = letters(c.before);
        EXPECT_EQ(MoveRows(items, c.rows, c.step), c.moved) << c.before << c.step;
        EXPECT_EQ(text(items), c.after) << c.before << c.step;
    }
}

struct PickedTag {
    QString Name;
    QString Address;
};

TagRecord tagAt(const char* name, const char* address)
{
    TagRecord tag;
    tag.TagName = QString::fromUtf8(name);
    tag.ResID = QString::fromUtf8(address);
    return tag;
}

TagPickList<PickedTag>::Hooks pickHooks(std::vector<TagRecord> chosen)
{
    return {
        [chosen] { return chosen; },
        [](const PickedTag& item) { return item.Address; },
        [](const TagRecord& tag) {
            return PickedTag{tag.TagName, tag.ResID};
        },
        [](const PickedTag& item) {
            return QStringList{item.Name, item.Address};
        },
    };
}

TEST(TagPickListTest, ChosenTagsAlreadyListedAreSkippedAndTheLimitStopsWithItsMessage)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scoped(boxes);
    std::vector<PickedTag> items{{QStringLiteral("Level"), QStringLiteral("1.0.3")}};
    const std::vector<TagRecord> chosen{tagAt("Level", "1.0.3"), tagAt("Flow", "1.1.3"), tagAt("Flow", "1.1.3"),
                                        tagAt("Temp", "2.0.3"), tagAt("Alarm", "0.0.1")};
    const TagPickList<PickedTag> unlimited(pickHooks(chosen));
    std::vector<PickedTag> all = items;
    EXPECT_EQ(unlimited.Pick(all), 3);
    EXPECT_TRUE(boxes.texts().isEmpty());

    const TagPickList<PickedTag> limited(pickHooks(chosen), 3, QStringLiteral("At most 3 tags."));
    EXPECT_EQ(limited.Pick(items), 2);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items.back().Name, QStringLiteral("Temp"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("At most 3 tags.")});

    CListCtrlEx list;
    for (int column = 0; column < 3; ++column)
        list.InsertColumn(column, QString(), 50);
    limited.Rebuild(list, items);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(2, 0), QStringLiteral("3"));
    EXPECT_EQ(list.GetItemText(2, 2), QStringLiteral("2.0.3"));

    const TagPickList<PickedTag> cancelled(pickHooks({}));
    EXPECT_EQ(cancelled.Pick(items), 0);
}

// A settings page whose record is edited partly on a tab.
struct Profile {
    QString Name;
    qint32 Interval = 0;
    friend bool operator==(const Profile&, const Profile&) = default;
};
Profile g_profile;

constexpr ControlId kEditName{50, ControlType::Edit};
constexpr ControlId kTabs{51, ControlType::Tab};
constexpr ControlId kButtonApply{52, ControlType::Button};
constexpr ControlId kEditInterval{60, ControlType::Edit};

class ProfilePage : public CSettingsPage<Profile> {
public:
    explicit ProfilePage(IPageHost* host)
        : CSettingsPage(KitTemplate(9300, {{kEditName, 0, 0}, {kTabs, 1, 0}, {kButtonApply, 2, 0, "Apply"}}), host,
                        kButtonApply)
    {
        Bindings().Bind(kEditName, "Name", &Profile::Name, AsRequiredText(64));
    }
    using CSettingsPage::Tabs;

protected:
    bool OnInitDialog() override
    {
        auto* tabs = item<QTabWidget>(kTabs);
        tabs->addTab(new QWidget, QStringLiteral("General"));
        auto tab = std::make_unique<CEntryTab<Profile>>(KitTemplate(9301, {{kEditInterval, 0, 0}}));
        tab->Bindings().Bind(kEditInterval, "Interval", &Profile::Interval, AsNumber{{60, 1, 3600}});
        return Tabs().Attach(*tabs, QStringLiteral("Timing"), std::move(tab));
    }
    Profile ReadRecord(const CDataCenter&) const override { return g_profile; }
    void WriteRecord(CDataCenter&, const Profile& profile) override { g_profile = profile; }
    QString AppliedLogLine() const override { return QStringLiteral("[Profile] Apply setting successfully"); }
};

TEST(EntryTabsTest, TheHostGathersItsTabsAndReportsTheirBadFieldsWithItsOwn)
{
    g_profile = {QStringLiteral("Daily"), 60};
    PageHarness<ProfilePage> harness;
    harness.Show(NodeFor(114, QStringLiteral("Data logging")));
    CEntryTab<Profile>& tab = harness.page().Tabs().Tab(0);
    EXPECT_EQ(tab.itemText(kEditInterval), QStringLiteral("60"));

    harness.Set({{kEditName, QString()}});
    SetControl(tab, {kEditInterval, QStringLiteral("0")});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{FormatInvalidItemLine(QStringLiteral("Name")) +
                                              FormatRangeErrorLine(QStringLiteral("Interval"), 1, 3600)});
    EXPECT_EQ(g_profile, (Profile{QStringLiteral("Daily"), 60}));

    harness.Forget();
    harness.Set({{kEditName, QStringLiteral("Hourly")}});
    SetControl(tab, {kEditInterval, QStringLiteral("0")});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.page().item<QTabWidget>(kTabs)->currentWidget(), &tab) << "the failing tab comes to the front";
    EXPECT_EQ(harness.page().window()->focusWidget(), tab.control(kEditInterval));

    SetControl(tab, {kEditInterval, QStringLiteral("900")});
    harness.Forget();
    harness.Press(kButtonApply);
    EXPECT_EQ(g_profile, (Profile{QStringLiteral("Hourly"), 900}));
    EXPECT_EQ(harness.logLines(), QStringList{QStringLiteral("[Profile] Apply setting successfully")});
}

} // namespace
