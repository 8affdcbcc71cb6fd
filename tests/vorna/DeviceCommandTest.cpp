// Each device command against the simulator: what it sends, what it gives back, and how it
// judges a reply that is short, long, over its limit or carries a status word.

#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using pelsim::SimFault;

namespace {

Bytes le16(std::uint16_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

// A list reply: the header words, then count entries of entrySize bytes.
Bytes listReply(const Bytes& header, std::size_t entries, std::size_t entrySize)
{
    return header + PatternBytes(entries * entrySize, 3);
}

template <class Record>
Record filled()
{
    Record record;
    std::memset(&record, 0xEE, sizeof record);
    return record;
}

template <class Record>
bool untouched(const Record& record)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    return std::all_of(bytes, bytes + sizeof record, [](std::uint8_t b) { return b == 0xEE; });
}

} // namespace

class DeviceCommandTest : public SimulatorTest {
protected:
    // The reply to the next request of command is exactly payload.
    void NextReply(std::uint16_t command, const Bytes& payload)
    {
        sim.FailCommand(command, SimFault::ReplacePayload(payload));
    }
    Bytes LastPayload(std::uint16_t command)
    {
        const auto requests = sim.Requests(command);
        return requests.empty() ? Bytes{} : requests.back().payload();
    }
};

TEST_F(DeviceCommandTest, TimeSyncSendsTheClockWithoutTheWeekday)
{
    const VornaSystemTime time{2025, 3, 4, 17, 9, 8, 7, 500};
    ASSERT_EQ(VORNA_TimeSync(handle, time), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30001), (Bytes{0x00, 0xE9, 0x07, 3, 17, 9, 8, 7, 0xF4, 0x01}));
    const auto device = sim.Snapshot().deviceTime;
    EXPECT_EQ(device, (pelsim::SimDeviceTime{2025, 3, 17, 9, 8, 7, 500}));
}

