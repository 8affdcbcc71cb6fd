#pragma once
// MD5 (RFC 1321) in the four-call form the library exports: the total length is set before the
// data, so the context needs no running count of the bytes hashed.

#include "VORNA.h"

#include <array>
#include <cstddef>
#include <cstdint>

class CMD5 {
public:
    using Digest = std::array<std::uint8_t, 16>;

    static void Init(Md5Context& context);
    // counter := the bytes already buffered; adds totalLength bytes to the message length.
    static void SetLength(Md5Context& context, std::uint32_t& counter, std::uint64_t totalLength);
    // Appends at counter and transforms every full block; counter must be below 64.
    static void Update(Md5Context& context, std::uint32_t& counter, const std::uint8_t* data, std::size_t length);
    static Digest Final(Md5Context& context);

    static Digest Of(const void* data, std::size_t length);

private:
    static void Transform(Md5Context& context);
};
