#include "DeviceInfoFetch.h"

#include "CCalibrationDlg.h"
#include "CDeviceConnection.h"
#include "CFwrUpdateDlg.h"
#include "CProgressSink.h"
#include "CToolProgressBarDlg.h" // the sink's window, complete for its inline accessors
#include "CToolWorker.h"
#include "DeviceDialogIds.h"
#include "DeviceResultTexts.h"
#include "ILogLineSink.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "PrivateTempFolder.h"
#include "ResultCodes.h"
#include "WaitCursor.h"

#include <QCoreApplication>

#include <QFile>

#include <chrono>

void DeviceTransferProgress(TransferStatus* status, int length)
{
    // A window needs no more than a few values a second, so passes in between are not shown. The
    // last value and the questions wait for the UI thread; values on the way do not.
    using Clock = std::chrono::steady_clock;
    thread_local Clock::time_point lastShown;
    const auto now = Clock::now();
    if (status->status == VORNA_TRANSFER_COMPLETE) {
        // The question whether to send the file again is a box: it is asked on the UI thread.
        CToolWorker::RunOn(QCoreApplication::instance(),
                           [status, length] { TransferStatusCallback(reinterpret_cast<quint8*>(status), length); });
    } else if (status->status != VORNA_TRANSFER_MORE) {
        lastShown = now;
        TransferStatusCallback(reinterpret_cast<quint8*>(status), length);
    } else if (now - lastShown >= kTransferProgressInterval) {
        lastShown = now;
        PostProgressMessage(TransferProgressValue(status->status, status->percent));
    }
    // A worker asked to stop ends its transfer at this report.
    if (const std::atomic<bool>* cancel = CToolWorker::CurrentCancelFlag(); cancel && *cancel)
        status->status = VORNA_TRANSFER_CANCEL;
}

DeviceInfoFetchResult FetchDeviceInfoFile(int handle, ILogLineSink* log)
{
    DeviceInfoFetchResult fetch;
    fetch.path = PrivateTempFile(QString::fromLatin1(kDeviceInfoFileName));
    if (fetch.path.isEmpty()) {
        fetch.result = VORNA_RESULT_LOCAL_FILE;
    } else {
        QFile::remove(fetch.path);
        fetch.result = VORNA_DownloadFile_Ex(handle, QFile::encodeName(fetch.path).constData(), "", kDeviceInfoFileType,
                                             DeviceTransferProgress);
    }
    GetReturnCodeText(fetch.text, fetch.result, LoadLangString(kStringLabelDownload));
    if (log)
        log->AddLogLine(fetch.text);
    return fetch;
}

namespace {

// Fills the command's panel from the fetched file; the pending message, empty when none.
QString fillPanel(int commandId, const QString& path, CFwrUpdateDlg* firmware, CCalibrationDlg* calibration)
{
    int read = kS_OK;
    if (commandId == kCmdModuleFirmware && firmware)
        read = firmware->FillControllerModules(path);
    else if (commandId == kCmdCalibration && calibration)
        read = calibration->FillFromFile(path);
    else
        return QString::fromLatin1(kUnknownFunction);
    return read == kS_OK ? QString() : QString::fromLatin1(kDeviceInfoFailed);
}

} // namespace

void FetchInformationForPanel(CDeviceConnection& connection, int commandId, CFwrUpdateDlg* firmware,
                              CCalibrationDlg* calibration, ILogLineSink* log, const DeviceInfoFetcher& fetcher)
{
    if (!connection.OnBnClickedButtonToolConnectdevice()) {
        connection.Disconnect();
        return;
    }
    DeviceInfoFetchResult fetch;
    if (fetcher) {
        fetch = fetcher(connection.handle());
    } else {
        WaitCursor wait;
        fetch = FetchDeviceInfoFile(connection.handle(), log);
    }
    QString pending;
    if (fetch.result == 0)
        pending = fillPanel(commandId, fetch.path, firmware, calibration);
    else if (fetch.result != VORNA_RESULT_CANCELLED)
        ShowMessageBox(fetch.text, MB_OK | MB_ICONERROR);
    connection.CloseConnection();
    if (!pending.isEmpty())
        ShowMessageBox(pending, MB_OK | MB_ICONWARNING);
}
