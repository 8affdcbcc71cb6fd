#include "AnalogInputEditors.h"

#include "DialogControls.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
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
    combo->clear();
    bool burnOut = false;
    for (const ChannelRules::RangeEntry& entry : ranges_) {
        const int code = ParseLeadingInt(entry.Code);
        combo->addItem(entry.Name, code);
        burnOut = burnOut || code == ChannelRules::kBurnOutRangeCode;
    }
    combo->setCurrentIndex(ranges_.empty() ? -1 : 0);
    for (int id : {ids_.burnOutLabel, ids_.burnOut, ids_.burnOutUnit})
        page_.showItem(id, burnOut);
}

QString AnalogInputEditors::RangeName(int code) const
{
    for (const ChannelRules::RangeEntry& entry : ranges_) {
        if (ParseLeadingInt(entry.Code) == code)
            return entry.Name;
    }
    return {};
}

int AnalogInputEditors::ShownCode() const
{
    const auto* combo = page_.item<QComboBox>(ids_.range);
    return combo && combo->currentIndex() >= 0 ? combo->currentData().toInt() : kNoRange;
}

void AnalogInputEditors::Show(const AISettingBlock& setting)
{
    auto* combo = page_.item<QComboBox>(ids_.range);
    const int index = combo->findData(setting.InputRange);
    combo->setCurrentIndex(index >= 0 ? index : (combo->count() > 0 ? 0 : -1));
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
