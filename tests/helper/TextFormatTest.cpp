#include "TextFormat.h"

#include "Validation.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FormatCase {
    const char* label;
    QString actual;
    QString expected;
};

void expectCases(std::initializer_list<FormatCase> cases)
{
    for (const FormatCase& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.label;
}

TEST(FormatTextTest, FormatsIntegersWithFlagsWidthAndPrecision)
{
    expectCases({
        {"plain", FormatText(u"%d", {42}), "42"},
        {"width", FormatText(u"[%5d]", {42}), "[   42]"},
        {"left", FormatText(u"[%-5d]", {42}), "[42   ]"},
        {"zero pad", FormatText(u"%02d:%02d", {7, 5}), "07:05"},
        {"zero pad after sign", FormatText(u"%05d", {-42}), "-0042"},
        {"plus", FormatText(u"%+d %+d", {5, -5}), "+5 -5"},
        {"blank", FormatText(u"% d", {5}), " 5"},
        {"precision pads digits", FormatText(u"%.2X", {5}), "05"},
        {"precision below digits", FormatText(u"%.2X", {0xABC}), "ABC"},
        {"precision ignores zero flag", FormatText(u"[%08.3d]", {5}), "[     005]"},
        {"precision 0 of 0", FormatText(u"[%.0d]", {0}), "[]"},
        {"hex", FormatText(u"%x %X", {255, 255}), "ff FF"},
        {"alternate hex", FormatText(u"%#x %#X %#x", {255, 255, 0}), "0xff 0XFF 0"},
        {"octal", FormatText(u"%o %#o", {8, 8}), "10 010"},
        {"unsigned", FormatText(u"%u", {3000000000u}), "3000000000"},
        {"signed 64", FormatText(u"%I64d %lld", {std::numeric_limits<qint64>::min(), qint64(1) << 40}),
         "-9223372036854775808 1099511627776"},
        {"unsigned 64 by %d", FormatText(u"%d", {std::numeric_limits<quint64>::max()}), "18446744073709551615"},
        {"long", FormatText(u"%ld", {-123}), "-123"},
    });
}

TEST(FormatTextTest, ShowsNegativeNumbersInUnsignedConversionsAsTheirBits)
{
    expectCases({
        {"%u of -1", FormatText(u"%u", {-1}), "4294967295"},
        {"%lu of -1", FormatText(u"%lu", {-1}), "4294967295"},
        {"%x of -1", FormatText(u"%x", {-1}), "ffffffff"},
        {"%08X of -2", FormatText(u"%08X", {-2}), "FFFFFFFE"},
        {"%llx of -1", FormatText(u"%llx", {-1}), "ffffffffffffffff"},
        {"%hu of -1", FormatText(u"%hu", {-1}), "65535"},
        {"%hhx of -1", FormatText(u"%hhx", {-1}), "ff"},
    });
}

TEST(FormatTextTest, FormatsRealsLikePrintf)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    expectCases({
        {"default precision", FormatText(u"%f", {1.5}), "1.500000"},
        {"precision", FormatText(u"%.2f", {3.14159}), "3.14"},
        {"width", FormatText(u"[%8.3f]", {-2.5}), "[  -2.500]"},
        {"zero pad", FormatText(u"%08.2f", {-2.5}), "-0002.50"},
        {"plus", FormatText(u"%+.1f", {2.0}), "+2.0"},
        {"round half even like printf", FormatText(u"%.0f %.0f", {2.5, 3.5}), "2 4"},
        {"float argument", FormatText(u"%.3f", {0.1f}), "0.100"},
        {"negative zero", FormatText(u"%.1f", {-0.0}), "-0.0"},
        {"scientific", FormatText(u"%e|%E", {12345.678, 12345.678}), "1.234568e+04|1.234568E+04"},
        {"general", FormatText(u"%g %g %g %g", {0.0001, 1e-5, 123456789.0, 100.0}), "0.0001 1e-05 1.23457e+08 100"},
        {"general precision", FormatText(u"%.3g|%G", {3.14159, 1e-10}), "3.14|1E-10"},
        {"alternate keeps zeros and point", FormatText(u"%#g|%#.0f|%#.0e", {1.0, 3.0, 3.0}), "1.00000|3.|3.e+00"},
        {"infinity", FormatText(u"%f|%5.1F", {inf, -inf}), "inf| -INF"},
        {"nan is not zero padded", FormatText(u"[%05f]", {nan}), "[  nan]"},
    });
}

TEST(FormatTextTest, IgnoresTheLocaleOfTheDesktop)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = FormatText(u"%.1f %g %d %s", {1.5, 2.25, 1234567, 0.5});
    QLocale::setDefault(previous);
    EXPECT_EQ(text, QStringLiteral("1.5 2.25 1234567 0.5"));
}

