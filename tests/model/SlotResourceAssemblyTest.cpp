// Placing templates written by the test: the walk's rules, the module builders and the limits of
// what a template may declare.
#include "TemplatePlacerFixture.h"

#include "TypeIds.h"

#include <gtest/gtest.h>

using namespace PlacerFixture;

namespace {

class SlotResourceAssemblyTest : public TemplateFolder {
protected:
    void SetUp() override
    {
        TemplateFolder::SetUp();
        WriteDefaultSettings("[DI]\nFilterUnit=ms\nFilterRange=1,1,65535\n");
    }

    // Places a module whose root holds the given resource elements, into slot 2 of a bare controller.
    void PlaceModule(const QByteArray& resources, const QByteArray& rootAttributes = QByteArray())
    {
        WriteModule(QStringLiteral("M"),
                    "<Module" + rootAttributes + "><Resources>" + resources + "</Resources></Module>");
        PlaceBareProduct(placer_);
        ASSERT_TRUE(placer_.AddModuleFromTemplate(QStringLiteral("M"), 2));
    }

    CDataCenter model_;
    RecordingTree tree_;
    CTemplatePlacer placer_{model_, &tree_};
};

QStringList resourceTexts(const std::vector<TagDefinition>& definitions)
{
    QStringList texts;
    for (const TagDefinition& definition : definitions)
        texts << definition.ResourceText;
    return texts;
}

TEST_F(SlotResourceAssemblyTest, HartSensorTagsAreAddressedBySlotChannelVariableAndIndex)
{
    PlaceModule(R"(<HART_Quantity FormId="1019" Alias="HART" Result="2" ResSize="1">
        <Resource_ID Index="0" type="Value" TagType="3" ResID="0.0"/>
        <Resource_ID Index="1" ResID="1.0"/>
        <HART_SensorTag ResSize="2">
          <Tag type="PV" ResID="PV" Index="3" TagType="3"/>
          <Tag type="Status" ResID="ST" Index="4" TagType="9"/>
          <Tag type="Unit" ResID="UN" Index="5"/>
        </HART_SensorTag>
      </HART_Quantity>)");
    HARTAISetting record;
    ASSERT_EQ(model_.GetHARTAISetting(2, record), 1);
    EXPECT_EQ(record.SensorTagCount, 2);
    EXPECT_EQ(resourceTexts(record.SensorTemplate), QStringList({"PV", "ST"}));
    EXPECT_EQ(record.SensorTemplate[1].ResType, 4);
    ASSERT_EQ(record.Channels.size(), 2u);
    const QStringList channel1 = resourceTexts(record.Channels[1].SensorTagDefinitions);
    EXPECT_EQ(channel1, QStringList({"2.1.PV.0.3", "2.1.ST.0.4", "2.1.PV.1.3", "2.1.ST.1.4", "2.1.PV.2.3", "2.1.ST.2.4",
                                     "2.1.PV.3.3", "2.1.ST.3.4", "2.1.PV.4.3", "2.1.ST.4.4"}));
    EXPECT_EQ(record.Channels[1].SensorTagDefinitions[8].Name, "PV");
    EXPECT_EQ(record.Channels[0].SensorTagDefinitions.front().ResourceText, "2.0.PV.0.3");
    // Sensor tags are made by the HART page, not by placing.
    EXPECT_EQ(TagNamesOfSlot(model_, 2), QStringList({"S2_HART0_Value", "S2_HART1_Value"}));
}

TEST_F(SlotResourceAssemblyTest, LanInterfacesTakeTheDefaultAddressOfTheirIndex)
{
    PlaceModule(R"(<LAN_Quantity FormId="1001" Alias="LAN" Result="6" ResSize="1">
        <Resource_ID Index="3" type="Link" ResID="1001.3"/>
        <Resource_ID Index="0" ResID="1001.0"/>
        <Resource_ID Index="2" ResID="1001.2"/>
        <Resource_ID Index="1" ResID="1001.1"/>
        <Resource_ID Index="4" ResID="1001.4"/>
        <Resource_ID Index="5" ResID="1001.5"/>
      </LAN_Quantity>)");
    LanModuleSlotRecord record;
    ASSERT_EQ(model_.GetNetworkSetting(2, record), 1);
    const struct {
        int index;
        const char* address;
        int definitions;
    } cases[] = {
        {0, "192.168.127.254", 1},
        {1, "192.168.126.254", 1},
        {2, "192.168.125.254", 1},
        {3, "192.168.124.254", 1},
        // Past the four known interfaces: skipped, the entry stays as constructed.
        {4, "192.168.127.254", 0},
        {5, "192.168.127.254", 0},
    };
    ASSERT_EQ(record.Interfaces.size(), 6u);
    for (const auto& c : cases) {
        const LANPort& port = record.Interfaces[static_cast<size_t>(c.index)];
        EXPECT_EQ(port.Setting.IpAddress, QString::fromUtf8(c.address)) << c.index;
        EXPECT_EQ(port.Setting.Netmask, "255.255.255.0") << c.index;
        EXPECT_EQ(static_cast<int>(port.TagDefinitions.size()), c.definitions) << c.index;
    }
}

TEST_F(SlotResourceAssemblyTest, DigitalFilterDefaultsDifferForDIAndDIO)
{
    const QByteArray module =
        R"(<DI_Quantity FormId="1003" Result="1" ResSize="1"><Resource_ID type="V" ResID="0.0"/></DI_Quantity>
        <DIO_Quantity FormId="1005" Result="1" ResSize="1"><Resource_ID type="V" ResID="0.0"/></DIO_Quantity>)";
    const struct {
        const char* settings;
        quint32 di;
        quint32 dio;
    } cases[] = {
        {"[DI]\nFilterUnit=ms\n", 1, 1000},
        {"[DI]\nFilter=7\n", 7, 7},
    };
    for (const auto& c : cases) {
        WriteDefaultSettings(c.settings);
        CDataCenter model;
        CTemplatePlacer placer(model);
        WriteModule(QStringLiteral("M"), "<Module><Resources>" + module + "</Resources></Module>");
        PlaceBareProduct(placer);
        ASSERT_TRUE(placer.AddModuleFromTemplate(QStringLiteral("M"), 1));
        ModuleSlotRecord di;
        DIOModuleSlotRecord dio;
        ASSERT_EQ(model.GetDISetting(1, di), 1);
        ASSERT_EQ(model.GetDIOSetting(1, dio), 1);
        EXPECT_EQ(di.Channels[0].Setting.Filter, c.di) << c.settings;
        EXPECT_EQ(dio.Channels[0].Setting.DI.Filter, c.dio) << c.settings;
        EXPECT_EQ(di.Channels[0].Setting.Measurement_Time, 1000u);
        EXPECT_EQ(dio.Channels[0].TagDefinitions[0].IoDirection, TagDefinition::kDefaultIoDirection);
    }
}

