#pragma once
// The PC's own network interfaces on which controllers can be searched.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <memory>

struct HostInterfaceEntry {
    QByteArray address;     // IPv4, dotted decimal
    QByteArray description; // the adapter's name as the system gives it
};

// What decides whether an interface is listed.
struct HostInterfaceFacts {
    QByteArray description;
    bool up = false;
    bool loopback = false;
    QList<QHostAddress> addresses; // in the system's order
};

// Appends one entry per interface that is up, is not a loopback and has an IPv4 address: the
// first one.
void AppendUsableInterfaces(const QList<HostInterfaceFacts>& interfaces,
                            QList<std::shared_ptr<HostInterfaceEntry>>& list);
// The same for the system's interfaces.
void GetHostInterfaces(QList<std::shared_ptr<HostInterfaceEntry>>& list);
