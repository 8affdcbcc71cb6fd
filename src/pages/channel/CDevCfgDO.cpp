#include "CDevCfgDO.h"

#include "CDataCenter.h"
#include "ChannelRules.h"
#include "LanguagePack.h"
#include "TypeIds.h"

#include <QComboBox>

#include <algorithm>

using namespace DOPage;

namespace {

const QString kSection = QStringLiteral("DO");
const QString kModeKey = QStringLiteral("Mode");
constexpr unsigned kColumnStrings[] = {738, 741, 742, 743};

} // namespace

CDevCfgDO::CDevCfgDO(IPageHost* host) : CDevCfgDO(host, kSection, ChannelType::DigitalOutput)
{}

CDevCfgDO::CDevCfgDO(IPageHost* host, const QString& section, int channelTypeId)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboMode,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       channelTypeId),
      section_(section), pulse_(*this, {kEditFrequency, kEditDuty, kLabelFrequencyRange, kLabelDutyRange}, section)
{
    Modes().Mode(0, 0, {kComboStatus}).OtherModes(1, {kEditFrequency, kEditDuty});
}

bool CDevCfgDO::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    modeNames_ = ChannelRules::ReadNames(section_, kModeKey);
    pulse_.LoadFrequencyRange(QString());
    pulse_.Reset();
    CheckOnFocusLoss(kEditFrequency, [this] { return pulse_.CheckFrequency(); });
    CheckOnFocusLoss(kEditDuty, [this] { return pulse_.CheckDuty(); });
    return true;
}

QList<ChannelColumn> CDevCfgDO::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings);
}

bool CDevCfgDO::CopyRecord(const CDataCenter& model)
{
    return model.GetDOSetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgDO::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

int CDevCfgDO::StoredMode(int channel) const
{
    return record_.Channels.at(size_t(channel)).Setting.Mode;
}

QStringList CDevCfgDO::ChannelRowTexts(int channel) const
{
    const OutputSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    const QString mode = modeNames_.value(setting.Mode);
    if (setting.Mode == 0)
        return {mode, LoadLangString(setting.Status ? kStringStatusOn : kStringStatusOff), QString(), QString()};
    return {mode, QString(), QString::number(setting.Frequency, 'f', PulseOutputEditors::kFrequencyDecimals),
            QString::number(setting.DutyCycle, 'f', PulseOutputEditors::kDutyDecimals)};
}

void CDevCfgDO::OnModelKeyChanged()
{
    pulse_.LoadFrequencyRange(ModelKey());
}

void CDevCfgDO::FillPageControls()
{
    pulse_.ShowFrequencyRange();
    if (auto* mode = item<QComboBox>(kComboMode)) {
        mode->clear();
        mode->addItems(modeNames_);
    }
    if (auto* status = item<QComboBox>(kComboStatus)) {
        status->clear();
        status->addItems({LoadLangString(kStringStatusOff), LoadLangString(kStringStatusOn)});
    }
}

void CDevCfgDO::ShowChannelEditors(int channel)
{
    const OutputSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    item<QComboBox>(kComboMode)->setCurrentIndex(setting.Mode);
    item<QComboBox>(kComboStatus)->setCurrentIndex(setting.Status);
    pulse_.Show(setting.Frequency, setting.DutyCycle);
}

void CDevCfgDO::ResetEditors()
{
    item<QComboBox>(kComboMode)->setCurrentIndex(0);
    item<QComboBox>(kComboStatus)->setCurrentIndex(0);
    pulse_.Reset();
}

bool CDevCfgDO::ReadEditors(int channel)
{
    OutputSettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    // An empty mode list (no "Mode" in DefaultSettings.ini) leaves the channel a plain output.
    setting.Mode = std::max(0, item<QComboBox>(kComboMode)->currentIndex());
    setting.Status = std::max(0, item<QComboBox>(kComboStatus)->currentIndex());
    setting.Frequency = pulse_.ReadFrequency();
    setting.DutyCycle = pulse_.ReadDuty();
    return true;
}

void CDevCfgDO::WriteChannel(CDataCenter& model, int channel)
{
    model.SetDOChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}
