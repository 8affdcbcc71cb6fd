#include "TraceLog.h"

#include <QThread>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QPointer>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString traceViewerSocketPath()
{
    // Where QLocalServer::listen(kTraceViewerName) puts its socket.
    return QDir::tempPath() + u'/' + QString::fromLatin1(kTraceViewerName);
}

// Sends one record to the viewer; false when none is listening.
bool sendToTraceViewer(const std::array<char16_t, kTraceRecordUnits>& record)
{
    const QByteArray path = QFile::encodeName(traceViewerSocketPath());
    sockaddr_un address{};
    if (static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool sent = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
        const char* data = reinterpret_cast<const char*>(record.data());
        size_t remaining = sizeof(record);
        while (remaining > 0) {
            const ssize_t n = ::send(fd, data, remaining, MSG_NOSIGNAL);
            if (n <= 0)
                break;
            data += n;
            remaining -= static_cast<size_t>(n);
        }
        sent = remaining == 0;
    }
    ::close(fd);
    return sent;
}

struct ProgressRegistration {
    QPointer<QObject> context;
    ProgressReceiver receiver;
};

std::mutex& progressMutex()
{
    static std::mutex mutex;
    return mutex;
}

ProgressRegistration& progressRegistration()
{
    static ProgressRegistration registration;
    return registration;
}

} // namespace

QString MakeTraceLine(const QString& message, const QDateTime& localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    QString line = QString::asprintf("%02d-%02d:%02d:%02d.%03d @ ", date.day(), time.hour(), time.minute(),
                                     time.second(), time.msec());
    line += message;
    line.truncate(kTraceRecordUnits - 1);
    return line;
}

void TraceLog(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const QString message = QString::vasprintf(format, args);
    va_end(args);

    const QString line = MakeTraceLine(message, QDateTime::currentDateTime());
    std::array<char16_t, kTraceRecordUnits> record{};
    std::memcpy(record.data(), line.utf16(), static_cast<size_t>(line.size()) * sizeof(char16_t));
    if (!sendToTraceViewer(record))
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

void LogSystemError(const QString& text, int errorCode)
{
    const QString systemText = QString::fromLocal8Bit(std::strerror(errorCode));
    TraceLog("%s",
             qUtf8Printable(QStringLiteral("%1 failed with error %2: %3").arg(text).arg(errorCode).arg(systemText)));
}

void RegisterProgressReceiver(QObject* context, ProgressReceiver receiver)
{
    std::lock_guard lock(progressMutex());
    progressRegistration() = {context, std::move(receiver)};
}

void UnregisterProgressReceiver(QObject* context)
{
    std::lock_guard lock(progressMutex());
    if (progressRegistration().context == context)
        progressRegistration() = {};
}

// The value is taken before the sender goes on: directly on the receiver's thread, by a blocking
// queued call from any other. The lock is not held meanwhile, so the receiver may register anew.
void SendProgressMessage(quint32 value)
{
    ProgressRegistration registration;
    {
        std::lock_guard lock(progressMutex());
        registration = progressRegistration();
    }
    QObject* context = registration.context.data();
    if (!context || !registration.receiver)
        return;
    if (context->thread() == QThread::currentThread()) {
        registration.receiver(value);
        return;
    }
    ProgressReceiver receiver = registration.receiver;
    QMetaObject::invokeMethod(
        context, [receiver, value] { receiver(value); }, Qt::BlockingQueuedConnection);
}
