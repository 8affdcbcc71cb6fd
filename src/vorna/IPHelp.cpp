#include "IPHelp.h"

#include "VornaError.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstring>
#include <filesystem>
#include <ifaddrs.h>
#include <map>
#include <memory>
#include <mutex>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>
#include <netpacket/packet.h>
#include <optional>

namespace {

// Connects read the selection from any thread while another may change it.
std::mutex& selectionMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::optional<InterfaceRecord>& selection()
{
    static std::optional<InterfaceRecord> selected;
    return selected;
}

bool isWireless(const std::string& name)
{
    std::error_code ignored;
    return std::filesystem::exists("/sys/class/net/" + name + "/wireless", ignored);
}

std::uint32_t typeOfHardware(unsigned short hardwareType, const std::string& name)
{
    switch (hardwareType) {
    case ARPHRD_ETHER:
        return isWireless(name) ? CIPHelp::kTypeWireless : CIPHelp::kTypeEthernet;
    case ARPHRD_PPP:
        return CIPHelp::kTypePpp;
    case ARPHRD_LOOPBACK:
        return CIPHelp::kTypeLoopback;
    default:
        return CIPHelp::kTypeOther;
    }
}

bool qualifies(const SystemInterface& interface)
{
    return interface.type != CIPHelp::kTypeLoopback && interface.operational;
}

bool qualifies(const SystemAddress& address, const SystemInterface& interface)
{
    return address.interfaceIndex == interface.index && address.flags != 0;
}

InterfaceRecord recordOf(const SystemInterface& interface, const SystemAddress& address)
{
    InterfaceRecord record{};
    record.index = interface.index;
    in_addr raw{};
    raw.s_addr = htonl(address.address);
    inet_ntop(AF_INET, &raw, record.address, sizeof record.address);
    std::copy(interface.mac.begin(), interface.mac.end(), record.mac);
    const std::size_t length = std::min(interface.description.size(), sizeof record.description - 1);
    std::memcpy(record.description, interface.description.data(), length);
    record.type = interface.type;
    record.addressFlags = address.flags;
    return record;
}

} // namespace

SystemTables CIPHelp::ReadSystemTables()
{
    ifaddrs* list = nullptr;
    Require(::getifaddrs(&list) == 0, VORNA_RESULT_INTERFACE_TABLE);
    const std::unique_ptr<ifaddrs, void (*)(ifaddrs*)> guard(list, ::freeifaddrs);

    std::map<std::uint32_t, SystemInterface> byIndex; // the system's order: by interface index
    SystemTables tables;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_name == nullptr)
            continue;
        const std::uint32_t index = ::if_nametoindex(entry->ifa_name);
        if (index == 0)
            continue;
        SystemInterface& interface = byIndex[index];
        interface.index = index;
        interface.operational = (entry->ifa_flags & IFF_UP) && (entry->ifa_flags & IFF_RUNNING);
        if (interface.description.empty())
            interface.description = entry->ifa_name;
        if (interface.type == 0)
            interface.type = (entry->ifa_flags & IFF_LOOPBACK) ? kTypeLoopback : kTypeOther;
        if (entry->ifa_addr == nullptr)
            continue;
        if (entry->ifa_addr->sa_family == AF_PACKET) {
            const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
            std::copy_n(link->sll_addr, std::min<std::size_t>(link->sll_halen, interface.mac.size()),
                        interface.mac.begin());
            interface.type = typeOfHardware(link->sll_hatype, entry->ifa_name);
        } else if (entry->ifa_addr->sa_family == AF_INET) {
            const auto* ip = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
            tables.addresses.push_back({index, ntohl(ip->sin_addr.s_addr), kAddressPrimary});
        }
    }
    for (auto& [index, interface] : byIndex)
        tables.interfaces.push_back(std::move(interface));
    std::stable_sort(tables.addresses.begin(), tables.addresses.end(),
                     [](const SystemAddress& a, const SystemAddress& b) { return a.address < b.address; });
    return tables;
}

std::uint16_t CIPHelp::CountInterfaces(const SystemTables& tables)
{
    std::uint16_t count = 0;
    for (const SystemInterface& interface : tables.interfaces) {
        const bool hasAddress = std::any_of(tables.addresses.begin(), tables.addresses.end(),
                                            [&](const SystemAddress& a) { return qualifies(a, interface); });
        if (qualifies(interface) && hasAddress)
            ++count;
    }
    return count;
}

std::vector<InterfaceRecord> CIPHelp::Records(const SystemTables& tables, std::size_t limit)
{
    std::vector<InterfaceRecord> records;
    for (const SystemInterface& interface : tables.interfaces) {
        if (!qualifies(interface))
            continue;
        for (const SystemAddress& address : tables.addresses) {
            if (records.size() == limit)
                return records;
            if (qualifies(address, interface))
                records.push_back(recordOf(interface, address));
        }
    }
    return records;
}

void CIPHelp::Select(std::uint16_t count, const InterfaceRecord* records, std::uint32_t interfaceIndex)
{
    std::optional<InterfaceRecord> chosen;
    for (std::uint16_t i = 0; records != nullptr && i < count; ++i)
        if (records[i].index == interfaceIndex)
            chosen = records[i];
    {
        const std::lock_guard lock(selectionMutex());
        selection() = chosen;
    }
    Require(records == nullptr || chosen.has_value(), VORNA_RESULT_INTERFACE_NOT_FOUND);
}

std::string CIPHelp::SelectedAddress()
{
    const std::lock_guard lock(selectionMutex());
    if (!selection())
        return {};
    const InterfaceRecord& record = *selection();
    return std::string(record.address, strnlen(record.address, sizeof record.address));
}