TEST_F(DeviceCommandTest, StatusOnlyCommands)
{
    const struct {
        const char* label;
        std::uint16_t command;
        std::function<std::int32_t()> call;
        Bytes payload;
    } cases[] = {
        {"restart", 30002, [&] { return VORNA_Restart(handle); }, {}},
        {"reset", 30003, [&] { return VORNA_Reset(handle); }, {}},
        {"warm reset", 30009, [&] { return VORNA_WarmReset(handle); }, {}},
        {"calibration", 30008, [&] { return VORNA_Calibration(handle, 4, 11); }, {4, 11}},
        {"locate", 30600, [&] { return VORNA_LocateDevice(handle, 1); }, {1}},
        {"clear memory", 30606, [&] { return VORNA_ClearMemory(handle, 2); }, {2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.call(), VORNA_RESULT_OK) << c.label;
        EXPECT_EQ(LastPayload(c.command), c.payload) << c.label;
        sim.FailCommand(c.command, SimFault::RaisedStatus(0x0105));
        EXPECT_EQ(c.call(), VORNA_RESULT_BAD_REPLY) << c.label << ": a status word is a refusal";
    }
    const auto device = sim.Snapshot();
    EXPECT_EQ(device.restartCount, 2);
    ASSERT_FALSE(device.calibrations.empty());
    EXPECT_EQ(device.calibrations.front(), std::make_pair(std::uint8_t(4), std::uint8_t(11)));
}

TEST_F(DeviceCommandTest, RaisedStatusWords)
{
    sim.Update([](pelsim::SimDeviceData& d) {
        d.iecResetStatus = 5;
        d.clientTypeStatus = 0x0105;
    });
    EXPECT_EQ(VORNA_IECReset(handle), 5);
    EXPECT_EQ(VORNA_SendClientTypeToDevice(handle, 3), 0x0105);
    EXPECT_EQ(LastPayload(30604), Bytes{3});
    NextReply(30604, {5, 0, 9});
    EXPECT_EQ(VORNA_SendClientTypeToDevice(handle, 3), 5) << "reply beginning 05 00";
    NextReply(30010, {});
    EXPECT_EQ(VORNA_IECReset(handle), VORNA_RESULT_BAD_REPLY) << "an empty reply is no success";
    NextReply(30010, {7});
    EXPECT_EQ(VORNA_IECReset(handle), VORNA_RESULT_BAD_REPLY);
    sim.Update([](pelsim::SimDeviceData& d) { d.iecResetStatus = 0; });
    EXPECT_EQ(VORNA_IECReset(handle), VORNA_RESULT_OK);
}

TEST_F(DeviceCommandTest, ConfigReleaseDateStatusIsReadHighByteFirst)
{
    ConfigReleaseDate date{};
    ASSERT_EQ(VORNA_GetConfigReleaseDate(handle, &date), VORNA_RESULT_OK);
    EXPECT_STREQ(reinterpret_cast<const char*>(date.bytes), "2024-01-01 00:00:00");

    const struct {
        Bytes payload;
        std::int32_t expected;
    } cases[] = {
        {{0x01, 0x02}, 258},
        {{0x00, 0x05}, 5},
        {{0x00}, VORNA_RESULT_BAD_REPLY},
        {{}, VORNA_RESULT_BAD_REPLY},
        {Bytes{0, 0} + Bytes(49, 'x'), VORNA_RESULT_BAD_REPLY},
    };
    for (const auto& c : cases) {
        NextReply(30017, c.payload);
        auto record = filled<ConfigReleaseDate>();
        EXPECT_EQ(VORNA_GetConfigReleaseDate(handle, &record), c.expected) << c.payload.size() << " bytes";
        EXPECT_TRUE(untouched(record));
    }
}

TEST_F(DeviceCommandTest, IecResourceInfo)
{
    const struct {
        const char* label;
        Bytes payload;
        std::int32_t expected;
        std::uint16_t count;
    } cases[] = {
        {"fifty entries", listReply(le16(0) + le16(50), 50, 8), VORNA_RESULT_OK, 50},
        {"empty list", le16(0) + le16(0), VORNA_RESULT_OK, 0},
        {"count above fifty", listReply(le16(0) + le16(51), 51, 8), VORNA_RESULT_LIST_COUNT, 0},
        {"count of a huge list", le16(0) + le16(0xFFFF), VORNA_RESULT_LIST_COUNT, 0},
        {"status", listReply(le16(1) + le16(1), 1, 8), VORNA_RESULT_BAD_REPLY, 0},
        {"no count", le16(0), VORNA_RESULT_BAD_REPLY, 0},
        {"one byte", {0}, VORNA_RESULT_BAD_REPLY, 0},
        {"entry missing", listReply(le16(0) + le16(2), 1, 8), VORNA_RESULT_BAD_REPLY, 0},
        {"entry too many", listReply(le16(0) + le16(2), 3, 8), VORNA_RESULT_BAD_REPLY, 0},
    };
    for (const auto& c : cases) {
        NextReply(30011, c.payload);
        auto info = filled<IECResourceInfo>();
        EXPECT_EQ(VORNA_IECGetInfo(handle, &info), c.expected) << c.label;
        if (c.expected != VORNA_RESULT_OK) {
            EXPECT_TRUE(untouched(info)) << c.label << ": nothing copied";
            continue;
        }
        EXPECT_EQ(info.count, c.count) << c.label;
        EXPECT_EQ(info.status, 0u);
        EXPECT_EQ(std::memcmp(info.entries, c.payload.data() + 4, c.count * 8u), 0) << c.label;
    }
    sim.Update([](pelsim::SimDeviceData& d) { d.iecResources = {{3, 1234}}; });
    IECResourceInfo info{};
    ASSERT_EQ(VORNA_IECGetInfo(handle, &info), VORNA_RESULT_OK);
    ASSERT_EQ(info.count, 1u);
    EXPECT_EQ(ReadLe32(Bytes(info.entries[0], info.entries[0] + 8), 4), 1234u);
}

TEST_F(DeviceCommandTest, IecResourceNames)
{
    const struct {
        const char* label;
        Bytes payload;
        std::int32_t expected;
    } cases[] = {
        // 265-byte entries: a reply frame holds at most 16 of them.
        {"sixteen entries", listReply(le16(0) + le16(16), 16, 265), VORNA_RESULT_OK},
        {"fifty entries cannot fit a frame", listReply(le16(0) + le16(50), 16, 265), VORNA_RESULT_BAD_REPLY},
        {"shorter than status and count", {0, 0, 1}, VORNA_RESULT_LIST_TOO_SHORT},
        {"status", listReply(le16(2) + le16(1), 1, 265), VORNA_RESULT_BAD_REPLY},
        {"count above fifty", listReply(le16(0) + le16(51), 2, 265), VORNA_RESULT_LIST_COUNT},
        {"entry cut short", listReply(le16(0) + le16(1), 1, 264), VORNA_RESULT_BAD_REPLY},
    };
    for (const auto& c : cases) {
        NextReply(30015, c.payload);
        auto list = filled<IECResourceNameList>();
        EXPECT_EQ(VORNA_IECGetInfoByIXL(handle, &list), c.expected) << c.label;
        if (c.expected == VORNA_RESULT_OK)
            EXPECT_EQ(std::memcmp(list.entries, c.payload.data() + 4, 16 * 265u), 0);
        else
            EXPECT_TRUE(untouched(list)) << c.label;
    }
    sim.Update([](pelsim::SimDeviceData& d) { d.iecResourceNames = {{7, "Resource7"}}; });
    IECResourceNameList list{};
    ASSERT_EQ(VORNA_IECGetInfoByIXL(handle, &list), VORNA_RESULT_OK);
    ASSERT_EQ(list.count, 1u);
    EXPECT_EQ(list.entries[0].text[0], 7);
    EXPECT_STREQ(reinterpret_cast<const char*>(list.entries[0].text + 2), "Resource7");
}

TEST_F(DeviceCommandTest, ConfigErrors)
{
    const struct {
        const char* label;
        Bytes payload;
        std::int32_t expected;
    } cases[] = {
        {"fifty entries", listReply(le16(50), 50, 6), VORNA_RESULT_OK},
        {"no count", {3}, VORNA_RESULT_LIST_TOO_SHORT},
        {"count above fifty", listReply(le16(51), 51, 6), VORNA_RESULT_LIST_COUNT},
        {"fewer entries than announced", listReply(le16(3), 2, 6), VORNA_RESULT_LIST_TOO_SHORT},
        {"last entry cut short", listReply(le16(1), 1, 5), VORNA_RESULT_LIST_TOO_SHORT},
    };
    for (const auto& c : cases) {
        NextReply(30014, c.payload);
        auto errors = filled<ConfigErrorList>();
        EXPECT_EQ(VORNA_GetConfigErrors(handle, &errors), c.expected) << c.label;
        if (c.expected != VORNA_RESULT_OK) {
            EXPECT_TRUE(untouched(errors)) << c.label;
        }
    }
    sim.Update([](pelsim::SimDeviceData& d) { d.configErrors = {{3, 0x10203}, {1, 61}}; });
    ConfigErrorList errors{};
    ASSERT_EQ(VORNA_GetConfigErrors(handle, &errors), VORNA_RESULT_OK);
    ASSERT_EQ(errors.count, 2u);
    const Bytes second(errors.entries[1], errors.entries[1] + 6);
    EXPECT_EQ(ReadLe16(second, 0), 1u);
    EXPECT_EQ(ReadLe32(second, 2), 61u);
}

TEST_F(DeviceCommandTest, SystemLogSettings)
{
    const struct {
        const char* label;
        Bytes payload;
        std::int32_t expected;
    } cases[] = {
        {"fifty entries", listReply(le16(0) + le16(2) + le16(50), 50, 14), VORNA_RESULT_OK},
        {"count above fifty", listReply(le16(0) + le16(2) + le16(51), 51, 14), VORNA_RESULT_LIST_COUNT},
        {"status", listReply(le16(9) + le16(2) + le16(1), 1, 14), VORNA_RESULT_BAD_REPLY},
        {"no count", le16(0) + le16(2) + Bytes{1}, VORNA_RESULT_BAD_REPLY},
        {"entry missing", listReply(le16(0) + le16(2) + le16(2), 1, 14), VORNA_RESULT_BAD_REPLY},
    };
    for (const auto& c : cases) {
        NextReply(30012, c.payload);
        auto settings = filled<SystemLogSettings>();
        EXPECT_EQ(VORNA_SystemLogGetEnable(handle, &settings), c.expected) << c.label;
        if (c.expected != VORNA_RESULT_OK) {
            EXPECT_TRUE(untouched(settings)) << c.label;
        }
    }
    SystemLogSettings settings{};
    ASSERT_EQ(VORNA_SystemLogGetEnable(handle, &settings), VORNA_RESULT_OK);
    EXPECT_EQ(settings.value, 2u);
    EXPECT_EQ(settings.count, 13u);
    EXPECT_EQ(ReadLe16(Bytes(settings.entries[12], settings.entries[12] + 2), 0), 65535u);
}

TEST_F(DeviceCommandTest, SystemLogSetEnable)
{
    SystemLogEnableBlock block{};
    block.count = 1;
    const Bytes entry = le16(3) + Bytes{2, 0, 0, 0} + Bytes{1, 0, 0, 0} + Bytes{0, 0, 0, 0} + Bytes{0};
    std::memcpy(block.entries[0], entry.data(), entry.size());
    SystemLogSetResult result{};
    ASSERT_EQ(VORNA_SystemLogSetEnable(handle, block, &result), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30013), le16(1) + entry);
    EXPECT_EQ(result.count, 1u);
    EXPECT_EQ(sim.Snapshot().logSettings[3].state, 2u);

    const struct {
        const char* label;
        Bytes payload;
        std::int32_t expected;
    } cases[] = {
        {"count above fifty", listReply(le16(0) + le16(2) + le16(51), 51, 4), VORNA_RESULT_LIST_COUNT},
        {"no count", le16(0) + le16(2) + Bytes{1}, VORNA_RESULT_BAD_REPLY},
        {"status", le16(1) + le16(2) + le16(0), VORNA_RESULT_BAD_REPLY},
        {"entry missing", listReply(le16(0) + le16(2) + le16(2), 1, 4), VORNA_RESULT_BAD_REPLY},
    };
    for (const auto& c : cases) {
        NextReply(30013, c.payload);
        auto reply = filled<SystemLogSetResult>();
        EXPECT_EQ(VORNA_SystemLogSetEnable(handle, block, &reply), c.expected) << c.label;
        EXPECT_TRUE(untouched(reply)) << c.label;
    }

    sim.ClearRequests();
    block.count = 51;
    EXPECT_EQ(VORNA_SystemLogSetEnable(handle, block, &result), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_TRUE(sim.Requests().empty()) << "refused before sending";
}

TEST_F(DeviceCommandTest, LogRetrieveIndexLimitIsTen)
{
    LogRetrieveIndexRequest request{};
    request.count = 2;
    request.entries[1][0] = 0x42;
    sim.Update([](pelsim::SimDeviceData& d) { d.tavoLogIndexes = {5, 6, 7}; });
    LogRetrieveIndexResult result{};
    ASSERT_EQ(VORNA_GetTAVOLogRetrieveFileIndex(handle, request, &result), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30016).size(), 2u + 16u);
    EXPECT_EQ(LastPayload(30016)[10], 0x42);
    EXPECT_EQ(result.count, 3u);
    EXPECT_EQ(ReadLe32(Bytes(result.entries[2], result.entries[2] + 4), 0), 7u);

    const struct {
        const char* label;
        Bytes payload;
        std::int32_t expected;
    } cases[] = {
        {"ten entries", listReply(le16(0) + le16(10), 10, 4), VORNA_RESULT_OK},
        {"eleven entries", listReply(le16(0) + le16(11), 11, 4), VORNA_RESULT_LIST_COUNT},
        {"no count", le16(0) + Bytes{1}, VORNA_RESULT_BAD_REPLY},
        {"status", le16(3) + le16(0), VORNA_RESULT_BAD_REPLY},
        {"entry missing", listReply(le16(0) + le16(2), 1, 4), VORNA_RESULT_BAD_REPLY},
    };
    for (const auto& c : cases) {
        NextReply(30016, c.payload);
        auto reply = filled<LogRetrieveIndexResult>();
        EXPECT_EQ(VORNA_GetTAVOLogRetrieveFileIndex(handle, request, &reply), c.expected) << c.label;
        if (c.expected != VORNA_RESULT_OK) {
            EXPECT_TRUE(untouched(reply)) << c.label;
        }
    }
    request.count = 11;
    EXPECT_EQ(VORNA_GetTAVOLogRetrieveFileIndex(handle, request, &result), VORNA_RESULT_INVALID_ARGUMENT);
}

