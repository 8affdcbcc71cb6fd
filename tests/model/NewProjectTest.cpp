// New projects built from the shipped product templates, as the new-project command builds them.
#include "TemplatePlacerFixture.h"

#include "TypeIds.h"

#include <gtest/gtest.h>

using namespace PlacerFixture;

namespace {

class NewProjectTest : public testing::Test {
protected:
    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService scopedBoxes_{boxes_};
};

NewProjectChoice choiceOf(const char* model, int slotCount = 0, const char* power = "N/A",
                          const char* secondPower = "N/A")
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("Plant");
    choice.ModelName = QString::fromUtf8(model);
    choice.SlotCount = slotCount;
    choice.PowerModule = QString::fromUtf8(power);
    choice.SecondPowerModule = QString::fromUtf8(secondPower);
    return choice;
}

int groupCount(const CDataCenter& model, int slot)
{
    std::vector<ChannelGroupEntry> groups;
    return model.GetSlotChannelGroups(slot, groups);
}

bool hasGroup(const CDataCenter& model, int slot, int typeId)
{
    std::vector<ChannelGroupEntry> groups;
    model.GetSlotChannelGroups(slot, groups);
    return std::any_of(groups.begin(), groups.end(),
                       [typeId](const ChannelGroupEntry& group) { return group.ChannelTypeId == typeId; });
}

