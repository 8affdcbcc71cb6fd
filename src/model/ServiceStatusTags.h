#pragma once
// The services whose status tag the model keeps itself, and where DefaultSettings.ini holds the
// resource-id text and name of each status tag.

#include <QString>

#include <array>

// In the order of the model's status-tag definitions.
enum class StatusTagSource {
    AlarmMail,
    AlarmSms,
    AlarmSnmpTrap,
    SnmpAgent,
    Tavo,
    TavoUpdateTrigger, // the TAVO service's second definition
    ModbusMaster,
    ModbusSlave,
    DataLogging,
    RESTfulApi,
    Dnp3Outstation,
};
inline constexpr int kStatusTagSourceCount = 11;

struct StatusTagSourceInfo {
    StatusTagSource Source;
    int ServiceId; // 0: selected by no id
    const char* Section;
    const char* ResourceIdKey;
    const char* NameKey;
};

// One row per source, in the order above.
const std::array<StatusTagSourceInfo, kStatusTagSourceCount>& StatusTagSources();

// The resource-id text and the name of one status tag, as DefaultSettings.ini gives them.
struct ServiceResourceText {
    QString ResourceId;
    QString Name;
};

constexpr int StatusTagPosition(StatusTagSource source)
{
    return static_cast<int>(source);
}
