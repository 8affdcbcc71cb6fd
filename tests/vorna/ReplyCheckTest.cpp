// Every check of a reply frame against a misbehaving controller, each time with the connection
// still usable afterwards; time-outs and closed connections.

#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using pelsim::SimFault;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::uint16_t kRestart = 30002;

long millisecondsSince(Clock::time_point start)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

} // namespace

class ReplyCheckTest : public SimulatorTest {
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        Reconnect(kShortTimeoutMs);
    }
};

TEST_F(ReplyCheckTest, EachFrameFaultInTurn)
{
    const struct {
        const char* label;
        SimFault fault;
        std::int32_t expected;
    } cases[] = {
        {"wrong magic", SimFault::WrongMagic(), VORNA_RESULT_BAD_REPLY},
        {"wrong frame id", SimFault::WrongFrameId(), VORNA_RESULT_BAD_REPLY},
        {"reply to the previous request", SimFault::WrongSequence(), VORNA_RESULT_BAD_REPLY},
        {"wrong command", SimFault::WrongCommand(), VORNA_RESULT_BAD_REPLY},
        {"length below 6", SimFault::AbsurdLength(5), VORNA_RESULT_BAD_REPLY},
        {"length 0", SimFault::AbsurdLength(0), VORNA_RESULT_BAD_REPLY},
        {"frame longer than the buffer", SimFault::AbsurdLength(4393), VORNA_RESULT_BAD_REPLY},
        {"length 0xFFFF", SimFault::AbsurdLength(0xFFFF), VORNA_RESULT_BAD_REPLY},
        {"bad CRC", SimFault::BadCrc(), VORNA_RESULT_BAD_REPLY},
        {"bytes behind the frame", SimFault::ExtraBytes(3), VORNA_RESULT_BAD_REPLY},
        {"a pushed frame instead of the reply", SimFault::PushProgressFirst({{40, 0}}), VORNA_RESULT_BAD_REPLY},
        {"last byte missing", SimFault::MissingBytes(1), VORNA_RESULT_TIMEOUT},
        {"no reply", SimFault::Silence(), VORNA_RESULT_TIMEOUT},
        {"one byte at a time", SimFault::ByteByByte(200), VORNA_RESULT_OK},
        {"late but within the time-out", SimFault::Delay(50), VORNA_RESULT_OK},
    };
    for (const auto& c : cases) {
        sim.FailCommand(kRestart, c.fault);
        EXPECT_EQ(VORNA_Restart(handle), c.expected) << c.label;
        // What arrives after a refusal (the real reply behind a pushed frame) is thrown away
        // before the next request; give it the moment to arrive.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ExpectUsable(c.label);
    }
}

TEST_F(ReplyCheckTest, ImpossibleLengthIsRefusedWithoutWaiting)
{
    Reconnect(kTimeoutMs);
    const SimFault faults[] = {SimFault::AbsurdLength(0xFFFF), SimFault::AbsurdLength(5)};
    for (const SimFault& fault : faults) {
        sim.FailCommand(kRestart, fault);
        const auto start = Clock::now();
        EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_BAD_REPLY);
        EXPECT_LT(millisecondsSince(start), long(kTimeoutMs / 2)) << "length " << fault.value;
        ExpectUsable("after an impossible length");
    }
}

TEST_F(ReplyCheckTest, ReplyMustHoldWhatTheCommandReads)
{
    const struct {
        const char* label;
        Bytes payload;
        std::int32_t expected;
    } cases[] = {
        {"empty", {}, VORNA_RESULT_BAD_REPLY},
        {"one byte", {0}, VORNA_RESULT_BAD_REPLY},
        {"status raised", {5, 0}, VORNA_RESULT_BAD_REPLY},
        {"status in the high byte", {0, 1}, VORNA_RESULT_BAD_REPLY},
        {"status 0 and more bytes", {0, 0, 9, 9}, VORNA_RESULT_OK},
        {"longer than the 32-byte area", Bytes(33, 0), VORNA_RESULT_BAD_REPLY},
        {"exactly the area", Bytes(32, 0), VORNA_RESULT_OK},
    };
    for (const auto& c : cases) {
        sim.FailCommand(kRestart, SimFault::ReplacePayload(c.payload));
        EXPECT_EQ(VORNA_Restart(handle), c.expected) << c.label;
        ExpectUsable(c.label);
    }
}

TEST_F(ReplyCheckTest, DeviceStatusNeedsFourBytesAndGivesByteThree)
{
    const struct {
        Bytes payload;
        std::int32_t expected;
        std::uint8_t result;
    } cases[] = {
        {{0, 0, 1}, VORNA_RESULT_BAD_REPLY, 0xEE},
        {{0, 0, 7, 42}, VORNA_RESULT_OK, 42},
        {{1, 0, 7, 42}, VORNA_RESULT_BAD_REPLY, 0xEE},
    };
    for (const auto& c : cases) {
        sim.FailCommand(30004, SimFault::ReplacePayload(c.payload));
        std::uint8_t result = 0xEE;
        EXPECT_EQ(VORNA_CheckDeviceStatus(handle, 1, &result), c.expected) << c.payload.size() << " bytes";
        EXPECT_EQ(result, c.result);
    }
    sim.Update([](pelsim::SimDeviceData& d) { d.statusScript = {12}; });
    std::uint8_t result = 0;
    EXPECT_EQ(VORNA_CheckDeviceStatus(handle, 1, &result), VORNA_RESULT_OK);
    EXPECT_EQ(result, 12);
    EXPECT_EQ(sim.Requests(30004).back().payload(), Bytes{1});
}

