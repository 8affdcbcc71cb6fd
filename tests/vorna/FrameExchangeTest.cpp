// Requests as they travel over a real loopback socket: their exact bytes, sequence numbers, the
// scrambled login and the acknowledgement of pushed progress frames.

#include "SockEIO.h"
#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <sys/uio.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

constexpr std::uint16_t kRestart = 30002;
constexpr std::uint16_t kCalibration = 30008;

// Runs request against a raw server that records the first frame and answers status 0.
Bytes capturedRequest(std::uint16_t command, const std::function<std::int32_t(std::int32_t)>& request)
{
    Bytes captured;
    RawServer server([&](RawPeer& peer) {
        captured = peer.ReadFrame();
        if (!captured.empty())
            peer.Send(EncodeReply(ReadLe16(captured, 8), command, {0, 0}));
    });
    std::int32_t handle = 0;
    EXPECT_EQ(VORNA_Connect(kLoopback, server.port(), kTimeoutMs, &handle), VORNA_RESULT_OK);
    EXPECT_EQ(request(handle), VORNA_RESULT_OK);
    server.Join();
    VORNA_Disconnect(handle);
    return captured;
}

} // namespace

TEST(FrameExchangeTest, RequestBytesOnTheWire)
{
    VornaSession session;
    const Bytes restart = capturedRequest(kRestart, [](std::int32_t h) { return VORNA_Restart(h); });
    EXPECT_EQ(restart, (Bytes{0x44, 0x41, 0x43, 0x3F, 0x00, 0x01, 0x06, 0x00, 0x00, 0x00, 0x32, 0x75, 0xE6, 0xC4}));

    const Bytes calibration = capturedRequest(kCalibration, [](std::int32_t h) { return VORNA_Calibration(h, 3, 7); });
    EXPECT_EQ(calibration,
              (Bytes{0x44, 0x41, 0x43, 0x3F, 0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x38, 0x75, 0x03, 0x07, 0x88, 0x95}));
}

TEST(FrameExchangeTest, CommandsWithoutPayloadDropWhatTheCallerPasses)
{
    VornaSession session;
    const Bytes sent = capturedRequest(kRestart, [](std::int32_t h) {
        const std::uint8_t payload[3] = {1, 2, 3};
        std::uint8_t reply[VORNA_MAX_PAYLOAD];
        std::uint16_t replyLength = 0;
        return VORNA_SendCmdDirectly(h, kRestart, payload, sizeof payload, reply, &replyLength);
    });
    EXPECT_EQ(sent.size(), 14u);
    EXPECT_EQ(ReadLe16(sent, 6), 6u);
}

// A frame is sent from its pieces. Far more than the socket buffers hold goes out in partial
// sends that end inside pieces and on their borders; the peer must get every byte once, in order.
TEST(FrameExchangeTest, GatheredSendSurvivesPartialSends)
{
    const Bytes pieces[] = {PatternBytes(12, 1), PatternBytes(3u << 20, 2), Bytes{}, PatternBytes(4099, 3),
                            PatternBytes(2, 4)};
    Bytes expected;
    for (const Bytes& piece : pieces)
        expected = expected + piece;
    Bytes received;
    RawServer server([&](RawPeer& peer) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the sender meets a full buffer
        received = peer.ReadBytes(expected.size());
    });
    CVornaSockEIO socket(kTimeoutMs, std::string());
    socket.Connect(kLoopback, server.port());
    std::vector<iovec> gathered;
    for (const Bytes& piece : pieces)
        gathered.push_back({const_cast<std::uint8_t*>(piece.data()), piece.size()});
    EXPECT_NO_THROW(socket.SendAllGathered(gathered.data(), gathered.size(), CDeadline(kTimeoutMs)));
    server.Join();
    EXPECT_EQ(received.size(), expected.size());
    EXPECT_TRUE(received == expected);
}

class SequenceTest : public SimulatorTest {};

TEST_F(SequenceTest, NumbersStartAtZeroAndWrapAfter0xFFFF)
{
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    sim.SetRecording(false);
    for (int i = 2; i < 0xFFFF; ++i)
        ASSERT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK) << "request " << i;
    sim.SetRecording(true);
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    const auto requests = sim.Requests(kRestart);
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].sequence(), 0u);
    EXPECT_EQ(requests[1].sequence(), 1u);
    EXPECT_EQ(requests[2].sequence(), 0xFFFFu);
    EXPECT_EQ(requests[3].sequence(), 0u);
}

TEST_F(SequenceTest, AFailedRequestStillTakesItsNumber)
{
    sim.FailNextReply(pelsim::SimFault::BadCrc());
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_BAD_REPLY);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    const auto requests = sim.Requests(kRestart);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].sequence(), 1u);
}

class LoginTest : public SimulatorTest {};

