#include "Kesu.h"

#include "TraceLog.h"

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <set>

namespace {

constexpr const char* kSearchTargetVariable = "PELANDRIX_DEVICE_SEARCH_TARGET";

struct KesuState {
    std::mutex mutex;
    KesuEnvironment environment = KesuEnvironment::Default();
    bool initialized = false;
    QByteArray selectedAddress;
    std::map<QByteArray, std::array<std::uint8_t, 6>> table;
};

KesuState& state()
{
    static KesuState kesu;
    return kesu;
}

int listFromDeviceLibrary(std::vector<InterfaceRecord>& records)
{
    std::uint16_t count = 0;
    if (const int result = VORNA_ListIF(&count); result != VORNA_RESULT_OK)
        return result;
    records.assign(count, InterfaceRecord{});
    if (count == 0)
        return VORNA_RESULT_OK;
    const int result = VORNA_GetIFInfoEx(count, records.data());
    if (result != VORNA_RESULT_OK)
        records.clear();
    return result;
}

std::optional<std::pair<QHostAddress, std::uint16_t>> targetFromEnvironment()
{
    const QString text = qEnvironmentVariable(kSearchTargetVariable).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const int colon = text.indexOf(u':');
    const QHostAddress address(colon < 0 ? text : text.left(colon));
    bool portOk = colon < 0;
    const std::uint16_t port = colon < 0 ? KesuWire::kDefaultPort : text.mid(colon + 1).toUShort(&portOk);
    if (address.isNull() || !portOk) {
        // A target that was meant but cannot be read stops the search rather than broadcasting.
        TraceLog("%s:%d %s=\"%s\" is no address[:port]", __FILE__, __LINE__, kSearchTargetVariable,
                 qUtf8Printable(text));
        return std::make_pair(QHostAddress(), std::uint16_t{0});
    }
    return std::make_pair(address, port);
}

template <size_t N>
void copyText(char (&field)[N], const QByteArray& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), std::min<size_t>(static_cast<size_t>(text.size()), N - 1));
}

QByteArray requestDatagram(int bufferSize)
{
    QByteArray request(KesuWire::kRequestMagic, sizeof KesuWire::kRequestMagic);
    request.resize(KesuWire::kRequestSize);
    qToLittleEndian<std::uint16_t>(KesuWire::kVersion, request.data() + 8);
    qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(std::clamp(bufferSize, 0, 0xFFFF)), request.data() + 10);
    return request;
}

std::optional<SearchResultRecord> parseAnswer(const QByteArray& datagram)
{
    if (datagram.size() < KesuWire::kAnswerSize ||
        std::memcmp(datagram.constData(), KesuWire::kAnswerMagic, sizeof KesuWire::kAnswerMagic) != 0)
        return std::nullopt;
    SearchResultRecord record{};
    const char* at = datagram.constData() + sizeof KesuWire::kAnswerMagic;
    copyText(record.firstAddress, QByteArray(at, static_cast<int>(strnlen(at, KesuWire::kAddressSize))));
    std::memcpy(record.firstMac, at + KesuWire::kAddressSize, 6);
    at += KesuWire::kAddressSize + 6;
    copyText(record.secondAddress, QByteArray(at, static_cast<int>(strnlen(at, KesuWire::kAddressSize))));
    std::memcpy(record.secondMac, at + KesuWire::kAddressSize, 6);
    record.useSecond = static_cast<std::uint8_t>(at[KesuWire::kAddressSize + 6]);
    return record;
}

QByteArray deviceKey(const SearchResultRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record.firstAddress), KesuWire::kAddressSize * 2 + 12);
}

// The chosen interface's directed broadcast address; null when the system does not know it.
QHostAddress broadcastOf(const QByteArray& interfaceAddress)
{
    const QHostAddress wanted(QString::fromLatin1(interfaceAddress));
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces())
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            if (entry.ip() == wanted)
                return entry.broadcast();
    return {};
}

bool isValidIp(const char* ip)
{
    return ip != nullptr && !QHostAddress(QString::fromLatin1(ip)).isNull();
}

} // namespace

KesuEnvironment KesuEnvironment::Default()
{
    return {listFromDeviceLibrary, targetFromEnvironment(), std::nullopt};
}

KesuEnvironment SetKesuEnvironment(KesuEnvironment environment)
{
    std::lock_guard lock(state().mutex);
    return std::exchange(state().environment, std::move(environment));
}

int KESUE_Init()
{
    std::lock_guard lock(state().mutex);
    state().initialized = true;
    return kKesuOk;
}

int KESUE_Exit()
{
    std::lock_guard lock(state().mutex);
    state().initialized = false;
    state().selectedAddress.clear();
    return kKesuOk;
}

namespace {

int listInterfaces(std::vector<InterfaceRecord>& interfaces)
{
    const auto lister = [] {
        std::lock_guard lock(state().mutex);
        return state().environment.listInterfaces;
    }();
    return lister ? lister(interfaces) : kKesuFailed;
}

} // namespace

