#include "SimFrame.h"

#include "SimByteReader.h"
#include "SimCrc16.h"

#include <algorithm>

namespace pelsim {
namespace {

constexpr std::uint8_t kMagicBytes[4] = {0x44, 0x41, 0x43, 0x3F};

bool MagicPrefixMatches(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i < size && i < sizeof kMagicBytes; ++i)
        if (data[i] != kMagicBytes[i])
            return false;
    return true;
}

} // namespace

SimFrameHeader SimFrameHeader::For(std::uint16_t sequence, std::uint16_t command, std::size_t payloadSize)
{
    return {kFrameMagic, kFrameId, static_cast<std::uint16_t>(payloadSize + kLengthOverhead), sequence, command};
}

Bytes EncodeFrame(std::uint16_t sequence, std::uint16_t command, const Bytes& payload)
{
    return EncodeFrame(SimFrameHeader::For(sequence, command, payload.size()), payload);
}

Bytes EncodeFrame(const SimFrameHeader& header, std::span<const std::uint8_t> payload)
{
    const SimFrameHeaderBytes headerBytes = EncodeFrameHeader(header);
    return SimByteWriter(kFrameHeaderSize + payload.size() + kFrameCrcSize)
        .Append(headerBytes)
        .Append(payload)
        .Append(EncodeFrameTrailer(headerBytes, payload))
        .Take();
}

SimFrameHeaderBytes EncodeFrameHeader(const SimFrameHeader& header)
{
    SimByteWriter writer(kFrameHeaderSize);
    writer.U32(header.magic).U16(header.frameId).U16(header.length).U16(header.sequence).U16(header.command);
    SimFrameHeaderBytes bytes{};
    std::copy(writer.bytes().begin(), writer.bytes().end(), bytes.begin());
    return bytes;
}

SimFrameTrailerBytes EncodeFrameTrailer(const SimFrameHeaderBytes& header, std::span<const std::uint8_t> payload)
{
    const std::uint16_t crc =
        SimCrc16ModbusContinue(SimCrc16Modbus(header.data(), header.size()), payload.data(), payload.size());
    return {static_cast<std::uint8_t>(crc), static_cast<std::uint8_t>(crc >> 8)};
}

SimFrameView ViewOf(const SimFrame& frame)
{
    return {frame.header, frame.payload, frame.crcOk};
}

SimFrame CopyOf(const SimFrameView& view)
{
    return {view.header, Bytes(view.payload.begin(), view.payload.end()), view.crcOk};
}

SimDecodeResult DecodeFrame(const std::uint8_t* data, std::size_t size, SimFrame& frame, std::size_t& consumed)
{
    SimFrameView view;
    const SimDecodeResult result = DecodeFrameView(data, size, view, consumed);
    frame = CopyOf(view); // also the header fields read before a frame turned out incomplete
    return result;
}

SimDecodeResult DecodeFrameView(const std::uint8_t* data, std::size_t size, SimFrameView& frame, std::size_t& consumed)
{
    if (!MagicPrefixMatches(data, size))
        return SimDecodeResult::Unsynchronised;
    if (size < kFramePrefixSize)
        return SimDecodeResult::NeedMore;
    SimByteReader reader(data, size);
    SimFrameHeader& header = frame.header;
    header.magic = reader.U32();
    header.frameId = reader.U16();
    header.length = reader.U16();
    const std::size_t total = std::size_t(header.length) + kFramePrefixSize;
    if (header.length < kLengthOverhead || total > kMaxFrameSize)
        return SimDecodeResult::Unsynchronised;
    if (size < total)
        return SimDecodeResult::NeedMore;
    header.sequence = reader.U16();
    header.command = reader.U16();
    const std::size_t payloadSize = total - kFrameHeaderSize - kFrameCrcSize;
    frame.payload = std::span(data + kFrameHeaderSize, payloadSize);
    const std::uint16_t crc = static_cast<std::uint16_t>(data[total - 2] | data[total - 1] << 8);
    frame.crcOk = crc == SimCrc16Modbus(data, total - kFrameCrcSize);
    consumed = total;
    return SimDecodeResult::Complete;
}

} // namespace pelsim
