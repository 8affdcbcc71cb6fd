// The connection table: handles, their reuse and range, the socket library's start count, and
// connections routed through a gateway by their MAC text.

#include "VornaIO.h"
#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <thread>

namespace {

constexpr std::uint16_t kRestart = 30002;
constexpr std::uint16_t kGateway = 30700;

int raisedBy(const std::function<void()>& work)
{
    try {
        work();
    } catch (int code) {
        return code;
    }
    return 0;
}

} // namespace

class ConnectionTableTest : public ::testing::Test {
protected:
    std::int32_t Connect(const char* mac = nullptr)
    {
        std::int32_t handle = 0;
        EXPECT_EQ(VORNA_ConnectEx(kLoopback, sim.port(), kTimeoutMs, &handle, mac), VORNA_RESULT_OK);
        return handle;
    }

    VornaSession session;
    pelsim::DeviceSimulator sim;
};

TEST_F(ConnectionTableTest, LowestFreeHandleIsTakenAgain)
{
    const std::int32_t first = Connect();
    const std::int32_t second = Connect();
    EXPECT_EQ(first, 10001);
    EXPECT_EQ(second, 10002);
    EXPECT_EQ(VORNA_Disconnect(first), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Restart(second), VORNA_RESULT_OK) << "the other connection is untouched";
    EXPECT_EQ(Connect(), 10001);
    EXPECT_EQ(Connect(), 10003);
    for (std::int32_t handle : {10001, 10002, 10003})
        EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);
}

TEST_F(ConnectionTableTest, DisconnectTwiceAndForeignHandles)
{
    const std::int32_t handle = Connect();
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_BAD_HANDLE);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_BAD_HANDLE);

    sim.ClearRequests();
    for (std::int32_t foreign : {0, -1, 10000, 10002, 19999, 20000, 0x7FFFFFFF}) {
        EXPECT_EQ(VORNA_Disconnect(foreign), VORNA_RESULT_BAD_HANDLE) << foreign;
        EXPECT_EQ(VORNA_Restart(foreign), VORNA_RESULT_BAD_HANDLE) << foreign;
        std::uint8_t status = 0;
        EXPECT_EQ(VORNA_CheckDeviceStatus(foreign, 1, &status), VORNA_RESULT_BAD_HANDLE) << foreign;
    }
    EXPECT_TRUE(sim.Requests().empty());
}

TEST_F(ConnectionTableTest, DisconnectingTheLastSlotShrinksTheTable)
{
    CVornaIO table;
    table.Startup();
    const std::int32_t first = table.AddConnection(kLoopback, sim.port(), kTimeoutMs, nullptr);
    const std::int32_t second = table.AddConnection(kLoopback, sim.port(), kTimeoutMs, nullptr);
    table.RemoveConnection(second);
    EXPECT_EQ(table.SlotCount(), 1u);
    const std::int32_t again = table.AddConnection(kLoopback, sim.port(), kTimeoutMs, nullptr);
    EXPECT_EQ(again, second);
    table.RemoveConnection(first);
    EXPECT_EQ(table.SlotCount(), 2u) << "a free slot in front stays";
    table.RemoveConnection(again);
    EXPECT_EQ(table.SlotCount(), 1u) << "only the last slot goes";
}

TEST_F(ConnectionTableTest, FullTableRefusesWithoutKeepingASocket)
{
    CVornaIO table(2);
    table.Startup();
    table.AddConnection(kLoopback, sim.port(), kTimeoutMs, nullptr);
    table.AddConnection(kLoopback, sim.port(), kTimeoutMs, nullptr);
    EXPECT_EQ(raisedBy([&] { table.AddConnection(kLoopback, sim.port(), kTimeoutMs, nullptr); }),
              VORNA_RESULT_SOCKET_CREATE);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(sim.AcceptedConnections(), 2);
    EXPECT_EQ(table.SlotCount(), 2u);
}

TEST_F(ConnectionTableTest, FailedConnectLeavesNoTrace)
{
    std::int32_t handle = 0;
    EXPECT_EQ(VORNA_Connect(kLoopback, sim.port(), 0, &handle), VORNA_RESULT_TIMEOUT);
    EXPECT_EQ(Connect(), 10001);
    VORNA_Disconnect(10001);
}

