#pragma once
// Read access to a reply payload. Commands check the lengths they need first and raise their own
// codes; the bounds check here is the last guard, so no field is ever read past the reply.

#include "ByteOrder.h"
#include "VornaError.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

class CReplyView {
public:
    CReplyView(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t Size() const { return m_size; }
    const std::uint8_t* Data() const { return m_data; }

    std::uint8_t U8(std::size_t offset) const { return *At(offset, 1); }
    std::uint16_t U16(std::size_t offset) const { return ReadU16(At(offset, 2)); }
    std::uint32_t U32(std::size_t offset) const { return ReadU32(At(offset, 4)); }
    void Copy(std::size_t offset, void* target, std::size_t length) const
    {
        if (length > 0)
            std::memcpy(target, At(offset, length), length);
    }

    // The first two bytes, the status word of most replies.
    bool StatusIsZero() const { return U8(0) == 0 && U8(1) == 0; }

private:
    const std::uint8_t* At(std::size_t offset, std::size_t length) const
    {
        Require(offset <= m_size && length <= m_size - offset, VORNA_RESULT_BAD_REPLY);
        return m_data + offset;
    }

    const std::uint8_t* m_data;
    std::size_t m_size;
};
