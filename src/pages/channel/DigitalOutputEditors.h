#pragma once
// The editors of a digital output channel: its mode, the status of a plain output (mode 0) and
// the pulse editors of the pulse modes. The digital output, relay and digital input/output pages
// share them; each places the column texts in its own channel list.

#include "ModuleRecords.h"
#include "PulseOutputEditors.h"

#include <QString>
#include <QStringList>

class DialogControls;

struct OutputEditorIds {
    int mode = 0;
    int status = 0;
    PulseEditorIds pulse;
};

class DigitalOutputEditors {
public:
    static constexpr unsigned kStringStatusOn = 411;
    static constexpr unsigned kStringStatusOff = 412;
    static constexpr int kPlainMode = 0;

    // The texts a channel shows in the channel list: the status for a plain output, the
    // frequency and duty for a pulse output.
    struct ColumnTexts {
        QString mode;
        QString status;
        QString frequency;
        QString duty;
    };
    static ColumnTexts TextsOf(const OutputSettingBlock& setting, const QStringList& modeNames);

    DigitalOutputEditors(DialogControls& page, OutputEditorIds ids, QString section, PulseDutyRule dutyRule = {});

    PulseOutputEditors& Pulse() { return pulse_; }
    const PulseOutputEditors& Pulse() const { return pulse_; }
    // "Off" and "On" in the status combo box.
    void FillStatus();
    void Show(const OutputSettingBlock& setting);
    // Status off and the pulse editors' first values; the mode is the page's.
    void Reset();
    void Read(OutputSettingBlock& setting);

private:
    DialogControls& page_;
    OutputEditorIds ids_;
    PulseOutputEditors pulse_;
};
