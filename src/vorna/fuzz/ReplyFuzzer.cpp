// libFuzzer target for everything that reads the controller's bytes: the frame checks as a reply
// arrives piece by piece, the gateway reply, and every command's reply decoder.
// Build: cmake -DPELANDRIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ ...; run: build/fuzz/vorna_reply_fuzzer

#include "ByteOrder.h"
#include "FileTransfer.h"
#include "ModuleRTU.h"
#include "RTUTCP.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace {

constexpr std::size_t kFrameCheckSteps = 7; // arrival in pieces of this many bytes

template <class Record>
void decode(void (*decoder)(const CReplyView&, Record&), const CReplyView& reply)
{
    Record record;
    decoder(reply, record);
}

// A reply as it arrives: the header and CRC checks run after every piece.
void checkArrival(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    // Half the inputs name the sequence and command they carry, so the fuzzer gets past them.
    const bool matching = size > 12 && (data[0] & 1);
    const FrameExpectation expected{matching ? ReadU16(data + 8) : std::uint16_t(0),
                                    matching ? ReadU16(data + 10) : std::uint16_t(30002), (data[0] & 2) == 0};
    for (std::size_t have = 0; have <= size; have += kFrameCheckSteps)
        if (CRTUTCP::CheckDirectReply(data, have, expected) != 0)
            return;
    CRTUTCP::CheckDirectReply(data, size, expected);
}

void checkGateway(const std::uint8_t* data, std::size_t size)
{
    if (size > VORNA_FRAME_BUFFER_SIZE)
        return;
    FrameBuffer joined;
    const std::uint16_t sequence = size > 12 ? ReadU16(data + 8) : 0;
    if (const auto length = CRTUTCP::JoinGatewayReply(data, size, sequence, joined)) {
        const MacAddress mac{joined[0], joined[1], joined[2], joined[3], joined[4], joined[5]};
        CRTUTCP::InnerGatewayPayload(joined.data(), *length, mac);
    }
}

const std::function<void(const std::uint8_t*, std::size_t)> kTargets[] = {
    checkArrival,
    checkGateway,
    [](const std::uint8_t* d, std::size_t n) { decode(&CModuleRTU::DecodeIECResourceInfo, CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { decode(&CModuleRTU::DecodeIECResourceNames, CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { decode(&CModuleRTU::DecodeConfigErrors, CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { decode(&CModuleRTU::DecodeSystemLogSettings, CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { decode(&CModuleRTU::DecodeSystemLogSetResult, CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { decode(&CModuleRTU::DecodeLogRetrieveIndex, CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { decode(&CModuleRTU::DecodeConfigReleaseDate, CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { CModuleRTU::CheckStatusZero(CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { CModuleRTU::RaiseStatus(CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { CModuleRTU::CheckDirectStatus(CReplyView(d, n)); },
    [](const std::uint8_t* d, std::size_t n) { CFileTransfer::DecodeFileInfo(CReplyView(d, n), 23); },
    [](const std::uint8_t* d, std::size_t n) { CFileTransfer::DecodeFileInfo(CReplyView(d, n), 31); },
    [](const std::uint8_t* d, std::size_t n) {
        const std::uint64_t remaining = n > 0 ? d[0] * 40u : 0;
        CFileTransfer::DecodeChunk(CReplyView(d, n), remaining);
    },
    [](const std::uint8_t* d, std::size_t n) {
        const std::uint64_t remaining = n > 1 ? d[0] * 40u : 0;
        const std::uint16_t chunkSize = n > 1 ? static_cast<std::uint16_t>(d[1] * 40u) : 0;
        CFileTransfer::DecodeLogChunk(CReplyView(d, n), remaining, chunkSize);
    },
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto& target = kTargets[data[0] % std::size(kTargets)];
    try {
        target(data + 1, size - 1);
    } catch (int) {
        // A refused reply is the expected outcome for most inputs.
    }
    return 0;
}
