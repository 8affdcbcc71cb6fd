// Reading "ServiceConfiguration": which elements go where, the status tags queued for files
// written before a service had its element, and the serial ports the Modbus devices take.
#include "ServiceFileTestSupport.h"

#include "CAutoResource.h"
#include "ConfigFiles.h"
#include "ResultCodes.h"

namespace {

class ServiceConfigurationRead : public ServiceFileTest {
protected:
    // "<Product><ServiceConfiguration>" + content + closing tags, read into the model.
    int Read(CDataCenter& model, const QString& content)
    {
        IXMLElement* product =
            LoadXml(QStringLiteral("<Product><ServiceConfiguration>%1</ServiceConfiguration></Product>").arg(content));
        return model.ReadServiceConfiguration(product);
    }

    // Slot 0 names its service groups, so queued tags show their owner.
    static void NameServiceGroups(CDataCenter& model)
    {
        model.Slots.resize(1);
        for (int id : {ServiceId::AlarmSnmpTrap, ServiceId::SnmpAgent, ServiceId::Dnp3Outstation, ServiceId::RESTfulApi,
                       ServiceId::ModbusMaster})
            model.AppendSlotChannelGroup(0, QStringLiteral("G%1").arg(id), id);
    }

    QStringList QueuedTags() const
    {
        QStringList queued;
        for (const QueuedTag& tag : engine_.Queued)
            queued.append(QStringLiteral("%1 %2 (%3,%4)")
                              .arg(tag.OwnerName)
                              .arg(tag.OwnerTypeId)
                              .arg(tag.ServiceUse.ServiceId)
                              .arg(tag.ServiceUse.ItemIndex));
        return queued;
    }
};

// Every service element of a current file, each empty.
const char* kAllServices = R"(<TAVO Result="0"/><Alarm Result="0"><Email/><SMS/><SNMPTrap/></Alarm>
    <DNP3_Outstation Result="1"/><Modbus_Slave Result="0"/><Modbus_Master Result="0"/><Data_Logging Result="0"/>
    <SNMP_Agent Result="1"/><RESTfulAPI Result="1"><Enable Result="1"/></RESTfulAPI>)";

TEST_F(ServiceConfigurationRead, WithoutTheElementTheGroupFails)
{
    CDataCenter model;
    EXPECT_EQ(model.ReadServiceConfiguration(LoadXml(QStringLiteral("<Product><ServiceConfigurations/></Product>"))),
              kE_FAIL);
    EXPECT_EQ(model.ReadServiceConfiguration(nullptr), kE_FAIL);
    EXPECT_EQ(Read(model, QString()), kS_OK) << "an empty element is no failure";
}

TEST_F(ServiceConfigurationRead, OlderFilesGetTheStatusTagsOfTheServicesTheyLack)
{
    const struct {
        const char* label;
        QString content;
        int dnp3Supported;
        int restfulSupported;
        QStringList queued;
    } cases[] = {
        {"a current file", QString::fromUtf8(kAllServices), 1, 1, {}},
        {"alarms without traps",
         QStringLiteral(R"(<Alarm><Email/></Alarm><SNMP_Agent Result="1"/>)"),
         0,
         0,
         {QStringLiteral("G143 143 (143,0)")}},
        {"no alarms at all", QStringLiteral(R"(<SNMP_Agent Result="1"/>)"), 0, 0, {}},
        {"no agent: linked under its second id", QString(), 0, 0, {QStringLiteral("G127 127 (144,0)")}},
        {"no DNP3 on a DNP3 product",
         QStringLiteral(R"(<SNMP_Agent Result="1"/>)"),
         1,
         0,
         {QStringLiteral("G118 118 (118,0)")}},
        {"no RESTful on a RESTful product",
         QStringLiteral(R"(<SNMP_Agent Result="1"/>)"),
         0,
         1,
         {QStringLiteral("G146 146 (146,0)")}},
    };
    for (const auto& c : cases) {
        engine_.Queued.clear();
        CDataCenter model;
        NameServiceGroups(model);
        model.Dnp3Supported = c.dnp3Supported;
        model.RESTfulSupported = c.restfulSupported;
        ASSERT_EQ(Read(model, c.content), kS_OK) << c.label;
        EXPECT_EQ(QueuedTags(), c.queued) << c.label;
    }
}

