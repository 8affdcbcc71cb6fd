#pragma once
// One entry of the device address box: a controller found by the search or kept in the device
// history, with the text the box shows and DevieHistory.ini stores.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

inline constexpr int kDeviceIpTextMax = 17;       // characters of the IP text in a history value
inline constexpr int kDeviceHistoryValueMax = 63; // bytes of a history value

struct FoundDeviceRecord {
    std::array<std::uint8_t, 6> mac{};
    QByteArray ip; // dotted IPv4, 8-bit text
    QString display;

    // "<ip> (<MAC as XX-XX-XX-XX-XX-XX>)"
    static QString FormatDisplay(const QByteArray& ip, const std::array<std::uint8_t, 6>& mac);
    static FoundDeviceRecord Make(const QByteArray& ip, const std::array<std::uint8_t, 6>& mac);
    // A history value: the IP up to the first blank, then the MAC's hex pairs; the text is kept
    // as the display text. Over-long parts are cut to their limits.
    static FoundDeviceRecord Parse(const QString& value);
};

struct DeviceHistory {
    QList<FoundDeviceRecord> devices;
    int defaultIndex = -1;
};

// [DeviceHistory] of DevieHistory.ini: "Count", "Default", then "Device_%d" up to the first
// missing key.
DeviceHistory LoadDeviceHistory();
