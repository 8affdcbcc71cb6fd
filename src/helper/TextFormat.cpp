#include "TextFormat.h"

#include "TextConversion.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

// Widths and precisions beyond this are cut, so a stray "%999999999d" cannot exhaust memory.
constexpr int kMaxFieldLength = 4096;
constexpr int kDefaultIntegerBits = 32;
constexpr int kDefaultRealPrecision = 6;
// Room for the integer digits of the largest double in fixed notation, its point and exponent.
constexpr int kRealDigitsRoom = 330;
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;
// 2^64: the first double that no longer fits a 64-bit magnitude.
constexpr double kMagnitudeLimit = 18446744073709551616.0;

struct Directive {
    bool leftAlign = false;
    bool plusSign = false;
    bool blankSign = false;
    bool alternate = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1; // none given
    int integerBits = kDefaultIntegerBits;
    char16_t conversion = 0; // 0 when the format ends inside the directive
};

class ArgumentCursor {
public:
    explicit ArgumentCursor(std::initializer_list<FormatArg> args) : args_(args) {}

    const FormatArg& Next()
    {
        static const FormatArg missing;
        if (next_ >= args_.size())
            return missing;
        return args_.begin()[next_++];
    }

private:
    std::initializer_list<FormatArg> args_;
    std::size_t next_ = 0;
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int clampedFieldLength(quint64 value)
{
    return static_cast<int>(qMin<quint64>(value, kMaxFieldLength));
}

int readCount(QStringView format, qsizetype& pos)
{
    quint64 value = 0;
    for (; pos < format.size() && isDigit(format[pos]); ++pos)
        value = qMin<quint64>(value * 10 + (format[pos].unicode() - u'0'), kMaxFieldLength);
    return static_cast<int>(value);
}

bool startsWithAt(QStringView format, qsizetype pos, QStringView prefix)
{
    return format.mid(pos).startsWith(prefix);
}

void readFlags(QStringView format, qsizetype& pos, Directive& d)
{
    for (; pos < format.size(); ++pos) {
        switch (format[pos].unicode()) {
        case u'-':
            d.leftAlign = true;
            break;
        case u'+':
            d.plusSign = true;
            break;
        case u' ':
            d.blankSign = true;
            break;
        case u'#':
            d.alternate = true;
            break;
        case u'0':
            d.zeroPad = true;
            break;
        default:
            return;
        }
    }
}

void readWidth(QStringView format, qsizetype& pos, ArgumentCursor& args, Directive& d)
{
    if (pos < format.size() && format[pos] == u'*') {
        ++pos;
        const FormatArg::Integer width = args.Next().ToInteger();
        d.leftAlign = d.leftAlign || width.negative; // a negative * width means left alignment
        d.width = clampedFieldLength(width.magnitude);
        return;
    }
    d.width = readCount(format, pos);
}

void readPrecision(QStringView format, qsizetype& pos, ArgumentCursor& args, Directive& d)
{
    if (pos >= format.size() || format[pos] != u'.')
        return;
    ++pos;
    if (pos < format.size() && format[pos] == u'*') {
        ++pos;
        const FormatArg::Integer precision = args.Next().ToInteger();
        d.precision = precision.negative ? -1 : clampedFieldLength(precision.magnitude);
        return;
    }
    d.precision = readCount(format, pos);
}

void readLengthModifier(QStringView format, qsizetype& pos, Directive& d)
{
    const struct {
        QStringView text;
        int bits;
    } modifiers[] = {
        {u"I64", 64}, {u"I32", 32}, {u"hh", 8}, {u"ll", 64}, {u"h", 16}, {u"l", 32}, {u"q", 64},
        {u"j", 64},   {u"z", 64},   {u"t", 64}, {u"L", 64},  {u"I", 64}, {u"w", 32},
    };
    for (const auto& modifier : modifiers) {
        if (startsWithAt(format, pos, modifier.text)) {
            pos += modifier.text.size();
            d.integerBits = modifier.bits;
            return;
        }
    }
}

// Reads what follows a '%' up to and including the conversion character.
Directive readDirective(QStringView format, qsizetype& pos, ArgumentCursor& args)
{
    Directive d;
    readFlags(format, pos, d);
    readWidth(format, pos, args, d);
    readPrecision(format, pos, args, d);
    readLengthModifier(format, pos, d);
    if (pos < format.size())
        d.conversion = format[pos++].unicode();
    return d;
}

QString padded(const Directive& d, const QString& prefix, const QString& body, bool zeroPadAllowed)
{
    const qsizetype fill = d.width - prefix.size() - body.size();
    if (fill <= 0)
        return prefix + body;
    if (d.leftAlign)
        return prefix + body + QString(fill, u' ');
    if (d.zeroPad && zeroPadAllowed)
        return prefix + QString(fill, u'0') + body;
    return QString(fill, u' ') + prefix + body;
}

QString signPrefix(const Directive& d, bool negative)
{
    if (negative)
        return QStringLiteral("-");
    if (d.plusSign)
        return QStringLiteral("+");
    if (d.blankSign)
        return QStringLiteral(" ");
    return {};
}

// The bits a negative number shows in an unsigned conversion, as a cast to that width would.
quint64 unsignedValue(const FormatArg::Integer& value, int bits)
{
    if (!value.negative)
        return value.magnitude;
    const quint64 twosComplement = 0 - value.magnitude;
    return bits >= 64 ? twosComplement : twosComplement & ((quint64(1) << bits) - 1);
}

int integerBase(char16_t conversion)
{
    switch (conversion) {
    case u'o':
        return 8;
    case u'x':
    case u'X':
        return 16;
    default:
        return 10;
    }
}

QString formatInteger(const Directive& d, const FormatArg& arg)
{
    const FormatArg::Integer value = arg.ToInteger();
    const bool isSigned = d.conversion == u'd' || d.conversion == u'i';
    const quint64 magnitude = isSigned ? value.magnitude : unsignedValue(value, d.integerBits);
    const bool isHex = d.conversion == u'x' || d.conversion == u'X';

    // An explicit precision of 0 writes no digit for 0, as printf does.
    QString digits =
        magnitude == 0 && d.precision == 0 ? QString() : QString::number(magnitude, integerBase(d.conversion));
    if (d.conversion == u'X')
        digits = digits.toUpper();
    if (d.precision > digits.size())
        digits.prepend(QString(d.precision - digits.size(), u'0'));

    QString prefix;
    if (isSigned)
        prefix = signPrefix(d, value.negative && magnitude != 0);
    else if (d.alternate && d.conversion == u'o' && !digits.startsWith(u'0'))
        digits.prepend(u'0');
    else if (d.alternate && isHex && magnitude != 0)
        prefix = d.conversion == u'x' ? QStringLiteral("0x") : QStringLiteral("0X");
    return padded(d, prefix, digits, d.precision < 0);
}

std::string toChars(double magnitude, std::chars_format format, int precision)
{
    std::string buffer(static_cast<std::size_t>(kRealDigitsRoom + precision), '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, format, precision);
    buffer.resize(result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - buffer.data()) : 0);
    return buffer;
}

int exponentOf(const std::string& scientific)
{
    std::size_t start = scientific.find('e') + 1;
    if (start < scientific.size() && scientific[start] == '+')
        ++start;
    int exponent = 0;
    std::from_chars(scientific.data() + start, scientific.data() + scientific.size(), exponent);
    return exponent;
}

// The '#' flag keeps the decimal point even when no digit follows it.
std::string withDecimalPoint(std::string digits)
{
    if (digits.find('.') != std::string::npos)
        return digits;
    const std::size_t exponent = digits.find('e');
    digits.insert(exponent == std::string::npos ? digits.size() : exponent, 1, '.');
    return digits;
}

// %g; with '#' the trailing zeros stay, so it follows printf's own definition of %g.
std::string generalDigits(double magnitude, int precision, bool alternate)
{
    const int significant = precision == 0 ? 1 : precision;
    if (!alternate)
        return toChars(magnitude, std::chars_format::general, significant);
    const std::string scientific = toChars(magnitude, std::chars_format::scientific, significant - 1);
    const int exponent = exponentOf(scientific);
    if (exponent < significant && exponent >= -4)
        return withDecimalPoint(toChars(magnitude, std::chars_format::fixed, significant - 1 - exponent));
    return withDecimalPoint(scientific);
}

std::string realDigits(double magnitude, char16_t conversion, int precision, bool alternate)
{
    switch (conversion) {
    case u'e':
    case u'E': {
        const std::string digits = toChars(magnitude, std::chars_format::scientific, precision);
        return alternate ? withDecimalPoint(digits) : digits;
    }
    case u'g':
    case u'G':
        return generalDigits(magnitude, precision, alternate);
    default: {
        const std::string digits = toChars(magnitude, std::chars_format::fixed, precision);
        return alternate ? withDecimalPoint(digits) : digits;
    }
    }
}

QString formatReal(const Directive& d, const FormatArg& arg)
{
    const double value = arg.ToDouble();
    const bool upper = d.conversion == u'F' || d.conversion == u'E' || d.conversion == u'G';
    const QString prefix = signPrefix(d, std::signbit(value));
    QString body;
    if (std::isnan(value))
        body = QStringLiteral("nan");
    else if (std::isinf(value))
        body = QStringLiteral("inf");
    else {
        const int precision = d.precision < 0 ? kDefaultRealPrecision : d.precision;
        body = QString::fromLatin1(realDigits(std::fabs(value), d.conversion, precision, d.alternate));
    }
    if (upper)
        body = body.toUpper();
    return padded(d, prefix, body, std::isfinite(value));
}

QString formatText(const Directive& d, const FormatArg& arg)
{
    QString text = arg.ToText();
    if (d.precision >= 0 && d.precision < text.size()) {
        qsizetype cut = d.precision;
        if (cut > 0 && text[cut - 1].isHighSurrogate())
            --cut; // never leave half a character
        text.truncate(cut);
    }
    return padded(d, {}, text, false);
}

// The directive's text, or nothing when the conversion is not one we know.
std::optional<QString> render(const Directive& d, ArgumentCursor& args)
{
    switch (d.conversion) {
    case u'%':
        return QStringLiteral("%");
    case u'd':
    case u'i':
    case u'u':
    case u'o':
    case u'x':
    case u'X':
        return formatInteger(d, args.Next());
    case u'f':
    case u'F':
    case u'e':
    case u'E':
    case u'g':
    case u'G':
        return formatReal(d, args.Next());
    case u'c':
    case u'C':
        return padded(d, {}, args.Next().ToCharacter(), false);
    case u's':
    case u'S':
        return formatText(d, args.Next());
    default:
        return std::nullopt;
    }
}

QString codePointText(const FormatArg::Integer& value)
{
    if (value.magnitude == 0)
        return {};
    const bool valid = !value.negative && value.magnitude <= kLastCodePoint &&
                       !QChar::isSurrogate(static_cast<char32_t>(value.magnitude));
    const char32_t codePoint = valid ? static_cast<char32_t>(value.magnitude) : kReplacementCharacter;
    return QString::fromUcs4(&codePoint, 1);
}

FormatArg::Integer integerOf(qint64 value)
{
    return {value < 0, value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value)};
}

