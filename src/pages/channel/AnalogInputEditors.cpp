#include "AnalogInputEditors.h"

#include "DialogControls.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "RangeCombo.h"
#include "TextConversion.h"
#include "TextFormat.h"

#include <QComboBox>

namespace {

constexpr int kBurnOutDecimals = 3;

} // namespace

AnalogInputEditors::AnalogInputEditors(DialogControls& page, AnalogInputIds ids, QString section)
    : page_(page), ids_(ids), section_(std::move(section))
{}

ChannelModeTable AnalogInputEditors::ModeTable() const
{
    ChannelModeTable table;
    table.Mode(ChannelRules::kBurnOutRangeCode, ChannelRules::kBurnOutRangeCode, {ids_.burnOut})
        .OtherModes(ChannelModeTable::kNoTags, {});
    return table;
}

void AnalogInputEditors::LoadRanges(const QString& moduleName)
{
    ranges_ = ChannelRules::ReadRangeEntries(section_, moduleName, ChannelRules::kAIRangeFields);
    auto* combo = page_.item<QComboBox>(ids_.range);
    RangeCombo::Fill(*combo, ranges_);
    const bool burnOut = combo->findData(ChannelRules::kBurnOutRangeCode) >= 0;
    for (int id : {ids_.burnOutLabel, ids_.burnOut, ids_.burnOutUnit})
        page_.showItem(id, burnOut);
}

QString AnalogInputEditors::RangeName(int code) const
{
    return RangeCombo::NameOf(ranges_, code);
}

int AnalogInputEditors::ShownCode() const
{
    const auto* combo = page_.item<QComboBox>(ids_.range);
    return combo ? RangeCombo::ShownCode(*combo, kNoRange) : kNoRange;
}

void AnalogInputEditors::Show(const AISettingBlock& setting)
{
    RangeCombo::ShowCode(*page_.item<QComboBox>(ids_.range), setting.InputRange);
    page_.enableItem(ids_.range, true);
    page_.enableItem(ids_.rangeLabel, true);
}

void AnalogInputEditors::OnCode(int code, float burnOutValue)
{
    const bool burnOut = code == ChannelRules::kBurnOutRangeCode;
    page_.setItemText(ids_.burnOut, burnOut ? QString::number(burnOutValue, 'f', kBurnOutDecimals) : QString());
}

void AnalogInputEditors::Reset()
{
    page_.enableItem(ids_.range, false);
    page_.enableItem(ids_.rangeLabel, false);
    page_.setItemText(ids_.burnOut, QString());
    page_.enableItem(ids_.burnOut, false);
}

bool AnalogInputEditors::CheckBurnOut() const
{
    if (ShownCode() != ChannelRules::kBurnOutRangeCode)
        return true;
    const QString text = page_.itemText(ids_.burnOut);
    if (text.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringBurnOutMissing), MB_OK | MB_ICONWARNING);
        return false;
    }
    if (!ChannelRules::IsValidBurnOutText(text)) {
        ShowMessageBox(FormatLangString(kStringValueRange, page_.itemText(ids_.burnOutLabel),
                                        ChannelRules::kBurnOutMinimum, ChannelRules::kBurnOutMaximum),
                       MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

void AnalogInputEditors::Read(AISettingBlock& setting) const
{
    const int code = ShownCode();
    setting.BurnOutValue = code == ChannelRules::kBurnOutRangeCode
                               ? float(ParseLeadingDouble(page_.itemText(ids_.burnOut)))
                               : kNoBurnOutValue;
    const auto* combo = page_.item<QComboBox>(ids_.range);
    const std::optional<ChannelRules::RangeEntry> entry = ChannelRules::FindRangeEntry(ranges_, combo->currentText());
    setting.InputRangeMin = entry ? ParseLeadingInt(entry->Minimum) : 0;
    setting.InputRangeMax = entry ? ParseLeadingInt(entry->Maximum) : 0;
    setting.InputRange = code;
}
