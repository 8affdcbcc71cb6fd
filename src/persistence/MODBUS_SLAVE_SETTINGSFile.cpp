// The Modbus slave service in the project file ("Modbus_Slave"): its values, the flat item list
// that older files hold alone, and the tag sets ("MulitTagSet").
#include "MODBUS_SLAVE_SETTINGS.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Modbus;

namespace {

constexpr qint32 kMaxMap = 3;
constexpr qint32 kMaxAddress = 65535;
constexpr qint32 kNoMap = -1;
constexpr qint32 kNoType = -1;
constexpr qint32 kFlatTagSets = 0;

qint32 ItemCount(const QVector<MODBUS_SLAVE_TAG_SET>& sets)
{
    qint32 count = 0;
    for (const MODBUS_SLAVE_TAG_SET& set : sets)
        count += static_cast<qint32>(set.Items.size());
    return count;
}

// An item of an older file is a tag set of its own, named after it.
MODBUS_SLAVE_TAG_SET SingleItemSet(const MODBUS_SLAVE_TAG_ITEM& item, qint32 index)
{
    MODBUS_SLAVE_TAG_SET set;
    set.Name = item.Name;
    set.Index = index;
    set.Items.append(item);
    return set;
}

} // namespace

void MODBUS_SLAVE_TAG_ITEM::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::Tag, Tag);
    AddValue(element, Names::ModbusMap, ModbusMap);
    AddValue(element, Names::ModbusAddress, ModbusAddress);
    AddValue(element, ServiceXml::DataType, DataType);
    AddValue(element, Names::TagType, TagType);
}

void MODBUS_SLAVE_TAG_ITEM::Load(IXMLElement* element)
{
    Name = TextValue(element, ServiceXml::Name);
    Tag = TextValue(element, Names::Tag);
    ModbusMap = IntValueInRange(element, Names::ModbusMap, 0, kMaxMap, kNoMap);
    ModbusAddress = IntValueInRange(element, Names::ModbusAddress, 0, kMaxAddress, 0);
    DataType = IntValue(element, ServiceXml::DataType, kNoType);
    TagType = IntValue(element, Names::TagType, kNoType);
}

void MODBUS_SLAVE_TAG_SET::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(Items.size()));
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::TagDataType, TagDataType);
    AddValue(element, ServiceXml::Index, Index);
    for (qsizetype i = 0; i < Items.size(); ++i)
        Items[i].Save(element->AddChild(ItemName(ServiceXml::SetPrefix, i)));
}

void MODBUS_SLAVE_TAG_SET::Load(IXMLElement* element)
{
    Name = ResultText(DirectChild(element, ServiceXml::Name)); // the items have names too
    TagDataType = IntValue(element, Names::TagDataType, kNoTagDataType);
    Index = IntValue(element, ServiceXml::Index, 0);
    ForEachChildNamed(element, ServiceXml::SetPrefix, [this](IXMLElement* child) {
        MODBUS_SLAVE_TAG_ITEM item;
        item.Load(child);
        Items.append(item);
    });
}

void MODBUS_SLAVE_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Quantity, ItemCount(MulitTagSet));
    AddValue(element, Names::EnEthernet, EnEthernet);
    AddValue(element, Names::ListenPort, ListenPort);
    AddValue(element, Names::UnitID, UnitID);
    AddValue(element, ServiceXml::Timeout, Timeout);
    AddValue(element, Names::EnSerial, EnSerial);
    AddValue(element, Names::SerialPort, SerialPort);
    AddValue(element, Names::SerialUnitID, SerialUnitID);

    // Older readers know only the flat list, numbered on through all sets.
    qsizetype flatNumber = 0;
    for (const MODBUS_SLAVE_TAG_SET& set : MulitTagSet) {
        for (const MODBUS_SLAVE_TAG_ITEM& item : set.Items)
            item.Save(element->AddChild(ItemName(ServiceXml::SetPrefix, flatNumber++)));
    }
    IXMLElement* sets = element->AddChild(Names::MulitTagSet);
    for (qsizetype i = 0; i < MulitTagSet.size(); ++i)
        MulitTagSet[i].Save(sets->AddChild(ItemName(ServiceXml::SetPrefix, i)));
}

void MODBUS_SLAVE_SETTINGS::Load(IXMLElement* element)
{
    LoadModbusSlaveDefaults(*this);
    EnEthernet = IntValue(element, Names::EnEthernet, kEthernetOn);
    ListenPort = IntValueInTriple(element, Names::ListenPort, PortValue);
    UnitID = IntValueInTriple(element, Names::UnitID, UnitIDValue);
    Timeout = IntValueInTriple(element, ServiceXml::Timeout, IdleTimeoutValue);
    EnSerial = IntValue(element, Names::EnSerial, 0);
    SerialPort = TextValue(element, Names::SerialPort);
    SerialUnitID = IntValueInTriple(element, Names::SerialUnitID, UnitIDValue);

    if (IXMLElement* sets = Child(element, Names::MulitTagSet)) {
        HasMultiTagSet = kGroupedTagSets;
        ForEachChildNamed(sets, ServiceXml::SetPrefix, [this](IXMLElement* child) {
            MODBUS_SLAVE_TAG_SET set;
            set.Load(child);
            MulitTagSet.append(set);
        });
        return;
    }
    HasMultiTagSet = kFlatTagSets;
    qint32 setNumber = 0;
    ForEachChildNamed(element, ServiceXml::SetPrefix, [this, &setNumber](IXMLElement* child) {
        MODBUS_SLAVE_TAG_ITEM item;
        item.Load(child);
        MulitTagSet.append(SingleItemSet(item, setNumber++));
    });
}
