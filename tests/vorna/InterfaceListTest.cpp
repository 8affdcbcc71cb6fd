// The PC's interface list: which interfaces and addresses qualify, the records, and the selection
// that later connects bind to.

#include "IPHelp.h"
#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

int raisedBy(const std::function<void()>& work)
{
    try {
        work();
    } catch (int code) {
        return code;
    }
    return 0;
}

SystemInterface interfaceRow(std::uint32_t index, std::uint32_t type, bool operational, const std::string& name)
{
    SystemInterface row;
    row.index = index;
    row.type = type;
    row.operational = operational;
    row.mac = {0x02, 0x00, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(index)};
    row.description = name;
    return row;
}

constexpr std::uint32_t ipv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
{
    return std::uint32_t(a) << 24 | std::uint32_t(b) << 16 | std::uint32_t(c) << 8 | d;
}

// loopback, an adapter with two addresses, one unplugged, one without address, one whose
// address has no flags.
SystemTables sampleTables()
{
    SystemTables tables;
    tables.interfaces = {
        interfaceRow(1, CIPHelp::kTypeLoopback, true, "lo"),     interfaceRow(2, CIPHelp::kTypeEthernet, true, "eth0"),
        interfaceRow(3, CIPHelp::kTypeWireless, false, "wlan0"), interfaceRow(4, CIPHelp::kTypeEthernet, true, "eth1"),
        interfaceRow(5, CIPHelp::kTypeWireless, true, "wlan1"),
    };
    tables.addresses = {
        {2, ipv4(10, 0, 0, 5), CIPHelp::kAddressPrimary},
        {2, ipv4(10, 0, 0, 9), CIPHelp::kAddressPrimary},
        {1, ipv4(127, 0, 0, 1), CIPHelp::kAddressPrimary},
        {3, ipv4(192, 168, 1, 2), CIPHelp::kAddressPrimary},
        {5, ipv4(172, 16, 0, 1), 0},
    };
    return tables;
}

InterfaceRecord recordWith(std::uint32_t index, const char* address)
{
    InterfaceRecord record{};
    record.index = index;
    std::strncpy(record.address, address, sizeof record.address - 1);
    return record;
}

} // namespace

TEST(InterfaceListTest, OnlyUpNonLoopbackInterfacesWithFlaggedAddresses)
{
    const SystemTables tables = sampleTables();
    EXPECT_EQ(CIPHelp::CountInterfaces(tables), 1u) << "eth0 once, though it has two addresses";
    const auto records = CIPHelp::Records(tables, 10);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_STREQ(records[0].address, "10.0.0.5");
    EXPECT_STREQ(records[1].address, "10.0.0.9");
    for (const auto& record : records) {
        EXPECT_EQ(std::uint32_t{record.index}, 2u);
        EXPECT_EQ(std::uint32_t{record.type}, CIPHelp::kTypeEthernet);
        EXPECT_EQ(std::uint16_t{record.addressFlags}, CIPHelp::kAddressPrimary);
        EXPECT_EQ(record.mac[5], 2);
        EXPECT_STREQ(reinterpret_cast<const char*>(record.description), "eth0");
    }
    EXPECT_EQ(CIPHelp::Records(tables, 1).size(), 1u) << "no more than asked for";
    EXPECT_EQ(CIPHelp::CountInterfaces(SystemTables{}), 0u);
}

TEST(InterfaceListTest, LongDescriptionKeepsItsTerminator)
{
    SystemTables tables = sampleTables();
    tables.interfaces[1].description = std::string(300, 'd');
    const auto records = CIPHelp::Records(tables, 1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].description[254], 'd');
    EXPECT_EQ(records[0].description[255], 0);
}

TEST(InterfaceListTest, SelectionTakesTheLastMatchAndIsClearedFirst)
{
    const InterfaceRecord records[3] = {recordWith(2, "10.0.0.5"), recordWith(3, "10.0.0.7"),
                                        recordWith(2, "10.0.0.9")};
    CIPHelp::Select(3, records, 2);
    EXPECT_EQ(CIPHelp::SelectedAddress(), "10.0.0.9");
    EXPECT_EQ(raisedBy([&] { CIPHelp::Select(3, records, 8); }), VORNA_RESULT_INTERFACE_NOT_FOUND);
    EXPECT_EQ(CIPHelp::SelectedAddress(), "") << "a failed selection leaves none";
    CIPHelp::Select(2, records, 3);
    EXPECT_EQ(CIPHelp::SelectedAddress(), "10.0.0.7");
    EXPECT_EQ(raisedBy([&] { CIPHelp::Select(1, records, 3); }), VORNA_RESULT_INTERFACE_NOT_FOUND)
        << "only the first count records are looked at";
    CIPHelp::Select(0, nullptr, 0);
    EXPECT_EQ(CIPHelp::SelectedAddress(), "");
}

