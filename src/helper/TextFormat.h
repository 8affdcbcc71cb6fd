#pragma once
// printf-style formatting of the language pack's texts: type-safe, no C varargs, and independent
// of the process locale (a German desktop still writes "1.5").

#include "LanguagePack.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <concepts>
#include <initializer_list>
#include <variant>

// One argument of FormatText: an integer, a real or a text. Every conversion takes what it needs
// from any kind: a text is read by its leading number, a number is written as its decimal text.
class FormatArg {
public:
    // A missing argument: the empty text, 0.
    FormatArg() = default;
    template <std::signed_integral T>
    FormatArg(T value) : value_(static_cast<qint64>(value))
    {}
    template <std::unsigned_integral T>
    FormatArg(T value) : value_(static_cast<quint64>(value))
    {}
    template <std::floating_point T>
    FormatArg(T value) : value_(static_cast<double>(value))
    {}
    FormatArg(const QString& text) : value_(text) {}
    FormatArg(QStringView text) : value_(text.toString()) {}
    FormatArg(const char* utf8) : value_(QString::fromUtf8(utf8)) {}
    FormatArg(QChar character) : value_(QString(character)) {}

    struct Integer {
        bool negative = false;
        quint64 magnitude = 0;
    };
    // A real is cut toward zero (NaN gives 0, huge values saturate); a text gives its leading integer.
    Integer ToInteger() const;
    // A text gives its leading number in the C locale.
    double ToDouble() const;
    // An integer gives its decimal text, a real its shortest exact text.
    QString ToText() const;
    // One character: a text's first, an integer's code point (0 gives nothing, an invalid one U+FFFD).
    QString ToCharacter() const;

private:
    std::variant<std::monostate, qint64, quint64, double, QString> value_;
};

// Formats like printf in the C locale. Conversions: d i u o x X c s f F e E g G and %%; flags
// - + blank # 0; a width and a precision, either of which may be * (taken from the arguments).
// Length modifiers (h hh l ll I32 I64 j z t L q w) are accepted; they only set how many bits a
// negative number shows in an unsigned conversion: 32 by default, as the 32-bit int and long the
// texts were written for. A missing argument formats as the empty text or 0, surplus arguments
// are ignored, and a directive that is not understood is copied as it stands.
QString FormatText(QStringView format, std::initializer_list<FormatArg> args);

// The language pack's string id formatted with the arguments; a missing id gives the empty text.
template <class... A>
QString FormatLangString(unsigned id, const A&... args)
{
    return FormatText(LoadLangString(id), {FormatArg(args)...});
}
