#pragma once
// Reads the little-endian fields of a request payload. Reading past the end does not throw: it
// gives zeros and marks the reader as failed, so a handler checks ok() once at the end.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pelsim {

class SimByteReader {
public:
    SimByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit SimByteReader(const std::vector<std::uint8_t>& bytes) : SimByteReader(bytes.data(), bytes.size()) {}

    std::uint8_t U8() { return Has(1) ? data_[position_++] : 0; }
    std::uint16_t U16()
    {
        const std::uint16_t low = U8();
        return static_cast<std::uint16_t>(low | U8() << 8);
    }
    std::uint32_t U32()
    {
        const std::uint32_t low = U16();
        return low | std::uint32_t(U16()) << 16;
    }
    std::vector<std::uint8_t> Take(std::size_t count)
    {
        if (!Has(count))
            return {};
        std::vector<std::uint8_t> out(data_ + position_, data_ + position_ + count);
        position_ += count;
        return out;
    }
    std::string Text(std::size_t count)
    {
        const auto bytes = Take(count);
        return std::string(bytes.begin(), bytes.end());
    }
    // A text preceded by its length in one byte.
    std::string ShortText() { return Text(U8()); }
    std::vector<std::uint8_t> Rest() { return Take(remaining()); }
    // The unread bytes without a copy; the reader is then at its end.
    std::span<const std::uint8_t> RestView()
    {
        const std::span<const std::uint8_t> rest(data_ + position_, remaining());
        position_ = size_;
        return rest;
    }

    bool ok() const { return ok_; }
    std::size_t remaining() const { return size_ - position_; }
    bool AtEnd() const { return ok_ && position_ == size_; }

private:
    bool Has(std::size_t count)
    {
        if (ok_ && count <= size_ - position_)
            return true;
        ok_ = false;
        position_ = size_;
        return false;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

} // namespace pelsim
