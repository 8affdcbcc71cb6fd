// The small read-and-name pages: device information, the function list and the two system
// variable pages.
#include "CDeviceInfoDlg.h"
#include "CFunctionListDlg.h"
#include "CListCtrlEx.h"
#include "CResourceSystemVariable.h"
#include "PageHarness.h"
#include "PropertyPageKind.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

QStringList columnTexts(const CListCtrlEx& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts << list.GetItemText(row, column);
    return texts;
}

TEST(InfoPagesTest, ControlsMatchTheirTemplates)
{
    ExpectControlsMatchTemplate(DeviceInfoIds::kTemplate, DeviceInfoIds::kControls);
    ExpectControlsMatchTemplate(FunctionListIds::kTemplate, FunctionListIds::kControls);
    ExpectControlsMatchTemplate(SystemVariableIds::kTemplate, SystemVariableIds::kControls);
}

TEST(DeviceInfoPageTest, ShowFillsEditsAndKeepsApplyOff)
{
    using namespace DeviceInfoIds;
    PageHarness<CDeviceInfoDlg> harness;
    harness.model().SetModuleInfo({QStringLiteral("Pump station"), QStringLiteral("Basement")});
    harness.Show(NodeFor(1, "Device Configuration"));
    EXPECT_EQ(harness.page().itemText(kEditModuleName), "Pump station");
    EXPECT_EQ(harness.page().itemText(kEditModuleLocation), "Basement");
    EXPECT_FALSE(harness.page().control(kButtonApply)->isEnabled());

    harness.Set({{kEditModuleLocation, QStringLiteral("Roof")}});
    EXPECT_TRUE(harness.page().control(kButtonApply)->isEnabled());
    harness.Show(NodeFor(1, "Device Configuration")); // shown again: the typing is forgotten
    EXPECT_FALSE(harness.page().control(kButtonApply)->isEnabled());
    EXPECT_EQ(harness.page().itemText(kEditModuleLocation), "Basement");
}