TEST(SocketLibraryTest, StartCountGuardsConnects)
{
    pelsim::DeviceSimulator sim;
    std::int32_t handle = 0;
    EXPECT_EQ(VORNA_Exit(), -1) << "nothing to release";
    EXPECT_EQ(VORNA_Connect(kLoopback, sim.port(), kTimeoutMs, &handle), VORNA_RESULT_SOCKET_CREATE);
    EXPECT_EQ(VORNA_Init(), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Init(), VORNA_RESULT_OK);
    ASSERT_EQ(VORNA_Connect(kLoopback, sim.port(), kTimeoutMs, &handle), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Exit(), 0);
    EXPECT_EQ(VORNA_Exit(), 0);
    EXPECT_EQ(VORNA_Exit(), -1);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK) << "Exit leaves open connections alone";
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);
}

// ---- Threads ----

TEST(ConnectionThreadsTest, EightThreadsConnectWorkAndDisconnectAtOnce)
{
    // Each thread has its own controller, so a handle shared by mistake shows as a request that
    // reaches the wrong controller, a status from another one, or a bad handle.
    constexpr int kThreads = 8;
    constexpr int kRounds = 25;
    VornaSession session;
    std::vector<std::unique_ptr<pelsim::DeviceSimulator>> sims;
    for (int i = 0; i < kThreads; ++i) {
        sims.push_back(std::make_unique<pelsim::DeviceSimulator>());
        sims.back()->SetRecording(false);
        const std::uint8_t own = static_cast<std::uint8_t>(20 + i);
        sims.back()->Update([own](pelsim::SimDeviceData& d) { d.statusScript = {own}; });
        sims.back()->SetFile(1, Bytes(3 * VORNA_CHUNK_SIZE + 5, own));
    }
    const TempFolder folder;
    std::vector<std::vector<std::string>> failures(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            const std::uint8_t own = static_cast<std::uint8_t>(20 + i);
            const std::string local = folder.Path("thread" + std::to_string(i) + ".bin");
            const auto fail = [&](const std::string& what, int round) {
                failures[i].push_back(what + " in round " + std::to_string(round));
            };
            for (int round = 0; round < kRounds; ++round) {
                std::int32_t handle = 0;
                if (VORNA_Connect(kLoopback, sims[i]->port(), kPatientTimeoutMs, &handle) != VORNA_RESULT_OK) {
                    fail("connect", round);
                    continue;
                }
                std::uint8_t status = 0;
                if (VORNA_Restart(handle) != VORNA_RESULT_OK)
                    fail("restart", round);
                if (VORNA_CheckDeviceStatus(handle, 1, &status) != VORNA_RESULT_OK || status != own)
                    fail("device status " + std::to_string(status), round);
                std::filesystem::remove(local);
                if (VORNA_DownloadFile_Ex(handle, local.c_str(), "", 1, nullptr) != VORNA_RESULT_OK ||
                    TempFolder::Read(local) != Bytes(3 * VORNA_CHUNK_SIZE + 5, own))
                    fail("download", round);
                if (VORNA_Disconnect(handle) != VORNA_RESULT_OK)
                    fail("disconnect", round);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_TRUE(failures[i].empty()) << "thread " << i << ": " << failures[i].front();
        EXPECT_EQ(sims[i]->Snapshot().restartCount, kRounds) << "thread " << i;
        EXPECT_EQ(sims[i]->AcceptedConnections(), kRounds) << "thread " << i;
    }
    EXPECT_EQ(CVornaIO::Instance().SlotCount(), 0u) << "every slot is free again";
}

TEST_F(ConnectionTableTest, DisconnectWhileACallRunsLetsTheCallFinish)
{
    const std::int32_t handle = Connect();
    sim.FailCommand(kRestart, pelsim::SimFault::Delay(300));
    std::int32_t result = -1;
    std::thread call([&] { result = VORNA_Restart(handle); });
    ASSERT_TRUE(sim.WaitForRequests(1, std::chrono::milliseconds(kTimeoutMs)));
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK) << "the handle goes at once";
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_BAD_HANDLE);
    call.join();
    EXPECT_EQ(result, VORNA_RESULT_OK) << "the running call kept its connection";
    EXPECT_EQ(Connect(), 10001) << "the slot is free";
    VORNA_Disconnect(10001);
}

// ---- Gateway ----

