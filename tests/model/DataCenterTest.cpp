#include "CAutoResource.h"
#include "CDataCenter.h"
#include "DefaultSettingsFolder.h"

#include <gtest/gtest.h>

namespace {

using DataCenterSettingsTest = DefaultSettingsFolder;

const LogEnableEntry kResetLogTable[] = {
    {65535, 0, 0, 1}, {1, 0, 1, 1}, {2, 0, 1, 1}, {3, 0, 1, 1},  {4, 0, 1, 1},  {5, 0, 1, 1}, {6, 0, 1, 1},
    {7, 0, 1, 1},     {8, 0, 1, 1}, {9, 0, 1, 1}, {10, 0, 1, 1}, {11, 0, 1, 1}, {0, 0, 1, 1},
};

void expectResetLogTable(const LogEnableTable& table)
{
    for (int i = 0; i < LogEnableTable::kEntryCount; ++i)
        EXPECT_EQ(table.Entries[static_cast<size_t>(i)], kResetLogTable[i]) << "log entry " << i;
}

TEST_F(DataCenterSettingsTest, WithoutSettingsFileTheBuiltInsApply)
{
    const CDataCenter model;
    EXPECT_TRUE(model.DefaultsPath.isEmpty());
    EXPECT_EQ(model.SwitchTimeout, 20);
    for (const ServiceResourceText& text : model.ServiceResourceTexts) {
        EXPECT_TRUE(text.ResourceId.isEmpty());
        EXPECT_TRUE(text.Name.isEmpty());
    }
}

TEST_F(DataCenterSettingsTest, ConstructionReadsTheSwitchTimeoutAndTheStatusTagTexts)
{
    UseDefaultSettings("[FWUBoot]\nSwitchTimeout=45\n"
                       "[TAVO]\nServiceTAVOResourceID=116.0\nServiceTAVOName=TavoState\n"
                       "UpdateTriggerTagResourceID=116.3\nUpdateTriggerTagName=Trigger\n"
                       "[DNP3]\nDNP3StatusName=Dnp3State\n");
    const CDataCenter model;
    EXPECT_FALSE(model.DefaultsPath.isEmpty());
    EXPECT_EQ(model.SwitchTimeout, 45);
    const auto text = [&](StatusTagSource source) {
        return model.ServiceResourceTexts[static_cast<size_t>(StatusTagPosition(source))];
    };
    EXPECT_EQ(text(StatusTagSource::Tavo).ResourceId, "116.0");
    EXPECT_EQ(text(StatusTagSource::Tavo).Name, "TavoState");
    EXPECT_EQ(text(StatusTagSource::TavoUpdateTrigger).ResourceId, "116.3");
    EXPECT_EQ(text(StatusTagSource::TavoUpdateTrigger).Name, "Trigger");
    EXPECT_TRUE(text(StatusTagSource::Dnp3Outstation).ResourceId.isEmpty());
    EXPECT_EQ(text(StatusTagSource::Dnp3Outstation).Name, "Dnp3State");
    EXPECT_TRUE(text(StatusTagSource::AlarmMail).Name.isEmpty());
}

TEST(DataCenterTest, ShippedSettingsNameEveryStatusTag)
{
    const CDataCenter model;
    for (const ServiceResourceText& text : model.ServiceResourceTexts) {
        EXPECT_FALSE(text.ResourceId.isEmpty());
        EXPECT_FALSE(text.Name.isEmpty());
    }
}

TEST(DataCenterTest, NewModelIsAnEmptyProject)
{
    const CDataCenter model;
    EXPECT_EQ(model.AutoResource, CAutoResource::GetInstance());
    EXPECT_EQ(model.SlotMask, 0);
    EXPECT_EQ(model.MaxSlotCount, 0);
    EXPECT_TRUE(model.Slots.empty());
    EXPECT_EQ(model.RESTfulEnable, 0);
    EXPECT_EQ(model.CurrentConfigVersion, 1);
    EXPECT_EQ(model.PortTrunkMode, 0);
    EXPECT_TRUE(model.ResourceNames.empty());
    for (const TagDefinition& definition : model.ServiceStatusTags)
        EXPECT_EQ(definition, TagDefinition{});
    expectResetLogTable(model.LogEnable);
}

// Fills every project part of the model that a reset returns to its defaults.
void fillProject(CDataCenter& model)
{
    model.ProjectName = "Plant";
    model.SetModType("4100");
    model.SetModuleInfo({"RTU", "Hall"});
    model.SetMaxSlotCount(3);
    model.SetSlotUsed(2, 1);
    model.AppendSlotChannelGroup(1, "DI", 1003);
    model.AddDIRecord(1, 8, 2, "DI", MakeDIChannels(8));
    model.AddDIORecord(1, 8, 2, "DIO", MakeDIOChannels(8));
    model.AddDORecord(1, 8, 2, "DO", MakeDOChannels(8));
    model.AddRelayRecord(1, 8, 2, "RL", MakeDOChannels(8));
    model.AddHARTAIRecord(1, 4, 2, "H", MakeHARTAIChannels(4));
    model.AddAIRecord(1, 4, 2, "AI", MakeAIChannels(4));
    model.AddHighSpeedAIRecord(1, 4, 2, "HS", MakeHighSpeedAIChannels(4));
    model.AddAORecord(1, 4, 2, "AO", MakeAOChannels(4));
    model.AddTCRecord(1, 4, 2, "TC", MakeTemperatureChannels(4));
    model.AddRTDRecord(1, 4, 2, "RTD", MakeTemperatureChannels(4));
    model.AddSerialRecord(1, 2, 0, "S", MakeSerialPorts(2));
    model.AddCanRecord(1, 1, 0, "C", MakeCANPorts(1));
    model.AddNetworkRecord(0, 2, 0, "LAN", MakeLANPorts(2));
    model.AddCellularRecord(1, 1, 0, "Cell", {}, {});
    model.AddPortTrunkRecord(2);
    model.AddSwitchRecord(3);
    model.AddResourceGroupRecord("PWR", 1, 0, {TagDefinition{}}, 1, 15);
    model.SetSystemVariables("Sys", 1, 1, {TagDefinition{}}, 1);
    model.InternalRegisters.ListForCode(4)->push_back({});
    model.InternalRegisters.Name = "Internal";
    model.Tags.push_back({});
    model.PendingSlotTags.push_back({});
    model.AddServiceRecord({"Svc", "Svc", 105, 1, 1, 0, 0});
    model.AddFunctionRecord({"Fn", "Fn", 133, 1, 1, 0, 0});
    model.ServiceTagLists.push_back({"1.0.0", {MakeIntPair(136, 0)}});
    model.FtpServer.Enable = 1;
    model.FtpServer.Accounts.push_back({});
    model.SetDnp3GroupSetting(5, 9, 9, 9, 9);
    model.SetRESTfulEnable(1);
    model.ToggleSwitchEnable = 1;
    model.RotarySwitchEnable = 1;
    model.LogEnable.Entries[3] = {40, 1, 3, 0};
    model.LogEnable.Entries[0].storage = 0;
    model.AddResourceName(118, "DNP3");
    model.SetIECMode(1);
}

TEST(DataCenterTest, ResetEmptiesTheProjectPart)
{
    CDataCenter model;
    fillProject(model);
    model.ResetProjectData();

    EXPECT_TRUE(model.ProjectName.isEmpty());
    EXPECT_TRUE(model.ModType.isEmpty());
    EXPECT_EQ(model.GetModuleInfo(), ModuleInfoPair{});
    EXPECT_EQ(model.SlotMask, 0);
    EXPECT_EQ(model.MaxSlotCount, 0);
    EXPECT_TRUE(model.Slots.empty());
    EXPECT_TRUE(model.DISettings.empty());
    EXPECT_TRUE(model.DIOSettings.empty());
    EXPECT_TRUE(model.DOSettings.empty());
    EXPECT_TRUE(model.RelaySettings.empty());
    EXPECT_TRUE(model.HARTAISettings.empty());
    EXPECT_TRUE(model.AISettings.empty());
    EXPECT_TRUE(model.HighSpeedAISettings.empty());
    EXPECT_TRUE(model.AOSettings.empty());
    EXPECT_TRUE(model.TCSettings.empty());
    EXPECT_TRUE(model.RTDSettings.empty());
    EXPECT_TRUE(model.SerialSettings.empty());
    EXPECT_TRUE(model.CanSettings.empty());
    EXPECT_TRUE(model.NetworkSettings.empty());
    EXPECT_TRUE(model.CellularSettings.empty());
    EXPECT_TRUE(model.PortTrunkSettings.empty());
    EXPECT_TRUE(model.SwitchSettings.empty());
    EXPECT_TRUE(model.ResourceGroups.empty());
    EXPECT_TRUE(model.SystemVariables.TagDefinitions.empty());
    EXPECT_TRUE(model.SystemVariables.Name.isEmpty());
    EXPECT_EQ(model.SystemVariables.ResSize, 0);
    EXPECT_EQ(model.GetInternalTagCount(4), 0);
    EXPECT_TRUE(model.InternalRegisters.Name.isEmpty());
    EXPECT_TRUE(model.Tags.empty());
    EXPECT_TRUE(model.PendingSlotTags.empty());
    EXPECT_TRUE(model.Services.empty());
    EXPECT_TRUE(model.FunctionRecords.empty());
    EXPECT_TRUE(model.ServiceTagLists.empty());
    EXPECT_EQ(model.FtpServer.Enable, 0);
    EXPECT_TRUE(model.FtpServer.Accounts.empty());
    EXPECT_EQ(model.RESTfulEnable, 0);
    EXPECT_EQ(model.ToggleSwitchEnable, 0);
    EXPECT_EQ(model.RotarySwitchEnable, 0);
    EXPECT_TRUE(model.ResourceNames.empty());
    EXPECT_EQ(model.IsIECMode(), 0);
    expectResetLogTable(model.LogEnable);
}

TEST(DataCenterTest, ResetKeepsWhatBelongsToTheProgramRun)
{
    CDataCenter model;
    model.SetHSPA(1);
    model.SetSeries4100(1);
    model.SetCPU35Mode(1);
    model.SetDnp3Supported(1);
    model.SetRESTfulSupported(1);
    model.SwitchTimeout = 33;
    model.ServiceStatusTags[0].Name = "MailStatus";
    model.ServiceResourceTexts[0].Name = "MailStatus";
    const QString defaultsPath = model.DefaultsPath;

    model.ResetProjectData();

    EXPECT_EQ(model.HasHSPA(), 1);
    EXPECT_EQ(model.IsSeries4100(), 1);
    EXPECT_EQ(model.GetCPU35Mode(), 1);
    EXPECT_EQ(model.IsDnp3Supported(), 1);
    EXPECT_EQ(model.IsRESTfulSupported(), 1);
    EXPECT_EQ(model.SwitchTimeout, 33);
    EXPECT_EQ(model.ServiceStatusTags[0].Name, "MailStatus");
    EXPECT_EQ(model.ServiceResourceTexts[0].Name, "MailStatus");
    EXPECT_EQ(model.DefaultsPath, defaultsPath);
    EXPECT_EQ(model.AutoResource, CAutoResource::GetInstance());
}

TEST(DataCenterTest, Dnp3GroupsResetToTheirTypesAndValues)
{
    CDataCenter model;
    for (int type = 1; type <= 5; ++type)
        model.SetDnp3GroupSetting(type, 7, 7, 7, 7);
    model.ResetProjectData();

    const struct {
        int type;
        int values[4];
    } cases[] = {{1, {1, 1, 0, 0}}, {3, {2, 0, 0, 0}}, {2, {1, 1, 0, 0}}, {4, {1, 0, 0, 0}}, {5, {1, 1, 1, 1}}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const Dnp3PointGroup& inOrder = model.Dnp3Groups[i];
        EXPECT_EQ(inOrder.ObjectType, c.type) << "group " << i;
        Dnp3PointGroup group;
        model.GetDnp3PointGroup(c.type, group);
        EXPECT_EQ(group.ObjectType, c.type);
        EXPECT_EQ(group.StaticVariation, c.values[0]) << c.type;
        EXPECT_EQ(group.EventVariation, c.values[1]) << c.type;
        EXPECT_EQ(group.FrozenVariation, c.values[2]) << c.type;
        EXPECT_EQ(group.FrozenEventVariation, c.values[3]) << c.type;
    }
}

TEST(DataCenterTest, Dnp3GroupSettingGoesToTheGroupOfItsType)
{
    CDataCenter model;
    EXPECT_EQ(model.SetDnp3GroupSetting(2, 3, 4, 5, 6), 1);
    Dnp3PointGroup group;
    model.GetDnp3PointGroup(2, group);
    EXPECT_EQ(group.StaticVariation, 3);
    EXPECT_EQ(group.FrozenEventVariation, 6);
    EXPECT_EQ(model.Dnp3Groups[2].EventVariation, 4); // analog input is third in the model's order

    const auto before = model.Dnp3Groups;
    for (const int type : {0, 6, -1}) {
        EXPECT_EQ(model.SetDnp3GroupSetting(type, 9, 9, 9, 9), 1) << type;
        Dnp3PointGroup untouched{42, 42, 42, 42, 42, {}};
        model.GetDnp3PointGroup(type, untouched);
        EXPECT_EQ(untouched.ObjectType, 42) << type;
        EXPECT_EQ(untouched.StaticVariation, 42) << type;
    }
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(model.Dnp3Groups[i].StaticVariation, before[i].StaticVariation) << i;
}

TEST(DataCenterTest, TimeZones35And36AreExchanged)
{
    const struct {
        int in;
        int out;
    } cases[] = {{35, 36}, {36, 35}, {0, 0}, {22, 22}, {34, 34}, {37, 37}, {-1, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(CDataCenter::ExchangeTimeZone35And36(c.in), c.out) << c.in;
        EXPECT_EQ(CDataCenter::ExchangeTimeZone35And36(c.out), c.in) << c.in;
    }
}

TEST(DataCenterTest, ServiceStatusTagIsSelectedByServiceId)
{
    CDataCenter model;
    for (size_t i = 0; i < model.ServiceStatusTags.size(); ++i)
        model.ServiceStatusTags[i].Name = QString("Status%1").arg(i);

    const struct {
        int id;
        StatusTagSource source;
    } cases[] = {
        {137, StatusTagSource::AlarmMail},     {138, StatusTagSource::AlarmSms},
        {143, StatusTagSource::AlarmSnmpTrap}, {127, StatusTagSource::SnmpAgent},
        {116, StatusTagSource::Tavo},          {105, StatusTagSource::ModbusMaster},
        {117, StatusTagSource::ModbusSlave},   {114, StatusTagSource::DataLogging},
        {146, StatusTagSource::RESTfulApi},    {118, StatusTagSource::Dnp3Outstation},
    };
    for (const auto& c : cases) {
        TagDefinition out;
        EXPECT_EQ(model.GetServiceTagList(c.id, out), 1) << c.id;
        EXPECT_EQ(out.Name, QString("Status%1").arg(StatusTagPosition(c.source))) << c.id;
    }
    for (const int id : {124, 0, 131, 144, 999}) {
        TagDefinition out;
        out.Name = "untouched";
        EXPECT_EQ(model.GetServiceTagList(id, out), 0) << id;
        EXPECT_EQ(out.Name, "untouched") << id;
    }
}

TEST(DataCenterTest, RESTfulEnableIsStoredAndAcknowledged)
{
    CDataCenter model;
    EXPECT_EQ(model.SetRESTfulEnable(1), 1);
    EXPECT_EQ(model.RESTfulEnable, 1);
}

} // namespace