int KESU_ListIF(std::uint16_t* count)
{
    if (!count)
        return kKesuFailed;
    std::vector<InterfaceRecord> interfaces;
    if (const int result = listInterfaces(interfaces); result != kKesuOk)
        return result;
    *count = static_cast<std::uint16_t>(std::min<size_t>(interfaces.size(), UINT16_MAX));
    return kKesuOk;
}

int KESU_GetIFInfo(std::uint16_t count, NetworkInterfaceRecord* records)
{
    if (!records)
        return kKesuFailed;
    std::vector<InterfaceRecord> interfaces;
    if (const int result = listInterfaces(interfaces); result != kKesuOk)
        return result;
    std::fill_n(records, count, NetworkInterfaceRecord{});
    for (size_t i = 0; i < std::min<size_t>(count, interfaces.size()); ++i) {
        const InterfaceRecord& source = interfaces[i];
        NetworkInterfaceRecord& record = records[i];
        record.index = static_cast<std::int8_t>(source.index);
        const auto* description = reinterpret_cast<const char(*)[sizeof source.description]>(source.description);
        copyText(record.name, KesuFieldText(*description));
        std::memcpy(record.mac, source.mac, sizeof record.mac);
        copyText(record.address, KesuFieldText(source.address));
    }
    return kKesuOk;
}

int KESU_SelectIF(std::uint16_t count, const NetworkInterfaceRecord* records, int index)
{
    std::lock_guard lock(state().mutex);
    state().selectedAddress.clear();
    if (!records)
        return kKesuFailed;
    for (std::uint16_t i = 0; i < count; ++i)
        if (records[i].index == index)
            state().selectedAddress = KesuFieldText(records[i].address);
    return state().selectedAddress.isEmpty() ? kKesuFailed : kKesuOk;
}

int KESU_AutoSearch(int bufferSize, int requests, int waitMs, std::uint16_t* found, SearchResultRecord* results)
{
    if (!found || !results)
        return kKesuFailed;
    *found = 0;
    QByteArray interfaceAddress;
    KesuEnvironment environment;
    {
        std::lock_guard lock(state().mutex);
        if (!state().initialized || state().selectedAddress.isEmpty())
            return kKesuFailed;
        interfaceAddress = state().selectedAddress;
        environment = state().environment;
    }
    const auto target = environment.searchTarget
                            ? *environment.searchTarget
                            : std::make_pair(broadcastOf(interfaceAddress), KesuWire::kDefaultPort);
    if (target.first.isNull()) {
        TraceLog("%s:%d no broadcast address for %s", __FILE__, __LINE__, interfaceAddress.constData());
        return kKesuFailed;
    }
    QUdpSocket socket;
    // A loopback target is reached from the chosen interface when that is a loopback address too.
    const QHostAddress chosen(QString::fromLatin1(interfaceAddress));
    const QHostAddress local =
        target.first.isLoopback() && !chosen.isLoopback() ? QHostAddress(QHostAddress::LocalHost) : chosen;
    if (!socket.bind(local, 0)) {
        TraceLog("%s:%d search socket: %s", __FILE__, __LINE__, qUtf8Printable(socket.errorString()));
        return kKesuFailed;
    }
    const QByteArray request = requestDatagram(bufferSize);
    for (int i = 0; i < std::max(requests, 1); ++i)
        socket.writeDatagram(request, target.first, target.second);

    const auto wait = environment.wait.value_or(std::chrono::milliseconds(std::max(waitMs, 0)));
    QDeadlineTimer deadline(wait);
    std::set<QByteArray> seen;
    while (!deadline.hasExpired()) {
        if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            continue;
        while (socket.hasPendingDatagrams()) {
            const auto record = parseAnswer(socket.receiveDatagram().data());
            if (!record || !seen.insert(deviceKey(*record)).second)
                continue;
            if (*found < kKesuMaxResults)
                results[(*found)++] = *record;
        }
    }
    return kKesuOk;
}

int KESU_TableAdd(const char* ip, const std::uint8_t* mac)
{
    if (!isValidIp(ip) || !mac)
        return kKesuFailed;
    std::array<std::uint8_t, 6> bytes{};
    std::copy_n(mac, bytes.size(), bytes.begin());
    std::lock_guard lock(state().mutex);
    state().table[QByteArray(ip)] = bytes;
    return kKesuOk;
}

int KESU_TableDel(const char* ip)
{
    if (!isValidIp(ip))
        return kKesuFailed;
    std::lock_guard lock(state().mutex);
    state().table.erase(QByteArray(ip));
    return kKesuOk;
}

std::map<QByteArray, std::array<std::uint8_t, 6>> KesuTableEntries()
{
    std::lock_guard lock(state().mutex);
    return state().table;
}
