#pragma once
// CRC-16/MODBUS of the device frames: reflected polynomial 0xA001, start 0xFFFF, no final XOR.

#include <cstddef>
#include <cstdint>

inline constexpr std::uint16_t kCrc16ModbusStart = 0xFFFFu;

std::uint16_t Crc16Modbus(const std::uint8_t* data, std::size_t length);
// Goes on from the CRC of the bytes before data: a frame sent in pieces is checked piece by piece.
std::uint16_t Crc16ModbusContinue(std::uint16_t crc, const std::uint8_t* data, std::size_t length);
