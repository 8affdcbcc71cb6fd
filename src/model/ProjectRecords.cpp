#include "ProjectRecords.h"

namespace {

constexpr qint32 kSystemLogServiceId = 65535;
constexpr qint32 kServiceLogLevel = 1;
constexpr qint32 kDefaultStorage = 1;

} // namespace

void LogEnableTable::Reset()
{
    for (int i = 0; i < kEntryCount; ++i) {
        LogEnableEntry& entry = Entries[static_cast<size_t>(i)];
        entry.serviceID = i;
        entry.debugFlag = 0;
        entry.level = kServiceLogLevel;
        // A new project starts with storage on; the last project's choice does not carry over.
        entry.storage = kDefaultStorage;
    }
    Entries[kSystemLog].serviceID = kSystemLogServiceId;
    Entries[kSystemLog].level = 0;
    Entries[kIECEngine].serviceID = 0;
}
