// The "DeviceConfiguration" frame: which slots are written and how, the controller-wide groups of
// slot 0, and how the reader finds slots and dispatches their settings.
#include "DeviceModelBuilder.h"
#include "ProjectFileFixture.h"
#include "ResultCodes.h"
#include "SlotKeyedLookup.h"
#include "TypeIds.h"

namespace {

class DeviceConfigurationTest : public ProjectFileTest {
protected:
    IXMLElement* Save(CDataCenter& model)
    {
        IXMLElement* product = NewDocument();
        model.SaveDeviceConfiguration(product);
        return At(product, "DeviceConfiguration");
    }

    static void PlaceSlot(CDataCenter& model, int slot, const QString& name, std::initializer_list<int> types)
    {
        model.SetSlotName(slot, name);
        model.SetSlotApid(slot, QStringLiteral("APID%1").arg(slot));
        for (int type : types)
            model.AppendSlotChannelGroup(slot, QStringLiteral("G"), type);
    }

    static void AddFunctions(CDataCenter& model, std::initializer_list<int> ids)
    {
        for (int id : ids) {
            ServiceRecord record;
            record.ServiceId = id;
            model.AddFunctionRecord(record);
        }
    }
};

TEST_F(DeviceConfigurationTest, SlotsWithoutChannelGroupsAreLeftOut)
{
    CDataCenter model;
    model.SetMaxSlotCount(5);
    PlaceSlot(model, 0, "CPU", {ChannelType::Lan});
    PlaceSlot(model, 1, "M1", {ChannelType::Plain1004});
    PlaceSlot(model, 2, "M2", {ChannelType::Plain1007});
    model.SetSlotName(3, QStringLiteral("Named but without groups"));
    PlaceSlot(model, 4, "M4", {ChannelType::Switch});
    IXMLElement* group = Save(model);
    EXPECT_EQ(ChildNames(group), (QStringList{"Slot_0", "Slot_1", "Slot_2", "Slot_4"}));
    EXPECT_EQ(AttributeTexts(At(group, "Slot_4")), (QStringList{"Result=4", "Name=M4", "APID=APID4"}));
    // A slot whose module has no record of its kind gets its bare "Setting".
    EXPECT_EQ(ChildNames(At(group, "Slot_0")), (QStringList{"Setting", "Resource"}));
    EXPECT_EQ(ChildNames(At(group, "Slot_4")), QStringList{"Setting"});
    EXPECT_EQ(ChildNames(At(group, "Slot_4/Setting")), QStringList{});
}

TEST_F(DeviceConfigurationTest, ModulesThatListResourcesAddAResourceEachAndFillTheFirst)
{
    CDataCenter model;
    model.SetMaxSlotCount(3);
    PlaceSlot(model, 0, "CPU", {ChannelType::Plain1004});
    PlaceSlot(model, 1, "Combo", {ChannelType::DigitalInput, ChannelType::Serial, ChannelType::DigitalOutput});
    model.AddDIRecord(1, 1, 1, "DI", MakeDIChannels(1));
    model.AddDORecord(1, 1, 1, "DO", MakeDOChannels(1));
    model.AddSerialRecord(1, 1, 0, "S", MakeSerialPorts(1));
    PlaceSlot(model, 2, "SerialOnly", {ChannelType::Serial});
    model.AddSerialRecord(2, 1, 0, "S", MakeSerialPorts(1));
    IXMLElement* group = Save(model);
    EXPECT_EQ(ChildNames(At(group, "Slot_1")), (QStringList{"Setting", "Resource", "Resource"}));
    EXPECT_EQ(ChildNames(At(group, "Slot_1/Setting")), (QStringList{"DI", "SerialSetting", "DO"}));
    EXPECT_EQ(ChildNames(At(group, "Slot_1/Resource")), (QStringList{"DI", "DO"}));
    EXPECT_EQ(ChildNames(At(group, "Slot_2")), QStringList{"Setting"});
    EXPECT_EQ(ChildNames(At(group, "Slot_0")), (QStringList{"Setting", "Resource"})); // CPU: one, always
}

TEST_F(DeviceConfigurationTest, ControllerSettingsFollowTheFunctionRecordsOfSlot0)
{
    const struct {
        const char* label;
        int cpu35;
        QStringList expected;
    } cases[] = {
        {"CPU35",
         1,
         {"RotarySwitchControl", "TimeSetting", "FtpServer", "FtpAccount", "ToggleSwitchControl", "SystemLog"}},
        {"older CPU", 0, {"RotarySwitchControl", "TimeSetting", "FtpAccount", "ToggleSwitchControl", "SystemLog"}},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.SetCPU35Mode(c.cpu35);
        model.SetMaxSlotCount(2);
        PlaceSlot(model, 0, "CPU", {ChannelType::Plain1004});
        PlaceSlot(model, 1, "IO", {ChannelType::Plain1004});
        AddFunctions(model, {ServiceId::RotarySwitch, ServiceId::TimeSync, ServiceId::ModbusMaster,
                             ServiceId::FtpServer, ServiceId::ToggleSwitch, ServiceId::SystemLogs});
        IXMLElement* group = Save(model);
        EXPECT_EQ(ChildNames(At(group, "Slot_0/Setting")), c.expected) << c.label;
        EXPECT_EQ(ChildNames(At(group, "Slot_1/Setting")), QStringList{}) << c.label;
    }
}

TEST_F(DeviceConfigurationTest, InternalRegisterGroupsAreMadeOncePerSlot)
{
    CDataCenter model;
    model.SetMaxSlotCount(2);
    PlaceSlot(model, 1, "IO", {1510, ChannelType::Plain1004, 1512, 1501});
    model.InternalRegisters.ListForCode(10)->resize(2);
    model.InternalRegisters.ListForCode(12)->resize(1);
    IXMLElement* group = Save(model);
    // A slot other than the CPU's gets a "Resource" for the registers' ids.
    EXPECT_EQ(ChildNames(At(group, "Slot_1")), (QStringList{"Setting", "Resource"}));
    EXPECT_EQ(ChildNames(At(group, "Slot_1/Setting")), QStringList{"InternalRegister"});
    EXPECT_EQ(ChildNames(At(group, "Slot_1/Setting/InternalRegister")),
              (QStringList{"BoolOutQuantity", "CharOutQuantity", "FloatOutQuantity", "LongOutQuantity",
                           "ShortOutQuantity", "StringOutQuantity", "UCharOutQuantity", "ULongOutQuantity",
                           "UShortOutQuantity", "BoolOut", "FloatOut"}));
    EXPECT_EQ(ResultAt(group, "Slot_1/Setting/InternalRegister/BoolOutQuantity"), "2");
    EXPECT_EQ(ResultAt(group, "Slot_1/Setting/InternalRegister/FloatOutQuantity"), "1");
    EXPECT_EQ(ChildNames(At(group, "Slot_1/Resource/InternalRegister")), (QStringList{"Set_0", "Set_1", "Set_2"}));
}

TEST_F(DeviceConfigurationTest, PowerResourcesOnlyForThe4100Series)
{
    for (int series4100 : {0, 1}) {
        CDataCenter model;
        model.SetSeries4100(series4100);
        model.SetMaxSlotCount(15);
        PlaceSlot(model, 15, "PWR", {ChannelType::ResourceGroup});
        model.AddResourceGroupRecord("Power", 1, 0, MakeTagDefinitions(15, "P", 1), series4100, 15);
        IXMLElement* group = Save(model);
        EXPECT_EQ(ChildNames(At(group, "Slot_15/Resource")), series4100 ? QStringList{"Power"} : QStringList{})
            << series4100;
    }
}

TEST_F(DeviceConfigurationTest, ReaderFindsSlotsByExactNameAndDispatchesSettingsIgnoringCase)
{
    CDataCenter model;
    BuildLayout(model);
    const QByteArray xml = R"(<Product><DeviceConfiguration>
        <Slot_1 Result="1"><Setting><di><Set_0><Filter Result="11"/></Set_0></di></Setting></Slot_1>
        <slot_3 Result="3"><Setting><DO><Set_0><DO_Mode Result="9"/></Set_0></DO></Setting></slot_3>
        <Slot_5 Result="4"><Setting><DO><Set_0><DO_Mode Result="9"/></Set_0></DO></Setting></Slot_5>
        <Slot_4 Result="4"><Setting><Unknown/><SystemRegister/><RELAY><Set_0><Relay_Mode Result="8"/></Set_0></RELAY></Setting></Slot_4>
        <Slot_99 Result="99"><Setting><DI><Set_0><Filter Result="99"/></Set_0></DI></Setting></Slot_99>
        <Slot_-1 Result="-1"><Setting/></Slot_-1>
        <Slot_6 Result="6"/>
        <Slot_0 Result="0"><Setting><timesetting><TimeZone Result="5"/></timesetting></Setting></Slot_0>
        </DeviceConfiguration></Product>)";
    ASSERT_EQ(model.LoadDeviceConfiguration(LoadXml(xml)), kS_OK);
    EXPECT_EQ(FindRecordBySlot(model.DISettings, TestSlot::DI)->Channels[0].Setting.Filter, 11u);
    EXPECT_EQ(FindRecordBySlot(model.DOSettings, TestSlot::DO)->Channels[0].Setting.Mode, 0); // both skipped
    EXPECT_EQ(FindRecordBySlot(model.RelaySettings, TestSlot::Relay)->Channels[0].Setting.Mode, 8);
    EXPECT_EQ(model.Time.TimeZone, 5);

