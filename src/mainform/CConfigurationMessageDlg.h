#pragma once
// The warning that a controller's modules differ from the project's, shown before the
// configuration is sent: one line per slot of the controller, at most sixteen, the differing ones
// in red. IDOK goes on with sending; any other result stops it.

#include "CDialogBase.h"
#include "SlotConfigEntry.h"

#include <QColor>
#include <QString>

#include <vector>

class CConfigurationMessageDlg : public CDialogBase {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 16;
    static inline const QColor kDifferingColor{255, 0, 0};

    // The slots as the send operation read them from the controller.
    explicit CConfigurationMessageDlg(std::vector<SlotConfigEntry> entries, QWidget* parent = nullptr);

    // "Slot%d(CPU): %s", "Slot%d(PWR): %s" or "Slot%d: %s" by the module's name.
    static QString FormatSlotLine(const SlotConfigEntry& entry);

protected:
    bool OnInitDialog() override;

private:
    std::vector<SlotConfigEntry> entries_;
};
