#pragma once
// The serial ports a Modbus service may take: the controller's two ports (slot 0) and the ports
// of the serial modules in the used slots, each offered unless another service holds it. The
// Modbus master and the Modbus slave offer the same list, each keeping the ports it holds itself.

#include <QString>

#include <optional>
#include <vector>

class CDataCenter;

// The service type a serial port's use is marked with.
namespace SerialPortUser {
inline constexpr int ModbusMaster = 0;
inline constexpr int ModbusSlave = 1;
} // namespace SerialPortUser

struct SerialPortChoice {
    QString Key; // "S_%d-P_%d" of slot and zero-based port
    int Slot = 0;
    int Port = 0;
    friend bool operator==(const SerialPortChoice&, const SerialPortChoice&) = default;
};

// The key of the controller's Ethernet port, where a Modbus TCP device is reached.
inline const QString kEthernetPortKey = QStringLiteral("S_0-E_0");

QString SerialPortKey(int slot, int port);
// The slot and port of a "S_%d-P_%d" key; nullopt for any other text ("S_0-E_0", "None", "").
std::optional<SerialPortChoice> ParseSerialPortKey(const QString& key);

// The ports offered to the service of that type, slot by slot: ports 0 and 1 of slot 0 and up to
// four ports of each used module slot, never past the ports a record holds.
std::vector<SerialPortChoice> OfferedSerialPorts(const CDataCenter& model, int serviceType);
