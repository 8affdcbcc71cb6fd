// The controller simulator checked over a raw loopback socket, without the library: what the
// library's tests rely on must hold on its own.

#include "DeviceSimulator.h"
#include "SimCrc16.h"
#include "SimFrame.h"
#include "SimMd5.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <utility>

using namespace pelsim;
using namespace std::chrono_literals;

namespace {

constexpr auto kReceiveTimeout = 2s;

// A blocking loopback client that sends raw bytes and splits what comes back into frames.
class RawClient {
public:
    explicit RawClient(std::uint16_t port)
    {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        connected_ = ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { ::close(socket_); }

    bool connected() const { return connected_; }

    void Send(const Bytes& bytes)
    {
        ASSERT_EQ(::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
    }

    // The next whole frame, or nothing when none arrives in time or the server hung up.
    std::optional<SimFrame> ReceiveFrame(std::chrono::milliseconds timeout = kReceiveTimeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            SimFrame frame;
            std::size_t consumed = 0;
            if (!buffer_.empty() &&
                DecodeFrame(buffer_.data(), buffer_.size(), frame, consumed) == SimDecodeResult::Complete) {
                buffer_.erase(buffer_.begin(), buffer_.begin() + consumed);
                return frame;
            }
            if (!ReceiveSome(deadline))
                return std::nullopt;
        }
    }

    // Everything that arrives until the server goes quiet for the time-out.
    Bytes ReceiveRaw(std::chrono::milliseconds quiet = 300ms)
    {
        while (ReceiveSome(std::chrono::steady_clock::now() + quiet)) {}
        return std::exchange(buffer_, {});
    }

    // True when the server closed the connection within the time-out.
    bool ClosedByServer()
    {
        const auto deadline = std::chrono::steady_clock::now() + kReceiveTimeout;
        while (ReceiveSome(deadline)) {}
        return closed_;
    }

    std::size_t receiveCalls() const { return receiveCalls_; }

private:
    bool ReceiveSome(std::chrono::steady_clock::time_point deadline)
    {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd fd{socket_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0)
            return false;
        std::uint8_t block[8192];
        const ssize_t received = ::recv(socket_, block, sizeof block, 0);
        if (received <= 0) {
            closed_ = true;
            return false;
        }
        ++receiveCalls_;
        buffer_.insert(buffer_.end(), block, block + received);
        return true;
    }

    int socket_ = -1;
    bool connected_ = false;
    bool closed_ = false;
    std::size_t receiveCalls_ = 0;
    Bytes buffer_;
};

Bytes Request(std::uint16_t sequence, std::uint16_t command, const Bytes& payload = {})
{
    return EncodeFrame(sequence, command, payload);
}

// 30202 / 30203 / 30204 payloads with mode 0 and an empty remote name.
Bytes FileInfoPayload(std::uint8_t type, std::uint32_t size)
{
    return SimByteWriter().U8(0).U8(type).U32(size).U8(0).Take();
}
Bytes WriteChunkPayload(std::uint8_t type, std::uint32_t offset, const Bytes& chunk)
{
    return SimByteWriter()
        .U8(0)
        .U8(type)
        .U32(offset)
        .U16(static_cast<std::uint16_t>(chunk.size()))
        .U8(0)
        .Append(chunk)
        .Take();
}
Bytes ReadChunkPayload(std::uint8_t type, std::uint32_t offset, std::uint16_t size)
{
    return SimByteWriter().U8(0).U8(type).U32(offset).U16(size).U8(0).Take();
}

Bytes Digest(const Bytes& bytes, std::size_t count)
{
    const SimDigest digest = SimMd5::Of(bytes.data(), count);
    return Bytes(digest.begin(), digest.end());
}

Bytes Pattern(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

} // namespace

TEST(SimulatorSelfTest, ChecksumsMatchTheirPublishedCheckValues)
{
    const std::string nine = "123456789";
    EXPECT_EQ(SimCrc16Modbus(reinterpret_cast<const std::uint8_t*>(nine.data()), nine.size()), 0x4B37);
    // The sliced CRC against the plain bit-by-bit definition, across the 16-byte step and its rest.
    const Bytes data = Pattern(300);
    for (std::size_t length : {0u, 1u, 7u, 8u, 9u, 15u, 16u, 17u, 31u, 32u, 33u, 299u, 300u}) {
        std::uint16_t crc = 0xFFFF;
        for (std::size_t i = 0; i < length; ++i) {
            crc ^= data[i];
            for (int bit = 0; bit < 8; ++bit)
                crc =
                    (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : static_cast<std::uint16_t>(crc >> 1);
        }
        EXPECT_EQ(SimCrc16Modbus(data.data(), length), crc) << "length " << length;
    }

    const struct {
        std::string text;
        std::string md5;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases) {
        SimMd5 md5; // fed in uneven pieces so the block buffering is exercised
        for (std::size_t i = 0; i < c.text.size(); i += 13)
            md5.Update(reinterpret_cast<const std::uint8_t*>(c.text.data()) + i,
                       std::min<std::size_t>(13, c.text.size() - i));
        std::string hex;
        for (std::uint8_t byte : md5.Final()) {
            const char digits[] = "0123456789abcdef";
            hex += digits[byte >> 4];
            hex += digits[byte & 15];
        }
        EXPECT_EQ(hex, c.md5) << '"' << c.text << '"';
    }
}

TEST(SimulatorSelfTest, FrameRoundTripIsRecordedAndAnsweredWithTheSameSequenceAndCommand)
{
    DeviceSimulator sim;
    sim.Update([](SimDeviceData& d) { d.statusScript = {10, 50}; });
    RawClient client(sim.port());
    ASSERT_TRUE(client.connected());

    // The frame as the wire carries it: magic "DAC?", frame id 00 01, length 7, sequence 7,
    // command 30004 (0x7534), payload 01, CRC low byte first.
    const Bytes request = Request(7, 30004, {1});
    const Bytes expectedHead = {0x44, 0x41, 0x43, 0x3F, 0x00, 0x01, 0x07, 0x00, 0x07, 0x00, 0x34, 0x75, 0x01};
    ASSERT_EQ(Bytes(request.begin(), request.end() - 2), expectedHead);
    const std::uint16_t crc = SimCrc16Modbus(request.data(), request.size() - 2);
    EXPECT_EQ(request[13], crc & 0xFF);
    EXPECT_EQ(request[14], crc >> 8);

    const std::uint8_t expectedStatus[] = {10, 50, 50}; // the last byte of the script repeats
    for (std::uint16_t i = 0; i < 3; ++i) {
        client.Send(Request(static_cast<std::uint16_t>(7 + i), 30004, {1}));
        const auto reply = client.ReceiveFrame();
        ASSERT_TRUE(reply) << "poll " << i;
        EXPECT_TRUE(reply->Valid());
        EXPECT_EQ(reply->header.sequence, 7 + i);
        EXPECT_EQ(reply->header.command, 30004);
        EXPECT_EQ(reply->payload, (Bytes{0, 0, 1, expectedStatus[i]})) << "poll " << i;
    }

    const auto recorded = sim.Requests();
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_EQ(recorded[0].raw, request);
    EXPECT_EQ(recorded[0].connection, 1);
    EXPECT_EQ(recorded[2].sequence(), 9);
    EXPECT_EQ(sim.Snapshot().statusPolls, 3);
}

TEST(SimulatorSelfTest, CorruptRequestIsRecordedButNotAnswered)
{
    DeviceSimulator sim;
    RawClient client(sim.port());
    Bytes request = Request(1, 30002);
    request.back() ^= 0xFF;
    client.Send(request);
    EXPECT_FALSE(client.ReceiveFrame(300ms));
    ASSERT_TRUE(sim.WaitForRequests(1, 1s));
    EXPECT_FALSE(sim.Requests()[0].frame.crcOk);
    EXPECT_EQ(sim.Snapshot().restartCount, 0);

    client.Send(Request(2, 30002)); // the connection is still usable
    const auto reply = client.ReceiveFrame();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->payload, (Bytes{0, 0}));
}

TEST(SimulatorSelfTest, FaultsShapeTheNextReplyOnly)
{
    const struct {
        const char* label;
        SimFault fault;
        bool (*check)(const SimFrame&);
    } cases[] = {
        {"bad CRC", SimFault::BadCrc(), [](const SimFrame& f) { return !f.crcOk && f.header.magic == kFrameMagic; }},
        {"wrong sequence", SimFault::WrongSequence(),
         [](const SimFrame& f) { return f.crcOk && f.header.sequence == 4; }},
        {"wrong command", SimFault::WrongCommand(),
         [](const SimFrame& f) { return f.crcOk && f.header.command == 30005; }},
        {"wrong frame id", SimFault::WrongFrameId(),
         [](const SimFrame& f) { return f.crcOk && f.header.frameId == 0x0001; }},
        {"raised status", SimFault::RaisedStatus(0x8005),
         [](const SimFrame& f) {
             return f.Valid() && f.payload == Bytes{0x05, 0x80, 5, 50};
         }},
    };
    for (const auto& c : cases) {
        DeviceSimulator sim;
        sim.Update([](SimDeviceData& d) { d.statusScript = {50}; });
        sim.FailCommand(30004, c.fault);
        RawClient client(sim.port());
        client.Send(Request(5, 30004, {5}));
        const auto faulty = client.ReceiveFrame();
        ASSERT_TRUE(faulty) << c.label;
        EXPECT_TRUE(c.check(*faulty)) << c.label;
        client.Send(Request(6, 30004, {5}));
        const auto clean = client.ReceiveFrame();
        ASSERT_TRUE(clean) << c.label;
        EXPECT_TRUE(clean->Valid() && clean->header.sequence == 6 && clean->header.command == 30004) << c.label;
    }
}

TEST(SimulatorSelfTest, TransportFaults)
{
    DeviceSimulator sim;
    RawClient client(sim.port());

    sim.FailNextReply(SimFault::ExtraBytes(3));
    client.Send(Request(1, 30002));
    const Bytes extra = client.ReceiveRaw();
    EXPECT_EQ(extra.size(), 16u + 3u); // a status-only reply frame is 16 bytes

    sim.FailNextReply(SimFault::MissingBytes(2));
    client.Send(Request(2, 30002));
    EXPECT_EQ(client.ReceiveRaw().size(), 14u);

    sim.FailNextReply(SimFault::AbsurdLength(0xFFFF));
    client.Send(Request(3, 30002));
    const Bytes absurd = client.ReceiveRaw();
    ASSERT_EQ(absurd.size(), 16u);
    EXPECT_EQ(absurd[6], 0xFF);
    EXPECT_EQ(absurd[7], 0xFF);

    sim.FailNextReply(SimFault::Silence());
    client.Send(Request(4, 30002));
    EXPECT_TRUE(client.ReceiveRaw().empty());

    sim.FailNextReply(SimFault::ByteByByte(2000));
    client.Send(Request(5, 30002));
    const auto slow = client.ReceiveFrame();
    ASSERT_TRUE(slow);
    EXPECT_TRUE(slow->Valid());
    EXPECT_GT(client.receiveCalls(), 5u); // arrived in many pieces

    sim.FailNextReply(SimFault::DropConnection());
    client.Send(Request(6, 30002));
    EXPECT_TRUE(client.ClosedByServer());
    EXPECT_EQ(sim.Snapshot().restartCount, 6); // every request was carried out

    RawClient second(sim.port()); // the server still listens
    sim.FailNextReply(SimFault::MissingBytes(4).ThenClose());
    second.Send(Request(0, 30002));
    EXPECT_EQ(second.ReceiveRaw().size(), 12u);
    EXPECT_TRUE(second.ClosedByServer());
    EXPECT_EQ(sim.AcceptedConnections(), 2);
}

TEST(SimulatorSelfTest, UploadResumesAndDownloadReadsBack)
{
    DeviceSimulator sim;
    RawClient client(sim.port());
    const Bytes file = Pattern(10000);
    std::uint16_t sequence = 0;
    auto exchange = [&](std::uint16_t command, const Bytes& payload) {
        client.Send(Request(sequence++, command, payload));
        auto reply = client.ReceiveFrame();
        return reply ? reply->payload : Bytes{};
    };

    EXPECT_EQ(exchange(30202, FileInfoPayload(5, 0)), SimByteWriter().U16(1).U8(1).U32(0).Append(Bytes(16, 0)).Take());
    EXPECT_EQ(exchange(30203, WriteChunkPayload(5, 0, Bytes(file.begin(), file.begin() + 4096))), (Bytes{0, 0}));
    // The device now holds the first chunk: its size and the digest of the whole prefix.
    EXPECT_EQ(exchange(30202, FileInfoPayload(5, 0)),
              SimByteWriter().U16(0).U8(0).U32(4096).Append(Digest(file, 4096)).Take());
    EXPECT_EQ(exchange(30203, WriteChunkPayload(5, 8192, Bytes(10, 0))), (Bytes{0x01, 0x81})) << "gap behind the end";
    EXPECT_EQ(exchange(30203, WriteChunkPayload(5, 4096, Bytes(file.begin() + 4096, file.begin() + 8192))),
              (Bytes{0, 0}));
    EXPECT_EQ(exchange(30203, WriteChunkPayload(5, 8192, Bytes(file.begin() + 8192, file.end()))), (Bytes{0, 0}));
    EXPECT_EQ(exchange(30203, WriteChunkPayload(5, 10000, {})), (Bytes{0, 0}));
    EXPECT_EQ(sim.File(5), file);

    // A download names its local size: the digest covers that many leading bytes.
    EXPECT_EQ(exchange(30202, FileInfoPayload(5, 100)),
              SimByteWriter().U16(0).U8(0).U32(10000).Append(Digest(file, 100)).Take());
    const Bytes tail = exchange(30204, ReadChunkPayload(5, 8192, 4096));
    EXPECT_EQ(tail, SimByteWriter().U16(0).U8(0).U16(1808).Append(Bytes(file.begin() + 8192, file.end())).Take());
    EXPECT_EQ(exchange(30204, ReadChunkPayload(5, 10000, 4096)), (Bytes{0, 0, 1, 0, 0}));

    // A different file from offset 0 replaces the old one.
    EXPECT_EQ(exchange(30203, WriteChunkPayload(5, 0, {9, 9, 9})), (Bytes{0, 0}));
    EXPECT_EQ(sim.File(5), (Bytes{9, 9, 9}));
}

TEST(SimulatorSelfTest, DigestOfALargeFileFollowsItsEdits)
{
    DeviceSimulator sim; // large digests are kept for the next ask: an edit must not be missed
    Bytes file = Pattern(2u << 20);
    sim.SetFile(1, file);
    RawClient client(sim.port());
    std::uint16_t sequence = 0;
    auto digestReply = [&] {
        client.Send(Request(sequence++, 30202, FileInfoPayload(1, 0)));
        const auto reply = client.ReceiveFrame();
        return reply ? Bytes(reply->payload.begin() + 7, reply->payload.end()) : Bytes{};
    };
    EXPECT_EQ(digestReply(), Digest(file, file.size()));
    EXPECT_EQ(digestReply(), Digest(file, file.size()));
    sim.Update([](SimDeviceData& d) { d.files[{1, ""}][1000000] ^= 0xFF; });
    file[1000000] ^= 0xFF;
    EXPECT_EQ(digestReply(), Digest(file, file.size()));
}

TEST(SimulatorSelfTest, LoginUnscramblesModeTwo)
{
    DeviceSimulator sim;
    sim.Update([](SimDeviceData& d) { d.accounts = {{"admin", "s3cret"}}; });
    RawClient client(sim.port());
    auto login = [](std::uint8_t mode, const std::string& user, const std::string& password) {
        SimByteWriter w;
        w.U8(mode).U8(static_cast<std::uint8_t>(user.size())).U8(static_cast<std::uint8_t>(password.size()));
        for (char c : user + password)
            w.U8(static_cast<std::uint8_t>(mode == 2 ? c ^ 0x5C : c));
        return w.Take();
    };
    const struct {
        std::uint8_t mode;
        const char* password;
        Bytes reply;
    } cases[] = {
        {2, "s3cret", {0, 0}},
        {1, "s3cret", {0, 0}},
        {2, "wrong", {0x11, 0x80}},
    };
    std::uint16_t sequence = 0;
    for (const auto& c : cases) {
        client.Send(Request(sequence++, 30400, login(c.mode, "admin", c.password)));
        const auto reply = client.ReceiveFrame();
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->payload, c.reply) << "mode " << int(c.mode) << " " << c.password;
    }
    const auto attempts = sim.Snapshot().loginAttempts;
    ASSERT_EQ(attempts.size(), 3u);
    EXPECT_EQ(attempts[2].password, "wrong");
}

TEST(SimulatorSelfTest, BootLoaderRegistrationPushesProgressFrames)
{
    DeviceSimulator sim;
    sim.Update([](SimDeviceData& d) {
        d.firmwareProgress = {{40, 0}, {100, 3}, {100, 1}};
        d.firmwarePushInterval = 5ms;
    });
    RawClient client(sim.port());
    client.Send(Request(0, 30018));
    const auto reply = client.ReceiveFrame();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->payload, (Bytes{0, 0}));
    // One round ends at the first final state; the next registration gets the rest.
    const Bytes expected[] = {{40, 0}, {100, 3}};
    for (const auto& payload : expected) {
        const auto pushed = client.ReceiveFrame();
        ASSERT_TRUE(pushed);
        EXPECT_EQ(pushed->header.command, 30019);
        EXPECT_EQ(pushed->payload, payload);
    }
    EXPECT_FALSE(client.ReceiveFrame(100ms));
    client.Send(Request(1, 30019, {0, 0})); // the acknowledgement gets no reply
    EXPECT_FALSE(client.ReceiveFrame(100ms));
    EXPECT_EQ(sim.Snapshot().pushAcknowledgements, 1);
    EXPECT_EQ(sim.Snapshot().firmwareProgress.size(), 1u);
}

