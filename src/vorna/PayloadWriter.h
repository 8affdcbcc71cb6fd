#pragma once
// Lays out a request payload; a payload that would not fit its frame is refused before sending.

#include "VORNA.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

class CPayloadWriter {
public:
    CPayloadWriter& Byte(std::uint8_t value);
    CPayloadWriter& U16(std::uint16_t value);
    CPayloadWriter& U32(std::uint32_t value);
    CPayloadWriter& Bytes(const void* data, std::size_t length);
    // A name: its length in one byte, then its bytes without terminator.
    CPayloadWriter& Name(std::string_view name);

    const std::uint8_t* Data() const { return m_bytes.data(); }
    std::size_t Size() const { return m_size; }

private:
    std::uint8_t* Reserve(std::size_t length);

    // Not cleared: only the first m_size bytes are ever read, and every chunk builds a payload.
    std::array<std::uint8_t, VORNA_MAX_PAYLOAD> m_bytes;
    std::size_t m_size = 0;
};
