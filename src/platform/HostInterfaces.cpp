#include "HostInterfaces.h"

#include <QNetworkInterface>

namespace {

bool isUsable(const QNetworkInterface& interface)
{
    const auto flags = interface.flags();
    return interface.isValid() && flags.testFlag(QNetworkInterface::IsUp) &&
           !flags.testFlag(QNetworkInterface::IsLoopBack) && interface.type() != QNetworkInterface::Loopback;
}

} // namespace

void GetHostInterfaces(QList<std::shared_ptr<HostInterfaceEntry>>& list)
{
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!isUsable(interface))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            auto host = std::make_shared<HostInterfaceEntry>();
            host->address = entry.ip().toString().toLatin1();
            host->description = interface.humanReadableName().toUtf8();
            list.append(host);
            break; // one entry per interface
        }
    }
}
