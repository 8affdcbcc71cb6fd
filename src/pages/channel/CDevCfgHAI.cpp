#include "CDevCfgHAI.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TypeIds.h"

using namespace HAIPage;

namespace {

constexpr unsigned kColumnStrings[] = {744, 745};
constexpr int kBurnOutDecimals = 3;
const QString kRateRangeFormat = QStringLiteral("(%d-%d)");
const QString kStoredLimitFormat = QStringLiteral("Pre-record + Post-record <= %u");
const QString kDefaultLimitFormat = QStringLiteral("Pre Record+Post Record <= %u");

quint32 unsignedText(const QString& text)
{
    return ParseULongText(text, 10);
}

} // namespace

CDevCfgHAI::CDevCfgHAI(IPageHost* host)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboRange,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       ChannelType::HighSpeedAnalogInput),
      editors_(*this, {kComboRange, kLabelRange, kLabelBurnOut, kEditBurnOut, kLabelBurnOutUnit}),
      samplingNumbers_(ChannelRules::SamplingNumbersOrBuiltIn({}))
{
    Modes() = editors_.ModeTable();
}

bool CDevCfgHAI::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    OnEditFocusLost(kEditRate, [this] { onRateFocusLost(); });
    return true;
}

QList<ChannelColumn> CDevCfgHAI::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings);
}

bool CDevCfgHAI::CopyRecord(const CDataCenter& model)
{
    return model.GetHighSpeedAISetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgHAI::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

int CDevCfgHAI::StoredMode(int channel) const
{
    return record_.Channels.at(size_t(channel)).Setting.InputRange;
}

QStringList CDevCfgHAI::ChannelRowTexts(int channel) const
{
    const HighSpeedAISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    const bool burnOut = setting.InputRange == ChannelRules::kBurnOutRangeCode;
    return {editors_.RangeName(setting.InputRange),
            burnOut ? QString::number(setting.BurnOutValue, 'f', kBurnOutDecimals) : QString()};
}

void CDevCfgHAI::FillPageControls()
{
    samplingNumbers_ = ChannelRules::SamplingNumbersOrBuiltIn(record_.SamplingNumbers);
    setItemText(kLabelRateRange, FormatText(kRateRangeFormat, {minimumRate(), maximumRate()}));
    const quint32 rate = record_.SamplingRate != 0 ? record_.SamplingRate : defaultRate();
    takenRateText_ = QString::number(rate);
    countsResetPending_ = false;
    setItemText(kEditRate, takenRateText_);
    const QString& format = record_.SamplingRate != 0 ? kStoredLimitFormat : kDefaultLimitFormat;
    setItemText(kLabelRecordLimit, FormatText(format, {ChannelRules::RecordLimit(rate)}));
    editors_.LoadRanges(GetNodeInfo().templateName);
}

void CDevCfgHAI::ShowChannelEditors(int channel)
{
    const HighSpeedAISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    editors_.Show(setting);
    for (int id : {kEditRate, kEditPre, kEditPost})
        enableItem(id, true);
    const bool stored = record_.SamplingRate != 0;
    setItemText(kEditPre, QString::number(stored ? setting.ForeInterval : defaultRecords()));
    setItemText(kEditPost, QString::number(stored ? setting.BackInterval : defaultRecords()));
}

void CDevCfgHAI::ResetEditors()
{
    editors_.Reset();
    for (int id : {kEditRate, kEditPre, kEditPost})
        enableItem(id, false);
    setItemText(kEditPre, QString());
    setItemText(kEditPost, QString());
}

void CDevCfgHAI::OnModeEditors(int mode)
{
    const QList<int> selected = SelectedChannels();
    const int first = selected.isEmpty() ? -1 : selected.first();
    const float value = first >= 0 && first < ChannelCount() ? record_.Channels.at(size_t(first)).Setting.BurnOutValue
                                                             : AnalogInputEditors::kNoBurnOutValue;
    editors_.OnCode(mode, value);
}

bool CDevCfgHAI::checkRate()
{
    const quint32 rate = unsignedText(itemText(kEditRate));
    if (rate >= minimumRate() && rate <= maximumRate() && rate != 0)
        return true;
    ShowMessageBox(FormatLangString(kStringRateRange, minimumRate(), maximumRate()), MB_OK | MB_ICONWARNING);
    return false;
}

void CDevCfgHAI::takeChangedRate(bool intoModel)
{
    const QString text = itemText(kEditRate);
    if (text == takenRateText_) {
        // Taken when the edit lost the focus: the model's channels still hold the old counts.
        if (intoModel && countsResetPending_)
            resetModelCounts();
        return;
    }
    takenRateText_ = text;
    for (HighSpeedAIChannel& channel : record_.Channels) {
        channel.Setting.ForeInterval = ChannelRules::kResetRecordCount;
        channel.Setting.BackInterval = ChannelRules::kResetRecordCount;
    }
    setItemText(kEditPre, QString::number(ChannelRules::kResetRecordCount));
    setItemText(kEditPost, QString::number(ChannelRules::kResetRecordCount));
    setItemText(kLabelRecordLimit, FormatText(kDefaultLimitFormat, {ChannelRules::RecordLimit(unsignedText(text))}));
    countsResetPending_ = true;
    if (intoModel)
        resetModelCounts();
}

void CDevCfgHAI::resetModelCounts()
{
    if (CDataCenter* model = GetDataCenter()) {
        model->SetHighSpeedAIAllChannels(Slot(), ChannelRules::kResetRecordCount, ChannelRules::kResetRecordCount);
        countsResetPending_ = false;
    }
}

void CDevCfgHAI::onRateFocusLost()
{
    if (IsBusy() || !isVisible())
        return;
    if (!checkRate()) {
        if (QWidget* edit = control(kEditRate))
            edit->setFocus();
        return;
    }
    takeChangedRate(false);
}

bool CDevCfgHAI::CheckEditors()
{
    // A rate out of range is never stored: a rate of 0 would divide the record budget.
    if (!checkRate())
        return false;
    takeChangedRate(true);
    return editors_.CheckBurnOut();
}

bool CDevCfgHAI::ReadEditors(int channel)
{
    HighSpeedAISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    record_.SamplingRate = unsignedText(itemText(kEditRate));
    const quint32 pre = unsignedText(itemText(kEditPre));
    const quint32 post = unsignedText(itemText(kEditPost));
    if (quint64(pre) + post > ChannelRules::RecordLimit(record_.SamplingRate)) {
        if (QWidget* edit = control(kEditPre))
            edit->setFocus();
        ShowMessageBox(LoadLangString(kStringRecordLimit), MB_OK | MB_ICONWARNING);
        return false;
    }
    setting.ForeInterval = pre;
    setting.BackInterval = post;
    editors_.Read(setting);
    return true;
}

void CDevCfgHAI::WriteChannel(CDataCenter& model, int channel)
{
    model.SetHighSpeedAIChannelSetting(Slot(), channel, record_.SamplingRate,
                                       record_.Channels.at(size_t(channel)).Setting);
}
