// The Modbus master page driven as a user would: device ids and automatic tags, the device rules,
// the serial ports the devices take, and the ports shared with the Modbus slave.
#include "CListCtrlEx.h"
#include "CModbusMasterDlg.h"
#include "CModbusSlaveDlg.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "ModbusPageSupport.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using namespace ModbusMasterIds;
using namespace ModbusPageSupport;

class ModbusMasterPageTest : public testing::Test {
protected:
    void SetUp() override { harness.Show(node); }

    void addDevice(const QString& name, std::vector<ControlInput> inputs = {})
    {
        harness.Set({{kEditName, name}});
        for (const ControlInput& input : inputs)
            SetControl(page, input);
        harness.Press(kButtonAdd);
    }
    CListCtrlEx& list() { return *page.item<CListCtrlEx>(kListDevices); }
    std::vector<qint32> ids()
    {
        std::vector<qint32> found;
        for (const auto& device : harness.model().ModbusMasterDevices)
            found.push_back(device.Index);
        return found;
    }
    // The first serial port the page offers.
    QString serialPortText() { return page.item<QComboBox>(kComboPort)->itemText(1); }

    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CModbusMasterDlg> harness;
    CModbusMasterDlg& page = harness.page();
    const TreeNodeInfo node = NodeFor(105, QStringLiteral("Modbus Master"));
};

TEST(ModbusMasterPageControlsTest, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kPageControls);
}

TEST_F(ModbusMasterPageTest, DeviceIdsGrowAndTheAutomaticTagsCarryThem)
{
    for (const char* name : {"A", "B", "C"}) {
        list().clearSelection();
        addDevice(name, {{kIpAddress, QStringLiteral("127.0.0.%1").arg(list().GetItemCount() + 1)}});
    }
    EXPECT_EQ(ids(), (std::vector<qint32>{0, 1, 2}));
    SelectListRows(list(), {1});
    harness.Press(kButtonDelete);
    list().clearSelection();
    addDevice("D", {{kIpAddress, QStringLiteral("127.0.0.9")}});
    EXPECT_EQ(ids(), (std::vector<qint32>{0, 2, 3}));
    SelectListRows(list(), {2});
    harness.Press(kButtonDelete);
    list().clearSelection();
    addDevice("E", {{kIpAddress, QStringLiteral("127.0.0.9")}});
    EXPECT_EQ(ids(), (std::vector<qint32>{0, 2, 3}));
    TagRecord status;
    ASSERT_TRUE(harness.model().FindTagByName("0.3.105.1", status));
    EXPECT_EQ(status.TagName, "DeviceStatus_3");
    EXPECT_EQ(status.RelatedServices, (std::vector<TagServiceLink>{MakeIntPair(105, 3)}));
    EXPECT_EQ(list().GetItemText(2, 2), "DeviceStatus_3");
    EXPECT_EQ(list().GetItemText(2, 3), "DeviceError_3");
    harness.Screenshot(QStringLiteral("modbus-master-page"));
}

TEST_F(ModbusMasterPageTest, ADeviceAddedWhileAnotherIsSelectedCopiesItsCommands)
{
    addDevice("A", {{kIpAddress, QStringLiteral("127.0.0.1")}});
    const auto tags = AddTags(harness.model(), "Level", 4, 1);
    MODBUS_COMMAND_SETTINGS command;
    command.Name = "Poll";
    command.Resources = {{tags[0].ResID, 0, 40001, 2, 2, 2}};
    ASSERT_TRUE(harness.model().AddModbusMasterCommand(0, command));
    harness.Show(node);
    SelectListRows(list(), {0});
    addDevice("B", {{kIpAddress, QStringLiteral("127.0.0.2")}});
    ASSERT_EQ(harness.model().ModbusMasterDevices.size(), 2u);
    EXPECT_EQ(harness.model().ModbusMasterDevices[1].Commands, QVector<MODBUS_COMMAND_SETTINGS>{command});
    TagRecord used;
    ASSERT_TRUE(harness.model().FindTagByName(tags[0].ResID, used));
    EXPECT_EQ(used.RelatedServices, (std::vector<TagServiceLink>{MakeIntPair(105, 0), MakeIntPair(105, 1)}));
}