TEST(DeviceInfoPageTest, ApplyStoresBothTextsWithoutLogLine)
{
    using namespace DeviceInfoIds;
    PageHarness<CDeviceInfoDlg> harness;
    harness.Show(NodeFor(1, "Device Configuration"));
    harness.model().SetModified(0);
    harness.Set({{kEditModuleName, QStringLiteral("RTU-7")}, {kEditModuleLocation, QStringLiteral("Well 3")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.model().GetModuleInfo(), (ModuleInfoPair{QStringLiteral("RTU-7"), QStringLiteral("Well 3")}));
    EXPECT_TRUE(harness.model().IsModified());
    EXPECT_FALSE(harness.page().control(kButtonApply)->isEnabled());
    EXPECT_TRUE(harness.logLines().isEmpty());
    EXPECT_TRUE(harness.messages().isEmpty());
}

TEST(DeviceInfoPageTest, EditsTakeAtMost64Characters)
{
    using namespace DeviceInfoIds;
    PageHarness<CDeviceInfoDlg> harness;
    harness.Show(NodeFor(1, "Device Configuration"));
    for (int id : {kEditModuleName.id, kEditModuleLocation.id}) {
        auto* edit = harness.page().item<QLineEdit>(id);
        edit->clear();
        edit->insert(QString(65, QLatin1Char('x')));
        EXPECT_EQ(edit->text().size(), kTextLimit);
    }
}

TEST(FunctionListPageTest, ListsPresentServicesOnceInTableOrder)
{
    using namespace FunctionListIds;
    PageHarness<CFunctionListDlg> harness;
    QStringList expected;
    for (const ServiceRecord& service : harness.model().GetServiceList()) {
        if (service.Present)
            expected << service.ServiceText2;
    }
    ASSERT_FALSE(expected.isEmpty()) << "the harness project has no services";
    for (int show = 0; show < 2; ++show) {
        harness.Show(NodeFor(kFunctionListFormId, "Function List"));
        const auto* list = harness.page().item<CListCtrlEx>(kListServices);
        EXPECT_EQ(columnTexts(*list, 0), expected);
        EXPECT_EQ(list->GetColumnCount(), 2);
        EXPECT_EQ(list->GetColumnTitle(0), "Function List");
        EXPECT_EQ(list->GetFirstSelectedRow(), 0);
    }
}

TEST(FunctionListPageTest, AbsentServiceIsLeftOutAndOtherNodeShowsNoRows)
{
    using namespace FunctionListIds;
    PageHarness<CFunctionListDlg> harness;
    const std::vector<ServiceRecord> services = harness.model().GetServiceList();
    const auto present =
        std::find_if(services.begin(), services.end(), [](const ServiceRecord& s) { return s.Present != 0; });
    ASSERT_NE(present, services.end());
    harness.model().Services[static_cast<size_t>(present - services.begin())].Present = 0;
    harness.Show(NodeFor(kFunctionListFormId, "Function List"));
    const auto* list = harness.page().item<CListCtrlEx>(kListServices);
    EXPECT_FALSE(columnTexts(*list, 0).contains(present->ServiceText2));

    harness.Show(NodeFor(1, "Device Configuration"));
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_EQ(list->GetColumnCount(), 2);
}

TEST(SystemVariablePageTest, BothTypesListNamesAndTagNamesReadOnly)
{
    using namespace SystemVariableIds;
    struct Case {
        const char* name;
        int channelType;
        std::function<std::vector<TagDefinition>(const CDataCenter&)> expected;
    };
    const std::vector<Case> cases = {
        {"controller variables", ChannelType::SystemVariables,
         [](const CDataCenter& m) { return m.GetSystemVariables().TagDefinitions; }},
        {"slot 0 registers", ChannelType::ResourceGroup,
         [](const CDataCenter& m) {
             ResourceGroupRecord record;
             m.GetSlotSystemRegister(record, 0);
             return record.TagDefinitions;
         }},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const PropertyPageKind kind{row.channelType, "CResourceSystemVariable", kTemplate, row.channelType};
        PageHarness<CResourceSystemVariable> harness(
            [&kind](IPageHost* host) { return std::make_unique<CResourceSystemVariable>(kind, host); });
        EXPECT_EQ(harness.page().GetChannelTypeId(), row.channelType);
        const TagTable tagsBefore = harness.model().Tags;
        harness.model().SetModified(0);
        harness.Show(NodeFor(row.channelType, "System", 0));
        const auto* list = harness.page().item<CListCtrlEx>(kListVariables);
        QStringList names, aliases;
        for (const TagDefinition& definition : row.expected(harness.model())) {
            names << definition.Name;
            aliases << definition.BoundTagName;
        }
        EXPECT_EQ(columnTexts(*list, 0), names);
        EXPECT_EQ(columnTexts(*list, 1), aliases);
        // Each column takes half the list's real width, and follows it when the pane changes.
        for (int pageWidth : {kHarnessPageWidth, 900, 640}) {
            harness.page().resize(pageWidth, kHarnessPageHeight);
            const int width = list->viewport()->width();
            EXPECT_GT(width, pageWidth / 2) << pageWidth;
            EXPECT_NEAR(list->GetColumnWidth(0), width / 2, 1) << pageWidth;
            EXPECT_NEAR(list->GetColumnWidth(0) + list->GetColumnWidth(1), width, 1) << pageWidth;
        }
        if (row.channelType == ChannelType::SystemVariables)
            harness.Screenshot(QStringLiteral("system-variables-page"));
        EXPECT_EQ(harness.model().Tags, tagsBefore);
        EXPECT_FALSE(harness.model().IsModified());
    }
}

TEST(SystemVariablePageTest, SlotRegistersFollowTheNodeAndAnEmptySlotShowsNothing)
{
    using namespace SystemVariableIds;
    const PropertyPageKind kind{ChannelType::ResourceGroup, "CResourceSystemVariable", kTemplate,
                                ChannelType::ResourceGroup};
    PageHarness<CResourceSystemVariable> harness(
        [&kind](IPageHost* host) { return std::make_unique<CResourceSystemVariable>(kind, host); });
    TagDefinition reg;
    reg.Name = QStringLiteral("Watchdog");
    reg.BoundTagName = QStringLiteral("S3_Watchdog");
    harness.model().ResourceGroups.push_back({3, 1, 1, 0, 0, QStringLiteral("SR"), {reg}, {}});
    const auto* list = harness.page().item<CListCtrlEx>(kListVariables);
    harness.Show(NodeFor(ChannelType::ResourceGroup, "System Register", 3));
    EXPECT_EQ(columnTexts(*list, 1), QStringList{"S3_Watchdog"});
    harness.Show(NodeFor(ChannelType::ResourceGroup, "System Register", 12));
    EXPECT_EQ(list->GetItemCount(), 0);
}

} // namespace
