#include "SimFault.h"

#include "SimFrame.h"

#include <optional>

namespace pelsim {
namespace {

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
    if (!fault)
        return EncodeFrame(sequence, command, payload);
    switch (fault->kind) {
    case SimFaultKind::WrongSequence:
        return EncodeFrame(static_cast<std::uint16_t>(sequence - 1), command, payload);
    case SimFaultKind::WrongCommand:
        return EncodeFrame(sequence, static_cast<std::uint16_t>(command + 1), payload);
    default:
        break;
    }
    Bytes frame = EncodeFrame(sequence, command, payload);
    switch (fault->kind) {
    case SimFaultKind::WrongMagic:
        frame[0] ^= 0xFF;
        RefreshCrc(frame);
        break;
    case SimFaultKind::WrongFrameId:
        frame[4] = 0x01;
        frame[5] = 0x00;
        RefreshCrc(frame);
        break;
    case SimFaultKind::BadCrc:
        frame[frame.size() - 1] ^= 0x5A;
        break;
    case SimFaultKind::AbsurdLength:
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
