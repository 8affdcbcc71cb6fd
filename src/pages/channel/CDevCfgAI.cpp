#include "CDevCfgAI.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "TypeIds.h"

using namespace AIPage;

namespace {

constexpr unsigned kColumnStrings[] = {744, 745};
constexpr int kBurnOutDecimals = 3;

} // namespace

CDevCfgAI::CDevCfgAI(IPageHost* host)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboRange,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       ChannelType::AnalogInput),
      editors_(*this, {kComboRange, kLabelRange, kLabelBurnOut, kEditBurnOut, kLabelBurnOutUnit})
{
    Modes() = editors_.ModeTable();
}

QList<ChannelColumn> CDevCfgAI::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings);
}

bool CDevCfgAI::CopyRecord(const CDataCenter& model)
{
    return model.GetAISetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgAI::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

int CDevCfgAI::StoredMode(int channel) const
{
    return record_.Channels.at(size_t(channel)).Setting.InputRange;
}

QStringList CDevCfgAI::ChannelRowTexts(int channel) const
{
    const AISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    const bool burnOut = setting.InputRange == ChannelRules::kBurnOutRangeCode;
    return {editors_.RangeName(setting.InputRange),
            burnOut ? QString::number(setting.BurnOutValue, 'f', kBurnOutDecimals) : QString()};
}

void CDevCfgAI::FillPageControls()
{
    editors_.LoadRanges(GetNodeInfo().templateName);
}

void CDevCfgAI::ShowChannelEditors(int channel)
{
    editors_.Show(record_.Channels.at(size_t(channel)).Setting);
}

void CDevCfgAI::OnModeEditors(int mode)
{
    const QList<int> selected = SelectedChannels();
    const int first = selected.isEmpty() ? -1 : selected.first();
    const float value = first >= 0 && first < ChannelCount() ? record_.Channels.at(size_t(first)).Setting.BurnOutValue
                                                             : AnalogInputEditors::kNoBurnOutValue;
    editors_.OnCode(mode, value);
}

bool CDevCfgAI::ReadEditors(int channel)
{
    editors_.Read(record_.Channels.at(size_t(channel)).Setting);
    return true;
}

void CDevCfgAI::WriteChannel(CDataCenter& model, int channel)
{
    model.SetAIChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}
