// The SMS alarm service and its entries in the project file ("SMS" under "Alarm").
#include "ALARM_SMS_SETTINGS.h"

#include "Scramble.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "TypeIds.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Alarm;

namespace {

constexpr int kAliasFlag = 1;

} // namespace

void ALARM_SMS_ITEM_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Index, Index);
    AddValue(element, ServiceXml::Name, Name);
    AddResIdValue(element, ServiceXml::TriggerTag, TriggerTag);
    AddResIdValue(element, ServiceXml::StatusTag, StatusTag);
    AddValue(element, Names::Phone, Phone);
    AddValue(element, Names::PhoneName, PhoneName);
    AddValue(element, ServiceXml::Content, Content);
}

// A missing text takes the entry element's own name.
void ALARM_SMS_ITEM_SETTINGS::Load(IXMLElement* element)
{
    const QString ownName = ElementName(element);
    Index = IntValue(element, ServiceXml::Index, 0);
    Name = TextValue(element, ServiceXml::Name, ownName);
    TriggerTag = ResIdValue(element, ServiceXml::TriggerTag);
    StatusTag = ResIdValue(element, ServiceXml::StatusTag);
    Phone = TextValue(element, Names::Phone, ownName);
    PhoneName = TextValue(element, Names::PhoneName, ownName);
    Content = ExpandLineBreaks(TextValue(element, ServiceXml::Content, ownName));
}

void ALARM_SMS_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(Entries.size()));
    SaveQueueValues(element);
    AddValue(element, Names::PIN, ScrambleToHex(PIN));
    for (qsizetype i = 0; i < Entries.size(); ++i)
        Entries[i].Save(element->AddChild(ItemName(ServiceXml::SetPrefix, i)));
}

void ALARM_SMS_SETTINGS::Load(IXMLElement* element)
{
    LoadQueueValues(element);
    PIN = UnscrambleFromHex(TextValue(element, Names::PIN));
    // Every child from the first entry on is an entry: the writer puts them last.
    ForEachFrom(element, ItemName(ServiceXml::SetPrefix, 0), [this](IXMLElement* item) {
        ALARM_SMS_ITEM_SETTINGS entry;
        entry.Load(item);
        BuildServiceTags(ServiceId::AlarmSms, entry.Index, entry.TagDefinitions, kAliasFlag);
        Entries.append(entry);
    });
}
