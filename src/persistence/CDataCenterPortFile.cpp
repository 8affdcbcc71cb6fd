// The port groups of a slot's "Setting": "NetworkSetting", "SerialSetting" and "CanSetting".
#include "CDataCenter.h"

#include "DeviceConfigurationNames.h"
#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "PortSettingNames.h"
#include "TextConversion.h"
#include "TextFormat.h"

#include <algorithm>

using namespace DeviceFile;

namespace {

constexpr qint32 kSingleInterfaceMode = 1; // Ethernet mode in which only the first interface is set
constexpr int kHexadecimal = 16;
constexpr char16_t kAcceptanceFormat[] = u"0x%X";

IXMLElement* addSettingGroup(IXMLElement* slotElement, const QString& name)
{
    IXMLElement* setting = slotElement ? slotElement->FindChild(Name::Setting) : nullptr;
    return setting ? setting->AddChild(name) : nullptr;
}

// The k-th element fills entry k while both last; an element never creates an entry.
template <class Entry, class Fill>
void fillEntries(const std::vector<IXMLElement*>& elements, std::vector<Entry>& entries, int count, Fill fill)
{
    const size_t limit = std::min({elements.size(), entries.size(), static_cast<size_t>(std::max(count, 0))});
    for (size_t k = 0; k < limit; ++k)
        fill(entries[k], elements[k]);
}

// The serial values in written order.
struct SerialField {
    const QString& name;
    qint32 SerialPortSettingBlock::*field;
};

const std::array<SerialField, 8>& serialFields()
{
    static const std::array<SerialField, 8> fields{{
        {Name::SerialMode, &SerialPortSettingBlock::Mode},
        {Name::Baudrate, &SerialPortSettingBlock::Baudrate},
        {Name::Parity, &SerialPortSettingBlock::Parity},
        {Name::Databit, &SerialPortSettingBlock::Databit},
        {Name::Stopbit, &SerialPortSettingBlock::Stopbit},
        {Name::FlowControl, &SerialPortSettingBlock::FlowControl},
        {Name::IsUsedByService, &SerialPortSettingBlock::IsUsedByService},
        {Name::UsedServiceType, &SerialPortSettingBlock::UsedServiceType},
    }};
    return fields;
}

quint32 readHexValue(IXMLElement* item, const QString& name)
{
    const QString text = TextOr(item, name, QString());
    return text.isEmpty() ? 0 : ParseULongText(text, kHexadecimal);
}

} // namespace

void CDataCenter::SaveNetworkSetting(const LanModuleSlotRecord& record, IXMLElement* slotElement) const
{
    IXMLElement* group = addSettingGroup(slotElement, Name::NetworkSetting);
    if (!group)
        return;
    AddSigned(group, Name::DefaultGatewayInterface, record.DefaultGatewayInterface);
    AddSigned(group, Name::EthernetMode, record.EthernetMode);
    AddValue(group, Name::Dns0, record.DNS_0);
    AddValue(group, Name::Dns1, record.DNS_1);
    const size_t written = record.EthernetMode == kSingleInterfaceMode ? std::min<size_t>(1, record.Interfaces.size())
                                                                       : record.Interfaces.size();
    for (size_t k = 0; k < written; ++k) {
        const LanPortSettingBlock& port = record.Interfaces[k].Setting;
        IXMLElement* item = group->AddChild(ItemName(static_cast<int>(k)));
        AddValue(item, Name::IpAddress, port.IpAddress);
        AddSigned(item, Name::IPConfiguration, port.IPConfiguration);
        AddValue(item, Name::Netmask, port.Netmask);
        AddValue(item, Name::Gateway, port.Gateway);
    }
}

void CDataCenter::LoadNetworkSetting(LanModuleSlotRecord& record, IXMLElement* element)
{
    KeepSigned(element, Name::DefaultGatewayInterface, record.DefaultGatewayInterface);
    KeepSigned(element, Name::EthernetMode, record.EthernetMode);
    KeepText(element, Name::Dns0, record.DNS_0);
    KeepText(element, Name::Dns1, record.DNS_1);
    fillEntries(ChildrenFrom(element, Name::FirstItem), record.Interfaces, record.ChannelCount,
                [](LANPort& port, IXMLElement* item) {
                    KeepText(item, Name::IpAddress, port.Setting.IpAddress);
                    KeepSigned(item, Name::IPConfiguration, port.Setting.IPConfiguration);
                    KeepText(item, Name::Netmask, port.Setting.Netmask);
                    KeepText(item, Name::Gateway, port.Setting.Gateway);
                });
}

void CDataCenter::SaveSerialSetting(const PortModuleSlotRecord& record, IXMLElement* slotElement) const
{
    IXMLElement* group = addSettingGroup(slotElement, Name::SerialSetting);
    if (!group)
        return;
    for (size_t k = 0; k < record.Ports.size(); ++k) {
        IXMLElement* item = group->AddChild(ItemName(static_cast<int>(k)));
        for (const SerialField& field : serialFields())
            AddSigned(item, field.name, record.Ports[k].Setting.*field.field);
    }
}

void CDataCenter::LoadSerialSetting(PortModuleSlotRecord& record, IXMLElement* element)
{
    fillEntries(ChildrenOf(element), record.Ports, record.ChannelCount, [](SerialPort& port, IXMLElement* item) {
        for (const SerialField& field : serialFields())
            KeepSigned(item, field.name, port.Setting.*field.field);
    });
}

void CDataCenter::SaveCanSetting(const CanModuleSlotRecord& record, IXMLElement* slotElement) const
{
    IXMLElement* group = addSettingGroup(slotElement, Name::CanSetting);
    if (!group)
        return;
    for (size_t k = 0; k < record.Ports.size(); ++k) {
        const CanPortSettingBlock& port = record.Ports[k].Setting;
        IXMLElement* item = group->AddChild(ItemName(static_cast<int>(k)));
        AddSigned(item, Name::BaudrateIndex, static_cast<qint32>(port.BaudrateIndex));
        AddUnsigned(item, Name::Baudrate, port.Baudrate);
        AddValue(item, Name::AccCode, FormatText(kAcceptanceFormat, {port.AccCode}));
        AddValue(item, Name::AccMask, FormatText(kAcceptanceFormat, {port.AccMask}));
    }
}

void CDataCenter::LoadCanSetting(CanModuleSlotRecord& record, IXMLElement* element)
{
    fillEntries(ChildrenOf(element), record.Ports, record.ChannelCount, [](CANPort& port, IXMLElement* item) {
        // An item without its baud rate index keeps the index it had.
        KeepSigned(item, Name::BaudrateIndex, port.Setting.BaudrateIndex);
        port.Setting.Baudrate = static_cast<quint32>(SignedOr(item, Name::Baudrate, 0, 0, 0));
        port.Setting.AccCode = readHexValue(item, Name::AccCode);
        port.Setting.AccMask = readHexValue(item, Name::AccMask);
    });
}