TEST_F(ConnectionTableTest, OnlyAWholeMacTextRoutesThroughTheGateway)
{
    const struct {
        const char* mac;
        bool gateway;
    } cases[] = {
        {"00-11-22-33-44-55", true},
        {"00:11:22:33:44:55", true},
        {"00-11-22-33-44-5", false},
        {"00-11-22-33-44-55-", false},
        {"", false},
        {nullptr, false},
    };
    for (const auto& c : cases) {
        const char* label = c.mac ? c.mac : "(null)";
        sim.ClearRequests();
        const std::int32_t handle = Connect(c.mac);
        EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK) << label;
        const auto requests = sim.Requests();
        ASSERT_EQ(requests.size(), 1u) << label;
        EXPECT_EQ(requests[0].command(), c.gateway ? kGateway : kRestart) << label;
        VORNA_Disconnect(handle);
    }
}

TEST_F(ConnectionTableTest, GatewayWrapsTheFrameWithItsOwnSequence)
{
    const std::int32_t handle = Connect("00-11-22-33-44-55");
    ASSERT_EQ(VORNA_Calibration(handle, 2, 9), VORNA_RESULT_OK);
    std::uint8_t status = 0;
    sim.Update([](pelsim::SimDeviceData& d) { d.statusScript = {33}; });
    ASSERT_EQ(VORNA_CheckDeviceStatus(handle, 1, &status), VORNA_RESULT_OK);
    EXPECT_EQ(status, 33) << "the inner reply's payload comes back";

    const auto requests = sim.Requests(kGateway);
    ASSERT_EQ(requests.size(), 2u);
    const auto& wrapped = requests[0];
    ASSERT_TRUE(wrapped.gatewayMac.has_value());
    EXPECT_EQ(*wrapped.gatewayMac, (pelsim::SimMac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
    ASSERT_TRUE(wrapped.inner);
    EXPECT_EQ(wrapped.inner->command(), 30008);
    EXPECT_EQ(wrapped.inner->payload(), (Bytes{2, 9}));
    EXPECT_EQ(wrapped.inner->sequence(), 0u);
    EXPECT_EQ(wrapped.sequence(), 1u);
    EXPECT_EQ(requests[1].inner->sequence(), 2u);
    VORNA_Disconnect(handle);
}

TEST_F(ConnectionTableTest, GatewaySwitchAndUnknownTarget)
{
    const std::int32_t handle = Connect();
    const std::uint8_t unknown[6] = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    ASSERT_EQ(VORNA_SetByGatewayMacAddress(handle, unknown), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK) << "the MAC alone changes nothing";
    ASSERT_EQ(VORNA_SetByGatewayEnable(handle, 1), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_BAD_REPLY) << "the gateway refuses an unknown target";
    const std::uint8_t known[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    ASSERT_EQ(VORNA_SetByGatewayMacAddress(handle, known), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    ASSERT_EQ(VORNA_SetByGatewayEnable(handle, 0), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    const auto requests = sim.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].command(), kRestart);
    EXPECT_EQ(requests[1].command(), kGateway);
    EXPECT_EQ(requests[2].command(), kGateway);
    EXPECT_EQ(requests[3].command(), kRestart);
    EXPECT_EQ(VORNA_SetByGatewayEnable(20000, 1), VORNA_RESULT_BAD_HANDLE);
    VORNA_Disconnect(handle);
}

TEST_F(ConnectionTableTest, GatewayCommandOfTheCaller)
{
    const std::int32_t handle = Connect();
    const Bytes inner = EncodeReply(7, kRestart, {});
    const std::uint8_t mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    std::uint8_t reply[VORNA_MAX_PAYLOAD] = {};
    std::uint16_t replyLength = 0;
    ASSERT_EQ(VORNA_SendCmdByGateway(handle, mac, inner.data(), static_cast<std::uint16_t>(inner.size()), reply,
                                     &replyLength),
              VORNA_RESULT_OK);
    EXPECT_EQ(replyLength, 2u);
    EXPECT_EQ(reply[0], 0);
    EXPECT_EQ(reply[1], 0);
    const Bytes tooLong(VORNA_MAX_PAYLOAD - 5, 0);
    EXPECT_EQ(VORNA_SendCmdByGateway(handle, mac, tooLong.data(), static_cast<std::uint16_t>(tooLong.size()), reply,
                                     &replyLength),
              VORNA_RESULT_INVALID_ARGUMENT);
    VORNA_Disconnect(handle);
}

TEST(MacTextTest, DigitPairsWithAnySeparator)
{
    EXPECT_EQ(CVornaIO::ParseMac("0a-1B-2c-3D-4e-5F"), (MacAddress{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}));
    EXPECT_EQ(CVornaIO::ParseMac("G0-11-22-33-44-55"), (MacAddress{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}))
        << "a character that is no digit counts as 0";
    EXPECT_FALSE(CVornaIO::ParseMac("0011223344556677").has_value());
}
