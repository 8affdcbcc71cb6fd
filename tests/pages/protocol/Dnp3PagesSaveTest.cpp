// What the DNP3 pages write survives saving and reopening the project.
#include "CDNP3AdvanceSettingDlg.h"
#include "CDNP3OneMasterDlg.h"
#include "CDNP3SelectTagDlg.h"
#include "CDnp3SelTagPage.h"
#include "CListCtrlEx.h"
#include "CProjectLoader.h"
#include "PageHarness.h"
#include "ProjectReopen.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <algorithm>
#include <map>

namespace {

TEST(Dnp3PagesSaveTest, MasterAndPointsAreSavedAndReadBack)
{
    PageHarness<CDNP3SelectTagDlg> points;
    CDataCenter& model = points.model();
    points.Show(NodeFor(130, QStringLiteral("DNP3 Points")));
    points.page().ShowTab(2);
    CDnp3SelTagPage& analog = points.page().Tab(2);
    std::vector<TagRecord> tags;
    model.GetTagsForDnp3PointType(2, tags);
    ASSERT_GE(tags.size(), 2u);
    tags.resize(2);
    analog.AddTags(tags);
    analog.item<CListCtrlEx>(Dnp3PointTab::kListPoints)->SelectRow(1);
    SetControl(analog, {Dnp3PointTab::kComboDeviation, 0});
    PressButton(analog, Dnp3PointTab::kButtonApply);

    RecordingPageHost masterHost(&model);
    CDNP3OneMasterDlg master(&masterHost);
    ASSERT_TRUE(master.Create());
    master.SetNodeInfo(NodeFor(129, QStringLiteral("DNP3")));
    masterHost.parentWidget().show();
    master.show();
    SetControl(master, {Dnp3MasterPage::kEditLocalPort, QString("20000")});
    SetControl(master, {Dnp3MasterPage::kCheckUnsolicited, true});
    SetControl(master, {Dnp3MasterPage::kEditMasterIP, QString("127.0.0.1")});
    PressButton(master, Dnp3MasterPage::kButtonApply);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dnp3.pelx"));
    ASSERT_TRUE(model.SaveProject(path));
    CDataCenter reopened;
    CProjectLoader loader(reopened, nullptr);
    ASSERT_EQ(loader.LoadProject(path, 0), 0);

    Dnp3PointGroup before, after;
    model.GetDnp3PointGroup(2, before);
    reopened.GetDnp3PointGroup(2, after);
    ASSERT_EQ(after.Points.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(after.Points[i].Name, tags[i].TagName);
        EXPECT_EQ(after.Points[i].ResourceID, before.Points[i].ResourceID);
        EXPECT_EQ(after.Points[i].Class, before.Points[i].Class);
    }
    EXPECT_EQ(reopened.GetDnp3Outstation().LocalPort, 20000);
    EXPECT_EQ(reopened.GetDnp3Outstation().Masters.front().MasterIP, "127.0.0.1");
    EXPECT_EQ(reopened.GetDnp3Outstation().Masters.front().EnableUnsolicited, 1);
}

bool IsFloatTag(const TagRecord& tag)
{
    return tag.DataTypeCode == 3 || tag.DataTypeCode == 12;
}

// Analog points in value mode keep their mode and value; a float tag keeps its fraction.
TEST(Dnp3PagesSaveTest, AnalogDeadbandModeAndValueAreReopened)
{
    using namespace Dnp3PointTab;
    constexpr int kAnalogTab = 2;
    constexpr int kAnalogType = 2;
    struct Row {
        const char* name;
        bool floatTag;
        int deviationType;
        const char* typed;
    };
    const Row rows[] = {
        {"float tag, value 2.5", true, 1, "2.5"},
        {"integer tag, value 7", false, 1, "7"},
        {"integer tag, 30 %", false, 0, "30"},
    };
    PageHarness<CDNP3SelectTagDlg> harness;
    CDataCenter& model = harness.model();
    const TreeNodeInfo node = NodeFor(130, QStringLiteral("DNP3 Points"));
    harness.Show(node);
    harness.page().ShowTab(kAnalogTab);
    std::vector<TagRecord> tags;
    model.GetTagsForDnp3PointType(kAnalogType, tags);
    for (const Row& row : rows) {
        const auto tag = std::find_if(tags.begin(), tags.end(), [&](const TagRecord& t) {
            return model.CanTagCarryDnp3Events(t) != 0 && IsFloatTag(t) == row.floatTag;
        });
        ASSERT_NE(tag, tags.end()) << row.name << ": the project lacks such an analog tag";
        harness.page().Tab(kAnalogTab).AddTags({*tag});
        tags.erase(tag);
    }
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        CDnp3SelTagPage& analog = harness.page().Tab(kAnalogTab);
        analog.item<CListCtrlEx>(kListPoints)->SelectRow(i);
        SetControl(analog, {kComboClass, 1});
        SetControl(analog, {kComboDeviation, rows[i].deviationType});
        SetControl(analog, {kEditDeadband, QString::fromUtf8(rows[i].typed)});
        PressButton(analog, kButtonApply);
    }
    ASSERT_TRUE(harness.messages().isEmpty()) << harness.messages().join("|").toStdString();
    Dnp3PointGroup before;
    model.GetDnp3PointGroup(kAnalogType, before);