FormatArg::Integer integerOf(double value)
{
    if (std::isnan(value))
        return {};
    const double magnitude = std::trunc(std::fabs(value));
    const quint64 cut =
        magnitude >= kMagnitudeLimit ? std::numeric_limits<quint64>::max() : static_cast<quint64>(magnitude);
    return {value < 0 && cut != 0, cut};
}

} // namespace

FormatArg::Integer FormatArg::ToInteger() const
{
    if (const auto* value = std::get_if<qint64>(&value_))
        return integerOf(*value);
    if (const auto* value = std::get_if<quint64>(&value_))
        return {false, *value};
    if (const auto* value = std::get_if<double>(&value_))
        return integerOf(*value);
    if (const auto* text = std::get_if<QString>(&value_))
        return integerOf(ParseLeadingInt64(*text));
    return {};
}

double FormatArg::ToDouble() const
{
    if (const auto* value = std::get_if<qint64>(&value_))
        return static_cast<double>(*value);
    if (const auto* value = std::get_if<quint64>(&value_))
        return static_cast<double>(*value);
    if (const auto* value = std::get_if<double>(&value_))
        return *value;
    if (const auto* text = std::get_if<QString>(&value_))
        return ParseLeadingDouble(*text);
    return 0.0;
}

QString FormatArg::ToText() const
{
    if (const auto* value = std::get_if<qint64>(&value_))
        return QString::number(*value);
    if (const auto* value = std::get_if<quint64>(&value_))
        return QString::number(*value);
    if (const auto* value = std::get_if<double>(&value_))
        return QString::number(*value, 'g', QLocale::FloatingPointShortest);
    if (const auto* text = std::get_if<QString>(&value_))
        return *text;
    return {};
}

QString FormatArg::ToCharacter() const
{
    const auto* text = std::get_if<QString>(&value_);
    if (!text)
        return codePointText(ToInteger());
    if (text->size() >= 2 && text->at(0).isHighSurrogate() && text->at(1).isLowSurrogate())
        return text->left(2);
    return text->left(1);
}

QString FormatText(QStringView format, std::initializer_list<FormatArg> args)
{
    QString out;
    out.reserve(format.size());
    ArgumentCursor cursor(args);
    qsizetype pos = 0;
    while (pos < format.size()) {
        const qsizetype percent = format.indexOf(u'%', pos);
        if (percent < 0) {
            out += format.mid(pos);
            break;
        }
        out += format.mid(pos, percent - pos);
        pos = percent + 1;
        const Directive directive = readDirective(format, pos, cursor);
        const std::optional<QString> rendered = render(directive, cursor);
        out += rendered ? *rendered : format.mid(percent, pos - percent).toString();
    }
    return out;
}
