// The frame layer without a socket: frame bytes, CRC, and the checks of a reply as it arrives.

#include "CRC16.h"
#include "RTUTCP.h"
#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

// The code a library function raised, 0 when it returned.
int raisedBy(const std::function<void()>& work)
{
    try {
        work();
    } catch (int code) {
        return code;
    }
    return 0;
}

Bytes built(std::uint16_t sequence, std::uint16_t command, const Bytes& payload)
{
    FrameBuffer frame;
    const std::size_t length = CRTUTCP::BuildFrame(frame, sequence, command, payload.data(), payload.size());
    return Bytes(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(length));
}

const FrameExpectation kRestartReply{0, 30002};

} // namespace

TEST(FrameTest, Crc16MatchesTheModbusCheckValue)
{
    const char* text = "123456789";
    EXPECT_EQ(Crc16Modbus(reinterpret_cast<const std::uint8_t*>(text), 9), 0x4B37);
    EXPECT_EQ(Crc16Modbus(nullptr, 0), 0xFFFF);
}

// A frame sent from its pieces is checked piece by piece: every split gives the CRC of the whole.
TEST(FrameTest, Crc16GoesOnAcrossPieces)
{
    const Bytes data = PatternBytes(4110, 9);
    const std::uint16_t whole = Crc16Modbus(data.data(), data.size());
    for (std::size_t split :
         {std::size_t{0}, std::size_t{1}, std::size_t{12}, std::size_t{17}, std::size_t{4096}, data.size()}) {
        const std::uint16_t first = Crc16Modbus(data.data(), split);
        EXPECT_EQ(Crc16ModbusContinue(first, data.data() + split, data.size() - split), whole) << "split at " << split;
    }
}

