#include "CDevCfgDI.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "TextFormat.h"
#include "TypeIds.h"

using namespace DIPage;

namespace {

constexpr unsigned kColumnStrings[] = {738, 739, 740, 794};
constexpr int kFilterColumn = 2;
const QString kFilterColumnFormat = QStringLiteral("%s (%s)");
const QString kFilterColumnTitle = QStringLiteral("Digital Filter");
constexpr int kTriggerMode = 1;
constexpr int kMeasuringMode = 2;

} // namespace

CDevCfgDI::CDevCfgDI(IPageHost* host)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboMode,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       ChannelType::DigitalInput),
      editors_(*this, {.mode = kComboMode,
                       .filter = kEditFilter,
                       .filterLabel = kLabelFilter,
                       .filterRange = kLabelFilterRange,
                       .trigger = kComboTrigger,
                       .measurement = kEditMeasurement,
                       .measurementRange = kLabelMeasurementRange})
{
    Modes() = editors_.ModeTable(0);
}

bool CDevCfgDI::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    editors_.LoadModeNames();
    return true;
}

QList<ChannelColumn> CDevCfgDI::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings);
}

bool CDevCfgDI::CopyRecord(const CDataCenter& model)
{
    return model.GetDISetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgDI::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

int CDevCfgDI::StoredMode(int channel) const
{
    return record_.Channels.at(size_t(channel)).Setting.DI_Mode;
}

QStringList CDevCfgDI::ChannelRowTexts(int channel) const
{
    const DISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    const QString trigger = setting.DI_Mode == kTriggerMode ? editors_.TriggerText(setting.Trigger) : QString();
    const QString measurement =
        setting.DI_Mode == kMeasuringMode ? QString::number(setting.Measurement_Time) : QString();
    return {editors_.ModeNames().value(setting.DI_Mode), QString::number(setting.Filter), trigger, measurement};
}

void CDevCfgDI::OnModelKeyChanged()
{
    editors_.LoadMeasurementRange(ModelKey());
}

void CDevCfgDI::FillPageControls()
{
    editors_.SetFilter(record_.FilterUnit, record_.FilterRange);
    RenameChannelColumn(kFilterColumn, FormatText(kFilterColumnFormat, {kFilterColumnTitle, editors_.FilterUnit()}));
    editors_.FillControls();
}

void CDevCfgDI::ShowChannelEditors(int channel)
{
    editors_.Show(record_.Channels.at(size_t(channel)).Setting);
}

bool CDevCfgDI::ReadEditors(int channel)
{
    return editors_.Read(record_.Channels.at(size_t(channel)).Setting);
}

void CDevCfgDI::WriteChannel(CDataCenter& model, int channel)
{
    model.SetDISetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}