TEST_F(ModbusMasterPageTest, DevicesAreCheckedAgainstEachOther)
{
    addDevice("First", {{kIpAddress, QStringLiteral("127.0.0.1")}});
    list().clearSelection();
    addDevice("Serial", {{kComboPort, 1}, {kEditUnitId, QStringLiteral("5")}});
    ASSERT_EQ(harness.model().ModbusMasterDevices.size(), 2u);
    const MODBUS_EXTERNAL_DEVICE_SETTINGS serial = harness.model().ModbusMasterDevices[1];
    EXPECT_EQ(serial.IpAddress, "");
    EXPECT_EQ(serial.TCPPort, 0);
    EXPECT_EQ(serial.KeepAliveInterval, 10);
    EXPECT_EQ(PortMark(harness.model(), serial.RTUPort).IsUsedByService, 1);

    const QString ipLabel = QStringLiteral("IP Address");
    const struct {
        const char* name;
        std::vector<ControlInput> inputs;
        QStringList messages;
        size_t devices;
    } cases[] = {
        {"same serial port, same unit",
         {{kEditName, QStringLiteral("S2")}, {kComboPort, 1}, {kEditUnitId, QStringLiteral("5")}},
         {LoadLangString(448) + "\r\n"},
         2},
        {"same IP",
         {{kEditName, QStringLiteral("E2")}, {kIpAddress, QStringLiteral("127.0.0.1")}},
         {FormatItemErrorLine(ipLabel)},
         2},
        {"a name in other case",
         {{kEditName, QStringLiteral("FIRST")}, {kIpAddress, QStringLiteral("127.0.0.3")}},
         {FormatItemErrorLine("Device Name")},
         2},
        {"keep-alive out of range",
         {{kEditName, QStringLiteral("E3")},
          {kIpAddress, QStringLiteral("127.0.0.3")},
          {kCheckKeepAlive, true},
          {kEditKeepAlive, QStringLiteral("0")}},
         {"\"Keep Alive Interval\" Range: 1 - 86400 \r\n"},
         2},
        {"same unit on Ethernet is allowed",
         {{kEditName, QStringLiteral("E4")},
          {kIpAddress, QStringLiteral("127.0.0.4")},
          {kEditUnitId, QStringLiteral("1")}},
         {},
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Show(node);
        list().clearSelection();
        for (const ControlInput& input : c.inputs)
            SetControl(page, input);
        harness.Press(kButtonAdd);
        EXPECT_EQ(harness.messages(), c.messages);
        EXPECT_EQ(harness.model().ModbusMasterDevices.size(), c.devices);
    }
}

TEST_F(ModbusMasterPageTest, APortOfOneServiceIsNotOfferedToTheOther)
{
    const QString port = serialPortText();
    addDevice("Serial", {{kComboPort, 1}});
    PageHarness<CModbusSlaveDlg> slave;
    // The slave page over the same model would be another project: mark as the master did.
    const QString key = harness.model().ModbusMasterDevices[0].RTUPort;
    slave.model().MarkSerialPortKey(key, 1, SerialPortUser::ModbusMaster);
    slave.Show(NodeFor(117, QStringLiteral("Modbus Slave")));
    EXPECT_FALSE(ComboTexts(slave.page().control(ModbusSlaveIds::kComboSerialPort)).contains(port));
    harness.Show(node);
    EXPECT_TRUE(ComboTexts(page.control(kComboPort)).contains(port)) << "the master offers its own port";

    slave.model().MarkSerialPortKey(key, 0, 0);
    slave.Show(NodeFor(117, QStringLiteral("Modbus Slave")));
    slave.Set({{ModbusSlaveIds::kComboSerialPort, port}});
    slave.Set({{ModbusSlaveIds::kEditSetName, QStringLiteral("A")}});
    slave.page().AddChosenTags(AddTags(slave.model(), "P", 5, 1));
    slave.Set({{ModbusSlaveIds::kComboFunction, 0}});
    slave.Press(ModbusSlaveIds::kButtonAdd);
    EXPECT_EQ(PortMark(slave.model(), key).UsedServiceType, SerialPortUser::ModbusSlave);
    slave.Show(NodeFor(117, QStringLiteral("Modbus Slave")));
    EXPECT_TRUE(ComboTexts(slave.page().control(ModbusSlaveIds::kComboSerialPort)).contains(port));
    harness.model().DeleteModbusMasterDevices({0});
    harness.model().MarkSerialPortKey(key, 1, SerialPortUser::ModbusSlave);
    harness.Show(node);
    EXPECT_FALSE(ComboTexts(page.control(kComboPort)).contains(port));
}

// The master page with the command editor's run recorded instead of shown.
class CommandsRecordingPage : public CModbusMasterDlg {
public:
    using CModbusMasterDlg::CModbusMasterDlg;
    QList<int> editorRows;

protected:
    void RunCommandEditor(int row) override { editorRows << row; }
};

TEST(ModbusMasterCommandsButtonTest, WithoutASelectedDeviceTheUserIsAskedToAddOne)
{
    const struct {
        const char* name;
        bool deviceSelected;
        int answer;
        const char* newName;
        QStringList messages;
        size_t devicesAfter;
        QList<int> editorRows;
    } cases[] = {
        {"a selected device opens at once", true, IDNO, "", {}, 1, {0}},
        {"no device selected, the user declines", false, IDNO, "B", {LoadLangString(638)}, 1, {}},
        {"no device selected, the device is added", false, IDYES, "B", {LoadLangString(638)}, 2, {1}},
        {"no device selected, the new device is refused",
         false,
         IDYES,
         "A",
         {LoadLangString(638), FormatItemErrorLine("Device Name")},
         1,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PageHarness<CommandsRecordingPage> harness;
        const TreeNodeInfo node = NodeFor(105, QStringLiteral("Modbus Master"));
        harness.Show(node);
        harness.Set({{kEditName, QStringLiteral("A")}, {kIpAddress, QStringLiteral("127.0.0.1")}});
        harness.Press(kButtonAdd);
        ASSERT_EQ(harness.model().ModbusMasterDevices.size(), 1u);
        auto& list = *harness.page().item<CListCtrlEx>(kListDevices);
        SelectListRows(list, c.deviceSelected ? QList<int>{0} : QList<int>{});
        harness.Set({{kEditName, QString::fromUtf8(c.newName)}, {kIpAddress, QStringLiteral("127.0.0.2")}});
        harness.Forget();
        harness.boxes().QueueAnswer(c.answer);
        harness.Press(kButtonCommands);
        EXPECT_EQ(harness.messages(), c.messages);
        EXPECT_EQ(harness.model().ModbusMasterDevices.size(), c.devicesAfter);
        EXPECT_EQ(harness.page().editorRows, c.editorRows);
        if (!c.editorRows.isEmpty()) {
            EXPECT_EQ(list.GetSelectedRows(), c.editorRows) << "the device stays selected after the editor";
        }
    }
}

} // namespace