TEST(InterfaceListTest, ExportsAgreeWithEachOther)
{
    std::uint16_t count = 0xFFFF;
    ASSERT_EQ(VORNA_ListIF(&count), VORNA_RESULT_OK);
    std::vector<InterfaceRecord> records(64);
    std::memset(records.data(), 0xEE, records.size() * sizeof(InterfaceRecord));
    ASSERT_EQ(VORNA_GetIFInfoEx(static_cast<std::uint16_t>(records.size()), records.data()), VORNA_RESULT_OK);
    std::set<std::uint32_t> indexes;
    for (const auto& record : records) {
        if (record.index == 0)
            continue;
        indexes.insert(record.index);
        EXPECT_NE(std::uint32_t{record.type}, CIPHelp::kTypeLoopback);
        EXPECT_NE(std::string(record.address), "127.0.0.1");
        EXPECT_EQ(record.description[255], 0);
    }
    EXPECT_EQ(indexes.size(), count);
    const InterfaceRecord& unused = records.back();
    EXPECT_EQ(std::uint32_t{unused.index}, 0u) << "records beyond the list are zeroed";
    EXPECT_EQ(VORNA_GetIFInfoEx(0, nullptr), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_GetIFInfoEx(1, nullptr), VORNA_RESULT_INVALID_ARGUMENT);
    EXPECT_EQ(VORNA_ListIF(nullptr), VORNA_RESULT_INVALID_ARGUMENT);
}

class InterfaceSelectionTest : public ::testing::Test {
protected:
    void TearDown() override { VORNA_SelectIFEx(0, nullptr, 0); }

    std::int32_t ConnectResult()
    {
        std::int32_t handle = 0;
        const std::int32_t result = VORNA_Connect(kLoopback, sim.port(), kShortTimeoutMs, &handle);
        if (result == VORNA_RESULT_OK)
            VORNA_Disconnect(handle);
        return result;
    }

    VornaSession session;
    pelsim::DeviceSimulator sim;
};

TEST_F(InterfaceSelectionTest, LaterConnectsBindToTheSelection)
{
    const InterfaceRecord loopback = recordWith(1, "127.0.0.1");
    ASSERT_EQ(VORNA_SelectIFEx(1, &loopback, 1), VORNA_RESULT_OK);
    EXPECT_EQ(ConnectResult(), VORNA_RESULT_OK);

    const InterfaceRecord gone = recordWith(9, "not an address");
    ASSERT_EQ(VORNA_SelectIFEx(1, &gone, 9), VORNA_RESULT_OK);
    EXPECT_EQ(ConnectResult(), VORNA_RESULT_SOCKET_CREATE) << "the bind fails";

    EXPECT_EQ(VORNA_SelectIFEx(1, &gone, 4), VORNA_RESULT_INTERFACE_NOT_FOUND);
    EXPECT_EQ(ConnectResult(), VORNA_RESULT_OK) << "an unknown index leaves no selection behind";

    ASSERT_EQ(VORNA_SelectIFEx(1, &gone, 9), VORNA_RESULT_OK);
    ASSERT_EQ(VORNA_SelectIFEx(1, nullptr, 9), VORNA_RESULT_OK);
    EXPECT_EQ(ConnectResult(), VORNA_RESULT_OK) << "null records clear the selection";
}

TEST_F(InterfaceSelectionTest, OpenConnectionsKeepTheirBinding)
{
    std::int32_t handle = 0;
    ASSERT_EQ(VORNA_Connect(kLoopback, sim.port(), kShortTimeoutMs, &handle), VORNA_RESULT_OK);
    const InterfaceRecord gone = recordWith(9, "not an address");
    ASSERT_EQ(VORNA_SelectIFEx(1, &gone, 9), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK);
    EXPECT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);
}
