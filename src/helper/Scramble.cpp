#include "Scramble.h"

#include "TraceLog.h"

#include <QByteArray>
#include <QStringDecoder>

namespace {

constexpr char kScrambleKey = 0x5C;
constexpr int kDigitsPerByte = 2;

void scrambleBytes(QByteArray& bytes)
{
    for (char& byte : bytes)
        byte = static_cast<char>(byte ^ kScrambleKey);
}

// -1 for anything but 0-9, a-f, A-F.
int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The byte of up to two digits; -1 when a digit is not hex.
int hexByteValue(QStringView digits)
{
    int value = 0;
    for (QChar c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

QString decodeSingleByteText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

QString ScrambleToHex(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    scrambleBytes(bytes);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString UnscrambleFromHex(const QString& hex, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(hex.size() / kDigitsPerByte + 1);
    bool wellFormed = true;
    for (qsizetype at = 0; at < hex.size(); at += kDigitsPerByte) {
        const int value = hexByteValue(QStringView(hex).mid(at, kDigitsPerByte));
        if (value < 0) {
            wellFormed = false;
            TraceLog("%s:%d scrambled text is not hexadecimal at digit %lld", __FILE__, __LINE__,
                     static_cast<long long>(at));
            break;
        }
        bytes.append(static_cast<char>(value));
    }
    scrambleBytes(bytes);
    if (ok)
        *ok = wellFormed;
    return decodeSingleByteText(bytes);
}
