// The tool dialog's transfers: sending and reading files, the module firmware, and the worker
// that uploads, polls the device until it has processed the file and reports the outcome.

#include "CToolBaseDlg.h"

#include "CDataCenter.h"
#include "CDeviceInfoReader.h"
#include "CFwrUpdateDlg.h"
#include "CProgressSink.h"
#include "CToolProgressBarDlg.h"
#include "CUpdateDlg.h"
#include "DeviceDialogIds.h"
#include "DeviceInfoFetch.h"
#include "DeviceInfoTexts.h"
#include "DeviceResultTexts.h"
#include "ILogLineSink.h"
#include "IXMLParser.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "ResultCodes.h"
#include "TraceLog.h"
#include "WaitCursor.h"

#include <QFile>
#include <QThread>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr std::uint8_t kStatusRequest = 1;
constexpr std::uint8_t kStatusDone = 50;
constexpr std::uint8_t kStatusUnsupported = 65;
constexpr int kLastStatusText = 65;
constexpr int kPercentLimit = 99;
constexpr quint32 kStageUnit = 0x10000;
constexpr std::size_t kModuleNumberSize = 4;
constexpr int kMaxUpgradeModules = 255;
constexpr std::size_t kConfigErrorCodeOffset = 2;

// Firmware percentage record: percent, then state.
enum FirmwareState : std::uint8_t { kFwRunning = 0, kFwDone = 1, kFwFailed = 2, kFwReboot = 3, kFwRetry = 4 };

constexpr const char* kProductElement = "Product";
constexpr const char* kDeviceConfigurationElement = "DeviceConfiguration";
constexpr const char* kProjectUnreadable = "The project file cannot be read: %1";
constexpr const char* kReconnectLine = "VORNA_Connect() Reconnect to UBoot";
constexpr const char* kFirmwareUpdate = "Firmware update : %1";
constexpr const char* kExportDone = "Export configuration file : %1";
constexpr const char* kExportUpgrade = "Export configuration file : %1\r\nPlease upgrade firmware";
constexpr const char* kExportFail = "Export configuration file fail. Error code is %1.";
constexpr const char* kProcessStatus = "Process status : %1";
constexpr const char* kUnknownStatus = "Unknown status %1";
constexpr const char* kConfigErrorsCaption = "VORNA_GetConfigErrors";
constexpr const char* kConfigErrorLine = "VORNA_CheckDeviceStatus:%1 ErrorCode=%2.";
constexpr const char* kConfigErrorBox = "Configuration error in following module(s):\n";
constexpr const char* kFirmwareDoneText = "Done.";
constexpr const char* kFirmwareFailText = "Fail";
constexpr const char* kFirmwareRebootText = "Device reboot and upgrade modules";
constexpr const char* kFirmwareRetryText = "Device upgrade fail and retry";
constexpr const char* kFirmwareUnknownText = "Unknow";

// A log pane reached from a worker: each line is added on the UI thread.
class UiLogForward : public ILogLineSink {
public:
    UiLogForward(QObject* context, ILogLineSink* target) : context_(context), target_(target) {}
    void AddLogLine(const QString& text) override
    {
        if (target_)
            CToolWorker::RunOn(context_, [this, &text] { target_->AddLogLine(text); });
    }

private:
    QObject* context_;
    ILogLineSink* target_;
};

// The device's result text; a status without one names its number.
QString statusText(int status)
{
    const QString text = status <= kLastStatusText ? GetDeviceResultText(status) : QString();
    return text.isEmpty() ? QString::fromLatin1(kUnknownStatus).arg(status) : text;
}

