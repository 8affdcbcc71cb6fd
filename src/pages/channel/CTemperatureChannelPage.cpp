#include "CTemperatureChannelPage.h"

#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "ValidationReport.h"

#include <QComboBox>

using namespace TemperatureSensors;

namespace {

constexpr int kOffsetDecimals = 1;
const QString kRawOffsetText = QStringLiteral("0");
const QString kLabelSeparator = QStringLiteral(":");

} // namespace

CTemperatureChannelPage::CTemperatureChannelPage(IPageHost* host, TemperaturePageKind kind,
                                                 const TemperaturePageIds& ids)
    : CChannelPageBase(
          kind.templateId, host,
          {.channelList = ids.channelList, .apply = ids.apply, .tagGroupBox = ids.tagGroup, .tagList = ids.tagList},
          kind.channelTypeId),
      kind_(std::move(kind)), ids_(ids), offsetLimits_(ReadOffsetLimits(kind_.section))
{
    Modes().OtherModes(ChannelModeTable::kNoTags, {});
}

bool CTemperatureChannelPage::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    setItemText(ids_.offsetRange, FormatText(kOffsetRangeFormat, {offsetLimits_.minimum, offsetLimits_.maximum}));
    setItemText(ids_.offset, kRawOffsetText);
    enableItem(ids_.sensorType, false);
    for (int id : {int(ids_.unitRadios[0]), int(ids_.unitRadios[1]), int(ids_.unitRadios[2]), int(ids_.offsetLabel),
                   int(ids_.offset), int(ids_.offsetRange)})
        enableItem(id, false);
    onChanged(ids_.sensorType, [this] {
        if (!IsBusy())
            onSensorTypeChosen();
    });
    for (const ControlId& radio : ids_.unitRadios)
        onClicked(radio, [this] { showRange(); });
    return true;
}

QList<ChannelColumn> CTemperatureChannelPage::ChannelColumns() const
{
    return {{LoadLangString(kind_.sensorColumnString)}};
}

const std::vector<TagDefinition>& CTemperatureChannelPage::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

QString CTemperatureChannelPage::sensorName(int code) const
{
    const std::optional<int> index = IndexOfCode(types_, code);
    return index ? types_[size_t(*index)].Name : QString();
}

QStringList CTemperatureChannelPage::ChannelRowTexts(int channel) const
{
    return {sensorName(record_.Channels.at(size_t(channel)).Setting.SensorType)};
}

void CTemperatureChannelPage::FillPageControls()
{
    types_ = ReadSensorTypes(kind_.section, GetNodeInfo().templateName);
    auto* combo = item<QComboBox>(ids_.sensorType);
    combo->clear();
    for (const SensorType& type : types_)
        combo->addItem(type.Name, ParseLeadingInt(type.Code));
    combo->setCurrentIndex(-1);
}

QString CTemperatureChannelPage::RangeText(const SensorType& type, int unit) const
{
    switch (unit) {
    case Celsius:
        return FormatText(kCelsiusRangeFormat, {ParseLeadingInt(type.Minimum), ParseLeadingInt(type.Maximum)});
    case Fahrenheit:
        return FormatText(kFahrenheitRangeFormat,
                          {ToFahrenheit(ParseLeadingInt(type.Minimum)), ToFahrenheit(ParseLeadingInt(type.Maximum))});
    default:
        if (kind_.rawRangeIsDecimal)
            return FormatText(kind_.rawRangeFormat,
                              {ParseLeadingDouble(type.Minimum), ParseLeadingDouble(type.Maximum)});
        return FormatText(kind_.rawRangeFormat, {ParseLeadingInt(type.Minimum), ParseLeadingInt(type.Maximum)});
    }
}

void CTemperatureChannelPage::ShowChannelEditors(int channel)
{
    const TemperatureSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    auto* combo = item<QComboBox>(ids_.sensorType);
    const std::optional<int> index = IndexOfCode(types_, setting.SensorType);
    const bool known = index && *index < combo->count();
    combo->setCurrentIndex(known ? *index : 0);
    combo->setEnabled(true);
    const SensorType* type = selectedType();
    enableForKind(type && type->IsTemperature());
    selectUnit(known ? setting.Unit : Celsius);
    if (type && type->IsTemperature())
        setItemText(ids_.offset, QString::number(RoundOffset(setting.Offset), 'f', kOffsetDecimals));
    showRange();
}

void CTemperatureChannelPage::ResetEditors()
{
    enableItem(ids_.sensorType, false);
    setItemText(ids_.inputRange, QString());
}

const SensorType* CTemperatureChannelPage::selectedType() const
{
    const int index = item<QComboBox>(ids_.sensorType)->currentIndex();
    return index >= 0 && index < int(types_.size()) ? &types_[size_t(index)] : nullptr;
}

int CTemperatureChannelPage::selectedUnit() const
{
    for (int unit = Celsius; unit <= Raw; ++unit)
        if (isItemChecked(ids_.unitRadios[unit]))
            return unit;
    return Celsius;
}

void CTemperatureChannelPage::selectUnit(int unit)
{
    const int chosen = unit >= Celsius && unit <= Raw ? unit : Celsius;
    for (int other = Celsius; other <= Raw; ++other)
        checkItem(ids_.unitRadios[other], other == chosen);
}

void CTemperatureChannelPage::enableForKind(bool temperature)
{
    for (int id : {int(ids_.unitRadios[Celsius]), int(ids_.unitRadios[Fahrenheit]), int(ids_.offsetLabel),
                   int(ids_.offset), int(ids_.offsetRange)})
        enableItem(id, temperature);
    enableItem(ids_.unitRadios[Raw], !temperature);
    if (!temperature)
        setItemText(ids_.offset, kRawOffsetText);
}

void CTemperatureChannelPage::showRange()
{
    const SensorType* type = selectedType();
    setItemText(ids_.inputRange, type ? RangeText(*type, selectedUnit()) : QString());
}

void CTemperatureChannelPage::onSensorTypeChosen()
{
    const SensorType* type = selectedType();
    const bool temperature = type && type->IsTemperature();
    enableForKind(temperature);
    selectUnit(temperature ? Celsius : Raw);
    showRange();
}

bool CTemperatureChannelPage::CheckEditors()
{
    if (!selectedType()) {
        ShowMessageBox(LoadLangString(kStringNoSensorType), MB_OK | MB_ICONWARNING);
        return false;
    }
    const float offset = RoundOffset(float(ParseLeadingDouble(itemText(ids_.offset))));
    if (offset < offsetLimits_.minimum || offset > offsetLimits_.maximum) {
        FocusControlAndItsTab(control(ids_.offset));
        ShowMessageBox(
            itemText(ids_.offsetLabel) + kLabelSeparator +
                FormatLangString(kStringOffsetRange, double(offsetLimits_.minimum), double(offsetLimits_.maximum)),
            MB_OK | MB_ICONWARNING);
        return false;
    }
    setItemText(ids_.offset, QString::number(offset, 'f', kOffsetDecimals));
    return true;
}

bool CTemperatureChannelPage::ReadEditors(int channel)
{
    const SensorType* type = selectedType();
    if (!type)
        return false;
    TemperatureSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    setting.SensorType = ParseLeadingInt(type->Code);
    setting.InputRangeMin = ParseLeadingInt(type->Minimum);
    setting.InputRangeMax = ParseLeadingInt(type->Maximum);
    setting.Unit = selectedUnit();
    setting.Offset = RoundOffset(float(ParseLeadingDouble(itemText(ids_.offset))));
    return true;
}