TEST_F(DeviceCommandTest, FileAttributes)
{
    sim.Update([](pelsim::SimDeviceData& d) { d.fileAttributes["/etc/a"] = {0x1234, 0x56}; });
    FileAttribute attribute{};
    ASSERT_EQ(VORNA_GetFileAttribute(handle, "/etc/a", &attribute), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30005), (Bytes{6, '/', 'e', 't', 'c', '/', 'a'}));
    EXPECT_EQ(attribute.value, 0x1234);
    EXPECT_EQ(attribute.flags, 0x56);
    for (const Bytes& payload : {Bytes{0, 0, 1, 2}, Bytes{0, 0, 1, 2, 3, 4}}) {
        NextReply(30005, payload);
        EXPECT_EQ(VORNA_GetFileAttribute(handle, "/etc/a", &attribute), VORNA_RESULT_BAD_REPLY) << payload.size();
    }

    ASSERT_EQ(VORNA_SetFileAttribute(handle, "/etc/b", FileAttribute{0x0102, 3}), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30006), (Bytes{0x02, 0x01, 3, 6, '/', 'e', 't', 'c', '/', 'b'}));
    NextReply(30006, {0, 0, 0});
    EXPECT_EQ(VORNA_SetFileAttribute(handle, "/etc/b", FileAttribute{}), VORNA_RESULT_BAD_REPLY);
    NextReply(30006, {4, 0});
    EXPECT_EQ(VORNA_SetFileAttribute(handle, "/etc/b", FileAttribute{}), 4) << "a refusal is not a success";

    sim.SetFile(1, {1, 2, 3}, "old.cfg");
    EXPECT_EQ(VORNA_DeleteFileAndFolder(handle, "old.cfg"), VORNA_RESULT_OK);
    EXPECT_FALSE(sim.File(1, "old.cfg").has_value());
    EXPECT_EQ(VORNA_DeleteFileAndFolder(handle, "old.cfg"), pelsim::kStatusNoSuchFile);

    const std::string tooLong(256, 'p');
    sim.ClearRequests();
    EXPECT_EQ(VORNA_GetFileAttribute(handle, tooLong.c_str(), &attribute), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_DeleteFileAndFolder(handle, tooLong.c_str()), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_TRUE(sim.Requests().empty()) << "a name longer than its length byte is never sent";
}