QByteArray localName(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace

// ---- UI side ----

bool CToolBaseDlg::SendConfiguration()
{
    return SendFile(TransferKind::Configuration);
}

bool CToolBaseDlg::SendFileForProcessing()
{
    return SendFile(TransferKind::ProcessFile);
}

bool CToolBaseDlg::ReadConfiguration()
{
    return SendFile(TransferKind::ReadConfiguration);
}

int CToolBaseDlg::ShowProgressWindow(ProgressMode mode)
{
    if (cancelAfterOperation_)
        return IDCANCEL; // the user has closed the dialog meanwhile: no further window
    CToolProgressBarDlg window(mode, this, hooks_.timings.progressWindowTick);
    return window.DoModal();
}

int CToolBaseDlg::RunWorkerWithWindow(ProgressMode mode, std::function<void()> body)
{
    // The window takes values from the moment it exists, so none of the worker's is lost.
    CToolProgressBarDlg window(mode, this, hooks_.timings.progressWindowTick);
    window.Create();
    workerHandle_ = connection_->handle();
    workerHoldsHandle_ = true;
    deviceIp_ = connection_->connectedAddress();
    noMoreWindows_ = false;
    uploadEnded_ = false;
    worker_.Start(std::move(body));
    const int result = window.DoModal();
    if (result != IDOK) {
        StopWorker(); // Cancel: the worker stops at its next chunk or poll and is joined here
        return result;
    }
    // The window closes on the transfer's last percent, which comes just before the transfer
    // returns: its outcome decides which window follows.
    while (!uploadEnded_ && worker_.running())
        CToolWorker::Pump();
    return result;
}

bool CToolBaseDlg::SendFile(TransferKind kind)
{
    transferDone_ = true;
    reader_->ClearLayoutKnown();
    kind_ = kind;
    if (kind == TransferKind::Configuration) {
        const FetchOutcome fetched = FetchInformationWithTicker();
        if (fetched == FetchOutcome::Failed)
            pendingMessage_ = QString::fromLatin1(kDeviceInfoFailed);
        if (fetched != FetchOutcome::Loaded)
            return true;
    }
    const QString path = filePage_ ? filePage_->ChosenPath() : QString();
    if (path.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringNoFileChosen), MB_OK | MB_ICONWARNING);
        return true;
    }
    if (kind == TransferKind::Configuration && !CheckProjectLayout(path))
        return false;
    localPath_ = path;
    windowReady_ = false;
    const int result = RunWorkerWithWindow(ProgressMode::FileTransfer, [this] { DownloadConfigThread(); });
    transferRunning_ = true;
    const bool processed = kind != TransferKind::ReadConfiguration;
    if (result == IDOK && processed && transferDone_) {
        windowReady_ = true;
        if (ShowProgressWindow(ProgressMode::Initialization) != IDOK)
            StopWorker();
    } else if (processed) {
        windowReady_ = true;
    }
    return true;
}

void CToolBaseDlg::StartInformationFetch(int handle, DeviceInfoFetchResult& fetch)
{
    fetchWorker_.Start([this, handle, &fetch] {
        UiLogForward log(this, log_);
        fetch = FetchDeviceInfoFile(handle, &log);
        tickerRun_ = false; // ends the ticker, when one runs
    });
}

DeviceInfoFetchResult CToolBaseDlg::FetchInformationOnWorker(int handle)
{
    DeviceInfoFetchResult fetch;
    WaitCursor wait;
    StartInformationFetch(handle, fetch);
    fetchWorker_.Join();
    return fetch;
}

CToolBaseDlg::FetchOutcome CToolBaseDlg::FetchInformationWithTicker()
{
    CToolProgressBarDlg window(ProgressMode::FileTransfer, this, hooks_.timings.progressWindowTick);
    window.Create();
    tickerRun_ = true;
    DeviceInfoFetchResult fetch;
    StartInformationFetch(connection_->handle(), fetch);
    tickerWorker_.Start([this] { RunTicker(); });
    const bool windowCancelled = window.DoModal() != IDOK;
    if (windowCancelled) {
        tickerRun_ = false;
        fetchWorker_.RequestCancel();
    }
    fetchWorker_.Join();
    tickerWorker_.Join();
    // A fetch the user stopped is no failure to report.
    if (windowCancelled || fetchWorker_.cancelled() || fetch.result == VORNA_RESULT_CANCELLED)
        return FetchOutcome::Cancelled;
    if (fetch.result != 0) {
        ShowMessageBox(fetch.text, MB_OK | MB_ICONERROR);
        return FetchOutcome::Failed;
    }
    QThread::msleep(static_cast<unsigned long>(hooks_.timings.afterFetch.count()));
    return reader_->LoadDeviceInfoFile(nullptr, fetch.path) == kS_OK ? FetchOutcome::Loaded : FetchOutcome::Failed;
}

