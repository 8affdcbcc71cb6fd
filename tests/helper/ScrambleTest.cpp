#include "Scramble.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrambleTest, MatchesTheStoredFormOfAsciiSecrets)
{
    const struct {
        const char* text;
        const char* hex;
    } cases[] = {
        {"", ""},
        {"abc", "3D3E3F"},
        {"admin", "3D38313532"},
        {"1234", "6D6E6F68"},
        {"Password1", "0C3D2F2F2B332E386D"},
        {"a\\b", "3D003E"}, // '\' scrambles to the zero byte and the text goes on after it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrambleToHex(QString::fromUtf8(c.text)), QString::fromUtf8(c.hex)) << c.text;
        bool ok = false;
        EXPECT_EQ(UnscrambleFromHex(QString::fromUtf8(c.hex), &ok), QString::fromUtf8(c.text)) << c.hex;
        EXPECT_TRUE(ok) << c.hex;
    }
    EXPECT_EQ(UnscrambleFromHex("3d3e3f"), "abc") << "lower-case digits";
}

TEST(ScrambleTest, RoundTripsEveryCharacterFrom1To255)
{
    QString all;
    for (char16_t code = 1; code <= 255; ++code) {
        const QString text(QChar{code});
        const QString hex = ScrambleToHex(text);
        EXPECT_EQ(hex.size(), 2 * text.toUtf8().size()) << int(code);
        EXPECT_EQ(UnscrambleFromHex(hex), text) << int(code);
        all += text;
    }
    EXPECT_EQ(UnscrambleFromHex(ScrambleToHex(all)), all);
}

TEST(ScrambleTest, RoundTripsLongAndNonAsciiTexts)
{
    QString longText;
    for (int i = 0; i < 1000; ++i)
        longText += QChar(u'!' + i % 90);
    const QString hex = ScrambleToHex(longText);
    EXPECT_EQ(hex.size(), 2000);
    EXPECT_EQ(UnscrambleFromHex(hex), longText);

    const QString nonAscii = QStringLiteral("Grüße 密码 \U0001F511 \\path");
    EXPECT_EQ(UnscrambleFromHex(ScrambleToHex(nonAscii)), nonAscii);
    EXPECT_EQ(ScrambleToHex(QStringLiteral("é")), "9FF5") << "the UTF-8 bytes C3 A9";
}

TEST(ScrambleTest, ReadsOddAndMalformedHexWithoutGuessing)
{
    const struct {
        const char* hex;
        const char* text;
        bool ok;
    } cases[] = {
        {"3D0", "a\\", true},                           // a lone last digit is a byte of its own
        {"3D3", "a_", true},    {"3DZZ3E", "a", false}, // reading stops at the first pair that is not hex
        {"3D3G3E", "a", false}, {"G1", "", false},
        {"3D 3E", "a", false},  {"B5", "é", true}, // a single byte that is not UTF-8 is read as Latin-1
    };
    for (const auto& c : cases) {
        bool ok = !c.ok;
        EXPECT_EQ(UnscrambleFromHex(QString::fromUtf8(c.hex), &ok), QString::fromUtf8(c.text)) << c.hex;
        EXPECT_EQ(ok, c.ok) << c.hex;
    }
}

} // namespace
