#include "SimFrame.h"

#include "SimByteReader.h"
#include "SimCrc16.h"

#include <algorithm>

namespace pelsim {
namespace {

constexpr std::uint8_t kMagicBytes[4] = {0x44, 0x41, 0x43, 0x3F};

void AppendCrc(Bytes& frame)
{
    const std::uint16_t crc = SimCrc16Modbus(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}

bool MagicPrefixMatches(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i < size && i < sizeof kMagicBytes; ++i)
        if (data[i] != kMagicBytes[i])
            return false;
    return true;
}

} // namespace

Bytes EncodeFrame(std::uint16_t sequence, std::uint16_t command, const Bytes& payload)
{
    SimByteWriter writer(kFrameHeaderSize + payload.size() + kFrameCrcSize);
    writer.U32(kFrameMagic)
        .U16(kFrameId)
        .U16(static_cast<std::uint16_t>(payload.size() + kLengthOverhead))
        .U16(sequence)
        .U16(command)
        .Append(payload);
    Bytes frame = writer.Take();
    AppendCrc(frame);
    return frame;
}

SimFrameHeader EncodeFrameHeader(std::uint16_t sequence, std::uint16_t command, std::size_t payloadSize)
{
    SimByteWriter writer(kFrameHeaderSize);
    writer.U32(kFrameMagic)
        .U16(kFrameId)
        .U16(static_cast<std::uint16_t>(payloadSize + kLengthOverhead))
        .U16(sequence)
        .U16(command);
    SimFrameHeader header;
    std::copy(writer.bytes().begin(), writer.bytes().end(), header.begin());
    return header;
}

SimFrameTrailer EncodeFrameTrailer(const SimFrameHeader& header, std::span<const std::uint8_t> payload)
{
    const std::uint16_t crc =
        SimCrc16ModbusContinue(SimCrc16Modbus(header.data(), header.size()), payload.data(), payload.size());
    return {static_cast<std::uint8_t>(crc), static_cast<std::uint8_t>(crc >> 8)};
}

SimFrameView ViewOf(const SimFrame& frame)
{
    return {frame.magic, frame.frameId, frame.length, frame.sequence, frame.command, frame.payload, frame.crcOk};
}

SimFrame CopyOf(const SimFrameView& view)
{
    return {view.magic,    view.frameId, view.length,
            view.sequence, view.command, Bytes(view.payload.begin(), view.payload.end()),
            view.crcOk};
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
    SimByteReader header(data, size);
    frame.magic = header.U32();
    frame.frameId = header.U16();
    frame.length = header.U16();
    const std::size_t total = std::size_t(frame.length) + kFramePrefixSize;
    if (frame.length < kLengthOverhead || total > kMaxFrameSize)
        return SimDecodeResult::Unsynchronised;
    if (size < total)
        return SimDecodeResult::NeedMore;
    frame.sequence = header.U16();
    frame.command = header.U16();
    const std::size_t payloadSize = total - kFrameHeaderSize - kFrameCrcSize;
    frame.payload = std::span(data + kFrameHeaderSize, payloadSize);
    const std::uint16_t crc = static_cast<std::uint16_t>(data[total - 2] | data[total - 1] << 8);
    frame.crcOk = crc == SimCrc16Modbus(data, total - kFrameCrcSize);
    consumed = total;
    return SimDecodeResult::Complete;
}

void RefreshCrc(Bytes& frame)
{
    if (frame.size() < kFrameHeaderSize + kFrameCrcSize)
        return;
    frame.resize(frame.size() - kFrameCrcSize);
    AppendCrc(frame);
}

} // namespace pelsim