    CDataCenter empty;
    EXPECT_EQ(empty.LoadDeviceConfiguration(LoadXml("<Product><SystemInformation/></Product>")), kE_FAIL);
    EXPECT_EQ(empty.LoadDeviceConfiguration(nullptr), kE_FAIL);
}

TEST_F(DeviceConfigurationTest, HartGroupsInAnyOrderAreReadOnceAndTheWalkEnds)
{
    CDataCenter model;
    BuildLayout(model);
    // "HART" before "HARTAI": the HART reader's own searches must not send the walk back.
    const QByteArray xml = R"(<Product><DeviceConfiguration><Slot_7 Result="7"><Setting>
        <HART><Set_0><HartOpMode Result="3"/><SensorSetting><Quantity Result="1"/><Set_0><Address Result="5"/></Set_0></SensorSetting></Set_0></HART>
        <HARTAI><Set_0><InputRange Result="2"/></Set_0></HARTAI>
        <AI><Set_0/></AI>
        </Setting></Slot_7></DeviceConfiguration></Product>)";
    ASSERT_EQ(model.LoadDeviceConfiguration(LoadXml(xml)), kS_OK);
    const HARTAIChannel& channel = FindRecordBySlot(model.HARTAISettings, TestSlot::HART)->Channels[0];
    EXPECT_EQ(channel.Setting.InputRange, 2);
    EXPECT_EQ(channel.Setting.HartOpMode, 3u);
    ASSERT_EQ(channel.Sensors.size(), 1u);
    EXPECT_EQ(channel.Sensors[0].Address, 5u);
}