TEST(SimulatorSelfTest, GatewayAnswersTheWrappedFrame)
{
    DeviceSimulator sim;
    const SimMac target{0xAA, 0xBB, 0xCC, 0x00, 0x00, 0x01};
    sim.Update([&](SimDeviceData& d) { d.gatewayTargets.insert(target); });
    RawClient client(sim.port());
    const Bytes inner = Request(3, 30004, {1});
    client.Send(Request(4, 30700, SimByteWriter().Append(target).Append(inner).Take()));
    const auto reply = client.ReceiveFrame();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->header.sequence, 4);
    const Bytes expected = SimByteWriter().Append(target).U16(0).Append(EncodeFrame(3, 30004, {0, 0, 1, 50})).Take();
    EXPECT_EQ(reply->payload, expected);
    const auto recorded = sim.Requests(30700);
    ASSERT_EQ(recorded.size(), 1u);
    ASSERT_TRUE(recorded[0].inner);
    EXPECT_EQ(recorded[0].inner->command(), 30004);
}

// Replies go out from their pieces. A client that asks for many chunks at once and reads them
// late makes the simulator meet a full socket buffer in the middle of replies; every reply must
// still arrive whole, in order, with the bytes of its chunk.
TEST(SimulatorSelfTest, ChunkRepliesSurviveAClientThatReadsLate)
{
    constexpr std::uint8_t kType = 6;
    constexpr std::uint16_t kChunk = 4096;
    constexpr std::uint32_t kChunks = 300;
    DeviceSimulator sim;
    sim.SetRecording(false);
    const Bytes file = Pattern(kChunk * kChunks);
    sim.SetFile(kType, file);
    RawClient client(sim.port());
    ASSERT_TRUE(client.connected());
    Bytes requests;
    for (std::uint32_t i = 0; i < kChunks; ++i) {
        const Bytes request =
            Request(static_cast<std::uint16_t>(i), 30204, ReadChunkPayload(kType, i * kChunk, kChunk));
        requests.insert(requests.end(), request.begin(), request.end());
    }
    client.Send(requests);
    std::this_thread::sleep_for(100ms);
    for (std::uint32_t i = 0; i < kChunks; ++i) {
        const auto reply = client.ReceiveFrame();
        ASSERT_TRUE(reply) << "chunk " << i;
        ASSERT_TRUE(reply->Valid()) << "chunk " << i;
        EXPECT_EQ(reply->header.sequence, i);
        const Bytes expected =
            SimByteWriter().U16(0).U8(0).U16(kChunk).Append(std::span(file.data() + i * kChunk, kChunk)).Take();
        ASSERT_EQ(reply->payload, expected) << "chunk " << i;
    }
}
