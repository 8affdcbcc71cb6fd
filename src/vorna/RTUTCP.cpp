#include "RTUTCP.h"

#include "ByteOrder.h"
#include "CRC16.h"
#include "SockEIO.h"
#include "VornaError.h"

#include <algorithm>
#include <cstring>
#include <sys/uio.h>

namespace {

constexpr std::size_t kFrameOverhead = Frame::kHeaderSize + Frame::kCrcSize;
constexpr std::size_t kGatewayStatusOffset = Frame::kMacSize;
constexpr std::size_t kGatewayInnerOffset = Frame::kMacSize + 2; // behind MAC and status
constexpr std::size_t kGatewayInnerPayloadOffset = kGatewayInnerOffset + Frame::kHeaderSize;

// These commands carry no payload, whatever the caller passes.
bool commandHasNoPayload(std::uint16_t command)
{
    constexpr std::uint16_t kCommandsWithoutPayload[] = {Command::kRestart, Command::kReset, Command::kWarmReset,
                                                         Command::kRegisterToBootLoader};
    return std::find(std::begin(kCommandsWithoutPayload), std::end(kCommandsWithoutPayload), command) !=
           std::end(kCommandsWithoutPayload);
}

void copyOut(const std::uint8_t* from, std::size_t length, std::uint8_t* to, std::size_t capacity)
{
    Require(length <= capacity, VORNA_RESULT_BAD_REPLY);
    if (length > 0) {
        RequireArgument(to);
        std::memcpy(to, from, length);
    }
}

ReplyBytes replyWithin(const std::uint8_t* data, std::size_t length, std::size_t capacity)
{
    Require(length <= capacity, VORNA_RESULT_BAD_REPLY);
    return {data, length};
}

// Refuses a payload no frame can carry, or a piece that claims bytes without pointing at them.
void requireSendable(const RequestPayload& payload)
{
    Require(payload.Size() <= Frame::kMaxPayload, VORNA_RESULT_INVALID_ARGUMENT);
    if (payload.headLength > 0)
        RequireArgument(payload.head);
    if (payload.tailLength > 0)
        RequireArgument(payload.tail);
}

FrameHeader headerOf(std::uint16_t sequence, std::uint16_t command, std::size_t payloadLength)
{
    FrameHeader header;
    std::memcpy(header.data(), Frame::kMagic, sizeof Frame::kMagic);
    WriteU16(header.data() + 4, Frame::kFrameId);
    WriteU16(header.data() + Frame::kLengthOffset, static_cast<std::uint16_t>(payloadLength + Frame::kLengthBias));
    WriteU16(header.data() + Frame::kSequenceOffset, sequence);
    WriteU16(header.data() + Frame::kCommandOffset, command);
    return header;
}

std::uint16_t crcOf(const FrameHeader& header, const RequestPayload& payload)
{
    std::uint16_t crc = Crc16Modbus(header.data(), header.size());
    crc = Crc16ModbusContinue(crc, payload.head, payload.headLength);
    return Crc16ModbusContinue(crc, payload.tail, payload.tailLength);
}

void copyPiece(std::uint8_t* to, const std::uint8_t* from, std::size_t length)
{
    if (length > 0)
        std::memcpy(to, from, length);
}

std::size_t payloadLength(std::size_t frameSize)
{
    return frameSize - kFrameOverhead;
}

} // namespace

CRTUTCP::CRTUTCP(std::unique_ptr<CVornaSockEIO> socket) : m_socket(std::move(socket))
{}

CRTUTCP::~CRTUTCP() = default;

void CRTUTCP::Abort()
{
    m_socket->Abort();
}

std::size_t CRTUTCP::BuildFrame(FrameBuffer& frame, std::uint16_t sequence, std::uint16_t command,
                                const std::uint8_t* payload, std::size_t length)
{
    return BuildFrame(frame, sequence, command, RequestPayload{payload, length});
}

std::size_t CRTUTCP::BuildFrame(FrameBuffer& frame, std::uint16_t sequence, std::uint16_t command,
                                const RequestPayload& payload)
{
    requireSendable(payload);
    const FrameHeader header = headerOf(sequence, command, payload.Size());
    std::memcpy(frame.data(), header.data(), header.size());
    copyPiece(frame.data() + Frame::kHeaderSize, payload.head, payload.headLength);
    copyPiece(frame.data() + Frame::kHeaderSize + payload.headLength, payload.tail, payload.tailLength);
    const std::size_t crcAt = Frame::kHeaderSize + payload.Size();
    WriteU16(frame.data() + crcAt, Crc16Modbus(frame.data(), crcAt));
    return crcAt + Frame::kCrcSize;
}

