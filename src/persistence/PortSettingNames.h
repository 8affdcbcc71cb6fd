#pragma once
// Names inside the communication groups of a slot: network, serial, CAN, cellular, port trunk and
// switch.

#include <QString>

#include <array>

namespace DeviceFile::Name {

inline const QString DefaultGatewayInterface = QStringLiteral("DefaultGatewayInterface");
inline const QString EthernetMode = QStringLiteral("EthernetMode");
inline const QString Dns0 = QStringLiteral("DNS_0");
inline const QString Dns1 = QStringLiteral("DNS_1");
inline const QString IpAddress = QStringLiteral("IpAddress");
inline const QString IPConfiguration = QStringLiteral("IPConfiguration");
inline const QString Netmask = QStringLiteral("Netmask");
inline const QString Gateway = QStringLiteral("Gateway");

inline const QString SerialMode = QStringLiteral("Mode");
inline const QString Baudrate = QStringLiteral("Baudrate");
inline const QString Parity = QStringLiteral("Parity");
inline const QString Databit = QStringLiteral("Databit");
inline const QString Stopbit = QStringLiteral("Stopbit");
inline const QString FlowControl = QStringLiteral("FlowControl");
inline const QString IsUsedByService = QStringLiteral("IsUsedByService");
inline const QString UsedServiceType = QStringLiteral("UsedServiceType");

inline const QString BaudrateIndex = QStringLiteral("BaudrateIndex");
inline const QString AccCode = QStringLiteral("AccCode");
inline const QString AccMask = QStringLiteral("AccMask");

inline const QString SimPin = QStringLiteral("SimPin");
inline const QString Band = QStringLiteral("Band");
inline const QString APN = QStringLiteral("APN");
inline const QString AutoCheckEnable = QStringLiteral("AutoCheckEnable");
inline const QString AutoCheckHostname = QStringLiteral("AutoCheckHostname");
inline const QString AutoCheckInterval = QStringLiteral("AutoCheckInterval");

// The three setting values of a port-trunk or switch record.
inline const std::array<QString, 3> SlotPortValues{QStringLiteral("Value_0"), QStringLiteral("Value_1"),
                                                   QStringLiteral("Value_2")};

} // namespace DeviceFile::Name
