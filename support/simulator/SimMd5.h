#pragma once
// MD5 (RFC 1321) for the simulator's file digests, independent of the library's own.

#include <array>
#include <cstddef>
#include <cstdint>

namespace pelsim {

using SimDigest = std::array<std::uint8_t, 16>;

class SimMd5 {
public:
    SimMd5();
    void Update(const std::uint8_t* data, std::size_t length);
    // Pads and gives the digest; the object must not be updated afterwards.
    SimDigest Final();

    static SimDigest Of(const std::uint8_t* data, std::size_t length);

private:
    void Transform(const std::uint8_t* block);

    std::array<std::uint32_t, 4> state_;
    std::array<std::uint8_t, 64> buffer_{};
    std::uint64_t byteCount_ = 0;
};

} // namespace pelsim