    ASSERT_TRUE(SaveAndReopenInPlace(model));
    Dnp3PointGroup after;
    model.GetDnp3PointGroup(kAnalogType, after);
    ASSERT_EQ(after.Points.size(), before.Points.size());
    harness.Show(node);
    harness.page().ShowTab(kAnalogTab);
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(after.Points[i].DeviationType, rows[i].deviationType);
        EXPECT_EQ(after.Points[i].DeadbandFloat, before.Points[i].DeadbandFloat);
        EXPECT_EQ(after.Points[i].DeadbandInteger, before.Points[i].DeadbandInteger);
        CDnp3SelTagPage& analog = harness.page().Tab(kAnalogTab);
        analog.item<CListCtrlEx>(kListPoints)->SelectRow(i);
        EXPECT_EQ(analog.itemText(kEditDeadband), QString::fromUtf8(rows[i].typed));
        EXPECT_EQ(analog.item<QComboBox>(kComboDeviation)->currentIndex(), rows[i].deviationType);
    }
    EXPECT_FLOAT_EQ(after.Points[0].DeadbandFloat, 2.5f);
    EXPECT_EQ(after.Points[1].DeadbandInteger, 7);

    harness.Forget();
    CDnp3SelTagPage& analog = harness.page().Tab(kAnalogTab);
    analog.item<CListCtrlEx>(kListPoints)->SelectRow(0);
    PressButton(analog, kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty()) << "the reopened float point applies as it is";
    Dnp3PointGroup applied;
    model.GetDnp3PointGroup(kAnalogType, applied);
    EXPECT_TRUE(applied.Points[0] == after.Points[0]);
}

// Every bound control of the advanced settings, the unsolicited time-out among them, comes back.
TEST(Dnp3PagesSaveTest, EveryAdvancedSettingIsReopened)
{
    using namespace Dnp3AdvancedDialog;
    const std::vector<ControlInput> inputs = {
        {kEditFragmentSize, QStringLiteral("2048")},  {kEditAppConfirmTimeout, QStringLiteral("5")},
        {kComboDLConfirmMode, 1},                     {kEditDLConfirmTimeout, QStringLiteral("2")},
        {kEditDLConfirmRetry, QStringLiteral("3")},   {kComboBufferOverflow, 1},
        {kEditBinaryStorage, QStringLiteral("200")},  {kEditAnalogStorage, QStringLiteral("300")},
        {kEditCounterStorage, QStringLiteral("400")}, {kEditUnsolicitedTimeout, QStringLiteral("7")},
        {kEditHoldingTime, QStringLiteral("12")},     {kCheckClass1, false},
        {kEditClass1Count, QStringLiteral("5")},      {kCheckClass2, false},
        {kEditClass2Count, QStringLiteral("6")},      {kCheckClass3, false},
        {kEditClass3Count, QStringLiteral("8")},      {kEditRetry, QStringLiteral("9")},
    };
    PageHarness<CDNP3OneMasterDlg> harness;
    CDataCenter& model = harness.model();
    const auto statesOf = [](const CDNP3AdvanceSettingDlg& dialog) {
        std::map<int, QString> states;
        const std::vector<BoundForm> forms = dialog.BoundForms();
        for (const ControlId& control : forms.front().controls)
            states[control.id] = ControlState(dialog, control.id);
        return states;
    };
    std::map<int, QString> stored;
    {
        CDNP3AdvanceSettingDlg dialog(0, &model.GetDnp3Outstation());
        ASSERT_TRUE(dialog.Create());
        dialog.show();
        const std::map<int, QString> shown = statesOf(dialog);
        for (const ControlInput& input : inputs)
            SetControl(dialog, input);
        PressButton(dialog, kButtonStore);
        ASSERT_TRUE(dialog.Stored()) << harness.messages().join("|").toStdString();
        stored = statesOf(dialog);
        for (const auto& [id, state] : stored)
            EXPECT_NE(state, shown.at(id)) << "control " << id << " is set to the value it showed";
    }
    ASSERT_EQ(model.GetDnp3Outstation().Masters.front().UnsolicitedTimeout, 7);

    ASSERT_TRUE(SaveAndReopenInPlace(model));
    EXPECT_EQ(model.GetDnp3Outstation().Masters.front().UnsolicitedTimeout, 7);
    CDNP3AdvanceSettingDlg reopened(0, &model.GetDnp3Outstation());
    ASSERT_TRUE(reopened.Create());
    reopened.show();
    EXPECT_EQ(statesOf(reopened), stored);
}

} // namespace