TEST_F(SlotResourceAssemblyTest, ProductWithoutResultIsNamedAfterTheModel)
{
    WriteProduct(QStringLiteral("ulTEK 2300-Test-T"),
                 R"(<Template><Product APID="0x1" MaxSlotCnt="3"><DeviceCfg/></Product></Template>)");
    ASSERT_TRUE(placer_.InitProjectFromProduct(QStringLiteral("ulTEK 2300-Test-T")));
    EXPECT_EQ(model_.ModType, "ulTEK 2300-Test-T");
    EXPECT_EQ(model_.GetSlotName(0), "ulTEK 2300-Test-T");
    EXPECT_EQ(model_.GetSlotApid(0), "0x1");
    EXPECT_EQ(model_.MaxSlotCount, 3);
    EXPECT_EQ(tree_.At(1).info.ShownText, "ulTEK 2300-Test-T");
    EXPECT_EQ(tree_.At(1).info.TemplateName, "ulTEK 2300-Test-T");
    EXPECT_EQ(model_.GetSlotMask(), 1);
}

TEST_F(SlotResourceAssemblyTest, The4100SeriesTakesTheChosenSlotCount)
{
    WriteProduct(QStringLiteral("P"),
                 R"(<Template><Product Result="P" MaxSlotCnt="12" ulTEK4100="1" CPU35="1"/></Template>)");
    WriteProduct(QStringLiteral("Q"), R"(<Template><Product Result="Q" MaxSlotCnt="12" CPU35="1"/></Template>)");
    const struct {
        const char* product;
        int chosen;
        int maxSlots;
        int cpu35;
        const char* label;
    } cases[] = {
        {"P", 9, 9, 1, "ulTEK 4100 Series"},
        {"P", 0, 12, 1, "ulTEK 4100 Series"}, // none chosen: the template's count stands
        {"Q", 9, 12, 0, "Q"},                 // CPU35 counts only for the 4100 series
    };
    for (const auto& c : cases) {
        CDataCenter model;
        RecordingTree tree;
        CTemplatePlacer placer(model, &tree);
        placer.SetNewProjectSlotCount(c.chosen);
        ASSERT_TRUE(placer.InitProjectFromProduct(QString::fromUtf8(c.product)));
        EXPECT_EQ(model.MaxSlotCount, c.maxSlots) << c.product << c.chosen;
        EXPECT_EQ(model.GetCPU35Mode(), c.cpu35) << c.product;
        EXPECT_EQ(tree.At(1).info.ShownText, QString::fromUtf8(c.label)) << c.product;
    }
}