TEST_F(LoginTest, ScrambledInModeTwoPlainOtherwise)
{
    const std::string user = "root";
    const std::string password = "root";
    const struct {
        std::uint8_t mode;
        bool scrambled;
    } cases[] = {{2, true}, {1, false}, {0, false}};
    for (const auto& c : cases) {
        sim.ClearRequests();
        std::uint16_t status = 0xFFFF;
        const std::int32_t result =
            VORNA_VerifyUserNamePwd(handle, c.mode, 4, 4, user.c_str(), password.c_str(), &status);
        const auto requests = sim.Requests(30400);
        ASSERT_EQ(requests.size(), 1u) << "mode " << int(c.mode);
        const Bytes& payload = requests[0].payload();
        ASSERT_EQ(payload.size(), 3u + 8u);
        EXPECT_EQ(payload[0], c.mode);
        EXPECT_EQ(payload[1], 4);
        EXPECT_EQ(payload[2], 4);
        for (std::size_t i = 0; i < 4; ++i) {
            const std::uint8_t key = c.scrambled ? 0x5C : 0x00;
            EXPECT_EQ(payload[3 + i], static_cast<std::uint8_t>(user[i]) ^ key) << "mode " << int(c.mode);
            EXPECT_EQ(payload[7 + i], static_cast<std::uint8_t>(password[i]) ^ key) << "mode " << int(c.mode);
        }
        if (c.mode == 2) {
            EXPECT_EQ(result, VORNA_RESULT_OK);
            EXPECT_EQ(status, 0u);
        }
    }
    EXPECT_EQ(user, "root") << "the caller's text is left as it was";
}

TEST_F(LoginTest, RefusalIsReturnedAndGivenBack)
{
    std::uint16_t status = 0;
    EXPECT_EQ(VORNA_VerifyUserNamePwd(handle, 2, 4, 5, "root", "wrong", &status), pelsim::kStatusLoginRefused);
    EXPECT_EQ(status, pelsim::kStatusLoginRefused);
    ExpectUsable("after a refused login");
}

TEST_F(LoginTest, LongestNamesFitTheirLengthBytes)
{
    const std::string name(255, 'n');
    const std::string password(255, 'p');
    sim.Update([&](pelsim::SimDeviceData& d) { d.accounts.push_back({name, password}); });
    std::uint16_t status = 0xFFFF;
    EXPECT_EQ(VORNA_VerifyUserNamePwd(handle, 2, 255, 255, name.c_str(), password.c_str(), &status), 0);
    EXPECT_EQ(status, 0u);
}

class PushedFrameTest : public SimulatorTest {};

TEST_F(PushedFrameTest, FinalStateIsAcknowledgedWithTheNextSequence)
{
    sim.Update([](pelsim::SimDeviceData& d) { d.firmwareProgress = {{40, 0}, {100, 1}}; });
    ASSERT_EQ(VORNA_RegisterToBootLoader(handle), VORNA_RESULT_OK); // sequence 0

    std::uint8_t progress[VORNA_PUSHED_PAYLOAD_SIZE] = {};
    ASSERT_EQ(VORNA_GetFwUpgradePpercentage(handle, progress), VORNA_RESULT_OK);
    EXPECT_EQ(progress[0], 40);
    EXPECT_EQ(progress[1], 0);
    ASSERT_EQ(VORNA_GetFwUpgradePpercentage(handle, progress), VORNA_RESULT_OK);
    EXPECT_EQ(progress[0], 100);
    EXPECT_EQ(progress[1], 1);

    ASSERT_TRUE(sim.WaitForRequests(2, std::chrono::milliseconds(kTimeoutMs)));
    const auto acknowledgements = sim.Requests(30019);
    ASSERT_EQ(acknowledgements.size(), 1u) << "only the final state is answered";
    EXPECT_EQ(acknowledgements[0].sequence(), 1u);
    EXPECT_EQ(acknowledgements[0].payload(), (Bytes{0, 0}));
    EXPECT_TRUE(acknowledgements[0].frame.crcOk);

    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    EXPECT_EQ(sim.Requests(kRestart).back().sequence(), 2u);
}

TEST_F(PushedFrameTest, SilenceAndBadFrames)
{
    Reconnect(kShortTimeoutMs);
    std::uint8_t progress[VORNA_PUSHED_PAYLOAD_SIZE] = {};
    EXPECT_EQ(VORNA_GetFwUpgradePpercentage(handle, progress), VORNA_RESULT_TIMEOUT) << "nothing pushed";

    sim.PushFrame(30019, Bytes(VORNA_PUSHED_PAYLOAD_SIZE + 1, 0));
    EXPECT_EQ(VORNA_GetFwUpgradePpercentage(handle, progress), VORNA_RESULT_BAD_REPLY) << "longer than its area";
    sim.PushFrame(30019, Bytes{40});
    EXPECT_EQ(VORNA_GetFwUpgradePpercentage(handle, progress), VORNA_RESULT_BAD_REPLY) << "no state byte";
    sim.PushFrame(30004, Bytes{40, 0});
    EXPECT_EQ(VORNA_GetFwUpgradePpercentage(handle, progress), VORNA_RESULT_BAD_REPLY) << "another command";
    EXPECT_EQ(VORNA_GetFwUpgradePpercentage(handle, nullptr), VORNA_RESULT_INVALID_ARGUMENT);
    ExpectUsable("after bad pushed frames");
}
