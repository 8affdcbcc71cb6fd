#include "LogSettingsBlocks.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr std::size_t kTypeOffset = 0;
constexpr std::size_t kStateOffset = 2;
constexpr std::size_t kWordAOffset = 6;
constexpr std::size_t kWordBOffset = 10;

LogEditEntry editEntry(std::uint16_t type, std::uint32_t state, std::uint32_t systemWordB)
{
    const bool system = type == kSystemLogType;
    return {type, state, system ? 0u : 1u, system ? systemWordB : 0u};
}

} // namespace

std::vector<LogSettingEntry> ReadLogSettings(const SystemLogSettings& reply)
{
    std::vector<LogSettingEntry> entries;
    const std::size_t count = std::min<std::size_t>(reply.count, VORNA_LIST_LIMIT);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = reply.entries[i];
        entries.push_back({qFromLittleEndian<std::uint16_t>(entry + kTypeOffset),
                           qFromLittleEndian<std::uint32_t>(entry + kStateOffset)});
    }
    return entries;
}

std::vector<LogEditEntry> CopyLogSettingsForEdit(const std::vector<LogSettingEntry>& read)
{
    std::vector<LogEditEntry> edit;
    for (const LogSettingEntry& entry : read)
        edit.push_back(editEntry(entry.type, entry.state, 1));
    return edit;
}

SystemLogEnableBlock CollectChangedLogSettings(const std::vector<LogSettingEntry>& read,
                                               const std::vector<LogEditEntry>& edited)
{
    SystemLogEnableBlock block{};
    const std::size_t count = std::min({read.size(), edited.size(), std::size_t{VORNA_LIST_LIMIT}});
    for (std::size_t i = 0; i < count; ++i) {
        if (edited[i].state == read[i].state)
            continue;
        const LogEditEntry changed = editEntry(edited[i].type, edited[i].state, edited[i].wordB);
        std::uint8_t* out = block.entries[block.count++];
        qToLittleEndian<std::uint16_t>(changed.type, out + kTypeOffset);
        qToLittleEndian<std::uint32_t>(changed.state, out + kStateOffset);
        qToLittleEndian<std::uint32_t>(changed.wordA, out + kWordAOffset);
        qToLittleEndian<std::uint32_t>(changed.wordB, out + kWordBOffset);
    }
    return block;
}
