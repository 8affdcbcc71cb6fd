#include "CSingleInstance.h"

#include "ApplicationName.h"
#include "TraceLog.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr const char* kRaiseRequest = "raise\n";
constexpr int kConnectTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 1000;
constexpr qint64 kLongestRequest = 64;

} // namespace

QString CSingleInstance::DefaultServerName()
{
    const QString name = QString::fromLatin1(kApplicationName);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

CSingleInstance::CSingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName))
{}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::CheckSingleInstance()
{
    if (listen())
        return false;
    if (AskRunningInstanceToRaise())
        return true;
    // Nobody answers on the name: a socket left by an instance that crashed.
    QLocalServer::removeServer(serverName_);
    if (!listen())
        TraceLog("%s:%d cannot listen on %s: %s; a later start will not find this instance", __FILE__, __LINE__,
                 qUtf8Printable(serverName_), qUtf8Printable(server_->errorString()));
    return false;
}

bool CSingleInstance::listen()
{
    if (!server_) {
        // No socket options: with them the server binds elsewhere and renames the socket into
        // place, which would replace a running instance's socket instead of failing. The
        // runtime folder is the user's own.
        server_ = new QLocalServer(this);
        connect(server_, &QLocalServer::newConnection, this, &CSingleInstance::acceptConnections);
    }
    return server_->isListening() || server_->listen(serverName_);
}

bool CSingleInstance::IsListening() const
{
    return server_ && server_->isListening();
}

bool CSingleInstance::AskRunningInstanceToRaise() const
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kRaiseRequest);
    const bool sent = socket.waitForBytesWritten(kWriteTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void CSingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequest(socket);
    }
}

void CSingleInstance::readRequest(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        if (socket->readLine() == kRaiseRequest)
            emit raiseRequested();
        else
            TraceLog("%s:%d ignored an unknown request on %s", __FILE__, __LINE__, qUtf8Printable(serverName_));
    }
    if (socket->bytesAvailable() > kLongestRequest) {
        TraceLog("%s:%d dropped a connection on %s that sent no request", __FILE__, __LINE__,
                 qUtf8Printable(serverName_));
        socket->abort();
    }
}
