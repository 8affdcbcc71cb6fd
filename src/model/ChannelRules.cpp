#include "ChannelRules.h"

#include "ConfigFiles.h"
#include "IniFile.h"
#include "TextConversion.h"

#include <QRegularExpression>

#include <cmath>

namespace ChannelRules {

namespace {

constexpr int kTripleFields = 3;
constexpr int kSamplingNumbers = 4;
const std::vector<quint32> kBuiltInSamplingNumbers{5000, 1, 5000, 60};
constexpr quint32 kCanLargestDivisor = 19456;
constexpr quint32 kCanSmallestFactor = 4;
constexpr quint32 kCanLargestFactor = 19;

QString readDefault(const QString& section, const QString& key)
{
    const QString path = GetDefaultSettingsPath();
    return path.isEmpty() ? QString() : GetPrivateProfileString(section, key, QString(), path);
}

QStringList splitAtCommas(const QString& text)
{
    QStringList pieces;
    SplitString(pieces, text);
    return pieces;
}

std::optional<double> wholeNumber(const QString& piece)
{
    bool ok = false;
    const double value = piece.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QString ReadModelKeyed(const QString& section, const QString& key, const QString& modelKey)
{
    const QString keyed = readDefault(section, modelKey + key);
    return keyed.isEmpty() ? readDefault(section, key) : keyed;
}

QStringList ReadNames(const QString& section, const QString& key)
{
    const QString value = readDefault(section, key);
    return value.isEmpty() ? QStringList() : splitAtCommas(value);
}

RealTriple ParseRealTriple(const QString& text, const RealTriple& builtIn)
{
    const QStringList pieces = splitAtCommas(text);
    if (pieces.size() != kTripleFields)
        return builtIn;
    std::vector<double> values;
    for (const QString& piece : pieces) {
        const std::optional<double> value = wholeNumber(piece);
        if (!value)
            return builtIn;
        values.push_back(*value);
    }
    if (values[2] <= 0.0) // the maximum divides the duty range
        return builtIn;
    return {values[0], values[1], values[2]};
}

UnsignedTriple ParseUnsignedTriple(const QString& text, const UnsignedTriple& builtIn)
{
    const QStringList pieces = splitAtCommas(text);
    if (pieces.size() != kTripleFields)
        return builtIn;
    std::vector<quint32> values;
    for (const QString& piece : pieces) {
        bool ok = false;
        const uint value = piece.trimmed().toUInt(&ok);
        if (!ok)
            return builtIn;
        values.push_back(value);
    }
    return {values[0], values[1], values[2]};
}

std::vector<RangeEntry> ReadRangeEntries(const QString& section, const QString& moduleName, int minimumFields)
{
    std::vector<RangeEntry> entries;
    for (const QString& name : ReadNames(section, moduleName)) {
        const QStringList fields = splitAtCommas(readDefault(section, name));
        if (fields.size() < minimumFields)
            continue;
        entries.push_back({name, fields[0], fields[1], fields[2], fields.value(3)});
    }
    return entries;
}

std::optional<RangeEntry> FindRangeEntry(const std::vector<RangeEntry>& entries, const QString& name)
{
    for (const RangeEntry& entry : entries) {
        if (entry.Name == name)
            return entry;
    }
    return std::nullopt;
}

DutyRange DutyCycleRange(double frequency, double maximumFrequency)
{
    if (frequency <= 0.0 || maximumFrequency <= 0.0)
        return {kSmallestDuty, kLargestDuty};
    const double shortestShare = (1000.0 / (2.0 * maximumFrequency)) / (1000.0 / frequency);
    double minimum = std::trunc(shortestShare * 1000.0) / 10.0;
    if (minimum < kSmallestDuty)
        minimum = kSmallestDuty;
    double maximum = 100.0 - minimum;
    if (maximum > kLargestDuty)
        maximum = kLargestDuty;
    return {minimum, maximum};
}

DutyRange ExactDutyCycleRange(double frequency, double maximumFrequency)
{
    if (frequency <= 0.0 || maximumFrequency <= 0.0)
        return {kSmallestDuty, kLargestDuty};
    const double minimum = std::max(100.0 * frequency / (2.0 * maximumFrequency), kSmallestDuty);
    return {minimum, std::min(100.0 - minimum, kLargestDuty)};
}

double RoundedAsShown(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}

bool IsValidBurnOutText(const QString& text)
{
    // The decimal point is a dot, not any character ("1a" is no value).
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}(\\.?)|\\d{1,2}\\.\\d{1,3})$"));
    if (!pattern.match(text).hasMatch())
        return false;
    const double value = std::trunc(ParseLeadingDouble(text) * 1000.0) / 1000.0;
    return value >= kBurnOutMinimum && value <= kBurnOutMaximum;
}

quint32 RecordLimit(quint32 samplingRate)
{
    return samplingRate == 0 ? 0 : kRecordBudget / samplingRate;
}

std::vector<quint32> SamplingNumbersOrBuiltIn(const std::vector<quint32>& numbers)
{
    return numbers.size() < kSamplingNumbers ? kBuiltInSamplingNumbers : numbers;
}

quint32 NearestCanBaudRate(quint32 typed)
{
    if (typed <= kCanLowestRate)
        return kCanLowestRate;
    if (typed >= kCanHighestRate)
        return kCanHighestRate;
    quint32 divisor = kCanClock / typed;
    if (kCanClock / divisor > typed)
        ++divisor;
    for (; divisor <= kCanLargestDivisor; ++divisor) {
        for (quint32 factor = kCanLargestFactor; factor >= kCanSmallestFactor; --factor) {
            if (divisor % factor == 0)
                return kCanClock / divisor;
        }
    }
    return 0;
}

std::optional<quint32> ParseHexField(const QString& text)
{
    // The decimal point is a dot, not any character ("1a" is no value).
    static const QRegularExpression pattern(QStringLiteral("^\\s*(?:0[xX])?([0-9A-Fa-f]{0,8})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString digits = match.captured(1);
    return digits.isEmpty() ? 0u : digits.toUInt(nullptr, 16);
}

} // namespace ChannelRules
