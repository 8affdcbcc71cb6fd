#include "TextConversion.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

// Index of the first non-blank character, then the sign.
qsizetype skipBlanksAndSign(QStringView text, bool& negative)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    return i;
}

// The digits' value, stopping at limit (the caller's saturation point) instead of wrapping.
quint64 accumulateDecimal(QStringView text, qsizetype i, quint64 limit)
{
    quint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const quint64 digit = text[i].unicode() - u'0';
        if (value > (limit - digit) / 10)
            return limit;
        value = value * 10 + digit;
    }
    return value;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

int ParseLeadingInt(QStringView text)
{
    return static_cast<int>(std::clamp<qint64>(ParseLeadingInt64(text), INT_MIN, INT_MAX));
}

qint64 ParseLeadingInt64(QStringView text)
{
    bool negative = false;
    const qsizetype start = skipBlanksAndSign(text, negative);
    const quint64 limit = negative ? quint64(INT64_MAX) + 1 : quint64(INT64_MAX);
    const quint64 magnitude = accumulateDecimal(text, start, limit);
    return negative ? static_cast<qint64>(0 - magnitude) : static_cast<qint64>(magnitude);
}

quint32 ParseULongText(QStringView text, int base)
{
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    const unsigned long long value = std::strtoull(bytes.constData(), nullptr, base);
    // wcstoul saturates at ULONG_MAX (32-bit) on overflow.
    if (errno == ERANGE || value > 0xFFFFFFFFull) {
        const bool negative = bytes.trimmed().startsWith('-');
        return negative ? static_cast<quint32>(value) : 0xFFFFFFFFu;
    }
    return static_cast<quint32>(value);
}

double ParseLeadingDouble(QStringView text)
{
    bool negative = false;
    qsizetype i = skipBlanksAndSign(text, negative);
    const qsizetype numberStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < text.size() && text[j] >= u'0' && text[j] <= u'9') {
            while (j < text.size() && text[j] >= u'0' && text[j] <= u'9')
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double magnitude = text.mid(numberStart, i - numberStart).toDouble(&ok); // C locale
    if (!ok)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

void SplitString(QStringList& out, const QString& text)
{
    out = text.split(u',', Qt::KeepEmptyParts);
}

void SplitStringToInts(QVector<int>& out, const QString& text)
{
    out.clear();
    const QStringList pieces = text.split(u',', Qt::KeepEmptyParts);
    out.reserve(pieces.size());
    for (const QString& piece : pieces)
        out.append(ParseLeadingInt(piece));
}

QStringList SplitToStringArray(const QString& text, QChar delimiter, int& count)
{
    if (!text.contains(delimiter)) {
        count = 1;
        return {};
    }
    QStringList pieces = text.split(delimiter, Qt::KeepEmptyParts);
    count = static_cast<int>(pieces.size());
    return pieces;
}

int ExtractBetween(const QString& text, int start, const QString& beginMarker, const QString& endMarker, QString& out)
{
    const qsizetype first = text.indexOf(beginMarker, start);
    const qsizetype end = first < 0 ? -1 : text.indexOf(endMarker, first);
    if (first < 0 || end < 0) {
        out.clear();
        return -1;
    }
    qsizetype contentStart = first + beginMarker.size();
    const qsizetype second = text.indexOf(beginMarker, contentStart);
    if (second >= 0 && second < end)
        contentStart = second + beginMarker.size();
    out = text.mid(contentStart, end - contentStart);
    return static_cast<int>(contentStart);
}

QString ConvertLfToCrLf(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.count(u'\n'));
    for (QChar c : text) {
        if (c == u'\n')
            result.append(u'\r');
        result.append(c);
    }
    return result;
}

QString IntToWString(qint32 value)
{
    return QString::number(value);
}
QString LongToWString(qint32 value)
{
    return QString::number(value);
}
QString ULongToWString(quint32 value)
{
    return QString::number(value);
}
QString Int64ToWString(qint64 value)
{
    return QString::number(value);
}
QString ShortToWString(qint16 value)
{
    return QString::number(value);
}
QString UShortToWString(quint16 value)
{
    return QString::number(value);
}
QString CharToWString(qint8 value)
{
    return QString::number(value);
}
QString UCharToWString(quint8 value)
{
    return QString::number(value);
}

QString FloatToString(float value)
{
    // QString::number is independent of the process locale, unlike printf.
    return QString::number(static_cast<double>(value), 'g', 6);
}

int HexTextToInt(const QByteArray& text)
{
    quint32 value = 0;
    for (char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return -1;
        value = value * 16 + static_cast<quint32>(digit);
    }
    return static_cast<int>(value);
}

void ParseULong(const QString& text, quint32& value, int base)
{
    value = ParseULongText(text, base);
}

QByteArray ToSingleByte(const QString& text)
{
    return text.toUtf8();
}

QString FromSingleByte(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

QString IPAddressFieldsToText(const IPAddressFields& fields)
{
    if (fields.blank)
        return {};
    const auto& o = fields.octets;
    return QStringLiteral("%1.%2.%3.%4").arg(o[0]).arg(o[1]).arg(o[2]).arg(o[3]);
}

IPAddressFields IPAddressFieldsFromText(const QString& text)
{
    IPAddressFields fields;
    int count = 0;
    const QStringList pieces = SplitToStringArray(text, u'.', count);
    if (pieces.isEmpty())
        return fields; // no dot: the control is cleared
    fields.blank = false;
    for (qsizetype i = 0; i < 4 && i < pieces.size(); ++i)
        fields.octets[static_cast<size_t>(i)] = static_cast<quint8>(ParseLeadingInt(pieces[i]) & 0xFF);
    return fields;
}