std::size_t CRTUTCP::CheckFrame(const std::uint8_t* bytes, std::size_t available, const FrameExpectation& expected)
{
    if (available < Frame::kHeaderSize)
        return 0;
    Require(std::memcmp(bytes, Frame::kMagic, sizeof Frame::kMagic) == 0, VORNA_RESULT_BAD_REPLY);
    Require(ReadU16(bytes + 4) == Frame::kFrameId, VORNA_RESULT_BAD_REPLY);
    Require(!expected.matchSequence || ReadU16(bytes + Frame::kSequenceOffset) == expected.sequence,
            VORNA_RESULT_BAD_REPLY);
    Require(ReadU16(bytes + Frame::kCommandOffset) == expected.command, VORNA_RESULT_BAD_REPLY);
    const std::size_t length = ReadU16(bytes + Frame::kLengthOffset);
    Require(length >= Frame::kLengthBias && length + Frame::kLengthOutside <= Frame::kBufferSize,
            VORNA_RESULT_BAD_REPLY);
    const std::size_t total = length + Frame::kLengthOutside;
    if (available < total)
        return 0;
    const std::size_t crcAt = total - Frame::kCrcSize;
    Require(ReadU16(bytes + crcAt) == Crc16Modbus(bytes, crcAt), VORNA_RESULT_BAD_REPLY);
    return total;
}

std::size_t CRTUTCP::CheckDirectReply(const std::uint8_t* bytes, std::size_t received, const FrameExpectation& expected)
{
    const std::size_t total = CheckFrame(bytes, received, expected);
    Require(total == 0 || received == total, VORNA_RESULT_BAD_REPLY);
    return total;
}

std::optional<std::size_t> CRTUTCP::JoinGatewayReply(const std::uint8_t* bytes, std::size_t received,
                                                     std::uint16_t sequence, FrameBuffer& joined)
{
    const FrameExpectation expected{sequence, Frame::kCommandGateway};
    std::size_t position = 0;
    std::size_t joinedLength = 0;
    while (position < received) {
        const std::size_t total = CheckFrame(bytes + position, received - position, expected);
        if (total == 0)
            return std::nullopt;
        const std::uint8_t* payload = bytes + position + Frame::kHeaderSize;
        std::size_t length = payloadLength(total);
        if (position > 0) {
            // Later frames repeat MAC and status in front of the continued data.
            Require(length >= kGatewayInnerOffset, VORNA_RESULT_BAD_REPLY);
            payload += kGatewayInnerOffset;
            length -= kGatewayInnerOffset;
        }
        std::memcpy(joined.data() + joinedLength, payload, length);
        joinedLength += length;
        position += total;
    }
    if (position == 0)
        return std::nullopt;
    // Complete once the inner frame announced by its length field is in; a refusal (status not 0)
    // or a reply too short to announce one carries no more.
    constexpr std::size_t kInnerLengthOffset = kGatewayInnerOffset + Frame::kLengthOffset;
    if (joinedLength < kInnerLengthOffset + 2 || ReadU16(joined.data() + kGatewayStatusOffset) != 0)
        return joinedLength;
    const std::size_t innerTotal = ReadU16(joined.data() + kInnerLengthOffset) + Frame::kLengthOutside;
    if (joinedLength >= kGatewayInnerOffset + innerTotal)
        return joinedLength;
    return std::nullopt;
}

std::pair<std::size_t, std::size_t> CRTUTCP::InnerGatewayPayload(const std::uint8_t* joined, std::size_t length,
                                                                 const MacAddress& mac)
{
    Require(length >= kGatewayInnerOffset, VORNA_RESULT_BAD_REPLY);
    Require(std::memcmp(joined, mac.data(), mac.size()) == 0, VORNA_RESULT_BAD_REPLY);
    Require(ReadU16(joined + kGatewayStatusOffset) == 0, VORNA_RESULT_BAD_REPLY);
    Require(length >= kGatewayInnerOffset + kFrameOverhead, VORNA_RESULT_BAD_REPLY);
    const std::uint8_t* inner = joined + kGatewayInnerOffset;
    Require(std::memcmp(inner, Frame::kMagic, sizeof Frame::kMagic) == 0, VORNA_RESULT_BAD_REPLY);
    const std::size_t innerLength = ReadU16(inner + Frame::kLengthOffset);
    Require(innerLength >= Frame::kLengthBias && kGatewayInnerOffset + innerLength + Frame::kLengthOutside == length,
            VORNA_RESULT_BAD_REPLY);
    return {kGatewayInnerPayloadOffset, length - kGatewayInnerPayloadOffset - Frame::kCrcSize};
}

template <class Accept>
std::size_t CRTUTCP::Exchange(const FrameHeader& header, const RequestPayload& payload, Accept accept)
{
    if (!m_inputSettled)
        m_socket->DiscardPendingInput();
    m_inputSettled = false;
    const CDeadline deadline(m_socket->TimeoutMs());
    std::uint8_t crc[Frame::kCrcSize];
    WriteU16(crc, crcOf(header, payload));
    iovec pieces[] = {{const_cast<std::uint8_t*>(header.data()), header.size()},
                      {const_cast<std::uint8_t*>(payload.head), payload.headLength},
                      {const_cast<std::uint8_t*>(payload.tail), payload.tailLength},
                      {crc, sizeof crc}};
    m_socket->SendAllGathered(pieces, std::size(pieces), deadline);
    std::size_t count = 0;
    for (;;) {
        Require(count < m_received.size(), VORNA_RESULT_BAD_REPLY);
        count += m_socket->ReceiveSome(m_received.data() + count, m_received.size() - count, deadline);
        if (accept(count)) {
            m_inputSettled = true;
            return count;
        }
    }
}

