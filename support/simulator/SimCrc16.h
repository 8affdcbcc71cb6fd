#pragma once
// CRC-16/MODBUS of the device frames: reflected polynomial 0xA001, start 0xFFFF, no final XOR.
// The simulator keeps its own so that a fault in the library's CRC cannot hide in both sides.

#include <cstddef>
#include <cstdint>

namespace pelsim {

std::uint16_t SimCrc16Modbus(const std::uint8_t* data, std::size_t length);
// Goes on from the CRC of the bytes before data (a frame sent in pieces).
std::uint16_t SimCrc16ModbusContinue(std::uint16_t crc, const std::uint8_t* data, std::size_t length);

} // namespace pelsim
