#include "CProgressSink.h"
#include "CToolProgressBarDlg.h"
#include "DeviceDialogIds.h"
#include "DeviceResultTexts.h"
#include "TraceLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace std::chrono_literals;

class ProgressWindowTest : public testing::Test {
protected:
    QString status(const CToolProgressBarDlg& dialog) const { return dialog.itemText(kProgressStatusText); }
    int bar(const CToolProgressBarDlg& dialog) const { return dialog.item<QProgressBar>(kProgressBar)->value(); }
};

TEST_F(ProgressWindowTest, ShowsEachModesTexts)
{
    const struct {
        ProgressMode mode;
        const char* initial;
        quint32 value;
        const char* shown;
        const char* cancel;
    } cases[] = {
        {ProgressMode::FileTransfer, "File transfer : 0%", 57, "File transfer : 57%", "Cancel"},
        {ProgressMode::Initialization, "Initialization(1).....", 0x30000 + 40, "Initialization(3).....", "Cancel"},
        {ProgressMode::Initialization, "Initialization(1).....", 0x30000 + 100, "", "Cancel"},
        {ProgressMode::InitializationClosable, "Initialization(1).....", 0x20005, "Initialization(2).....", "Close"},
        {ProgressMode::Processing, "Processing", 0x10020, "Processing", "Close"},
        {ProgressMode::Upgrading, "Upgrading the system : 0%", 12, " Upgrading the system : 12%", "Cancel"},
        {ProgressMode::Uncompressing, " Uncompressing the file(1).....", 0x40001, "Uncompressing the file(4).....",
         "Close"},
        // The state byte of the transfer callback (bits 8-15) is not read.
        {ProgressMode::FileTransfer, "File transfer : 0%", 0x0139, "File transfer : 57%", "Cancel"},
    };
    for (const auto& c : cases) {
        CToolProgressBarDlg dialog(c.mode);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(status(dialog), QLatin1String(c.initial)) << c.shown;
        EXPECT_EQ(dialog.itemText(IDCANCEL), QLatin1String(c.cancel)) << c.shown;
        EXPECT_EQ(dialog.windowTitle(), QLatin1String(kProgressWindowTitle));
        SendProgressMessage(c.value);
        EXPECT_EQ(status(dialog), QLatin1String(c.shown));
        EXPECT_EQ(bar(dialog), static_cast<int>(c.value & 0xFF)) << c.shown;
    }
}

TEST_F(ProgressWindowTest, ClosesWithinOneTickOfReaching100)
{
    CToolProgressBarDlg dialog(ProgressMode::Initialization, nullptr, 20ms);
    QTimer::singleShot(0, [] { SendProgressMessage(0x30000 + 40); });
    QTimer::singleShot(30, [] { SendProgressMessage(0x30000 + 100); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(bar(dialog), 100);
    EXPECT_TRUE(status(dialog).isEmpty());
}

TEST_F(ProgressWindowTest, PercentagesAreClampedSoTheWindowStillCloses)
{
    CToolProgressBarDlg dialog(ProgressMode::FileTransfer, nullptr, 10ms);
    QTimer::singleShot(0, [] { SendProgressMessage(0xC8); }); // 200 percent
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(bar(dialog), 100);
    EXPECT_EQ(status(dialog), QStringLiteral("File transfer : 100%"));
}

TEST_F(ProgressWindowTest, CancelStopsTheTimerAndEndsWithCancel)
{
    CToolProgressBarDlg dialog(ProgressMode::FileTransfer, nullptr, 10ms);
    QTimer::singleShot(0, [&] { dialog.item<QPushButton>(IDCANCEL)->click(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // The bar reaching 100 after Cancel ends nothing more.
    SendProgressMessage(100);
    dialog.OnTimer();
    EXPECT_EQ(dialog.result(), IDCANCEL);
}

TEST_F(ProgressWindowTest, RetryMarkOnlyForANonZeroNotice)
{
    CToolProgressBarDlg dialog(ProgressMode::Upgrading);
    ASSERT_TRUE(dialog.Create());
    SendProgressRetryNotice(0);
    EXPECT_TRUE(dialog.itemText(kProgressRetryMark).isEmpty());
    std::thread worker([] { SendProgressRetryNotice(1); });
    while (dialog.itemText(kProgressRetryMark).isEmpty())
        QCoreApplication::processEvents();
    worker.join();
    EXPECT_EQ(dialog.itemText(kProgressRetryMark), QStringLiteral("(Retry)"));
}

TEST_F(ProgressWindowTest, AWorkersValueArrivesBeforeItGoesOn)
{
    CToolProgressBarDlg dialog(ProgressMode::FileTransfer);
    ASSERT_TRUE(dialog.Create());
    std::atomic<int> taken{0};
    QObject::connect(dialog.item<QProgressBar>(kProgressBar), &QProgressBar::valueChanged,
                     [&](int value) { taken = value; });
    std::atomic<int> takenWhenSent{-1};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        std::array<quint8, kTransferStatusLength> status{kTransferStateMore, 33};
        TransferStatusCallback(status.data(), kTransferStatusLength);
        takenWhenSent = taken.load();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents();
    worker.join();
    EXPECT_EQ(takenWhenSent, 33);
    EXPECT_EQ(status(dialog), QStringLiteral("File transfer : 33%"));
}

// Values on the way do not hold a worker up while the UI thread is busy (opening or painting a
// window); the window then shows the latest of them, and a value sent behind them still comes last.
TEST_F(ProgressWindowTest, PostedValuesDoNotWaitAndKeepTheirOrder)
{
    CToolProgressBarDlg dialog(ProgressMode::FileTransfer);
    ASSERT_TRUE(dialog.Create());
    QList<int> shown;
    QObject::connect(dialog.item<QProgressBar>(kProgressBar), &QProgressBar::valueChanged,
                     [&](int value) { shown.append(value); });
    std::atomic<bool> posted{false};
    std::atomic<bool> sent{false};
    std::thread worker([&] {
        for (quint32 percent : {10u, 20u, 30u})
            PostProgressMessage(percent);
        posted = true;
        SendProgressMessage(40);
        sent = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!posted && clock.elapsed() < 5000)
        std::this_thread::sleep_for(1ms); // no events handled meanwhile
    EXPECT_TRUE(posted) << "the worker waited for the UI thread";
    EXPECT_TRUE(shown.isEmpty());
    while (!sent)
        QCoreApplication::processEvents();
    worker.join();
    EXPECT_EQ(shown, (QList<int>{30, 40}));
}

TEST_F(ProgressWindowTest, ValuesWithoutAWindowAreLost)
{
    {
        CToolProgressBarDlg gone(ProgressMode::FileTransfer);
    }
    EXPECT_EQ(CProgressSink::Instance().window(), nullptr);
    SendProgressMessage(50); // nothing to reach, nothing breaks
}

TEST_F(ProgressWindowTest, SavesAScreenshot)
{
    CToolProgressBarDlg dialog(ProgressMode::Initialization);
    ASSERT_TRUE(dialog.Create());
    SendProgressMessage(0x20000 + 65);
    dialog.adjustSize();
    const QString folder = QDir(QStringLiteral(PELANDRIX_RUNTIME_DIR "/../test-artefacts")).absolutePath();
    QDir().mkpath(folder);
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("/progress-window.png")));
}

} // namespace
