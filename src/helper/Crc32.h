#pragma once
// The reflected CRC-32 of IEEE 802.3 that firmware files carry.

#include <cstddef>
#include <cstdint>

// CRC-32 of length bytes continued from crc (0 to start); length 0 returns crc unchanged.
std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t length);
