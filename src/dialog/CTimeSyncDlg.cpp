#include "CTimeSyncDlg.h"

#include "DeviceDialogIds.h"
#include "DeviceResultTexts.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QTimeEdit>

namespace {

constexpr int kGivenMilliseconds = 500;
constexpr const char* kTimeFormat = "HH:mm:ss";
constexpr int kDateAndTimeControls[] = {kDatePicker, kTimePicker, kStaticDateLabel, kStaticTimeLabel};

// The picker takes the place (and the id's role) of the template's placeholder control.
template <class Picker>
Picker* placePicker(QWidget* placeholder)
{
    auto* picker = new Picker(placeholder ? placeholder->parentWidget() : nullptr);
    // The layout hands back the placeholder's item, which is ours to delete.
    if (placeholder && placeholder->parentWidget() && placeholder->parentWidget()->layout())
        delete placeholder->parentWidget()->layout()->replaceWidget(placeholder, picker);
    if (placeholder)
        placeholder->hide();
    return picker;
}

VornaSystemTime systemTime(const QDate& date, const QTime& time, int milliseconds)
{
    VornaSystemTime out{};
    out.wYear = static_cast<uint16_t>(date.year());
    out.wMonth = static_cast<uint16_t>(date.month());
    out.wDay = static_cast<uint16_t>(date.day());
    out.wHour = static_cast<uint16_t>(time.hour());
    out.wMinute = static_cast<uint16_t>(time.minute());
    out.wSecond = static_cast<uint16_t>(time.second());
    out.wMilliseconds = static_cast<uint16_t>(milliseconds);
    return out;
}

// Shows a failed step's result text; true when the step succeeded.
bool reportStep(unsigned label, int result)
{
    if (result == 0)
        return true;
    QString text;
    GetReturnCodeText(text, result, LoadLangString(label));
    ShowMessageBox(text, MB_OK | MB_ICONERROR);
    return false;
}

} // namespace

CTimeSyncDlg::CTimeSyncDlg(int commandId, int width, int height, QWidget* toolDialog)
    : COperationPanel(kTemplateTimeSync, commandId, width, height, toolDialog)
{}

bool CTimeSyncDlg::OnInitDialog()
{
    date_ = placePicker<QDateEdit>(control(kDatePicker));
    date_->setCalendarPopup(true);
    date_->setDate(QDate::currentDate());
    time_ = placePicker<QTimeEdit>(control(kTimePicker));
    time_->setDisplayFormat(QString::fromLatin1(kTimeFormat));
    time_->setTime(QTime::currentTime());
    checkItem(kRadioUsePcTime, true);
    onChanged(kRadioUsePcTime, [this] { OnTimeChoiceChanged(); });
    onChanged(kRadioUseGivenTime, [this] { OnTimeChoiceChanged(); });
    OnTimeChoiceChanged();
    return true;
}

void CTimeSyncDlg::OnTimeChoiceChanged()
{
    usePcTime_ = !isItemChecked(kRadioUseGivenTime);
    for (const int id : kDateAndTimeControls)
        enableItem(id, !usePcTime_);
    if (date_)
        date_->setEnabled(!usePcTime_);
    if (time_)
        time_->setEnabled(!usePcTime_);
}

void CTimeSyncDlg::SetGivenTime(const QDateTime& time)
{
    if (date_)
        date_->setDate(time.date());
    if (time_)
        time_->setTime(time.time());
}

VornaSystemTime CTimeSyncDlg::TimeToSend(const QDateTime& now) const
{
    if (usePcTime_ || !date_ || !time_)
        return systemTime(now.date(), now.time(), now.time().msec());
    return systemTime(date_->date(), time_->time(), kGivenMilliseconds);
}

int CTimeSyncDlg::OnWizardFinish(const QString& deviceAddress, int port, std::chrono::milliseconds timeout)
{
    const VornaSystemTime time = TimeToSend();
    const int init = VORNA_Init();
    if (!reportStep(kStringLabelInit, init))
        return init;
    std::int32_t handle = 0;
    const int connected =
        VORNA_Connect(deviceAddress.toLatin1().constData(), port, static_cast<std::uint32_t>(timeout.count()), &handle);
    if (!reportStep(kStringLabelConnect, connected)) {
        VORNA_Exit();
        return connected;
    }
    const int synced = VORNA_TimeSync(handle, time);
    reportStep(kStringLabelTimeSync, synced);
    // The page's own connection ends with the sync, so no connection of it is left open.
    VORNA_Disconnect(handle);
    VORNA_Exit();
    return synced;
}
