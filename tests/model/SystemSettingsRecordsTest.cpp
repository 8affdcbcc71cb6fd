#include "DefaultSettingsFolder.h"

#include "CELLULAR_SETTINGS.h"
#include "CONDITION_SETTINGS.h"
#include "FtpServerSettings.h"
#include "SMTP_SERVER_SETTINGS.h"
#include "SNMP_AGENT_SETTINGS.h"
#include "SYSTEM_LOG_SETTINGS.h"
#include "TIME_SETTINGS.h"

namespace {

class SystemSettingsRecordsTest : public DefaultSettingsFolder {};

TEST_F(SystemSettingsRecordsTest, TimeSettingsWithoutTheFileTakeZone22AndADailySync)
{
    UseNoDefaultSettings();
    TIME_SETTINGS time;
    EXPECT_EQ(time.TimeZone, 22);
    EXPECT_EQ(time.SyncInterval, 1440);

    time.TimeZone = 3;
    time.SyncInterval = 5;
    time.TimeServers = {"127.0.0.1"};
    time.Reset();
    EXPECT_EQ(time.TimeZone, 22);
    EXPECT_EQ(time.SyncInterval, 1440);
    EXPECT_TRUE(time.TimeServers.isEmpty());
}

TEST_F(SystemSettingsRecordsTest, ConditionAndSystemLogResetToTheirTriplesDefaults)
{
    UseDefaultSettings("[Condition]\nQueueValue=800,100,5000\n"
                       "[SystemLog]\nPortValue=514,1,65535\nConnectTimeoutValue=30,1,300\n"
                       "ReconnectTimeoutValue=120,5,86400\n");
    CONDITION_SETTINGS condition;
    condition.QueueSize = 1;
    condition.SecondValue = 1;
    condition.Entries = {"x"};
    condition.Reset();
    EXPECT_EQ(condition.QueueSize, 800);
    EXPECT_EQ(condition.SecondValue, 0);
    EXPECT_TRUE(condition.Entries.isEmpty());

    SYSTEM_LOG_SETTINGS log;
    log.FirstValue = log.ValueAfterEntries = log.Port = log.ConnectTimeout = log.ReconnectTimeout = 1;
    log.Entries = {"x"};
    log.FirstText = log.SecondText = log.ThirdText = "x";
    log.Reset();
    EXPECT_EQ(log.FirstValue, 0);
    EXPECT_EQ(log.ValueAfterEntries, 0);
    EXPECT_EQ(log.Port, 514);
    EXPECT_EQ(log.ConnectTimeout, 30);
    EXPECT_EQ(log.ReconnectTimeout, 120);
    EXPECT_TRUE(log.Entries.isEmpty());
    EXPECT_EQ(log.FirstText + log.SecondText + log.ThirdText, QString());
}

TEST_F(SystemSettingsRecordsTest, SmtpSetDefaultsEmptiesTextsAndUsersAndTakesTheDefaultPort)
{
    UseDefaultSettings("[SMTP]\nPortValue=587,1,65535\n");
    SMTP_SERVER_SETTINGS server;
    EXPECT_EQ(server.Port, 587);
    server.Name = "Mail";
    server.Description = "Office";
    server.ServerAddress = "127.0.0.1";
    server.Port = 25;
    server.Account = "alarm";
    server.Password = "secret";
    server.Users.append({137, 0});
    server.SetDefaults();
    EXPECT_EQ(server.Name + server.Description + server.ServerAddress + server.Account + server.Password, QString());
    EXPECT_EQ(server.Port, 587);
    EXPECT_TRUE(server.Users.isEmpty());
}

TEST_F(SystemSettingsRecordsTest, CellularCheckIntervalTakesTheTriplesDefault)
{
    UseDefaultSettings("[Cellular]\nPINGCheckRetryInterval=60,10,600\n");
    const CELLULAR_SETTINGS cellular;
    EXPECT_EQ(cellular.AutoCheckEnable, 0);
    EXPECT_TRUE(cellular.AutoCheckHostname.isEmpty());
    EXPECT_EQ(cellular.AutoCheckInterval, 60);
}

TEST(FtpServerSettingsTest, ResetDisablesTheServerAndDropsTheAccounts)
{
    FtpServerSettings ftp{1, {FtpAccountRecord{"", "user", "secret", {}}}};
    ftp.Reset();
    EXPECT_EQ(ftp.Enable, 0);
    EXPECT_TRUE(ftp.Accounts.isEmpty());
}

TEST(SnmpAgentSettingsTest, SetDefaultsEmptiesEveryTextNumberAndTag)
{
    SNMP_AGENT_SETTINGS agent;
    agent.EnableServer = 1;
    agent.Version = 2;
    agent.Contact = agent.Location = agent.ReadCommunity = agent.WriteCommunity = "x";
    agent.V3RO = {"ro", 1, "authpass", 2, "privpass"};
    agent.V3RW = {"rw", 1, "authpass", 2, "privpass"};
    agent.TagTable.append({"Temperature", "1.2.3", 1, 7});
    agent.SetDefaults();

    EXPECT_EQ(agent.EnableServer, 0u);
    EXPECT_EQ(agent.Version, 0u);
    EXPECT_EQ(agent.Contact + agent.Location + agent.ReadCommunity + agent.WriteCommunity, QString());
    EXPECT_EQ(agent.V3RO, SNMP_AGENT_ACCOUNT{});
    EXPECT_EQ(agent.V3RW, SNMP_AGENT_ACCOUNT{});
    EXPECT_TRUE(agent.TagTable.isEmpty());
    EXPECT_EQ(agent.AutoResource, CAutoResource::GetInstance());
}

} // namespace