// Templates are never refused; what lies outside the lists they declare is left out.
TEST_F(SlotResourceAssemblyTest, DescriptionsOutsideTheDeclaredListsAreSkipped)
{
    PlaceModule(R"(<DI_Quantity FormId="1003" Alias="DI" Result="3" ResSize="2">
        <Resource_ID Index="0" type="Value" TagType="1" ResID="0.0"/>
        <Resource_ID type="Count" ResID="0.1" ChMode="1"/>
        <Resource_ID Index="3" type="Value" ResID="3.0"/>
        <Resource_ID type="Count" ResID="3.1"/>
        <Resource_ID Index="-1" type="Value" ResID="9.0"/>
        <Resource_ID type="Count" ResID="9.1"/>
        <Resource_ID Index="2" type="Value" ResID="2.0"/>
        <Resource_ID type="Count" ResID="2.1"/>
        <Resource_ID Index="1" type="Value" ResID="1.0"/>
      </DI_Quantity>
      <DO_Quantity FormId="1006" Alias="DO" Result="2">
        <Resource_ID Index="0" type="Value" ResID="0.0"/>
      </DO_Quantity>)");
    ModuleSlotRecord di;
    ASSERT_EQ(model_.GetDISetting(2, di), 1);
    ASSERT_EQ(di.Channels.size(), 3u);
    EXPECT_EQ(resourceTexts(di.Channels[0].TagDefinitions), QStringList({"2.0.0", "2.0.1"}));
    EXPECT_TRUE(di.Channels[1].TagDefinitions.empty()); // its group never completed
    EXPECT_EQ(resourceTexts(di.Channels[2].TagDefinitions), QStringList({"2.2.0", "2.2.1"}));
    EXPECT_EQ(di.Channels[2].TagDefinitions[1].ResType, 1);
    OutputModuleSlotRecord doRecord;
    ASSERT_EQ(model_.GetDOSetting(2, doRecord), 1); // ResSize 0: the record, without definitions
    EXPECT_EQ(doRecord.Channels.size(), 2u);
    EXPECT_TRUE(doRecord.Channels[0].TagDefinitions.empty());
    // The last group's "Count" has no "ChMode" of its own: mode 0, so it gets its tag.
    EXPECT_EQ(TagNamesOfSlot(model_, 2), QStringList({"S2_DI0_Value", "S2_DI2_Value", "S2_DI2_Count"}));
}

