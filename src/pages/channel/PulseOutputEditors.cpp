#include "PulseOutputEditors.h"

#include "DialogControls.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextConversion.h"
#include "TextFormat.h"

namespace {

const QString kFrequencyKey = QStringLiteral("Frequency");
const QString kFrequencyRangeFormat = QStringLiteral("Hz(%.2f-%.2f)");
const QString kDutyRangeFormat = QStringLiteral("%%(%.1f-%.1f)");

QString shown(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

PulseOutputEditors::PulseOutputEditors(DialogControls& page, PulseEditorIds ids, QString section,
                                       PulseDutyRule dutyRule)
    : page_(page), ids_(ids), section_(std::move(section)), dutyRule_(dutyRule)
{}

void PulseOutputEditors::LoadFrequencyRange(const QString& modelKey)
{
    frequency_ = ChannelRules::ParseRealTriple(ChannelRules::ReadModelKeyed(section_, kFrequencyKey, modelKey),
                                               kBuiltInFrequency);
}

void PulseOutputEditors::ShowFrequencyRange()
{
    page_.setItemText(ids_.frequencyRange, FormatText(kFrequencyRangeFormat, {frequency_.minimum, frequency_.maximum}));
}

void PulseOutputEditors::Reset()
{
    Show(kResetFrequency, kResetDuty);
}

void PulseOutputEditors::Show(double frequency, double duty)
{
    page_.setItemText(ids_.frequency, shown(frequency, kFrequencyDecimals));
    page_.setItemText(ids_.duty, shown(duty, kDutyDecimals));
    UpdateDutyRange(frequency);
}

void PulseOutputEditors::UpdateDutyRange(double frequency)
{
    duty_ = dutyRule_.range(frequency, frequency_.maximum);
    const double typed = typedNumber(ids_.duty);
    if (typed < duty_.minimum || typed > duty_.maximum)
        page_.setItemText(ids_.duty, shown(kResetDuty, kDutyDecimals));
    page_.setItemText(ids_.dutyRange, FormatText(kDutyRangeFormat, {duty_.minimum, duty_.maximum}));
}

bool PulseOutputEditors::CheckFrequency()
{
    const double typed = typedNumber(ids_.frequency);
    if (typed < frequency_.minimum || typed > frequency_.maximum) {
        ShowMessageBox(FormatLangString(kStringFrequencyRange, frequency_.minimum, frequency_.maximum),
                       MB_OK | MB_ICONWARNING);
        return false;
    }
    UpdateDutyRange(typed);
    return true;
}

bool PulseOutputEditors::CheckDuty()
{
    const double typed = typedNumber(ids_.duty);
    if (typed < duty_.minimum || typed > duty_.maximum) {
        ShowMessageBox(FormatLangString(dutyRule_.outOfRangeString, duty_.minimum, duty_.maximum),
                       MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

bool PulseOutputEditors::CheckOnApply()
{
    const double typed = typedNumber(ids_.frequency);
    if (typed < frequency_.minimum || typed > frequency_.maximum) {
        ShowMessageBox(FormatLangString(kStringFrequencyRange, frequency_.minimum, frequency_.maximum),
                       MB_OK | MB_ICONWARNING);
        return false;
    }
    // The duty range of the typed frequency, without resetting what the user typed.
    duty_ = dutyRule_.range(typed, frequency_.maximum);
    page_.setItemText(ids_.dutyRange, FormatText(kDutyRangeFormat, {duty_.minimum, duty_.maximum}));
    return CheckDuty();
}

double PulseOutputEditors::ReadFrequency()
{
    const QString text = shown(typedNumber(ids_.frequency), kFrequencyDecimals);
    page_.setItemText(ids_.frequency, text);
    return ParseLeadingDouble(text);
}

double PulseOutputEditors::ReadDuty()
{
    const QString text = shown(typedNumber(ids_.duty), kDutyDecimals);
    page_.setItemText(ids_.duty, text);
    return ParseLeadingDouble(text);
}

double PulseOutputEditors::typedNumber(int id) const
{
    return ParseLeadingDouble(page_.itemText(id));
}
