#include "CDevCfgHVDI.h"

#include "CDataCenter.h"
#include "FirstOnTimeRule.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <cmath>

using namespace HVDIPage;

namespace {

const QString kSection = QStringLiteral("DI");
const QString kModeKey = QStringLiteral("Mode");
const QString kEnabledText = QStringLiteral("Enable");
const QString kDisabledText = QStringLiteral("Disable");
constexpr unsigned kColumnStrings[] = {738, 873, 874};
constexpr int kTimeDecimals = 1;

QString shownTime(double value)
{
    return QString::number(value, 'f', kTimeDecimals);
}

} // namespace

CDevCfgHVDI::CDevCfgHVDI(IPageHost* host)
    : CChannelPageBase(
          kTemplate, host,
          {.channelList = kListChannels, .apply = kButtonApply, .tagGroupBox = kGroupTags, .tagList = kListTags},
          ChannelType::DigitalInput),
      limits_(FirstOnTime::kBuiltInLimits)
{
    Modes().OtherModes(0, {});
}

bool CDevCfgHVDI::OnInitDialog()
{
    CChannelPageBase::OnInitDialog();
    onClicked(kCheckFirstOn, [this] { enableTimeEditor(); });
    return true;
}

QList<ChannelColumn> CDevCfgHVDI::ChannelColumns() const
{
    return ChannelColumnsOf(kColumnStrings);
}

bool CDevCfgHVDI::CopyRecord(const CDataCenter& model)
{
    return model.GetDISetting(Slot(), record_) != 0;
}

const std::vector<TagDefinition>& CDevCfgHVDI::TagDefinitions(int channel) const
{
    listed_ = record_.Channels.at(size_t(channel)).TagDefinitions;
    listed_.insert(listed_.end(), record_.ExternalPowerTags.begin(), record_.ExternalPowerTags.end());
    listedChannel_ = channel;
    return listed_;
}

bool CDevCfgHVDI::IsTagActive(const TagDefinition& definition) const
{
    const auto& moduleWide = record_.ExternalPowerTags;
    if (std::find(moduleWide.begin(), moduleWide.end(), definition) != moduleWide.end())
        return listedChannel_ >= definition.Min && listedChannel_ <= definition.Max; // the group's channels
    return definition.ChMode == 0;
}

int CDevCfgHVDI::StoredMode(int channel) const
{
    return record_.Channels.at(size_t(channel)).Setting.DI_Mode;
}

QStringList CDevCfgHVDI::ChannelRowTexts(int channel) const
{
    const DISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    return {modeNames_.value(setting.DI_Mode), setting.FirstOnEnable ? kEnabledText : kDisabledText,
            shownTime(setting.FirstOnTime)};
}

void CDevCfgHVDI::FillPageControls()
{
    modeNames_ = ChannelRules::ReadNames(kSection, kModeKey);
    limits_ = FirstOnTime::ReadLimits();
    setItemText(kLabelRange, FormatText(kRangeFormat, {limits_.minimum, limits_.maximum}));
}

void CDevCfgHVDI::ShowChannelEditors(int channel)
{
    const DISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    checkItem(kCheckFirstOn, setting.FirstOnEnable != 0);
    setItemText(kEditFirstOnTime, shownTime(setting.FirstOnTime));
    enableTimeEditor();
}

void CDevCfgHVDI::ResetEditors()
{
    checkItem(kCheckFirstOn, false);
    enableTimeEditor();
}

void CDevCfgHVDI::enableTimeEditor()
{
    enableItem(kEditFirstOnTime, isItemChecked(kCheckFirstOn));
}

bool CDevCfgHVDI::CheckEditors()
{
    const float typed = float(ParseLeadingDouble(itemText(kEditFirstOnTime)));
    const QString label = itemText(kLabelFirstOnTime);
    switch (FirstOnTime::Check(typed, limits_)) {
    case FirstOnTime::Fault::OutOfRange:
        ShowMessageBox(FormatText(kOutOfRangeFormat, {label, limits_.minimum, limits_.maximum}),
                       MB_OK | MB_ICONWARNING);
        return false;
    case FirstOnTime::Fault::NotAStep:
        ShowMessageBox(FormatText(kInvalidFormat, {label, limits_.minimum, limits_.maximum}), MB_OK | MB_ICONWARNING);
        return false;
    case FirstOnTime::Fault::None:
        return true;
    }
    return false;
}

bool CDevCfgHVDI::ReadEditors(int channel)
{
    DISettingBlock& setting = record_.Channels.at(size_t(channel)).Setting;
    setting.FirstOnEnable = isItemChecked(kCheckFirstOn) ? 1 : 0;
    // Checked to lie on a 0.5 ms step; the rounding drops digits past the checked ones.
    const double typed = ParseLeadingDouble(itemText(kEditFirstOnTime));
    setting.FirstOnTime = float(std::round(typed / FirstOnTime::kStep) * FirstOnTime::kStep);
    return true;
}

void CDevCfgHVDI::WriteChannel(CDataCenter& model, int channel)
{
    model.SetDISetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}