// Every product template. Slot 0's groups: system variables, LAN, serial (CAN, on-board I/O,
// cellular where present), 18 internal-register kinds, 10 services. Tags: system variables, the
// on-board channels' tags of mode 0, the cellular tags, 8 status tags plus SMS (HSPA), RESTful and
// DNP3 where the product offers them, and 4 per power module.
TEST_F(NewProjectTest, EveryProductBuildsItsSlotTableGroupsAndTags)
{
    const struct {
        const char* model;
        int slotCount; // chosen in the dialog (4100 series only)
        int maxSlots;
        int tableSize;
        int series4100, iec, hspa, cpu35, restful, dnp3;
        const char* apid;
        int slot0Groups;
        int tags;
    } cases[] = {
        {"ulTEK 4100-CPU15-C-T", 12, 12, 16, 1, 0, 0, 0, 1, 1, "0x80008920", 31, 8 + 10 + 4},
        {"ulTEK 4100-CPU15-IEC-T", 9, 9, 16, 1, 1, 0, 0, 1, 1, "0x80008922", 31, 8 + 10 + 4},
        {"ulTEK 4100-CPU35-C-T", 5, 5, 16, 1, 0, 0, 1, 1, 1, "0x80008924", 32, 8 + 10 + 4},
        {"ulTEK 4100-CPU35-IEC-T", 12, 12, 16, 1, 1, 0, 1, 1, 1, "0x80008926", 32, 8 + 10 + 4},
        {"ulTEK 4200-2-C-T", 0, 2, 3, 0, 0, 0, 0, 0, 1, "0x80000189", 31, 7 + 9},
        {"ulTEK 4200-5-C-T", 0, 5, 6, 0, 0, 0, 0, 0, 1, "0x80000189", 31, 7 + 9},
        {"ulTEK 4200-9-C-T", 0, 9, 10, 0, 0, 0, 0, 0, 1, "0x80000189", 31, 7 + 9},
        {"ulTEK 4200-2-IEC-T", 0, 2, 3, 0, 1, 0, 0, 0, 1, "0x8000018F", 31, 7 + 9},
        {"ulTEK 4200-5-IEC-T", 0, 5, 6, 0, 1, 0, 0, 0, 1, "0x8000018F", 31, 7 + 9},
        {"ulTEK 4200-9-IEC-T", 0, 9, 10, 0, 1, 0, 0, 0, 1, "0x8000018F", 31, 7 + 9},
        {"ulTEK 2301-C-T", 0, 0, 1, 0, 0, 0, 0, 1, 1, "0x80008510", 32, 7 + 8 + 10},
        {"ulTEK 2301-IEC-T", 0, 0, 1, 0, 1, 0, 0, 1, 1, "0x80008511", 32, 7 + 8 + 10},
        {"ulTEK 2301-HSPA-C-T", 0, 0, 1, 0, 0, 1, 0, 1, 1, "0x80008520", 33, 7 + 8 + 6 + 11},
        {"ulTEK 2301-HSPA-IEC-T", 0, 0, 1, 0, 1, 1, 0, 1, 1, "0x80008521", 33, 7 + 8 + 6 + 11},
        {"ulTEK 2300-C-T", 0, 0, 1, 0, 0, 0, 0, 0, 0, "0x80008500", 32, 5 + 16 + 8},
        {"ulTEK 2300-IEC-T", 0, 0, 1, 0, 1, 0, 0, 0, 0, "0x80008501", 32, 5 + 16 + 8},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        CTemplatePlacer placer(model);
        ASSERT_TRUE(placer.BuildNewProject(choiceOf(c.model, c.slotCount, "ulTEK 4100-PK1-15W-T"))) << c.model;
        const QString name = QString::fromUtf8(c.model);
        EXPECT_EQ(model.MaxSlotCount, c.maxSlots) << c.model;
        EXPECT_EQ(static_cast<int>(model.Slots.size()), c.tableSize) << c.model;
        EXPECT_EQ(model.IsSeries4100(), c.series4100) << c.model;
        EXPECT_EQ(model.IsIECMode(), c.iec) << c.model;
        EXPECT_EQ(model.HasHSPA(), c.hspa) << c.model;
        EXPECT_EQ(model.GetCPU35Mode(), c.cpu35) << c.model;
        EXPECT_EQ(model.IsRESTfulSupported(), c.restful) << c.model;
        EXPECT_EQ(model.IsDnp3Supported(), c.dnp3) << c.model;
        EXPECT_EQ(model.GetSlotName(0), name) << c.model;
        EXPECT_EQ(model.GetSlotApid(0), QString::fromUtf8(c.apid)) << c.model;
        EXPECT_EQ(model.ModType, name) << c.model;
        EXPECT_EQ(model.GetProjectName(), "Plant") << c.model;
        EXPECT_EQ(model.GetModuleInfo().ModName, name) << c.model;
        EXPECT_EQ(model.GetSlotMask(), 1) << c.model; // the power slot never enters the mask
        EXPECT_EQ(groupCount(model, 0), c.slot0Groups) << c.model;
        EXPECT_EQ(static_cast<int>(model.Tags.size()), c.tags) << c.model;
        EXPECT_EQ(model.GetSlotName(CTemplatePlacer::kPowerSlot),
                  c.series4100 ? QStringLiteral("ulTEK 4100-PK1-15W-T") : QString())
            << c.model;
        // Every product offers the same controller functions and keeps its tags' addresses apart.
        EXPECT_EQ(model.FunctionRecords.size(), 5u) << c.model;
        QStringList addresses;
        for (const TagRecord& tag : model.Tags)
            addresses << tag.ResID;
        EXPECT_EQ(addresses.removeDuplicates(), 0) << c.model;
        EXPECT_TRUE(boxes_.boxes().isEmpty()) << c.model;
    }
}

