#include "ModuleDefaultsApplier.h"

#include "CDataCenter.h"
#include "ChannelRules.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "TextConversion.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

const QString kHARTRangeDefaultSection = QStringLiteral("HARTRangeDefault");
const QString kHARTRangeSection = QStringLiteral("HARTAIRange");
const QString kAIRangeDefaultSection = QStringLiteral("AIRangeDefault");
const QString kAIRangeSection = QStringLiteral("AIRange");
const QString kAORangeSection = QStringLiteral("AORange");
const QString kTCSensorSection = QStringLiteral("TCSensorType");
const QString kRTDSensorSection = QStringLiteral("RTDSensorType");
const QString kHighSpeedSection = QStringLiteral("HSAI");
const QString kSampleRateKey = QStringLiteral("SampleRateValue");
const QString kDISection = QStringLiteral("DI");
const QString kFilterUnitKey = QStringLiteral("FilterUnit");
const QString kFilterRangeKey = QStringLiteral("FilterRange");
const QString kCellularSection = QStringLiteral("Cellular");
const QString kGsmTimeoutKey = QStringLiteral("GSMTimeout");
const QString kHspaRetryKey = QStringLiteral("HSPARetry");
const QString kPingCheckRetryIntervalKey = QStringLiteral("PINGCheckRetryInterval");
const QString kApnKey = QStringLiteral("APN");

constexpr int kRangeNumbers = 3;
constexpr int kSampleRateNumbers = 4;
constexpr int kFilterRangeNumbers = 3;
constexpr int kCellularTriplePieces = 3;
const std::vector<quint32> kBuiltInSampleRates{5000, 1, 5000, 60};
const std::vector<quint32> kBuiltInFilterRange{1, 1, static_cast<quint32>(-1)};

QString readDefault(const QString& section, const QString& key)
{
    return GetPrivateProfileString(section, key, QString(), GetDefaultSettingsPath());
}

QStringList splitAtCommas(const QString& text)
{
    QStringList pieces;
    SplitString(pieces, text);
    return pieces;
}

// Exactly `count` pieces, each read as wcstoul reads it; otherwise the built-in list.
std::vector<quint32> unsignedListOr(const QString& text, int count, const std::vector<quint32>& builtIn)
{
    const QStringList pieces = splitAtCommas(text);
    if (pieces.size() != count)
        return builtIn;
    std::vector<quint32> values;
    for (const QString& piece : pieces)
        values.push_back(ParseULongText(piece, 10));
    return values;
}

// Gives channels 0 .. count-1 their block with the range filled in, through the model's setter.
// At most the record's own channels are written.
template <typename Channel, typename Fill, typename Store>
void applyToChannels(const std::vector<Channel>& channels, int channelCount, Fill fill, Store store)
{
    const int writable = std::clamp(channelCount, 0, static_cast<int>(channels.size()));
    for (int i = 0; i < writable; ++i) {
        auto block = channels[static_cast<size_t>(i)].Setting;
        fill(block);
        store(i, block);
    }
}

auto inputRangeOf(const ModuleDefaultsApplier::Range& range)
{
    return [range](AISettingBlock& block) {
        block.InputRangeMin = range.Minimum;
        block.InputRangeMax = range.Maximum;
        block.InputRange = range.Code;
    };
}

auto sensorRangeOf(const ModuleDefaultsApplier::Range& range)
{
    return [range](TemperatureSettingBlock& block) {
        block.InputRangeMin = range.Minimum;
        block.InputRangeMax = range.Maximum;
        block.SensorType = range.Code;
    };
}

} // namespace

ModuleDefaultsApplier::ModuleDefaultsApplier(CDataCenter& model, int slot, QString moduleName)
    : model_(model), slot_(slot), moduleName_(std::move(moduleName))
{}

bool ModuleDefaultsApplier::ReadRange(const QString& nameSection, NameForm nameForm, const QString& rangeSection,
                                      Range& range) const
{
    const QString nameValue = readDefault(nameSection, moduleName_);
    if (nameValue.isEmpty())
        return false;
    const QString rangeName = nameForm == NameForm::WholeValue ? nameValue : splitAtCommas(nameValue).first();
    const QStringList numbers = splitAtCommas(readDefault(rangeSection, rangeName));
    // An output range carries its unit text after the three numbers, a sensor type its kind.
    const bool fourthAllowed =
        rangeSection == kAORangeSection || rangeSection == kTCSensorSection || rangeSection == kRTDSensorSection;
    const bool unitAllowed = fourthAllowed && numbers.size() == kRangeNumbers + 1;
    if (numbers.size() != kRangeNumbers && !unitAllowed)
        return false; // missing, or not the three numbers a range needs
    range = {ParseLeadingInt(numbers[0]), ParseLeadingInt(numbers[1]), ParseLeadingInt(numbers[2]),
             unitAllowed ? numbers[kRangeNumbers].trimmed() : QString()};
    return true;
}

void ModuleDefaultsApplier::ApplyHARTAIRangeDefaults(int channelCount)
{
    Range range;
    HARTAISetting record;
    if (!ReadRange(kHARTRangeDefaultSection, NameForm::WholeValue, kHARTRangeSection, range) ||
        !model_.GetHARTAISetting(slot_, record))
        return;
    applyToChannels(record.Channels, channelCount, inputRangeOf(range),
                    [&](int i, const HARTAISettingBlock& block) { model_.SetHARTChannelSetting(slot_, i, block); });
}

