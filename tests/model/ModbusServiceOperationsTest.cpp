// The Modbus services' rules in the model: the serial ports offered, the slave's address map,
// the master's command layout and the operations behind the pages' Add, Modify and Delete.
#include "CAutoResource.h"
#include "CDataCenter.h"
#include "ConfigFiles.h"
#include "ModbusCommandLayout.h"
#include "ModbusSlaveMap.h"
#include "SerialPortOffer.h"
#include "TagEngineFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace TagFixture;
namespace Layout = ModbusCommandLayout;

std::vector<QString> keysOf(const std::vector<SerialPortChoice>& ports)
{
    std::vector<QString> keys;
    for (const SerialPortChoice& port : ports)
        keys.push_back(port.Key);
    return keys;
}

SerialPortSettingBlock portSetting(const CDataCenter& model, int slot, int port)
{
    PortModuleSlotRecord record;
    EXPECT_TRUE(model.GetSerialSetting(slot, record));
    return record.Ports.at(static_cast<size_t>(port)).Setting;
}

TagRecord tagOfCode(const QString& name, const QString& address, int code)
{
    TagRecord tag;
    tag.Construct(name, QString(), QStringLiteral("IR"), 1500 + code, address, 1, code, 2);
    return tag;
}

// Slot 0 with the controller's ports, a serial module in slot 1 and one in the unused slot 3.
class SerialPortOfferTest : public testing::Test {
protected:
    void SetUp() override
    {
        MakeSlots(model);
        model.AddSerialRecord(0, 2, 0, QStringLiteral("COM"), MakeSerialPorts(2));
        PlaceSerial(model, 1);
        model.SetSlotUsed(1, 1);
        model.AddSerialRecord(3, 2, 0, QStringLiteral("COM"), MakeSerialPorts(2));
    }
    CDataCenter model;
};

TEST_F(SerialPortOfferTest, PortsHeldByAnotherServiceAreHiddenAndOwnPortsStay)
{
    EXPECT_EQ(keysOf(OfferedSerialPorts(model, SerialPortUser::ModbusMaster)),
              (std::vector<QString>{"S_0-P_0", "S_0-P_1", "S_1-P_0", "S_1-P_1"}))
        << "slot 3 holds a record but is not used";
    model.SetSerialPortServiceUse(1, 0, 1, SerialPortUser::ModbusSlave);
    model.SetSerialPortServiceUse(0, 1, 1, SerialPortUser::ModbusMaster);
    EXPECT_EQ(keysOf(OfferedSerialPorts(model, SerialPortUser::ModbusMaster)),
              (std::vector<QString>{"S_0-P_0", "S_0-P_1", "S_1-P_1"}));
    EXPECT_EQ(keysOf(OfferedSerialPorts(model, SerialPortUser::ModbusSlave)),
              (std::vector<QString>{"S_0-P_0", "S_1-P_0", "S_1-P_1"}));
}

TEST_F(SerialPortOfferTest, NoPortIsOfferedPastTheRecordsPortList)
{
    model.SerialSettings[0].Ports.resize(1);  // the controller's record with one port
    model.SerialSettings[1].ChannelCount = 4; // claims more ports than it lists
    EXPECT_EQ(keysOf(OfferedSerialPorts(model, SerialPortUser::ModbusMaster)),
              (std::vector<QString>{"S_0-P_0", "S_1-P_0", "S_1-P_1"}));
}

TEST(SerialPortKeyTest, KeysParseOnlyInTheirOwnForm)
{
    EXPECT_EQ(ParseSerialPortKey("S_2-P_3"), (SerialPortChoice{"S_2-P_3", 2, 3}));
    for (const char* other : {"S_0-E_0", "None", "", "S_1-P_", "xS_1-P_0"})
        EXPECT_FALSE(ParseSerialPortKey(other).has_value()) << other;
}

// ---- the slave's address map ----

