// Sending the largest project's configuration to the simulated controller: the library's plain
// upload of the file beside the tool dialog's whole operation (information fetch, layout check,
// reconnect, upload, status poll, report), with the dialog's waits set to zero. The difference is
// the dialog's own cost: overhead_ms, the median of alternating pairs (upload, then dialog), with
// overhead_ms_min and overhead_ms_max.

#include "CDataCenter.h"
#include "CToolBaseDlg.h"
#include "CToolProgressBarDlg.h"
#include "CToolWorker.h"
#include "ConfigFiles.h"
#include "DeviceInfoFetch.h"
#include "ILogLineSink.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "support/QuietDialogDoubles.h"

#include "FilledProject.h"

#include "DeviceSimulator.h"
#include "VORNA.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t kConfigurationType = 5;

struct Setup {
    QTemporaryDir folder;
    QString path;
    qint64 bytes = 0;
    pelsim::DeviceSimulator simulator;
    SilentBoxes boxes;

    Setup()
    {
        CDataCenter model;
        path = folder.filePath(QStringLiteral("largest.pelx"));
        if (FilledProject::BuildLargestProject(model) && model.SaveProject(path))
            bytes = QFileInfo(path).size();
        simulator.SetRecording(false);
        SetMessageBoxService(&boxes);
    }
    ~Setup() { SetMessageBoxService(nullptr); }
};

Setup& setup()
{
    static Setup instance;
    return instance;
}

// The built project and a connection to the simulator, or the bench skipped with the reason.
bool connectToSimulator(benchmark::State& state, Setup& s, std::int32_t& handle)
{
    if (s.bytes == 0) {
        state.SkipWithError("the project could not be built");
        return false;
    }
    VORNA_Init();
    if (VORNA_Connect("127.0.0.1", s.simulator.port(), 5000, &handle) != 0) {
        state.SkipWithError("no connection");
        return false;
    }
    return true;
}

void BM_LibraryUpload(benchmark::State& state)
{
    Setup& s = setup();
    std::int32_t handle = 0;
    if (!connectToSimulator(state, s, handle))
        return;
    const QByteArray local = QFile::encodeName(s.path);
    for (auto _ : state) {
        state.PauseTiming();
        s.simulator.RemoveFile(kConfigurationType);
        state.ResumeTiming();
        if (VORNA_UploadFile_ulTEK_Ex(handle, local.constData(), "", kConfigurationType, nullptr) != 0)
            state.SkipWithError("upload failed");
    }
    VORNA_Disconnect(handle);
    VORNA_Exit();
    state.counters["file_kB"] = static_cast<double>(s.bytes) / 1024.0;
}

using BenchClock = std::chrono::steady_clock;
constexpr int kPairs = 7;

double MillisecondsSince(BenchClock::time_point start)
{
    return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_DialogSendConfiguration(benchmark::State& state)
{
    Setup& s = setup();
    std::int32_t handle = 0;
    if (!connectToSimulator(state, s, handle))
        return;
    const QByteArray local = QFile::encodeName(s.path);
    CDataCenter model;
    NoLog log;
    ToolDialogHooks hooks;
    hooks.connection.port = s.simulator.port();
    hooks.connection.askLogin = [] { return DeviceLogin{QStringLiteral("root"), QStringLiteral("root")}; };
    hooks.confirmSend = [] { return true; };
    hooks.confirmLayout = [](const std::vector<SlotConfigEntry>&) { return true; };
    ToolTimings& t = hooks.timings;
    t.statusPoll = t.readyCheck = t.afterReady = t.beforeReport = t.afterFetch = t.tick = 0ms;
    t.progressWindowTick = 1ms;
    CToolBaseDlg dialog(model, &log, 40013, s.path, hooks);
    dialog.Create();
    dialog.item<QComboBox>(2608)->setEditText(QStringLiteral("127.0.0.1"));
    std::vector<double> uploads, dialogs, overheads;
    for (auto _ : state) {
        for (int pair = 0; pair < kPairs; ++pair) {
            s.simulator.RemoveFile(kConfigurationType);
            auto start = BenchClock::now();
            if (VORNA_UploadFile_ulTEK_Ex(handle, local.constData(), "", kConfigurationType, nullptr) != 0) {
                state.SkipWithError("upload failed");
                break;
            }
            uploads.push_back(MillisecondsSince(start));
            s.simulator.RemoveFile(kConfigurationType);
            start = BenchClock::now();
            dialog.RunToolFunction();
            dialogs.push_back(MillisecondsSince(start));
            if (!s.simulator.File(kConfigurationType)) {
                state.SkipWithError("nothing arrived");
                break;
            }
            overheads.push_back(dialogs.back() - uploads.back());
        }
    }
    VORNA_Disconnect(handle);
    VORNA_Exit();
    if (overheads.empty())
        return;
    state.counters["file_kB"] = static_cast<double>(s.bytes) / 1024.0;
    state.counters["upload_ms"] = Median(uploads);
    state.counters["dialog_ms"] = Median(dialogs);
    state.counters["overhead_ms"] = Median(overheads);
    state.counters["overhead_ms_min"] = *std::min_element(overheads.begin(), overheads.end());
    state.counters["overhead_ms_max"] = *std::max_element(overheads.begin(), overheads.end());
}

// The upload alone as the dialog's worker runs it: on a worker thread, every percent handed to an
// open progress window on the UI thread.
void BM_WorkerUploadWithProgressWindow(benchmark::State& state)
{
    Setup& s = setup();
    VORNA_Init();
    std::int32_t handle = 0;
    if (s.bytes == 0 || VORNA_Connect("127.0.0.1", s.simulator.port(), 5000, &handle) != 0) {
        state.SkipWithError("no connection");
        return;
    }
    const QByteArray local = QFile::encodeName(s.path);
    CToolProgressBarDlg window(ProgressMode::FileTransfer, nullptr, 1ms);
    window.Create();
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        s.simulator.RemoveFile(kConfigurationType);
        state.ResumeTiming();
        CToolWorker worker;
        std::atomic<int> result{0};
        worker.Start([&] {
            result =
                VORNA_UploadFile_ulTEK_Ex(handle, local.constData(), "", kConfigurationType, DeviceTransferProgress);
        });
        worker.Join();
        if (result != 0)
            state.SkipWithError("upload failed");
    }
    VORNA_Disconnect(handle);
    VORNA_Exit();
}

BENCHMARK(BM_LibraryUpload)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkerUploadWithProgressWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DialogSendConfiguration)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
