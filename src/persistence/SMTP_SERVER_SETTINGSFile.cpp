// One mail server of the e-mail alarms in the project file ("SMTPServer" under "Alarm").
#include "SMTP_SERVER_SETTINGS.h"

#include "Scramble.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Alarm;

namespace {

const QString kFirstItem = ItemName(ServiceXml::SetPrefix, 0);

void SaveUsers(const QVector<ServiceItemReference>& users, IXMLElement* element)
{
    if (users.isEmpty())
        return;
    IXMLElement* list = element->AddChild(Names::Users);
    AddValue(list, ServiceXml::Quantity, static_cast<qint32>(users.size()));
    for (qsizetype i = 0; i < users.size(); ++i) {
        IXMLElement* item = list->AddChild(ItemName(ServiceXml::SetPrefix, i));
        AddValue(item, Names::RTUService, users[i].first);
        AddValue(item, ServiceXml::Index, users[i].second);
    }
}

QVector<ServiceItemReference> LoadUsers(IXMLElement* element)
{
    QVector<ServiceItemReference> users;
    ForEachFrom(DirectChild(element, Names::Users), kFirstItem, [&users](IXMLElement* item) {
        users.append({IntValue(item, Names::RTUService, 0), IntValue(item, ServiceXml::Index, 0)});
    });
    return users;
}

} // namespace

void SMTP_SERVER_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::Description, Description);
    AddValue(element, Names::ServerAddress, ServerAddress);
    AddValue(element, ServiceXml::Port, Port);
    AddValue(element, Names::Account, Account);
    AddValue(element, ServiceXml::Password, ScrambleToHex(Password));
    SaveUsers(Users, element);
}

// Values are looked up among the direct children: the user list holds items of its own.
void SMTP_SERVER_SETTINGS::Load(IXMLElement* element)
{
    Name = ResultText(DirectChild(element, ServiceXml::Name));
    Description = ResultText(DirectChild(element, Names::Description));
    ServerAddress = ResultText(DirectChild(element, Names::ServerAddress));
    Port = IntValueInTriple(element, ServiceXml::Port, PortValue);
    Account = ResultText(DirectChild(element, Names::Account));
    Password = UnscrambleFromHex(ResultText(DirectChild(element, ServiceXml::Password)));
    Users = LoadUsers(element);
}