TEST_F(NewProjectTest, ProductCarriesServicesSystemVariablesAndInternalRegisters)
{
    CDataCenter model;
    CTemplatePlacer placer(model);
    ASSERT_TRUE(placer.BuildNewProject(choiceOf("ulTEK 4100-CPU35-C-T", 12, "ulTEK 4100-PK2-50W-T")));

    for (int id : {ServiceId::ModbusMaster, ServiceId::ModbusSlave, ServiceId::Dnp3Outstation, ServiceId::Tavo,
                   ServiceId::SnmpAgent, ServiceId::RESTfulApi, ServiceId::DataLogging, ServiceId::HighSpeedDataLogging,
                   ServiceId::AlarmMail, ServiceId::AlarmSms, ServiceId::AlarmSnmpTrap}) {
        EXPECT_EQ(model.GetServiceValue(id), 1) << id;
        EXPECT_FALSE(model.GetResourceName(id).isEmpty()) << id;
    }
    EXPECT_EQ(model.GetServiceValue(ServiceId::TimeSync), 2); // a function, not a service
    QList<int> functions;
    for (const ServiceRecord& record : model.FunctionRecords)
        functions << record.ServiceId;
    EXPECT_EQ(functions, QList<int>({133, 128, 141, 140, 142}));

    EXPECT_EQ(model.SystemVariables.ResSize, 8);
    EXPECT_EQ(model.SystemVariables.Series4100Flag, 1);
    EXPECT_EQ(model.SystemVariables.TagDefinitions[7].Name, "PowerFault");
    EXPECT_EQ(model.SystemVariables.TagDefinitions[7].ResourceText, "0.1013.7");
    EXPECT_EQ(model.SystemVariables.TagDefinitions[7].ResType, 7);
    EXPECT_EQ(model.SystemVariables.TagDefinitions[7].BoundTagName, "S0_SYS_PowerFault");
    EXPECT_EQ(model.InternalRegisters.Name, "Internal Variables");
    for (int type = RegisterType::First; type <= RegisterType::Last; ++type)
        EXPECT_TRUE(hasGroup(model, 0, type)) << type;
    EXPECT_EQ(model.GetSlotTagPrefix(0, 1510), "BoolOut");

    LanModuleSlotRecord lan;
    ASSERT_EQ(model.GetNetworkSetting(0, lan), 1);
    ASSERT_EQ(lan.Interfaces.size(), 2u);
    EXPECT_EQ(lan.Interfaces[1].Setting.IpAddress, "192.168.126.254");
    CanModuleSlotRecord can;
    EXPECT_EQ(model.GetCanSetting(0, can), 1);
}

TEST_F(NewProjectTest, TreeShowsTheSeriesAndTheSlotsUnderTheDeviceNode)
{
    CDataCenter model;
    RecordingTree tree;
    CTemplatePlacer placer(model, &tree);
    ASSERT_TRUE(placer.BuildNewProject(choiceOf("ulTEK 4100-CPU15-C-T", 9, "ulTEK 4100-PK1-30W-T")));

    const auto product = tree.At(tree.FirstChild(ITemplatePlacerObserver::kTopLevel));
    EXPECT_EQ(product.info, (TemplateNodeInfo{"ulTEK 4100-CPU15-C-T", 1, "Product", "ulTEK 4100 Series",
                                              TemplateNodeInfo::kProductOrCpuNode, 0, 0, 0}));
    const auto deviceNode = tree.FindTopNodeByElementName("DeviceCfg");
    ASSERT_NE(deviceNode, ITemplatePlacerObserver::kTopLevel);
    std::vector<QString> slotLabels;
    for (auto handle : tree.Children(deviceNode))
        slotLabels.push_back(tree.At(handle).label);
    EXPECT_EQ(slotLabels,
              (std::vector<QString>{"Slot 0(CPU): ulTEK 4100-CPU15-C-T", "Slot 0(PWR): ulTEK 4100-PK1-30W-T"}));
    const auto cpuNode = tree.At(tree.Children(deviceNode).front()).info;
    EXPECT_EQ(cpuNode.Kind, TemplateNodeInfo::kProductOrCpuNode);
    EXPECT_EQ(cpuNode.ElementName, "Slot_0");
    const auto power = tree.At(tree.SlotNode(CTemplatePlacer::kPowerSlot)).info;
    EXPECT_EQ(power.FormId, 0);
    EXPECT_EQ(power.TemplateName, "ulTEK 4100-PK1-30W-T");
    EXPECT_EQ(power.ElementName, "Module");
    // A channel page node carries its channel count and tags per channel.
    bool lanPage = false;
    for (const auto& node : tree.nodes) {
        if (node.info.FormId == ChannelType::Lan) {
            lanPage = true;
            EXPECT_EQ(node.info.Value, 2);
            EXPECT_EQ(node.info.Size, 1);
            EXPECT_EQ(node.info.Slot, 0);
        }
    }
    EXPECT_TRUE(lanPage);
    EXPECT_EQ(tree.placed, (std::vector<bool>{true, false}));
}

