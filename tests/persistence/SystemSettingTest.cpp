// The controller-wide groups of slot 0: time, FTP accounts, the switches and the log switches.
#include "CDataCenter.h"
#include "ProjectFileFixture.h"

namespace {

class SystemSettingTest : public ProjectFileTest {
protected:
    IXMLElement* NewSlot()
    {
        IXMLElement* slot = NewDocument(QStringLiteral("Slot_0"));
        slot->AddChild(QStringLiteral("Setting"));
        return slot;
    }
};

TEST_F(SystemSettingTest, TimeSettingLayout)
{
    CDataCenter model;
    model.Time.TimeZone = 35;
    model.Time.SyncInterval = 60;
    model.Time.TimeServers = {QStringLiteral("127.0.0.1"), QStringLiteral("localhost")};
    IXMLElement* slot = NewSlot();
    model.SaveTimeSetting(slot);
    EXPECT_EQ(ChildNames(At(slot, "Setting/TimeSetting")), (QStringList{"TimeZone", "TimeServer"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/TimeSetting/TimeServer")),
              (QStringList{"SyncInterval", "Quantity", "Set_0", "Set_1"}));
    EXPECT_EQ(ResultAt(slot, "Setting/TimeSetting/TimeZone"), "35");
    EXPECT_EQ(ResultAt(slot, "Setting/TimeSetting/TimeServer/SyncInterval"), "60");
    EXPECT_EQ(ResultAt(slot, "Setting/TimeSetting/TimeServer/Quantity"), "2");
    EXPECT_EQ(ResultAt(slot, "Setting/TimeSetting/TimeServer/Set_1/TimeServer"), "localhost");
}

TEST_F(SystemSettingTest, TimeSettingFallbacks)
{
    const struct {
        const char* label;
        const char* xml;
        int timeZone;
        int syncInterval;
        QStringList servers;
    } cases[] = {
        {"in range",
         "<TimeSetting><TimeZone Result=\"62\"/><TimeServer><SyncInterval Result=\"5\"/></TimeServer>"
         "</TimeSetting>",
         62,
         5,
         {}},
        {"zone 63", "<TimeSetting><TimeZone Result=\"63\"/></TimeSetting>", 22, 1440, {}},
        {"zone not a number", "<TimeSetting><TimeZone Result=\"abc\"/></TimeSetting>", 0, 1440, {}},
        {"nothing", "<TimeSetting/>", 22, 1440, {}},
        {"interval below its range",
         "<TimeSetting><TimeServer><SyncInterval Result=\"4\"/></TimeServer></TimeSetting>",
         22,
         1440,
         {}},
        {"three items whatever the quantity",
         "<TimeSetting><TimeServer><Quantity Result=\"1\"/><Set_0><TimeServer Result=\"a\"/></Set_0>"
         "<Other><TimeServer Result=\"b\"/></Other><Set_3/></TimeServer></TimeSetting>",
         22,
         1440,
         {"a", "b", "Set_3"}},
        {"no Set_0",
         "<TimeSetting><TimeServer><Set_1><TimeServer Result=\"a\"/></Set_1></TimeServer></TimeSetting>",
         22,
         1440,
         {}},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.Time.TimeZone = 7;
        model.Time.SyncInterval = 9;
        model.ReadTimeSettingElement(LoadXml(c.xml), 0);
        EXPECT_EQ(model.Time.TimeZone, c.timeZone) << c.label;
        EXPECT_EQ(model.Time.SyncInterval, c.syncInterval) << c.label;
        EXPECT_EQ(model.Time.TimeServers, c.servers) << c.label;
    }
}

TEST_F(SystemSettingTest, FtpPasswordsAreStoredScrambledOnly)
{
    CDataCenter written;
    written.FtpServer.Enable = 1;
    written.FtpServer.Accounts = {{QString(), QStringLiteral("admin"), QStringLiteral("pa55word"), {}},
                                  {QStringLiteral("Backup login"), QStringLiteral("nopass"), QString(), {}}};
    IXMLElement* slot = NewSlot();
    written.SaveFtpServer(At(slot, "Setting"), true);
    EXPECT_EQ(ChildNames(At(slot, "Setting")), (QStringList{"FtpServer", "FtpAccount"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/FtpAccount")), (QStringList{"Quantity", "Set_0", "Set_1"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/FtpAccount/Set_0")), (QStringList{"Username", "Password"}))
        << "no comment, no element";
    EXPECT_EQ(ChildNames(At(slot, "Setting/FtpAccount/Set_1")), (QStringList{"Username", "Password", "Comment"}));
    EXPECT_EQ(ResultAt(slot, "Setting/FtpAccount/Set_1/Comment"), "Backup login");
    EXPECT_EQ(ResultAt(slot, "Setting/FtpAccount/Set_1/Password"), "");
    const QByteArray bytes = SaveBytes(slot, QStringLiteral("ftp.xml"));
    EXPECT_FALSE(bytes.contains("pa55word"));

    CDataCenter reread;
    IXMLElement* loaded = LoadFile(QStringLiteral("ftp.xml"));
    reread.ReadFtpServerElement(At(loaded, "Setting/FtpServer"), 0);
    reread.ReadFtpAccountElement(At(loaded, "Setting/FtpAccount"), 0);
    EXPECT_EQ(reread.FtpServer.Enable, 1);
    EXPECT_EQ(reread.FtpServer.Accounts, written.FtpServer.Accounts);

    CDataCenter partial;
    partial.ReadFtpAccountElement(LoadXml("<FtpAccount><Set_0><Username Result=\"u\"/></Set_0><Set_1/></FtpAccount>"),
                                  0);
    ASSERT_EQ(partial.FtpServer.Accounts.size(), 2);
    EXPECT_EQ(partial.FtpServer.Accounts[0].UserName, "u");
    EXPECT_EQ(partial.FtpServer.Accounts[0].Password, "");
    partial.ReadFtpServerElement(LoadXml("<FtpServer><Enable Result=\"5\"/></FtpServer>"), 0);
    EXPECT_EQ(partial.FtpServer.Enable, 5); // any integer
    partial.ReadFtpServerElement(LoadXml("<FtpServer/>"), 0);
    EXPECT_EQ(partial.FtpServer.Enable, 0);
    EXPECT_EQ(partial.ParseFtpAccounts(LoadXml("<FtpAccount><Set_0/></FtpAccount>"), 7), 0); // unknown flag
    EXPECT_EQ(partial.FtpServer.Accounts.size(), 2);
}

TEST_F(SystemSettingTest, SwitchEnablesReadOnlyZeroOrOne)
{
    const struct {
        const char* xml;
        int expected;
    } cases[] = {
        {"<ToggleSwitchControl><Enable Result=\"1\"/></ToggleSwitchControl>", 1},
        {"<ToggleSwitchControl><Enable Result=\"0\"/></ToggleSwitchControl>", 0},
        {"<ToggleSwitchControl><Enable Result=\"2\"/></ToggleSwitchControl>", 0},
        {"<ToggleSwitchControl/>", 0},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.ToggleSwitchEnable = 7;
        model.RotarySwitchEnable = 7;
        IXMLElement* element = LoadXml(c.xml);
        model.ReadToggleSwitchElement(element, 0);
        model.ReadRotarySwitchElement(element, 0);
        EXPECT_EQ(model.ToggleSwitchEnable, c.expected) << c.xml;
        EXPECT_EQ(model.RotarySwitchEnable, c.expected) << c.xml;
    }
    CDataCenter model;
    model.ToggleSwitchEnable = 1;
    IXMLElement* slot = NewSlot();
    model.SaveToggleSwitchControl(slot);
    model.SaveRotarySwitchControl(slot);
    EXPECT_EQ(ResultAt(slot, "Setting/ToggleSwitchControl/Enable"), "1");
    EXPECT_EQ(ResultAt(slot, "Setting/RotarySwitchControl/Enable"), "0");
}

TEST_F(SystemSettingTest, LogSwitchesKeepTheirValuesInAttributes)
{
    CDataCenter model;
    model.LogEnable.Entries[0] = {65535, 1, 4, 0};
    model.LogEnable.Entries[3] = {3, 1, 2, 1};
    IXMLElement* slot = NewSlot();
    model.SaveSystemServiceFlags(slot);
    EXPECT_EQ(ChildNames(At(slot, "Setting/SystemLog")), (QStringList{"System", "Service", "IECEngine"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/SystemLog/Service")),
              (QStringList{"EmailAlarm", "SMSAlarm", "DataLogging", "ModbusMaster", "ModbusSlave", "TAVO", "Cellular",
                           "SNMPTrapAlarm", "SNMPAgent", "RESTfulAPI", "DNP3Outstation"}));
    EXPECT_EQ(AttributeTexts(At(slot, "Setting/SystemLog/System")),
              (QStringList{"serviceID=65535", "debugFlag=2", "level=4", "storage=0"}));
    EXPECT_EQ(AttributeTexts(At(slot, "Setting/SystemLog/Service/DataLogging")),
              (QStringList{"serviceID=3", "debugFlag=2", "level=2"}));
    EXPECT_EQ(AttributeTexts(At(slot, "Setting/SystemLog/IECEngine")),
              (QStringList{"serviceID=0", "debugFlag=0", "level=1"}));
}

TEST_F(SystemSettingTest, LogSwitchesReadOnlyWhatIsPresent)
{
    CDataCenter model;
    model.ReadSystemLogElement(LoadXml(R"(<SystemLog>
        <System debugFlag="1" storage="0"/>
        <Service><SMSAlarm serviceID="9" debugFlag="2"/><Cellular level="5" storage="0"/>
                 <IECEngine serviceID="77" debugFlag="2"/></Service>
        </SystemLog>)"),
                               0);
    LogEnableTable expected;
    expected.Reset();
    expected.Entries[0].storage = 0; // "debugFlag" 1 means off
    expected.Entries[2].serviceID = 9;
    expected.Entries[2].debugFlag = 1;
    expected.Entries[7].level = 5;       // a service entry has no storage
    expected.Entries[12].serviceID = 77; // also found inside "Service"
    expected.Entries[12].debugFlag = 1;
    EXPECT_EQ(model.LogEnable.Entries, expected.Entries);
    model.LoadSystemServiceFlags(nullptr);
    EXPECT_EQ(model.LogEnable.Entries, expected.Entries);
}

} // namespace
