#pragma once
// The modal progress window of the long device operations. Workers never touch it: their values
// arrive through the process-wide progress sink (stage * 0x10000 + percent). It ends by itself
// (IDOK) at the first tick after the bar reached 100, or with IDCANCEL from its Cancel button.

#include "CDialogBase.h"

#include <QTimer>

#include <chrono>

enum class ProgressMode {
    FileTransfer = 0,
    Initialization = 1,
    InitializationClosable = 2,
    Processing = 3,
    Upgrading = 4,
    Uncompressing = 5,
};

inline constexpr const char* kProgressWindowTitle = "Pelandrix Progress";
inline constexpr std::chrono::milliseconds kProgressTick{1000};

class CToolProgressBarDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit CToolProgressBarDlg(ProgressMode mode, QWidget* parent = nullptr,
                                 std::chrono::milliseconds tick = kProgressTick);
    ~CToolProgressBarDlg() override;

    // A progress value: bits 0-7 the percent, bits 16-23 the stage.
    void OnCopyData(quint32 value);
    // wParam not 0 shows the retry mark.
    void OnRetryNotice(int wParam);
    // One tick of the close timer.
    void OnTimer();

    // The status text a mode shows for a value.
    static QString StatusText(ProgressMode mode, quint32 value);

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    ProgressMode mode_;
    QTimer timer_;
};