TEST(FormatTextTest, FormatsTextsAndCharacters)
{
    expectCases({
        {"text", FormatText(u"<%s>", {QStringLiteral("Ölfeld")}), "<Ölfeld>"},
        {"utf-8 literal", FormatText(u"%s", {"Düse"}), "Düse"},
        {"right aligned", FormatText(u"[%5s]", {"ab"}), "[   ab]"},
        {"left aligned", FormatText(u"[%-5s]", {"ab"}), "[ab   ]"},
        {"wide field", FormatText(u"%40s", {"x"}), QString(39, u' ') + u'x'},
        {"precision cuts", FormatText(u"%.2s", {"abcdef"}), "ab"},
        {"precision keeps pairs whole", FormatText(u"[%.1s]", {QStringLiteral("😀x")}), "[]"},
        {"percent in argument stays", FormatText(u"%s", {"100%d"}), "100%d"},
        {"character", FormatText(u"%c%c", {'O', u'K'}), "OK"},
        {"character of text", FormatText(u"%c", {"xyz"}), "x"},
        {"character width", FormatText(u"[%3c]", {'A'}), "[  A]"},
        {"code point beyond 16 bits", FormatText(u"%c", {0x1F600}), QStringLiteral("😀")},
        {"invalid code point", FormatText(u"%c", {0xD800}), QString(QChar(0xFFFD))},
        {"QChar", FormatText(u"%c%s", {QChar(u'é'), QChar(u'!')}), "é!"},
    });
}

TEST(FormatTextTest, CopiesPercentAndUnknownDirectives)
{
    expectCases({
        {"double percent", FormatText(u"100%%", {}), "100%"},
        {"percent ends the text", FormatText(u"50%", {}), "50%"},
        {"unknown conversion", FormatText(u"%y %d", {3}), "%y 3"},
        {"ends inside directive", FormatText(u"%-5", {3}), "%-5"},
        {"no directive", FormatText(u"plain", {1}), "plain"},
    });
}

TEST(FormatTextTest, FormatsMissingArgumentsAsEmptyOrZero)
{
    expectCases({
        {"text and integer", FormatText(u"%s and %d", {}), " and 0"},
        {"width still applies", FormatText(u"[%3d][%3s]", {}), "[  0][   ]"},
        {"real", FormatText(u"%.2f", {}), "0.00"},
        {"character", FormatText(u"[%c]", {}), "[]"},
        {"one of two", FormatText(u"%s=%d", {"Port"}), "Port=0"},
        {"surplus ignored", FormatText(u"%d", {1, 2}), "1"},
        {"star from missing", FormatText(u"[%*d]", {}), "[0]"},
    });
}

TEST(FormatTextTest, ConvertsMismatchedKinds)
{
    expectCases({
        {"text as integer", FormatText(u"%d", {"42abc"}), "42"},
        {"text as hex", FormatText(u"%x", {" 255"}), "ff"},
        {"text as real", FormatText(u"%.1f", {"2.25x"}), "2.2"},
        {"integer as text", FormatText(u"%s", {-7}), "-7"},
        {"real as text", FormatText(u"%s", {1.5}), "1.5"},
        {"real as integer", FormatText(u"%d %d", {2.9, -2.9}), "2 -2"},
        {"nan as integer", FormatText(u"%d", {std::nan("")}), "0"},
        {"huge real as integer", FormatText(u"%d", {1e30}), "18446744073709551615"},
        {"integer as real", FormatText(u"%.1f", {3}), "3.0"},
    });
}

TEST(FormatTextTest, TakesStarWidthAndPrecisionFromTheArguments)
{
    expectCases({
        {"width", FormatText(u"[%*d]", {5, 42}), "[   42]"},
        {"negative width aligns left", FormatText(u"[%*d]", {-5, 42}), "[42   ]"},
        {"precision", FormatText(u"%.*f", {2, 3.14159}), "3.14"},
        {"negative precision is none", FormatText(u"%.*f", {-1, 1.5}), "1.500000"},
    });
}

TEST(FormatTextTest, BoundsHugeWidthsAndPrecisions)
{
    const QString wide = FormatText(u"%999999999999d", {1});
    EXPECT_LE(wide.size(), 4096);
    EXPECT_TRUE(wide.endsWith(u" 1"));
    const QString precise = FormatText(u"%.999999999f", {1e308});
    EXPECT_LE(precise.size(), 309 + 1 + 4096);
    EXPECT_TRUE(precise.startsWith(u"1"));
}

TEST(FormatLangStringTest, FormatsTheLanguagePackString)
{
    const unsigned kMissingId = 999999;
    EXPECT_TRUE(FormatLangString(kMissingId, 1, "x").isEmpty());
    const QString text = FormatLangString(kStringEditRangeError, QStringLiteral("Port"), 1u, 65535u);
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(text, FormatText(LoadLangString(kStringEditRangeError), {QStringLiteral("Port"), 1u, 65535u}));
}

} // namespace
