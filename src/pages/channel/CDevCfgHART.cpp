#include "CDevCfgHART.h"

#include "CDataCenter.h"
#include "ChannelRefusals.h"
#include "ChannelTagLog.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TraceLog.h"
#include "TypeIds.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QComboBox>

#include <algorithm>

using namespace HARTPage;

namespace {

const QString kRangeSection = QStringLiteral("HARTAIRange");
constexpr unsigned kStringTagNotCreated = 9251;
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
    opModes_ = ChannelRules::ReadNames(HartSensorRules::kSection, HartSensorRules::kOpModeKey);
    auto* modes = item<QComboBox>(kComboOpMode);
    modes->addItems(opModes_);
    modes->setCurrentIndex(opModes_.isEmpty() ? -1 : 0);
    onClicked(kButtonSensors, [this] { onSensorList(); });
    return true;
}

std::optional<ChannelRules::UnsignedTriple> CDevCfgHART::SensorLimit(const QString& key) const
{
    return HartSensorRules::LimitOfKey(sensorLimits_, key);
}

std::optional<std::vector<HARTSensorEntry>> CDevCfgHART::RunSensorDialog(int channel,
                                                                         const std::vector<HARTSensorEntry>& sensors)
{
    CHARTSensorSettingDlg dialog(channel, sensors, this, this);
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return dialog.Sensors();
}

void CDevCfgHART::onSensorList()
{
    const QList<int> selected = SelectedChannels();
    if (selected.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringNoChannelSelected), MB_OK | MB_ICONWARNING);
        return;
    }
    const int channel = selected.first();
    if (channel >= StoredChannelCount())
        return;
    if (const auto edited = RunSensorDialog(channel, record_.Channels.at(size_t(channel)).Sensors))
        storeSensors(channel, *edited);
}

void CDevCfgHART::storeSensors(int channel, const std::vector<HARTSensorEntry>& sensors)
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    using Outcome = HartSensorRules::SensorListChange::Outcome;
    const HartSensorRules::SensorListChange change =
        HartSensorRules::StoreChannelSensors(*model, Slot(), channel, sensors);
    if (change.Result == Outcome::TagInUse) {
        ChannelRefusals refused(RefusalOrder());
        refused.AddSensors(change.FirstRemoved, change.LastRemoved);
        refused.ShowIfAny();
        return;
    }
    if (change.Result != Outcome::Stored) {
        TraceLog("%s:%d sensors of slot %d channel %d not stored (%d)", __FILE__, __LINE__, Slot(), channel,
                 int(change.Result));
        return;
    }
    LogChannelTagChanges(*this, change.Removed, change.Created);
    QStringList notCreated;
    for (const QString& name : change.NotCreated)
        notCreated << FormatLangString(kStringTagNotCreated, name);
    if (!notCreated.isEmpty())
        ShowMessageBox(notCreated.join(u'\n'), MB_OK | MB_ICONWARNING);
    record_.Channels.at(size_t(channel)).Sensors = sensors;
    UpdateChannelRow(channel);
}

QList<ChannelColumn> CDevCfgHART::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings);
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
    sensorLimits_ = HartSensorRules::ReadSensorIdLimits();
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