TEST_F(DeviceCommandTest, ModelInfoAndChannelItems)
{
    const Bytes items = PatternBytes(8);
    std::uint16_t result = 0xFFFF;
    sim.Update([](pelsim::SimDeviceData& d) { d.upgradeModelResult = 3; });
    ASSERT_EQ(VORNA_UpgradeModelInfo(handle, 2, items.data(), &result), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30007), (Bytes{0, 2, 0} + items));
    EXPECT_EQ(result, 3u);
    NextReply(30007, {0, 0, 0});
    EXPECT_EQ(VORNA_UpgradeModelInfo(handle, 2, items.data(), &result), VORNA_RESULT_BAD_REPLY);

    sim.ClearRequests();
    const Bytes many = PatternBytes(4 * 1200);
    EXPECT_EQ(VORNA_UpgradeModelInfo(handle, 1200, many.data(), &result), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_TRUE(sim.Requests().empty()) << "more items than a frame holds are refused before sending";

    const Bytes channelItems = PatternBytes(16);
    std::uint16_t results[2] = {9, 9};
    ASSERT_EQ(VORNA_WriteChannelStatus(handle, 2, channelItems.data(), results), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30101), (Bytes{0, 2, 0} + channelItems));
    EXPECT_EQ(results[0], 0u);
    NextReply(30101, {0, 0, 0});
    EXPECT_EQ(VORNA_WriteChannelStatus(handle, 2, channelItems.data(), results), VORNA_RESULT_BAD_REPLY);
}