TEST(FrameTest, Crc16AgreesWithTheBitwiseFormAtEveryLength)
{
    const auto bitwise = [](const Bytes& data) {
        std::uint16_t crc = 0xFFFF;
        for (std::uint8_t byte : data) {
            crc ^= byte;
            for (int bit = 0; bit < 8; ++bit)
                crc =
                    (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : static_cast<std::uint16_t>(crc >> 1);
        }
        return crc;
    };
    for (std::size_t length = 0; length <= 40; ++length) {
        const Bytes data = PatternBytes(length, static_cast<std::uint8_t>(length));
        EXPECT_EQ(Crc16Modbus(data.data(), data.size()), bitwise(data)) << length << " bytes";
    }
}

TEST(FrameTest, BuildsTheExactBytes)
{
    const struct {
        const char* label;
        std::uint16_t sequence;
        std::uint16_t command;
        Bytes payload;
        Bytes expected;
    } cases[] = {
        {"restart, no payload",
         0,
         30002,
         {},
         {0x44, 0x41, 0x43, 0x3F, 0x00, 0x01, 0x06, 0x00, 0x00, 0x00, 0x32, 0x75, 0xE6, 0xC4}},
        {"calibration, two bytes",
         1,
         30008,
         {3, 7},
         {0x44, 0x41, 0x43, 0x3F, 0x00, 0x01, 0x08, 0x00, 0x01, 0x00, 0x38, 0x75, 0x03, 0x07, 0x89, 0x44}},
        {"status poll at the last sequence",
         0xFFFF,
         30004,
         {1},
         {0x44, 0x41, 0x43, 0x3F, 0x00, 0x01, 0x07, 0x00, 0xFF, 0xFF, 0x34, 0x75, 0x01, 0x50, 0x8B}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(built(c.sequence, c.command, c.payload), c.expected) << c.label;
}

TEST(FrameTest, PayloadMustFitTheFrameBuffer)
{
    const Bytes largest(VORNA_MAX_PAYLOAD, 0xAB);
    EXPECT_EQ(built(0, 30203, largest).size(), std::size_t(VORNA_FRAME_BUFFER_SIZE));
    const Bytes tooLarge(VORNA_MAX_PAYLOAD + 1, 0xAB);
    EXPECT_EQ(raisedBy([&] { built(0, 30203, tooLarge); }), VORNA_RESULT_INVALID_ARGUMENT);
}

TEST(FrameTest, HeaderIsJudgedAsSoonAsItIsIn)
{
    // Each corruption is refused with the 12th byte, before any payload has arrived.
    const struct {
        const char* label;
        std::size_t offset;
        std::uint8_t value;
    } cases[] = {
        {"magic", 0, 0x45},
        {"magic, last byte", 3, 0x3E},
        {"frame id, byte 4", 4, 0x01},
        {"frame id, byte 5", 5, 0x00},
        {"sequence", 8, 0x01},
        {"command", 10, 0x33},
        {"length below 6", 6, 0x05},
        {"length too long for the buffer", 7, 0x11},
    };
    const Bytes reply = EncodeReply(0, 30002, Bytes(40, 0));
    for (const auto& c : cases) {
        Bytes bad = reply;
        bad[c.offset] = c.value;
        EXPECT_EQ(CRTUTCP::CheckFrame(bad.data(), 11, kRestartReply), 0u) << c.label << ": needs the whole header";
        EXPECT_EQ(raisedBy([&] { CRTUTCP::CheckFrame(bad.data(), 12, kRestartReply); }), VORNA_RESULT_BAD_REPLY)
            << c.label;
    }
}

TEST(FrameTest, LengthLimitsOfAReply)
{
    const struct {
        std::uint16_t length;
        bool accepted;
    } cases[] = {{5, false}, {6, true}, {4392, true}, {4393, false}, {0xFFFF, false}};
    for (const auto& c : cases) {
        Bytes header = EncodeReply(0, 30002, {});
        header[6] = static_cast<std::uint8_t>(c.length);
        header[7] = static_cast<std::uint8_t>(c.length >> 8);
        header.resize(12);
        const int code = raisedBy([&] { CRTUTCP::CheckFrame(header.data(), header.size(), kRestartReply); });
        EXPECT_EQ(code, c.accepted ? 0 : VORNA_RESULT_BAD_REPLY) << "length " << c.length;
    }
}

TEST(FrameTest, ReplyIsTakenWhenCompleteAndItsCrcHolds)
{
    const Bytes reply = EncodeReply(0, 30002, {0, 0});
    for (std::size_t have = 0; have < reply.size(); ++have)
        EXPECT_EQ(CRTUTCP::CheckDirectReply(reply.data(), have, kRestartReply), 0u) << have << " bytes in";
    EXPECT_EQ(CRTUTCP::CheckDirectReply(reply.data(), reply.size(), kRestartReply), reply.size());

    Bytes badCrc = reply;
    badCrc.back() ^= 0x01;
    EXPECT_EQ(raisedBy([&] { CRTUTCP::CheckDirectReply(badCrc.data(), badCrc.size(), kRestartReply); }),
              VORNA_RESULT_BAD_REPLY);

    Bytes extra = reply;
    extra.push_back(0);
    EXPECT_EQ(raisedBy([&] { CRTUTCP::CheckDirectReply(extra.data(), extra.size(), kRestartReply); }),
              VORNA_RESULT_BAD_REPLY);
}

TEST(FrameTest, PushedFramesAreNotMatchedBySequence)
{
    const Bytes pushed = EncodeReply(0x1234, 30019, {40, 0});
    const FrameExpectation anySequence{0, 30019, false};
    EXPECT_EQ(CRTUTCP::CheckDirectReply(pushed.data(), pushed.size(), anySequence), pushed.size());
}

// ---- Gateway replies ----

namespace {

const MacAddress kMac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};

Bytes gatewayPayload(std::uint16_t status, const Bytes& inner)
{
    Bytes payload(kMac.begin(), kMac.end());
    payload.push_back(static_cast<std::uint8_t>(status));
    payload.push_back(static_cast<std::uint8_t>(status >> 8));
    payload.insert(payload.end(), inner.begin(), inner.end());
    return payload;
}

std::pair<std::size_t, std::size_t> innerOf(const Bytes& joined)
{
    return CRTUTCP::InnerGatewayPayload(joined.data(), joined.size(), kMac);
}

} // namespace

TEST(FrameTest, GatewayReplyJoinsFramesUntilTheInnerFrameIsIn)
{
    const Bytes inner = EncodeReply(4, 30011, PatternBytes(60));
    const Bytes whole = gatewayPayload(0, inner);
    // The same reply in one frame and split over two: the second repeats MAC and status.
    const Bytes one = EncodeReply(5, 30700, whole);
    Bytes two = EncodeReply(5, 30700, Bytes(whole.begin(), whole.begin() + 30));
    const Bytes rest = gatewayPayload(0, Bytes(whole.begin() + 30, whole.end()));
    const Bytes second = EncodeReply(5, 30700, rest);

    FrameBuffer joined;
    EXPECT_EQ(CRTUTCP::JoinGatewayReply(one.data(), one.size(), 5, joined), whole.size());
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), joined.begin()));

    EXPECT_FALSE(CRTUTCP::JoinGatewayReply(two.data(), two.size(), 5, joined).has_value()) << "first part only";
    two.insert(two.end(), second.begin(), second.end());
    EXPECT_EQ(CRTUTCP::JoinGatewayReply(two.data(), two.size(), 5, joined), whole.size());
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), joined.begin()));

    const Bytes joinedBytes(joined.begin(), joined.begin() + static_cast<std::ptrdiff_t>(whole.size()));
    const auto [offset, length] = innerOf(joinedBytes);
    EXPECT_EQ(offset, 20u);
    EXPECT_EQ(length, 60u);
}

TEST(FrameTest, GatewayReplyChecks)
{
    const Bytes inner = EncodeReply(4, 30002, {0, 0});
    Bytes otherMac = gatewayPayload(0, inner);
    otherMac[5] ^= 0xFF;
    Bytes badInnerMagic = gatewayPayload(0, inner);
    badInnerMagic[8] = 0;
    const struct {
        const char* label;
        Bytes joined;
    } refused[] = {
        {"another MAC", otherMac},
        {"status not 0", gatewayPayload(0x8102, {})},
        {"status 0 without an inner frame", gatewayPayload(0, {})},
        {"inner frame cut short", gatewayPayload(0, Bytes(inner.begin(), inner.end() - 1))},
        {"inner magic", badInnerMagic},
        {"shorter than MAC and status", Bytes(kMac.begin(), kMac.end())},
    };
    for (const auto& c : refused)
        EXPECT_EQ(raisedBy([&] { innerOf(c.joined); }), VORNA_RESULT_BAD_REPLY) << c.label;
}
