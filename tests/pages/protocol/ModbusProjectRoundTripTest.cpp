// What the Modbus pages write survives a save and a reopen of the project file.
#include "CListCtrlEx.h"
#include "CModbusMasterDlg.h"
#include "CModbusSlaveDlg.h"
#include "CProjectLoader.h"
#include "ModbusPageSupport.h"
#include "PageHarness.h"
#include "ResultCodes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace ModbusPageSupport;

TEST(ModbusProjectRoundTripTest, DevicesCommandsSetsAndPortMarksSurviveSaveAndReopen)
{
    PageHarness<CModbusMasterDlg> master;
    master.Show(NodeFor(105, QStringLiteral("Modbus Master")));
    master.Set({{ModbusMasterIds::kEditName, QStringLiteral("Meter")}, {ModbusMasterIds::kComboPort, 1}});
    master.Press(ModbusMasterIds::kButtonAdd);
    CDataCenter& model = master.model();
    ASSERT_EQ(model.ModbusMasterDevices.size(), 1u);
    const auto tags = AddTags(model, "Level", 4, 2);
    MODBUS_COMMAND_SETTINGS command;
    command.Name = "Poll";
    command.Function_Code = 3;
    command.TotalLength = 4;
    command.Resources = {{tags[0].ResID, 0, 40001, 2, 2, 2}, {tags[1].ResID, 2, 40003, 2, 2, 2}};
    ASSERT_TRUE(model.AddModbusMasterCommand(0, command));
    MODBUS_SLAVE_TAG_SET set;
    set.Name = "Map";
    set.TagDataType = 3;
    set.Items = {{"Map", tags[0].ResID, 3, 0, 100, 2, 4}};
    model.AddModbusSlaveTagSet(set);
    model.SetModbusSlaveSerialPort(SerialPortKey(0, 1));

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("modbus.pelx"));
    ASSERT_TRUE(model.SaveProject(path));
    CDataCenter reopened;
    ASSERT_EQ(CProjectLoader(reopened).LoadProject(path, 0), kS_OK);

    ASSERT_EQ(reopened.ModbusMasterDevices.size(), 1u);
    const MODBUS_EXTERNAL_DEVICE_SETTINGS& device = reopened.ModbusMasterDevices[0];
    EXPECT_EQ(device.Name, "Meter");
    EXPECT_EQ(device.RTUPort, model.ModbusMasterDevices[0].RTUPort);
    EXPECT_EQ(device.StatusTag, "0.0.105.1");
    EXPECT_EQ(device.Commands, model.ModbusMasterDevices[0].Commands);
    EXPECT_EQ(reopened.ModbusSlave.MulitTagSet, model.ModbusSlave.MulitTagSet);
    EXPECT_EQ(reopened.ModbusSlave.SerialPort, SerialPortKey(0, 1));
    EXPECT_EQ(PortMark(reopened, device.RTUPort).IsUsedByService, 1);
    EXPECT_EQ(PortMark(reopened, SerialPortKey(0, 1)).UsedServiceType, SerialPortUser::ModbusSlave);
    TagRecord level;
    ASSERT_TRUE(reopened.FindTagByName("0.0.105.1", level));
    EXPECT_EQ(level.RelatedServices, (std::vector<TagServiceLink>{MakeIntPair(105, 0)}));
}

} // namespace