TEST_F(SlotResourceAssemblyTest, PowerSystemAndCellularListsHoldTheirDeclaredSizeAtMost)
{
    WriteDefaultSettings("[Cellular]\nPINGCheckRetryInterval=45,10,600\n");
    WriteProduct(QStringLiteral("P"), R"(<Template><Product Result="P" MaxSlotCnt="4" ulTEK4100="1">
      <Resources>
        <System_Variable FormId="1013" Alias="SYS" Result="1" ResSize="2">
          <Resource_ID type="CpuLoad" ResID="1013.0"/><Resource_ID type="UpTime" ResID="1013.1"/>
          <Resource_ID type="Extra" ResID="1013.2"/>
        </System_Variable>
      </Resources></Product></Template>)");
    WriteModule(QStringLiteral("PWR"), R"(<Module><Resources>
        <Power_Quantity FormId="1015" Alias="PWR" Result="1" ResSize="3">
          <Resource_ID type="PWR_A" ResID="1502"/><Resource_ID type="PWR_B" ResID="1015.7"/>
        </Power_Quantity></Resources></Module>)");
    WriteModule(QStringLiteral("CELL"), R"(<Module><Resources>
        <Cellular_Quantity FormId="1002" Alias="CELL" Result="1" ResSize="2">
          <Resource_ID type="Signal" ResID="0.6.0.0"/><Resource_ID type="Connection" ResID="0.6.0.1"/>
          <Resource_ID type="Extra" ResID="0.6.0.2"/>
        </Cellular_Quantity></Resources></Module>)");
    placer_.SetNewProjectSlotCount(4);
    ASSERT_TRUE(placer_.InitProjectFromProduct(QStringLiteral("P")));
    ASSERT_TRUE(placer_.AddModuleFromTemplate(QStringLiteral("PWR"), CTemplatePlacer::kPowerSlot));
    ASSERT_TRUE(placer_.AddModuleFromTemplate(QStringLiteral("CELL"), 1));

    EXPECT_EQ(model_.SystemVariables.ResSize, 2);
    EXPECT_EQ(resourceTexts(model_.SystemVariables.TagDefinitions), QStringList({"0.1013.0", "0.1013.1"}));
    ResourceGroupRecord power;
    model_.GetSlotSystemRegister(power, CTemplatePlacer::kPowerSlot);
    EXPECT_EQ(power.ResSize, 2); // two of three described: no empty definition is left to make a tag of
    EXPECT_EQ(resourceTexts(power.TagDefinitions), QStringList({"15.1502", "15.1015.7"}));
    EXPECT_EQ(power.TagDefinitions[0].ResType, 1502);
    EXPECT_EQ(power.TagDefinitions[1].ResType, 7);
    EXPECT_EQ(power.Series4100Flag, 1);
    CellularRecord cellular;
    ASSERT_EQ(model_.GetCellularSetting(1, cellular), 1);
    EXPECT_EQ(cellular.ResSize, 2);
    EXPECT_EQ(resourceTexts(cellular.TagDefinitions), QStringList({"1.0.6.0.0", "1.0.6.0.1"}));
    EXPECT_EQ(cellular.Config.AutoCheck.AutoCheckInterval, 45);
    EXPECT_EQ(TagNames(model_), QStringList({"S0_SYS_CpuLoad", "S0_SYS_UpTime", "S0_PWR_A", "S0_PWR_B",
                                             "S1_CELL_Signal", "S1_CELL_Conn"}));
}

TEST_F(SlotResourceAssemblyTest, ContainersNeverCompleteAChannelGroup)
{
    PlaceModule(R"(<DI_Quantity FormId="1003" Alias="DI" Result="2" ResSize="2">
        <Resource_ID Index="0" type="Value" TagType="1" ResID="0.0"/>
        <High_Voltage ResSize="3">
          <Tag type="ExtPower" ResID="0.100" Min="0" Max="0" tagName="ExtA"/>
          <Tag ResID="1.100" Min="1" Max="1" tagName="ExtB"/>
          <Tag ResID="2.100" tagName="ExtC"/>
          <Tag ResID="3.100" tagName="ExtD"/>
          <Tag ResID="4.100" tagName="ExtE"/>
        </High_Voltage>
        <Resource_ID type="Count" ResID="0.1" ChMode="1"/>
        <Resource_ID Index="1" type="Value" ResID="1.0"/>
        <Resource_ID type="Count" ResID="1.1" ChMode="1"/>
      </DI_Quantity>)");
    ModuleSlotRecord di;
    ASSERT_EQ(model_.GetDISetting(2, di), 1);
    EXPECT_EQ(resourceTexts(di.Channels[0].TagDefinitions), QStringList({"2.0.0", "2.0.1"}));
    EXPECT_EQ(resourceTexts(di.Channels[1].TagDefinitions), QStringList({"2.1.0", "2.1.1"}));
    // Five descriptions for three places: the first group stays, the rest never completes one.
    EXPECT_EQ(resourceTexts(di.ChannelTemplate.Definitions), QStringList({"2.0.100", "2.1.100", "2.2.100"}));
    EXPECT_EQ(di.ChannelTemplate.TagNames[1], (TagNameEntry{"ExtB", 0, 1, 1}));
    EXPECT_EQ(di.ChannelTemplate.Definitions[2].Name, "ExtPower");
    EXPECT_EQ(di.ChannelTemplate.Definitions[2].ResType, 2);
    EXPECT_EQ(di.HighVoltage, 1);
    EXPECT_EQ(TagNamesOfSlot(model_, 2),
              QStringList({"S2_DI0_Value", "S2_DI1_Value", "S2_ExtA", "S2_ExtB", "S2_ExtC"}));
}

