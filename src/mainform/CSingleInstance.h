#pragma once
// One interactive instance of the program per user: the first start listens on a local socket
// named after the program; a later start finds it there, asks it to bring its window to the
// front, and ends. A socket file left behind by a crashed instance is taken over.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // The program's channel: in the user's runtime folder when there is one.
    static QString DefaultServerName();

    explicit CSingleInstance(QString serverName = DefaultServerName(), QObject* parent = nullptr);
    ~CSingleInstance() override;

    // True when another instance runs (it has been asked to come to the front): start-up stops.
    // Otherwise this instance listens from now on.
    bool CheckSingleInstance();
    // Sends the running instance the request to come to the front; false when none answers.
    bool AskRunningInstanceToRaise() const;
    bool IsListening() const;
    const QString& serverName() const { return serverName_; }

signals:
    // A later start asked this instance to show its window.
    void raiseRequested();

private:
    bool listen();
    void acceptConnections();
    void readRequest(QLocalSocket* socket);

    QString serverName_;
    QLocalServer* server_ = nullptr;
};