MODBUS_SLAVE_TAG_SET setOf(int code, int map, int start, int count)
{
    MODBUS_SLAVE_TAG_SET set;
    std::vector<TagRecord> tags;
    for (int i = 0; i < count; ++i)
        tags.push_back(tagOfCode(QStringLiteral("T%1").arg(i), Address(0, start, i), code));
    ModbusSlaveMap::AppendChosenTags(set, tags, start, map, QStringLiteral("Set"));
    return set;
}

std::vector<int> addressesOf(const MODBUS_SLAVE_TAG_SET& set)
{
    std::vector<int> addresses;
    for (const MODBUS_SLAVE_TAG_ITEM& item : set.Items)
        addresses.push_back(item.ModbusAddress);
    return addresses;
}

TEST(ModbusSlaveMapTest, TagsFollowEachOtherByTheirStep)
{
    const MODBUS_SLAVE_TAG_SET longs = setOf(4, 3, 100, 3);
    EXPECT_EQ(addressesOf(longs), (std::vector<int>{100, 102, 104}));
    EXPECT_EQ(ModbusSlaveMap::AreaAddressText(3, 100), "40101");
    EXPECT_EQ(ModbusSlaveMap::AreaAddressText(1, 0), "00001");
    EXPECT_EQ(ModbusSlaveMap::AreaAddressText(4, 0), "");
    EXPECT_EQ(addressesOf(setOf(6, 3, 0, 2)), (std::vector<int>{0, 32})) << "a string takes 32 registers";
    EXPECT_EQ(addressesOf(setOf(15, 3, 0, 2)), (std::vector<int>{0, 32}));
    EXPECT_EQ(longs.TagDataType, 3);
    EXPECT_EQ(longs.Items[0].DataType, 2);
    EXPECT_EQ(longs.Items[0].TagType, 4);
}

TEST(ModbusSlaveMapTest, ChosenTagsSkipListedOnesAndReplaceAnotherType)
{
    MODBUS_SLAVE_TAG_SET set = setOf(4, 3, 10, 2);
    const std::vector<TagRecord> again = {tagOfCode("T1", Address(0, 10, 1), 4), tagOfCode("New", "9.9.9", 13)};
    EXPECT_EQ(ModbusSlaveMap::AppendChosenTags(set, again, 10, 3, "Set"), 1);
    EXPECT_EQ(addressesOf(set), (std::vector<int>{10, 12, 14})) << "the listed tag takes no address";
    const std::vector<TagRecord> bits = {tagOfCode("Bit", "8.8.8", 1)};
    EXPECT_TRUE(ModbusSlaveMap::ChosenTagsReplaceItems(set, bits));
    ModbusSlaveMap::AppendChosenTags(set, bits, 10, -1, "Set");
    ASSERT_EQ(set.Items.size(), 1);
    EXPECT_EQ(set.Items[0].Tag, "8.8.8");
    EXPECT_EQ(set.TagDataType, 0);
}

