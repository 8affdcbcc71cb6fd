#pragma once
// The log settings as the controller reports them, the table the list edits, and the block of
// changed entries the log operation sends.

#include "CGetDeviceInfoDlg.h"

#include "VORNA.h"

#include <vector>

struct LogEditEntry {
    std::uint16_t type = 0;
    std::uint32_t state = kLogStateDisabled;
    std::uint32_t wordA = 0;
    std::uint32_t wordB = 0;
};

// The reported entries (type, state), at most the list limit.
std::vector<LogSettingEntry> ReadLogSettings(const SystemLogSettings& reply);
// One edit entry per read entry: words 1/0 for the service logs, 0/1 for the system log.
std::vector<LogEditEntry> CopyLogSettingsForEdit(const std::vector<LogSettingEntry>& read);
// The edited entries whose state differs from the state read, in order, as the block to send.
SystemLogEnableBlock CollectChangedLogSettings(const std::vector<LogSettingEntry>& read,
                                               const std::vector<LogEditEntry>& edited);
