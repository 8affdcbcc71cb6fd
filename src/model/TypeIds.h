#pragma once
// The numeric ids of every resource of a project: channel types, service resource ids, internal
// register types and data-type codes, each family in its own disjoint range.

namespace ChannelType {
inline constexpr int Serial = 1000;
inline constexpr int Lan = 1001;
inline constexpr int ConnectionStatus = 1002; // module connection tags; no channel
inline constexpr int DigitalInput = 1003;
inline constexpr int Plain1004 = 1004; // no per-channel settings
inline constexpr int DigitalInputOutput = 1005;
inline constexpr int DigitalOutput = 1006;
inline constexpr int Plain1007 = 1007; // no per-channel settings
inline constexpr int AnalogInput = 1008;
inline constexpr int AnalogOutput = 1009;
inline constexpr int Thermocouple = 1010;
inline constexpr int Rtd = 1011;
inline constexpr int Relay = 1012;
inline constexpr int SystemVariables = 1013; // first system-variable page; no channel
inline constexpr int HighSpeedAnalogInput = 1014;
inline constexpr int ResourceGroup = 1015; // second system-variable page, power groups; no channel
inline constexpr int CanPort = 1016;
inline constexpr int PortTrunk = 1017;
inline constexpr int Switch = 1018;
inline constexpr int HartAnalogInput = 1019;
inline constexpr int First = Serial;
inline constexpr int Last = HartAnalogInput;
} // namespace ChannelType

namespace ServiceId {
inline constexpr int ModbusMaster = 105;
inline constexpr int DataLogging = 114;
inline constexpr int Tavo = 116;
inline constexpr int ModbusSlave = 117;
inline constexpr int Dnp3Outstation = 118;
inline constexpr int DataLoggingUpload = 124; // second id on the data-logging item list
inline constexpr int SnmpAgent = 127;
inline constexpr int FtpServer = 128;
inline constexpr int Dnp3Master = 129;
inline constexpr int Dnp3Point = 130;
inline constexpr int TavoServer = 131;
inline constexpr int TavoTagLink = 132;
inline constexpr int TimeSync = 133;
inline constexpr int HighSpeedDataLogging = 136;
inline constexpr int AlarmMail = 137;
inline constexpr int AlarmSms = 138;
inline constexpr int TavoControlTagLink = 139;
inline constexpr int ToggleSwitch = 140;
inline constexpr int SystemLogs = 141;
inline constexpr int RotarySwitch = 142;
inline constexpr int AlarmSnmpTrap = 143;
inline constexpr int SnmpAgentLink = 144;  // named as the SNMP agent
inline constexpr int SnmpAgentLink2 = 145; // named as the SNMP agent
inline constexpr int RESTfulApi = 146;
inline constexpr int First = ModbusMaster;
inline constexpr int Last = RESTfulApi;
} // namespace ServiceId

namespace RegisterType {
inline constexpr int Base = 1500; // register type = Base + data-type code
inline constexpr int First = 1501;
inline constexpr int Last = 1518;
} // namespace RegisterType

namespace DataTypeCode {
inline constexpr int First = 1;
inline constexpr int Last = 18;
inline constexpr int KindCount = 9; // codes c and c + 9 hold the same value kind
} // namespace DataTypeCode

// The type index of an unknown data-type code.
inline constexpr int kUnknownDataTypeIndex = 999;
// Channel number of a tag whose type has no channel, and the count of such types.
inline constexpr int kNoChannelIndex = 65535;

bool IsInternalRegisterType(int id);
// The tag pickers offer only selectable types.
bool IsSelectableResourceType(int id);
// Data-type code 1..18 to its type index 0..8 (the order of the file's tag quantities); 999 otherwise.
int MapDataTypeCode(int code);
// Types whose tags carry no channel number (connection status and the system-variable pages).
bool HasNoChannelIndex(int typeId);
bool IsValidDataTypeCode(int code);
