#include "LogSettingsBlocks.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

TEST(LogSettingsBlocksTest, ReadsEditsAndCollectsOnlyTheChangedEntries)
{
    SystemLogSettings reply{};
    reply.count = 3;
    const std::pair<std::uint16_t, std::uint32_t> reported[] = {{0, 2}, {5, 0}, {kSystemLogType, 2}};
    for (int i = 0; i < 3; ++i) {
        qToLittleEndian<std::uint16_t>(reported[i].first, reply.entries[i]);
        qToLittleEndian<std::uint32_t>(reported[i].second, reply.entries[i] + 2);
    }
    const std::vector<LogSettingEntry> read = ReadLogSettings(reply);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[2].type, kSystemLogType);

    std::vector<LogEditEntry> edit = CopyLogSettingsForEdit(read);
    EXPECT_EQ(edit[0].wordA, 1u);
    EXPECT_EQ(edit[0].wordB, 0u);
    EXPECT_EQ(edit[2].wordA, 0u);
    EXPECT_EQ(edit[2].wordB, 1u);
    EXPECT_EQ(CollectChangedLogSettings(read, edit).count, 0);

    edit[1].state = kLogStateEnabled;
    edit[2].state = kLogStateDisabled;
    edit[2].wordB = 7;
    const SystemLogEnableBlock block = CollectChangedLogSettings(read, edit);
    ASSERT_EQ(block.count, 2);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(block.entries[0]), 5);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(block.entries[0] + 2), kLogStateEnabled);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(block.entries[0] + 6), 1u);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(block.entries[1]), kSystemLogType);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(block.entries[1] + 10), 7u);
    EXPECT_EQ(block.entries[1][14], 0);
}

TEST(LogSettingsBlocksTest, AReportedCountAboveTheLimitIsCut)
{
    SystemLogSettings reply{};
    reply.count = 60000;
    EXPECT_EQ(ReadLogSettings(reply).size(), static_cast<size_t>(VORNA_LIST_LIMIT));
}

} // namespace
