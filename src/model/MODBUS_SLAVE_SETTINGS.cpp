#include "MODBUS_SLAVE_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

const std::array<TripleField<MODBUS_SLAVE_SETTINGS>, 3> kTriples{{
    SameKey(Key::PortValue, &MODBUS_SLAVE_SETTINGS::PortValue, {502, 1, 65535}),
    SameKey(Key::UnitIDValue, &MODBUS_SLAVE_SETTINGS::UnitIDValue, {1, 1, 247}),
    SameKey(Key::IdleTimeoutValue, &MODBUS_SLAVE_SETTINGS::IdleTimeoutValue, {10, 1, 65535}),
}};

} // namespace

void LoadModbusSlaveDefaults(MODBUS_SLAVE_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::ModbusSlave, kTriples);
}

void MODBUS_SLAVE_TAG_SET::Reset()
{
    Name.clear();
    TagDataType = kNoTagDataType;
    Index = 0;
    Items.clear();
}

MODBUS_SLAVE_SETTINGS::MODBUS_SLAVE_SETTINGS()
{
    LoadModbusSlaveDefaults(*this);
    Reset();
}

void MODBUS_SLAVE_SETTINGS::Reset()
{
    ListenPort = PortValue.defaultValue;
    UnitID = UnitIDValue.defaultValue;
    Timeout = IdleTimeoutValue.defaultValue;
    EnEthernet = kEthernetOn;
    EnSerial = 0;
    SerialPort.clear();
    SerialUnitID = UnitIDValue.defaultValue;
    MulitTagSet.clear();
    HasMultiTagSet = kGroupedTagSets;
}

int MODBUS_SLAVE_SETTINGS::GetModbusSlaveDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kTriples);
}
