#pragma once
// The clock page: the PC's time, or a date and time the user gives. Inside the tool dialog the
// time-sync operation reads it over the dialog's connection; run on its own (Finish) it opens a
// connection of its own, sets the clock and closes that connection again.

#include "COperationPanel.h"

#include "VORNA.h"

#include <QDateTime>

#include <chrono>

class QDateEdit;
class QTimeEdit;

inline constexpr std::chrono::milliseconds kTimeSyncConnectTimeout{6000};

class CTimeSyncDlg : public COperationPanel {
    Q_OBJECT
public:
    CTimeSyncDlg(int commandId, int width, int height, QWidget* toolDialog);

    bool UsesPcTime() const { return usePcTime_; }
    void SetGivenTime(const QDateTime& time);
    // The time to send: the PC's local time (now), or the given date and time with 500 ms.
    VornaSystemTime TimeToSend(const QDateTime& now = QDateTime::currentDateTime()) const;

    // Finish: connects to the address (port, time-out), sets the clock and closes the connection;
    // library failures in message boxes. The library result of the first failed step, else 0.
    int OnWizardFinish(const QString& deviceAddress, int port = VORNA_DEFAULT_PORT,
                       std::chrono::milliseconds timeout = kTimeSyncConnectTimeout);

    QDateEdit* datePicker() const { return date_; }
    QTimeEdit* timePicker() const { return time_; }

protected:
    bool OnInitDialog() override;

private:
    void OnTimeChoiceChanged();

    bool usePcTime_ = true;
    QDateEdit* date_ = nullptr;
    QTimeEdit* time_ = nullptr;
};