bool CToolBaseDlg::CheckProjectLayout(const QString& projectPath)
{
    XMLParserPtr parser(CreateXMLParser());
    IXMLElement* root = nullptr;
    if (!parser || parser->Load(projectPath, &root) != kXMLOk) {
        // Reported and closed rather than leaving the connection open behind a silent stop.
        pendingMessage_ = QString::fromLatin1(kProjectUnreadable).arg(projectPath);
        CommonEnd();
        return false;
    }
    connection_->Disconnect();
    IXMLElement* product = root->FindChild(QString::fromLatin1(kProductElement));
    reader_->ReadProjectSlotLayout(product ? product->FindChild(QString::fromLatin1(kDeviceConfigurationElement))
                                           : nullptr);
    parser->Release(root);
    const bool differ = reader_->CompareLayouts();
    if (differ && reader_->IsLayoutKnown() && !hooks_.confirmLayout(reader_->DeviceLayout())) {
        reader_->ClearLayoutKnown();
        return false;
    }
    if (!connection_->OnBnClickedButtonToolConnectdevice()) {
        connection_->Disconnect();
        return false;
    }
    reader_->ClearLayoutKnown();
    return true;
}

bool CToolBaseDlg::UpdateModuleFirmware()
{
    if (!firmware_)
        return true;
    QString infoPath;
    const int fetched = FetchInformation(infoPath);
    if (fetched == VORNA_RESULT_CANCELLED)
        return true;
    if (fetched == 0)
        firmware_->FillControllerModules(infoPath);
    builtInFirmware_ = firmware_->IsCurrentFormat();
    QList<int> modules;
    QString path;
    if (builtInFirmware_) {
        WaitCursor wait;
        path = firmware_->BuildChosenFirmware();
        for (int i = 0; i < static_cast<int>(firmware_->records().size()); ++i)
            modules.append(i);
    } else {
        path = firmware_->itemText(kEditFilePath);
        modules = firmware_->ChosenModules();
    }
    if (path.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringNoFileChosen), MB_OK | MB_ICONWARNING);
        return true;
    }
    if (modules.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringNoModuleChosen) + QStringLiteral(" return fail."), MB_OK | MB_ICONERROR);
        return true;
    }
    modules = modules.mid(0, kMaxUpgradeModules);
    QByteArray items(modules.size() * static_cast<int>(kModuleNumberSize), '\0');
    for (int i = 0; i < modules.size(); ++i)
        qToLittleEndian<std::int32_t>(modules[i], items.data() + i * kModuleNumberSize);
    std::uint16_t result = 0;
    const int upgrade = CallDevice([&](int handle) {
        return VORNA_UpgradeModelInfo(handle, static_cast<std::uint16_t>(modules.size()),
                                      reinterpret_cast<const std::uint8_t*>(items.constData()), &result);
    });
    Report(kStringLabelUpgradeModel, upgrade, upgrade != 0);
    if (upgrade != 0)
        return true;

    kind_ = TransferKind::Firmware;
    localPath_ = path;
    windowReady_ = false;
    const int sent = RunWorkerWithWindow(ProgressMode::FileTransfer, [this] { DownloadConfigThread(); });
    transferRunning_ = true;
    if (transferDone_ && sent == IDOK) {
        bool go = true;
        if (builtInFirmware_) {
            windowReady_ = true;
            go = ShowProgressWindow(ProgressMode::Uncompressing) == IDOK;
        }
        if (go) {
            windowReady_ = true;
            go = ShowProgressWindow(builtInFirmware_ ? ProgressMode::Upgrading
                                                     : ProgressMode::InitializationClosable) == IDOK;
        }
        if (!go)
            StopWorker();
    } else {
        windowReady_ = true;
    }
    return true;
}

// ---- worker side ----

void CToolBaseDlg::WorkerLog(const QString& text)
{
    CToolWorker::RunOn(this, [this, &text] { Log(text); });
}

void CToolBaseDlg::WorkerBox(const QString& text)
{
    CToolWorker::RunOn(this, [&text] { ShowMessageBox(text, MB_OK); });
}

void CToolBaseDlg::Complete()
{
    quint8 record[kTransferStatusLength] = {kTransferStateLast, 100};
    TransferStatusCallback(record, kTransferStatusLength);
}

void CToolBaseDlg::SendNextProgress(int& stage, int& percent)
{
    PostProgressMessage(static_cast<quint32>(stage) * kStageUnit + static_cast<quint32>(percent));
    if (++percent > kPercentLimit) {
        percent = 0;
        ++stage;
    }
}

void CToolBaseDlg::RunTicker()
{
    int stage = 1;
    int percent = 0;
    while (tickerRun_ && !tickerWorker_.cancelled()) {
        SendNextProgress(stage, percent);
        CToolWorker::Sleep(hooks_.timings.tick);
    }
    Complete();
}

bool CToolBaseDlg::WaitForNextWindow()
{
    while (!windowReady_ && !noMoreWindows_)
        if (!CToolWorker::Sleep(hooks_.timings.readyCheck))
            return false;
    if (!CToolWorker::Sleep(hooks_.timings.afterReady))
        return false;
    windowReady_ = false;
    return true;
}

