#pragma once
// One slot of a controller as the send-configuration operation reads it before sending.

#include <QString>

struct SlotConfigEntry {
    int slot = 0;
    QString name;    // the module's model name
    QString APID;    // the module's application id text
    int differs = 0; // nonzero when the controller and the project differ in this slot
};
