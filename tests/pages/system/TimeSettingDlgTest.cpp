// The time page: the 63 zones with the two exchanged positions, the stored zone, the servers
// added, modified and deleted with case-blind duplicates, the interval range.
#include "CTimeSettingDlg.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using Page = CTimeSettingDlg;
const QString kNode = QStringLiteral("Time");

class TimePageTest : public testing::Test {
protected:
    void SetUp() override { ExpectControlsMatchTemplate(Page::kTemplateId, Page::kControls); }
    CDataCenter& model() { return harness_.model(); }
    void ShowWith(QStringList servers, int storedZone = 22, int interval = 1440)
    {
        model().Time.TimeServers = std::move(servers);
        model().Time.TimeZone = storedZone;
        model().Time.SyncInterval = interval;
        harness_.Show(node_);
    }
    QComboBox* zones() { return harness_.page().item<QComboBox>(Page::kComboTimeZone); }
    void SelectRows(std::initializer_list<int> rows)
    {
        auto* list = harness_.page().item<CListCtrlEx>(Page::kListServers);
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QString zoneLine() const { return FormatLangString(Page::kStringTimeZoneStored, kNode); }
    QString serversLine() const { return FormatLangString(Page::kStringServersChanged, kNode); }

    PageHarness<Page> harness_;
    const TreeNodeInfo node_ = NodeFor(133, kNode);
};

TEST_F(TimePageTest, TheZoneListAndTheStoredZone)
{
    ShowWith({});
    ASSERT_EQ(zones()->count(), 63);
    EXPECT_EQ(zones()->itemText(0), LoadLangString(241));
    EXPECT_EQ(zones()->itemText(34), LoadLangString(276));
    EXPECT_EQ(zones()->itemText(35), LoadLangString(275));
    EXPECT_EQ(zones()->itemText(62), LoadLangString(303));
    struct Case {
        int stored;
        int shown;
    };
    for (const Case c : {Case{35, 36}, {36, 35}, {10, 10}, {63, 22}, {-1, 22}}) {
        SCOPED_TRACE(c.stored);
        ShowWith({}, c.stored);
        EXPECT_EQ(zones()->currentIndex(), c.shown);
    }
    for (const Case c : {Case{35, 36}, {36, 35}, {0, 0}}) {
        SCOPED_TRACE(c.stored);
        ShowWith({QStringLiteral("a")});
        harness_.Set({{Page::kComboTimeZone, c.stored}});
        harness_.Press(Page::kButtonModify);
        EXPECT_EQ(model().Time.TimeZone, c.shown) << "positions 35 and 36 are stored exchanged";
    }
}

TEST_F(TimePageTest, AddChecksTheServerAndLogs)
{
    const int maxLength = harness_.page().GetEditLengthLimit();
    const QString label = QStringLiteral("Time server");
    struct Case {
        const char* name;
        QString typed;
        QStringList messages; // empty: added
    };
    const Case cases[] = {
        {"new server", "pool.example", {}},
        {"longest address", QString(maxLength, u'a'), {}},
        {"a listed server in another case", "SERVER1", {FormatItemErrorLine(label)}},
        {"empty", "", {FormatInvalidItemLine(label)}},
        {"too long in bytes (the edit holds no more characters)",
         QString(maxLength / 2 + 1, QChar(0xE9)),
         {FormatLangString(628, label, maxLength) + QStringLiteral("\r\n")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowWith({QStringLiteral("server1")});
        harness_.Set(
            {{Page::kEditServer, c.typed}, {Page::kComboTimeZone, 5}, {Page::kEditInterval, QStringLiteral("60")}});
        harness_.Press(Page::kButtonAdd);
        EXPECT_EQ(harness_.messages(), c.messages);
        EXPECT_EQ(model().Time.TimeZone, 5) << "the zone is stored first";
        EXPECT_EQ(model().Time.SyncInterval, 60);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(model().Time.TimeServers, QStringList{QStringLiteral("server1")});
            EXPECT_EQ(harness_.logLines(), QStringList{zoneLine()});
            continue;
        }
        EXPECT_EQ(model().Time.TimeServers, (QStringList{QStringLiteral("server1"), c.typed}));
        EXPECT_EQ(harness_.logLines(),
                  (QStringList{zoneLine(), serversLine(), FormatLangString(kStringEntryAdded, kNode, 2)}));
    }
}

TEST_F(TimePageTest, TheIntervalOutsideItsRangeStopsAfterTheZoneIsStored)
{
    for (const char* interval : {"4", "20001"}) {
        SCOPED_TRACE(interval);
        ShowWith({QStringLiteral("server1")}, 22, 1440);
        harness_.Set({{Page::kEditServer, QStringLiteral("other")},
                      {Page::kComboTimeZone, 7},
                      {Page::kEditInterval, QString::fromUtf8(interval)}});
        harness_.Press(Page::kButtonAdd);
        EXPECT_EQ(harness_.messages(), QStringList{FormatRangeErrorLine(QStringLiteral("Sync interval"), 5, 20000)});
        EXPECT_EQ(model().Time.TimeZone, 7);
        EXPECT_EQ(model().Time.SyncInterval, 1440);
        EXPECT_EQ(model().Time.TimeServers.size(), 1);
        EXPECT_EQ(harness_.logLines(), QStringList{zoneLine()});
    }
    ShowWith({}, 22, 1440);
    harness_.Set({{Page::kEditInterval, QStringLiteral("5")}});
    harness_.Press(Page::kButtonModify);
    EXPECT_EQ(model().Time.SyncInterval, 5) << "Modify without a row still stores the interval";
    EXPECT_TRUE(harness_.messages().isEmpty());
}

TEST_F(TimePageTest, ModifyAndDelete)
{
    ShowWith({QStringLiteral("server1"), QStringLiteral("server2")});
    EXPECT_EQ(harness_.page().itemText(Page::kEditServer), QStringLiteral("server1"));
    harness_.Set({{Page::kEditServer, QStringLiteral("SERVER1")}});
    harness_.Press(Page::kButtonModify);
    EXPECT_TRUE(harness_.messages().isEmpty());
    EXPECT_EQ(model().Time.TimeServers, (QStringList{QStringLiteral("SERVER1"), QStringLiteral("server2")}));
    EXPECT_EQ(harness_.logLines(),
              (QStringList{zoneLine(), serversLine(), FormatLangString(kStringEntryModified, kNode, 1)}));
    harness_.Screenshot(QStringLiteral("system-time-page"));

    harness_.Forget();
    harness_.Set({{Page::kEditServer, QStringLiteral("Server2")}});
    harness_.Press(Page::kButtonModify);
    EXPECT_EQ(harness_.messages(), QStringList{FormatItemErrorLine(QStringLiteral("Time server"))});

    ScopedDeleteConfirmationSkipped unasked;
    ShowWith({"a", "b", "c", "d", "e"});
    SelectRows({1, 3});
    harness_.Press(Page::kButtonDelete);
    EXPECT_EQ(model().Time.TimeServers, (QStringList{"a", "c", "e"}));
    EXPECT_EQ(harness_.page().item<CListCtrlEx>(Page::kListServers)->GetFirstSelectedRow(), 2);
    EXPECT_EQ(harness_.logLines(), QStringList{FormatLangString(kStringEntriesDeleted, kNode)});
}

} // namespace
