#pragma once
// The HART sensors of a HART analog-input channel: at most five per channel, their long-frame ids
// within the limits of DefaultSettings.ini [HARTSENSOR], and the tags each sensor owns. Sensor k
// of channel c in slot s gets one tag per definition of the module's sensor template, named
// "S<s>_HART<c>_T<k>_<name>" at "<s>.<c>.<ResID>.<k>.<ResType>". Sensors are added and removed at
// the end of the list only, so a sensor's tags follow its position.

#include "CDataCenter.h"
#include "ChannelEntries.h"
#include "ChannelRules.h"
#include "TagDefinition.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace HartSensorRules {

inline constexpr int kMaximumSensors = 5;

// ---- DefaultSettings.ini [HARTSENSOR] ----
inline const QString kSection = QStringLiteral("HARTSENSOR");
inline const QString kOpModeKey = QStringLiteral("HARTOpMode");
inline const QString kFrameTypeKey = QStringLiteral("FrameType");
inline const QString kCommandKey = QStringLiteral("Command");
inline const QString kManufacturerIdKey = QStringLiteral("ManufacturerIDValue");
inline const QString kDeviceTypeKey = QStringLiteral("DeviceTypeValue");
inline const QString kUniqueIdKey = QStringLiteral("UniqDeviceIDValue");

// Default, minimum and maximum of the three long-frame ids.
struct SensorIdLimits {
    ChannelRules::UnsignedTriple ManufacturerId{0, 0, 255};
    ChannelRules::UnsignedTriple DeviceType{0, 0, 255};
    ChannelRules::UnsignedTriple UniqueId{0, 0, 16777215};
    friend bool operator==(const SensorIdLimits&, const SensorIdLimits&) = default;
};
// The limits of the settings file; a key missing or not three numbers keeps its built-in triple.
SensorIdLimits ReadSensorIdLimits();
// The triple of a key name (kManufacturerIdKey, kDeviceTypeKey, kUniqueIdKey); nothing for others.
std::optional<ChannelRules::UnsignedTriple> LimitOfKey(const SensorIdLimits& limits, const QString& key);

// A new sensor: a short frame at polling address 0 with five preambles, the first command, and
// the ids' defaults.
HARTSensorEntry NewSensor(const SensorIdLimits& limits);

// Which of the three ids lie outside their limits (compared as unsigned numbers).
struct SensorIdCheck {
    bool ManufacturerId = true;
    bool DeviceType = true;
    bool UniqueId = true;
    bool AllInRange() const { return ManufacturerId && DeviceType && UniqueId; }
};
SensorIdCheck CheckSensorIds(const HARTSensorEntry& sensor, const SensorIdLimits& limits);

// ---- sensor tags ----
QString SensorTagName(int slot, int channel, int sensor, const QString& definitionName);
QString SensorTagAddress(int slot, int channel, const TagDefinition& definition, int sensor);

// The result of storing a channel's edited sensor list.
struct SensorListChange {
    enum class Outcome {
        Stored,
        TagInUse,  // a removed sensor's tag is used by a service: nothing stored
        TooMany,   // more than kMaximumSensors: nothing stored
        NoChannel, // the slot has no HART record or no such channel
    };
    Outcome Result = Outcome::NoChannel;
    int FirstRemoved = 0; // the removed sensor indices when a tag is in use
    int LastRemoved = 0;
    std::vector<CDataCenter::TagChange> Removed;
    std::vector<CDataCenter::TagChange> Created;
    QStringList NotCreated; // names taken by a tag elsewhere
};

// Stores the channel's new sensor list: the tags of removed sensors go, the added sensors get
// theirs (an address that already has a tag keeps it). Refused, with the model unchanged, when a
// tag of a removed sensor is used by a service.
SensorListChange StoreChannelSensors(CDataCenter& model, int slot, int channel, std::vector<HARTSensorEntry> sensors);

} // namespace HartSensorRules
