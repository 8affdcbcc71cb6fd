#include "CRC16.h"

#include <array>

namespace {

constexpr std::uint16_t kReflectedPolynomial = 0xA001u;
constexpr int kSlices = 16; // bytes folded per step: the CRC is on the path of every frame

using Table = std::array<std::array<std::uint16_t, 256>, kSlices>;

// Slice k gives the effect of a byte followed by k zero bytes.
constexpr Table makeTables()
{
    Table tables{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t c = static_cast<std::uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? static_cast<std::uint16_t>((c >> 1) ^ kReflectedPolynomial)
                         : static_cast<std::uint16_t>(c >> 1);
        tables[0][i] = c;
    }
    for (int k = 1; k < kSlices; ++k)
        for (unsigned i = 0; i < 256; ++i)
            tables[k][i] = static_cast<std::uint16_t>((tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFFu]);
    return tables;
}

constexpr Table kTables = makeTables();

} // namespace

std::uint16_t Crc16Modbus(const std::uint8_t* data, std::size_t length)
{
    return Crc16ModbusContinue(kCrc16ModbusStart, data, length);
}

std::uint16_t Crc16ModbusContinue(std::uint16_t crc, const std::uint8_t* data, std::size_t length)
{
    for (; length >= kSlices; length -= kSlices, data += kSlices) {
        std::uint16_t next = static_cast<std::uint16_t>(kTables[kSlices - 1][(crc ^ data[0]) & 0xFFu] ^
                                                        kTables[kSlices - 2][((crc >> 8) ^ data[1]) & 0xFFu]);
        for (int k = 2; k < kSlices; ++k)
            next = static_cast<std::uint16_t>(next ^ kTables[kSlices - 1 - k][data[k]]);
        crc = next;
    }
    for (; length > 0; --length, ++data)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ kTables[0][(crc ^ *data) & 0xFFu]);
    return crc;
}
