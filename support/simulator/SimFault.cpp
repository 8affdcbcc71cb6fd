#include "SimFault.h"

#include "SimFrame.h"

#include <optional>

namespace pelsim {
namespace {

constexpr std::uint16_t kWrongFrameId = 0x0001;

struct CountField {
    std::size_t offset;
    std::size_t width; // bytes
};

// Where the list replies keep their entry count.
std::optional<CountField> CountFieldOf(std::uint16_t command)
{
    switch (command) {
    case 30014:
        return CountField{0, 2};
    case 30011:
    case 30015:
    case 30016:
        return CountField{2, 2};
    case 30012:
    case 30013:
        return CountField{4, 2};
    case 30401:
        return CountField{3, 1};
    default:
        return std::nullopt;
    }
}

void PutWord(Bytes& bytes, std::size_t offset, std::uint32_t value, std::size_t width)
{
    if (bytes.size() < offset + width)
        bytes.resize(offset + width, 0);
    for (std::size_t i = 0; i < width; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The header as a fault sends it; the CRC is computed over the spoilt header.
SimFrameHeader SpoiltHeader(const SimFault& fault, SimFrameHeader header)
{
    switch (fault.kind) {
    case SimFaultKind::WrongMagic:
        header.magic ^= 0xFF; // its first byte
        break;
    case SimFaultKind::WrongFrameId:
        header.frameId = kWrongFrameId;
        break;
    case SimFaultKind::WrongSequence:
        --header.sequence;
        break;
    case SimFaultKind::WrongCommand:
        ++header.command;
        break;
    default:
        break;
    }
    return header;
}

} // namespace

void ApplyPayloadFault(const SimFault& fault, std::uint16_t command, Bytes& payload)
{
    switch (fault.kind) {
    case SimFaultKind::RaisedStatus:
        PutWord(payload, 0, fault.value, 2);
        break;
    case SimFaultKind::ReplacePayload:
        payload = fault.bytes;
        break;
    case SimFaultKind::AbsurdCount:
        if (const auto field = CountFieldOf(command))
            PutWord(payload, field->offset, fault.value, field->width);
        break;
    default:
        break;
    }
}

Bytes EncodeFaultyFrame(const SimFault* fault, std::uint16_t sequence, std::uint16_t command, const Bytes& payload)
{
    const SimFrameHeader header = SimFrameHeader::For(sequence, command, payload.size());
    Bytes frame = EncodeFrame(fault ? SpoiltHeader(*fault, header) : header, payload);
    if (!fault)
        return frame;
    switch (fault->kind) {
    case SimFaultKind::BadCrc:
        frame[frame.size() - 1] ^= 0x5A;
        break;
    case SimFaultKind::AbsurdLength:
        // After the CRC: it still covers the true length.
        PutWord(frame, kLengthOffset, fault->value, 2);
        break;
    case SimFaultKind::ExtraBytes:
        frame.insert(frame.end(), fault->value, 0);
        break;
    case SimFaultKind::MissingBytes:
        frame.resize(fault->value < frame.size() ? frame.size() - fault->value : 0);
        break;
    default:
        break;
    }
    return frame;
}

} // namespace pelsim
