#include "SimCrc16.h"

#include <array>

namespace pelsim {
namespace {

constexpr std::uint16_t kReflectedPolynomial = 0xA001;
constexpr std::uint16_t kInitialValue = 0xFFFF;
constexpr int kSlices = 16; // bytes per step of the sliced loop

using Tables = std::array<std::array<std::uint16_t, 256>, kSlices>;

// tables[0] is the classic byte table; tables[k] advances a byte that lies k bytes further back,
// so sixteen bytes are folded in one step (the simulator must not be what limits a benchmark).
constexpr Tables MakeTables()
{
    Tables tables{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        std::uint16_t crc = static_cast<std::uint16_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ kReflectedPolynomial)
                             : static_cast<std::uint16_t>(crc >> 1);
        tables[0][byte] = crc;
    }
    for (int slice = 1; slice < kSlices; ++slice)
        for (unsigned byte = 0; byte < 256; ++byte) {
            const std::uint16_t previous = tables[slice - 1][byte];
            tables[slice][byte] = static_cast<std::uint16_t>((previous >> 8) ^ tables[0][previous & 0xFFu]);
        }
    return tables;
}

constexpr Tables kTables = MakeTables();

std::uint16_t StepByte(std::uint16_t crc, std::uint8_t byte)
{
    return static_cast<std::uint16_t>((crc >> 8) ^ kTables[0][(crc ^ byte) & 0xFFu]);
}

} // namespace

std::uint16_t SimCrc16Modbus(const std::uint8_t* data, std::size_t length)
{
    return SimCrc16ModbusContinue(kInitialValue, data, length);
}

std::uint16_t SimCrc16ModbusContinue(std::uint16_t crc, const std::uint8_t* data, std::size_t length)
{
    for (; length >= kSlices; data += kSlices, length -= kSlices) {
        const std::uint16_t low = static_cast<std::uint16_t>(crc ^ (data[0] | data[1] << 8));
        std::uint16_t next =
            static_cast<std::uint16_t>(kTables[kSlices - 1][low & 0xFFu] ^ kTables[kSlices - 2][low >> 8]);
        for (int slice = 2; slice < kSlices; ++slice)
            next = static_cast<std::uint16_t>(next ^ kTables[kSlices - 1 - slice][data[slice]]);
        crc = next;
    }
    for (; length > 0; ++data, --length)
        crc = StepByte(crc, *data);
    return crc;
}

} // namespace pelsim
