// Sending the largest project's configuration to the simulated controller: the library's plain
// upload of the file beside the tool dialog's whole operation (information fetch, layout check,
// reconnect, upload, status poll, report), with the dialog's waits set to zero. The difference is
// the dialog's own cost.

#include "CDataCenter.h"
#include "CToolBaseDlg.h"
#include "CToolProgressBarDlg.h"
#include "CToolWorker.h"
#include "ConfigFiles.h"
#include "DeviceInfoFetch.h"
#include "ILogLineSink.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"

#include "FilledProject.h"

#include "DeviceSimulator.h"
#include "VORNA.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t kConfigurationType = 5;

class SilentBoxes : public IMessageBoxService {
public:
    int Show(const QString&, const QString&, unsigned) override { return IDOK; }
};

class NoLog : public ILogLineSink {
public:
    void AddLogLine(const QString&) override {}
};

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

void BM_LibraryUpload(benchmark::State& state)
{
    Setup& s = setup();
    if (s.bytes == 0) {
        state.SkipWithError("the project could not be built");
        return;
    }
    VORNA_Init();
    std::int32_t handle = 0;
    if (VORNA_Connect("127.0.0.1", s.simulator.port(), 5000, &handle) != 0) {
        state.SkipWithError("no connection");
        return;
    }
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

void BM_DialogSendConfiguration(benchmark::State& state)
{
    Setup& s = setup();
    if (s.bytes == 0) {
        state.SkipWithError("the project could not be built");
        return;
    }
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
    for (auto _ : state) {
        state.PauseTiming();
        s.simulator.RemoveFile(kConfigurationType);
        state.ResumeTiming();
        dialog.RunToolFunction();
    }
    if (!s.simulator.File(kConfigurationType))
        state.SkipWithError("nothing arrived");
    state.counters["file_kB"] = static_cast<double>(s.bytes) / 1024.0;
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
BENCHMARK(BM_DialogSendConfiguration)->Unit(benchmark::kMillisecond);

} // namespace
