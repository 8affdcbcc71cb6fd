#pragma once
// The frame layer: wraps a command and its payload in a frame (magic, frame id, length, sequence,
// command, payload, CRC-16), sends it and takes back the one reply that matches. Every byte of a
// reply is checked before it is used; failures are raised as result codes.

#include "Commands.h"
#include "VORNA.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class CVornaSockEIO;

namespace Frame {
constexpr std::uint8_t kMagic[4] = {0x44, 0x41, 0x43, 0x3F};
constexpr std::uint16_t kFrameId = 0x0100;
constexpr std::size_t kHeaderSize = 12; // magic, frame id, length, sequence, command
constexpr std::size_t kCrcSize = 2;
constexpr std::size_t kLengthOffset = 6;
constexpr std::size_t kSequenceOffset = 8;
constexpr std::size_t kCommandOffset = 10;
constexpr std::size_t kLengthBias = 6;    // the length field counts sequence, command, payload and CRC
constexpr std::size_t kLengthOutside = 8; // magic, frame id and the length field itself
constexpr std::size_t kBufferSize = VORNA_FRAME_BUFFER_SIZE;
constexpr std::size_t kMaxPayload = VORNA_MAX_PAYLOAD;

constexpr std::uint16_t kCommandPushedProgress = Command::kFwUpgradePercentage;
constexpr std::uint16_t kCommandGateway = Command::kGateway;
constexpr std::size_t kMacSize = 6;
} // namespace Frame

using FrameBuffer = std::array<std::uint8_t, Frame::kBufferSize>;
using FrameHeader = std::array<std::uint8_t, Frame::kHeaderSize>;
using MacAddress = std::array<std::uint8_t, Frame::kMacSize>;

// What a reply frame must carry to answer a request.
struct FrameExpectation {
    std::uint16_t sequence;
    std::uint16_t command;
    bool matchSequence = true;
};

// A request payload in two pieces that are sent from where they lie: the fields the caller laid
// out, then bytes kept in place (a file chunk), so neither is copied into a frame first.
struct RequestPayload {
    const std::uint8_t* head = nullptr;
    std::size_t headLength = 0;
    const std::uint8_t* tail = nullptr;
    std::size_t tailLength = 0;
    std::size_t Size() const { return headLength + tailLength; }
};

// A reply payload inside the frame layer's receive buffer: valid until the next request.
struct ReplyBytes {
    const std::uint8_t* data;
    std::size_t length;
};

class CRTUTCP {
public:
    explicit CRTUTCP(std::unique_ptr<CVornaSockEIO> socket);
    ~CRTUTCP();

    // Sends one request and gives back its reply payload where it arrived (at most replyCapacity
    // bytes, else 2004). With the gateway on, the request travels inside 30700.
    ReplyBytes Send(std::uint16_t command, RequestPayload payload, std::size_t replyCapacity);
    // Wraps a complete frame for the controller with the given MAC into 30700 and gives back the
    // inner reply payload.
    std::size_t SendByGateway(const MacAddress& mac, const std::uint8_t* frame, std::size_t frameLength,
                              std::uint8_t* reply, std::size_t replyCapacity);

    // Waits for one frame the controller pushes (30019) and returns its payload length.
    std::size_t ReceivePushedFrame(std::uint8_t* payload, std::size_t capacity);
    // Acknowledges a pushed frame with the payload 00 00; no reply is awaited.
    void AnswerPushedFrame();

    // From any thread: the request under way and every later one end with VORNA_RESULT_CANCELLED.
    void Abort();

    void SetGatewayEnabled(bool enabled) { m_gateway = enabled; }
    bool GatewayEnabled() const { return m_gateway; }
    void SetTargetMac(const MacAddress& mac) { m_targetMac = mac; }
    const MacAddress& TargetMac() const { return m_targetMac; }
    std::uint16_t NextSequence() const { return m_sequence; }

    // --- Frame building and checking, apart from the socket ---

    // Builds a frame into the buffer and returns its length; a payload that does not fit is
    // refused (VORNA_RESULT_INVALID_ARGUMENT).
    static std::size_t BuildFrame(FrameBuffer& frame, std::uint16_t sequence, std::uint16_t command,
                                  const std::uint8_t* payload, std::size_t length);
    static std::size_t BuildFrame(FrameBuffer& frame, std::uint16_t sequence, std::uint16_t command,
                                  const RequestPayload& payload);
    // Checks the frame that begins at bytes, of which available have arrived: the header once it
    // is in, the CRC once the frame is complete. Returns 0 while bytes are missing, else the
    // frame's size (bytes behind it are not looked at). Raises 2004.
    static std::size_t CheckFrame(const std::uint8_t* bytes, std::size_t available, const FrameExpectation& expected);
    // A direct reply: exactly one frame and nothing behind it. Returns 0 while incomplete.
    static std::size_t CheckDirectReply(const std::uint8_t* bytes, std::size_t received,
                                        const FrameExpectation& expected);
    // Gateway reply: 30700 frames back to back; their payloads are joined into joined (the
    // first one whole, the others without MAC and status). nullopt while the reply is incomplete.
    static std::optional<std::size_t> JoinGatewayReply(const std::uint8_t* bytes, std::size_t received,
                                                       std::uint16_t sequence, FrameBuffer& joined);
    // The inner reply payload of a joined gateway reply: MAC and status checked. Returns its
    // offset and length within joined.
    static std::pair<std::size_t, std::size_t> InnerGatewayPayload(const std::uint8_t* joined, std::size_t length,
                                                                   const MacAddress& mac);

private:
    std::uint16_t TakeSequence() { return m_sequence++; }
    ReplyBytes SendRouted(std::uint16_t command, const RequestPayload& payload, std::size_t replyCapacity);
    ReplyBytes SendDirect(std::uint16_t command, const RequestPayload& payload, std::size_t replyCapacity);
    ReplyBytes SendWrapped(const MacAddress& mac, const std::uint8_t* frame, std::size_t frameLength,
                           std::size_t replyCapacity);
    // Sends header, payload and CRC, then receives into m_received until accept reports a
    // complete reply; returns its size.
    template <class Accept>
    std::size_t Exchange(const FrameHeader& header, const RequestPayload& payload, Accept accept);

    bool m_gateway = false;
    // True while the last request ended with its whole reply and nothing else can be on its way:
    // then the next request skips throwing away stale input, which would cost a system call.
    bool m_inputSettled = false;
    std::unique_ptr<CVornaSockEIO> m_socket;
    std::uint16_t m_sequence = 0;
    MacAddress m_targetMac{};
    // Replies are checked and read where they arrive: no copy between the socket and the caller.
    FrameBuffer m_received;
    FrameBuffer m_joined; // a gateway reply's payloads, joined
};
