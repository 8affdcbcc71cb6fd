#pragma once
// Cutting, joining and converting texts and numbers, always locale-independent.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <QtGlobal>

#include <array>
#include <cstdint>

// Lenient C-runtime conversions: leading blanks, optional sign, digits up to the first other
// character, 0 when there are none. Out-of-range values saturate at the type's limits.
int ParseLeadingInt(QStringView text);              // _wtoi
qint64 ParseLeadingInt64(QStringView text);         // _wtoi64
quint32 ParseULongText(QStringView text, int base); // wcstoul (base 0 detects 0x / 0 prefixes)
double ParseLeadingDouble(QStringView text);        // wcstod in the C locale

void SplitString(QStringList& out, const QString& text);
void SplitStringToInts(QVector<int>& out, const QString& text);
// Pieces at each delimiter; count is 1 and the list empty when the delimiter does not occur.
QStringList SplitToStringArray(const QString& text, QChar delimiter, int& count);
int ExtractBetween(const QString& text, int start, const QString& beginMarker, const QString& endMarker, QString& out);
QString ConvertLfToCrLf(const QString& text);

QString IntToWString(qint32 value);
QString LongToWString(qint32 value);
QString ULongToWString(quint32 value);
QString Int64ToWString(qint64 value);
QString ShortToWString(qint16 value);
QString UShortToWString(quint16 value);
QString CharToWString(qint8 value);
QString UCharToWString(quint8 value);

// Six significant digits in %g form: the text every 32-bit real of the project file takes.
QString FloatToString(float value);

int HexTextToInt(const QByteArray& text);
void ParseULong(const QString& text, quint32& value, int base);

// Single-byte forms of a text are its UTF-8 bytes.
QByteArray ToSingleByte(const QString& text);
QString FromSingleByte(const QByteArray& bytes);

// Four octets of an IP address control; a blank field counts as 0.
struct IPAddressFields {
    std::array<quint8, 4> octets{};
    bool blank = true; // every field blank: the control shows nothing
};
QString IPAddressFieldsToText(const IPAddressFields& fields);
IPAddressFields IPAddressFieldsFromText(const QString& text);
