#include "PayloadWriter.h"

#include "ByteOrder.h"
#include "VornaError.h"

#include <cstring>
#include <limits>

std::uint8_t* CPayloadWriter::Reserve(std::size_t length)
{
    Require(length <= m_bytes.size() - m_size, VORNA_RESULT_INVALID_ARGUMENT);
    std::uint8_t* at = m_bytes.data() + m_size;
    m_size += length;
    return at;
}

CPayloadWriter& CPayloadWriter::Byte(std::uint8_t value)
{
    *Reserve(1) = value;
    return *this;
}

CPayloadWriter& CPayloadWriter::U16(std::uint16_t value)
{
    WriteU16(Reserve(2), value);
    return *this;
}

CPayloadWriter& CPayloadWriter::U32(std::uint32_t value)
{
    WriteU32(Reserve(4), value);
    return *this;
}

CPayloadWriter& CPayloadWriter::Bytes(const void* data, std::size_t length)
{
    if (length == 0)
        return *this;
    RequireArgument(data);
    std::memcpy(Reserve(length), data, length);
    return *this;
}

CPayloadWriter& CPayloadWriter::Name(std::string_view name)
{
    Require(name.size() <= std::numeric_limits<std::uint8_t>::max(), VORNA_RESULT_INVALID_ARGUMENT);
    Byte(static_cast<std::uint8_t>(name.size()));
    return Bytes(name.data(), name.size());
}
