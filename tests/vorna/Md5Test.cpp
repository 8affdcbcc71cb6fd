// MD5 through the exports: the RFC 1321 test suite, and the four-call form against the one-shot.

#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string hex(const std::uint8_t* digest)
{
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (int i = 0; i < 16; ++i) {
        text += digits[digest[i] >> 4];
        text += digits[digest[i] & 0xF];
    }
    return text;
}

std::string oneShot(const Bytes& data)
{
    std::uint8_t digest[16] = {};
    EXPECT_EQ(VORNA_MD5Gen(data.data(), static_cast<std::uint32_t>(data.size()), digest), VORNA_RESULT_OK);
    return hex(digest);
}

// The four-call form with the data given in the pieces listed.
std::string fourCalls(const Bytes& data, const std::vector<std::size_t>& pieces)
{
    Md5Context context;
    std::uint32_t counter = 99;
    EXPECT_EQ(VORNA_MD5Gen_4_ulTEK_Init(&context), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_MD5Gen_4_ulTEK_Set_Len(&context, &counter, static_cast<std::uint32_t>(data.size())), 0);
    EXPECT_EQ(counter, 0u);
    std::size_t offset = 0;
    for (std::size_t piece : pieces) {
        EXPECT_EQ(
            VORNA_MD5Gen_4_ulTEK_Update(&context, &counter, data.data() + offset, static_cast<std::uint32_t>(piece)),
            VORNA_RESULT_OK);
        offset += piece;
    }
    std::uint8_t digest[16] = {};
    EXPECT_EQ(VORNA_MD5Gen_4_ulTEK_Final(&context, digest), VORNA_RESULT_OK);
    EXPECT_EQ(std::memcmp(digest, context.digest, 16), 0) << "the context keeps the last digest";
    return hex(digest);
}

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

} // namespace

TEST(Md5Test, Rfc1321TestSuite)
{
    const struct {
        const char* text;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oneShot(bytesOf(c.text)), c.digest) << '"' << c.text << '"';
        EXPECT_EQ(fourCalls(bytesOf(c.text), {std::strlen(c.text)}), c.digest) << '"' << c.text << '"';
    }
}

TEST(Md5Test, FourCallFormOverPiecesEqualsTheOneShot)
{
    const struct {
        std::size_t size;
        std::vector<std::size_t> pieces;
    } cases[] = {
        {100, {64, 36}},       {100, {1, 63, 36}},      {55, {55}}, {56, {56}}, {64, {32, 32}},
        {4096 + 7, {4096, 7}}, {200, {0, 100, 0, 100}},
    };
    for (const auto& c : cases) {
        const Bytes data = PatternBytes(c.size);
        EXPECT_EQ(fourCalls(data, c.pieces), oneShot(data)) << c.size << " bytes";
    }
}

TEST(Md5Test, BadArgumentsAreRefused)
{
    Md5Context context;
    VORNA_MD5Gen_4_ulTEK_Init(&context);
    std::uint32_t counter = 64; // not a position within a block
    const std::uint8_t byte = 0;
    EXPECT_EQ(VORNA_MD5Gen_4_ulTEK_Update(&context, &counter, &byte, 1), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_MD5Gen(nullptr, 1, nullptr), VORNA_RESULT_INVALID_ARGUMENT);
    std::uint8_t digest[16];
    EXPECT_EQ(VORNA_MD5Gen(nullptr, 0, digest), VORNA_RESULT_OK);
    EXPECT_EQ(hex(digest), "d41d8cd98f00b204e9800998ecf8427e");
}
