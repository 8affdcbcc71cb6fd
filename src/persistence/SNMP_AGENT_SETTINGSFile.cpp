// The SNMP agent in the project file: its values are attributes of its elements.
#include "SNMP_AGENT_SETTINGS.h"

#include "Scramble.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "TextConversion.h"

#include <map>

using namespace ServiceFile;
namespace Names = ServiceXml::SnmpAgent;

namespace {

// Version 1 runs the agent on version 3 alone (no communities), version 0 on versions 1 and 2c
// alone (no accounts).
constexpr quint32 kVersion3Only = 1;
constexpr quint32 kVersions1And2cOnly = 0;
constexpr int kDecimal = 10;

QString UnsignedAttribute(quint32 value)
{
    return ULongToWString(value);
}

quint32 ReadUnsignedAttribute(IXMLElement* element, const QString& name)
{
    return static_cast<quint32>(AttributeUnsigned(element, name));
}

void SaveAccount(const SNMP_AGENT_ACCOUNT& account, bool enabled, IXMLElement* element)
{
    element->SetAttribute(ServiceXml::Enable, FlagText(enabled));
    element->SetAttribute(Names::UserName, account.UserName);
    element->SetAttribute(Names::EnableAuthentication, UnsignedAttribute(account.EnableAuthentication));
    element->SetAttribute(Names::AuthenticationPW, ScrambleToHex(account.AuthenticationPW));
    element->SetAttribute(Names::EnablePrivacy, UnsignedAttribute(account.EnablePrivacy));
    element->SetAttribute(Names::PrivacyPW, ScrambleToHex(account.PrivacyPW));
}

// A missing element leaves the account as it was.
void LoadAccount(SNMP_AGENT_ACCOUNT& account, IXMLElement* element)
{
    if (!element)
        return;
    account.UserName = AttributeText(element, Names::UserName);
    account.EnableAuthentication = ReadUnsignedAttribute(element, Names::EnableAuthentication);
    account.AuthenticationPW = UnscrambleFromHex(AttributeText(element, Names::AuthenticationPW));
    account.EnablePrivacy = ReadUnsignedAttribute(element, Names::EnablePrivacy);
    account.PrivacyPW = UnscrambleFromHex(AttributeText(element, Names::PrivacyPW));
}

void SaveTagTable(const QVector<SNMP_AGENT_TAG_ITEM>& table, IXMLElement* element)
{
    element->SetAttribute(ServiceXml::Enable, FlagText(!table.isEmpty()));
    element->SetAttribute(ServiceXml::Quantity, IntToWString(static_cast<qint32>(table.size())));
    for (qsizetype i = 0; i < table.size(); ++i) {
        const SNMP_AGENT_TAG_ITEM& entry = table[i];
        IXMLElement* tag = element->AddChild(ItemName(ServiceXml::TagPrefix, i));
        tag->SetAttribute(Names::TagName, entry.TagName);
        tag->SetAttribute(Names::TagResID, entry.TagResID);
        tag->SetAttribute(Names::TagAccess, IntToWString(entry.TagAccess));
        tag->SetAttribute(Names::OID, UnsignedAttribute(entry.OID));
    }
}

// The entries "Tag_0" up to "Tag_<Quantity - 1>" in number order, a missing number passed over.
// The children are indexed once, so a huge count in an edited file costs nothing.
std::map<qint32, IXMLElement*> NumberedTagEntries(IXMLElement* table, qint32 quantity)
{
    std::map<qint32, IXMLElement*> entries;
    ForEachChildNamed(table, ServiceXml::TagPrefix, [&](IXMLElement* child) {
        const QString name = child->GetName();
        bool isNumber = false;
        const qint32 number = name.mid(ServiceXml::TagPrefix.size()).toInt(&isNumber);
        const bool named = isNumber && name == ItemName(ServiceXml::TagPrefix, number);
        if (named && number >= 0 && number < quantity)
            entries.emplace(number, child); // the first of a name counts
    });
    return entries;
}

// An entry without "OID" follows the previous entry read.
void LoadTagTable(QVector<SNMP_AGENT_TAG_ITEM>& table, IXMLElement* element)
{
    if (!element)
        return;
    const qint32 quantity = AttributeInt(element, ServiceXml::Quantity);
    bool first = true;
    quint32 previousOid = 0;
    for (const auto& [number, tag] : NumberedTagEntries(element, quantity)) {
        SNMP_AGENT_TAG_ITEM entry;
        entry.TagName = AttributeText(tag, Names::TagName);
        entry.TagResID = AttributeText(tag, Names::TagResID);
        entry.TagAccess = AttributeInt(tag, Names::TagAccess);
        QString oid;
        entry.OID = ReadAttribute(tag, Names::OID, oid) ? ParseULongText(oid, kDecimal) : (first ? 0 : previousOid + 1);
        previousOid = entry.OID;
        first = false;
        table.append(entry);
    }
}

} // namespace

void SNMP_AGENT_SETTINGS::Save(IXMLElement* element) const
{
    element->SetAttribute(Names::EnableServer, UnsignedAttribute(EnableServer));
    element->SetAttribute(Names::Version, UnsignedAttribute(Version));
    element->SetAttribute(Names::Contact, Contact);
    element->SetAttribute(Names::Location, Location);

    IXMLElement* communities = element->AddChild(Names::V1V2C);
    communities->SetAttribute(ServiceXml::Enable, FlagText(Version != kVersion3Only && !ReadCommunity.isEmpty() &&
                                                           !WriteCommunity.isEmpty()));
    communities->SetAttribute(Names::ReadCommunity, ReadCommunity);
    communities->SetAttribute(Names::WriteCommunity, WriteCommunity);

    SaveAccount(V3RO, Version != kVersions1And2cOnly && !V3RO.UserName.isEmpty(), element->AddChild(Names::V3RO));
    SaveAccount(V3RW, Version != kVersions1And2cOnly && !V3RW.UserName.isEmpty(), element->AddChild(Names::V3RW));
    SaveTagTable(TagTable, element->AddChild(Names::TagTable));
}

void SNMP_AGENT_SETTINGS::Load(IXMLElement* element)
{
    EnableServer = ReadUnsignedAttribute(element, Names::EnableServer);
    Version = ReadUnsignedAttribute(element, Names::Version);
    Contact = AttributeText(element, Names::Contact);
    Location = AttributeText(element, Names::Location);
    if (IXMLElement* communities = Child(element, Names::V1V2C)) {
        ReadCommunity = AttributeText(communities, Names::ReadCommunity);
        WriteCommunity = AttributeText(communities, Names::WriteCommunity);
    }
    LoadAccount(V3RO, Child(element, Names::V3RO));
    LoadAccount(V3RW, Child(element, Names::V3RW));
    LoadTagTable(TagTable, Child(element, Names::TagTable));
}
