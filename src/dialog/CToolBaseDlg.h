#pragma once
// The one modal dialog through which every on-line operation on a controller runs: the user picks
// or searches a device, and OK runs the operation of the menu command once (connect and log in,
// the device calls, each reported in the log pane and, where the user asked for it, in a box, then
// the connection closed). Long transfers run on a worker thread while a progress window is shown;
// the worker is stopped and joined before the connection closes and before the dialog goes away.
// While an operation runs, no button starts another one, and Cancel only stops the operation (the
// dialog closes once it has ended). Enter never runs the operation.

#include "CDeviceConnection.h"
#include "CDialogBase.h"
#include "CToolWorker.h"
#include "DeviceInfoFetch.h"
#include "LogSettingsBlocks.h"
#include "SlotConfigEntry.h"
#include "ToolTimings.h"

#include "VORNA.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CCalibrationDlg;
class CDataCenter;
class CMessageDlg;
class CDeviceInfoReader;
class CFwrUpdateDlg;
class CGetDeviceInfoDlg;
class CModifyPasswordDlg;
class CTimeSyncDlg;
class CUpdateDlg;
class COperationPanel;
class ILogLineSink;
enum class ProgressMode;

// What the dialog asks of the program around it; each has a default.
struct ToolDialogHooks {
    // The question before a configuration is sent; true for Yes.
    std::function<bool()> confirmSend;
    // The slot comparison when the device's modules differ from the project's; true for OK.
    std::function<bool(const std::vector<SlotConfigEntry>&)> confirmLayout;
    // Starts the console program with its arguments; false when it cannot be started.
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;
    // The main frame's last device address, shown when the dialog opens.
    QString lastDeviceAddress;
    DeviceConnectionOptions connection;
    // The boot loader's port; none: the connection's.
    std::optional<int> bootLoaderPort;
    ToolTimings timings;
};

// The file selector of the worker's transfer.
enum class TransferKind : std::uint8_t { Firmware = 0, ReadConfiguration = 1, Configuration = 5, ProcessFile = 6 };

class CToolBaseDlg : public CDialogBase {
    Q_OBJECT
public:
    CToolBaseDlg(CDataCenter& model, ILogLineSink* log, int commandId, const QString& extraText,
                 ToolDialogHooks hooks = {}, QWidget* parent = nullptr);
    ~CToolBaseDlg() override;

    int commandId() const { return commandId_; }
    // The operation of the command, once (OK); the read-settings button runs it with the flag set.
    // Nothing while an operation runs.
    void RunToolFunction();
    void OnReadSettings();
    // The get-information button (40018 and 40038): fetch the information file into the page.
    void OnBnClickedButtonGet();
    bool operationRunning() const { return operationRunning_; }

    // The pages (nullptr when the command has none).
    CTimeSyncDlg* timeSyncPage() const { return timeSync_; }
    CUpdateDlg* filePage() const { return filePage_; }
    CFwrUpdateDlg* firmwarePage() const { return firmware_; }
    CCalibrationDlg* calibrationPage() const { return calibration_; }
    CModifyPasswordDlg* passwordPage() const { return password_; }
    CGetDeviceInfoDlg* infoPage() const { return infoPage_; }
    CMessageDlg* noticePanel() const { return notice_; }
    CDeviceConnection& connection() { return *connection_; }
    std::vector<SlotConfigEntry> DeviceLayout() const;

    // The worker of the current transfer (tests stop it through the progress window's Cancel).
    const CToolWorker& worker() const { return worker_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // Enter anywhere in the dialog: the address check, and the information fetch where there is one.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Operation {
        int commandId;
        bool (CToolBaseDlg::*run)(); // false: ended without closing the connection
    };
    static const Operation* FindOperation(int commandId);

    void CreatePage();
    void CreateMessagePanel();
    // Runs work unless an operation runs already; a Cancel that came meanwhile closes the dialog after it.
    void RunExclusive(const std::function<void()>& work);
    void RunOperation();
    void OnEnterKey();
    void OnSelchangeDeviceAddress();
    template <class Page>
    Page* PlacePage(int width, int height);

    // Reporting: "<caption> return <text>" to the log, and to a box when asked (or on failure).
    // A call the user stopped is logged but never shown in a box.
    QString ResultText(unsigned caption, int code) const;
    QString ResultText(const QString& caption, int code) const;
    void Log(const QString& text) const;
    void Report(unsigned caption, int code, bool box) const;
    void ShowFailure(unsigned caption, int code) const;
    // A device call on the call worker while the dialog keeps handling events (wait cursor shown),
    // so that Cancel ends its wait on the controller. VORNA_RESULT_CANCELLED without a call once
    // the user has asked to stop.
    int CallDevice(const std::function<int(int handle)>& call);
    bool Confirm(unsigned question) const;
    void CommonEnd();

