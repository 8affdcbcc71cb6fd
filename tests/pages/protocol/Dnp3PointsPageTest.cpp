// The DNP3 points page: each tab adds, removes, moves and applies points straight into the
// model; classes and deadbands follow the point's own tag.
#include "CDNP3SelectTagDlg.h"
#include "CDnp3SelTagPage.h"
#include "CListCtrlEx.h"
#include "Dnp3PointOptions.h"
#include "LanguagePack.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QComboBox>

namespace {

using namespace Dnp3PointTab;

enum TabPosition {
    kBinaryInputTab = 0,
    kBinaryOutputTab = 1,
    kAnalogInputTab = 2,
    kAnalogOutputTab = 3,
    kCounterTab = 4
};
constexpr int kTabTypes[] = {1, 3, 2, 4, 5};

class Dnp3PointsPageTest : public testing::Test {
protected:
    void SetUp() override { harness.Show(NodeFor(130, QStringLiteral("DNP3 Points"))); }

    CDnp3SelTagPage& Open(int position)
    {
        harness.page().ShowTab(position);
        harness.Forget();
        return harness.page().Tab(position);
    }
    // Tags of the tab's object type that are no point yet; those that can carry events first
    // when asked.
    std::vector<TagRecord> FreeTags(int position, std::function<bool(const TagRecord&)> keep = {})
    {
        std::vector<TagRecord> tags, kept;
        harness.model().GetTagsForDnp3PointType(kTabTypes[position], tags);
        for (const TagRecord& tag : tags)
            if (!keep || keep(tag))
                kept.push_back(tag);
        return kept;
    }
    bool CarriesEvents(const TagRecord& tag) { return harness.model().CanTagCarryDnp3Events(tag) != 0; }
    Dnp3PointGroup Stored(int position)
    {
        Dnp3PointGroup group;
        harness.model().GetDnp3PointGroup(kTabTypes[position], group);
        return group;
    }
    QStringList StoredNames(int position)
    {
        QStringList names;
        for (const DNP3_POINT_SETTINGS& point : Stored(position).Points)
            names << point.Name;
        return names;
    }
    CListCtrlEx* List(CDnp3SelTagPage& tab) { return tab.item<CListCtrlEx>(kListPoints); }
    QStringList Column(CDnp3SelTagPage& tab, int column)
    {
        QStringList texts;
        for (int row = 0; row < List(tab)->GetItemCount(); ++row)
            texts << List(tab)->GetItemText(row, column);
        return texts;
    }
    void Select(CDnp3SelTagPage& tab, std::initializer_list<int> rows)
    {
        CListCtrlEx* list = List(tab);
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->listModel().index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void Set(CDnp3SelTagPage& tab, std::initializer_list<ControlInput> inputs)
    {
        for (const ControlInput& input : inputs)
            SetControl(tab, input);
    }
    QString Line(unsigned id, int index = -1)
    {
        const QString caption = harness.model().GetResourceName(ServiceId::Dnp3Outstation) + " " +
                                harness.model().GetResourceName(ServiceId::Dnp3Point);
        return index < 0 ? FormatLangString(id, caption) : FormatLangString(id, caption, index);
    }
    // Adds the first tags as points A.. of the tab.
    std::vector<TagRecord> AddPoints(CDnp3SelTagPage& tab, int position, size_t count,
                                     std::function<bool(const TagRecord&)> keep = {})
    {
        std::vector<TagRecord> tags = FreeTags(position, keep);
        EXPECT_GE(tags.size(), count) << "the project has too few tags of the type";
        tags.resize(std::min(count, tags.size()));
        tab.AddTags(tags);
        return tags;
    }

    PageHarness<CDNP3SelectTagDlg> harness;
};

TEST(Dnp3PointsTemplates, EveryControlIsInItsTemplate)
{
    ExpectControlsMatchTemplate(Dnp3PointsPage::kTemplate, Dnp3PointsPage::kControls);
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(Dnp3PointsPageTest, PointsAreAddedRemovedAndMovedWithTheirIndices)
{
    CDnp3SelTagPage& tab = Open(kAnalogInputTab);
    const std::vector<TagRecord> tags = AddPoints(tab, kAnalogInputTab, 5);
    ASSERT_EQ(tags.size(), 5u);
    const QString a = tags[0].TagName, b = tags[1].TagName, c = tags[2].TagName, d = tags[3].TagName,
                  e = tags[4].TagName;
    EXPECT_EQ(StoredNames(kAnalogInputTab), (QStringList{a, b, c, d, e}));
    EXPECT_EQ(Column(tab, 0), (QStringList{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(harness.logLines(), (QStringList{Line(616, 0), Line(616, 1), Line(616, 2), Line(616, 3), Line(616, 4)}));

    harness.Forget();
    tab.AddTags({tags[2]}); // already a point
    EXPECT_EQ(StoredNames(kAnalogInputTab).size(), 5);
    EXPECT_TRUE(harness.logLines().isEmpty());

    Select(tab, {1, 3});
    PressButton(tab, kButtonRemove);
    EXPECT_EQ(StoredNames(kAnalogInputTab), (QStringList{a, c, e}));
    EXPECT_EQ(Column(tab, 0), (QStringList{"0", "1", "2"}));
    EXPECT_EQ(Column(tab, 1), (QStringList{a, c, e}));
    EXPECT_EQ(List(tab)->GetSelectedRows(), QList<int>{2});
    EXPECT_EQ(harness.logLines(), QStringList{Line(619)});

    Select(tab, {0, 2});
    PressButton(tab, kButtonUp);
    EXPECT_EQ(StoredNames(kAnalogInputTab), (QStringList{a, c, e})) << "row 0 cannot move up";

    Select(tab, {0});
    PressButton(tab, kButtonDown);
    EXPECT_EQ(StoredNames(kAnalogInputTab), (QStringList{c, a, e}));
    EXPECT_EQ(List(tab)->GetSelectedRows(), QList<int>{1});
    Select(tab, {1, 2});
    PressButton(tab, kButtonUp);
    EXPECT_EQ(StoredNames(kAnalogInputTab), (QStringList{a, e, c}));
    EXPECT_EQ(List(tab)->GetSelectedRows(), (QList<int>{0, 1}));
    EXPECT_EQ(Column(tab, 0), (QStringList{"0", "1", "2"}));
    EXPECT_EQ(harness.logLines(), QStringList{Line(619)}) << "moves log nothing";
}

// The index column keeps its width; the three text columns share the rest of the list's real
// width, on show and whenever the pane resizes the page.
TEST_F(Dnp3PointsPageTest, TextColumnsShareTheListWidth)
{
    CDnp3SelTagPage& tab = Open(kAnalogInputTab);
    CListCtrlEx* list = List(tab);
    for (int pageWidth : {kHarnessPageWidth, 1366, 800}) {
        SCOPED_TRACE(pageWidth);
        harness.page().resize(pageWidth, kHarnessPageHeight);
        const int width = list->viewport()->width();
        EXPECT_GT(width, pageWidth / 2);
        for (int column = 1; column < 4; ++column)
            EXPECT_NEAR(list->GetColumnWidth(column), (width - list->GetColumnWidth(0)) / 3, 2) << column;
        EXPECT_EQ(list->GetColumnWidth(0) + list->GetColumnWidth(1) + list->GetColumnWidth(2) + list->GetColumnWidth(3),
                  width);
    }
}

TEST_F(Dnp3PointsPageTest, RemovingWithoutASelectionAsksForOne)
{
    CDnp3SelTagPage& tab = Open(kBinaryInputTab);
    AddPoints(tab, kBinaryInputTab, 1);
    EXPECT_EQ(Stored(kBinaryInputTab).Points.front().SBICondition, 3);
    Select(tab, {});
    harness.Forget();
    PressButton(tab, kButtonRemove);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(613)});
    EXPECT_EQ(Stored(kBinaryInputTab).Points.size(), 1);
}

TEST_F(Dnp3PointsPageTest, OutputsOfferClassZeroOnly)
{
    for (int position : {kBinaryInputTab, kBinaryOutputTab, kAnalogInputTab, kAnalogOutputTab, kCounterTab}) {
        SCOPED_TRACE(position);
        const int expected = position == kBinaryOutputTab || position == kAnalogOutputTab ? 1 : 4;
        CDnp3SelTagPage& tab = Open(position);
        EXPECT_EQ(tab.item<QComboBox>(kComboClass)->count(), expected);
        if (FreeTags(position).empty())
            continue;
        AddPoints(tab, position, 1,
                  [this, position](const TagRecord& t) { return CarriesEvents(t) || position == kBinaryOutputTab; });
        Select(tab, {0});
        EXPECT_EQ(tab.item<QComboBox>(kComboClass)->count(), expected);
        EXPECT_TRUE(tab.control(kComboClass)->isEnabled());
        harness.Screenshot(QStringLiteral("dnp3-points-tab-%1").arg(position));
    }
}

TEST_F(Dnp3PointsPageTest, DeadbandsAreCheckedForThePointsTag)
{
    const auto integerTag = [this](const TagRecord& t) {
        return CarriesEvents(t) && t.DataTypeCode != 3 && t.DataTypeCode != 12;
    };
    CDnp3SelTagPage& analog = Open(kAnalogInputTab);
    AddPoints(analog, kAnalogInputTab, 1, integerTag);
    CDnp3SelTagPage& counter = Open(kCounterTab);
    AddPoints(counter, kCounterTab, 1, [this](const TagRecord& t) { return CarriesEvents(t); });
    const struct {
        const char* name;
        int position;
        std::vector<ControlInput> inputs;
        QString message; // empty: stored
        std::function<void(const DNP3_POINT_SETTINGS&)> check;
    } cases[] = {
        {"percentage 0",
         kAnalogInputTab,
         {{kComboClass, 1}, {kComboDeviation, 0}, {kEditDeadband, QString("0")}},
         "Value Range: 1-100.\r\n",
         nullptr},
        {"percentage 101",
         kAnalogInputTab,
         {{kComboClass, 2}, {kEditDeadband, QString("101")}},
         "Value Range: 1-100.\r\n",
         nullptr},
        {"percentage 100",
         kAnalogInputTab,
         {{kComboClass, 2}, {kComboDeviation, 0}, {kEditDeadband, QString("100")}},
         "",
         [](const DNP3_POINT_SETTINGS& p) {
             EXPECT_EQ(p.Class, 2);
             EXPECT_EQ(p.AIDeadbandEnable, 1);
             EXPECT_EQ(p.DeadbandInteger, 100);
         }},
        {"class 0 clears the deadband",
         kAnalogInputTab,
         {{kComboClass, 0}},
         "",
         [](const DNP3_POINT_SETTINGS& p) {
             EXPECT_EQ(p.AIDeadbandEnable, 0);
             EXPECT_EQ(p.DeadbandInteger, 0);
         }},
        {"counter 0",
         kCounterTab,
         {{kComboClass, 1}, {kEditChange, QString("0")}},
         "Value Range: 1-4294967295.\r\n",
         nullptr},
        {"counter largest",
         kCounterTab,
         {{kComboClass, 3}, {kEditChange, QString("4294967295")}},
         "",
         [](const DNP3_POINT_SETTINGS& p) {
             EXPECT_EQ(p.CounterConditionEnable, 1);
             EXPECT_EQ(p.ChangeDeviation, 4294967295LL);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDnp3SelTagPage& tab = Open(c.position);
        Select(tab, {0});
        const DNP3_POINT_SETTINGS before = Stored(c.position).Points.front();
        for (const ControlInput& input : c.inputs)
            SetControl(tab, input);
        PressButton(tab, kButtonApply);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(harness.messages().isEmpty());
            EXPECT_EQ(harness.logLines(), (QStringList{Line(618, 0), Line(617)}));
            c.check(Stored(c.position).Points.front());
        } else {
            EXPECT_EQ(harness.messages(), QStringList{c.message});
            EXPECT_TRUE(Stored(c.position).Points.front() == before);
        }
    }
    harness.page().ShowTab(kAnalogInputTab);
    Select(analog, {0});
    Set(analog, {{kComboClass, 1}, {kComboDeviation, 0}});
    EXPECT_EQ(analog.itemText(kRangeDeadband), "1~100 %");
}

TEST_F(Dnp3PointsPageTest, AFloatTagInValueModeTakesAFraction)
{
    const auto floatTag = [this](const TagRecord& t) {
        return CarriesEvents(t) && (t.DataTypeCode == 3 || t.DataTypeCode == 12);
    };
    CDnp3SelTagPage& tab = Open(kAnalogInputTab);
    if (FreeTags(kAnalogInputTab, floatTag).empty())
        GTEST_SKIP() << "the project has no floating-point analog tag";
    AddPoints(tab, kAnalogInputTab, 1, floatTag);
    Select(tab, {0});
    Set(tab, {{kComboClass, 1}, {kComboDeviation, 1}, {kEditDeadband, QString("2.5")}});
    PressButton(tab, kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join("|").toStdString();
    const DNP3_POINT_SETTINGS stored = Stored(kAnalogInputTab).Points.front();
    EXPECT_FLOAT_EQ(stored.DeadbandFloat, 2.5f);
    EXPECT_EQ(stored.DeadbandInteger, 0);
    EXPECT_EQ(stored.DeviationType, 1);
}

// Several rows: each point's value is checked and stored for its own tag.
TEST_F(Dnp3PointsPageTest, AValueForSeveralPointsIsConvertedPerPoint)
{
    const auto floatTag = [this](const TagRecord& t) {
        return CarriesEvents(t) && (t.DataTypeCode == 3 || t.DataTypeCode == 12);
    };
    const auto integerTag = [this](const TagRecord& t) {
        return CarriesEvents(t) && t.DataTypeCode != 3 && t.DataTypeCode != 12;
    };
    CDnp3SelTagPage& tab = Open(kAnalogInputTab);
    if (FreeTags(kAnalogInputTab, floatTag).empty() || FreeTags(kAnalogInputTab, integerTag).empty())
        GTEST_SKIP() << "the project lacks a floating-point or an integer analog tag";
    AddPoints(tab, kAnalogInputTab, 1, floatTag);
    AddPoints(tab, kAnalogInputTab, 1, integerTag);
    const Dnp3PointGroup before = Stored(kAnalogInputTab);
    Select(tab, {0, 1});
    Set(tab, {{kComboClass, 1}, {kComboDeviation, 1}, {kEditDeadband, QString("2.5")}});
    PressButton(tab, kButtonApply);
    EXPECT_EQ(harness.messages().size(), 1) << "2.5 is no value for the integer tag";
    EXPECT_TRUE(Stored(kAnalogInputTab) == before);

    harness.Forget();
    Set(tab, {{kEditDeadband, QString("3")}});
    PressButton(tab, kButtonApply);
    ASSERT_TRUE(harness.messages().isEmpty()) << harness.messages().join("|").toStdString();
    const Dnp3PointGroup group = Stored(kAnalogInputTab);
    EXPECT_FLOAT_EQ(group.Points[0].DeadbandFloat, 3.0f);
    EXPECT_EQ(group.Points[0].DeadbandInteger, 0);
    EXPECT_EQ(group.Points[1].DeadbandInteger, 3);
    EXPECT_FLOAT_EQ(group.Points[1].DeadbandFloat, 0.0f);
    EXPECT_EQ(harness.logLines(), (QStringList{Line(618, 0), Line(618, 1), Line(617)}));
}

TEST_F(Dnp3PointsPageTest, ATagWithoutEventsStoresClassZeroWhateverIsShown)
{
    CDnp3SelTagPage& tab = Open(kAnalogInputTab);
    const auto noEvents = [this](const TagRecord& t) { return !CarriesEvents(t); };
    if (FreeTags(kAnalogInputTab, noEvents).empty())
        GTEST_SKIP() << "every analog tag of the project carries events";
    AddPoints(tab, kAnalogInputTab, 1, noEvents);
    AddPoints(tab, kAnalogInputTab, 1, [this](const TagRecord& t) { return CarriesEvents(t); });
    Select(tab, {0});
    EXPECT_EQ(tab.item<QComboBox>(kComboClass)->count(), 1);
    Select(tab, {0, 1}); // several rows: the full list
    EXPECT_EQ(tab.item<QComboBox>(kComboClass)->count(), 4);
    Set(tab, {{kComboClass, 2}, {kComboDeviation, 0}, {kEditDeadband, QString("30")}});
    PressButton(tab, kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    const Dnp3PointGroup group = Stored(kAnalogInputTab);
    EXPECT_EQ(group.Points[0].Class, 0);
    EXPECT_EQ(group.Points[0].AIDeadbandEnable, 0);
    EXPECT_EQ(group.Points[0].DeadbandInteger, 0);
    EXPECT_EQ(group.Points[1].Class, 2);
    EXPECT_EQ(group.Points[1].DeadbandInteger, 30);
}

TEST_F(Dnp3PointsPageTest, ApplyWithoutASelectionWritesOnlyTheVariations)
{
    harness.model().SetDnp3GroupSetting(2, 99, 3, 0, 0); // no entry has static variation 99
    CDnp3SelTagPage& tab = Open(kAnalogInputTab);
    AddPoints(tab, kAnalogInputTab, 1);
    const Dnp3PointOptions options = Dnp3PointOptions::Load(2);
    EXPECT_EQ(tab.item<QComboBox>(kComboStatic)->currentIndex(), 0);
    EXPECT_EQ(tab.item<QComboBox>(kComboEvent)->currentIndex(),
              Dnp3PointRules::VariationIndex(options.EventVariations, 3));
    const DNP3_POINT_SETTINGS point = Stored(kAnalogInputTab).Points.front();
    Select(tab, {});
    harness.Forget();
    Set(tab, {{kComboStatic, 1}});
    PressButton(tab, kButtonApply);
    EXPECT_EQ(Stored(kAnalogInputTab).StaticVariation, Dnp3PointRules::VariationNumber(options.StaticVariations[1]));
    EXPECT_EQ(Stored(kAnalogInputTab).EventVariation, 3);
    EXPECT_TRUE(Stored(kAnalogInputTab).Points.front() == point);
    EXPECT_TRUE(harness.logLines().isEmpty());
    EXPECT_TRUE(harness.messages().isEmpty());
}

} // namespace