TEST_F(SlotResourceAssemblyTest, AttributesAChildLacksCarryOverExceptModeEventAndLimits)
{
    PlaceModule(R"(<AI_Quantity FormId="1008" Alias="AI" Result="1" ResSize="4">
        <Resource_ID Index="0" type="Value" TagType="5" DNP3TagType="2" IsInput="1" ResID="0.0"
                     ChMode="2" DNP3Event="3" Min="-5" Max="5"/>
        <Resource_ID ResID="0.1"/>
        <Resource_ID type="Raw" Min="7"/>
        <Resource_ID type="Max" Max="9" TagType="9"/>
      </AI_Quantity>)");
    AISetting ai;
    ASSERT_EQ(model_.GetAISetting(2, ai), 1);
    const auto& definitions = ai.Channels[0].TagDefinitions;
    ASSERT_EQ(definitions.size(), 4u);
    const struct {
        const char* name;
        const char* address;
        int tagType, chMode, event;
        qint64 min, max;
    } cases[] = {
        {"Value", "2.0.0", 5, 2, 3, -5, 5},
        {"Value", "2.0.1", 5, 0, 0, 0, 0},
        {"Raw", "2.0.1", 5, 0, 0, 7, 0}, // "Min" without "Max"
        {"Max", "2.0.1", 9, 0, 0, 0, 0}, // "Max" without "Min" is not read
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const TagDefinition& definition = definitions[i];
        EXPECT_EQ(definition.Name, QString::fromUtf8(c.name)) << i;
        EXPECT_EQ(definition.ResourceText, QString::fromUtf8(c.address)) << i;
        EXPECT_EQ(definition.TagType, c.tagType) << i;
        EXPECT_EQ(definition.DNP3TagType, 2) << i;
        EXPECT_EQ(definition.IsInput, 1) << i;
        EXPECT_EQ(definition.ChMode, c.chMode) << i;
        EXPECT_EQ(definition.DNP3Event, c.event) << i;
        EXPECT_EQ(definition.Min, c.min) << i;
        EXPECT_EQ(definition.Max, c.max) << i;
        EXPECT_EQ(definition.ResType, static_cast<int>(i)) << i;
    }
}

TEST_F(SlotResourceAssemblyTest, RelayFrequencyComesFromTheModulesApidLine)
{
    const QByteArray relay = R"(<Relay_Quantity FormId="1012" Alias="RL" Result="1" ResSize="1">
        <Resource_ID type="Value" ResID="0.0"/></Relay_Quantity>)";
    const struct {
        const char* settings;
        double frequency;
    } cases[] = {
        {"[Relay]\nAPID7InitialFrequency=2.5\n", 2.5},
        {"[Relay]\nInitialFrequency=2.5\n", 0.0},
    };
    for (const auto& c : cases) {
        WriteDefaultSettings(c.settings);
        CDataCenter model;
        CTemplatePlacer placer(model);
        WriteModule(QStringLiteral("R"), "<Module APID=\"APID7\"><Resources>" + relay + "</Resources></Module>");
        PlaceBareProduct(placer);
        ASSERT_TRUE(placer.AddModuleFromTemplate(QStringLiteral("R"), 1));
        OutputModuleSlotRecord record;
        ASSERT_EQ(model.GetRelaySetting(1, record), 1);
        EXPECT_EQ(record.Channels[0].Setting.Frequency, c.frequency) << c.settings;
        EXPECT_TRUE(model.DOSettings.empty());
    }
}

