#pragma once
// The device frame: magic, frame id, length, sequence, command, payload and CRC-16/MODBUS, all
// little-endian; length counts sequence, command, payload and CRC (payload + 6).

#include "SimByteWriter.h"

#include <cstddef>
#include <cstdint>

namespace pelsim {

inline constexpr std::uint32_t kFrameMagic = 0x3F434144;
inline constexpr std::uint16_t kFrameId = 0x0100;
inline constexpr std::size_t kFrameHeaderSize = 12;
inline constexpr std::size_t kFrameCrcSize = 2;
inline constexpr std::size_t kFramePrefixSize = 8;  // magic, frame id, length
inline constexpr std::uint16_t kLengthOverhead = 6; // sequence, command, CRC
inline constexpr std::size_t kMaxFrameSize = 4400;  // the library's receive buffer
inline constexpr std::size_t kMaxPayloadSize = kMaxFrameSize - kFrameHeaderSize - kFrameCrcSize;
inline constexpr std::size_t kLengthOffset = 6;
inline constexpr std::size_t kSequenceOffset = 8;
inline constexpr std::size_t kCommandOffset = 10;

struct SimFrame {
    std::uint32_t magic = 0;
    std::uint16_t frameId = 0;
    std::uint16_t length = 0;
    std::uint16_t sequence = 0;
    std::uint16_t command = 0;
    Bytes payload;
    bool crcOk = false;
    // Magic, frame id and CRC as a device accepts them.
    bool Valid() const { return magic == kFrameMagic && frameId == kFrameId && crcOk; }
};

enum class SimDecodeResult {
    NeedMore,       // not a whole frame yet
    Complete,       // frame and consumed are set
    Unsynchronised, // bad magic or a length no frame can have: the stream cannot be split
};

Bytes EncodeFrame(std::uint16_t sequence, std::uint16_t command, const Bytes& payload);

// Splits one frame off the front of data.
SimDecodeResult DecodeFrame(const std::uint8_t* data, std::size_t size, SimFrame& frame, std::size_t& consumed);

// Recomputes the CRC of a frame whose header or payload a test has patched.
void RefreshCrc(Bytes& frame);

} // namespace pelsim