void ModuleDefaultsApplier::ApplyAIRangeDefaults(int channelCount)
{
    Range range;
    AISetting record;
    if (!ReadRange(kAIRangeDefaultSection, NameForm::WholeValue, kAIRangeSection, range) ||
        !model_.GetAISetting(slot_, record))
        return;
    applyToChannels(record.Channels, channelCount, inputRangeOf(range),
                    [&](int i, const AISettingBlock& block) { model_.SetAIChannelSetting(slot_, i, block); });
}

void ModuleDefaultsApplier::ApplyHighSpeedAIDefaults(int channelCount)
{
    Range range;
    HighSpeedAISetting record;
    if (!ReadRange(kAIRangeDefaultSection, NameForm::WholeValue, kAIRangeSection, range) ||
        !model_.GetHighSpeedAISetting(slot_, record))
        return;

    QString rates = readDefault(kHighSpeedSection, model_.GetSlotApid(slot_) + kSampleRateKey);
    if (rates.isEmpty())
        rates = readDefault(kHighSpeedSection, kSampleRateKey);
    const std::vector<quint32> samplingNumbers = unsignedListOr(rates, kSampleRateNumbers, kBuiltInSampleRates);
    const quint32 samplingRate = samplingNumbers.front();
    model_.SetHighSpeedAIChannelData(slot_, samplingNumbers);

    applyToChannels(record.Channels, channelCount, inputRangeOf(range),
                    [&](int i, const HighSpeedAISettingBlock& block) {
                        model_.SetHighSpeedAIChannelSetting(slot_, i, samplingRate, block);
                    });
}

void ModuleDefaultsApplier::ApplyAORangeDefaults(int channelCount)
{
    Range range;
    AOSetting record;
    if (!ReadRange(kAORangeSection, NameForm::FirstItem, kAORangeSection, range) || !model_.GetAOSetting(slot_, record))
        return;
    const auto outputRange = [range](AOSettingBlock& block) {
        block.RangeMin = range.Minimum;
        block.RangeMax = range.Maximum;
        block.OutputRange = range.Code;
        // As the page resets it for the range, so the placed value lies within the range.
        block.InitialValue = range.Unit == ChannelRules::kVoltUnit ? 0.0f : float(range.Minimum);
    };
    applyToChannels(record.Channels, channelCount, outputRange,
                    [&](int i, const AOSettingBlock& block) { model_.SetAOChannelSetting(slot_, i, block); });
}

void ModuleDefaultsApplier::ApplyTCSensorDefaults(int channelCount)
{
    Range range;
    TemperatureSetting record;
    if (!ReadRange(kTCSensorSection, NameForm::FirstItem, kTCSensorSection, range) ||
        !model_.GetTCSetting(slot_, record))
        return;
    applyToChannels(record.Channels, channelCount, sensorRangeOf(range),
                    [&](int i, const TemperatureSettingBlock& block) { model_.SetTCChannelSetting(slot_, i, block); });
}

void ModuleDefaultsApplier::ApplyRTDSensorDefaults(int channelCount)
{
    Range range;
    TemperatureSetting record;
    if (!ReadRange(kRTDSensorSection, NameForm::FirstItem, kRTDSensorSection, range) ||
        !model_.GetRTDSetting(slot_, record))
        return;
    applyToChannels(record.Channels, channelCount, sensorRangeOf(range),
                    [&](int i, const TemperatureSettingBlock& block) { model_.SetRTDChannelSetting(slot_, i, block); });
}

QString ModuleDefaultsApplier::ReadFilterValue(const QString& key) const
{
    const QString value = readDefault(kDISection, model_.GetSlotApid(slot_) + key);
    return value.isEmpty() ? readDefault(kDISection, key) : value;
}

void ModuleDefaultsApplier::ApplyDIFilterDefaults()
{
    model_.SetDIModuleText(slot_, ReadFilterValue(kFilterUnitKey));
    model_.SetDIChannelData(slot_,
                            unsignedListOr(ReadFilterValue(kFilterRangeKey), kFilterRangeNumbers, kBuiltInFilterRange));
}

void ModuleDefaultsApplier::ApplyDIOFilterDefaults()
{
    model_.SetDIOModuleText(slot_, ReadFilterValue(kFilterUnitKey));
    model_.SetDIOChannelData(
        slot_, unsignedListOr(ReadFilterValue(kFilterRangeKey), kFilterRangeNumbers, kBuiltInFilterRange));
}

CellularDefaults ModuleDefaultsApplier::GetCellularDefaults()
{
    CellularDefaults defaults;
    if (GetDefaultSettingsPath().isEmpty())
        return defaults;
    const auto readDefaultOf = [](const QString& key, int builtIn) {
        const QStringList pieces = splitAtCommas(readDefault(kCellularSection, key));
        return pieces.size() == kCellularTriplePieces ? ParseLeadingInt(pieces[0]) : builtIn;
    };
    defaults.GsmTimeout = readDefaultOf(kGsmTimeoutKey, defaults.GsmTimeout);
    defaults.HspaRetry = readDefaultOf(kHspaRetryKey, defaults.HspaRetry);
    defaults.PingCheckRetryInterval = readDefaultOf(kPingCheckRetryIntervalKey, defaults.PingCheckRetryInterval);
    defaults.Apn = readDefault(kCellularSection, kApnKey).trimmed();
    return defaults;
}
