// The log-settings operation: read the controller's system and service log switches, send the
// changed ones, and show what the controller applied.

#include "CToolBaseDlg.h"

#include "CGetDeviceInfoDlg.h"
#include "CToolProgressBarDlg.h"
#include "DeviceDialogIds.h"
#include "DeviceInfoTexts.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"

#include <QtEndian>

namespace {

constexpr std::uint16_t kLogStateFinished = 2;
constexpr int kMaxResultEntries = 8;
constexpr std::size_t kResultWordOffset = 2;
constexpr const char* kNoChange = "NO Change Setting Data";
constexpr const char* kSystemLogHeader = "[System Log]";
constexpr const char* kServiceLogHeader = "[Service Log]";
constexpr const char* kTooManyEnabled = "Warning: Enable Log number more than limit";

LogSettingEntry* findEntry(std::vector<LogSettingEntry>& entries, std::uint16_t type)
{
    const auto it =
        std::find_if(entries.begin(), entries.end(), [type](const LogSettingEntry& e) { return e.type == type; });
    return it == entries.end() ? nullptr : &*it;
}

} // namespace

bool CToolBaseDlg::LogSettings()
{
    if (!readSettings_) {
        const std::vector<LogSettingEntry> shown =
            infoPage_ ? infoPage_->logSettings() : std::vector<LogSettingEntry>{};
        logBlock_ = CollectChangedLogSettings(logRead_, CopyLogSettingsForEdit(shown));
        if (logBlock_.count == 0) {
            ShowMessageBox(QString::fromLatin1(kNoChange), MB_OK | MB_ICONINFORMATION);
            return true;
        }
        logSetReply_ = {};
        const int result =
            CallDevice([this](int handle) { return VORNA_SystemLogSetEnable(handle, logBlock_, &logSetReply_); });
        Report(kStringLabelLogSet, result, result != 0);
        if (result != 0)
            return true;
    } else {
        logGetReply_ = {};
        const int result = CallDevice([this](int handle) { return VORNA_SystemLogGetEnable(handle, &logGetReply_); });
        Report(kStringLabelLogGet, result, result != 0);
        if (result != 0)
            return true;
    }
    transferRunning_ = true;
    RunWorkerWithWindow(ProgressMode::Processing, [this] { DownloadConfigThread(); });
    return true;
}

void CToolBaseDlg::LogSettingsThread()
{
    const bool send = !readSettings_;
    const unsigned caption = send ? kStringLabelLogSet : kStringLabelLogGet;
    int stage = 1;
    int percent = 0;
    int result = VORNA_RESULT_TIMEOUT; // when the controller never finishes within the limit
    for (int pass = 0; pass < hooks_.timings.maxLogPolls; ++pass) {
        if (!CToolWorker::Sleep(hooks_.timings.statusPoll)) {
            result = VORNA_RESULT_CANCELLED;
            break;
        }
        result = send ? VORNA_SystemLogSetEnable(workerHandle_, logBlock_, &logSetReply_)
                      : VORNA_SystemLogGetEnable(workerHandle_, &logGetReply_);
        if (result != 0)
            break;
        const std::uint16_t status = send ? logSetReply_.status : logGetReply_.status;
        const std::uint16_t state = send ? logSetReply_.value : logGetReply_.value;
        if (status != 0) {
            WorkerBox(ResultText(caption, status));
            break;
        }
        if (state == kLogStateFinished) {
            CToolWorker::RunOn(this, [this, send] {
                if (send) {
                    ShowLogEnableResult();
                    return;
                }
                logRead_ = ReadLogSettings(logGetReply_);
                if (infoPage_)
                    infoPage_->FillLogSettings(logRead_);
                enableItem(IDOK, true);
            });
            break;
        }
        if (transferRunning_)
            SendNextProgress(stage, percent);
    }
    Complete();
    if (result != 0 && !worker_.cancelled())
        WorkerBox(ResultText(caption, result));
}

void CToolBaseDlg::ShowLogEnableResult()
{
    const int count = logSetReply_.count;
    if (count < 1 || count > kMaxResultEntries || !infoPage_)
        return;
    std::vector<LogSettingEntry> shown = infoPage_->logSettings();
    QStringList lines;
    bool systemHeader = false;
    bool serviceHeader = false;
    bool refused = false;
    for (int i = 0; i < count; ++i) {
        const std::uint16_t type = qFromLittleEndian<std::uint16_t>(logSetReply_.entries[i]);
        const std::uint16_t word = qFromLittleEndian<std::uint16_t>(logSetReply_.entries[i] + kResultWordOffset);
        const bool system = type == kSystemLogType;
        if (system && !systemHeader) {
            lines.append(QString::fromLatin1(kSystemLogHeader));
            systemHeader = true;
        } else if (!system && !serviceHeader) {
            lines.append(QString::fromLatin1(kServiceLogHeader));
            serviceHeader = true;
        }
        lines.append(LogTypeName(type) + u' ' + FormatResultWord(word));
        LogSettingEntry* read = findEntry(logRead_, type);
        LogSettingEntry* edited = findEntry(shown, type);
        if (!read || !edited)
            continue;
        if (word == 0) {
            read->state = edited->state;
        } else {
            edited->state = read->state; // refused: the list shows the controller's state again
            refused = true;
        }
    }
    const auto enabledServices = std::count_if(shown.begin(), shown.end(), [](const LogSettingEntry& e) {
        return e.type != kSystemLogType && e.state == kLogStateEnabled;
    });
    if (refused && enabledServices >= kMaxEnabledServiceLogs)
        lines.append(QString::fromLatin1(kTooManyEnabled));
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    ShowMessageBox(text, MB_OK);
    infoPage_->FillLogSettings(shown);
}
