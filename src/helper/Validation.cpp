#include "Validation.h"

#include "LanguagePack.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TraceLog.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <initializer_list>
#include <memory>

namespace {

constexpr quint32 kMatchPairs = 10; // room for the whole match and nine groups
constexpr qint64 kLargestUnsigned32 = 0xFFFFFFFF;
constexpr qsizetype kErrorTextUnits = 256;
// The end of every message line; pages join the lines of all failed fields into one box.
constexpr QStringView kMessageLineEnd = u"\r\n";

// A dot that must be a decimal point, not any character.
constexpr QStringView kDecimalPattern = u"^((-?)((\\d+)(\\.?)|(\\d+)\\.\\d{1,%d}))$";
constexpr QStringView kIntegerPattern = u"^-?\\d+$";
// A domain ending of 2 to 63 letters, as mail systems take ("plant.example" included).
constexpr QStringView kEmailPattern = u"[-0-9a-zA-Z.+_]+@[-0-9a-zA-Z.+_]+\\.[a-zA-Z]{2,63}";
constexpr QChar kEmailListSeparator = u';';
constexpr QStringView kPhonePattern = u"^\\+?[0-9]{2,20}$";
constexpr QStringView kFurtherCharactersQuantifier = u"{0,%d}$";
constexpr QStringView kInvalidFieldFormat = u"Invalid \"%s\".\n";
constexpr QStringView kMaximumLengthFormat = u"\"%s\" only support maximum %d characters";

constexpr QStringView kTagNameCharacters = u"_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
const struct {
    QStringView words;
    QStringView abbreviation;
} kTagNameAbbreviations[] = {
    {u"Internal Register", u"IR_"},
    {u"System Register", u"SR"},
    {u"Read Only", u"R_"},
    {u"Read/Write", u"RW_"},
};

struct CodeDeleter {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
using CompiledPattern = std::unique_ptr<pcre2_code, CodeDeleter>;
using MatchData = std::unique_ptr<pcre2_match_data, MatchDataDeleter>;

PCRE2_SPTR codeUnits(const QByteArray& bytes)
{
    return reinterpret_cast<PCRE2_SPTR>(bytes.constData());
}

CompiledPattern compilePattern(const QByteArray& pattern)
{
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    CompiledPattern code(pcre2_compile(codeUnits(pattern), static_cast<PCRE2_SIZE>(pattern.size()), 0, &errorCode,
                                       &errorOffset, nullptr));
    if (!code) {
        // The answer stays false, but a broken pattern should not go unnoticed.
        PCRE2_UCHAR errorText[kErrorTextUnits] = {};
        pcre2_get_error_message(errorCode, errorText, kErrorTextUnits);
        TraceLog("%s:%d RegexMatch cannot compile \"%s\" at %d: %s", __FILE__, __LINE__, pattern.constData(),
                 static_cast<int>(errorOffset), reinterpret_cast<const char*>(errorText));
    }
    return code;
}

bool isInEditRange(const QString& text, quint32 minimum, quint32 maximum)
{
    const qint64 value = ParseLeadingInt64(text);
    if (value < 0 || value > kLargestUnsigned32)
        return false;
    const auto unsignedValue = static_cast<quint32>(value);
    return minimum <= unsignedValue && unsignedValue <= maximum;
}

QString withLineEnd(QString text)
{
    text += kMessageLineEnd;
    return text;
}

QString messageLine(unsigned stringId, std::initializer_list<FormatArg> args)
{
    return withLineEnd(FormatText(LoadLangString(stringId), args));
}

// The line of a field named by its label; a field without a label gives no line.
QString labelledLine(const QString& label, unsigned stringId, std::initializer_list<FormatArg> args)
{
    return label.isEmpty() ? QString() : messageLine(stringId, args);
}

bool isTagNameCharacter(QChar c)
{
    return kTagNameCharacters.contains(c);
}

} // namespace

int CheckEditRange(const QString& text, quint32 minimum, quint32 maximum, QString& message, const QString& label)
{
    if (isInEditRange(text, minimum, maximum))
        return kS_OK;
    message = FormatLangString(kStringEditRangeError, label, minimum, maximum);
    return kE_FAIL;
}

bool RegexMatch(const QString& subject, const QString& pattern)
{
    const CompiledPattern code = compilePattern(ToSingleByte(pattern));
    if (!code)
        return false;
    const MatchData matchData(pcre2_match_data_create(kMatchPairs, nullptr));
    if (!matchData)
        return false;
    const QByteArray subjectBytes = ToSingleByte(subject);
    return pcre2_match(code.get(), codeUnits(subjectBytes), static_cast<PCRE2_SIZE>(subjectBytes.size()), 0, 0,
                       matchData.get(), nullptr) >= 0;
}

bool IsValidDecimal(const QString& text, int maxDecimals)
{
    // "\d{1,0}" would not compile and refuse everything; no decimals means an integer.
    if (maxDecimals <= 0)
        return RegexMatch(text, kIntegerPattern.toString());
    return RegexMatch(text, FormatText(kDecimalPattern, {maxDecimals}));
}

bool IsValidEmail(const QString& text)
{
    if (text.contains(kEmailListSeparator))
        return false;
    return RegexMatch(text, kEmailPattern.toString());
}

bool IsValidEmailAddress(const QString& text)
{
    if (text.contains(kEmailListSeparator))
        return false;
    return RegexMatch(text, QStringLiteral("\\A%1\\z").arg(kEmailPattern));
}

bool IsValidPhoneNumber(const QString& text)
{
    return RegexMatch(text, kPhonePattern.toString());
}

bool FitsByteLength(const QString& text, int maxBytes)
{
    return ToSingleByte(text).size() <= maxBytes;
}

bool ValidateInputData(const QString& label, const QString& text, quint16 maxLength, const QString& pattern,
                       QString& message)
{
    TraceLog("%s:%d ValidateInputData Enter", __FILE__, __LINE__);
    if (text.isEmpty()) {
        message = withLineEnd(FormatText(kInvalidFieldFormat, {label}));
        return false;
    }
    if (text.size() > maxLength) {
        message = withLineEnd(FormatText(kInvalidFieldFormat, {label}) +
                              FormatText(kMaximumLengthFormat, {label, maxLength}));
        return false;
    }
    // maxLength is at least 1 here: an empty text was refused above.
    if (RegexMatch(text, pattern + FormatText(kFurtherCharactersQuantifier, {maxLength - 1})))
        return true;
    message = messageLine(kStringPatternError, {label, label});
    return false;
}

QString FormatRangeErrorLine(const QString& label, quint32 minimum, quint32 maximum)
{
    return labelledLine(label, kStringRangeError, {label, minimum, maximum});
}

QString FormatLimitErrorLine(const QString& label, quint32 limit)
{
    return labelledLine(label, kStringLimitError, {label, limit});
}

QString FormatInvalidNameLine(const QString& name)
{
    return messageLine(kStringInvalidItem, {name});
}

QString FormatInvalidItemLine(const QString& label)
{
    return labelledLine(label, kStringInvalidItem, {label});
}

QString FormatItemErrorLine(const QString& label)
{
    return labelledLine(label, kStringItemError, {label});
}

QString FormatPatternErrorLine(const QString& label, const QString& value)
{
    return labelledLine(label, kStringPatternError, {value, label});
}

QString FormatMessageLine(unsigned stringId, const QString& label, const QString& value)
{
    return labelledLine(label, stringId, {value, label});
}

QString MakeValidTagName(const QString& text)
{
    QString name = text;
    for (const auto& abbreviation : kTagNameAbbreviations)
        name.replace(abbreviation.words.toString(), abbreviation.abbreviation.toString(), Qt::CaseSensitive);
    // Blanks, punctuation and every non-ASCII character go.
    QString result;
    result.reserve(name.size());
    for (QChar c : name) {
        if (isTagNameCharacter(c))
            result.append(c);
    }
    return result;
}