    // Operations; false when one ends without the common end.
    bool SendConfiguration();
    bool ReadDeviceInformation();
    bool SetDeviceClock();
    bool RestartDevice();
    bool ResetDevice();
    bool UpdateModuleFirmware();
    bool SendFileForProcessing();
    bool ReadConfiguration();
    bool WarmReset();
    bool Calibrate();
    bool ChangePassword();
    bool ResetIecRuntime();
    bool ReadIecResources();
    bool LogSettings();
    bool OpenDiagnosticConsole();

    // Sending a file (40013, 40019, 40020); false when the operation ends without the common end.
    bool SendFile(TransferKind kind);
    enum class FetchOutcome { Loaded, Failed, Cancelled };
    FetchOutcome FetchInformationWithTicker();
    bool CheckProjectLayout(const QString& projectPath);
    int FetchInformation(QString& path);
    // The information fetch on the fetch worker, so that Cancel can stop it; fetch is written by
    // the worker and complete once it is joined.
    void StartInformationFetch(int handle, DeviceInfoFetchResult& fetch);
    // Starts the fetch and joins it while the dialog keeps handling events (wait cursor shown).
    DeviceInfoFetchResult FetchInformationOnWorker(int handle);
    // Runs the worker with a progress window in mode; the window's result.
    int RunWorkerWithWindow(ProgressMode mode, std::function<void()> body);
    void RunTicker();
    int ShowProgressWindow(ProgressMode mode);
    // Cancel: the worker stops at its next chunk, poll or wait; both join it.
    void StopWorker();
    void JoinWorker();

    // Worker side.
    void DownloadConfigThread();
    void TransferThread();
    void LogSettingsThread();
    int UpdateFirmware(QString& resultText);
    int PollDeviceStatus(std::uint8_t& status, bool timeoutIsUpdate, bool& timedOut);
    int ConnectToBootLoader();
    bool WaitForNextWindow();
    void Complete();
    QString StatusReport(std::uint8_t status, const QString& firmwareText);
    void SendNextProgress(int& stage, int& percent);
    void ReportConfigErrors();
    void ShowLogEnableResult();
    void WorkerLog(const QString& text);
    void WorkerBox(const QString& text);
    std::chrono::milliseconds SwitchTimeout() const;

    CDataCenter& model_;
    ILogLineSink* log_;
    int commandId_;
    QString extraText_;
    ToolDialogHooks hooks_;
    std::unique_ptr<CDeviceConnection> connection_;
    std::unique_ptr<CDeviceInfoReader> reader_;

    CTimeSyncDlg* timeSync_ = nullptr;
    CUpdateDlg* filePage_ = nullptr;
    CFwrUpdateDlg* firmware_ = nullptr;
    CCalibrationDlg* calibration_ = nullptr;
    CModifyPasswordDlg* password_ = nullptr;
    CGetDeviceInfoDlg* infoPage_ = nullptr;
    CMessageDlg* notice_ = nullptr;

    bool readSettings_ = false;
    bool operationRunning_ = false;     // UI thread only
    bool cancelAfterOperation_ = false; // Cancel came while an operation ran
    QString pendingMessage_;

    // Shared with the worker: set before it starts, or atomic.
    CToolWorker worker_;
    CToolWorker fetchWorker_; // the information fetch and the short device calls
    CToolWorker tickerWorker_;
    TransferKind kind_ = TransferKind::Configuration;
    QString localPath_;
    QByteArray deviceIp_;
    bool builtInFirmware_ = false;
    std::atomic<int> workerHandle_{0};
    bool workerHoldsHandle_ = false; // UI thread only
    std::atomic<bool> windowReady_{false};
    std::atomic<bool> noMoreWindows_{false};
    std::atomic<bool> uploadEnded_{false}; // the worker's file transfer has returned
    std::atomic<bool> transferRunning_{false};
    std::atomic<bool> transferDone_{false};
    std::atomic<bool> tickerRun_{false};

    // Log settings: the table last read from the device, the block sent and the replies.
    std::vector<LogSettingEntry> logRead_;
    SystemLogEnableBlock logBlock_{};
    SystemLogSettings logGetReply_{};
    SystemLogSetResult logSetReply_{};
    // Configuration errors the worker collected: module text and error code.
    std::vector<std::pair<QString, std::uint32_t>> configErrors_;
};
