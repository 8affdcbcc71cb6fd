#include "SlotRecord.h"

namespace {

const QString kPortTrunkModuleNumber = QStringLiteral("3302");
const QString kSwitchModuleNumber = QStringLiteral("3320");

} // namespace

int IsPortTrunkModule(QString moduleName)
{
    return moduleName.contains(kPortTrunkModuleNumber) ? 1 : 0;
}

int IsSwitchModule(QString moduleName)
{
    return moduleName.contains(kSwitchModuleNumber) ? 1 : 0;
}
