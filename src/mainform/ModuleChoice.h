#pragma once
// The CPU module, slot count and power modules of a 4100 series controller as the new-project CPU
// dialog and the change-module dialog return them.

#include "NewProjectLists.h"

#include <QString>

struct ModuleChoice {
    QString cpuModule;
    int slotCount = 0;
    QString powerModule = kNoModule.toString();
    QString secondPowerModule = kNoModule.toString();
    friend bool operator==(const ModuleChoice&, const ModuleChoice&) = default;
};
