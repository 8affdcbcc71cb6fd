#pragma once
// The device frame: magic, frame id, length, sequence, command, payload and CRC-16/MODBUS, all
// little-endian; length counts sequence, command, payload and CRC (payload + 6).

#include "SimByteWriter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

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

// The fields in front of the payload.
struct SimFrameHeader {
    std::uint32_t magic = 0;
    std::uint16_t frameId = 0;
    std::uint16_t length = 0;
    std::uint16_t sequence = 0;
    std::uint16_t command = 0;

    // The header a device puts in front of a payload of that size.
    static SimFrameHeader For(std::uint16_t sequence, std::uint16_t command, std::size_t payloadSize);
};

// A decoded frame: SimFrame owns its payload, SimFrameView points where it lies in the receive
// buffer, so a frame is copied only where it is kept.
template <class Payload>
struct SimFrameOf {
    SimFrameHeader header;
    Payload payload;
    bool crcOk = false;
    // Magic, frame id and CRC as a device accepts them.
    bool Valid() const { return header.magic == kFrameMagic && header.frameId == kFrameId && crcOk; }
};
using SimFrame = SimFrameOf<Bytes>;
using SimFrameView = SimFrameOf<std::span<const std::uint8_t>>;

SimFrameView ViewOf(const SimFrame& frame);
// The owning copy a request log keeps.
SimFrame CopyOf(const SimFrameView& view);

enum class SimDecodeResult {
    NeedMore,       // not a whole frame yet
    Complete,       // frame and consumed are set
    Unsynchronised, // bad magic or a length no frame can have: the stream cannot be split
};

Bytes EncodeFrame(std::uint16_t sequence, std::uint16_t command, const Bytes& payload);
// The same with a header a test has spoilt; the CRC covers it as it is.
Bytes EncodeFrame(const SimFrameHeader& header, std::span<const std::uint8_t> payload);

// What goes in front of a payload and behind it, for a frame sent from its pieces.
using SimFrameHeaderBytes = std::array<std::uint8_t, kFrameHeaderSize>;
using SimFrameTrailerBytes = std::array<std::uint8_t, kFrameCrcSize>;
SimFrameHeaderBytes EncodeFrameHeader(const SimFrameHeader& header);
SimFrameTrailerBytes EncodeFrameTrailer(const SimFrameHeaderBytes& header, std::span<const std::uint8_t> payload);

// Splits one frame off the front of data.
SimDecodeResult DecodeFrame(const std::uint8_t* data, std::size_t size, SimFrame& frame, std::size_t& consumed);
// The same without copying the payload: the view points into data.
SimDecodeResult DecodeFrameView(const std::uint8_t* data, std::size_t size, SimFrameView& frame, std::size_t& consumed);

} // namespace pelsim
