#pragma once
// The device search: the PC's interfaces (listed by the device library's own interface list), the
// choice of the one to search on, a search that sends a small UDP request and collects the answers
// of the controllers that answer it, and a table of the devices chosen from a search. The table
// is a registry in memory: nothing changes the host's address tables.
//
// The request goes to the directed broadcast address of the chosen interface, on the controller
// port, unless a search target is set (tests, and manual runs through the environment variable
// PELANDRIX_DEVICE_SEARCH_TARGET="127.0.0.1[:port]"), which then takes every request.

#include <QByteArray>
#include <QHostAddress>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "VORNA.h"

// A text field of a record, up to its NUL or its end.
template <size_t N>
QByteArray KesuFieldText(const char (&field)[N])
{
    size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return QByteArray(field, static_cast<int>(length));
}

#pragma pack(push, 1)
// 282 bytes as the search fills them; the fields the program reads are named.
struct NetworkInterfaceRecord {
    std::int8_t index;
    std::uint8_t reserved0[3];
    char name[16];
    std::uint8_t mac[6];
    char address[16]; // dotted IPv4, NUL-terminated
    std::uint8_t reserved1[240];
};

// 333 bytes as the search fills them.
struct SearchResultRecord {
    std::uint8_t reserved0[64];
    char firstAddress[16];
    std::uint8_t firstMac[6];
    char secondAddress[16];
    std::uint8_t secondMac[6];
    std::uint8_t reserved1[22];
    std::uint8_t useSecond; // non-zero: reach the device through its second interface
    std::uint8_t reserved2[202];
};
#pragma pack(pop)
static_assert(sizeof(NetworkInterfaceRecord) == 282);
static_assert(sizeof(SearchResultRecord) == 333);

inline constexpr int kKesuMaxResults = 256;
inline constexpr int kKesuOk = 0;
inline constexpr int kKesuFailed = 1;

int KESUE_Init();
int KESUE_Exit();
int KESU_ListIF(std::uint16_t* count);
int KESU_GetIFInfo(std::uint16_t count, NetworkInterfaceRecord* records);
int KESU_SelectIF(std::uint16_t count, const NetworkInterfaceRecord* records, int index);
// Sends the request `requests` times and collects answers for waitMs; at most kKesuMaxResults
// answers land in results (which holds that many), one per device.
int KESU_AutoSearch(int bufferSize, int requests, int waitMs, std::uint16_t* found, SearchResultRecord* results);
int KESU_TableAdd(const char* ip, const std::uint8_t* mac);
int KESU_TableDel(const char* ip);

// What the search works with; tests replace it.
struct KesuEnvironment {
    // Fills the PC's interfaces; a non-zero result is the failure code.
    std::function<int(std::vector<InterfaceRecord>&)> listInterfaces;
    // Where every request goes; none: the chosen interface's broadcast address.
    std::optional<std::pair<QHostAddress, std::uint16_t>> searchTarget;
    // Replaces the wait the caller asks for.
    std::optional<std::chrono::milliseconds> wait;

    // The device library's interface list, and the target from the environment variable if set.
    static KesuEnvironment Default();
};
// Installs an environment and returns the one it replaces.
KesuEnvironment SetKesuEnvironment(KesuEnvironment environment);

// The devices in the table: IP text to MAC.
std::map<QByteArray, std::array<std::uint8_t, 6>> KesuTableEntries();

// The search's wire format: request magic, version and the answer size; answer magic and fields.
namespace KesuWire {
inline constexpr char kRequestMagic[8] = {'U', 'L', 'T', 'K', 'S', 'R', 'C', 'H'};
inline constexpr char kAnswerMagic[8] = {'U', 'L', 'T', 'K', 'H', 'E', 'R', 'E'};
inline constexpr std::uint16_t kVersion = 1;
inline constexpr int kRequestSize = 12; // magic, version, buffer size (little-endian words)
inline constexpr int kAddressSize = 16;
inline constexpr int kAnswerSize = 8 + 2 * (kAddressSize + 6) + 1;
inline constexpr std::uint16_t kDefaultPort = VORNA_DEFAULT_PORT;
} // namespace KesuWire
