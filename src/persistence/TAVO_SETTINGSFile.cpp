// The TAVO service settings and its servers in the project file.
#include "TAVO_SETTINGS.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "TextConversion.h"
#include "TypeIds.h"
#include "XMLAttributeReader.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Tavo;
using ServiceXml::Result;

namespace {

constexpr qint32 kMaxIndex = 65535;
constexpr qint32 kMaxUnit = 2;
constexpr int kAliasFlag = 1;

void SaveHeartbeat(const TAVO_SERVER_ITEM_SETTINGS& server, IXMLElement* element)
{
    IXMLElement* heartbeat = AddValue(element, Names::Heartbeat, server.Heartbeat);
    const bool on = server.Heartbeat == 1;
    heartbeat->SetAttribute(ServiceXml::Interval, on ? IntToWString(server.Interval) : ServiceXml::NotApplicable);
    heartbeat->SetAttribute(Names::Unit, on ? IntToWString(server.Unit) : ServiceXml::NotApplicable);
}

// An "NA" attribute is out of every range, so it falls back like a missing one.
void LoadHeartbeat(TAVO_SERVER_ITEM_SETTINGS& server, IXMLElement* element)
{
    IXMLElement* heartbeat = Child(element, Names::Heartbeat);
    server.Heartbeat = IntValueInRange(element, Names::Heartbeat, 0, 1, 0);
    QString text;
    server.Interval = ReadAttributeText(heartbeat, ServiceXml::Interval, server.HeartbeatValue.minimum,
                                        server.HeartbeatValue.maximum, text) &&
                              !IsNotApplicable(text)
                          ? ParseLeadingInt(text)
                          : server.HeartbeatValue.defaultValue;
    server.Unit = ReadAttributeText(heartbeat, Names::Unit, 0, kMaxUnit, text) && !IsNotApplicable(text)
                      ? ParseLeadingInt(text)
                      : 0;
}

} // namespace

void TAVO_SERVER_ITEM_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Index, Index);
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::ControlTag, ControlTag);
    AddValue(element, Names::IpAddress, IpAddress);
    AddValue(element, ServiceXml::Port, Port);
    AddValueOrNotApplicable(element, ServiceXml::StatusTag, StatusTag);
    AddValue(element, ServiceXml::Timeout, Timeout);
    SaveHeartbeat(*this, element);
}

void TAVO_SERVER_ITEM_SETTINGS::Load(IXMLElement* element)
{
    LoadTavoServerDefaults(*this);
    Index = IntValueInRange(element, ServiceXml::Index, 0, kMaxIndex, 0);
    Name = TextValue(element, ServiceXml::Name, ElementName(element));
    ControlTag = TextValueUnlessNotApplicable(element, Names::ControlTag);
    IpAddress = TextValue(element, Names::IpAddress, Names::UnsetIpAddress);
    Port = IntValueInTriple(element, ServiceXml::Port, PortValue);
    StatusTag = TextValueUnlessNotApplicable(element, ServiceXml::StatusTag);
    Timeout = IntValueInTriple(element, ServiceXml::Timeout, ConnectTimeoutValue);
    LoadHeartbeat(*this, element);
}

void TAVO_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(Servers.size()));
    AddValue(element, Names::OperationMode, OperationMode);
    AddValue(element, Names::ReconnectTimeout, ReconnectTimeout);
    AddValue(element, Names::QueueSize, QueueSize);
    AddValue(element, Names::QueueFullAction, QueueFullAction);
    for (qsizetype i = 0; i < Servers.size(); ++i)
        Servers[i].Save(element->AddChild(ItemName(ServiceXml::SetPrefix, i)));
}

void TAVO_SETTINGS::Load(IXMLElement* element)
{
    OperationMode = IntValueInRange(element, Names::OperationMode, 0, 1, 0);
    ReconnectTimeout = IntValueInTriple(element, Names::ReconnectTimeout, ReconnectTimeoutValue);
    QueueSize = IntValueInTriple(element, Names::QueueSize, QueueValue);
    QueueFullAction = IntValueInRange(element, Names::QueueFullAction, 0, 1, 0);
    // Building a server reads its limits from DefaultSettings.ini: one fresh server is the model
    // of all read here.
    const TAVO_SERVER_ITEM_SETTINGS freshServer;
    ForEachNamedFrom(element, ItemName(ServiceXml::SetPrefix, 0), ServiceXml::SetPrefix, [&](IXMLElement* item) {
        TAVO_SERVER_ITEM_SETTINGS server = freshServer;
        server.Load(item);
        BuildServiceTags(ServiceId::Tavo, server.Index, server.TagDefinitions, kAliasFlag);
        Servers.append(server);
    });
}
