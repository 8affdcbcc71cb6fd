// The list-and-detail shape on a small entry type: the limit, the entry-name rules, Modify,
// Delete of several rows with the index correction and the selection after it, the entry
// numbers, the automatic tags and the log lines.
#include "CListDetailPage.h"
#include "KitTemplates.h"
#include "LanguagePack.h"
#include "PageConversions.h"
#include "PageHarness.h"

#include <gtest/gtest.h>

namespace {

struct Pump {
    QString Name;
    qint32 Index = 0;
    qint32 Speed = 0;
    friend bool operator==(const Pump&, const Pump&) = default;
};

std::vector<Pump> g_pumps; // the model's list, as the page writes it

constexpr ControlId kListPumps{40, ControlType::List};
constexpr ControlId kLabelName{41, ControlType::Static};
constexpr ControlId kEditName{42, ControlType::Edit};
constexpr ControlId kEditSpeed{43, ControlType::Edit};
constexpr ControlId kButtonAdd{44, ControlType::Button};
constexpr ControlId kButtonModify{45, ControlType::Button};
constexpr ControlId kButtonDelete{46, ControlType::Button};
constexpr int kPumpLimit = 5;
const QString kLimitMessage = QStringLiteral("No more than 5 pumps.");

class PumpPage : public CListDetailPage<Pump> {
public:
    explicit PumpPage(IPageHost* host)
        : CListDetailPage(KitTemplate(9200, {{kListPumps, 0, 0},
                                             {kLabelName, 1, 0, "Pump name:"},
                                             {kEditName, 1, 1},
                                             {kEditSpeed, 2, 1},
                                             {kButtonAdd, 3, 0, "Add"},
                                             {kButtonModify, 3, 1, "Modify"},
                                             {kButtonDelete, 3, 2, "Delete"}}),
                          host, {kListPumps, kButtonAdd, kButtonModify, kButtonDelete})
    {
        SetNameField(kEditName, kLabelName, &Pump::Name);
        SetIndexField(&Pump::Index);
        SetEntryLimit(kPumpLimit, kLimitMessage);
        SetTagHooks(
            [](CDataCenter&, const Pump& pump) { return QStringList{QStringLiteral("Run_%1").arg(pump.Index)}; },
            [](CDataCenter&, const Pump& pump) { return QStringList{QStringLiteral("Run_%1").arg(pump.Index)}; });
        Bindings().Bind(kEditSpeed, "Speed", &Pump::Speed, AsNumber{{0, 0, 3000}});
    }
    bool answerNo = false; // the user's answer to the delete confirmation
    QStringList removedAt; // "name@position" of each deleted entry

protected:
    bool OnInitDialog() override
    {
        auto* list = item<CListCtrlEx>(kListPumps);
        list->InsertColumn(0, QStringLiteral("No."), 40);
        list->InsertColumn(1, QStringLiteral("Name"), 120);
        list->InsertColumn(2, QStringLiteral("Speed"), 80);
        return true;
    }
    std::vector<Pump> ReadEntries(const CDataCenter&) const override { return g_pumps; }
    void WriteEntries(CDataCenter&, const std::vector<Pump>& pumps) override { g_pumps = pumps; }
    QStringList RowTexts(const Pump& pump) const override
    {
        return {pump.Name, Bindings().ColumnText(kEditSpeed, pump)};
    }
    QString LogName() const override { return QStringLiteral("Pumps"); }
    bool ConfirmDelete() override { return !answerNo && CListDetailPage::ConfirmDelete(); }
    void OnEntryRemovedAt(CDataCenter&, const Pump& pump, int position) override
    {
        removedAt << QStringLiteral("%1@%2").arg(pump.Name).arg(position);
    }
};

std::vector<Pump> pumpsNamed(std::initializer_list<const char*> names)
{
    std::vector<Pump> pumps;
    qint32 index = 0;
    for (const char* name : names)
        pumps.push_back({QString::fromUtf8(name), index++, 100});
    return pumps;
}

QStringList names(const std::vector<Pump>& pumps)
{
    QStringList list;
    for (const Pump& pump : pumps)
        list << pump.Name;
    return list;
}

class ListDetailPageTest : public testing::Test {
protected:
    void SetUp() override { g_pumps.clear(); }

