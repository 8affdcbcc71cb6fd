#include "TAVO_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"
#include "TextConversion.h"

#include <array>

namespace {

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

const std::array<TripleField<TavoDefaults>, 2> kServiceTriples{{
    SameKey(Key::QueueValue, &TavoDefaults::QueueValue, {500, 100, 5000}),
    SameKey(Key::ReconnectTimeoutValue, &TavoDefaults::ReconnectTimeoutValue, {60, 1, 3600}),
}};

const std::array<TripleField<TAVO_SERVER_ITEM_SETTINGS>, 3> kServerTriples{{
    SameKey(Key::PortValue, &TAVO_SERVER_ITEM_SETTINGS::PortValue, {2000, 1, 65535}),
    {Key::ConnectTimeoutValue,
     GetterKey::ConncetTimeoutValue,
     &TAVO_SERVER_ITEM_SETTINGS::ConnectTimeoutValue,
     {10, 1, 300}},
    SameKey(Key::HeartbeatValue, &TAVO_SERVER_ITEM_SETTINGS::HeartbeatValue, {1, 1, 65535}),
}};

// An absent or empty value keeps the built-in limit; otherwise the first piece counts.
qint32 readServerLimit()
{
    const QString text = ServiceDefaults::ReadText(Section::Tavo, Key::LimitServerCount);
    if (text.isEmpty())
        return TavoDefaults::kBuiltInServerLimit;
    QStringList pieces;
    SplitString(pieces, text);
    return ParseLeadingInt(pieces.front());
}

} // namespace

void LoadTavoDefaults(TavoDefaults& record)
{
    ServiceDefaults::LoadTriples(record, Section::Tavo, kServiceTriples);
    record.LimitServerCount = readServerLimit();
}

void LoadTavoServerDefaults(TAVO_SERVER_ITEM_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::Tavo, kServerTriples);
}

TAVO_SERVER_ITEM_SETTINGS::TAVO_SERVER_ITEM_SETTINGS()
{
    LoadTavoServerDefaults(*this);
    SetDefaults();
}

void TAVO_SERVER_ITEM_SETTINGS::SetDefaults()
{
    Name.clear();
    ControlTag.clear();
    IpAddress.clear();
    StatusTag.clear();
    Port = PortValue.defaultValue;
    Timeout = ConnectTimeoutValue.defaultValue;
    Interval = HeartbeatValue.defaultValue;
    Heartbeat = 0;
    Unit = 0;
    Index = 0;
    TagDefinitions.clear();
}

int TAVO_SERVER_ITEM_SETTINGS::GetTavoServerDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kServerTriples);
}

int TavoDefaults::GetTavoServiceDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kServiceTriples);
}

int TavoDefaults::GetLimit(const QString& key, qint32& out) const
{
    if (key != Key::LimitServerCount)
        return 0;
    out = LimitServerCount;
    return 1;
}

TAVO_SETTINGS::TAVO_SETTINGS()
{
    LoadTavoDefaults(*this);
    Reset();
}

void TAVO_SETTINGS::Reset()
{
    OperationMode = 0;
    ReconnectTimeout = ReconnectTimeoutValue.defaultValue;
    QueueSize = QueueValue.defaultValue;
    QueueFullAction = 0;
    Servers.clear();
}
