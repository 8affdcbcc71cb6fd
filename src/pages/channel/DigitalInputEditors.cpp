#include "DigitalInputEditors.h"

#include "DialogControls.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TextFormat.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kSection = QStringLiteral("DI");
const QString kModeKey = QStringLiteral("Mode");
const QString kMeasurementKey = QStringLiteral("MeasurementTime");
const QString kFilterRangeFormat = QStringLiteral("(Unit:%s , Range:%u-%u)");
const QString kMeasurementRangeFormat = QStringLiteral("ms(%d-%d)");
const QString kFilterMessage = QStringLiteral("\"%s\" Range: %u-%u.");
const QString kMeasurementMessage = QStringLiteral("\"Measurement Time\" Range: %d - %d \r\n");
constexpr int kFilterMode = 0;
constexpr int kTriggerMode = 1;
constexpr quint32 kStoredOneSecond = 1;
constexpr quint32 kOneSecond = 1000;

} // namespace

DigitalInputEditors::DigitalInputEditors(DialogControls& page, DigitalInputIds ids) : page_(page), ids_(ids)
{}

ChannelModeTable DigitalInputEditors::ModeTable(int keyOffset) const
{
    ChannelModeTable table;
    table.Mode(kFilterMode, keyOffset + kFilterMode, {ids_.filter})
        .Mode(kTriggerMode, keyOffset + kTriggerMode, {ids_.filter, ids_.trigger})
        .OtherModesKeyedByMode(keyOffset, {ids_.measurement});
    return table;
}

void DigitalInputEditors::LoadModeNames()
{
    modeNames_ = ChannelRules::ReadNames(kSection, kModeKey);
}

void DigitalInputEditors::LoadMeasurementRange(const QString& modelKey)
{
    measurement_ = ChannelRules::ParseUnsignedTriple(ChannelRules::ReadModelKeyed(kSection, kMeasurementKey, modelKey),
                                                     kBuiltInMeasurement);
}

void DigitalInputEditors::SetFilter(const QString& unit, const std::vector<quint32>& range)
{
    filterUnit_ = unit;
    filter_ = range.size() >= 3 ? ChannelRules::UnsignedTriple{range[0], range[1], range[2]} : kBuiltInFilter;
}

QString DigitalInputEditors::TriggerText(int trigger) const
{
    return trigger >= 0 && trigger < int(std::size(kTriggerStrings)) ? LoadLangString(kTriggerStrings[trigger])
                                                                     : QString();
}

void DigitalInputEditors::FillControls()
{
    page_.setItemText(ids_.filterRange,
                      FormatText(kFilterRangeFormat, {filterUnit_, filter_.minimum, filter_.maximum}));
    page_.setItemText(ids_.measurementRange,
                      FormatText(kMeasurementRangeFormat, {measurement_.minimum, measurement_.maximum}));
    if (auto* edit = page_.item<QLineEdit>(ids_.measurement))
        edit->setMaxLength(kMeasurementLength);
    if (auto* mode = page_.item<QComboBox>(ids_.mode)) {
        mode->clear();
        mode->addItems(modeNames_);
    }
    if (auto* trigger = page_.item<QComboBox>(ids_.trigger)) {
        trigger->clear();
        for (unsigned id : kTriggerStrings)
            trigger->addItem(LoadLangString(id));
    }
}

void DigitalInputEditors::Show(const DISettingBlock& setting)
{
    page_.item<QComboBox>(ids_.mode)->setCurrentIndex(setting.DI_Mode);
    page_.setItemText(ids_.filter, QString::number(setting.Filter));
    page_.item<QComboBox>(ids_.trigger)->setCurrentIndex(setting.Trigger);
    const quint32 measurement = setting.Measurement_Time == kStoredOneSecond ? kOneSecond : setting.Measurement_Time;
    page_.setItemText(ids_.measurement, QString::number(measurement));
}

void DigitalInputEditors::Reset()
{
    page_.item<QComboBox>(ids_.mode)->setCurrentIndex(0);
    page_.setItemText(ids_.filter, QString::number(qint32(filter_.defaultValue)));
    page_.item<QComboBox>(ids_.trigger)->setCurrentIndex(0);
}

void DigitalInputEditors::OnMode(int mode)
{
    if (mode == kFilterMode || mode == kTriggerMode)
        page_.setItemText(ids_.measurement, kFixedMeasurement);
    else
        page_.setItemText(ids_.filter, kFixedFilter);
}

bool DigitalInputEditors::CheckFilter() const
{
    const qint64 value = ParseLeadingInt64(page_.itemText(ids_.filter));
    if (value >= qint64(filter_.minimum) && value <= qint64(filter_.maximum))
        return true;
    ShowMessageBox(FormatText(kFilterMessage, {page_.itemText(ids_.filterLabel), filter_.minimum, filter_.maximum}),
                   MB_OK | MB_ICONWARNING);
    return false;
}

bool DigitalInputEditors::Read(DISettingBlock& setting)
{
    const qint64 filter = ParseLeadingInt64(page_.itemText(ids_.filter));
    const qint64 measurement = ParseLeadingInt64(page_.itemText(ids_.measurement));
    if (measurement < qint64(measurement_.minimum) || measurement > qint64(measurement_.maximum)) {
        ShowMessageBox(FormatText(kMeasurementMessage, {measurement_.minimum, measurement_.maximum}),
                       MB_OK | MB_ICONWARNING);
        page_.setItemText(ids_.measurement, kFixedMeasurement);
        return false;
    }
    setting.Filter = quint32(filter);
    setting.DI_Mode = page_.item<QComboBox>(ids_.mode)->currentIndex();
    setting.Trigger = page_.item<QComboBox>(ids_.trigger)->currentIndex();
    setting.Measurement_Time = quint32(measurement);
    return true;
}
