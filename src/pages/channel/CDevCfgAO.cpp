#include "CDevCfgAO.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "RangeCombo.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QComboBox>

#include <cmath>

using namespace AOPage;

namespace {

const QString kSection = QStringLiteral("AO");
const QString kRangeSection = QStringLiteral("AORange");
const QString kModeKey = QStringLiteral("Mode");
const QString kWaveformKey = QStringLiteral("WaveformType");
const QString kFrequencyKey = QStringLiteral("Frequency");
const QString kUnitRangeFormat = QStringLiteral("%s(%.3f-%.3f)");
const QString kOffsetRangeFormat = QStringLiteral("Value(%.3f-%.3f)");
const QString kFrequencyRangeFormat = QStringLiteral("Hz(%.3f-%.3f)");
constexpr unsigned kColumnStrings[] = {746, 738, 747, 481, 796, 797, 798, 799};
constexpr int kColumnExtras[] = {0, 10, 10, 10, 10, 10, 10, 10};
constexpr int kFirstColumnWidth = 60;
constexpr unsigned kStringEnabled = 805;
constexpr unsigned kStringDisabled = 806;
constexpr unsigned kStringFixedValue = 800;
constexpr unsigned kStringWaveform = 801;
constexpr unsigned kWaveformStrings[] = {802, 804, 803};
constexpr int kDecimals = 3;
constexpr int kValueMode = 0;
constexpr int kWaveformModesKey = 1;
constexpr int kNoOutputRange = -1;

QString shown(double value)
{
    return QString::number(value, 'f', kDecimals);
}

} // namespace

CDevCfgAO::CDevCfgAO(IPageHost* host)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboMode,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       ChannelType::AnalogOutput)
{
    SetFirstColumnWidth(kFirstColumnWidth);
    Modes()
        .Mode(kValueMode, 0, {kLabelValue, kEditValue, kLabelValueRange})
        .OtherModes(kWaveformModesKey,
                    {kComboWaveform, kLabelFrequency, kEditFrequency, kLabelFrequencyRange, kLabelAmplitude,
                     kEditAmplitude, kLabelAmplitudeRange, kLabelOffset, kEditOffset, kLabelOffsetRange});
}

bool CDevCfgAO::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    frequency_ = ChannelRules::ParseRealTriple(ChannelRules::ReadModelKeyed(kSection, kFrequencyKey, QString()),
                                               kBuiltInFrequency);
    OnUserChange(kComboRange, [this] { onRangeChanged(); });
    return true;
}

QList<ChannelColumn> CDevCfgAO::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings, kColumnExtras);
}

