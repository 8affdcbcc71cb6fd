#include "MD5.h"

#include "ByteOrder.h"
#include "VornaError.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlockSize = 64;
constexpr std::size_t kLengthOffset = 56; // where the 64-bit bit count goes in the last block
constexpr std::uint8_t kPaddingStart = 0x80;

constexpr std::uint32_t kInitialState[4] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};

constexpr std::uint32_t kSine[64] = {
    0xD76AA478u, 0xE8C7B756u, 0x242070DBu, 0xC1BDCEEEu, 0xF57C0FAFu, 0x4787C62Au, 0xA8304613u, 0xFD469501u,
    0x698098D8u, 0x8B44F7AFu, 0xFFFF5BB1u, 0x895CD7BEu, 0x6B901122u, 0xFD987193u, 0xA679438Eu, 0x49B40821u,
    0xF61E2562u, 0xC040B340u, 0x265E5A51u, 0xE9B6C7AAu, 0xD62F105Du, 0x02441453u, 0xD8A1E681u, 0xE7D3FBC8u,
    0x21E1CDE6u, 0xC33707D6u, 0xF4D50D87u, 0x455A14EDu, 0xA9E3E905u, 0xFCEFA3F8u, 0x676F02D9u, 0x8D2A4C8Au,
    0xFFFA3942u, 0x8771F681u, 0x6D9D6122u, 0xFDE5380Cu, 0xA4BEEA44u, 0x4BDECFA9u, 0xF6BB4B60u, 0xBEBFBC70u,
    0x289B7EC6u, 0xEAA127FAu, 0xD4EF3085u, 0x04881D05u, 0xD9D4D039u, 0xE6DB99E5u, 0x1FA27CF8u, 0xC4AC5665u,
    0xF4292244u, 0x432AFF97u, 0xAB9423A7u, 0xFC93A039u, 0x655B59C3u, 0x8F0CCC92u, 0xFFEFF47Du, 0x85845DD1u,
    0x6FA87E4Fu, 0xFE2CE6E0u, 0xA3014314u, 0x4E0811A1u, 0xF7537E82u, 0xBD3AF235u, 0x2AD7D2BBu, 0xEB86D391u};

constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

std::uint32_t rotateLeft(std::uint32_t value, int bits)
{
    return (value << bits) | (value >> (32 - bits));
}

std::uint64_t bitCount(const Md5Context& context)
{
    return static_cast<std::uint64_t>(context.bitCount[0]) | (static_cast<std::uint64_t>(context.bitCount[1]) << 32);
}

void setBitCount(Md5Context& context, std::uint64_t bits)
{
    context.bitCount[0] = static_cast<std::uint32_t>(bits);
    context.bitCount[1] = static_cast<std::uint32_t>(bits >> 32);
}

std::uint32_t bufferedBytes(const Md5Context& context)
{
    return static_cast<std::uint32_t>((bitCount(context) >> 3) % kBlockSize);
}

} // namespace

void CMD5::Init(Md5Context& context)
{
    std::memset(&context, 0, sizeof context);
    std::copy(std::begin(kInitialState), std::end(kInitialState), context.state);
}

void CMD5::SetLength(Md5Context& context, std::uint32_t& counter, std::uint64_t totalLength)
{
    counter = bufferedBytes(context);
    setBitCount(context, bitCount(context) + totalLength * 8);
}

void CMD5::Update(Md5Context& context, std::uint32_t& counter, const std::uint8_t* data, std::size_t length)
{
    Require(counter < kBlockSize, VORNA_RESULT_INVALID_ARGUMENT);
    while (length > 0) {
        const std::size_t take = std::min<std::size_t>(length, kBlockSize - counter);
        std::memcpy(context.block + counter, data, take);
        counter += static_cast<std::uint32_t>(take);
        data += take;
        length -= take;
        if (counter == kBlockSize) {
            Transform(context);
            counter = 0;
        }
    }
}

CMD5::Digest CMD5::Final(Md5Context& context)
{
    std::size_t index = bufferedBytes(context);
    context.block[index++] = kPaddingStart;
    if (index > kLengthOffset) {
        std::memset(context.block + index, 0, kBlockSize - index);
        Transform(context);
        index = 0;
    }
    std::memset(context.block + index, 0, kLengthOffset - index);
    WriteU32(context.block + kLengthOffset, context.bitCount[0]);
    WriteU32(context.block + kLengthOffset + 4, context.bitCount[1]);
    Transform(context);

    Digest digest{};
    for (int i = 0; i < 4; ++i)
        WriteU32(digest.data() + 4 * i, context.state[i]);
    std::memcpy(context.digest, digest.data(), digest.size());
    return digest;
}

CMD5::Digest CMD5::Of(const void* data, std::size_t length)
{
    Md5Context context;
    std::uint32_t counter = 0;
    Init(context);
    SetLength(context, counter, length);
    Update(context, counter, static_cast<const std::uint8_t*>(data), length);
    return Final(context);
}

void CMD5::Transform(Md5Context& context)
{
    std::uint32_t words[16];
    for (int i = 0; i < 16; ++i)
        words[i] = ReadU32(context.block + 4 * i);

    std::uint32_t a = context.state[0], b = context.state[1], c = context.state[2], d = context.state[3];
    for (int step = 0; step < 64; ++step) {
        const int round = step / 16;
        std::uint32_t mixed;
        int wordIndex;
        switch (round) {
        case 0:
            mixed = (b & c) | (~b & d);
            wordIndex = step;
            break;
        case 1:
            mixed = (d & b) | (~d & c);
            wordIndex = (5 * step + 1) % 16;
            break;
        case 2:
            mixed = b ^ c ^ d;
            wordIndex = (3 * step + 5) % 16;
            break;
        default:
            mixed = c ^ (b | ~d);
            wordIndex = (7 * step) % 16;
            break;
        }
        const std::uint32_t rotated = rotateLeft(a + mixed + kSine[step] + words[wordIndex], kShift[round][step % 4]);
        a = d;
        d = c;
        c = b;
        b += rotated;
    }
    context.state[0] += a;
    context.state[1] += b;
    context.state[2] += c;
    context.state[3] += d;
}
