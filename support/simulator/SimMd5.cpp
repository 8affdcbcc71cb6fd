#include "SimMd5.h"

#include <algorithm>
#include <cstring>

namespace pelsim {
namespace {

constexpr std::size_t kBlockSize = 64;
constexpr std::size_t kBitCountOffset = 56; // where the bit count goes in the last block

constexpr std::uint32_t kSines[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

constexpr int kShifts[64] = {7,  12, 17, 22, 7,  12, 17, 22, 7,  12, 17, 22, 7,  12, 17, 22, 5,  9,  14, 20, 5,  9,
                             14, 20, 5,  9,  14, 20, 5,  9,  14, 20, 4,  11, 16, 23, 4,  11, 16, 23, 4,  11, 16, 23,
                             4,  11, 16, 23, 6,  10, 15, 21, 6,  10, 15, 21, 6,  10, 15, 21, 6,  10, 15, 21};

std::uint32_t RotateLeft(std::uint32_t value, int count)
{
    return (value << count) | (value >> (32 - count));
}

std::uint32_t ReadWordLe(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

} // namespace

SimMd5::SimMd5() : state_{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}
{}

void SimMd5::Transform(const std::uint8_t* block)
{
    std::uint32_t words[16];
    for (int i = 0; i < 16; ++i)
        words[i] = ReadWordLe(block + 4 * i);
    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t mixed;
        int index;
        if (i < 16) {
            mixed = (b & c) | (~b & d);
            index = i;
        } else if (i < 32) {
            mixed = (d & b) | (~d & c);
            index = (5 * i + 1) % 16;
        } else if (i < 48) {
            mixed = b ^ c ^ d;
            index = (3 * i + 5) % 16;
        } else {
            mixed = c ^ (b | ~d);
            index = (7 * i) % 16;
        }
        const std::uint32_t next = b + RotateLeft(a + mixed + kSines[i] + words[index], kShifts[i]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
}

void SimMd5::Update(const std::uint8_t* data, std::size_t length)
{
    std::size_t buffered = static_cast<std::size_t>(byteCount_ % kBlockSize);
    byteCount_ += length;
    if (buffered > 0) {
        const std::size_t take = std::min(length, kBlockSize - buffered);
        std::memcpy(buffer_.data() + buffered, data, take);
        data += take;
        length -= take;
        buffered += take;
        if (buffered < kBlockSize)
            return;
        Transform(buffer_.data());
    }
    for (; length >= kBlockSize; data += kBlockSize, length -= kBlockSize)
        Transform(data);
    if (length > 0)
        std::memcpy(buffer_.data(), data, length);
}

SimDigest SimMd5::Final()
{
    const std::uint64_t bitCount = byteCount_ * 8;
    const std::size_t buffered = static_cast<std::size_t>(byteCount_ % kBlockSize);
    const std::size_t padding =
        (buffered < kBitCountOffset ? kBitCountOffset : kBlockSize + kBitCountOffset) - buffered;
    std::uint8_t tail[kBlockSize + 8] = {0x80};
    for (int i = 0; i < 8; ++i)
        tail[padding + i] = static_cast<std::uint8_t>(bitCount >> (8 * i));
    Update(tail, padding + 8);
    SimDigest digest{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            digest[4 * i + j] = static_cast<std::uint8_t>(state_[i] >> (8 * j));
    return digest;
}

SimDigest SimMd5::Of(const std::uint8_t* data, std::size_t length)
{
    SimMd5 md5;
    md5.Update(data, length);
    return md5.Final();
}

} // namespace pelsim
