// Cancel against a controller that has stopped answering in the middle of a transfer: the time
// from the progress window's Cancel until the tool dialog is usable again (its operation over and
// the connection closed), with the connection's 60 s time-out of a real run.

#include "CDataCenter.h"
#include "CToolBaseDlg.h"
#include "CToolProgressBarDlg.h"
#include "DeviceDialogIds.h"
#include "ILogLineSink.h"
#include "MessageBoxService.h"
#include "support/QuietDialogDoubles.h"

#include "DeviceSimulator.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::uint16_t kWriteChunk = 30203;
constexpr int kFileChunks = 16;

CToolProgressBarDlg* openProgressWindow()
{
    return qobject_cast<CToolProgressBarDlg*>(QApplication::activeModalWidget());
}

void BM_CancelAStalledTransfer(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("job.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(kFileChunks * 4096, 'j')) != kFileChunks * 4096) {
        state.SkipWithError("no file to send");
        return;
    }
    file.close();
    SilentBoxes boxes;
    SetMessageBoxService(&boxes);
    pelsim::DeviceSimulator simulator;
    CDataCenter model;
    NoLog log;
    ToolDialogHooks hooks;
    hooks.connection.port = simulator.port();
    hooks.connection.connectTimeout = 60s;
    hooks.connection.askLogin = [] { return DeviceLogin{QStringLiteral("root"), QStringLiteral("root")}; };
    CToolBaseDlg dialog(model, &log, kCmdSendFileForProcessing, path, hooks);
    dialog.Create();
    dialog.item<QComboBox>(kComboDeviceAddress)->setEditText(QStringLiteral("127.0.0.1"));

    for (auto _ : state) {
        simulator.ClearRequests();
        simulator.ClearFaults();
        simulator.FailCommand(kWriteChunk, pelsim::SimFault::Silence(), 1, kFileChunks / 2);
        Clock::time_point cancelled{};
        QTimer watcher;
        watcher.setInterval(1);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (!openProgressWindow() || simulator.Requests(kWriteChunk).size() <= kFileChunks / 2)
                return;
            watcher.stop();
            cancelled = Clock::now();
            openProgressWindow()->item<QPushButton>(IDCANCEL)->click();
        });
        watcher.start();
        dialog.RunToolFunction();
        const Clock::time_point usable = Clock::now();
        if (cancelled == Clock::time_point{}) {
            state.SkipWithError("the transfer never stalled");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(usable - cancelled).count());
    }
    SetMessageBoxService(nullptr);
}

BENCHMARK(BM_CancelAStalledTransfer)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
