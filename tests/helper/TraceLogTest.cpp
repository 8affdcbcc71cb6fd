#include "TraceLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

QDateTime at(int day, int hour, int minute, int second, int msec)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second, msec));
}

TEST(TraceLineTest, StampsDayAndTimeWithoutMonth)
{
    const struct {
        QDateTime time;
        const char* line;
    } cases[] = {
        {at(9, 11, 7, 5, 42), "09-11:07:05.042 @ hello"},
        {at(1, 0, 0, 0, 0), "01-00:00:00.000 @ hello"},
        {at(31, 23, 59, 59, 999), "31-23:59:59.999 @ hello"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeTraceLine(QStringLiteral("hello"), c.time), QString::fromLatin1(c.line)) << c.line;
}

TEST(TraceLineTest, CutsTheLineToTheRecord)
{
    const QString line = MakeTraceLine(QString(2000, u'x'), at(1, 0, 0, 0, 0));
    EXPECT_EQ(line.size(), kTraceRecordUnits - 1);
    EXPECT_TRUE(line.startsWith(QStringLiteral("01-00:00:00.000 @ xxx")));
}

// A stand-in for the outside trace viewer: receives fixed-size records on the local socket.
class TraceViewer {
public:
    TraceViewer() { listening_ = server_.listen(QString::fromLatin1(kTraceViewerName)); }

    bool listening() const { return listening_; }

    // The next record's text, up to its terminator; the record must be exactly one buffer long.
    QString NextRecord(qsizetype* recordBytes = nullptr)
    {
        if (!server_.hasPendingConnections() && !server_.waitForNewConnection(5000))
            return QStringLiteral("<no connection>");
        QLocalSocket* socket = server_.nextPendingConnection();
        QByteArray bytes;
        QElapsedTimer timer;
        timer.start();
        while (socket->state() == QLocalSocket::ConnectedState && timer.elapsed() < 5000) {
            socket->waitForReadyRead(100);
            bytes += socket->readAll();
        }
        bytes += socket->readAll();
        delete socket;
        if (recordBytes)
            *recordBytes = bytes.size();
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()));
    }

private:
    QLocalServer server_;
    bool listening_ = false;
};

TEST(TraceLogTest, SendsOneFullRecordToTheViewer)
{
    TraceViewer viewer;
    ASSERT_TRUE(viewer.listening());
    TraceLog("%s:%d opened %s", "Project.cpp", 42, "Öl.pelx");
    qsizetype recordBytes = 0;
    const QString line = viewer.NextRecord(&recordBytes);
    EXPECT_EQ(recordBytes, kTraceRecordUnits * 2);
    EXPECT_TRUE(line.endsWith(QStringLiteral(" @ Project.cpp:42 opened Öl.pelx"))) << qPrintable(line);
    EXPECT_EQ(line.indexOf(QStringLiteral(" @ ")), 15);
}

TEST(TraceLogTest, WritesToStandardErrorWithoutViewer)
{
    testing::internal::CaptureStderr();
    TraceLog("%s:%d nobody listens", "a.cpp", 1);
    const std::string output = testing::internal::GetCapturedStderr();
    EXPECT_NE(output.find(" @ a.cpp:1 nobody listens\n"), std::string::npos) << output;
}

TEST(TraceLogTest, LogsSystemErrorWithItsText)
{
    TraceViewer viewer;
    ASSERT_TRUE(viewer.listening());
    LogSystemError(QStringLiteral("Open"), 2);
    const QString line = viewer.NextRecord();
    EXPECT_TRUE(line.contains(QStringLiteral(" @ Open failed with error 2: No such file or directory")))
        << qPrintable(line);
}

TEST(ProgressMessageTest, ReachesTheReceiverOnItsThread)
{
    QObject receiverContext;
    QList<quint32> values;
    Qt::HANDLE receiverThread = nullptr;
    RegisterProgressReceiver(&receiverContext, [&](quint32 value) {
        values.append(value);
        receiverThread = QThread::currentThreadId();
    });
    std::atomic<bool> sent{false};
    std::thread worker([&] {
        SendProgressMessage(0x00010239);
        sent = true;
    });
    while (!sent)
        QCoreApplication::processEvents();
    worker.join();
    EXPECT_EQ(values, QList<quint32>{0x00010239});
    EXPECT_EQ(receiverThread, QThread::currentThreadId());

    UnregisterProgressReceiver(&receiverContext);
    SendProgressMessage(5);
    QCoreApplication::processEvents();
    EXPECT_EQ(values.size(), 1);
}

TEST(ProgressMessageTest, DroppedWhenTheReceiverIsGone)
{
    QList<quint32> values;
    {
        QObject receiverContext;
        RegisterProgressReceiver(&receiverContext, [&](quint32 value) { values.append(value); });
    }
    SendProgressMessage(7);
    QCoreApplication::processEvents();
    EXPECT_TRUE(values.isEmpty());
}

} // namespace
