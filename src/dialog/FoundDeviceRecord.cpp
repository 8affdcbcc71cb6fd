#include "FoundDeviceRecord.h"

#include "ConfigFiles.h"
#include "IniFile.h"

#include <algorithm>

namespace {

constexpr const char* kHistorySection = "DeviceHistory";
constexpr const char* kHistoryCountKey = "Count";
constexpr const char* kHistoryDefaultKey = "Default";
constexpr const char* kHistoryDeviceKey = "Device_%1";
constexpr int kMissing = -1;
constexpr int kMaxHistoryEntries = 256;

int hexValue(QChar c)
{
    bool ok = false;
    const int value = QString(c).toInt(&ok, 16);
    return ok ? value : -1;
}

} // namespace

QString FoundDeviceRecord::FormatDisplay(const QByteArray& ip, const std::array<std::uint8_t, 6>& mac)
{
    return QString::asprintf("%s (%02X-%02X-%02X-%02X-%02X-%02X)", ip.constData(), mac[0], mac[1], mac[2], mac[3],
                             mac[4], mac[5]);
}

FoundDeviceRecord FoundDeviceRecord::Make(const QByteArray& ip, const std::array<std::uint8_t, 6>& mac)
{
    return {mac, ip, FormatDisplay(ip, mac)};
}

FoundDeviceRecord FoundDeviceRecord::Parse(const QString& value)
{
    FoundDeviceRecord record;
    record.display = value;
    const QByteArray bytes = value.toUtf8().left(kDeviceHistoryValueMax);
    const int blank = bytes.indexOf(' ');
    record.ip = (blank < 0 ? bytes : bytes.left(blank)).left(kDeviceIpTextMax);
    if (blank < 0)
        return record;
    const QString rest = QString::fromUtf8(bytes.mid(blank + 1));
    int position = 0;
    while (position < rest.size() && (rest[position] == u'(' || rest[position] == u'-'))
        ++position;
    for (auto& byte : record.mac) {
        if (position + 1 >= rest.size())
            break;
        const int high = hexValue(rest[position]);
        const int low = hexValue(rest[position + 1]);
        if (high < 0 || low < 0)
            break;
        byte = static_cast<std::uint8_t>(high * 16 + low);
        position += 3; // the pair and the separator after it
    }
    return record;
}

DeviceHistory LoadDeviceHistory()
{
    DeviceHistory history;
    const QString path = GetDeviceHistoryPath();
    const QString section = QString::fromLatin1(kHistorySection);
    // A damaged "Count" must not make the loader run on through billions of keys.
    const int count = std::min(GetPrivateProfileInt(section, QString::fromLatin1(kHistoryCountKey), kMissing, path),
                               kMaxHistoryEntries);
    if (count <= 0)
        return history;
    const QString defaultKey = QString::fromLatin1(kHistoryDefaultKey);
    if (GetPrivateProfileString(section, defaultKey, QString(), path).isEmpty())
        return history;
    history.defaultIndex = GetPrivateProfileInt(section, defaultKey, kMissing, path);
    for (int i = 0; i < count; ++i) {
        const QString value =
            GetPrivateProfileString(section, QString::fromLatin1(kHistoryDeviceKey).arg(i), QString(), path);
        if (value.isEmpty())
            break;
        if (value.section(u' ', 0, 0).toUtf8().size() > kDeviceIpTextMax)
            continue; // an address longer than the record holds is no address of ours
        history.devices.append(FoundDeviceRecord::Parse(value));
    }
    return history;
}