class TimeoutTest : public ::testing::Test {
protected:
    VornaSession session;
};

TEST_F(TimeoutTest, ConnectWithTimeoutZeroFailsBeforeAnythingIsSent)
{
    pelsim::DeviceSimulator sim;
    std::int32_t handle = 77;
    EXPECT_EQ(VORNA_Connect(kLoopback, sim.port(), 0, &handle), VORNA_RESULT_TIMEOUT);
    EXPECT_EQ(handle, 77) << "the handle is not written";
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(sim.AcceptedConnections(), 0);
}

TEST_F(TimeoutTest, ARefusedConnectEndsAtOnceAndALaterOneReachesTheController)
{
    // A port that is bound but not listening yet refuses: the connect ends at once with 2001
    // rather than freezing its caller for the whole time-out; once it listens a connect succeeds.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t size = sizeof address;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);

    std::int32_t handle = 0;
    const auto start = Clock::now();
    EXPECT_EQ(VORNA_Connect(kLoopback, ntohs(address.sin_port), 60000, &handle), VORNA_RESULT_TIMEOUT);
    EXPECT_LT(millisecondsSince(start), 1000);
    EXPECT_EQ(handle, 0);

    ASSERT_EQ(::listen(listener, 1), 0);
    EXPECT_EQ(VORNA_Connect(kLoopback, ntohs(address.sin_port), kTimeoutMs, &handle), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);
    ::close(listener);
}

TEST_F(TimeoutTest, SilentControllerEndsTheRequestAtTheTimeout)
{
    // One deadline bounds the whole request: neither a silent controller nor one that trickles
    // keeps the caller past it. The upper bound is generous for a busy machine and sanitizers.
    constexpr std::uint32_t kRequestTimeoutMs = 400;
    constexpr long kSlackMs = 2500;
    constexpr std::uint16_t kReadChunk = 30204;
    const TempFolder folder;
    const std::string local = folder.Path("download.bin");
    const struct {
        const char* label;
        std::uint16_t command;
        SimFault fault;
        int skip;
        std::function<std::int32_t(std::int32_t)> call;
    } cases[] = {
        {"no reply", kRestart, SimFault::Silence(), 0, [](std::int32_t h) { return VORNA_Restart(h); }},
        {"last byte missing", kRestart, SimFault::MissingBytes(1), 0, [](std::int32_t h) { return VORNA_Restart(h); }},
        {"one byte every 60 ms", kRestart, SimFault::ByteByByte(60000), 0,
         [](std::int32_t h) { return VORNA_Restart(h); }},
        {"silent in the middle of a download", kReadChunk, SimFault::Silence(), 2,
         [&](std::int32_t h) { return VORNA_DownloadFile_Ex(h, local.c_str(), "", 1, nullptr); }},
    };
    for (const auto& c : cases) {
        pelsim::DeviceSimulator sim;
        sim.SetFile(1, Bytes(5 * VORNA_CHUNK_SIZE, 7));
        std::int32_t handle = 0;
        ASSERT_EQ(VORNA_Connect(kLoopback, sim.port(), kRequestTimeoutMs, &handle), VORNA_RESULT_OK) << c.label;
        sim.FailCommand(c.command, c.fault, 1, c.skip);
        const auto start = Clock::now();
        EXPECT_EQ(c.call(handle), VORNA_RESULT_TIMEOUT) << c.label;
        const long elapsed = millisecondsSince(start);
        EXPECT_GE(elapsed, long(kRequestTimeoutMs) - 5) << c.label;
        EXPECT_LT(elapsed, long(kRequestTimeoutMs) + kSlackMs) << c.label;
        EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK) << c.label;
        sim.DropConnections();
    }
}

TEST_F(TimeoutTest, ClosedConnection)
{
    pelsim::DeviceSimulator sim;
    std::int32_t handle = 0;
    ASSERT_EQ(VORNA_Connect(kLoopback, sim.port(), kShortTimeoutMs, &handle), VORNA_RESULT_OK);
    sim.FailCommand(kRestart, SimFault::DropConnection());
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_CONNECTION) << "closed instead of a reply";
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_CONNECTION) << "and stays closed";
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);

    ASSERT_EQ(VORNA_Connect(kLoopback, sim.port(), kShortTimeoutMs, &handle), VORNA_RESULT_OK);
    ASSERT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    sim.DropConnections();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_CONNECTION) << "closed between requests";
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);
}

TEST_F(TimeoutTest, BadAddressesAndPorts)
{
    std::int32_t handle = 0;
    EXPECT_EQ(VORNA_Connect("127.0.0.256", 10124, kShortTimeoutMs, &handle), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_Connect("localhost", 10124, kShortTimeoutMs, &handle), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_Connect(kLoopback, 0, kShortTimeoutMs, &handle), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_Connect(kLoopback, 65536, kShortTimeoutMs, &handle), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_Connect(nullptr, 10124, kShortTimeoutMs, &handle), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_Connect(kLoopback, 10124, kShortTimeoutMs, nullptr), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(handle, 0);
}