std::chrono::milliseconds CToolBaseDlg::SwitchTimeout() const
{
    if (hooks_.timings.switchTimeout)
        return *hooks_.timings.switchTimeout;
    return std::chrono::seconds(std::max(model_.SwitchTimeout, 0));
}

void CToolBaseDlg::DownloadConfigThread()
{
    if (commandId_ == kCmdLogSettings) {
        LogSettingsThread();
        return;
    }
    switch (kind_) {
    case TransferKind::Firmware:
    case TransferKind::Configuration:
    case TransferKind::ProcessFile:
        TransferThread();
        return;
    case TransferKind::ReadConfiguration: {
        const int result = VORNA_DownloadFile_Ex(workerHandle_, localName(localPath_).constData(), "",
                                                 static_cast<std::uint8_t>(kind_), DeviceTransferProgress);
        const QString text = ResultText(kStringLabelDownload, result);
        WorkerLog(text);
        if (result != 0 && !worker_.cancelled())
            WorkerBox(text);
        Complete();
        return;
    }
    }
    const QString text = ResultText(kStringLabelWorker, 0);
    WorkerLog(text);
    WorkerBox(text);
    Complete();
}

int CToolBaseDlg::PollDeviceStatus(std::uint8_t& status, bool timeoutIsUpdate, bool& timedOut)
{
    int stage = 1;
    int percent = 0;
    for (int polls = 0; status < kStatusDone; ++polls) {
        if (polls >= hooks_.timings.maxStatusPolls)
            return VORNA_RESULT_TIMEOUT;
        const int result = VORNA_CheckDeviceStatus(workerHandle_, kStatusRequest, &status);
        if (result == VORNA_RESULT_TIMEOUT && timeoutIsUpdate) {
            timedOut = true;
            return 0;
        }
        if (result != 0)
            return result;
        if (transferRunning_)
            SendNextProgress(stage, percent);
        if (status < kStatusDone && !CToolWorker::Sleep(hooks_.timings.statusPoll))
            return VORNA_RESULT_CANCELLED;
    }
    return 0;
}

QString CToolBaseDlg::StatusReport(std::uint8_t status, const QString& firmwareText)
{
    switch (kind_) {
    case TransferKind::Firmware:
        if (builtInFirmware_ && status == kStatusDone)
            return firmwareText;
        return QString::fromLatin1(kFirmwareUpdate).arg(statusText(status));
    case TransferKind::Configuration:
        if (status > kLastStatusText)
            return QString::fromLatin1(kExportFail).arg(status);
        ReportConfigErrors();
        return QString::fromLatin1(status == kStatusUnsupported ? kExportUpgrade : kExportDone).arg(statusText(status));
    default:
        return QString::fromLatin1(kProcessStatus).arg(statusText(status));
    }
}

void CToolBaseDlg::TransferThread()
{
    const int upload = VORNA_UploadFile_ulTEK_Ex(workerHandle_, localName(localPath_).constData(), "",
                                                 static_cast<std::uint8_t>(kind_), DeviceTransferProgress);
    transferDone_ = upload == 0;
    uploadEnded_ = true;
    const QString uploadText = ResultText(kStringLabelUpload, upload);
    WorkerLog(uploadText);
    if (upload != 0) {
        if (!worker_.cancelled())
            WorkerBox(uploadText);
        Complete();
        Complete();
        return;
    }
    if (!WaitForNextWindow())
        return;

    QString firmwareText;
    std::uint8_t status = 0;
    int result = 0;
    configErrors_.clear();
    bool timedOut = false;
    if (kind_ == TransferKind::Firmware && builtInFirmware_) {
        SendProgressMessage(0);
        result = PollDeviceStatus(status, true, timedOut);
        if (result == 0 && (status == kStatusDone || timedOut)) {
            windowReady_ = false;
            Complete();
            if (!WaitForNextWindow())
                return;
            result = UpdateFirmware(firmwareText);
            status = kStatusDone;
        }
    } else {
        result = PollDeviceStatus(status, false, timedOut);
    }
    if (worker_.cancelled())
        return;
    CToolWorker::Sleep(hooks_.timings.beforeReport);
    if (result != 0) {
        Complete();
        const QString text = ResultText(kStringLabelStatus, result);
        WorkerLog(text);
        WorkerBox(text);
        return;
    }
    const QString text = StatusReport(status, firmwareText);
    Complete();
    WorkerLog(text);
    WorkerBox(text);
    if (configErrors_.empty())
        return;
    QString box = QString::fromLatin1(kConfigErrorBox);
    for (const auto& [module, code] : configErrors_) {
        WorkerLog(QString::fromLatin1(kConfigErrorLine).arg(module).arg(code));
        box += module + QStringLiteral("\r\n");
    }
    WorkerBox(box);
}

