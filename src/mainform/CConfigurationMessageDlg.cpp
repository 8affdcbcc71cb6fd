#include "CConfigurationMessageDlg.h"

#include "CColorStatic.h"
#include "ProjectDialogIds.h"
#include "TextFormat.h"
#include "WarningIcon.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr QStringView kCPUCode = u"CPU";
constexpr QStringView kPowerCodePrefix = u"PK"; // the letters of the power modules' codes PK1 and PK2
constexpr QStringView kCPULineFormat = u"Slot%d(CPU): %s";
constexpr QStringView kPowerLineFormat = u"Slot%d(PWR): %s";
constexpr QStringView kModuleLineFormat = u"Slot%d: %s";

static_assert(std::size(kConfigurationLineIds) == CConfigurationMessageDlg::kMaxLines);

QStringView lineFormatOf(const QString& name)
{
    if (name.contains(kCPUCode))
        return kCPULineFormat;
    if (name.contains(kPowerCodePrefix))
        return kPowerLineFormat;
    return kModuleLineFormat;
}

} // namespace

CConfigurationMessageDlg::CConfigurationMessageDlg(std::vector<SlotConfigEntry> entries, QWidget* parent)
    : CDialogBase(kTemplateConfigurationMessage, parent), entries_(std::move(entries))
{}

QString CConfigurationMessageDlg::FormatSlotLine(const SlotConfigEntry& entry)
{
    return FormatText(lineFormatOf(entry.name), {entry.slot, entry.name});
}

bool CConfigurationMessageDlg::OnInitDialog()
{
    if (hasControl(kIconConfigurationWarning))
        ShowWarningIcon(control(kIconConfigurationWarning));
    const size_t shown = std::min(entries_.size(), static_cast<size_t>(kMaxLines));
    for (size_t i = 0; i < shown; ++i) {
        auto* line = item<CColorStatic>(kConfigurationLineIds[i]);
        if (!line)
            continue;
        line->setText(FormatSlotLine(entries_[i]));
        if (entries_[i].differs)
            line->ChangeTextColor(kDifferingColor);
    }
    return true;
}
