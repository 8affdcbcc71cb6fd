#include "CDevCfgHART.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TypeIds.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QComboBox>

#include <algorithm>

using namespace HARTPage;

namespace {

const QString kRangeSection = QStringLiteral("HARTAIRange");
const QString kSensorSection = QStringLiteral("HARTSENSOR");
const QString kOpModeKey = QStringLiteral("HARTOpMode");
constexpr unsigned kColumnStrings[] = {744, 745, 883};
constexpr int kValueDecimals = 3;

} // namespace

CDevCfgHART::CDevCfgHART(IPageHost* host)
    : CChannelPageBase(kTemplate, host,
                       {.channelList = kListChannels,
                        .apply = kButtonApply,
                        .mode = kComboRange,
                        .tagGroupBox = kGroupTags,
                        .tagList = kListTags},
                       ChannelType::HartAnalogInput),
      editors_(*this, {kComboRange, kLabelRange, kLabelValue, kEditValue, kLabelValueUnit}, kRangeSection)
{
    Modes() = editors_.ModeTable();
}

bool CDevCfgHART::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    opModes_ = ChannelRules::ReadNames(kSensorSection, kOpModeKey);
    auto* modes = item<QComboBox>(kComboOpMode);
    modes->addItems(opModes_);
    modes->setCurrentIndex(opModes_.isEmpty() ? -1 : 0);
    onClicked(kButtonSensors, [this] {
        if (SelectedChannels().isEmpty())
            ShowMessageBox(LoadLangString(kStringNoChannelSelected), MB_OK | MB_ICONWARNING);
    });
    return true;
}

QList<ChannelColumn> CDevCfgHART::ChannelColumns() const
{
    QList<ChannelColumn> columns;
    for (unsigned id : kColumnStrings)
        columns.append({LoadLangString(id)});
    return columns;
}

bool CDevCfgHART::CopyRecord(const CDataCenter& model)
{
    return model.GetHARTAISetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgHART::TagDefinitions(int channel) const
{
    return record_.Channels.at(size_t(channel)).TagDefinitions;
}

int CDevCfgHART::StoredMode(int channel) const
{
    return record_.Channels.at(size_t(channel)).Setting.InputRange;
}

QStringList CDevCfgHART::ChannelRowTexts(int channel) const
{
    const HARTAIChannel& entry = record_.Channels.at(size_t(channel));
    const bool valued = entry.Setting.InputRange == ChannelRules::kBurnOutRangeCode;
    return {editors_.RangeName(entry.Setting.InputRange),
            valued ? QString::number(entry.Setting.BurnOutValue, 'f', kValueDecimals) : QString(),
            QString::number(entry.Sensors.size())};
}

void CDevCfgHART::FillPageControls()
{
    editors_.LoadRanges(GetNodeInfo().templateName);
}

void CDevCfgHART::ShowChannelEditors(int channel)
{
    const HARTAISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    editors_.Show(setting);
    item<QComboBox>(kComboOpMode)
        ->setCurrentIndex(int(setting.HartOpMode) < opModes_.size() ? int(setting.HartOpMode) : -1);
    setItemText(kEditRetries, QString::number(setting.NumRetry));
}

void CDevCfgHART::OnModeEditors(int mode)
{
    const QList<int> selected = SelectedChannels();
    const int first = selected.isEmpty() ? -1 : selected.first();
    const float value = first >= 0 && first < ChannelCount() ? record_.Channels.at(size_t(first)).Setting.BurnOutValue
                                                             : AnalogInputEditors::kNoBurnOutValue;
    editors_.OnCode(mode, value);
}

bool CDevCfgHART::CheckEditors()
{
    if (editors_.Ranges().empty() || editors_.ShownCode() == AnalogInputEditors::kNoRange) {
        ShowMessageBox(LoadLangString(kStringNoRanges), MB_OK | MB_ICONWARNING);
        return false;
    }
    if (itemText(kEditRetries).trimmed().isEmpty())
        setItemText(kEditRetries, kDefaultRetries);
    bool isNumber = false;
    const int retries = itemText(kEditRetries).trimmed().toInt(&isNumber);
    if (!isNumber || retries < 0 || retries > int(kMaximumRetries)) {
        ShowMessageBox(FormatRangeErrorLine(itemText(kLabelRetries), 0, kMaximumRetries), MB_OK | MB_ICONWARNING);
        FocusControlAndItsTab(control(kEditRetries));
        return false;
    }
    return editors_.CheckBurnOut();
}

bool CDevCfgHART::ReadEditors(int channel)
{
    HARTAISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    editors_.Read(setting);
    setting.HartOpMode = quint32(std::max(0, item<QComboBox>(kComboOpMode)->currentIndex()));
    setting.NumRetry = quint32(itemText(kEditRetries).trimmed().toInt());
    return true;
}

void CDevCfgHART::WriteChannel(CDataCenter& model, int channel)
{
    model.SetHARTChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}
