#pragma once
// The pulse output editors of the digital output, digital input/output and relay pages: the pulse
// frequency within the module model's range ([section] "<APID>Frequency" or "Frequency") and the
// duty cycle within the range the frequency allows (ChannelRules::DutyCycleRange). The page wires
// the checks to its edits' focus loss (CChannelPageBase::CheckOnFocusLoss) and calls
// CheckOnApply before it reads the editors, so a value typed without leaving the edit is
// checked too.

#include "ChannelRules.h"

#include <QString>

class DialogControls;

// How the duty range follows the frequency, and the message of a duty outside it.
struct PulseDutyRule {
    ChannelRules::DutyRange (*range)(double frequency, double maximumFrequency) = &ChannelRules::DutyCycleRange;
    unsigned outOfRangeString = 864; // minimum, maximum
};

struct PulseEditorIds {
    int frequency = 0;
    int duty = 0;
    int frequencyRange = 0; // "Hz(%.2f-%.2f)"
    int dutyRange = 0;      // "%(%.1f-%.1f)"
};

class PulseOutputEditors {
public:
    static constexpr unsigned kStringFrequencyRange = 710; // minimum, maximum
    static constexpr unsigned kStringDutyRange = PulseDutyRule().outOfRangeString;
    static constexpr int kFrequencyDecimals = 2;
    static constexpr int kDutyDecimals = 1;
    static constexpr double kResetFrequency = 1.0;
    static constexpr double kResetDuty = 50.0;
    static constexpr ChannelRules::RealTriple kBuiltInFrequency{1.0, 0.1, 1000.0};

    PulseOutputEditors(DialogControls& page, PulseEditorIds ids, QString section, PulseDutyRule dutyRule = {});

    // Reads the frequency range for the module model.
    void LoadFrequencyRange(const QString& modelKey);
    const ChannelRules::RealTriple& FrequencyRange() const { return frequency_; }
    const ChannelRules::DutyRange& DutyRange() const { return duty_; }
    void ShowFrequencyRange();
    // "1.00" and "50.0" with the duty range of 1 Hz.
    void Reset();
    void Show(double frequency, double duty);
    // The duty range of the frequency; a duty outside it becomes "50.0".
    void UpdateDutyRange(double frequency);

    // Each shows its message when the value is out of range.
    bool CheckFrequency();
    bool CheckDuty();
    // Frequency, then the duty against the range of the typed frequency.
    bool CheckOnApply();
    // The edits' values as shown ("%.2f", "%.1f"), written back into the edits.
    double ReadFrequency();
    double ReadDuty();

private:
    double typedNumber(int id) const;

    DialogControls& page_;
    PulseEditorIds ids_;
    QString section_;
    PulseDutyRule dutyRule_;
    ChannelRules::RealTriple frequency_ = kBuiltInFrequency;
    ChannelRules::DutyRange duty_{ChannelRules::kSmallestDuty, ChannelRules::kLargestDuty};
};
