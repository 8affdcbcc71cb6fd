#pragma once
// The device side of the chunked file transfer (30202 to 30206) over the in-memory files.
// Each handler reads its request payload and returns the reply payload; the caller holds the
// device lock, which also guards the digest cache.

#include "SimByteReader.h"
#include "SimDeviceData.h"
#include "SimDigestCache.h"
#include "SimFrame.h"

namespace pelsim {

inline constexpr std::size_t kReadReplyHeaderSize = 5; // status, flag, data length
// The most data a 30204 reply frame can carry.
inline constexpr std::size_t kMaxReadChunk = kMaxPayloadSize - kReadReplyHeaderSize;

class SimFileTransfer {
public:
    Bytes FileInfo(SimByteReader& request, SimDeviceData& data);          // 30202
    static Bytes WriteChunk(SimByteReader& request, SimDeviceData& data); // 30203
    static Bytes ReadChunk(SimByteReader& request, SimDeviceData& data);  // 30204
    static Bytes Delete(SimByteReader& request, SimDeviceData& data);     // 30205
    Bytes LogFileInfo(SimByteReader& request, SimDeviceData& data);       // 30206

private:
    struct InfoRequest {
        SimFileKey key;
        std::uint32_t size = 0;
    };
    static std::optional<InfoRequest> ReadInfoRequest(SimByteReader& request);
    Bytes InfoReply(const SimDeviceData& data, const InfoRequest& request);
    // The stored file, or the generated device information file; null when there is none.
    static const Bytes* Find(const SimDeviceData& data, const SimFileKey& key, Bytes& generated);

    SimDigestCache digests_;
};

} // namespace pelsim
