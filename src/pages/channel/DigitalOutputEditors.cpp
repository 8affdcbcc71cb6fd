#include "DigitalOutputEditors.h"

#include "DialogControls.h"
#include "LanguagePack.h"

#include <QComboBox>

#include <algorithm>

DigitalOutputEditors::ColumnTexts DigitalOutputEditors::TextsOf(const OutputSettingBlock& setting,
                                                                const QStringList& modeNames)
{
    ColumnTexts texts{.mode = modeNames.value(setting.Mode)};
    if (setting.Mode == kPlainMode) {
        texts.status = LoadLangString(setting.Status ? kStringStatusOn : kStringStatusOff);
    } else {
        texts.frequency = QString::number(setting.Frequency, 'f', PulseOutputEditors::kFrequencyDecimals);
        texts.duty = QString::number(setting.DutyCycle, 'f', PulseOutputEditors::kDutyDecimals);
    }
    return texts;
}

DigitalOutputEditors::DigitalOutputEditors(DialogControls& page, OutputEditorIds ids, QString section,
                                           PulseDutyRule dutyRule)
    : page_(page), ids_(ids), pulse_(page, ids.pulse, std::move(section), dutyRule)
{}

void DigitalOutputEditors::FillStatus()
{
    if (auto* status = page_.item<QComboBox>(ids_.status)) {
        status->clear();
        status->addItems({LoadLangString(kStringStatusOff), LoadLangString(kStringStatusOn)});
    }
}

void DigitalOutputEditors::Show(const OutputSettingBlock& setting)
{
    page_.item<QComboBox>(ids_.mode)->setCurrentIndex(setting.Mode);
    page_.item<QComboBox>(ids_.status)->setCurrentIndex(setting.Status);
    pulse_.Show(setting.Frequency, setting.DutyCycle);
}

void DigitalOutputEditors::Reset()
{
    page_.item<QComboBox>(ids_.status)->setCurrentIndex(0);
    pulse_.Reset();
}

void DigitalOutputEditors::Read(OutputSettingBlock& setting)
{
    // An empty mode list (no "Mode" in DefaultSettings.ini) leaves the channel a plain output.
    setting.Mode = std::max(0, page_.item<QComboBox>(ids_.mode)->currentIndex());
    setting.Status = std::max(0, page_.item<QComboBox>(ids_.status)->currentIndex());
    setting.Frequency = pulse_.ReadFrequency();
    setting.DutyCycle = pulse_.ReadDuty();
}
