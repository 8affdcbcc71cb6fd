#include "Crc32.h"

#include <array>

namespace {

constexpr std::uint32_t kReflectedPolynomial = 0xEDB88320u;

constexpr std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? kReflectedPolynomial ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeTable();

} // namespace

std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t length)
{
    if (length == 0)
        return crc;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t c = ~crc;
    for (std::size_t i = 0; i < length; ++i)
        c = (c >> 8) ^ kTable[(bytes[i] ^ c) & 0xFFu];
    return ~c;
}
