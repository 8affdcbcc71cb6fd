#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

using Device = MODBUS_EXTERNAL_DEVICE_SETTINGS;

constexpr qint32 kBuiltInTimeout = 1000;
constexpr qint32 kBuiltInKeepAliveInterval = 1000;

const std::array<TripleField<Device>, 5> kTriples{{
    SameKey(Key::UnitID, &Device::UnitIDValue, {1, 1, 247}),
    SameKey(Key::TCPPort, &Device::TCPPortValue, {502, 1, 65535}),
    SameKey(Key::FailRetry, &Device::FailRetryValue, {3, 0, 9}),
    SameKey(Key::PollingDelay, &Device::PollingDelayValue, {0, 0, 86400}),
    SameKey(Key::RecoverDelay, &Device::RecoverDelayValue, {10, 0, 86400}),
}};

} // namespace

void LoadModbusMasterDefaults(MODBUS_EXTERNAL_DEVICE_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::ModbusMaster, kTriples);
    record.DefaultTimeout = ServiceDefaults::ReadInt(Section::ModbusMaster, Key::Timeout, kBuiltInTimeout);
    record.DefaultKeepAliveInterval =
        ServiceDefaults::ReadInt(Section::ModbusMaster, Key::KeepAliveInterval, kBuiltInKeepAliveInterval);
    record.DefaultIpAddress = ServiceDefaults::ReadText(Section::ModbusMaster, Key::IP);
}

MODBUS_EXTERNAL_DEVICE_SETTINGS::MODBUS_EXTERNAL_DEVICE_SETTINGS()
{
    LoadModbusMasterDefaults(*this);
    Reset();
}

void MODBUS_EXTERNAL_DEVICE_SETTINGS::Reset()
{
    Name.clear();
    RTUPort.clear();
    IpAddress = DefaultIpAddress;
    TCPPort = TCPPortValue.defaultValue;
    Polling_Delay = PollingDelayValue.defaultValue;
    UnitID = UnitIDValue.defaultValue;
    FailRetry = FailRetryValue.defaultValue;
    RecoverDelay = RecoverDelayValue.defaultValue;
    Timeout = DefaultTimeout;
    KeepAliveInterval = DefaultKeepAliveInterval;
    KeepAliveEnable = 0;
    Commands.clear();
    TagDefinitions.clear();
    Index = 0;
}

int MODBUS_EXTERNAL_DEVICE_SETTINGS::GetModbusMasterDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kTriples);
}

int MODBUS_EXTERNAL_DEVICE_SETTINGS::GetDefault(const QString& key, qint32& out) const
{
    if (key == Key::Timeout) {
        out = DefaultTimeout;
        return 1;
    }
    if (key == Key::KeepAliveInterval) {
        out = DefaultKeepAliveInterval;
        return 1;
    }
    return 0;
}

int MODBUS_EXTERNAL_DEVICE_SETTINGS::GetDefaultText(const QString& key, QString& out) const
{
    if (key != Key::IP)
        return 0;
    out = DefaultIpAddress;
    return 1;
}