TEST_F(SlotResourceAssemblyTest, ModuleWalkMakesNodesNamesAndFunctionRecordsByResult)
{
    WriteModule(QStringLiteral("M"), R"(<Module APID="0x2">
        <Settings>
          <Absent FormId="301" Alias="First" FunctionList="3"/>
          <Positive FormId="302" Alias="Shown" Result="4" ResSize="2"/>
          <Zero FormId="303" Alias="Hidden" Result="0"><Below FormId="304" Alias="Never"/></Zero>
          <Negative FormId="305" Alias="NameOnly" Result="-1" FunctionList="1"><Below FormId="306"/></Negative>
          <Again FormId="301" Alias="Second"/>
        </Settings>
        <Resources><Modbus_Master FormId="105" Alias="MBM" Result="1"><Resource_ID/></Modbus_Master></Resources>
      </Module>)");
    PlaceBareProduct(placer_);
    ASSERT_TRUE(placer_.AddModuleFromTemplate(QStringLiteral("M"), 3));

    const auto slotNode = tree_.SlotNode(3);
    EXPECT_EQ(tree_.At(slotNode).info,
              (TemplateNodeInfo{"M", 0, "Module", "Slot 3: M", TemplateNodeInfo::kSlotNode, 3, 0, 0}));
    std::vector<TemplateNodeInfo> below;
    for (auto handle : tree_.Children(slotNode))
        below.push_back(tree_.At(handle).info);
    EXPECT_EQ(below, (std::vector<TemplateNodeInfo>{{"M", 301, "Absent", "First", 3, 3, 0, 0},
                                                    {"M", 302, "Positive", "Shown", 3, 3, 4, 2},
                                                    {"M", 301, "Again", "Second", 3, 3, 0, 2}}));
    EXPECT_EQ(model_.GetResourceName(301), "First"); // a name once given stays
    EXPECT_TRUE(model_.GetResourceName(302).isEmpty());
    EXPECT_TRUE(model_.GetResourceName(303).isEmpty());
    EXPECT_TRUE(model_.GetResourceName(304).isEmpty());
    EXPECT_EQ(model_.GetResourceName(305), "NameOnly");
    EXPECT_TRUE(model_.GetResourceName(306).isEmpty());
    ASSERT_EQ(model_.FunctionRecords.size(), 2u);
    EXPECT_EQ(model_.FunctionRecords[0].ServiceId, 301);
    EXPECT_EQ(model_.FunctionRecords[0].Present, 3);
    EXPECT_EQ(model_.FunctionRecords[1].ServiceText2, "NameOnly");
    std::vector<ChannelGroupEntry> groups;
    model_.GetSlotChannelGroups(3, groups);
    EXPECT_EQ(groups, (std::vector<ChannelGroupEntry>{{"MBM", 105}}));
    EXPECT_EQ(model_.GetSlotApid(3), "0x2");
}