TEST_F(DeviceCommandTest, ReadChannelStatus)
{
    const Bytes data = PatternBytes(20);
    sim.Update([&](pelsim::SimDeviceData& d) { d.channelStatus[{1, 2}] = {0x0304, data}; });
    std::uint16_t value = 0;
    Bytes buffer(VORNA_MAX_PAYLOAD, 0);
    ASSERT_EQ(VORNA_ReadChannelStatus(handle, 1, 2, &value, buffer.data()), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30100), (Bytes{1, 2}));
    EXPECT_EQ(value, 0x0304);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), buffer.begin()));

    NextReply(30100, Bytes(12, 0));
    EXPECT_EQ(VORNA_ReadChannelStatus(handle, 1, 2, &value, buffer.data()), VORNA_RESULT_BAD_REPLY);
    NextReply(30100, Bytes{7, 0} + Bytes(11, 0));
    EXPECT_EQ(VORNA_ReadChannelStatus(handle, 1, 2, &value, buffer.data()), 7);
}

TEST_F(DeviceCommandTest, Accounts)
{
    std::uint16_t count = 0;
    sim.Update([](pelsim::SimDeviceData& d) { d.accounts.push_back({"guest", "pw"}); });
    ASSERT_EQ(VORNA_GetUserNamePwd(handle, 0, &count, nullptr), VORNA_RESULT_OK);
    EXPECT_EQ(count, 2u);
    NextReply(30401, {0, 0, 2});
    EXPECT_EQ(VORNA_GetUserNamePwd(handle, 0, &count, nullptr), VORNA_RESULT_BAD_REPLY);
    NextReply(30401, {0x11, 0x80, 2, 0});
    EXPECT_EQ(VORNA_GetUserNamePwd(handle, 0, &count, nullptr), 0x8011);

    std::uint16_t status = 0xFFFF;
    EXPECT_EQ(VORNA_SetUserNamePwd(handle, 2, 5, 3, "guest", "new", &status), VORNA_RESULT_OK);
    EXPECT_EQ(sim.Snapshot().accounts[1].password, "new");
    EXPECT_EQ(VORNA_AddUserNamePwd(handle, 2, 5, 3, "guest", "new", &status), pelsim::kStatusAccountExists);
    EXPECT_EQ(status, pelsim::kStatusAccountExists);
    NextReply(30400, {0, 0, 0});
    EXPECT_EQ(VORNA_VerifyUserNamePwd(handle, 2, 5, 3, "guest", "new", &status), VORNA_RESULT_BAD_REPLY);
    EXPECT_EQ(VORNA_VerifyUserNamePwd(handle, 2, 5, 3, nullptr, "new", &status), VORNA_RESULT_INVALID_ARGUMENT);
}

