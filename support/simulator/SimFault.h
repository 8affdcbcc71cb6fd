#pragma once
// One way a reply can go wrong. Payload faults change the reply payload before it is framed,
// frame faults change the frame's bytes, transport faults change how (or whether) it is sent.

#include "SimDeviceData.h"

#include <cstdint>
#include <vector>

namespace pelsim {

enum class SimFaultKind {
    WrongMagic,
    WrongFrameId,
    WrongSequence,
    WrongCommand,
    BadCrc,
    ExtraBytes,
    MissingBytes,
    ByteByByte,
    Silence,
    DropConnection,
    AbsurdLength,
    AbsurdCount,
    RaisedStatus,
    ReplacePayload,
    PushProgressFirst,
    Delay,
};

struct SimFault {
    SimFaultKind kind = SimFaultKind::Silence;
    std::uint32_t value = 0;
    Bytes bytes;
    std::vector<SimFirmwareProgress> pushed;
    bool closeAfter = false;

    // The same fault, and the connection closed once the reply (or what is left of it) is out.
    SimFault ThenClose() const
    {
        SimFault fault = *this;
        fault.closeAfter = true;
        return fault;
    }

    static SimFault Make(SimFaultKind kind, std::uint32_t value = 0)
    {
        SimFault fault;
        fault.kind = kind;
        fault.value = value;
        return fault;
    }

    static SimFault WrongMagic() { return Make(SimFaultKind::WrongMagic); }
    static SimFault WrongFrameId() { return Make(SimFaultKind::WrongFrameId); }
    // The request's sequence number - 1: a reply to the previous request.
    static SimFault WrongSequence() { return Make(SimFaultKind::WrongSequence); }
    // The request's command + 1.
    static SimFault WrongCommand() { return Make(SimFaultKind::WrongCommand); }
    static SimFault BadCrc() { return Make(SimFaultKind::BadCrc); }
    // count zero bytes after the frame, in the same write.
    static SimFault ExtraBytes(std::uint32_t count = 1) { return Make(SimFaultKind::ExtraBytes, count); }
    // The frame without its last count bytes; the connection stays open.
    static SimFault MissingBytes(std::uint32_t count = 1) { return Make(SimFaultKind::MissingBytes, count); }
    static SimFault ByteByByte(std::uint32_t microsecondsBetween = 500)
    {
        return Make(SimFaultKind::ByteByByte, microsecondsBetween);
    }
    static SimFault Silence() { return Make(SimFaultKind::Silence); }
    // Closes the connection instead of replying.
    static SimFault DropConnection() { return Make(SimFaultKind::DropConnection); }
    // The length field patched to value; the bytes and CRC stay as they were.
    static SimFault AbsurdLength(std::uint16_t value) { return Make(SimFaultKind::AbsurdLength, value); }
    // The count field of a list reply patched to value; the entries stay as they were.
    static SimFault AbsurdCount(std::uint16_t value) { return Make(SimFaultKind::AbsurdCount, value); }
    // Reply payload bytes 0-1 replaced by word, little-endian (added when the payload is shorter).
    static SimFault RaisedStatus(std::uint16_t word) { return Make(SimFaultKind::RaisedStatus, word); }
    // Exactly these payload bytes in a correct frame.
    static SimFault ReplacePayload(Bytes payload)
    {
        SimFault fault = Make(SimFaultKind::ReplacePayload);
        fault.bytes = std::move(payload);
        return fault;
    }
    // A read-chunk reply (30204) with no data: the file seems to end at the offset asked for.
    static SimFault EndOfFile() { return ReplacePayload({0, 0, 1, 0, 0}); }
    // 30019 frames pushed before the real reply.
    static SimFault PushProgressFirst(std::vector<SimFirmwareProgress> frames)
    {
        SimFault fault = Make(SimFaultKind::PushProgressFirst);
        fault.pushed = std::move(frames);
        return fault;
    }
    static SimFault Delay(std::uint32_t milliseconds) { return Make(SimFaultKind::Delay, milliseconds); }
};

// Applies a payload fault (RaisedStatus, ReplacePayload, AbsurdCount); others leave it alone.
void ApplyPayloadFault(const SimFault& fault, std::uint16_t command, Bytes& payload);

// Encodes the reply frame with the fault's frame changes (magic, frame id, sequence, command,
// CRC, length, extra and missing bytes).
Bytes EncodeFaultyFrame(const SimFault* fault, std::uint16_t sequence, std::uint16_t command, const Bytes& payload);

} // namespace pelsim
