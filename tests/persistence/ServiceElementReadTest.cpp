// What the readers of the service groups make of values that are missing, out of range or "NA",
// of missing names, and of gaps and strangers in their lists.
#include "ServiceFileTestSupport.h"

#include "ResultCodes.h"

#include <functional>
#include <limits>

namespace {

// One case: an element as a file holds it, and what one field of the record read from it shows.
template <class Record>
struct ReadCase {
    const char* label;
    const char* xml;
    std::function<QString(const Record&)> field;
    QString expected;
};

class ServiceElementRead : public ServiceFileTest {
protected:
    template <class Record>
    void Check(const std::vector<ReadCase<Record>>& cases)
    {
        for (const ReadCase<Record>& c : cases) {
            IXMLElement* element = LoadXml(QString::fromUtf8(c.xml));
            ASSERT_NE(element, nullptr) << c.label;
            Record record;
            record.Load(element);
            EXPECT_EQ(c.field(record), c.expected) << c.label;
        }
    }
};

QString N(qint64 value)
{
    return QString::number(value);
}

// Selected tags as "name=address" pairs joined by '|'.
QString Pairs(const QVector<QPair<QString, QString>>& tags)
{
    QStringList pairs;
    for (const auto& tag : tags)
        pairs.append(tag.first + u'=' + tag.second);
    return pairs.join(u'|');
}

TEST_F(ServiceElementRead, TavoServerFallsBackToItsDefaults)
{
    using Server = TAVO_SERVER_ITEM_SETTINGS;
    Check<Server>({
        {"port 0", R"(<Set_0><Port Result="0"/></Set_0>)", [](const Server& s) { return N(s.Port); }, "2000"},
        {"port above 65535", R"(<Set_0><Port Result="65536"/></Set_0>)", [](const Server& s) { return N(s.Port); },
         "2000"},
        {"port at its maximum", R"(<Set_0><Port Result="65535"/></Set_0>)", [](const Server& s) { return N(s.Port); },
         "65535"},
        {"time-out above 300", R"(<Set_0><Timeout Result="301"/></Set_0>)",
         [](const Server& s) { return N(s.Timeout); }, "10"},
        {"index above 65535", R"(<Set_0><Index Result="65536"/></Set_0>)", [](const Server& s) { return N(s.Index); },
         "0"},
        {"missing name: the element's", R"(<Set_2/>)", [](const Server& s) { return s.Name; }, "Set_2"},
        {"missing address", R"(<Set_0/>)", [](const Server& s) { return s.IpAddress; }, "0.0.0.0"},
        {"status tag NA", R"(<Set_0><StatusTag Result="NA"/></Set_0>)", [](const Server& s) { return s.StatusTag; },
         ""},
        {"control tag na", R"(<Set_0><ControlTag Result="na"/></Set_0>)", [](const Server& s) { return s.ControlTag; },
         ""},
        {"heartbeat off: interval NA", R"(<Set_0><Heartbeat Result="0" Interval="NA" Unit="NA"/></Set_0>)",
         [](const Server& s) { return N(s.Interval); }, "1"},
        {"heartbeat off: unit NA", R"(<Set_0><Heartbeat Result="0" Interval="NA" Unit="NA"/></Set_0>)",
         [](const Server& s) { return N(s.Unit); }, "0"},
        {"heartbeat 2", R"(<Set_0><Heartbeat Result="2" Interval="5" Unit="1"/></Set_0>)",
         [](const Server& s) { return N(s.Heartbeat); }, "0"},
        {"unit 3", R"(<Set_0><Heartbeat Result="1" Interval="5" Unit="3"/></Set_0>)",
         [](const Server& s) { return N(s.Unit); }, "0"},
    });
}

TEST_F(ServiceElementRead, TavoSettingsFallBackAndReadServersUpToAStranger)
{
    using Tavo = TAVO_SETTINGS;
    const char* servers = R"(<TAVO Result="1"><Set_0><Name Result="A"/></Set_0><Set_1/><Other/><Set_2/></TAVO>)";
    Check<Tavo>({
        {"queue size above its maximum", R"(<TAVO><QueueSize Result="5001"/></TAVO>)",
         [](const Tavo& t) { return N(t.QueueSize); }, "500"},
        {"reconnect time-out 0", R"(<TAVO><ReconnectTimeout Result="0"/></TAVO>)",
         [](const Tavo& t) { return N(t.ReconnectTimeout); }, "60"},
        {"operation mode 2", R"(<TAVO><OperationMode Result="2"/></TAVO>)",
         [](const Tavo& t) { return N(t.OperationMode); }, "0"},
        {"servers up to a stranger", servers, [](const Tavo& t) { return N(t.Servers.size()); }, "2"},
        {"second server's name", servers, [](const Tavo& t) { return t.Servers.value(1).Name; }, "Set_1"},
        {"automatic tags of a server", R"(<TAVO><Set_0><Index Result="7"/></Set_0></TAVO>)",
         [](const Tavo& t) { return t.Servers.value(0).TagDefinitions.value(0).Name; }, "S116_7_1_1"},
        {"no first server", R"(<TAVO><Set_1/></TAVO>)", [](const Tavo& t) { return N(t.Servers.size()); }, "0"},
        {"tag lists before the settings",
         R"(<TAVO Result="1"><IntervalUpdate/><OnChangeUpdate/><ControlTagUpdate/><Quantity Result="1"/><OperationMode Result="1"/><Set_0/></TAVO>)",
         [](const Tavo& t) { return N(t.OperationMode) + N(t.Servers.size()); }, "11"},
    });
}

TEST_F(ServiceElementRead, EmailAlarmFallsBackToItsLimits)
{
    using Mail = ALARM_MAIL_SETTINGS;
    Check<Mail>({
        {"port 0", R"(<Email><Port Result="0"/></Email>)", [](const Mail& m) { return N(m.Port); }, "25"},
        {"port above 65535", R"(<Email><Port Result="65536"/></Email>)", [](const Mail& m) { return N(m.Port); }, "25"},
        {"retries above the tries", R"(<Email><ErrorHandlingRetry Result="9"/></Email>)",
         [](const Mail& m) { return N(m.ErrorHandlingRetry); }, "3"},
        {"retries at the tries", R"(<Email><ErrorHandlingRetry Result="5"/></Email>)",
         [](const Mail& m) { return N(m.ErrorHandlingRetry); }, "5"},
        {"queue below its minimum", R"(<Email><EventBufferSize Result="99"/></Email>)",
         [](const Mail& m) { return N(m.EventBufferSize); }, "500"},
        {"delay above 300", R"(<Email><ErrorHandlingDelay Result="301"/></Email>)",
         [](const Mail& m) { return N(m.ErrorHandlingDelay); }, "0"},
        {"authentication 4", R"(<Email><Authentication Result="4"/></Email>)",
         [](const Mail& m) { return N(m.Authentication); }, "4"},
        {"authentication 5", R"(<Email><Authentication Result="5"/></Email>)",
         [](const Mail& m) { return N(m.Authentication); }, "0"},
        {"text where a number belongs", R"(<Email><ServerType Result="x"/></Email>)",
         [](const Mail& m) { return N(m.ServerType); }, "0"},
    });
}

TEST_F(ServiceElementRead, AlarmEntriesTakeTheirElementsNameAndEveryChildFromTheFirstEntryOn)
{
    using Mail = ALARM_MAIL_SETTINGS;
    const char* gaps = R"(<Email><Quantity Result="3"/><Set_0><Name Result="A"/></Set_0><Set_2/></Email>)";
    Check<Mail>({
        {"Set_0 and Set_2: two entries", gaps, [](const Mail& m) { return N(m.Entries.size()); }, "2"},
        {"second entry's name", gaps, [](const Mail& m) { return m.Entries.value(1).Name; }, "Set_2"},
        {"missing subject", gaps, [](const Mail& m) { return m.Entries.value(1).Subject; }, "Set_2"},
        {"missing trigger tag", gaps, [](const Mail& m) { return m.Entries.value(1).TriggerTag; }, ""},
        {"automatic tags", R"(<Email><Set_0><Index Result="4"/></Set_0></Email>)",
         [](const Mail& m) { return m.Entries.value(0).TagDefinitions.value(1).Name; }, "S137_4_2_1"},
        {"entries before Set_0 are not read", R"(<Email><Set_1/><Set_0/></Email>)",
         [](const Mail& m) { return N(m.Entries.size()); }, "1"},
    });
    using Sms = ALARM_SMS_SETTINGS;
    Check<Sms>({
        {"missing phone", R"(<SMS><Set_0/><Set_4><Name Result="x"/></Set_4></SMS>)",
         [](const Sms& s) { return s.Entries.value(1).Phone; }, "Set_4"},
        {"retries above the tries", R"(<SMS><ErrorHandlingRetry Result="6"/></SMS>)",
         [](const Sms& s) { return N(s.ErrorHandlingRetry); }, "3"},
    });
}

TEST_F(ServiceElementRead, TrapsReadTheirAttributesWithDefaults)
{
    using Traps = ALARM_SNMP_TRAP_SETTINGS;
    auto first = [](const Traps& t) { return t.Entries.value(0); };
    Check<Traps>({
        {"no Trap_0: no entries", R"(<SNMPTrap TrapQuantity="1"><Trap_4/></SNMPTrap>)",
         [](const Traps& t) { return N(t.Entries.size()); }, "0"},
        {"missing trap name", R"(<SNMPTrap><Trap_0/><Trap_4/></SNMPTrap>)",
         [](const Traps& t) { return t.Entries.value(1).Profile.TrapName; }, "Trap_4"},
        {"missing host", R"(<SNMPTrap><Trap_0/></SNMPTrap>)",
         [=](const Traps& t) { return first(t).Profile.Hostname_2; }, "Trap_0"},
        {"version 1 is the first", R"(<SNMPTrap><Trap_0 Version="1"/></SNMPTrap>)",
         [=](const Traps& t) { return N(first(t).Profile.Version); }, "0"},
        {"missing version", R"(<SNMPTrap><Trap_0/></SNMPTrap>)",
         [=](const Traps& t) { return N(first(t).Profile.Version); }, "0"},
        {"version 0", R"(<SNMPTrap><Trap_0 Version="0"/></SNMPTrap>)",
         [=](const Traps& t) { return N(first(t).Profile.Version); }, "-1"},
        {"two tags, one present", R"(<SNMPTrap><Trap_0 TagQuantity="2" Tag0="1.2.3"/></SNMPTrap>)",
         [=](const Traps& t) { return first(t).TagAddresses.join(u'|'); }, "1.2.3|"},
        {"an edited count cannot make up tags", R"(<SNMPTrap><Trap_0 TagQuantity="2000000000" Tag0="a"/></SNMPTrap>)",
         [=](const Traps& t) { return N(first(t).TagAddresses.size()); }, "2"},
    });
}

TEST_F(ServiceElementRead, Dnp3MasterFallsBackToItsTriples)
{
    using Master = DNP3_MASTER_ITEM_SETTINGS;
    auto retry = [](const char* value) {
        return QStringLiteral("<Set_0><AdvancedSetting><UnsolicitedRetry Result=\"%1\"/></AdvancedSetting></Set_0>")
            .arg(QString::fromLatin1(value));
    };
    const QByteArray endless = retry("100").toUtf8();
    const QByteArray tooMany = retry("70000").toUtf8();
    Check<Master>({
        {"retries 100 mean endless", endless.constData(), [](const Master& m) { return N(m.UnsolicitedRetry); }, "100"},
        {"retries above the triple", tooMany.constData(), [](const Master& m) { return N(m.UnsolicitedRetry); }, "0"},
        {"enable 2", R"(<Set_0><EnableDnp3Master Result="2"/></Set_0>)",
         [](const Master& m) { return N(m.EnableDnp3Master); }, "0"},
        {"port above the triple", R"(<Set_0><BasicSetting><DestinationPort Result="65520"/></BasicSetting></Set_0>)",
         [](const Master& m) { return N(m.DestinationPort); }, "0"},
        {"event storage below the triple",
         R"(<Set_0><AdvancedSetting><MaximumBinaryEventStorage Result="99"/></AdvancedSetting></Set_0>)",
         [](const Master& m) { return N(m.MaximumBinaryEventStorage); }, "1000"},
        {"class flag missing",
         R"(<Set_0><AdvancedSetting><NumberofUnsolicitedClass2 Result="7"/></AdvancedSetting></Set_0>)",
         [](const Master& m) { return N(m.EnableUnsolicitedClass2); }, "0"},
        {"name without Result", R"(<Set_0><Name/></Set_0>)", [](const Master& m) { return m.Name; }, "Name"},
        {"no name at all", R"(<Set_0/>)", [](const Master& m) { return m.Name; }, ""},
        {"no address text", R"(<Set_0/>)", [](const Master& m) { return m.MasterIP; }, ""},
    });
}

TEST_F(ServiceElementRead, Dnp3OutstationReadsPointsExactlyAndStopsAtAStranger)
{
    CDataCenter model;
    IXMLElement* outstation = LoadXml(QStringLiteral(R"(<DNP3_Outstation Result="1">
        <LocalAddr Result="5"/><LocalPort Result="65520"/>
        <Set_0><Name Result="M"/></Set_0><Other/>
        <Counter><Quantity Result="9"/><StaticVariation Result="4"/>
          <Tag_0><General Name="P" ResourceID="1.2.3"/>
            <EventCondition><CounterCondition ConditionEnable="1" ChangeDeviation="-9223372036854775808"/>
              <AIDeadband Range="3" Percentage="9007199254740993"/></EventCondition>
            <MasterClass><Set_0 Class="5"/></MasterClass></Tag_0>
          <Tag_1><MasterClass><Set_0 Class="4"/></MasterClass></Tag_1>
          <Other/><Tag_2/>
        </Counter></DNP3_Outstation>)"));
    model.LoadDnp3Outstation(outstation);
    EXPECT_EQ(model.LoadDnp3Points(outstation), 0);

    EXPECT_EQ(model.Dnp3Outstation.LocalAddr, 5);
    EXPECT_EQ(model.Dnp3Outstation.LocalPort, 0) << "out of the triple: its default";
    ASSERT_EQ(model.Dnp3Outstation.Masters.size(), 1) << "the read masters replace the reset ones";
    EXPECT_EQ(model.Dnp3Outstation.Masters[0].Name, QStringLiteral("M"));

    const Dnp3PointGroup& counter = model.Dnp3Groups[4];
    EXPECT_EQ(counter.StaticVariation, 4);
    EXPECT_EQ(counter.EventVariation, 0) << "missing: 0";
    ASSERT_EQ(counter.Points.size(), 2);
    const DNP3_POINT_SETTINGS& point = counter.Points[0];
    EXPECT_EQ(point.Name, QStringLiteral("P"));
    EXPECT_EQ(point.ResourceID, QStringLiteral("1.2.3"));
    EXPECT_EQ(point.ChangeDeviation, std::numeric_limits<qint64>::min());
    EXPECT_EQ(point.DeadbandInteger, 9007199254740993LL);
    EXPECT_EQ(point.Range, 3);
    EXPECT_EQ(point.SBICondition, 0) << "under a missing element: 0";
    EXPECT_EQ(point.Class, 0) << "class 5 is above 4";
    EXPECT_EQ(counter.Points[1].Class, 4);
    EXPECT_TRUE(model.Dnp3Groups[0].Points.isEmpty()) << "a missing group stays as it was";
    EXPECT_EQ(model.Dnp3Groups[0].StaticVariation, 1);
}

TEST_F(ServiceElementRead, DataLogProfileFallsBackAndKeepsTheUploadWithoutItsElement)
{
    using Profile = DATA_LOG_ITEM_SETTINGS;
    const char* minimal = R"(<Set_1><LogCondition><Interval Result="10"/></LogCondition></Set_1>)";
    Check<Profile>({
        {"interval in range", minimal, [](const Profile& p) { return N(p.Profile.LogInterval); }, "10"},
        {"interval 0", R"(<Set_0><LogCondition><Interval Result="0"/></LogCondition></Set_0>)",
         [](const Profile& p) { return N(p.Profile.LogInterval); }, "5"},
        {"missing name", minimal, [](const Profile& p) { return p.Profile.Name; }, "Set_1"},
        {"trigger NA",
         R"(<Set_0><LogCondition><LogTriggerTag><ResID Result="na"/></LogTriggerTag></LogCondition></Set_0>)",
         [](const Profile& p) { return p.Profile.LogTriggerTag; }, ""},
        {"start/stop NA", R"(<Set_0><StartStopTag><ResID Result="NA"/></StartStopTag></Set_0>)",
         [](const Profile& p) { return p.Profile.StartStopTag; }, ""},
        {"records below the range",
         R"(<Set_0><LogSettings><FileSplit><Records Enable="1" Result="99"/></FileSplit></LogSettings></Set_0>)",
         [](const Profile& p) { return N(p.Profile.RecordsPerFile) + N(p.Profile.RecordsEnable); }, "5001"},
        {"selected tags by name",
         R"(<Set_0><SelectedTag><Quantity Result="9"/><Tag_0 Result="1.1.1" TagName="A"/><Tag_5/><MyTag_x Result="2.2.2"/><Tags/></SelectedTag></Set_0>)",
         [](const Profile& p) { return Pairs(p.SelectedTags); }, "A=1.1.1|=|=2.2.2"},
        {"upload retries above the range",
         R"(<Set_0><FTPUpload><ErrorHandlingRetry Result="101"/></FTPUpload></Set_0>)",
         [](const Profile& p) { return N(p.Upload.ErrorHandlingRetry); }, "0"},
        {"upload mode is read back", R"(<Set_0><FTPUpload><Mode Result="1"/></FTPUpload></Set_0>)",
         [](const Profile& p) { return N(p.Upload.Mode); }, "1"},
        {"upload trigger NA is a text",
         R"(<Set_0><FTPUpload><FTPUploadTriggerTag><ResID Result="NA"/></FTPUploadTriggerTag></FTPUpload></Set_0>)",
         [](const Profile& p) { return p.Upload.FTPUploadTriggerTag; }, "NA"},
    });

    DATA_LOG_UPLOAD_SETTINGS upload;
    upload.FTPServer = QStringLiteral("kept");
    upload.Port = 2121;
    upload.Mode = 1;
    upload.Load(LoadXml(QStringLiteral("<Set_0/>")));
    EXPECT_EQ(upload.FTPServer, QStringLiteral("kept")) << "no FTPUpload: nothing changes";
    EXPECT_EQ(upload.Port, 2121);
    upload.Load(LoadXml(QStringLiteral("<Set_0><FTPUpload/></Set_0>")));
    EXPECT_EQ(upload.Mode, 1) << "a missing mode keeps the current one";
    EXPECT_EQ(upload.FTPServer, QString());
}

TEST_F(ServiceElementRead, DataLogServiceBuildsTheUploadTagsWithTheTriggersFlag)
{
    DATA_LOG_SETTINGS logging;
    logging.Load(LoadXml(QStringLiteral(R"(<Data_Logging><Quantity Result="1"/>
        <Set_0><Index Result="3"/><FTPUpload><FTPUploadTriggerTag><ResID Result="0.3.124.0"/></FTPUploadTriggerTag></FTPUpload></Set_0>
        <Profile><Index Result="4"/></Profile></Data_Logging>)")));
    ASSERT_EQ(logging.Profiles.size(), 2) << "every child after Set_0 is a profile";
    EXPECT_EQ(logging.Profiles[0].UploadTagDefinitions.value(0).Name, QStringLiteral("S124_3_1_1"));
    EXPECT_EQ(logging.Profiles[1].UploadTagDefinitions.value(0).Name, QStringLiteral("S124_4_1_0"));
    EXPECT_EQ(logging.Profiles[1].LogTagDefinitions.value(0).Name, QStringLiteral("S114_4_1_1"));
    EXPECT_EQ(logging.Profiles[1].Profile.Name, QStringLiteral("Profile")) << "nothing carries over";

    DATA_LOG_SETTINGS none;
    none.Load(nullptr);
    EXPECT_TRUE(none.Profiles.isEmpty());
}

TEST_F(ServiceElementRead, HighSpeedProfileFallsBackToItsDefaults)
{
    using Profile = HS_DATA_LOG_ITEM_SETTINGS;
    const Profile fresh;
    Check<Profile>({
        {"file count in range", R"(<Set_0><FilesOfLog Result="20"/></Set_0>)",
         [](const Profile& p) { return N(p.Profile.FilesOfLog); }, "20"},
        {"file count 0", R"(<Set_0><FilesOfLog Result="0"/></Set_0>)",
         [](const Profile& p) { return N(p.Profile.FilesOfLog); }, N(fresh.Profile.FilesOfLog)},
        {"file count missing", "<Set_0/>", [](const Profile& p) { return N(p.Profile.FilesOfLog); },
         N(fresh.Profile.FilesOfLog)},
        {"trigger NA", R"(<Set_0><TriggerTag><ResID Result="na"/></TriggerTag></Set_0>)",
         [](const Profile& p) { return p.Profile.TriggerTag; }, ""},
        {"missing name stays empty", "<Set_3/>", [](const Profile& p) { return p.Profile.ProfileName; }, ""},
        {"tries above the range", R"(<Set_0><FTPUpload><ErrorHandlingRetry Result="101"/></FTPUpload></Set_0>)",
         [](const Profile& p) { return N(p.Upload.Tries); }, N(fresh.Upload.Tries)},
        {"time-out in range", R"(<Set_0><FTPUpload><ErrorHandlingDelay Result="3600"/></FTPUpload></Set_0>)",
         [](const Profile& p) { return N(p.Upload.Timeout); }, "3600"},
        {"upload status NA",
         R"(<Set_0><FTPUpload><FTPUploadStatusTag><ResID Result="NA"/></FTPUploadStatusTag></FTPUpload></Set_0>)",
         [](const Profile& p) { return p.Upload.UploadStatusTag; }, ""},
        {"selected tags by name",
         R"(<Set_0><SelectedTag><Quantity Result="5"/><Tag_0 Result="1.1.1" TagName="A"/><Other/><Tag_2 Result="2.2.2"/></SelectedTag></Set_0>)",
         [](const Profile& p) { return Pairs(p.SelectedTags); }, "A=1.1.1|=2.2.2"},
    });
}

TEST_F(ServiceElementRead, HighSpeedServiceReadsEveryProfileFromTheFirstOn)
{
    CDataCenter model;
    model.HighSpeedLogProfiles.resize(1); // opening appends
    const QString path = PathOf(QStringLiteral("fast.pelx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<Project><Product><ServiceConfiguration><HighSpeed_Data_Logging Result="1">
        <Quantity Result="7"/><Set_0><Name Result="A"/><FilesOfLog Result="9"/></Set_0>
        <Profile><Name Result="B"/></Profile></HighSpeed_Data_Logging></ServiceConfiguration></Product></Project>)");
    file.close();
    ASSERT_EQ(OpenServices(model, path), kS_OK);
    ASSERT_EQ(model.HighSpeedLogProfiles.size(), 3u);
    EXPECT_EQ(model.HighSpeedLogProfiles[1].Profile.ProfileName, QStringLiteral("A"));
    EXPECT_EQ(model.HighSpeedLogProfiles[2].Profile.ProfileName, QStringLiteral("B"));
    EXPECT_EQ(model.HighSpeedLogProfiles[2].Profile.FilesOfLog, HS_DATA_LOG_PROFILE_SETTINGS().FilesOfLog)
        << "nothing carries over";
}

TEST_F(ServiceElementRead, ModbusSlaveFallsBackAndTurnsAFlatListIntoSets)
{
    using Slave = MODBUS_SLAVE_SETTINGS;
    const char* flat = R"(<Modbus_Slave><Quantity Result="3"/>
        <Set_0><Name Result="A"/><ModbusMap Result="4"/><ModbusAddress Result="65536"/></Set_0>
        <Set_1><Name Result="B"/><DataType Result="2"/></Set_1><Set_2><Name Result="C"/></Set_2></Modbus_Slave>)";
    Check<Slave>({
        {"listen port 0", R"(<Modbus_Slave><ListenPort Result="0"/></Modbus_Slave>)",
         [](const Slave& s) { return N(s.ListenPort); }, "502"},
        {"missing Ethernet switch", R"(<Modbus_Slave/>)", [](const Slave& s) { return N(s.EnEthernet); }, "1"},
        {"serial unit above 247", R"(<Modbus_Slave><SerialUnitID Result="248"/></Modbus_Slave>)",
         [](const Slave& s) { return N(s.SerialUnitID); }, "1"},
        {"flat list: one set per item", flat,
         [](const Slave& s) {
             QStringList sets;
             for (const MODBUS_SLAVE_TAG_SET& set : s.MulitTagSet)
                 sets.append(QStringLiteral("%1:%2:%3:%4")
                                 .arg(set.Name)
                                 .arg(set.Index)
                                 .arg(set.TagDataType)
                                 .arg(set.Items.size()));
             return sets.join(u' ');
         },
         "A:0:999:1 B:1:999:1 C:2:999:1"},
        {"flat list clears the flag", flat, [](const Slave& s) { return N(s.HasMultiTagSet); }, "0"},
        {"map out of range", flat, [](const Slave& s) { return N(s.MulitTagSet.value(0).Items.value(0).ModbusMap); },
         "-1"},
        {"address out of range", flat,
         [](const Slave& s) { return N(s.MulitTagSet.value(0).Items.value(0).ModbusAddress); }, "0"},
        {"missing data type", flat, [](const Slave& s) { return N(s.MulitTagSet.value(0).Items.value(0).DataType); },
         "-1"},
        {"grouped list wins",
         R"(<Modbus_Slave><Set_0/><MulitTagSet><Set_0><Set_0><Name Result="x"/></Set_0><Set_1/></Set_0><Other/></MulitTagSet></Modbus_Slave>)",
         [](const Slave& s) {
             return N(s.MulitTagSet.size()) + N(s.MulitTagSet.value(0).Items.size()) + N(s.HasMultiTagSet);
         },
         "121"},
        {"set without a name takes none of its items'",
         R"(<Modbus_Slave><MulitTagSet><Set_0><Set_0><Name Result="item"/></Set_0></Set_0></MulitTagSet></Modbus_Slave>)",
         [](const Slave& s) { return s.MulitTagSet.value(0).Name + u'/' + N(s.MulitTagSet.value(0).TagDataType); },
         "/999"},
    });
}

TEST_F(ServiceElementRead, ModbusDeviceFallsBackAndReadsOlderCommandLists)
{
    using Device = MODBUS_EXTERNAL_DEVICE_SETTINGS;
    const char* legacy = R"(<Set_0><Index Result="6"/><Resource>
        <Set_0><Name Result="Read"/><Function_Code Result="3"/><SwappedValue Result="NA"/><ResID Result="1.1.1"/><Start_Addr Result="10"/><Quantity Result="2"/></Set_0>
        <Set_1><Name Result="Read"/><ResID Result="1.1.2"/><ReferenceAddress Result="40012"/><DataTypeSize Result="2"/><SwappedValue Result="1"/></Set_1>
        <Set_2><Name Result="Write"/></Set_2></Resource></Set_0>)";
    auto command = [](const Device& d, int i) { return d.Commands.value(i); };
    Check<Device>({
        {"serial device: address NA",
         R"(<Set_0><RTUPort Result="S_1-P_2"/><IpAddress Result="NA"/><TCPPort Result="NA"/></Set_0>)",
         [](const Device& d) { return d.IpAddress + u'/' + N(d.TCPPort); }, "/0"},
        {"keep-alive above a day", R"(<Set_0><KeepAliveInterval Result="86401"/></Set_0>)",
         [](const Device& d) { return N(d.KeepAliveInterval); }, "10"},
        {"missing values", R"(<Set_0/>)",
         [](const Device& d) {
             return QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(d.Polling_Delay)
                 .arg(d.Timeout)
                 .arg(d.UnitID)
                 .arg(d.RecoverDelay)
                 .arg(d.FailRetry);
         },
         "3 5000 1 10 1"},
        {"missing error tag", R"(<Set_0><StatusTag><ResID Result="0.1.105.1"/></StatusTag></Set_0>)",
         [](const Device& d) { return d.StatusTag + u'/' + d.ErrorTag; }, "0.1.105.1/"},
        {"legacy list: one command per resource", legacy, [](const Device& d) { return N(d.Commands.size()); }, "3"},
        {"legacy command", legacy,
         [=](const Device& d) {
             const MODBUS_COMMAND_SETTINGS c = command(d, 0);
             const MODBUS_COMMAND_RESOURCE r = c.Resources.value(0);
             return QStringLiteral("%1 fc%2 sw%3 start%4 total%5 scan%6 | %7 %8 %9 %10 %11 len%12 n%13")
                 .arg(c.Name)
                 .arg(c.Function_Code)
                 .arg(c.SwappedValue)
                 .arg(c.Start_Addr)
                 .arg(c.TotalLength)
                 .arg(c.ScanRate)
                 .arg(r.ResID)
                 .arg(r.Start_Addr)
                 .arg(r.ReferenceAddress)
                 .arg(r.DataType)
                 .arg(r.DataTypeSize)
                 .arg(r.Length)
                 .arg(c.Resources.size());
         },
         "Read fc3 sw2 start10 total2 scan1000 | 1.1.1 10 10001 0 0 len2 n1"},
        {"legacy resource without size or length", legacy,
         [=](const Device& d) {
             const MODBUS_COMMAND_RESOURCE r = command(d, 2).Resources.value(0);
             return QStringLiteral("%1 %2 %3").arg(r.ReferenceAddress).arg(r.DataTypeSize).arg(r.Length);
         },
         "10001 0 0"},
        {"legacy swap kept", legacy, [=](const Device& d) { return N(command(d, 1).SwappedValue); }, "1"},
        {"no commands when the count is 0",
         R"(<Set_0><MultiTagQuantity Result="0"/><MultiTagResource><Set_0/></MultiTagResource></Set_0>)",
         [](const Device& d) { return N(d.Commands.size()); }, "0"},
        {"count without a number",
         R"(<Set_0><Resource><Set_0/></Resource><MultiTagQuantity/><MultiTagResource><Set_0/></MultiTagResource></Set_0>)",
         [](const Device& d) { return N(d.Commands.size()); }, "0"},
        {"grouped command",
         R"(<Set_0><MultiTagQuantity Result="1"/><MultiTagResource><Set_0><Name Result="C"/><Resource><Set_0><ResID Result="1.1.1"/><Start_Addr Result="4"/></Set_0><Set_1/></Resource></Set_0></MultiTagResource></Set_0>)",
         [=](const Device& d) {
             const MODBUS_COMMAND_SETTINGS c = command(d, 0);
             const MODBUS_COMMAND_RESOURCE r = c.Resources.value(1);
             return QStringLiteral("%1 start%2 sw%3 scan%4 n%5 | %6 %7 %8")
                 .arg(c.Name)
                 .arg(c.Start_Addr)
                 .arg(c.SwappedValue)
                 .arg(c.ScanRate)
                 .arg(c.Resources.size())
                 .arg(r.ReferenceAddress)
                 .arg(r.DataTypeSize)
                 .arg(r.Length);
         },
         "C start0 sw2 scan1000 n2 | 10001 0 0"},
        {"device without a name takes none of its commands'",
         R"(<Set_0><MultiTagQuantity Result="1"/><MultiTagResource><Set_0><Name Result="C"/></Set_0></MultiTagResource></Set_0>)",
         [](const Device& d) { return d.Name; }, ""},
        {"automatic tags of the device", R"(<Set_0><Index Result="6"/></Set_0>)",
         [](const Device& d) { return d.TagDefinitions.value(1).Name; }, "S105_6_2_1"},
    });
}

TEST_F(ServiceElementRead, SnmpAgentFillsMissingObjectNumbersAndKeepsWhatIsMissing)
{
    using Agent = SNMP_AGENT_SETTINGS;
    Check<Agent>({
        {"OIDs follow the previous entry read",
         R"(<SNMP_Agent><TagTable Quantity="3"><Tag_0 TagName="a"/><Tag_2 TagName="c"/></TagTable></SNMP_Agent>)",
         [](const Agent& a) {
             QStringList oids;
             for (const SNMP_AGENT_TAG_ITEM& tag : a.TagTable)
                 oids.append(tag.TagName + u'=' + N(tag.OID));
             return oids.join(u' ');
         },
         "a=0 c=1"},
        {"entries in number order",
         R"(<SNMP_Agent><TagTable Quantity="2"><Tag_1 OID="4294967295"/><Tag_0 OID="7"/></TagTable></SNMP_Agent>)",
         [](const Agent& a) { return N(a.TagTable.value(0).OID) + u' ' + N(a.TagTable.value(1).OID); }, "7 4294967295"},
        {"entries beyond the count are not read",
         R"(<SNMP_Agent><TagTable Quantity="1"><Tag_0/><Tag_1/></TagTable></SNMP_Agent>)",
         [](const Agent& a) { return N(a.TagTable.size()); }, "1"},
        {"a huge count costs nothing",
         R"(<SNMP_Agent><TagTable Quantity="2147483647"><Tag_0/><Tag_99/></TagTable></SNMP_Agent>)",
         [](const Agent& a) { return N(a.TagTable.size()); }, "2"},
        {"missing attributes", R"(<SNMP_Agent/>)",
         [](const Agent& a) { return N(a.EnableServer) + N(a.Version) + a.Contact; }, "00"},
        {"unsigned version", R"(<SNMP_Agent Version="4294967295"/>)", [](const Agent& a) { return N(a.Version); },
         "4294967295"},
    });

    SNMP_AGENT_SETTINGS agent;
    agent.ReadCommunity = QStringLiteral("kept");
    agent.V3RO.UserName = QStringLiteral("kept");
    agent.TagTable.append(SNMP_AGENT_TAG_ITEM{});
    agent.Load(LoadXml(QStringLiteral(R"(<SNMP_Agent><V3RW UserName="w"/></SNMP_Agent>)")));
    EXPECT_EQ(agent.ReadCommunity, QStringLiteral("kept")) << "no V1V2C: the communities stay";
    EXPECT_EQ(agent.V3RO.UserName, QStringLiteral("kept")) << "no V3RO: the account stays";
    EXPECT_EQ(agent.V3RW.UserName, QStringLiteral("w"));
    EXPECT_EQ(agent.TagTable.size(), 1) << "no TagTable: the table stays";
}

} // namespace
