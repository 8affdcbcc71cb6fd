#include "HostInterfaces.h"

#include <QNetworkInterface>

namespace {

HostInterfaceFacts factsOf(const QNetworkInterface& interface)
{
    HostInterfaceFacts facts;
    facts.description = interface.humanReadableName().toUtf8();
    facts.up = interface.isValid() && interface.flags().testFlag(QNetworkInterface::IsUp);
    facts.loopback =
        interface.flags().testFlag(QNetworkInterface::IsLoopBack) || interface.type() == QNetworkInterface::Loopback;
    for (const QNetworkAddressEntry& entry : interface.addressEntries())
        facts.addresses.append(entry.ip());
    return facts;
}

} // namespace

void AppendUsableInterfaces(const QList<HostInterfaceFacts>& interfaces,
                            QList<std::shared_ptr<HostInterfaceEntry>>& list)
{
    for (const HostInterfaceFacts& interface : interfaces) {
        if (!interface.up || interface.loopback)
            continue;
        for (const QHostAddress& address : interface.addresses) {
            if (address.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            auto host = std::make_shared<HostInterfaceEntry>();
            host->address = address.toString().toLatin1();
            host->description = interface.description;
            list.append(host);
            break; // one entry per interface
        }
    }
}

void GetHostInterfaces(QList<std::shared_ptr<HostInterfaceEntry>>& list)
{
    QList<HostInterfaceFacts> interfaces;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces())
        interfaces.append(factsOf(interface));
    AppendUsableInterfaces(interfaces, list);
}