TEST(ModbusSlaveMapTest, SetsOfOneAreaMayNotShareAnAddressAndTheLastAddressIs65535)
{
    const QVector<MODBUS_SLAVE_TAG_SET> stored = {setOf(4, 3, 100, 3)}; // 100..105 of map 3
    const struct {
        const char* name;
        MODBUS_SLAVE_TAG_SET set;
        bool fits;
    } cases[] = {
        {"overlapping its last register", setOf(4, 3, 104, 1), false},
        {"overlapping its first register", setOf(4, 3, 98, 2), false},
        {"right after it", setOf(4, 3, 106, 1), true},
        {"same addresses in another area", setOf(4, 2, 100, 3), true},
        {"a 32-bit tag at 65535", setOf(4, 2, 65535, 1), false},
        {"a 32-bit tag at 65534", setOf(4, 2, 65534, 1), true},
        {"a 16-bit tag at 65535", setOf(5, 2, 65535, 1), true},
        {"a negative start", setOf(5, 2, -1, 1), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModbusSlaveMap::SetFitsMap(c.set, stored, -1), c.fits) << c.name;
    EXPECT_TRUE(ModbusSlaveMap::SetFitsMap(setOf(4, 3, 104, 1), stored, 0)) << "a set is not its own overlap";
}

// ---- the master's command layout ----

TEST(ModbusCommandLayoutTest, ResourcesFollowFromStartTotalAndTagSize)
{
    const struct {
        const char* name;
        int function;
        int start;
        std::vector<int> codes;
        int total; // 0: the computed current total
        Layout::TotalRange range;
        std::vector<int> starts;
        std::vector<int> references;
        std::vector<int> quantities;
    } cases[] = {
        {"holding registers, three 32-bit tags",
         3,
         0,
         {4, 4, 4},
         0,
         {5, 6, 6, 2},
         {0, 2, 4},
         {40001, 40003, 40005},
         {2, 2, 2}},
        {"the same with total 5", 3, 0, {4, 4, 4}, 5, {5, 6, 6, 2}, {0, 2, 4}, {40001, 40003, 40005}, {2, 2, 1}},
        {"coils, two 16-bit tags from 9", 0, 9, {5, 5}, 0, {17, 32, 32, 16}, {9, 25}, {10, 26}, {16, 16}},
        {"input registers, 8-bit tags take a register",
         5,
         9999,
         {2, 2},
         0,
         {2, 2, 2, 1},
         {9999, 10000},
         {310000, 310001},
         {1, 1}},
        {"discrete inputs, a bit", 2, 0, {1}, 0, {1, 1, 1, 1}, {0}, {10001}, {1}},
        {"total below the minimum builds nothing", 3, 0, {4, 4, 4}, 4, {5, 6, 6, 2}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Layout::TotalRange range = Layout::ComputeTotalRange(c.function, c.codes);
        EXPECT_EQ(range.Minimum, c.range.Minimum);
        EXPECT_EQ(range.Maximum, c.range.Maximum);
        EXPECT_EQ(range.Current, c.range.Current);
        EXPECT_EQ(range.PerTag, c.range.PerTag);
        std::vector<QString> keys;
        for (size_t i = 0; i < c.codes.size(); ++i)
            keys.push_back(Address(1, 0, static_cast<int>(i)));
        const auto resources = Layout::BuildResources(c.function, c.start, c.total ? c.total : range.Current,
                                                      range.PerTag, keys, c.codes, 2);
        std::vector<int> starts, references, quantities;
        for (const MODBUS_COMMAND_RESOURCE& resource : resources) {
            starts.push_back(resource.Start_Addr);
            references.push_back(resource.ReferenceAddress);
            quantities.push_back(resource.Length);
        }
        EXPECT_EQ(starts, c.starts);
        EXPECT_EQ(references, c.references);
        EXPECT_EQ(quantities, c.quantities);
    }
    EXPECT_EQ(Layout::ReferenceText(0, 10), "00010");
    EXPECT_EQ(Layout::ReferenceText(1, 26), "00026");
    EXPECT_EQ(Layout::ReferenceText(3, 40001), "40001");
}

TEST(ModbusCommandLayoutTest, FunctionsAcceptTheirDataTypesOnly)
{
    for (int code = 1; code <= 9; ++code)
        EXPECT_FALSE(Layout::IsAllowedCode(Layout::Function::WriteCoils, code)) << code;
    EXPECT_TRUE(Layout::IsAllowedCode(Layout::Function::WriteCoils, 10));
    EXPECT_FALSE(Layout::IsAllowedCode(Layout::Function::ReadHoldingRegisters, 1)) << "no bits in registers";
    EXPECT_TRUE(Layout::IsAllowedCode(Layout::Function::ReadInputRegisters, 6));
    EXPECT_FALSE(Layout::IsAllowedCode(Layout::Function::ReadCoils, 6)) << "no strings in coils";
    EXPECT_TRUE(Layout::FitsAddressSpace(65530, 6));
    EXPECT_FALSE(Layout::FitsAddressSpace(65531, 6));
    EXPECT_FALSE(Layout::FitsAddressSpace(-1, 1));
}

// ---- the operations of the pages ----

class ModbusOperationsTest : public SerialPortOfferTest {
protected:
    void SetUp() override
    {
        // The automatic tag names of the shipped DefaultSettings.ini.
        SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR));
        CAutoResource::ReleaseInstance();
        SerialPortOfferTest::SetUp();
        model.AppendTag(tagOfCode("Level", "0.1.1504", 4));
        model.AppendTag(tagOfCode("Flow", "0.2.1504", 4));
    }

    int addDevice(const QString& name, const QString& port = kEthernetPortKey,
                  QVector<MODBUS_COMMAND_SETTINGS> commands = {})
    {
        MODBUS_EXTERNAL_DEVICE_SETTINGS device;
        device.Name = name;
        device.RTUPort = port;
        device.Commands = std::move(commands);
        std::vector<CDataCenter::TagChange> created;
        return model.CreateModbusMasterDevice(device, created);
    }
    std::vector<qint32> deviceIds() const
    {
        std::vector<qint32> ids;
        for (const auto& device : model.ModbusMasterDevices)
            ids.push_back(device.Index);
        return ids;
    }
    std::vector<TagServiceLink> usesOf(const QString& address) const
    {
        const TagRecord* tag = TagAt(model, address);
        return tag ? tag->RelatedServices : std::vector<TagServiceLink>{};
    }
};

