#pragma once
// The three long-frame ids of the HART sensor dialog (manufacturer id, device type, unique id):
// a label, an edit and a range text each, shown, read and checked against their limits together.

#include "ChannelEntries.h"
#include "HartSensorRules.h"

class DialogControls;
class IHartSensorLimitSource;

class HartSensorIdEdits {
public:
    explicit HartSensorIdEdits(DialogControls& dialog) : dialog_(dialog) {}

    // The opener's limits replace the built-in ones it holds; the range texts show the result.
    void TakeLimits(const IHartSensorLimitSource* opener, HartSensorRules::SensorIdLimits& limits) const;
    void Show(const HARTSensorEntry& sensor) const;
    void ShowDefaults(const HartSensorRules::SensorIdLimits& limits) const;
    void Enable(bool enable) const;
    // As the C runtime reads a number: a negative id becomes a large unsigned one and is refused.
    void Read(HARTSensorEntry& sensor) const;
    // False, after one message naming every id out of range (the first one focused).
    bool Check(const HARTSensorEntry& sensor, const HartSensorRules::SensorIdLimits& limits) const;

private:
    DialogControls& dialog_;
};
