#pragma once
// Values shared by the digital groups: the trigger ("NA" for none) and the output values that the
// DO, relay and DIO channels write alike.

#include "ChannelEntries.h"
#include "IXMLParser.h"

#include <QString>

namespace DeviceFile {

inline constexpr qint32 kNoTrigger = -1;
inline constexpr int kTriggerMax = 2;

QString TriggerText(qint32 trigger);
// "NA" reads back as no trigger; any other value must lie in 0..2, else 0.
qint32 ReadTrigger(IXMLElement* channel);

struct OutputValueNames {
    const QString& mode;
    const QString& status;
};

// Mode, status, "%.2f" frequency, "%.1f" duty cycle, output pulse count, in this order.
void AddOutputValues(IXMLElement* item, const OutputSettingBlock& block, const OutputValueNames& names);

struct OutputReadRules {
    int statusMaximum = 0; // 0: any status
    double missingFrequency = 1.0;
};
void ReadOutputValues(IXMLElement* item, OutputSettingBlock& block, const OutputValueNames& names,
                      const OutputReadRules& rules);

} // namespace DeviceFile