bool CDevCfgAO::CopyRecord(const CDataCenter& model)
{
    return model.GetAOSetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgAO::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

int CDevCfgAO::StoredMode(int channel) const
{
    return record_.Channels.at(size_t(channel)).Setting.Mode;
}

QStringList CDevCfgAO::ChannelRowTexts(int channel) const
{
    const AOSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    const QString range = RangeCombo::NameOf(ranges_, setting.OutputRange);
    const QString enable = LoadLangString(setting.Enable ? kStringEnabled : kStringDisabled);
    if (setting.Mode == kValueMode)
        return {range, LoadLangString(kStringFixedValue), shown(setting.InitialValue), enable, {}, {}, {}, {}};
    const QString waveform = setting.WaveformType >= 0 && setting.WaveformType < int(std::size(kWaveformStrings))
                                 ? LoadLangString(kWaveformStrings[setting.WaveformType])
                                 : QString();
    return {range,
            LoadLangString(kStringWaveform),
            {},
            enable,
            waveform,
            shown(setting.Frequency),
            shown(setting.Amplitude),
            shown(setting.Offset)};
}

void CDevCfgAO::OnModelKeyChanged()
{
    frequency_ = ChannelRules::ParseRealTriple(ChannelRules::ReadModelKeyed(kSection, kFrequencyKey, ModelKey()),
                                               kBuiltInFrequency);
}

void CDevCfgAO::FillPageControls()
{
    ranges_ = ChannelRules::ReadRangeEntries(kRangeSection, GetNodeInfo().templateName, ChannelRules::kAORangeFields);
    RangeCombo::Fill(*item<QComboBox>(kComboRange), ranges_);
    modeNames_ = ChannelRules::ReadNames(kSection, kModeKey);
    waveformNames_ = ChannelRules::ReadNames(kSection, kWaveformKey);
    auto* waveform = item<QComboBox>(kComboWaveform);
    waveform->clear();
    waveform->addItems(waveformNames_);
    useShownRange();
}

std::optional<ChannelRules::RangeEntry> CDevCfgAO::shownRange() const
{
    return ChannelRules::FindRangeEntry(ranges_, item<QComboBox>(kComboRange)->currentText());
}

void CDevCfgAO::useShownRange()
{
    const std::optional<ChannelRules::RangeEntry> range = shownRange();
    const QString unit = range ? range->Unit : QString();
    if (range) {
        const double minimum = ParseLeadingDouble(range->Minimum);
        const double maximum = ParseLeadingDouble(range->Maximum);
        const double span = std::fabs(maximum - minimum);
        value_ = {minimum + span / 2.0, minimum, maximum};
        amplitude_ = {0.0, 0.0, span};
    }
    setItemText(kLabelValueRange, FormatText(kUnitRangeFormat, {unit, value_.minimum, value_.maximum}));
    setItemText(kLabelAmplitudeRange, FormatText(kUnitRangeFormat, {unit, 0.0, amplitude_.maximum}));
    setItemText(kLabelOffsetRange, FormatText(kOffsetRangeFormat, {value_.minimum, value_.maximum}));
    setItemText(kLabelFrequencyRange, FormatText(kFrequencyRangeFormat, {frequency_.minimum, frequency_.maximum}));
    auto* mode = item<QComboBox>(kComboMode);
    const int chosen = mode->currentIndex();
    mode->clear();
    mode->addItems(unit == ChannelRules::kVoltUnit ? modeNames_ : modeNames_.mid(0, 1));
    mode->setCurrentIndex(chosen >= 0 && chosen < mode->count() ? chosen : 0);
}

void CDevCfgAO::resetInitialValue()
{
    const std::optional<ChannelRules::RangeEntry> range = shownRange();
    setItemText(kEditValue, !range || range->Unit == ChannelRules::kVoltUnit ? QStringLiteral("0") : range->Minimum);
}

void CDevCfgAO::resetWaveformValues()
{
    setItemText(kEditFrequency, shown(frequency_.defaultValue));
    setItemText(kEditOffset, shown(value_.defaultValue));
    setItemText(kEditAmplitude, shown(amplitude_.defaultValue));
}

void CDevCfgAO::ShowChannelEditors(int channel)
{
    const AOSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    RangeCombo::ShowCode(*item<QComboBox>(kComboRange), setting.OutputRange);
    useShownRange();
    for (int id : {int(kComboRange), int(kComboMode), int(kCheckEnable)})
        enableItem(id, true);
    checkItem(kCheckEnable, setting.Enable != 0);
    item<QComboBox>(kComboMode)->setCurrentIndex(setting.Mode);
    item<QComboBox>(kComboWaveform)->setCurrentIndex(setting.WaveformType);
    setItemText(kEditFrequency, shown(setting.Frequency));
    setItemText(kEditAmplitude, shown(setting.Amplitude));
    setItemText(kEditOffset, shown(setting.Offset));
    setItemText(kEditValue, shown(setting.InitialValue));
}

void CDevCfgAO::ResetEditors()
{
    resetInitialValue();
    for (int id : Modes().Editors())
        enableItem(id, false);
    for (int id : {int(kComboRange), int(kComboMode), int(kCheckEnable)})
        enableItem(id, false);
    checkItem(kCheckEnable, false);
    for (int id : {int(kComboRange), int(kComboMode), int(kComboWaveform)})
        item<QComboBox>(id)->setCurrentIndex(item<QComboBox>(id)->count() > 0 ? 0 : -1);
    setItemText(kEditValue, QStringLiteral("0"));
    setItemText(kEditFrequency, shown(frequency_.defaultValue));
    setItemText(kEditAmplitude, shown(0.0));
    setItemText(kEditOffset, shown(value_.defaultValue));
}

void CDevCfgAO::OnModeChanged()
{
    BusyGuard busy(Busy());
    ApplyModeEditors();
    if (ShownMode() == kValueMode)
        resetInitialValue();
    resetWaveformValues();
    ColourTagList();
}

void CDevCfgAO::onRangeChanged()
{
    BusyGuard busy(Busy());
    useShownRange();
    item<QComboBox>(kComboMode)->setCurrentIndex(0);
    OnModeChanged();
    resetInitialValue();
    setItemText(kEditAmplitude, shown(amplitude_.defaultValue));
    setItemText(kEditOffset, shown(value_.defaultValue));
}

bool CDevCfgAO::CheckEditors()
{
    if (!shownRange())
        return false;
    struct Limit {
        int edit;
        int label;
        double minimum;
        double maximum;
    };
    const Limit limits[] = {
        {kEditValue, kLabelValue, value_.minimum, value_.maximum},
        {kEditFrequency, kLabelFrequency, frequency_.minimum, frequency_.maximum},
        {kEditAmplitude, kLabelAmplitude, 0.0, amplitude_.maximum},
        {kEditOffset, kLabelOffset, value_.minimum, value_.maximum},
    };
    ValidationReport report;
    for (const Limit& limit : limits) {
        if (!control(limit.edit)->isEnabled())
            continue;
        const QString text = itemText(limit.edit);
        const double value = ParseLeadingDouble(text);
        if (IsValidDecimal(text, kDecimals) && value >= limit.minimum && value <= limit.maximum)
            continue;
        report.Add(FormatLangString(kStringValueRange, itemText(limit.label), limit.minimum, limit.maximum),
                   control(limit.edit));
    }
    return !report.ShowIfAny();
}

bool CDevCfgAO::ReadEditors(int channel)
{
    AOSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    setting.InitialValue = float(ParseLeadingDouble(itemText(kEditValue)));
    setting.Frequency = float(ParseLeadingDouble(itemText(kEditFrequency)));
    setting.Amplitude = float(ParseLeadingDouble(itemText(kEditAmplitude)));
    setting.Offset = float(ParseLeadingDouble(itemText(kEditOffset)));
    setting.Enable = isItemChecked(kCheckEnable) ? 1 : 0;
    setting.Mode = item<QComboBox>(kComboMode)->currentIndex();
    setting.WaveformType = item<QComboBox>(kComboWaveform)->currentIndex();
    setting.OutputRange = RangeCombo::ShownCode(*item<QComboBox>(kComboRange), kNoOutputRange);
    const std::optional<ChannelRules::RangeEntry> entry = shownRange();
    setting.RangeMin = entry ? ParseLeadingInt(entry->Minimum) : 0;
    setting.RangeMax = entry ? ParseLeadingInt(entry->Maximum) : 0;
    return true;
}

void CDevCfgAO::WriteChannel(CDataCenter& model, int channel)
{
    model.SetAOChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}