TEST_F(NewProjectTest, SecondPowerModuleGoesIntoTheLastSlotOfNineOrTwelve)
{
    const struct {
        int slotCount;
        const char* secondPower;
        int secondSlot; // 0: none placed
    } cases[] = {
        {5, "ulTEK 4100-PK1-15W-T", 0},
        {9, "ulTEK 4100-PK1-15W-T", 9},
        {12, "ulTEK 4100-PK1-15W-T", 12},
        {12, "N/A", 0},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        CTemplatePlacer placer(model);
        ASSERT_TRUE(placer.BuildNewProject(
            choiceOf("ulTEK 4100-CPU15-C-T", c.slotCount, "ulTEK 4100-PK1-15W-T", c.secondPower)));
        int powerSlots = 0;
        for (int slot = 1; slot <= c.slotCount; ++slot) {
            if (model.GetSlotName(slot).contains("PK1"))
                ++powerSlots;
        }
        EXPECT_EQ(powerSlots, c.secondSlot ? 1 : 0) << c.slotCount << ' ' << c.secondPower;
        if (c.secondSlot) {
            EXPECT_EQ(model.GetSlotName(c.secondSlot), "ulTEK 4100-PK1-15W-T") << c.slotCount;
            EXPECT_TRUE(model.IsSlotUsed(c.secondSlot)) << c.slotCount;
            EXPECT_TRUE(TagNames(model).contains(QStringLiteral("S%1_PWR_Input1").arg(c.secondSlot))) << c.slotCount;
        }
        EXPECT_TRUE(TagNames(model).contains("S0_PWR_Input1")) << c.slotCount;
        EXPECT_EQ(model.ResourceGroups.size(), c.secondSlot ? 2u : 1u) << c.slotCount;
    }
}

TEST_F(NewProjectTest, UnreadableProductLeavesAnEmptyModelAndNamesThePath)
{
    CDataCenter model;
    CTemplatePlacer placer(model);
    ASSERT_TRUE(placer.BuildNewProject(choiceOf("ulTEK 2301-HSPA-C-T")));
    ASSERT_FALSE(model.Tags.empty());

    EXPECT_FALSE(placer.BuildNewProject(choiceOf("ulTEK 9999-C-T")));
    ASSERT_EQ(boxes_.texts().size(), 1);
    EXPECT_EQ(boxes_.texts().front(), "The file " +
                                          QDir::toNativeSeparators(ShippedTemplatePath(true, "ulTEK 9999-C-T")) +
                                          " cannot be loaded.");
    EXPECT_TRUE(model.Tags.empty());
    EXPECT_TRUE(model.Slots.empty());
    EXPECT_TRUE(model.Services.empty());
    EXPECT_TRUE(model.CellularSettings.empty());
    EXPECT_EQ(model.GetModuleInfo(), ModuleInfoPair{});
    EXPECT_EQ(model.HasHSPA(), 0);
    EXPECT_EQ(model.IsRESTfulSupported(), 0);
    EXPECT_EQ(model.GetSlotMask(), 0);
}

TEST_F(NewProjectTest, ModelNamesThatAreNoFileNamesAreNotLoaded)
{
    CDataCenter model;
    CTemplatePlacer placer(model);
    for (const char* name : {"../RES/ulTEK 2300-C-T", "ulTEK 4100 C/C++ Series", "", ".."}) {
        boxes_.Clear();
        EXPECT_FALSE(placer.InitProjectFromProduct(QString::fromUtf8(name))) << name;
        EXPECT_EQ(boxes_.texts().size(), 1) << name;
        EXPECT_TRUE(model.Slots.empty()) << name;
    }
}

} // namespace