TEST_F(DeviceConfigurationTest, PortTrunkAndSwitchValuesSurviveASave)
{
    CDataCenter written;
    BuildLayout(written);
    FindRecordBySlot(written.PortTrunkSettings, TestSlot::SerialAndPortTrunk)->Values = {7, 8, 9};
    FindRecordBySlot(written.SwitchSettings, TestSlot::Switch)->Values = {-1, 0, 2};
    IXMLElement* group = Save(written);
    EXPECT_EQ(ChildNames(At(group, "Slot_13/Setting/PortTrunk")), (QStringList{"Value_0", "Value_1", "Value_2"}));
    EXPECT_EQ(ResultAt(group, "Slot_14/Setting/Switch/Value_0"), "-1");

    CDataCenter reread;
    BuildLayout(reread);
    FindRecordBySlot(reread.SwitchSettings, TestSlot::Switch)->Values = {5, 5, 5};
    const QByteArray partial = R"(<Product><DeviceConfiguration>
        <Slot_13 Result="13"><Setting><PortTrunk><Value_0 Result="7"/><Value_1 Result="8"/><Value_2 Result="9"/></PortTrunk></Setting></Slot_13>
        <Slot_14 Result="14"><Setting><switch><Value_1 Result="4"/></switch></Setting></Slot_14>
        </DeviceConfiguration></Product>)";
    ASSERT_EQ(reread.LoadDeviceConfiguration(LoadXml(partial)), kS_OK);
    EXPECT_EQ(FindRecordBySlot(reread.PortTrunkSettings, TestSlot::SerialAndPortTrunk)->Values,
              (std::array<qint32, 3>{7, 8, 9}));
    EXPECT_EQ(FindRecordBySlot(reread.SwitchSettings, TestSlot::Switch)->Values, (std::array<qint32, 3>{5, 4, 5}));
}

TEST_F(DeviceConfigurationTest, LoadForSlotWithoutARecordChangesNothing)
{
    CDataCenter model;
    BuildLayout(model);
    IXMLElement* di = LoadXml("<DI><Set_0><Filter Result=\"3\"/></Set_0></DI>");
    EXPECT_EQ(model.LoadDISettingForSlot(di, TestSlot::AI), 0);
    EXPECT_EQ(model.LoadDISettingForSlot(di, 40), 0);
    EXPECT_EQ(FindRecordBySlot(model.DISettings, TestSlot::DI)->Channels[0].Setting.Filter, 1000u);
    EXPECT_EQ(model.LoadDISettingForSlot(di, TestSlot::DI), 0);
    EXPECT_EQ(FindRecordBySlot(model.DISettings, TestSlot::DI)->Channels[0].Setting.Filter, 3u);
}

TEST_F(DeviceConfigurationTest, ShippedAbbreviationsNameTheCounterTheReaderLooksFor)
{
    SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)); // the DefaultSettings.ini we ship
    ModuleSlotRecord written;
    written.Channels = MakeDIChannels(1);
    written.Channels[0].Setting.InitVal_CntVal = 42;
    written.Channels[0].TagDefinitions = MakeTagDefinitions(1, "DI", 2);
    IXMLElement* slot = NewDocument(QStringLiteral("Slot_1"));
    slot->AddChild(QStringLiteral("Setting"));
    slot->AddChild(QStringLiteral("Resource"));
    written.SaveDiChannels(slot);
    EXPECT_EQ(ChildNames(At(slot, "Resource/DI/Set_0")).size(), 2);

    ModuleSlotRecord reread;
    reread.ChannelCount = 1;
    reread.Channels = MakeDIChannels(1);
    reread.LoadDiChannels(At(slot, "Setting/DI"));
    EXPECT_EQ(reread.Channels[0].Setting.InitVal_CntVal, 42u);
}

} // namespace