TEST_F(SlotResourceAssemblyTest, ProductWalkRegistersServicesAndInternalRegisterGroups)
{
    WriteProduct(QStringLiteral("P"), R"(<Template><Product Result="P" MaxSlotCnt="2">
      <DeviceCfg Alias="Device">
        <Slot_0 FormId="1" Alias="Slot 0(CPU): P">
          <settings>
            <Internal_Variable FormId="1500" Alias="Registers">
              <BoolIn FormId="1501" Alias="BI"/><Second Alias="Inherits"/><Named FormId="1512"/>
            </Internal_Variable>
          </settings>
        </Slot_0>
      </DeviceCfg>
      <Functions FormId="99" Alias="Services">
        <TAVO FormId="116" Alias="TAVO" ServiceList="1" ServicMap="8" Parent="99">
          <Servers FormId="131" Alias="Servers"/>
        </TAVO>
        <NoService Alias="Plain"/>
      </Functions>
    </Product></Template>)");
    ASSERT_TRUE(placer_.InitProjectFromProduct(QStringLiteral("P")));

    EXPECT_EQ(model_.InternalRegisters.Name, "Registers");
    std::vector<ChannelGroupEntry> groups;
    model_.GetSlotChannelGroups(0, groups);
    EXPECT_EQ(groups, (std::vector<ChannelGroupEntry>{{"BI", 1501}, {"Inherits", 1501}, {"Named", 1512}}));
    ASSERT_EQ(model_.Services.size(), 1u);
    const ServiceRecord& tavo = model_.Services.front();
    EXPECT_EQ(tavo.ServiceText1, "TAVO");
    EXPECT_EQ(tavo.ServiceId, 116);
    EXPECT_EQ(tavo.Value, 1);
    EXPECT_EQ(tavo.Present, 1);
    EXPECT_EQ(tavo.ServiceInt1, 8);
    EXPECT_EQ(tavo.ServiceInt2, 99);
    EXPECT_EQ(model_.GetResourceName(131), "Servers");
    EXPECT_EQ(model_.GetResourceName(99), "Services"); // "Plain" kept the previous id, whose name stays

    std::vector<QString> elements;
    for (const auto& node : tree_.nodes)
        elements.push_back(node.info.ElementName);
    EXPECT_EQ(elements, (std::vector<QString>{"Product", "DeviceCfg", "Slot_0", "Internal_Variable", "Functions",
                                              "TAVO", "Servers", "NoService"}));
    EXPECT_EQ(tree_.At(3).info.Kind, TemplateNodeInfo::kProductOrCpuNode);
    EXPECT_EQ(tree_.At(4).info.Kind, TemplateNodeInfo::kOtherNode);
    EXPECT_EQ(tree_.At(4).parent, 3u); // the settings' nodes hang below the CPU slot
}

TEST_F(SlotResourceAssemblyTest, ResourceElementsWithoutCountOrTypeAreSkipped)
{
    PlaceModule(R"(<DI_Quantity Alias="DI" ResSize="1"><Resource_ID type="V" ResID="0.0"/></DI_Quantity>
      <DO_Quantity FormId="1006" ResSize="1"><Resource_ID type="V" ResID="0.0"/></DO_Quantity>
      <AI_Quantity FormId="1008" Result="-2" ResSize="1"><Resource_ID type="V" ResID="0.0"/></AI_Quantity>
      <AO_Quantity FormId="1009" Result="1" ResSize="1"><Resource_ID type="V" ResID="0.0"/></AO_Quantity>)");
    std::vector<ChannelGroupEntry> groups;
    model_.GetSlotChannelGroups(2, groups);
    EXPECT_EQ(groups, (std::vector<ChannelGroupEntry>{{"AO_Quantity", 1009}}));
    EXPECT_TRUE(model_.DISettings.empty());
    EXPECT_TRUE(model_.DOSettings.empty());
    EXPECT_TRUE(model_.AISettings.empty());
    EXPECT_EQ(TagNamesOfSlot(model_, 2), QStringList({"S2_AO_Quantity0_V"}));
}

TEST_F(SlotResourceAssemblyTest, EmptyOrBrokenModuleTemplatePlacesNothingBadly)
{
    WriteModule(QStringLiteral("Broken"), "<Module><Resources>");
    WriteModule(QStringLiteral("Empty"), "<Module APID=\"0x3\"/>");
    PlaceBareProduct(placer_);
    EXPECT_FALSE(placer_.AddModuleFromTemplate(QStringLiteral("Broken"), 1));
    EXPECT_EQ(boxes_.texts().size(), 1);
    EXPECT_TRUE(model_.GetSlotName(1).isEmpty());
    EXPECT_TRUE(placer_.AddModuleFromTemplate(QStringLiteral("Empty"), 1));
    EXPECT_EQ(model_.GetSlotName(1), "Empty");
    EXPECT_EQ(boxes_.texts().size(), 1);
    EXPECT_FALSE(placer_.PlaceTemplate(false, QStringLiteral("Empty"), 2)); // nothing loaded any more
}

} // namespace
