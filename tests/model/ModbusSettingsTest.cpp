#include "DefaultSettingsFolder.h"

#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "MODBUS_SLAVE_SETTINGS.h"

namespace {

class ModbusSettingsTest : public DefaultSettingsFolder {};

TEST_F(ModbusSettingsTest, SlavePortOfOtherThanThreePiecesGivesTheBuiltInTriple)
{
    const struct {
        const char* file;
        SettingTriple port;
        SettingTriple unitId;
    } cases[] = {
        {"PortValue=600\n", {502, 1, 65535}, {1, 1, 247}},
        {"PortValue=600,1,700,800\n", {502, 1, 65535}, {1, 1, 247}},
        {"PortValue=600,1,700,\n", {502, 1, 65535}, {1, 1, 247}},
        {"UnitIDValue=5, 1, 200\n", {502, 1, 65535}, {5, 1, 200}},
    };
    for (const auto& c : cases) {
        UseDefaultSettings(QByteArray("[ModbusSlave]\n") + c.file);
        const MODBUS_SLAVE_SETTINGS slave;
        EXPECT_EQ(slave.PortValue, c.port) << c.file;
        EXPECT_EQ(slave.UnitIDValue, c.unitId) << c.file;
    }
}

TEST_F(ModbusSettingsTest, SlaveResetTakesTheDefaultsAndEmptiesTheTagSets)
{
    UseDefaultSettings("[ModbusSlave]\nPortValue=1502,1,65535\nUnitIDValue=7,1,247\nIdleTimeoutValue=30,1,600\n");
    MODBUS_SLAVE_SETTINGS slave;
    slave.ListenPort = slave.UnitID = slave.Timeout = slave.SerialUnitID = -1;
    slave.EnEthernet = 0;
    slave.EnSerial = 1;
    slave.SerialPort = "S_1-P_0";
    slave.HasMultiTagSet = 0;
    slave.MulitTagSet.append(MODBUS_SLAVE_TAG_SET{});
    slave.Reset();

    EXPECT_EQ(slave.ListenPort, 1502);
    EXPECT_EQ(slave.UnitID, 7);
    EXPECT_EQ(slave.Timeout, 30);
    EXPECT_EQ(slave.EnEthernet, 1);
    EXPECT_EQ(slave.EnSerial, 0);
    EXPECT_TRUE(slave.SerialPort.isEmpty());
    EXPECT_EQ(slave.SerialUnitID, 7);
    EXPECT_EQ(slave.HasMultiTagSet, 1);
    EXPECT_TRUE(slave.MulitTagSet.isEmpty());
}

TEST(ModbusSlaveTagSetTest, ResetSetCarriesNoDataType)
{
    MODBUS_SLAVE_TAG_SET set;
    EXPECT_EQ(set.TagDataType, 999);
    set.Name = "Inputs";
    set.TagDataType = 3;
    set.Index = 4;
    set.Items.append(MODBUS_SLAVE_TAG_ITEM{"Inputs", "1.2.3", 1, 0, 10, 1, 5});
    set.Reset();
    EXPECT_TRUE(set.Name.isEmpty());
    EXPECT_EQ(set.TagDataType, 999);
    EXPECT_EQ(set.Index, 0);
    EXPECT_TRUE(set.Items.isEmpty());
}

TEST_F(ModbusSettingsTest, DeviceTakesItsDefaultsFromTheFile)
{
    UseDefaultSettings("[ModbusMaster]\nUnitID=5,1,247\nTCPPort=1502,1,65535\nFailRetry=4,0,9\n"
                       "PollingDelay=100,0,86400\nRecoverDelay=20,0,86400\nTimeout=3000\n"
                       "KeepAliveInterval=60x\nIP=127.0.0.1\n");
    const MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    EXPECT_EQ(device.UnitID, 5);
    EXPECT_EQ(device.TCPPort, 1502);
    EXPECT_EQ(device.FailRetry, 4);
    EXPECT_EQ(device.Polling_Delay, 100);
    EXPECT_EQ(device.RecoverDelay, 20);
    EXPECT_EQ(device.Timeout, 3000);
    EXPECT_EQ(device.KeepAliveInterval, 60);
    EXPECT_EQ(device.IpAddress, "127.0.0.1");
    EXPECT_EQ(device.KeepAliveEnable, 0);
    EXPECT_EQ(device.AutoResource, CAutoResource::GetInstance());
}

TEST_F(ModbusSettingsTest, DeviceWithoutTheFileHasNoAddressAndTheBuiltInNumbers)
{
    UseNoDefaultSettings();
    const MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    EXPECT_TRUE(device.IpAddress.isEmpty());
    EXPECT_EQ(device.TCPPort, 502);
    EXPECT_EQ(device.Timeout, 1000);
    EXPECT_EQ(device.KeepAliveInterval, 1000);

    qint32 value = -1;
    QString text = "stale";
    EXPECT_EQ(device.GetDefault("Timeout", value), 1);
    EXPECT_EQ(value, 1000);
    EXPECT_EQ(device.GetDefault("IP", value), 0);
    EXPECT_EQ(device.GetDefaultText("IP", text), 1);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(device.GetDefaultText("Timeout", text), 0);
}

// Reset keeps the automatic tag keys: the page resets its working device without losing them.
TEST_F(ModbusSettingsTest, DeviceResetKeepsTheStatusAndErrorTagKeys)
{
    UseDefaultSettings("[ModbusMaster]\nIP=127.0.0.1\nTimeout=3000\n");
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Name = "Meter";
    device.IpAddress.clear();
    device.RTUPort = "S_1-P_0";
    device.TCPPort = 0;
    device.Timeout = 1;
    device.KeepAliveEnable = 1;
    device.Commands.append(MODBUS_COMMAND_SETTINGS{});
    device.TagDefinitions.append(TagDefinition{});
    device.Index = 3;
    device.StatusTag = "0.3.MBStatus";
    device.ErrorTag = "0.3.MBError";
    device.Reset();

    EXPECT_TRUE(device.Name.isEmpty());
    EXPECT_TRUE(device.RTUPort.isEmpty());
    EXPECT_EQ(device.IpAddress, "127.0.0.1");
    EXPECT_EQ(device.TCPPort, 502);
    EXPECT_EQ(device.Timeout, 3000);
    EXPECT_EQ(device.KeepAliveEnable, 0);
    EXPECT_TRUE(device.Commands.isEmpty());
    EXPECT_TRUE(device.TagDefinitions.isEmpty());
    EXPECT_EQ(device.Index, 0);
    EXPECT_EQ(device.StatusTag, "0.3.MBStatus");
    EXPECT_EQ(device.ErrorTag, "0.3.MBError");
}

// Copying a device copies its commands with their resources, its tags and its defaults.
TEST_F(ModbusSettingsTest, DeviceCopiesCarryCommandsAndDefaults)
{
    UseDefaultSettings("[ModbusMaster]\nUnitID=5,1,100\nIP=127.0.0.1\n");
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    MODBUS_COMMAND_SETTINGS command;
    command.Name = "Read";
    command.Resources.append(MODBUS_COMMAND_RESOURCE{"1.2.3", 0, 40001, 1, 2, 2});
    device.Commands.append(command);
    device.TagDefinitions.append(TagDefinition{});

    UseNoDefaultSettings();
    const MODBUS_EXTERNAL_DEVICE_SETTINGS copy = device;
    SettingTriple unitId;
    QString ip;
    ASSERT_EQ(copy.Commands.size(), 1);
    EXPECT_EQ(copy.Commands.front(), command);
    EXPECT_EQ(copy.TagDefinitions.size(), 1);
    EXPECT_EQ(copy.GetModbusMasterDefault("UnitID", unitId), 1);
    EXPECT_EQ(unitId, (SettingTriple{5, 1, 100}));
    EXPECT_EQ(copy.GetDefaultText("IP", ip), 1);
    EXPECT_EQ(ip, "127.0.0.1");
}

TEST(ModbusCommandSettingsTest, NewCommandDoesNotSwapAndScansEverySecond)
{
    const MODBUS_COMMAND_SETTINGS command;
    EXPECT_EQ(command.SwappedValue, 2);
    EXPECT_EQ(command.ScanRate, 1000);
    EXPECT_TRUE(command.Resources.isEmpty());
}

} // namespace