TEST_F(ServiceConfigurationRead, ServiceValuesComeFromResultUnlessItIsNA)
{
    CDataCenter model;
    FullServiceModel::PrepareProduct(model); // every service value 1
    ASSERT_EQ(Read(model, QStringLiteral(R"(<Modbus_Master Result="na"/><Modbus_Slave Result="7"/><Data_Logging/>
        <DNP3_Outstation Result="0"/><SNMP_Agent Result="NA"/>)")),
              kS_OK);
    EXPECT_EQ(model.GetServiceValue(ServiceId::ModbusMaster), 1) << "na";
    EXPECT_EQ(model.GetServiceValue(ServiceId::ModbusSlave), 7);
    EXPECT_EQ(model.GetServiceValue(ServiceId::DataLogging), 1) << "no Result";
    EXPECT_EQ(model.GetServiceValue(ServiceId::Dnp3Outstation), 0);
    EXPECT_EQ(model.GetServiceValue(ServiceId::SnmpAgent), 1) << "NA";
}

TEST_F(ServiceConfigurationRead, TavoAndAgentSettingsNeedAServiceValue)
{
    CDataCenter model;
    ASSERT_EQ(Read(model, QStringLiteral(R"(<TAVO Result="NA"><QueueSize Result="1000"/><Set_0/></TAVO>
        <SNMP_Agent Contact="c"/>)")),
              kS_OK);
    EXPECT_EQ(model.Tavo.QueueSize, 500);
    EXPECT_TRUE(model.Tavo.Servers.isEmpty());
    EXPECT_EQ(model.SnmpAgent.Contact, QString());

    ASSERT_EQ(Read(model, QStringLiteral(R"(<TAVO Result="0"><QueueSize Result="1000"/></TAVO>
        <SNMP_Agent Result="1" Contact="c"/>)")),
              kS_OK);
    EXPECT_EQ(model.Tavo.QueueSize, 1000);
    EXPECT_EQ(model.SnmpAgent.Contact, QStringLiteral("c"));
}

TEST_F(ServiceConfigurationRead, ServiceManagementEntriesAreNoServiceElements)
{
    CDataCenter model;
    FullServiceModel::PrepareProduct(model);
    ASSERT_EQ(Read(model, QStringLiteral(R"(<SNMP_Agent Result="1"/><ServiceManagement>
        <TAVO><Enable Result="1"/><QueueSize Result="1000"/></TAVO>
        <RESTfulAPI><Enable Result="1"/></RESTfulAPI></ServiceManagement>)")),
              kS_OK);
    EXPECT_EQ(model.Tavo.QueueSize, 500);
    EXPECT_EQ(model.RESTfulEnable, 0);
}

TEST_F(ServiceConfigurationRead, RestfulEnableIsZeroOrOne)
{
    const struct {
        const char* enable;
        int expected;
    } cases[] = {{"<Enable Result=\"1\"/>", 1}, {"<Enable Result=\"2\"/>", 0}, {"", 0}};
    for (const auto& c : cases) {
        CDataCenter model;
        model.RESTfulEnable = 1;
        Read(model, QStringLiteral("<RESTfulAPI Result=\"1\">%1</RESTfulAPI>").arg(QString::fromLatin1(c.enable)));
        EXPECT_EQ(model.RESTfulEnable, c.expected) << c.enable;
    }
}

TEST_F(ServiceConfigurationRead, ModbusDevicesAreReadFromTheFirstOnWithTheirStatusTags)
{
    CDataCenter model;
    NameServiceGroups(model);
    ASSERT_EQ(Read(model, QStringLiteral(R"(<Modbus_Master Result="1"><Quantity Result="2"/>
        <Set_1><Name Result="before"/></Set_1>
        <Set_0><Index Result="4"/><Name Result="old"/></Set_0>
        <Device><Index Result="9"/><Name Result="current"/><StatusTag><ResID Result="0.9.105.1"/></StatusTag></Device>
        </Modbus_Master><SNMP_Agent Result="1"/>)")),
              kS_OK);
    ASSERT_EQ(model.ModbusMasterDevices.size(), 2u);
    EXPECT_EQ(model.ModbusMasterDevices[0].Name, QStringLiteral("old"));
    EXPECT_EQ(model.ModbusMasterDevices[1].Name, QStringLiteral("current"));
    EXPECT_EQ(model.ModbusMasterDevices[0].StatusTag, QStringLiteral("0.4.105.2"))
        << "an older device takes its second automatic tag";
    EXPECT_EQ(model.ModbusMasterDevices[1].StatusTag, QStringLiteral("0.9.105.1"));
    ASSERT_EQ(engine_.Queued.size(), 1u);
    EXPECT_EQ(QueuedTags().front(), QStringLiteral("G105 105 (105,4)"));
    EXPECT_EQ(engine_.Queued.front().Definition.Name, QStringLiteral("S105_4_2_1"));
}

TEST_F(ServiceConfigurationRead, AnOlderDeviceWithoutItsDefinitionsGetsNoStatusTag)
{
    ServiceTagEngine withoutDefinitions = GetServiceTagEngine();
    withoutDefinitions.BuildServiceTags = [](int, int, QVector<TagDefinition>&, int) {};
    InstallServiceTagEngine(withoutDefinitions);
    CDataCenter model;
    ASSERT_EQ(Read(model, QStringLiteral(R"(<Modbus_Master><Set_0><Index Result="4"/></Set_0></Modbus_Master>
        <SNMP_Agent Result="1"/>)")),
              kS_OK);
    ASSERT_EQ(model.ModbusMasterDevices.size(), 1u);
    EXPECT_EQ(model.ModbusMasterDevices[0].StatusTag, QString());
    EXPECT_TRUE(engine_.Queued.empty());
}

TEST_F(ServiceConfigurationRead, DevicesMarkTheSerialPortTheyName)
{
    const struct {
        const char* label;
        const char* port;
        bool slotUsed;
        std::array<int, 3> marked;
    } cases[] = {
        {"first port", "S_2-P_0", true, {1, 0, 0}},
        {"second port", "S_2-P_1", true, {0, 1, 0}},
        {"a port past the module's count", "S_2-P_2", true, {0, 0, 0}},
        {"a slot not in use", "S_2-P_0", false, {0, 0, 0}},
        {"other letter case", "s_2-p_0", true, {0, 0, 0}},
        {"the Ethernet port", "S_0-E_0", true, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.MaxSlotCount = 4;
        model.SetSlotUsed(0, 1);
        model.SetSlotUsed(2, c.slotUsed ? 1 : 0);
        PortModuleSlotRecord serial;
        serial.SlotIndex = 2;
        serial.ChannelCount = 2;
        serial.Ports.resize(3); // one more entry than the module counts
        model.SerialSettings.push_back(serial);
        model.MarkSerialPortUsed(QString::fromLatin1(c.port), 1);
        const std::vector<SerialPort>& ports = model.SerialSettings.front().Ports;
        const std::array<int, 3> marked{ports[0].Setting.IsUsedByService, ports[1].Setting.IsUsedByService,
                                        ports[2].Setting.IsUsedByService};
        EXPECT_EQ(marked, c.marked) << c.label;
    }
}

} // namespace

TEST_F(ServiceConfigurationRead, EntriesTakeTheirAutomaticTagsFromTheShippedSettingsByDefault)
{
    InstallServiceTagEngine({});
    SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR));
    CAutoResource::ReleaseInstance(); // read the shipped settings anew
    CDataCenter model;
    ASSERT_EQ(Read(model, QStringLiteral(R"(<Alarm Result="1"><Email><Set_0><Index Result="2"/><Name Result="pump"/>
        </Set_0></Email></Alarm><SNMP_Agent Result="1"/>)")),
              kS_OK);
    ASSERT_EQ(model.AlarmMail.Entries.size(), 1);
    QStringList made;
    for (const TagDefinition& definition : model.AlarmMail.Entries[0].TagDefinitions)
        made << definition.Name + u' ' + definition.ResourceText;
    EXPECT_EQ(made, QStringList({QStringLiteral("MailTrigger_2 0.2.137.1"), QStringLiteral("MailStatus_2 0.2.137.2")}));
}
