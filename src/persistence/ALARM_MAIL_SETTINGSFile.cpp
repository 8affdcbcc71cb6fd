// The e-mail alarm service and its entries in the project file ("Email" under "Alarm").
#include "ALARM_MAIL_SETTINGS.h"

#include "Scramble.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "TypeIds.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Alarm;

namespace {

constexpr qint32 kMaxAuthentication = 4;
constexpr int kAliasFlag = 1;

} // namespace

void ALARM_MAIL_ITEM_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Index, Index);
    AddValue(element, ServiceXml::Name, Name);
    AddResIdValue(element, ServiceXml::TriggerTag, TriggerTag);
    AddResIdValue(element, ServiceXml::StatusTag, StatusTag);
    AddValue(element, Names::From, From);
    AddValue(element, Names::To, To);
    AddValue(element, Names::ContactName, ContactName);
    AddValue(element, Names::Subject, Subject);
    AddValue(element, ServiceXml::Content, Content);
}

// A missing text takes the entry element's own name.
void ALARM_MAIL_ITEM_SETTINGS::Load(IXMLElement* element)
{
    const QString ownName = ElementName(element);
    Index = IntValue(element, ServiceXml::Index, 0);
    Name = TextValue(element, ServiceXml::Name, ownName);
    TriggerTag = ResIdValue(element, ServiceXml::TriggerTag);
    StatusTag = ResIdValue(element, ServiceXml::StatusTag);
    From = TextValue(element, Names::From, ownName);
    To = TextValue(element, Names::To, ownName);
    ContactName = TextValue(element, Names::ContactName, ownName);
    Subject = TextValue(element, Names::Subject, ownName);
    Content = ExpandLineBreaks(TextValue(element, ServiceXml::Content, ownName));
}

void ALARM_MAIL_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(Entries.size()));
    SaveQueueValues(element);
    AddValue(element, Names::ServerType, ServerType);
    AddValue(element, Names::MailServer, MailServer);
    AddValue(element, ServiceXml::Port, Port);
    AddValue(element, Names::Encryption, Encryption);
    AddValue(element, Names::Authentication, Authentication);
    AddValue(element, ServiceXml::Username, Username);
    AddValue(element, ServiceXml::Password, ScrambleToHex(Password));
    for (qsizetype i = 0; i < Entries.size(); ++i)
        Entries[i].Save(element->AddChild(ItemName(ServiceXml::SetPrefix, i)));
}

void ALARM_MAIL_SETTINGS::Load(IXMLElement* element)
{
    LoadQueueValues(element);
    ServerType = IntValueInRange(element, Names::ServerType, 0, 1, 0);
    MailServer = TextValue(element, Names::MailServer);
    Port = IntValueInTriple(element, ServiceXml::Port, PortValue);
    Encryption = IntValueInRange(element, Names::Encryption, 0, 1, 0);
    Authentication = IntValueInRange(element, Names::Authentication, 0, kMaxAuthentication, 0);
    Username = TextValue(element, ServiceXml::Username);
    Password = UnscrambleFromHex(TextValue(element, ServiceXml::Password));
    // Every child from the first entry on is an entry: the writer puts them last.
    ForEachFrom(element, ItemName(ServiceXml::SetPrefix, 0), [this](IXMLElement* item) {
        ALARM_MAIL_ITEM_SETTINGS entry;
        entry.Load(item);
        BuildServiceTags(ServiceId::AlarmMail, entry.Index, entry.TagDefinitions, kAliasFlag);
        Entries.append(entry);
    });
}