TEST_F(ModbusOperationsTest, DeviceIdsGrowAndTheLastFreedIdIsTakenAgain)
{
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(addDevice(name));
    EXPECT_EQ(deviceIds(), (std::vector<qint32>{0, 1, 2}));
    model.DeleteModbusMasterDevices({1});
    addDevice("D");
    EXPECT_EQ(deviceIds(), (std::vector<qint32>{0, 2, 3}));
    const auto removed = model.DeleteModbusMasterDevices({2});
    EXPECT_EQ(removed.size(), 2u) << "the status and error tags go with the device";
    EXPECT_EQ(TagAt(model, "0.3.105.1"), nullptr);
    addDevice("E");
    EXPECT_EQ(deviceIds(), (std::vector<qint32>{0, 2, 3}));
    const MODBUS_EXTERNAL_DEVICE_SETTINGS& device = model.ModbusMasterDevices.back();
    EXPECT_EQ(device.StatusTag, "0.3.105.1");
    EXPECT_EQ(device.ErrorTag, "0.3.105.2");
    ASSERT_NE(TagAt(model, "0.3.105.1"), nullptr);
    EXPECT_EQ(TagAt(model, "0.3.105.1")->TagName, "DeviceStatus_3");
    EXPECT_EQ(usesOf("0.3.105.1"), Links({MakeIntPair(105, 3)}));
    EXPECT_EQ(usesOf("0.3.105.2"), Links({MakeIntPair(105, 3)}));
}

TEST_F(ModbusOperationsTest, ADeviceWhoseTagNameIsTakenIsNotAdded)
{
    model.AppendTag(tagOfCode("DeviceStatus_0", "7.7.7", 4));
    EXPECT_FALSE(addDevice("A"));
    EXPECT_TRUE(model.ModbusMasterDevices.empty());
    EXPECT_EQ(TagAt(model, "0.0.105.2"), nullptr);
}

TEST_F(ModbusOperationsTest, CommandsRegisterTheirTagsForTheirDevice)
{
    MODBUS_COMMAND_SETTINGS command;
    command.Name = "Poll";
    command.Resources = {{"0.1.1504", 0, 40001, 2, 2, 2}};
    addDevice("A", kEthernetPortKey, {command});
    addDevice("B", kEthernetPortKey, model.ModbusMasterDevices[0].Commands);
    EXPECT_EQ(usesOf("0.1.1504"), Links({MakeIntPair(105, 0), MakeIntPair(105, 1)}));
    command.Resources = {{"0.2.1504", 0, 40001, 2, 2, 2}};
    ASSERT_TRUE(model.AddModbusMasterCommand(1, command));
    EXPECT_EQ(usesOf("0.2.1504"), Links({MakeIntPair(105, 1)}));
    EXPECT_FALSE(model.AddModbusMasterCommand(2, command));
    model.DeleteModbusMasterDevices({0, 1});
    EXPECT_TRUE(usesOf("0.1.1504").empty());
    EXPECT_TRUE(usesOf("0.2.1504").empty());
}

