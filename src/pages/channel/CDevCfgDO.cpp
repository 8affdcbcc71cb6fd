#include "CDevCfgDO.h"

#include "CDataCenter.h"
#include "ChannelRules.h"
#include "LanguagePack.h"
#include "TypeIds.h"

#include <QComboBox>

using namespace DOPage;

namespace {

const QString kSection = QStringLiteral("DO");
const QString kModeKey = QStringLiteral("Mode");
constexpr unsigned kColumnStrings[] = {738, 741, 742, 743};

} // namespace

CDevCfgDO::CDevCfgDO(IPageHost* host) : CDevCfgDO(host, kSection, ChannelType::DigitalOutput, PulseDutyRule{})
{}

CDevCfgDO::CDevCfgDO(IPageHost* host, const QString& section, int channelTypeId, PulseDutyRule dutyRule)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboMode,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       channelTypeId),
      section_(section), output_(*this,
                                 {.mode = kComboMode,
                                  .status = kComboStatus,
                                  .pulse = {kEditFrequency, kEditDuty, kLabelFrequencyRange, kLabelDutyRange}},
                                 section, dutyRule)
{
    Modes().Mode(0, 0, {kComboStatus}).OtherModes(1, {kEditFrequency, kEditDuty});
}

bool CDevCfgDO::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    modeNames_ = ChannelRules::ReadNames(section_, kModeKey);
    output_.Pulse().LoadFrequencyRange(QString());
    output_.Pulse().Reset();
    CheckOnFocusLoss(kEditFrequency, [this] { return output_.Pulse().CheckFrequency(); });
    CheckOnFocusLoss(kEditDuty, [this] { return output_.Pulse().CheckDuty(); });
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
    const auto texts = DigitalOutputEditors::TextsOf(record_.Channels.at(size_t(channel)).Setting, modeNames_);
    return {texts.mode, texts.status, texts.frequency, texts.duty};
}

void CDevCfgDO::OnModelKeyChanged()
{
    output_.Pulse().LoadFrequencyRange(ModelKey());
}

void CDevCfgDO::FillPageControls()
{
    output_.Pulse().ShowFrequencyRange();
    if (auto* mode = item<QComboBox>(kComboMode)) {
        mode->clear();
        mode->addItems(modeNames_);
    }
    output_.FillStatus();
}

void CDevCfgDO::ShowChannelEditors(int channel)
{
    output_.Show(record_.Channels.at(size_t(channel)).Setting);
}

void CDevCfgDO::ResetEditors()
{
    item<QComboBox>(kComboMode)->setCurrentIndex(0);
    output_.Reset();
}

bool CDevCfgDO::ReadEditors(int channel)
{
    output_.Read(record_.Channels.at(size_t(channel)).Setting);
    return true;
}

void CDevCfgDO::WriteChannel(CDataCenter& model, int channel)
{
    model.SetDOChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}