ReplyBytes CRTUTCP::Send(std::uint16_t command, RequestPayload payload, std::size_t replyCapacity)
{
    const bool restartsController = commandHasNoPayload(command);
    if (restartsController)
        payload = {};
    const ReplyBytes reply = SendRouted(command, payload, replyCapacity);
    // The controller restarts or pushes its progress next: what follows may hold more than a reply.
    if (restartsController)
        m_inputSettled = false;
    return reply;
}

ReplyBytes CRTUTCP::SendRouted(std::uint16_t command, const RequestPayload& payload, std::size_t replyCapacity)
{
    if (!m_gateway || command == Frame::kCommandGateway)
        return SendDirect(command, payload, replyCapacity);

    FrameBuffer inner;
    const std::size_t innerLength = BuildFrame(inner, m_sequence, command, payload);
    Require(Frame::kMacSize + innerLength <= Frame::kMaxPayload, VORNA_RESULT_INVALID_ARGUMENT);
    TakeSequence();
    return SendWrapped(m_targetMac, inner.data(), innerLength, replyCapacity);
}

ReplyBytes CRTUTCP::SendDirect(std::uint16_t command, const RequestPayload& payload, std::size_t replyCapacity)
{
    requireSendable(payload);
    const FrameHeader header = headerOf(m_sequence, command, payload.Size());
    const FrameExpectation expected{TakeSequence(), command};
    std::size_t total = 0;
    Exchange(header, payload, [&](std::size_t count) {
        total = CheckDirectReply(m_received.data(), count, expected);
        return total != 0;
    });
    return replyWithin(m_received.data() + Frame::kHeaderSize, payloadLength(total), replyCapacity);
}

std::size_t CRTUTCP::SendByGateway(const MacAddress& mac, const std::uint8_t* frame, std::size_t frameLength,
                                   std::uint8_t* reply, std::size_t replyCapacity)
{
    const ReplyBytes answer = SendWrapped(mac, frame, frameLength, replyCapacity);
    copyOut(answer.data, answer.length, reply, replyCapacity);
    return answer.length;
}

ReplyBytes CRTUTCP::SendWrapped(const MacAddress& mac, const std::uint8_t* frame, std::size_t frameLength,
                                std::size_t replyCapacity)
{
    Require(frameLength <= Frame::kMaxPayload - Frame::kMacSize, VORNA_RESULT_INVALID_ARGUMENT);
    const RequestPayload wrapped{mac.data(), mac.size(), frame, frameLength};
    requireSendable(wrapped);
    const FrameHeader header = headerOf(m_sequence, Frame::kCommandGateway, wrapped.Size());
    const std::uint16_t sequence = TakeSequence();

    std::size_t joinedLength = 0;
    Exchange(header, wrapped, [&](std::size_t count) {
        const auto result = JoinGatewayReply(m_received.data(), count, sequence, m_joined);
        joinedLength = result.value_or(0);
        return result.has_value();
    });
    const auto [offset, length] = InnerGatewayPayload(m_joined.data(), joinedLength, mac);
    return replyWithin(m_joined.data() + offset, length, replyCapacity);
}

std::size_t CRTUTCP::ReceivePushedFrame(std::uint8_t* payload, std::size_t capacity)
{
    // The controller may push several frames in a row: take exactly one and leave the next in
    // the socket for the next call.
    const FrameExpectation expected{0, Frame::kCommandPushedProgress, false};
    m_inputSettled = false; // more pushed frames may follow this one
    const CDeadline deadline(m_socket->TimeoutMs());
    FrameBuffer answer;
    std::size_t count = 0;
    std::size_t total = 0;
    while (total == 0) {
        const std::size_t wanted = count < Frame::kHeaderSize
                                       ? Frame::kHeaderSize
                                       : ReadU16(answer.data() + Frame::kLengthOffset) + Frame::kLengthOutside;
        count += m_socket->ReceiveSome(answer.data() + count, wanted - count, deadline);
        total = CheckDirectReply(answer.data(), count, expected);
    }
    const std::size_t length = payloadLength(total);
    copyOut(answer.data() + Frame::kHeaderSize, length, payload, capacity);
    return length;
}

void CRTUTCP::AnswerPushedFrame()
{
    constexpr std::uint8_t kAcknowledgement[2] = {0, 0};
    FrameBuffer request;
    const std::size_t requestLength =
        BuildFrame(request, m_sequence, Frame::kCommandPushedProgress, kAcknowledgement, sizeof kAcknowledgement);
    TakeSequence();
    const CDeadline deadline(m_socket->TimeoutMs());
    m_socket->SendAll(request.data(), requestLength, deadline);
}