    void ShowWith(std::vector<Pump> pumps)
    {
        g_pumps = std::move(pumps);
        harness_.Show(node_);
    }
    void Add(const char* name, const char* speed = "100")
    {
        harness_.Set({{kEditName, QString::fromUtf8(name)}, {kEditSpeed, QString::fromUtf8(speed)}});
        harness_.Press(kButtonAdd);
    }
    void SelectRows(std::initializer_list<int> rows)
    {
        auto* list = harness_.page().item<CListCtrlEx>(kListPumps);
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    ScopedDeleteConfirmationSkipped unasked_;
    PageHarness<PumpPage> harness_;
    PumpPage& page_ = harness_.page();
    const TreeNodeInfo node_ = NodeFor(137, QStringLiteral("Pumps"));
};

TEST_F(ListDetailPageTest, AddNumbersEntriesCreatesTheirTagsAndStopsAtTheLimit)
{
    ShowWith({});
    Add("P1");
    EXPECT_EQ(harness_.logLines(), (QStringList{FormatLangString(kStringTagCreated, QStringLiteral("Run_0")),
                                                FormatLangString(kStringEntryAdded, QStringLiteral("Pumps"), 1)}));
    for (const char* name : {"P2", "P3", "P4", "P5"})
        Add(name);
    ASSERT_EQ(g_pumps.size(), 5u);
    EXPECT_EQ(g_pumps.back().Index, 4);
    EXPECT_EQ(page_.SelectedRow(), 4) << "the new entry is selected";
    harness_.Forget();
    Add("P6");
    EXPECT_EQ(harness_.messages(), QStringList{kLimitMessage});
    EXPECT_EQ(g_pumps.size(), 5u);
    EXPECT_TRUE(harness_.logLines().isEmpty());
    harness_.Screenshot(QStringLiteral("kit-list-detail-page"));
}

TEST_F(ListDetailPageTest, EntryNamesAreCheckedIgnoringCaseAndSkipTheSelectedEntryOnModify)
{
    ShowWith(pumpsNamed({"Pump", "Valve"}));
    const QString label = QStringLiteral("Pump name");
    struct Case {
        const char* name;
        int selectedRow; // -1: Add
        const char* typed;
        QStringList messages;
    };
    const Case cases[] = {
        {"add: a name taken in another case", -1, "PUMP", {FormatItemErrorLine(label)}},
        {"add: empty", -1, "", {FormatInvalidItemLine(label)}},
        {"add: blanks only", -1, "   ", {FormatInvalidItemLine(label)}},
        {"add: 65 bytes",
         -1,
         "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
         {FormatLimitErrorLine(label, 64)}},
        {"modify: the selected entry in another case", 0, "pump", {}},
        {"modify: another entry's name", 1, "pUMP", {FormatItemErrorLine(label)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowWith(g_pumps);
        const std::vector<Pump> before = g_pumps;
        if (c.selectedRow >= 0)
            page_.SelectRow(c.selectedRow);
        harness_.Set({{kEditName, QString::fromUtf8(c.typed)}});
        harness_.Press(c.selectedRow >= 0 ? kButtonModify : kButtonAdd);
        EXPECT_EQ(harness_.messages(), c.messages);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(g_pumps, before);
        }
    }
    EXPECT_EQ(names(g_pumps), (QStringList{QStringLiteral("pump"), QStringLiteral("Valve")}));
}

TEST_F(ListDetailPageTest, SelectingARowShowsItsEntryAndModifyWritesIt)
{
    ShowWith(pumpsNamed({"A", "B"}));
    EXPECT_EQ(page_.itemText(kEditName), QStringLiteral("A")) << "row 0 is selected on show";
    page_.SelectRow(1);
    EXPECT_EQ(page_.itemText(kEditName), QStringLiteral("B"));
    harness_.Set({{kEditSpeed, QStringLiteral("2500")}});
    harness_.Press(kButtonModify);
    EXPECT_EQ(g_pumps[1].Speed, 2500);
    EXPECT_EQ(g_pumps[1].Index, 1) << "Modify keeps the entry's number";
    EXPECT_EQ(harness_.logLines(), QStringList{FormatLangString(kStringEntryModified, QStringLiteral("Pumps"), 2)});
    EXPECT_EQ(page_.item<CListCtrlEx>(kListPumps)->GetItemText(1, 2), QStringLiteral("2500"));

    harness_.Forget();
    harness_.Set({{kEditSpeed, QStringLiteral("3001")}});
    harness_.Press(kButtonModify);
    EXPECT_EQ(harness_.messages(), QStringList{FormatRangeErrorLine(QStringLiteral("Speed"), 0, 3000)});
    EXPECT_EQ(g_pumps[1].Speed, 2500);
}

TEST_F(ListDetailPageTest, DeletingRowsOneAndThreeOfFiveCorrectsTheIndicesAndSelectsTheNextRow)
{
    ShowWith(pumpsNamed({"A", "B", "C", "D", "E"}));
    SelectRows({3, 1});
    page_.DeleteEntries();
    EXPECT_EQ(names(g_pumps), (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("E")}));
    EXPECT_EQ(page_.removedAt, (QStringList{QStringLiteral("B@1"), QStringLiteral("D@2")}))
        << "positions among the entries still listed";
    EXPECT_EQ(page_.SelectedRow(), 2);
    EXPECT_EQ(page_.itemText(kEditName), QStringLiteral("E"));
    EXPECT_EQ(harness_.logLines(), (QStringList{FormatLangString(kStringTagReleased, QStringLiteral("Run_1")),
                                                FormatLangString(kStringTagReleased, QStringLiteral("Run_3")),
                                                FormatLangString(kStringEntriesDeleted, QStringLiteral("Pumps"))}));
    EXPECT_EQ(page_.item<CListCtrlEx>(kListPumps)->GetItemText(2, 0), QStringLiteral("3")) << "rows renumbered";
}

TEST_F(ListDetailPageTest, TheNextNumberFollowsTheLastEntryEvenAfterDeletingIt)
{
    ShowWith(pumpsNamed({"A", "B", "C"}));
    page_.SelectRow(2);
    page_.DeleteEntries();
    EXPECT_EQ(page_.SelectedRow(), 1) << "the last row when the deleted one was last";
    EXPECT_EQ(page_.NextEntryIndex(), 2);
    Add("D");
    EXPECT_EQ(g_pumps.back().Index, 2);

    SelectRows({0, 1, 2});
    page_.DeleteEntries();
    EXPECT_TRUE(g_pumps.empty());
    EXPECT_EQ(page_.NextEntryIndex(), 0);
    EXPECT_EQ(page_.SelectedRow(), -1);
}

TEST_F(ListDetailPageTest, ModifyAndDeleteNeedEntriesAndASelection)
{
    ShowWith({});
    harness_.Press(kButtonDelete);
    harness_.Press(kButtonModify);
    const QString empty = LoadLangString(CPropertyUIDialog::kStringListEmpty);
    EXPECT_EQ(harness_.messages(), (QStringList{empty, empty}));

    ShowWith(pumpsNamed({"A"}));
    page_.item<CListCtrlEx>(kListPumps)->clearSelection();
    harness_.Press(kButtonDelete);
    EXPECT_EQ(harness_.messages(), QStringList{LoadLangString(kStringNoEntrySelected)});
    EXPECT_EQ(g_pumps.size(), 1u);

    page_.SelectRow(0);
    page_.answerNo = true;
    harness_.Forget();
    harness_.Press(kButtonDelete);
    EXPECT_EQ(g_pumps.size(), 1u) << "No keeps the entries";
    EXPECT_TRUE(harness_.logLines().isEmpty());
}

} // namespace
