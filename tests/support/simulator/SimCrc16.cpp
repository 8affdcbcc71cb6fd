#include "SimCrc16.h"

#include <array>

namespace pelsim {
namespace {

constexpr std::uint16_t kReflectedPolynomial = 0xA001;
constexpr std::uint16_t kInitialValue = 0xFFFF;

constexpr std::array<std::uint16_t, 256> MakeTable()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned byte = 0; byte < table.size(); ++byte) {
        std::uint16_t crc = static_cast<std::uint16_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ kReflectedPolynomial)
                             : static_cast<std::uint16_t>(crc >> 1);
        table[byte] = crc;
    }
    return table;
}

constexpr auto kTable = MakeTable();

} // namespace

std::uint16_t SimCrc16Modbus(const std::uint8_t* data, std::size_t length)
{
    std::uint16_t crc = kInitialValue;
    for (std::size_t i = 0; i < length; ++i)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ kTable[(crc ^ data[i]) & 0xFFu]);
    return crc;
}

} // namespace pelsim
