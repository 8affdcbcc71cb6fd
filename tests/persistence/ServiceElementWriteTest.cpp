// What the writers of the service groups put into the file, read back from real files.
#include "ServiceFileTestSupport.h"

#include <limits>

namespace {

namespace Names = ServiceXml::ServiceConfiguration;
using namespace FullServiceModel;

class ServiceElementWrite : public ServiceFileTest {};

TEST_F(ServiceElementWrite, AlarmResultSaysWhichAlarmListsHoldEntries)
{
    const struct {
        bool mail;
        bool sms;
        const char* expected;
    } cases[] = {{false, false, "0"}, {true, false, "1"}, {false, true, "2"}, {true, true, "3"}};
    for (const auto& c : cases) {
        CDataCenter model;
        if (c.mail)
            model.AlarmMail.Entries.append(ALARM_MAIL_ITEM_SETTINGS{});
        if (c.sms)
            model.AlarmSms.Entries.append(ALARM_SMS_ITEM_SETTINGS{});
        model.AlarmSnmpTrap.Entries.append(ALARM_SNMP_TRAP_ITEM_SETTINGS{}); // traps do not count
        IXMLElement* alarm = SavedServiceElement(model, Names::Alarm);
        EXPECT_EQ(AttributeOf(alarm, ServiceXml::Result), QString::fromLatin1(c.expected)) << c.expected;
        EXPECT_EQ(ChildNames(alarm),
                  (QStringList{QStringLiteral("Email"), QStringLiteral("SMS"), QStringLiteral("SNMPTrap")}));
    }
}

TEST_F(ServiceElementWrite, ServiceElementsSayWhetherTheyHoldItems)
{
    CDataCenter empty;
    CDataCenter full;
    FillAllServices(full);
    full.SnmpAgent.EnableServer = 0;
    for (const QString& name : {Names::Tavo, Names::ModbusSlave, Names::ModbusMaster, Names::DataLogging}) {
        EXPECT_EQ(AttributeOf(SavedServiceElement(empty, name), ServiceXml::Result), QStringLiteral("0"))
            << name.toStdString();
        EXPECT_EQ(AttributeOf(SavedServiceElement(full, name), ServiceXml::Result), QStringLiteral("1"))
            << name.toStdString();
    }
    IXMLElement* agent = SavedServiceElement(full, Names::SnmpAgent);
    EXPECT_EQ(AttributeOf(agent, ServiceXml::Result), QStringLiteral("1")) << "whatever the agent's switch";
    EXPECT_EQ(AttributeOf(agent, ServiceXml::StatusTag), QStringLiteral("0.0.127.0"));
    QStringList attributes;
    for (IXMLAttribute* a = agent->FirstAttribute(); a; a = agent->NextAttribute())
        attributes.append(a->GetName());
    EXPECT_EQ(attributes.join(u' '), QStringLiteral("Result EnableServer Version Contact Location StatusTag"));
}

TEST_F(ServiceElementWrite, ProductServicesAreWrittenOnlyForTheirProducts)
{
    CDataCenter model;
    EXPECT_EQ(SavedServiceElement(model, Names::Dnp3Outstation), nullptr);
    EXPECT_EQ(SavedServiceElement(model, Names::RESTfulApi), nullptr);

    model.Dnp3Supported = 1;
    model.RESTfulSupported = 1;
    model.RESTfulEnable = 1;
    IXMLElement* dnp3 = SavedServiceElement(model, Names::Dnp3Outstation);
    EXPECT_EQ(AttributeOf(dnp3, ServiceXml::Result), QStringLiteral("NA")) << "not in the service table";
    EXPECT_EQ(ChildNames(dnp3),
              (QStringList{QStringLiteral("LocalAddr"), QStringLiteral("LocalPort"), QStringLiteral("Set_0"),
                           QStringLiteral("Set_1"), QStringLiteral("BinaryInput"), QStringLiteral("BinaryOutput"),
                           QStringLiteral("AnalogInput"), QStringLiteral("AnalogOutput"), QStringLiteral("Counter")}));
    IXMLElement* restful = SavedServiceElement(model, Names::RESTfulApi);
    EXPECT_EQ(AttributeOf(restful, ServiceXml::Result), QStringLiteral("1"));
    EXPECT_EQ(ResultOf(restful, ServiceXml::Enable), QStringLiteral("1"));
}

TEST_F(ServiceElementWrite, Dnp3PointsCarryTheirChannelsRangeAndExactDeviations)
{
    CDataCenter model;
    model.Dnp3Supported = 1;
    DNP3_POINT_SETTINGS point;
    point.ResourceID = QStringLiteral("1.2.3.4"); // the test engine's range: length modulo 5
    point.Range = 0;
    point.ChangeDeviation = std::numeric_limits<qint64>::max();
    point.DeadbandInteger = -5000000000LL;
    point.Class = 3;
    model.Dnp3Groups[2].Points.append(point);
    IXMLElement* tag = SavedServiceElement(model, Names::Dnp3Outstation)
                           ->FindChild(QStringLiteral("AnalogInput"))
                           ->FindChild(QStringLiteral("Tag_0"));
    EXPECT_EQ(AttributeOf(tag->FindChild(QStringLiteral("AIDeadband")), QStringLiteral("Range")), QStringLiteral("2"));
    EXPECT_EQ(AttributeOf(tag->FindChild(QStringLiteral("AIDeadband")), QStringLiteral("Percentage")),
              QStringLiteral("-5000000000"));
    EXPECT_EQ(AttributeOf(tag->FindChild(QStringLiteral("CounterCondition")), QStringLiteral("ChangeDeviation")),
              QStringLiteral("9223372036854775807"));
    IXMLElement* classes = tag->FindChild(QStringLiteral("MasterClass"));
    EXPECT_EQ(ResultOf(classes, ServiceXml::Quantity), QStringLiteral("1"));
    EXPECT_EQ(AttributeOf(classes->FindChild(QStringLiteral("Set_0")), QStringLiteral("Master")), QStringLiteral("0"));
    EXPECT_EQ(AttributeOf(classes->FindChild(QStringLiteral("Set_0")), QStringLiteral("Class")), QStringLiteral("3"));
}

TEST_F(ServiceElementWrite, ServiceManagementListsTheProcessesToStart)
{
    CDataCenter model;
    model.Time.TimeServers = {QStringLiteral("127.0.0.1")};
    model.SnmpAgent.EnableServer = 1;
    IXMLElement* management = SavedServiceElement(model, Names::ServiceManagement);
    EXPECT_EQ(
        ChildNames(management).join(u' '),
        QStringLiteral("TAVO AlarmEmail AlarmSMS AlarmSNMP SNMPAgent ModbusSlave ModbusMaster DataLogging TimeSync"));
    IXMLElement* tavo = management->FindChild(Names::Tavo);
    EXPECT_EQ(ChildNames(tavo).join(u' '), QStringLiteral("Enable Debug StartCmd StartPath StatusTag"));
    EXPECT_EQ(ResultOf(tavo, QStringLiteral("Enable")), QStringLiteral("0"));
    EXPECT_EQ(ResultOf(tavo, QStringLiteral("Debug")), QStringLiteral("0"));
    EXPECT_EQ(ResultOf(tavo, QStringLiteral("StartCmd")), QStringLiteral("tavo_service"));
    EXPECT_EQ(ResultOf(tavo, QStringLiteral("StartPath")), QStringLiteral("/bin/RTU"));
    EXPECT_EQ(ResultOf(tavo, ServiceXml::StatusTag), QStringLiteral("0.0.116.0"));
    EXPECT_EQ(ResultOf(management->FindChild(QStringLiteral("SNMPAgent")), QStringLiteral("Enable")),
              QStringLiteral("1"));
    EXPECT_EQ(ResultOf(management->FindChild(QStringLiteral("TimeSync")), QStringLiteral("Enable")),
              QStringLiteral("1"));
    EXPECT_EQ(ResultOf(management->FindChild(QStringLiteral("TimeSync")), ServiceXml::StatusTag), QString());

    model.CellularSettings.push_back(CellularRecord{});
    model.RESTfulSupported = 1;
    model.Dnp3Supported = 1;
    model.Dnp3Outstation.Masters[1].EnableDnp3Master = 1;
    management = SavedServiceElement(model, Names::ServiceManagement);
    EXPECT_EQ(ChildNames(management).mid(8).join(u' '),
              QStringLiteral("RESTfulAPI TimeSync CellularNet DNP3Outstation"));
    EXPECT_EQ(ResultOf(management->FindChild(QStringLiteral("RESTfulAPI")), QStringLiteral("Enable")),
              QStringLiteral("0"));
    IXMLElement* cellular = management->FindChild(QStringLiteral("CellularNet"));
    EXPECT_EQ(ResultOf(cellular, QStringLiteral("Enable")), QStringLiteral("1"));
    EXPECT_EQ(ResultOf(cellular, ServiceXml::StatusTag), QString());
    EXPECT_EQ(ResultOf(cellular, QStringLiteral("StartCmd")), QStringLiteral("cellular_service"));
    IXMLElement* dnp3 = management->FindChild(QStringLiteral("DNP3Outstation"));
    EXPECT_EQ(ResultOf(dnp3, QStringLiteral("Enable")), QStringLiteral("1")) << "one master enabled";
    EXPECT_EQ(ResultOf(dnp3, ServiceXml::StatusTag), QStringLiteral("0.0.118.0"));
}

TEST_F(ServiceElementWrite, TavoWritesEmptyListsAndOnlyPublishedTags)
{
    CDataCenter model;
    FullServiceModel::AddTags(model);
    TagRecord& all = model.Tags[1];
    all.PublishToTavo = 1;
    all.Tavo.IntervalUpdate = all.Tavo.OnChangeUpdate = all.Tavo.ControlTagUpdate = 1;
    all.Tavo.Interval = 4000000000u;
    all.Tavo.Control = QStringLiteral("9.9.9");
    TagRecord& unpublished = model.Tags[2];
    unpublished.Tavo.IntervalUpdate = unpublished.Tavo.OnChangeUpdate = 1;
    TagRecord& onChange = model.Tags[3];
    onChange.PublishToTavo = 1;
    onChange.Tavo.OnChangeUpdate = 1;
    onChange.Tavo.Access = 0;

    IXMLElement* tavo = SavedServiceElement(model, Names::Tavo);
    EXPECT_EQ(AttributeOf(tavo, ServiceXml::Result), QStringLiteral("0")) << "no servers";
    IXMLElement* interval = tavo->FindChild(QStringLiteral("IntervalUpdate"));
    IXMLElement* changes = tavo->FindChild(QStringLiteral("OnChangeUpdate"));
    IXMLElement* control = tavo->FindChild(QStringLiteral("ControlTagUpdate"));
    EXPECT_EQ(ChildNames(interval), QStringList{QStringLiteral("Tag_0")});
    EXPECT_EQ(ChildNames(changes), (QStringList{QStringLiteral("Tag_0"), QStringLiteral("Tag_1")}));
    EXPECT_EQ(ChildNames(control), QStringList{QStringLiteral("Tag_0")});
    IXMLElement* entry = interval->FindChild(QStringLiteral("Tag_0"));
    EXPECT_EQ(AttributeOf(entry, ServiceXml::Result), all.ResID);
    EXPECT_EQ(AttributeOf(entry, QStringLiteral("Interval")), QStringLiteral("4000000000"));
    EXPECT_EQ(AttributeOf(changes->FindChild(QStringLiteral("Tag_1")), QStringLiteral("Access")), QStringLiteral("0"));
    EXPECT_EQ(AttributeOf(control->FindChild(QStringLiteral("Tag_0")), QStringLiteral("Control")),
              QStringLiteral("9.9.9"));

    CDataCenter none;
    EXPECT_EQ(ChildNames(SavedServiceElement(none, Names::Tavo)).join(u' '),
              QStringLiteral("Quantity OperationMode ReconnectTimeout QueueSize QueueFullAction IntervalUpdate "
                             "OnChangeUpdate ControlTagUpdate"));
}

TEST_F(ServiceElementWrite, SnmpAgentEnablesWhatTheVersionAndTextsAllow)
{
    const struct {
        quint32 version;
        const char* community;
        const char* user;
        const char* v1v2c;
        const char* v3ro;
    } cases[] = {
        {1, "public", "user", "0", "1"},
        {0, "public", "user", "1", "0"},
        {2, "public", "user", "1", "1"},
        {2, "", "", "0", "0"},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.SnmpAgent.Version = c.version;
        model.SnmpAgent.ReadCommunity = model.SnmpAgent.WriteCommunity = QString::fromLatin1(c.community);
        model.SnmpAgent.V3RO.UserName = QString::fromLatin1(c.user);
        IXMLElement* agent = SavedServiceElement(model, Names::SnmpAgent);
        EXPECT_EQ(AttributeOf(agent->FindChild(QStringLiteral("V1V2C")), ServiceXml::Enable),
                  QString::fromLatin1(c.v1v2c))
            << "version " << c.version;
        EXPECT_EQ(AttributeOf(agent->FindChild(QStringLiteral("V3RO")), ServiceXml::Enable),
                  QString::fromLatin1(c.v3ro))
            << "version " << c.version;
        EXPECT_EQ(AttributeOf(agent->FindChild(QStringLiteral("V3RW")), ServiceXml::Enable), QStringLiteral("0"));
        EXPECT_EQ(AttributeOf(agent->FindChild(QStringLiteral("TagTable")), ServiceXml::Quantity), QStringLiteral("0"));
    }
}

TEST_F(ServiceElementWrite, ModbusSlaveWritesTheFlatListAndTheSets)
{
    CDataCenter model;
    for (int size : {2, 3}) {
        MODBUS_SLAVE_TAG_SET set;
        set.Name = QStringLiteral("set%1").arg(size);
        set.Items.resize(size);
        model.ModbusSlave.MulitTagSet.append(set);
    }
    IXMLElement* slave = SavedServiceElement(model, Names::ModbusSlave);
    EXPECT_EQ(ChildNames(slave).join(u' '),
              QStringLiteral("Quantity EnEthernet ListenPort UnitID Timeout EnSerial SerialPort SerialUnitID "
                             "Set_0 Set_1 Set_2 Set_3 Set_4 MulitTagSet"));
    EXPECT_EQ(ResultOf(slave, ServiceXml::Quantity), QStringLiteral("5"));
    EXPECT_EQ(ChildNames(slave->FindChild(QStringLiteral("Set_4"))).join(u' '),
              QStringLiteral("Name Tag ModbusMap ModbusAddress DataType TagType"));
    IXMLElement* sets = slave->FindChild(QStringLiteral("MulitTagSet"));
    EXPECT_EQ(ChildNames(sets->FindChild(QStringLiteral("Set_0"))).join(u' '),
              QStringLiteral("Quantity Name TagDataType Index Set_0 Set_1"));
    EXPECT_EQ(ChildNames(sets).join(u' '), QStringLiteral("Set_0 Set_1"));
    sets->FindChild(QStringLiteral("Set_0"));
    EXPECT_EQ(ChildNames(sets->NextChild()).join(u' '),
              QStringLiteral("Quantity Name TagDataType Index Set_0 Set_1 Set_2"));
}

TEST_F(ServiceElementWrite, ModbusDeviceWritesAddressesOnlyForTheEthernetPort)
{
    const struct {
        const char* port;
        const char* address;
        const char* tcpPort;
    } cases[] = {{"S_0-E_0", "127.0.0.9", "1502"}, {"s_0-e_0", "NA", "NA"}, {"S_1-P_2", "NA", "NA"}};
    for (const auto& c : cases) {
        CDataCenter model;
        MODBUS_EXTERNAL_DEVICE_SETTINGS device;
        device.RTUPort = QString::fromLatin1(c.port);
        device.IpAddress = QStringLiteral("127.0.0.9");
        device.TCPPort = 1502;
        model.ModbusMasterDevices.push_back(device);
        IXMLElement* set = SavedServiceElement(model, Names::ModbusMaster)->FindChild(QStringLiteral("Set_0"));
        EXPECT_EQ(ResultOf(set, QStringLiteral("IpAddress")), QString::fromLatin1(c.address)) << c.port;
        EXPECT_EQ(ResultOf(set, QStringLiteral("TCPPort")), QString::fromLatin1(c.tcpPort)) << c.port;
    }
}

TEST_F(ServiceElementWrite, ModbusDeviceWritesBothCommandLists)
{
    CDataCenter model;
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    for (int size : {1, 2, 0}) {
        MODBUS_COMMAND_SETTINGS command;
        command.Name = QStringLiteral("c%1").arg(size);
        command.SwappedValue = size == 1 ? 0 : 2;
        command.Resources.resize(size);
        device.Commands.append(command);
    }
    model.ModbusMasterDevices.push_back(device);
    IXMLElement* master = SavedServiceElement(model, Names::ModbusMaster);
    EXPECT_EQ(ResultOf(master, ServiceXml::Quantity), QStringLiteral("1"));
    IXMLElement* set = master->FindChild(QStringLiteral("Set_0"));
    EXPECT_EQ(ChildNames(set).join(u' '),
              QStringLiteral("Index Name RTUPort IpAddress TCPPort Polling_Delay Timeout UnitID RecoverDelay FailRetry "
                             "StatusTag ErrorTag KeepAliveEnable KeepAliveInterval Quantity Resource MultiTagQuantity "
                             "MultiTagResource"));
    EXPECT_EQ(ResultOf(set, ServiceXml::Quantity), QStringLiteral("3"));
    EXPECT_EQ(ResultOf(set, QStringLiteral("MultiTagQuantity")), QStringLiteral("3"));
    IXMLElement* flat = set->FindChild(ServiceXml::Resource);
    EXPECT_EQ(ChildNames(flat).join(u' '), QStringLiteral("Set_0 Set_1 Set_2"));
    EXPECT_EQ(ChildNames(flat->FindChild(QStringLiteral("Set_2"))).join(u' '),
              QStringLiteral(
                  "Name Function_Code SwappedValue ResID Start_Addr ReferenceAddress DataType DataTypeSize Quantity"));
    EXPECT_EQ(ResultOf(flat->FindChild(QStringLiteral("Set_0")), QStringLiteral("SwappedValue")), QStringLiteral("0"));
    EXPECT_EQ(ResultOf(flat->FindChild(QStringLiteral("Set_2")), QStringLiteral("SwappedValue")), QStringLiteral("NA"));
    IXMLElement* grouped = set->FindChild(QStringLiteral("MultiTagResource"));
    IXMLElement* second = grouped->FindChild(QStringLiteral("Set_1"));
    EXPECT_EQ(ChildNames(second).join(u' '),
              QStringLiteral("Name ScanRate Function_Code Start_Addr SwappedValue TotalLength Quantity Resource"));
    EXPECT_EQ(ChildNames(second->FindChild(ServiceXml::Resource)->FindChild(QStringLiteral("Set_1"))).join(u' '),
              QStringLiteral("ResID Start_Addr ReferenceAddress DataType DataTypeSize Length"));
    EXPECT_EQ(ResultOf(grouped->FindChild(QStringLiteral("Set_2")), ServiceXml::Quantity), QStringLiteral("0"));
}

TEST_F(ServiceElementWrite, DataLogProfilesHoldTheirPartsInOrder)
{
    CDataCenter model;
    model.DataLogging.Profiles.resize(2);
    IXMLElement* logging = SavedServiceElement(model, Names::DataLogging);
    EXPECT_EQ(ChildNames(logging).join(u' '), QStringLiteral("Quantity Set_0 Set_1"));
    IXMLElement* profile = logging->FindChild(QStringLiteral("Set_1"));
    EXPECT_EQ(ChildNames(profile).join(u' '),
              QStringLiteral("Name StartStopTag LogCondition LogSettings SelectedTag FTPUpload Index"));
    EXPECT_EQ(ChildNames(profile->FindChild(QStringLiteral("LogCondition"))).join(u' '),
              QStringLiteral("Enable Interval OnChange LogTriggerTag LogStatusTag"));
    EXPECT_EQ(ResultOf(profile->FindChild(QStringLiteral("LogCondition")), QStringLiteral("OnChange")),
              QStringLiteral("0"));
    EXPECT_EQ(ChildNames(profile->FindChild(QStringLiteral("SelectedTag"))), QStringList{QStringLiteral("Quantity")});
    EXPECT_EQ(ChildNames(profile->FindChild(QStringLiteral("FTPUpload"))).join(u' '),
              QStringLiteral("ErrorHandlingRetry ErrorHandlingDelay FTPServer Port Username Password Mode "
                             "FTPUploadTriggerTag FTPUploadRemainStorageForLoggingTag"));
}

// A project without high-speed profiles keeps the bytes it had before they were stored.
TEST_F(ServiceElementWrite, HighSpeedProfilesAreWrittenOnlyWhenThereAreSome)
{
    CDataCenter model;
    EXPECT_EQ(SavedServiceElement(model, Names::HsDataLogging), nullptr);

    model.HighSpeedLogProfiles.resize(2);
    model.HighSpeedLogProfiles[1].Profile.TriggerTag = QStringLiteral("1.2.3");
    model.HighSpeedLogProfiles[1].SelectedTags = {{QStringLiteral("Level"), QStringLiteral("1.0.4")}};
    IXMLElement* fast = SavedServiceElement(model, Names::HsDataLogging);
    ASSERT_NE(fast, nullptr);
    EXPECT_EQ(AttributeOf(fast, ServiceXml::Result), QStringLiteral("1"));
    EXPECT_EQ(ChildNames(fast).join(u' '), QStringLiteral("Quantity Set_0 Set_1"));
    IXMLElement* profile = fast->FindChild(QStringLiteral("Set_1"));
    EXPECT_EQ(ChildNames(profile).join(u' '),
              QStringLiteral("Name Description TriggerTag FilesOfLog SelectedTag FTPUpload"));
    EXPECT_EQ(ResultOf(profile->FindChild(QStringLiteral("TriggerTag")), ServiceXml::ResID), QStringLiteral("1.2.3"));
    IXMLElement* tag = profile->FindChild(QStringLiteral("SelectedTag"))->FindChild(QStringLiteral("Tag_0"));
    EXPECT_EQ(AttributeOf(tag, ServiceXml::Result), QStringLiteral("1.0.4"));
    EXPECT_EQ(AttributeOf(tag, QStringLiteral("TagName")), QStringLiteral("Level"));
    EXPECT_EQ(ChildNames(profile->FindChild(QStringLiteral("FTPUpload"))).join(u' '),
              QStringLiteral("FTPServer ErrorHandlingRetry ErrorHandlingDelay FTPUploadTriggerTag FTPUploadStatusTag"));
}

} // namespace