TEST_F(ModbusOperationsTest, DevicePortsStayMarkedWhileAnyDeviceUsesThem)
{
    addDevice("A", "S_1-P_0");
    addDevice("B", "S_1-P_0");
    EXPECT_EQ(portSetting(model, 1, 0).IsUsedByService, 1);
    MODBUS_EXTERNAL_DEVICE_SETTINGS moved = model.ModbusMasterDevices[0];
    moved.RTUPort = "S_1-P_1";
    model.ModifyModbusMasterDevice(0, moved);
    EXPECT_EQ(portSetting(model, 1, 0).IsUsedByService, 1) << "device B still uses it";
    EXPECT_EQ(portSetting(model, 1, 1).IsUsedByService, 1);
    model.DeleteModbusMasterDevices({1});
    EXPECT_EQ(portSetting(model, 1, 0).IsUsedByService, 0);
    model.DeleteModbusMasterDevices({0});
    EXPECT_EQ(portSetting(model, 1, 1).IsUsedByService, 0);
}

TEST_F(ModbusOperationsTest, SlaveSetsKeepTheirIndexAndMarkTheirTags)
{
    MODBUS_SLAVE_TAG_SET set = setOf(4, 3, 0, 0);
    ModbusSlaveMap::AppendChosenTags(set, {tagOfCode("Level", "0.1.1504", 4)}, 0, 3, "ignored");
    for (const char* name : {"S0", "S1", "S2"}) {
        set.Name = name;
        model.AddModbusSlaveTagSet(set);
    }
    EXPECT_EQ(model.ModbusSlave.MulitTagSet[2].Items[0].Name, "S2");
    EXPECT_EQ(usesOf("0.1.1504"), Links({MakeIntPair(117, 0), MakeIntPair(117, 1), MakeIntPair(117, 2)}));
    model.DeleteModbusSlaveTagSets({2});
    set.Name = "S3";
    EXPECT_EQ(model.AddModbusSlaveTagSet(set), 3) << "the deleted set's number is not given again";
    model.DeleteModbusSlaveTagSets({0, 1});
    EXPECT_EQ(model.ModbusSlave.MulitTagSet.size(), 1);
    EXPECT_EQ(usesOf("0.1.1504"), Links({MakeIntPair(117, 3)}));
    MODBUS_SLAVE_TAG_SET changed = model.ModbusSlave.MulitTagSet[0];
    changed.Items[0].Tag = "0.2.1504";
    changed.Index = 99;
    ASSERT_TRUE(model.SetModbusSlaveTagSet(0, changed));
    EXPECT_EQ(model.ModbusSlave.MulitTagSet[0].Index, 3);
    EXPECT_TRUE(usesOf("0.1.1504").empty());
    EXPECT_EQ(usesOf("0.2.1504"), Links({MakeIntPair(117, 3)}));
}

TEST_F(ModbusOperationsTest, SlaveSerialPortMarkMovesWithItsKey)
{
    model.SetModbusSlaveSerialPort("S_1-P_1");
    EXPECT_EQ(portSetting(model, 1, 1).IsUsedByService, 1);
    EXPECT_EQ(portSetting(model, 1, 1).UsedServiceType, SerialPortUser::ModbusSlave);
    EXPECT_EQ(model.ModbusSlave.EnSerial, 1);
    model.SetModbusSlaveSerialPort("S_0-P_0");
    EXPECT_EQ(portSetting(model, 1, 1).IsUsedByService, 0);
    EXPECT_EQ(portSetting(model, 0, 0).IsUsedByService, 1);
    model.SetModbusSlaveSerialPort(QString());
    EXPECT_EQ(portSetting(model, 0, 0).IsUsedByService, 0);
    EXPECT_EQ(model.ModbusSlave.EnSerial, 0);
    addDevice("A", "S_1-P_0");
    model.ModbusSlave.SerialPort = "S_1-P_0"; // a file naming a port the master holds
    model.SetModbusSlaveSerialPort(QString());
    EXPECT_EQ(portSetting(model, 1, 0).IsUsedByService, 1) << "the master's mark is not the slave's to free";
}

} // namespace
