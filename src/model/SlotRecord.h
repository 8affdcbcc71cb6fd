#pragma once
// One slot of the controller's rack and the module placed in it.

#include <QString>

#include <vector>

// A resource group that a placed module provides: the tag-name abbreviation and its channel type.
struct ChannelGroupEntry {
    QString Abbreviation;
    int ChannelTypeId = 0;
    friend bool operator==(const ChannelGroupEntry&, const ChannelGroupEntry&) = default;
};

struct SlotRecord {
    QString Name; // model name of the placed module; empty when the slot is empty
    std::vector<ChannelGroupEntry> ChannelGroups;
    QString APID; // the module's application id text
};

// Module-type tests on a module model name.
int IsPortTrunkModule(QString moduleName);
int IsSwitchModule(QString moduleName);
