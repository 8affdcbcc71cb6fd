#include "DefaultSettingsFolder.h"

#include "TAVO_SETTINGS.h"

namespace {

class TavoSettingsTest : public DefaultSettingsFolder {};

TEST_F(TavoSettingsTest, ServerLimitTakesTheFirstPieceOrTwoWhenAbsentOrEmpty)
{
    const struct {
        const char* file;
        qint32 expected;
    } cases[] = {
        {"", 2},
        {"LimitServerCount=\n", 2},
        {"LimitServerCount=0\n", 0},
        {"LimitServerCount=3,9\n", 3},
        {"LimitServerCount=x,4\n", 0},
    };
    for (const auto& c : cases) {
        UseDefaultSettings(QByteArray("[TAVO]\n") + c.file);
        const TAVO_SETTINGS tavo;
        qint32 limit = -1;
        EXPECT_EQ(tavo.GetLimit("LimitServerCount", limit), 1) << c.file;
        EXPECT_EQ(limit, c.expected) << c.file;
    }
}

TEST_F(TavoSettingsTest, LimitKeyIsComparedExactly)
{
    const TAVO_SETTINGS tavo;
    qint32 limit = -1;
    EXPECT_EQ(tavo.GetLimit("limitservercount", limit), 0);
    EXPECT_EQ(limit, -1);
}

TEST_F(TavoSettingsTest, ResetRestoresTheDefaultsAndEmptiesTheServersButKeepsTheLimits)
{
    UseDefaultSettings("[TAVO]\nQueueValue=800,100,900\nReconnectTimeoutValue=30,1,60\nLimitServerCount=4\n");
    TAVO_SETTINGS tavo;
    EXPECT_EQ(tavo.QueueSize, 800);
    EXPECT_EQ(tavo.ReconnectTimeout, 30);
    EXPECT_EQ(tavo.OperationMode, 0);
    EXPECT_EQ(tavo.QueueFullAction, 0);
    EXPECT_EQ(tavo.AutoResource, CAutoResource::GetInstance());

    tavo.OperationMode = 1;
    tavo.QueueSize = 123;
    tavo.ReconnectTimeout = 7;
    tavo.QueueFullAction = 2;
    tavo.Servers.append(TAVO_SERVER_ITEM_SETTINGS{});
    UseNoDefaultSettings(); // a reset does not read the file again
    tavo.Reset();

    EXPECT_EQ(tavo.OperationMode, 0);
    EXPECT_EQ(tavo.QueueSize, 800);
    EXPECT_EQ(tavo.ReconnectTimeout, 30);
    EXPECT_EQ(tavo.QueueFullAction, 0);
    EXPECT_TRUE(tavo.Servers.isEmpty());
    EXPECT_EQ(tavo.LimitServerCount, 4);
    EXPECT_EQ(tavo.QueueValue, (SettingTriple{800, 100, 900}));
}

TEST_F(TavoSettingsTest, ServerSetDefaultsEmptiesTextsAndTagsAndTakesTheTriplesDefaults)
{
    UseDefaultSettings("[TAVO]\nPortValue=4840,1,65535\nConnectTimeoutValue=20,1,300\nHeartbeatValue=5,1,60\n");
    TAVO_SERVER_ITEM_SETTINGS server;
    EXPECT_EQ(server.Port, 4840);
    EXPECT_EQ(server.Timeout, 20);
    EXPECT_EQ(server.Interval, 5);

    server.Name = "Push";
    server.ControlTag = "0.1.TAVOTrigger";
    server.IpAddress = "127.0.0.1";
    server.StatusTag = "0.1.TAVOStatus";
    server.Port = 1;
    server.Timeout = 2;
    server.Heartbeat = 1;
    server.Interval = 3;
    server.Unit = 2;
    server.Index = 9;
    server.TagDefinitions.append(TagDefinition{});
    server.SetDefaults();

    EXPECT_TRUE(server.Name.isEmpty());
    EXPECT_TRUE(server.ControlTag.isEmpty());
    EXPECT_TRUE(server.IpAddress.isEmpty());
    EXPECT_TRUE(server.StatusTag.isEmpty());
    EXPECT_EQ(server.Port, 4840);
    EXPECT_EQ(server.Timeout, 20);
    EXPECT_EQ(server.Interval, 5);
    EXPECT_EQ(server.Heartbeat, 0);
    EXPECT_EQ(server.Unit, 0);
    EXPECT_EQ(server.Index, 0);
    EXPECT_TRUE(server.TagDefinitions.isEmpty());
}

// A copy keeps the limits its original read, whatever the file says later.
TEST_F(TavoSettingsTest, CopiesCarryTheirTriples)
{
    UseDefaultSettings("[TAVO]\nPortValue=4840,1,5000\n");
    TAVO_SETTINGS tavo;
    tavo.Servers.append(TAVO_SERVER_ITEM_SETTINGS{});
    tavo.Servers.front().Name = "First";

    UseDefaultSettings("[TAVO]\nPortValue=1,1,1\n");
    const TAVO_SETTINGS copy = tavo;
    SettingTriple port;
    ASSERT_EQ(copy.Servers.size(), 1);
    EXPECT_EQ(copy.Servers.front().Name, "First");
    EXPECT_EQ(copy.Servers.front().GetTavoServerDefault("PortValue", port), 1);
    EXPECT_EQ(port, (SettingTriple{4840, 1, 5000}));
}

} // namespace