TEST_F(DeviceCommandTest, SettingItems)
{
    const std::uint8_t address[4] = {192, 168, 1, 5};
    const std::uint8_t mask[1] = {24};
    const SettingItem items[2] = {{1, 4, address}, {2, 1, mask}};
    ASSERT_EQ(VORNA_SetNetworkSetting(handle, 0, 2, items, nullptr), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30601), (Bytes{0, 1, 4, 192, 168, 1, 5, 2, 1, 24}));
    ASSERT_EQ(VORNA_SetNetworkSetting(handle, 1, 2, items, nullptr), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30601), Bytes{1}) << "items go only with mode 0";
    NextReply(30601, {0, 0, 0});
    EXPECT_EQ(VORNA_SetNetworkSetting(handle, 0, 2, items, nullptr), VORNA_RESULT_BAD_REPLY);

    ASSERT_EQ(VORNA_SetString(handle, 2, items, nullptr), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30602), (Bytes{2, 1, 4, 192, 168, 1, 5, 2, 1, 24}));
    EXPECT_EQ(sim.Snapshot().strings.at(2), Bytes{24});
    NextReply(30602, {0, 0});
    EXPECT_EQ(VORNA_SetString(handle, 2, items, nullptr), VORNA_RESULT_BAD_REPLY) << "one result per item";
}