void CToolBaseDlg::ReportConfigErrors()
{
    ConfigErrorList errors{};
    const int result = VORNA_GetConfigErrors(workerHandle_, &errors);
    if (result != 0) {
        WorkerBox(ResultText(QString::fromLatin1(kConfigErrorsCaption), result));
        return;
    }
    std::vector<std::pair<std::uint16_t, std::uint32_t>> entries;
    for (int i = 0; i < std::min<int>(errors.count, VORNA_LIST_LIMIT); ++i)
        entries.emplace_back(qFromLittleEndian<std::uint16_t>(errors.entries[i]),
                             qFromLittleEndian<std::uint32_t>(errors.entries[i] + kConfigErrorCodeOffset));
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [slot, code] : entries)
        configErrors_.emplace_back(FormatErrorSlot(slot), code);
}

int CToolBaseDlg::ConnectToBootLoader()
{
    const ToolTimings& timings = hooks_.timings;
    int result = 0;
    for (int attempt = 1;; ++attempt) {
        std::int32_t handle = 0;
        result = VORNA_Connect(deviceIp_.constData(), hooks_.bootLoaderPort.value_or(hooks_.connection.port),
                               static_cast<std::uint32_t>(timings.bootConnectTimeout.count()), &handle);
        if (result == 0) {
            workerHandle_ = handle;
            // A stop that came while connecting found no handle to end the wait on: stop here.
            return worker_.cancelled() ? VORNA_RESULT_CANCELLED : 0;
        }
        if (!CToolWorker::Sleep(timings.reconnectWait))
            return VORNA_RESULT_CANCELLED;
        WorkerLog(QString::fromLatin1(kReconnectLine));
        if (attempt >= timings.bootConnectAttempts)
            return result;
    }
}

int CToolBaseDlg::UpdateFirmware(QString& resultText)
{
    if (workerHandle_ != 0) {
        VORNA_Disconnect(workerHandle_);
        workerHandle_ = 0;
    }
    resultText.clear();
    auto report = [&resultText](const char* text) {
        resultText = QString::fromLatin1(kFirmwareUpdate).arg(QLatin1String(text));
    };
    for (int round = 0; round < hooks_.timings.maxBootRounds; ++round) {
        if (!CToolWorker::Sleep(SwitchTimeout()))
            return VORNA_RESULT_CANCELLED;
        if (const int connected = ConnectToBootLoader(); connected != 0)
            return connected;
        if (const int registered = VORNA_RegisterToBootLoader(workerHandle_); registered != 0)
            return registered;
        std::uint8_t record[VORNA_PUSHED_PAYLOAD_SIZE] = {};
        if (const int read = VORNA_GetFwUpgradePpercentage(workerHandle_, record); read != 0)
            return read;
        while (record[1] == kFwRunning) {
            if (worker_.cancelled())
                return VORNA_RESULT_CANCELLED;
            quint8 progress[kTransferStatusLength] = {kTransferStateLast,
                                                      static_cast<quint8>(std::min<int>(record[0], kPercentLimit))};
            TransferStatusCallback(progress, kTransferStatusLength);
            if (const int read = VORNA_GetFwUpgradePpercentage(workerHandle_, record); read != 0)
                return read;
        }
        switch (record[1]) {
        case kFwDone:
            Complete();
            report(kFirmwareDoneText);
            return 0;
        case kFwFailed:
            report(kFirmwareFailText);
            return 0;
        case kFwReboot:
        case kFwRetry: {
            report(record[1] == kFwReboot ? kFirmwareRebootText : kFirmwareRetryText);
            const int closed = VORNA_Disconnect(workerHandle_);
            workerHandle_ = 0;
            if (record[1] == kFwRetry)
                SendProgressRetryNotice(1);
            WorkerLog(resultText);
            if (closed != 0)
                return closed;
            break;
        }
        default:
            report(kFirmwareUnknownText);
            return 0;
        }
    }
    // The device kept rebooting or retrying: stop after the last round rather than poll forever.
    return VORNA_RESULT_TIMEOUT;
}
