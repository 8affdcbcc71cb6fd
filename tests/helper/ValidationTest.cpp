#include "Validation.h"

#include "LanguagePack.h"
#include "TextFormat.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QString kStale = QStringLiteral("stale message\r\n");

// True when every part occurs in the text, each after the one before.
bool appearsInOrder(const QString& text, const QStringList& parts)
{
    qsizetype from = 0;
    for (const QString& part : parts) {
        const qsizetype at = text.indexOf(part, from);
        if (at < 0)
            return false;
        from = at + part.size();
    }
    return true;
}

TEST(RegexMatchTest, MatchesUtf8BytesWithoutUtfMode)
{
    const struct {
        const char* subject;
        const char* pattern;
        bool expected;
    } cases[] = {
        {"abc123", "\\d+", true},     // anywhere in the subject
        {"abc", "^b", false},         // anchors are the pattern's own
        {"ABC", "abc", false},        // case-sensitive
        {"12\n", "^\\d+$", true},     // $ also before a final line feed
        {"1\n2", "1.2", false},       // . does not match a line feed
        {"Öl", "^[A-Za-z]+$", false}, // non-ASCII is no letter
        {"Ö", "^..$", true},          // one character, two bytes
        {"Öl", "^\xC3\x96l$", true},  // pattern bytes meet subject bytes
        {"abc", "(", false},          // does not compile
        {"", "^$", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RegexMatch(QString::fromUtf8(c.subject), QString::fromUtf8(c.pattern)), c.expected)
            << c.subject << " ~ " << c.pattern;
}

TEST(IsValidDecimalTest, AcceptsIntegersAndUpToMaxDecimalsAfterADot)
{
    const struct {
        const char* text;
        int maxDecimals;
        bool expected;
    } cases[] = {
        {"3.14", 2, true},
        {"-3", 2, true},
        {"12", 2, true},
        {"-12", 2, true},
        {"12.", 2, true},
        {"1.5", 2, true},
        {"-0.25", 2, true},
        {"3.145", 2, false},
        {"-", 2, false},
        {".5", 2, false},
        {"12x", 2, false},
        {"1,5", 2, false},
        {"1x5", 2, false},
        {"", 2, false},
        {"1.5.", 2, false},
        {"--1", 2, false},
        {" 1", 2, false},
        {"1.", 1, true},
        {"1.25", 1, false},
        // No decimals: integers only, instead of a pattern that refuses everything.
        {"12", 0, true},
        {"-12", 0, true},
        {"0", 0, true},
        {"1.5", 0, false},
        {"12.", 0, false},
        {"", 0, false},
        {"x", 0, false},
        {"7", -1, true},
        {"7.5", -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidDecimal(QString::fromUtf8(c.text), c.maxDecimals), c.expected)
            << '"' << c.text << "\" with " << c.maxDecimals << " decimals";
}

TEST(IsValidEmailTest, FindsAnAddressAnywhereButRefusesLists)
{
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"operator@example.com", true},
        {"first.last+tag_x@mail.example.org", true},
        {"Jane Doe <jane@example.com>", true},
        {"write to x@example.com today", true},
        {"a@example.com;b@example.com", false},
        {"a@example.com;", false},
        {"plainaddress", false},
        {"a@example", false},
        {"a@example.c", false},
        {"@example.com", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidEmail(QString::fromUtf8(c.text)), c.expected) << c.text;
}

// The alarm pages take one address as the whole text; its domain ends in 2 to 63 letters.
TEST(IsValidEmailAddressTest, TakesTheWholeTextWithADomainEndingOfTwoToSixtyThreeLetters)
{
    const QString ending63(63, QLatin1Char('a'));
    const struct {
        QString text;
        bool expected;
    } cases[] = {
        {QStringLiteral("rtu@plant.example"), true},
        {QStringLiteral("alarm.desk@works.industries"), true},
        {QStringLiteral("ops+rtu_7@mail.plant-3.co"), true},
        {QStringLiteral("rtu@plant.") + ending63, true},
        {QStringLiteral("rtu@plant.") + ending63 + QLatin1Char('a'), false},
        {QStringLiteral("rtu@plant.e"), false},
        {QStringLiteral("rtu@plant.example7"), false},
        {QStringLiteral("rtu@plant"), false},
        {QStringLiteral("Jane <rtu@plant.example>"), false},
        {QStringLiteral("rtu@plant.example x"), false},
        {QStringLiteral("rtu@plant.example;ops@plant.example"), false},
        {QString(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidEmailAddress(c.text), c.expected) << c.text.toStdString();
        // The lenient check finds the same address inside a longer text.
        if (c.expected)
            EXPECT_TRUE(IsValidEmail(QStringLiteral("Desk <%1>").arg(c.text))) << c.text.toStdString();
    }
}

TEST(IsValidPhoneNumberTest, AcceptsAnOptionalPlusAndTwoToTwentyDigits)
{
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"+12", true},
        {"12", true},
        {"12345678901234567890", true},
        {"+12345678901234567890", true},
        {"123456789012345678901", false},
        {"1", false},
        {"+", false},
        {"", false},
        {"12 34", false},
        {"12-34", false},
        {"++12", false},
        {"12+", false},
        {"(01)234", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidPhoneNumber(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(FitsByteLengthTest, CountsUtf8Bytes)
{
    const struct {
        const char* text;
        int maxBytes;
        bool expected;
    } cases[] = {
        {"abc", 3, true},    {"abcd", 3, false},  {"", 0, true},      {"a", 0, false}, {"Ö", 1, false},
        {"Ö", 2, true},      {"日本", 6, true},   {"日本", 5, false}, {"😀", 4, true},  {"😀", 3, false},
        {"aÖ日😀", 10, true}, {"aÖ日😀", 9, false}, {"a", -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitsByteLength(QString::fromUtf8(c.text), c.maxBytes), c.expected)
            << c.text << " in " << c.maxBytes << " bytes";
}

TEST(CheckEditRangeTest, AcceptsTheLeadingIntegerInsideTheRange)
{
    const struct {
        const char* text;
        quint32 minimum;
        quint32 maximum;
        bool passes;
    } cases[] = {
        {"0", 1, 65535, false},
        {"1", 1, 65535, true},
        {"65535", 1, 65535, true},
        {"65536", 1, 65535, false},
        {"-1", 1, 65535, false},
        {"4294967296", 1, 65535, false},
        {"", 1, 65535, false}, // reads as 0
        {"  42 ms", 1, 65535, true},
        {"+42", 1, 65535, true},
        {"000000000000000065535", 1, 65535, true},
        // Beyond 64 bits the lenient parser wraps this to 1; it is still far out of range.
        {"18446744073709551617", 1, 65535, false},
        {"4294967295", 0, 0xFFFFFFFF, true},
        {"4294967296", 0, 0xFFFFFFFF, false},
        {"-0", 0, 10, true},
        {"3000000000", 2999999999u, 3000000001u, true}, // compared unsigned
    };
    for (const auto& c : cases) {
        QString message = kStale;
        const int result =
            CheckEditRange(QString::fromUtf8(c.text), c.minimum, c.maximum, message, QStringLiteral("Port"));
        EXPECT_EQ(result, c.passes ? kS_OK : kE_FAIL) << '"' << c.text << '"';
        if (c.passes)
            EXPECT_EQ(message, kStale) << c.text;
        else
            EXPECT_EQ(message, FormatLangString(kStringEditRangeError, QStringLiteral("Port"), c.minimum, c.maximum))
                << c.text;
    }
}

TEST(CheckEditRangeTest, ReplacesTheMessageWithLabelMinimumAndMaximum)
{
    QString message = kStale;
    EXPECT_EQ(CheckEditRange(QStringLiteral("0"), 1, 65535, message, QStringLiteral("Listen port")), kE_FAIL);
    EXPECT_EQ(kE_FAIL, static_cast<int>(0x80004005u));
    EXPECT_FALSE(message.contains(u"stale"));
    EXPECT_TRUE(appearsInOrder(message, {"Listen port", "1", "65535"})) << qPrintable(message);
    EXPECT_FALSE(message.contains(u'%')) << qPrintable(message);
}

class ValidateInputDataTest : public testing::Test {
protected:
    // A letter, then letters or digits.
    const QString pattern_ = QStringLiteral("^[A-Za-z][A-Za-z0-9]");
    const QString label_ = QStringLiteral("Tag name");
    QString message_ = kStale;

    bool Validate(const QString& text, quint16 maxLength = 16)
    {
        return ValidateInputData(label_, text, maxLength, pattern_, message_);
    }
};

TEST_F(ValidateInputDataTest, AcceptsUpToMaxLengthAndLeavesTheMessage)
{
    EXPECT_TRUE(Validate(QStringLiteral("Abcdefghij123456")));
    EXPECT_TRUE(Validate(QStringLiteral("A")));
    EXPECT_TRUE(Validate(QStringLiteral("ab"), 2));
    EXPECT_EQ(message_, kStale);
}

TEST_F(ValidateInputDataTest, ReplacesTheMessageForEmptyAndOverlongTexts)
{
    EXPECT_FALSE(Validate(QString()));
    EXPECT_EQ(message_, QStringLiteral("Invalid \"Tag name\".\n\r\n"));

    EXPECT_FALSE(Validate(QStringLiteral("Abcdefghij1234567")));
    EXPECT_EQ(message_, QStringLiteral("Invalid \"Tag name\".\n\"Tag name\" only support maximum 16 characters\r\n"));
}

TEST_F(ValidateInputDataTest, RefusesWhatThePatternDoesNotAdmit)
{
    const QString expected = FormatLangString(kStringPatternError, label_, label_) + QStringLiteral("\r\n");
    const char* refused[] = {"1abc", "Ab c", "Ab_c", "Öl", "abc!"};
    for (const char* text : refused) {
        message_ = kStale;
        EXPECT_FALSE(Validate(QString::fromUtf8(text))) << text;
        EXPECT_EQ(message_, expected) << text;
    }
    EXPECT_TRUE(appearsInOrder(expected, {label_, label_})) << qPrintable(expected);
}

TEST(MessageLineTest, GivesNoLineWithoutALabel)
{
    const QString none;
    EXPECT_TRUE(FormatRangeErrorLine(none, 1, 10).isEmpty());
    EXPECT_TRUE(FormatLimitErrorLine(none, 10).isEmpty());
    EXPECT_TRUE(FormatInvalidItemLine(none).isEmpty());
    EXPECT_TRUE(FormatItemErrorLine(none).isEmpty());
    EXPECT_TRUE(FormatPatternErrorLine(none, QStringLiteral("x#")).isEmpty());
    EXPECT_TRUE(FormatMessageLine(kStringPatternError, none, QStringLiteral("x#")).isEmpty());
    // A name is not a label: it always gives a line.
    EXPECT_TRUE(FormatInvalidNameLine(none).endsWith(u"\r\n"));
    EXPECT_GT(FormatInvalidNameLine(none).size(), 2);
}

TEST(MessageLineTest, FormatsTheLanguagePackStringWithItsArgumentsInOrder)
{
    const struct {
        const char* builder;
        QString line;
        QStringList parts;
    } cases[] = {
        {"range", FormatRangeErrorLine(QStringLiteral("Baud rate"), 1200, 115200), {"Baud rate", "1200", "115200"}},
        {"limit", FormatLimitErrorLine(QStringLiteral("Tag count"), 4294967295u), {"Tag count", "4294967295"}},
        {"invalid name", FormatInvalidNameLine(QStringLiteral("AI#1")), {"AI#1"}},
        {"invalid item", FormatInvalidItemLine(QStringLiteral("Slave ID")), {"Slave ID"}},
        {"item error", FormatItemErrorLine(QStringLiteral("Server IP")), {"Server IP"}},
        {"pattern", FormatPatternErrorLine(QStringLiteral("Tag name"), QStringLiteral("x y")), {"x y", "Tag name"}},
        {"message",
         FormatMessageLine(kStringPatternError, QStringLiteral("Label"), QStringLiteral("Value")),
         {"Value", "Label"}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.line.endsWith(u"\r\n")) << c.builder;
        EXPECT_TRUE(appearsInOrder(c.line, c.parts)) << c.builder << ": " << qPrintable(c.line);
        const QString withoutEnd = c.line.chopped(2);
        EXPECT_FALSE(withoutEnd.contains(u'%')) << c.builder << ": " << qPrintable(c.line);
        EXPECT_GT(withoutEnd.size(), c.parts.join(QString()).size()) << c.builder << ": the string's own words";
    }
}

TEST(MessageLineTest, LanguagePackHoldsEveryValidationString)
{
    const unsigned ids[] = {kStringLimitError, kStringRangeError,   kStringInvalidItem,
                            kStringItemError,  kStringPatternError, kStringEditRangeError};
    for (unsigned id : ids)
        EXPECT_FALSE(LoadLangString(id).isEmpty()) << id;
}

TEST(MakeValidTagNameTest, AbbreviatesAndKeepsOnlyTagNameCharacters)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Read/Write Coil 1", "RW_Coil1"},
        {"System Register 2", "SR2"},
        {"Internal Register x", "IR_x"},
        {"Read Only Input 3", "R_Input3"},
        {"Internal Register 5 Read/Write", "IR_5RW_"},
        {"system register 2", "systemregister2"}, // case-sensitive
        {"Temp (°C) #1!", "TempC1"},
        {"Überdruck-Alarm_2", "berdruckAlarm_2"},
        {"9 lives", "9lives"},
        {"  ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeValidTagName(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.text;
}

} // namespace
