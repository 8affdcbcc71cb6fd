#include "SimDigestCache.h"

#include <cstring>

namespace pelsim {
namespace {

constexpr std::size_t kWorthKeeping = 1u << 20; // below this the MD5 is cheap anyway

} // namespace

SimDigest SimDigestCache::Digest(const std::uint8_t* data, std::size_t length)
{
    if (length < kWorthKeeping)
        return SimMd5::Of(data, length);
    if (prefix_.size() == length && std::memcmp(prefix_.data(), data, length) == 0)
        return digest_;
    prefix_.assign(data, data + length);
    digest_ = SimMd5::Of(data, length);
    return digest_;
}

} // namespace pelsim
