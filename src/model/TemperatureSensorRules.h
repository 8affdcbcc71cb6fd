#pragma once
// The sensor types of RTD and thermocouple modules ([RTDSensorType] / [TCSensorType] of
// DefaultSettings.ini: the module's line names its sensor types, each type's line gives minimum,
// maximum, code and kind) and the channel offset ("Offset": default, minimum, maximum).

#include "ChannelRules.h"

#include <QString>

#include <optional>
#include <vector>

namespace TemperatureSensors {

enum Unit { Celsius = 0, Fahrenheit = 1, Raw = 2 };

// Kind "T": a temperature sensor; any other kind is read in the raw unit (ohm or millivolt).
inline const QString kTemperatureKind = QStringLiteral("T");

struct SensorType {
    QString Name;
    QString Minimum;
    QString Maximum;
    QString Code;
    QString Kind;
    bool IsTemperature() const { return Kind == kTemperatureKind; }
    friend bool operator==(const SensorType&, const SensorType&) = default;
};

std::vector<SensorType> ReadSensorTypes(const QString& section, const QString& moduleName);
std::optional<int> IndexOfCode(const std::vector<SensorType>& types, int code);

struct OffsetLimits {
    float defaultValue = 0.0f;
    float minimum = 0.0f;
    float maximum = 0.0f;
    friend bool operator==(const OffsetLimits&, const OffsetLimits&) = default;
};
// "Offset" of the section: absent counts as "0"; missing numbers take the first one.
OffsetLimits ReadOffsetLimits(const QString& section);
OffsetLimits ParseOffsetLimits(const QString& text);

// One decimal, half away from zero.
float RoundOffset(float offset);
// Whole degrees Celsius in Fahrenheit, truncated.
int ToFahrenheit(int celsius);

} // namespace TemperatureSensors
