// The port groups of a slot: network interfaces, serial ports and CAN ports.
#include "CDataCenter.h"
#include "ProjectFileFixture.h"

namespace {

class PortSettingTest : public ProjectFileTest {
protected:
    IXMLElement* NewSlot()
    {
        IXMLElement* slot = NewDocument(QStringLiteral("Slot_0"));
        slot->AddChild(QStringLiteral("Setting"));
        return slot;
    }
};

LanModuleSlotRecord lanRecord(int interfaces)
{
    LanModuleSlotRecord record;
    record.ChannelCount = interfaces;
    record.Interfaces = MakeLANPorts(static_cast<quint32>(interfaces));
    for (int i = 0; i < interfaces; ++i)
        record.Interfaces[static_cast<size_t>(i)].Setting.IpAddress = QStringLiteral("127.0.0.%1").arg(i + 1);
    return record;
}

TEST_F(PortSettingTest, NetworkSettingLayoutAndSingleInterfaceMode)
{
    LanModuleSlotRecord record = lanRecord(3);
    record.DNS_0 = QStringLiteral("127.0.0.53");
    IXMLElement* slot = NewSlot();
    CDataCenter model;
    model.SaveNetworkSetting(record, slot);
    EXPECT_EQ(ChildNames(At(slot, "Setting/NetworkSetting")),
              (QStringList{"DefaultGatewayInterface", "EthernetMode", "DNS_0", "DNS_1", "Set_0", "Set_1", "Set_2"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/NetworkSetting/Set_0")),
              (QStringList{"IpAddress", "IPConfiguration", "Netmask", "Gateway"}));
    EXPECT_EQ(ResultAt(slot, "Setting/NetworkSetting/DNS_1"), "");
    EXPECT_EQ(ResultAt(slot, "Setting/NetworkSetting/Set_2/IpAddress"), "127.0.0.3");

    record.EthernetMode = 1;
    record.Interfaces[0].Setting.IpAddress = QStringLiteral("127.0.0.9");
    IXMLElement* single = NewSlot();
    model.SaveNetworkSetting(record, single);
    EXPECT_EQ(ChildNames(At(single, "Setting/NetworkSetting")),
              (QStringList{"DefaultGatewayInterface", "EthernetMode", "DNS_0", "DNS_1", "Set_0"}));
    LanModuleSlotRecord reread = lanRecord(3);
    reread.DNS_1 = QStringLiteral("kept");
    CDataCenter::LoadNetworkSetting(reread, At(single, "Setting/NetworkSetting"));
    EXPECT_EQ(reread.EthernetMode, 1);
    EXPECT_EQ(reread.DNS_1, ""); // present and empty
    EXPECT_EQ(reread.Interfaces[0].Setting.IpAddress, "127.0.0.9");
    EXPECT_EQ(reread.Interfaces[1].Setting.IpAddress, "127.0.0.2");
    EXPECT_EQ(reread.Interfaces[2].Setting.IpAddress, "127.0.0.3");
}

TEST_F(PortSettingTest, NetworkReaderKeepsMissingValuesAndIgnoresSurplusItems)
{
    LanModuleSlotRecord record = lanRecord(2);
    record.DefaultGatewayInterface = 3;
    record.DNS_0 = QStringLiteral("kept");
    CDataCenter::LoadNetworkSetting(record, LoadXml(R"(<NetworkSetting><EthernetMode Result="2"/>
        <Set_0><Netmask Result="255.0.0.0"/></Set_0><Named><IpAddress Result="127.1.1.1"/></Named>
        <Set_2><IpAddress Result="127.2.2.2"/></Set_2><Set_3/></NetworkSetting>)"));
    EXPECT_EQ(record.DefaultGatewayInterface, 3);
    EXPECT_EQ(record.EthernetMode, 2);
    EXPECT_EQ(record.DNS_0, "kept");
    ASSERT_EQ(record.Interfaces.size(), 2u);
    EXPECT_EQ(record.Interfaces[0].Setting.IpAddress, "127.0.0.1");
    EXPECT_EQ(record.Interfaces[0].Setting.Netmask, "255.0.0.0");
    EXPECT_EQ(record.Interfaces[1].Setting.IpAddress, "127.1.1.1");

    LanModuleSlotRecord noItems = lanRecord(1);
    CDataCenter::LoadNetworkSetting(noItems, LoadXml("<NetworkSetting><Set_1><IpAddress Result=\"x\"/></Set_1>"
                                                     "</NetworkSetting>"));
    EXPECT_EQ(noItems.Interfaces[0].Setting.IpAddress, "127.0.0.1"); // without "Set_0" nothing is read
}

TEST_F(PortSettingTest, SerialPortsByPosition)
{
    PortModuleSlotRecord record;
    record.ChannelCount = 2;
    record.Ports = MakeSerialPorts(2);
    record.Ports[1].Setting.Parity = 2;
    CDataCenter::LoadSerialSetting(record, LoadXml(R"(<SerialSetting>
        <Port><Mode Result="3"/><UsedServiceType Result="105"/></Port>
        <Set_1><Baudrate Result="11"/></Set_1><Set_2><Mode Result="9"/></Set_2></SerialSetting>)"));
    EXPECT_EQ(record.Ports[0].Setting.Mode, 3);
    EXPECT_EQ(record.Ports[0].Setting.UsedServiceType, 105);
    EXPECT_EQ(record.Ports[0].Setting.Baudrate, 6); // kept
    EXPECT_EQ(record.Ports[1].Setting.Baudrate, 11);
    EXPECT_EQ(record.Ports[1].Setting.Parity, 2);
    EXPECT_EQ(record.Ports.size(), 2u);

    IXMLElement* slot = NewSlot();
    CDataCenter model;
    model.SaveSerialSetting(record, slot);
    EXPECT_EQ(ChildNames(At(slot, "Setting/SerialSetting/Set_0")),
              (QStringList{"Mode", "Baudrate", "Parity", "Databit", "Stopbit", "FlowControl", "IsUsedByService",
                           "UsedServiceType"}));
}

TEST_F(PortSettingTest, CanAcceptanceValuesAreHexadecimal)
{
    CanModuleSlotRecord record;
    record.ChannelCount = 1;
    record.Ports = MakeCANPorts(1);
    record.Ports[0].Setting = {500000, 255, 0, 3};
    IXMLElement* slot = NewSlot();
    CDataCenter model;
    model.SaveCanSetting(record, slot);
    EXPECT_EQ(ChildNames(At(slot, "Setting/CanSetting/Set_0")),
              (QStringList{"BaudrateIndex", "Baudrate", "AccCode", "AccMask"}));
    EXPECT_EQ(ResultAt(slot, "Setting/CanSetting/Set_0/AccCode"), "0xFF");
    EXPECT_EQ(ResultAt(slot, "Setting/CanSetting/Set_0/AccMask"), "0x0");

    const struct {
        const char* label;
        const char* item;
        CanPortSettingBlock expected;
    } cases[] = {
        {"written form",
         "<BaudrateIndex Result=\"3\"/><Baudrate Result=\"500000\"/><AccCode Result=\"0xFF\"/>"
         "<AccMask Result=\"0x0\"/>",
         {500000, 255, 0, 3}},
        {"hex without prefix",
         "<BaudrateIndex Result=\"1\"/><AccCode Result=\"ff\"/><AccMask Result=\"\"/>",
         {0, 255, 0, 1}},
        {"no baud rate index: kept", "<Baudrate Result=\"10000\"/>", {10000, 0, 0, 7}},
    };
    for (const auto& c : cases) {
        CanModuleSlotRecord reread;
        reread.ChannelCount = 1;
        reread.Ports = MakeCANPorts(1);
        reread.Ports[0].Setting = {1, 2, 3, 7};
        CDataCenter::LoadCanSetting(reread, LoadXml(QByteArray("<CanSetting><Set_0>") + c.item +
                                                    "</Set_0>"
                                                    "<Set_1><BaudrateIndex Result=\"9\"/></Set_1></CanSetting>"));
        EXPECT_EQ(reread.Ports[0].Setting, c.expected) << c.label;
        EXPECT_EQ(reread.Ports.size(), 1u) << c.label; // the second item has no port
    }
}

TEST_F(PortSettingTest, SlotWithoutSettingGetsNoPortGroup)
{
    IXMLElement* bare = NewDocument(QStringLiteral("Slot_0"));
    CDataCenter model;
    model.SaveNetworkSetting(lanRecord(1), bare);
    model.SaveSerialSetting(PortModuleSlotRecord{}, bare);
    model.SaveCanSetting(CanModuleSlotRecord{}, bare);
    EXPECT_EQ(ChildNames(bare), QStringList{});
}

} // namespace
