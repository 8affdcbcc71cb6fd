#pragma once
// Appends the little-endian fields of a payload.

#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

namespace pelsim {

using Bytes = std::vector<std::uint8_t>;

class SimByteWriter {
public:
    SimByteWriter() = default;
    explicit SimByteWriter(std::size_t capacity) { bytes_.reserve(capacity); }

    SimByteWriter& U8(std::uint8_t value)
    {
        bytes_.push_back(value);
        return *this;
    }
    SimByteWriter& U16(std::uint16_t value)
    {
        return U8(static_cast<std::uint8_t>(value)).U8(static_cast<std::uint8_t>(value >> 8));
    }
    SimByteWriter& U32(std::uint32_t value)
    {
        return U16(static_cast<std::uint16_t>(value)).U16(static_cast<std::uint16_t>(value >> 16));
    }
    template <class Range>
    SimByteWriter& Append(const Range& range)
    {
        bytes_.insert(bytes_.end(), std::begin(range), std::end(range));
        return *this;
    }
    SimByteWriter& Text(std::string_view text) { return Append(text); }
    // The text, cut or padded with NULs to exactly width bytes.
    SimByteWriter& FixedText(std::string_view text, std::size_t width)
    {
        const std::size_t used = text.size() < width ? text.size() : width;
        Append(text.substr(0, used));
        bytes_.insert(bytes_.end(), width - used, 0);
        return *this;
    }

    const Bytes& bytes() const { return bytes_; }
    Bytes Take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

} // namespace pelsim
