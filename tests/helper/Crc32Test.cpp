#include "Crc32.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Crc32Test, MatchesTheStandardCheckValue)
{
    const char* text = "123456789";
    EXPECT_EQ(Crc32Update(0, text, 9), 0xCBF43926u);
}

TEST(Crc32Test, ContinuesAcrossPieces)
{
    const char* text = "123456789";
    const std::uint32_t first = Crc32Update(0, text, 4);
    EXPECT_EQ(Crc32Update(first, text + 4, 5), 0xCBF43926u);
}

TEST(Crc32Test, EmptyInputLeavesTheValue)
{
    EXPECT_EQ(Crc32Update(0, nullptr, 0), 0u);
    EXPECT_EQ(Crc32Update(0xDEADBEEF, "x", 0), 0xDEADBEEFu);
}

TEST(Crc32Test, KnownVectors)
{
    const struct {
        const char* text;
        std::uint32_t crc;
    } cases[] = {{"a", 0xE8B7BE43u}, {"The quick brown fox jumps over the lazy dog", 0x414FA339u}};
    for (const auto& c : cases)
        EXPECT_EQ(Crc32Update(0, c.text, std::strlen(c.text)), c.crc) << c.text;
}

} // namespace
