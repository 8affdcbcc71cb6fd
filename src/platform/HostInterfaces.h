#pragma once
// The PC's own network interfaces on which controllers can be searched.

#include <QByteArray>
#include <QList>
#include <memory>

struct HostInterfaceEntry {
    QByteArray address;     // IPv4, dotted decimal
    QByteArray description; // the adapter's name as the system gives it
};

// Appends one entry per interface that is up, is not a loopback and has an IPv4 address.
void GetHostInterfaces(QList<std::shared_ptr<HostInterfaceEntry>>& list);
