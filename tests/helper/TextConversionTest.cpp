#include "TextConversion.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <climits>
#include <cstdint>

namespace {

TEST(ParseLeadingIntTest, ReadsLikeTheCRuntime)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"502", 502}, {"  -12x", -12}, {" 7 ", 7}, {"a", 0}, {"", 0}, {"+3", 3}, {"- 3", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseLeadingInt(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(ParseLeadingInt64(QStringLiteral("4294967296")), 4294967296LL);
}

TEST(ParseLeadingIntTest, SaturatesOutOfRangeValues)
{
    const struct {
        const char* text;
        qint64 int64;
        int int32;
    } cases[] = {
        {"18446744073709551617", INT64_MAX, INT_MAX}, {"-99999999999999999999", INT64_MIN, INT_MIN},
        {"9223372036854775807", INT64_MAX, INT_MAX},  {"-9223372036854775808", INT64_MIN, INT_MIN},
        {"4294967296", 4294967296LL, INT_MAX},        {"-2147483649", -2147483649LL, INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseLeadingInt64(QString::fromLatin1(c.text)), c.int64) << c.text;
        EXPECT_EQ(ParseLeadingInt(QString::fromLatin1(c.text)), c.int32) << c.text;
    }
}

TEST(SplitStringTest, KeepsEveryPieceUntrimmed)
{
    const struct {
        const char* text;
        QStringList pieces;
    } cases[] = {
        {"", {QString()}},
        {"1,,3", {"1", "", "3"}},
        {"a,", {"a", ""}},
        {" a , b", {" a ", " b"}},
    };
    for (const auto& c : cases) {
        QStringList out{QStringLiteral("stale")};
        SplitString(out, QString::fromUtf8(c.text));
        EXPECT_EQ(out, c.pieces) << c.text;
    }
}

TEST(SplitStringTest, ConvertsPiecesToInts)
{
    QVector<int> out{99};
    SplitStringToInts(out, QStringLiteral("502, 1,x,-4"));
    EXPECT_EQ(out, (QVector<int>{502, 1, 0, -4}));
}

TEST(SplitToStringArrayTest, CountsPiecesAndReturnsNoArrayWithoutDelimiter)
{
    int count = 0;
    EXPECT_EQ(SplitToStringArray(QStringLiteral("a.b"), u'.', count), (QStringList{"a", "b"}));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(SplitToStringArray(QStringLiteral("ab"), u'.', count).isEmpty());
    EXPECT_EQ(count, 1);
    EXPECT_EQ(SplitToStringArray(QStringLiteral("a.b."), u'.', count).size(), 3);
    EXPECT_EQ(count, 3);
}

TEST(ExtractBetweenTest, TakesTheInnerBeginMarker)
{
    QString out;
    EXPECT_EQ(ExtractBetween(QStringLiteral("x[ab]y"), 0, QStringLiteral("["), QStringLiteral("]"), out), 2);
    EXPECT_EQ(out, QStringLiteral("ab"));
    EXPECT_EQ(ExtractBetween(QStringLiteral("[a[b]"), 0, QStringLiteral("["), QStringLiteral("]"), out), 3);
    EXPECT_EQ(out, QStringLiteral("b"));
    out = QStringLiteral("stale");
    EXPECT_EQ(ExtractBetween(QStringLiteral("[ab"), 0, QStringLiteral("["), QStringLiteral("]"), out), -1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(ExtractBetween(QStringLiteral("[a][b]"), 2, QStringLiteral("["), QStringLiteral("]"), out), 4);
    EXPECT_EQ(out, QStringLiteral("b"));
}

TEST(ConvertLfToCrLfTest, PrefixesEveryLineFeed)
{
    EXPECT_EQ(ConvertLfToCrLf(QStringLiteral("a\nb\r\n")), QStringLiteral("a\r\nb\r\r\n"));
}

TEST(NumberTextTest, WritesPlainDecimal)
{
    EXPECT_EQ(IntToWString(-2147483647 - 1), QStringLiteral("-2147483648"));
    EXPECT_EQ(ULongToWString(4294967295u), QStringLiteral("4294967295"));
    EXPECT_EQ(Int64ToWString(-9000000000LL), QStringLiteral("-9000000000"));
    EXPECT_EQ(ShortToWString(-32768), QStringLiteral("-32768"));
    EXPECT_EQ(UShortToWString(65535), QStringLiteral("65535"));
    EXPECT_EQ(CharToWString(static_cast<qint8>(0xFF)), QStringLiteral("-1"));
    EXPECT_EQ(UCharToWString(0xFF), QStringLiteral("255"));
}

TEST(HexTextToIntTest, ReadsHexDigitsOnly)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"ff", 255},     {"FF", 255}, {"", 0}, {"0x10", -1}, {"1g", -1}, {"7fffffff", 0x7fffffff},
                 {"100000000", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(HexTextToInt(QByteArray(c.text)), c.expected) << c.text;
}

TEST(ParseULongTest, FollowsBaseAndSaturates)
{
    quint32 value = 0;
    ParseULong(QStringLiteral("ff"), value, 16);
    EXPECT_EQ(value, 255u);
    ParseULong(QStringLiteral("0x10"), value, 0);
    EXPECT_EQ(value, 16u);
    ParseULong(QStringLiteral("99999999999"), value, 10);
    EXPECT_EQ(value, 4294967295u);
    ParseULong(QStringLiteral("-1"), value, 10);
    EXPECT_EQ(value, 4294967295u);
}

TEST(FloatToStringTest, WritesSixSignificantDigitsInAnyLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const struct {
        float value;
        const char* text;
    } cases[] = {{0.0f, "0"},           {-4.0f, "-4"},         {15.0f, "15"},       {0.1f, "0.1"},
                 {1.5f, "1.5"},         {1000000.0f, "1e+06"}, {0.00001f, "1e-05"}, {1234567.0f, "1.23457e+06"},
                 {123456.0f, "123456"}, {0.0001f, "0.0001"}};
    for (const auto& c : cases)
        EXPECT_EQ(FloatToString(c.value), QString::fromLatin1(c.text)) << c.text;
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(previous);
}

TEST(ParseLeadingDoubleTest, ReadsEveryFormFloatToStringWrites)
{
    for (float value : {0.0f, -4.0f, 0.1f, 1.5f, 1000000.0f, 0.00001f, 1234567.0f})
        EXPECT_FLOAT_EQ(static_cast<float>(ParseLeadingDouble(FloatToString(value))), FloatToString(value).toFloat());
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(QStringLiteral("  2.5abc")), 2.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(QStringLiteral("1,5")), 1.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(QStringLiteral("x")), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(QStringLiteral("3e")), 3.0);
}

TEST(IPAddressFieldsTest, ConvertsControlFieldsAndText)
{
    const struct {
        const char* text;
        bool blank;
        std::array<quint8, 4> octets;
    } cases[] = {
        {"192.168.1", false, {192, 168, 1, 0}},
        {"10", true, {0, 0, 0, 0}},
        {"300.1.1.1", false, {44, 1, 1, 1}},
        {"1.2.3.4.5", false, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        const IPAddressFields fields = IPAddressFieldsFromText(QString::fromLatin1(c.text));
        EXPECT_EQ(fields.blank, c.blank) << c.text;
        EXPECT_EQ(fields.octets, c.octets) << c.text;
    }
    EXPECT_EQ(IPAddressFieldsToText(IPAddressFieldsFromText(QStringLiteral("192.168.1"))),
              QStringLiteral("192.168.1.0"));
    EXPECT_TRUE(IPAddressFieldsToText(IPAddressFields{}).isEmpty());
}

} // namespace
