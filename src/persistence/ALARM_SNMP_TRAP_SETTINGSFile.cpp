// The SNMP-trap alarm service in the project file ("SNMPTrap" under "Alarm"): every value is an
// attribute, the communities in plain text.
#include "ALARM_SNMP_TRAP_SETTINGS.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "TextConversion.h"
#include "TypeIds.h"

#include <algorithm>

using namespace ServiceFile;
namespace Names = ServiceXml::Alarm;

namespace {

constexpr int kAliasFlag = 1;
// The file counts versions from 1, the model from 0.
constexpr qint32 kVersionOffset = 1;

} // namespace

void ALARM_SNMP_TRAP_ITEM_SETTINGS::Save(IXMLElement* element) const
{
    element->SetAttribute(Names::TrapIndex, IntToWString(Index));
    element->SetAttribute(Names::TrapName, Profile.TrapName);
    element->SetAttribute(ServiceXml::TriggerTag, TriggerTag);
    element->SetAttribute(ServiceXml::StatusTag, StatusTag);
    element->SetAttribute(Names::Version, UnsignedText(Profile.Version + kVersionOffset));
    element->SetAttribute(Names::Hostname_1, Profile.Hostname_1);
    element->SetAttribute(Names::Community_1, Profile.Community_1);
    element->SetAttribute(Names::Hostname_2, Profile.Hostname_2);
    element->SetAttribute(Names::Community_2, Profile.Community_2);
    element->SetAttribute(Names::SpecificTrap, UnsignedText(Profile.SpecificTrap));
    element->SetAttribute(Names::MessageEnable, UnsignedText(Profile.MessageEnable));
    element->SetAttribute(Names::TagQuantity, IntToWString(static_cast<qint32>(TagAddresses.size())));
    element->SetAttribute(Names::MessageTrap, Profile.MessageTrap);
    for (qsizetype i = 0; i < TagAddresses.size(); ++i)
        element->SetAttribute(ItemName(ServiceXml::TrapTagPrefix, i), TagAddresses[i]);
}

// A missing text takes the entry element's own name.
void ALARM_SNMP_TRAP_ITEM_SETTINGS::Load(IXMLElement* element)
{
    const QString ownName = ElementName(element);
    Index = AttributeInt(element, Names::TrapIndex);
    Profile.TrapName = AttributeText(element, Names::TrapName, ownName);
    TriggerTag = AttributeText(element, ServiceXml::TriggerTag);
    StatusTag = AttributeText(element, ServiceXml::StatusTag);
    Profile.Version = AttributeUnsigned(element, Names::Version, kVersionOffset) - kVersionOffset;
    Profile.Hostname_1 = AttributeText(element, Names::Hostname_1, ownName);
    Profile.Community_1 = AttributeText(element, Names::Community_1, ownName);
    Profile.Hostname_2 = AttributeText(element, Names::Hostname_2, ownName);
    Profile.Community_2 = AttributeText(element, Names::Community_2, ownName);
    Profile.SpecificTrap = AttributeUnsigned(element, Names::SpecificTrap);
    Profile.MessageEnable = AttributeUnsigned(element, Names::MessageEnable);
    Profile.MessageTrap = ExpandLineBreaks(AttributeText(element, Names::MessageTrap, ownName));
    // A missing name gives an empty place; an edited count beyond the attributes the element
    // holds cannot name more of them.
    const qint32 count = std::min(AttributeInt(element, Names::TagQuantity), AttributeCount(element));
    for (qint32 i = 0; i < count; ++i)
        TagAddresses.append(AttributeText(element, ItemName(ServiceXml::TrapTagPrefix, i)));
}

void ALARM_SNMP_TRAP_SETTINGS::Save(IXMLElement* element) const
{
    element->SetAttribute(Names::TrapQuantity, IntToWString(static_cast<qint32>(Entries.size())));
    for (qsizetype i = 0; i < Entries.size(); ++i)
        Entries[i].Save(element->AddChild(ItemName(ServiceXml::TrapPrefix, i)));
}

void ALARM_SNMP_TRAP_SETTINGS::Load(IXMLElement* element)
{
    // Every child from the first entry on is an entry.
    ForEachFrom(element, ItemName(ServiceXml::TrapPrefix, 0), [this](IXMLElement* item) {
        ALARM_SNMP_TRAP_ITEM_SETTINGS entry;
        entry.Load(item);
        BuildServiceTags(ServiceId::AlarmSnmpTrap, entry.Index, entry.TagDefinitions, kAliasFlag);
        Entries.append(entry);
    });
}
