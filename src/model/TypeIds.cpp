#include "TypeIds.h"

#include <algorithm>
#include <array>

namespace {

// Ports, interfaces and services that carry no tags a user may pick.
constexpr std::array kUnselectableTypes{
    ChannelType::Serial,          ChannelType::Lan,         ChannelType::CanPort,
    ChannelType::PortTrunk,       ChannelType::Switch,      ServiceId::ModbusMaster,
    ServiceId::DataLogging,       ServiceId::Tavo,          ServiceId::Dnp3Outstation,
    ServiceId::DataLoggingUpload, ServiceId::SnmpAgent,     ServiceId::AlarmMail,
    ServiceId::AlarmSms,          ServiceId::AlarmSnmpTrap, ServiceId::RESTfulApi,
};

// Type index of codes 1..9 (Bool, Char, Float, Long, Short, String, UChar, ULong, UShort).
constexpr std::array kTypeIndexOfKind{0, 1, 7, 3, 2, 8, 4, 6, 5};

} // namespace

bool IsInternalRegisterType(int id)
{
    return id >= RegisterType::First && id <= RegisterType::Last;
}

bool IsSelectableResourceType(int id)
{
    return std::find(kUnselectableTypes.begin(), kUnselectableTypes.end(), id) == kUnselectableTypes.end();
}

bool IsValidDataTypeCode(int code)
{
    return code >= DataTypeCode::First && code <= DataTypeCode::Last;
}

int MapDataTypeCode(int code)
{
    if (!IsValidDataTypeCode(code))
        return kUnknownDataTypeIndex;
    return kTypeIndexOfKind[static_cast<size_t>((code - 1) % DataTypeCode::KindCount)];
}

bool HasNoChannelIndex(int typeId)
{
    return typeId == ChannelType::ConnectionStatus || typeId == ChannelType::SystemVariables ||
           typeId == ChannelType::ResourceGroup;
}
