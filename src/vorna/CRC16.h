#pragma once
// CRC-16/MODBUS of the device frames: reflected polynomial 0xA001, start 0xFFFF, no final XOR.

#include <cstddef>
#include <cstdint>

std::uint16_t Crc16Modbus(const std::uint8_t* data, std::size_t length);
