#pragma once
// Rules of channel settings that the channel pages apply: the duty-cycle range of a pulse output,
// the rates the CAN bus clock can make, the record limit of a high-speed input, the burn-out value
// of an analog input, and the channel limits and range lists of DefaultSettings.ini.

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace ChannelRules {

// ---- DefaultSettings.ini ----
// [section] modelKey + key, or [section] key when that is empty; empty without the file.
QString ReadModelKeyed(const QString& section, const QString& key, const QString& modelKey);
// The comma-separated names of [section] key; empty without the file or the key.
QStringList ReadNames(const QString& section, const QString& key);

struct RealTriple {
    double defaultValue = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    friend bool operator==(const RealTriple&, const RealTriple&) = default;
};
// Three numbers (each piece a whole number text) with a positive, finite maximum, else the built-in.
RealTriple ParseRealTriple(const QString& text, const RealTriple& builtIn);

struct UnsignedTriple {
    quint32 defaultValue = 0;
    quint32 minimum = 0;
    quint32 maximum = 0;
    friend bool operator==(const UnsignedTriple&, const UnsignedTriple&) = default;
};
// Three unsigned numbers, else the built-in.
UnsignedTriple ParseUnsignedTriple(const QString& text, const UnsignedTriple& builtIn);

// One range of [AIRange] or [AORange]: name, minimum, maximum, code and (AO) unit, as text.
struct RangeEntry {
    QString Name;
    QString Minimum;
    QString Maximum;
    QString Code;
    QString Unit;
    friend bool operator==(const RangeEntry&, const RangeEntry&) = default;
};
// The ranges that [section] moduleName lists, in order; a range of fewer than minimumFields
// fields is left out (it cannot say its limits and code), further fields are ignored.
std::vector<RangeEntry> ReadRangeEntries(const QString& section, const QString& moduleName, int minimumFields);
inline constexpr int kAIRangeFields = 3;
inline constexpr int kAORangeFields = 4;
// The first entry of that name.
std::optional<RangeEntry> FindRangeEntry(const std::vector<RangeEntry>& entries, const QString& name);

// ---- digital output ----
struct DutyRange {
    double minimum = 0.0;
    double maximum = 0.0;
    friend bool operator==(const DutyRange&, const DutyRange&) = default;
};
inline constexpr double kSmallestDuty = 0.1;
inline constexpr double kLargestDuty = 99.9;
// The shortest pulse is half a period of the maximum frequency: at fmax the duty is fixed at 50 %.
DutyRange DutyCycleRange(double frequency, double maximumFrequency);
// The same share not cut to tenths (relay outputs): at 3 Hz of 1000 Hz 0.15 to 99.85.
DutyRange ExactDutyCycleRange(double frequency, double maximumFrequency);
// The value as the page shows it with that many decimals ("%.2f" read back).
double RoundedAsShown(double value, int decimals);

// ---- analog input ----
inline constexpr int kBurnOutRangeCode = 4;
inline constexpr double kBurnOutMinimum = 0.0;
inline constexpr double kBurnOutMaximum = 4.0;
// The burn-out text: one or two digits, optionally up to three decimals, within 0.0 .. 4.0 once
// cut to three decimals.
bool IsValidBurnOutText(const QString& text);

// ---- analog output ----
// The unit of the output ranges that offer every mode; their initial value starts at 0, that of
// the others at the range's minimum.
inline constexpr QStringView kVoltUnit = u"V";

// ---- high-speed analog input ----
inline constexpr quint32 kRecordBudget = 30000;
inline constexpr quint32 kResetRecordCount = 3;
// Pre + post records may not exceed this; 0 for a rate of 0.
quint32 RecordLimit(quint32 samplingRate);
// Default rate, minimum, maximum, default record count; a list shorter than four gives the built-in.
std::vector<quint32> SamplingNumbersOrBuiltIn(const std::vector<quint32>& numbers);

// ---- CAN bus ----
inline constexpr quint32 kCanClock = 80000000;
inline constexpr quint32 kCanLowestRate = 4112;
inline constexpr quint32 kCanHighestRate = 20000000;
// The producible rate nearest to the typed one: the clock divided by a divisor of at most 19456
// that is a multiple of a number from 4 to 19; 0 when none is.
quint32 NearestCanBaudRate(quint32 typed);
// An acceptance code or mask: hexadecimal digits, a "0x" prefix allowed; nullopt when other
// characters are left over.
std::optional<quint32> ParseHexField(const QString& text);

} // namespace ChannelRules
