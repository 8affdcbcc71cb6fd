#pragma once
// The PC's IPv4 interfaces and the one selected for binding new connections.

#include "VORNA.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the system tells of one interface and of one IPv4 address.
struct SystemInterface {
    std::uint32_t index = 0;
    std::uint32_t type = 0;
    bool operational = false;
    std::array<std::uint8_t, 6> mac{};
    std::string description;
};

struct SystemAddress {
    std::uint32_t interfaceIndex = 0;
    std::uint32_t address = 0; // host byte order
    std::uint16_t flags = 0;
};

struct SystemTables {
    std::vector<SystemInterface> interfaces; // in the system's order
    std::vector<SystemAddress> addresses;    // sorted by address
};

class CIPHelp {
public:
    static constexpr std::uint32_t kTypeOther = 1;
    static constexpr std::uint32_t kTypeEthernet = 6;
    static constexpr std::uint32_t kTypePpp = 23;
    static constexpr std::uint32_t kTypeLoopback = 24;
    static constexpr std::uint32_t kTypeWireless = 71;
    static constexpr std::uint16_t kAddressPrimary = 0x0001;

    // Raises VORNA_RESULT_INTERFACE_TABLE when the system cannot list its interfaces.
    static SystemTables ReadSystemTables();

    // Interfaces that are not loopback, are up and have at least one address with flags.
    static std::uint16_t CountInterfaces(const SystemTables& tables);
    // One record per qualifying (interface, address) pair, at most limit.
    static std::vector<InterfaceRecord> Records(const SystemTables& tables, std::size_t limit);

    // Clears the selection, then selects the last of the first count records with the index:
    // VORNA_RESULT_INTERFACE_NOT_FOUND when none has it. Null records only clear.
    static void Select(std::uint16_t count, const InterfaceRecord* records, std::uint32_t interfaceIndex);
    // The selected interface's address text, empty when none is selected.
    static std::string SelectedAddress();
};