TEST_F(DeviceCommandTest, MacExistence)
{
    std::uint16_t result = 9;
    // 00-11-22-33-44-55: the first four bytes in memory order, then the low two of the second.
    ASSERT_EQ(VORNA_CheckDeviceMACExist(handle, 0x33221100u, 0xABCD5544u, &result), VORNA_RESULT_OK);
    EXPECT_EQ(LastPayload(30701), (Bytes{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(result, 1u);
    ASSERT_EQ(VORNA_CheckDeviceMACExist(handle, 0, 0, &result), VORNA_RESULT_OK);
    EXPECT_EQ(result, 0u);
    NextReply(30701, {1});
    EXPECT_EQ(VORNA_CheckDeviceMACExist(handle, 0, 0, &result), VORNA_RESULT_BAD_REPLY);
}

TEST_F(DeviceCommandTest, DirectCommandVerdicts)
{
    const struct {
        const char* label;
        Bytes reply;
        std::int32_t expected;
    } cases[] = {
        {"status 0", {0x00, 0x00, 7}, VORNA_RESULT_OK},
        {"refused", {0x00, 0x81, 7, 8}, VORNA_RESULT_DIRECT_REFUSED},
        {"rejected", {0x01, 0x81}, VORNA_RESULT_DIRECT_REJECTED},
        {"other status", {0x02, 0x00}, VORNA_RESULT_BAD_REPLY},
        {"too short", {0x00}, VORNA_RESULT_DIRECT_REFUSED},
    };
    const std::uint8_t payload[2] = {4, 5};
    for (const auto& c : cases) {
        NextReply(30008, c.reply);
        Bytes reply(VORNA_MAX_PAYLOAD, 0xEE);
        std::uint16_t length = 0xEEEE;
        EXPECT_EQ(VORNA_SendCmdDirectly(handle, 30008, payload, 2, reply.data(), &length), c.expected) << c.label;
        EXPECT_EQ(LastPayload(30008), (Bytes{4, 5}));
        if (c.reply.size() < 2) {
            EXPECT_EQ(length, 0xEEEE) << c.label;
            continue;
        }
        EXPECT_EQ(length, c.reply.size()) << c.label << ": the reply is given back also with a refusal";
        EXPECT_TRUE(std::equal(c.reply.begin(), c.reply.end(), reply.begin())) << c.label;
    }
    Bytes reply(VORNA_MAX_PAYLOAD);
    std::uint16_t length = 0;
    EXPECT_EQ(VORNA_SendCmdDirectly(handle, 30999, nullptr, 0, reply.data(), &length), VORNA_RESULT_DIRECT_REFUSED)
        << "the controller's unknown-command answer 00 81";
}
