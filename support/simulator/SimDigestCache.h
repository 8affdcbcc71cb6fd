#pragma once
// Remembers the digest of the last large file prefix, so that asking for the same file again
// (a benchmark downloads one 32 MiB file over and over) costs a comparison instead of an MD5.
// The kept copy is compared byte for byte, so an edit of the file is never missed.

#include "SimByteWriter.h"
#include "SimMd5.h"

#include <cstddef>
#include <cstdint>

namespace pelsim {

class SimDigestCache {
public:
    // MD5 of the first length bytes of data.
    SimDigest Digest(const std::uint8_t* data, std::size_t length);

private:
    Bytes prefix_;
    SimDigest digest_{};
};

} // namespace pelsim
