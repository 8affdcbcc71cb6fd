#pragma once
// Element and attribute names of the service groups of the project file. Misspelt names are part
// of the file format and stay as they are ("MulitTagSet").

#include <QString>

namespace ServiceXml {

// Shared by every group.
inline const QString Result = QStringLiteral("Result");
inline const QString Quantity = QStringLiteral("Quantity");
inline const QString Index = QStringLiteral("Index");
inline const QString Name = QStringLiteral("Name");
inline const QString Enable = QStringLiteral("Enable");
inline const QString ResID = QStringLiteral("ResID");
inline const QString TriggerTag = QStringLiteral("TriggerTag");
inline const QString StatusTag = QStringLiteral("StatusTag");
inline const QString Port = QStringLiteral("Port");
inline const QString Username = QStringLiteral("Username");
inline const QString Password = QStringLiteral("Password");
inline const QString Content = QStringLiteral("Content");
inline const QString Interval = QStringLiteral("Interval");
inline const QString Timeout = QStringLiteral("Timeout");
inline const QString Resource = QStringLiteral("Resource");
inline const QString Start_Addr = QStringLiteral("Start_Addr");
inline const QString DataType = QStringLiteral("DataType");
inline const QString ErrorHandlingRetry = QStringLiteral("ErrorHandlingRetry");
inline const QString ErrorHandlingDelay = QStringLiteral("ErrorHandlingDelay");

// List item name prefixes, followed by the item's number.
inline const QString SetPrefix = QStringLiteral("Set_");
inline const QString TagPrefix = QStringLiteral("Tag_");
inline const QString TrapPrefix = QStringLiteral("Trap_");
inline const QString TrapTagPrefix = QStringLiteral("Tag"); // attributes Tag0, Tag1 ... of a trap

// Text of a value that is not set.
inline const QString NotApplicable = QStringLiteral("NA");

namespace ServiceConfiguration {
inline const QString Element = QStringLiteral("ServiceConfiguration");
inline const QString Tavo = QStringLiteral("TAVO");
inline const QString Alarm = QStringLiteral("Alarm");
inline const QString Dnp3Outstation = QStringLiteral("DNP3_Outstation");
inline const QString ModbusSlave = QStringLiteral("Modbus_Slave");
inline const QString ModbusMaster = QStringLiteral("Modbus_Master");
inline const QString DataLogging = QStringLiteral("Data_Logging");
inline const QString HsDataLogging = QStringLiteral("HighSpeed_Data_Logging");
inline const QString SnmpAgent = QStringLiteral("SNMP_Agent");
inline const QString RESTfulApi = QStringLiteral("RESTfulAPI");
inline const QString ServiceManagement = QStringLiteral("ServiceManagement");
inline const QString StatusTagPrefix = QStringLiteral("0.0.");
} // namespace ServiceConfiguration

namespace Management {
inline const QString Debug = QStringLiteral("Debug");
inline const QString StartCmd = QStringLiteral("StartCmd");
inline const QString StartPath = QStringLiteral("StartPath");
inline const QString StartPathValue = QStringLiteral("/bin/RTU");
inline const QString DebugValue = QStringLiteral("0");
// The service processes, each with its start command.
inline const QString AlarmEmail = QStringLiteral("AlarmEmail");
inline const QString AlarmSMS = QStringLiteral("AlarmSMS");
inline const QString AlarmSNMP = QStringLiteral("AlarmSNMP");
inline const QString SNMPAgent = QStringLiteral("SNMPAgent");
inline const QString ModbusSlave = QStringLiteral("ModbusSlave");
inline const QString ModbusMaster = QStringLiteral("ModbusMaster");
inline const QString DataLogging = QStringLiteral("DataLogging");
inline const QString TimeSync = QStringLiteral("TimeSync");
inline const QString CellularNet = QStringLiteral("CellularNet");
inline const QString DNP3Outstation = QStringLiteral("DNP3Outstation");
inline const QString TavoCommand = QStringLiteral("tavo_service");
inline const QString AlarmEmailCommand = QStringLiteral("email_alarm_service");
inline const QString AlarmSMSCommand = QStringLiteral("sms_alarm_service");
inline const QString AlarmSNMPCommand = QStringLiteral("trap_alarm_service");
inline const QString SNMPAgentCommand = QStringLiteral("snmp_agent_service");
inline const QString ModbusSlaveCommand = QStringLiteral("modbus_slave_service");
inline const QString ModbusMasterCommand = QStringLiteral("modbus_master_service");
inline const QString DataLoggingCommand = QStringLiteral("data_logging_service");
inline const QString RESTfulApiCommand = QStringLiteral("restful_api_service");
inline const QString TimeSyncCommand = QStringLiteral("time_sync_service");
inline const QString CellularNetCommand = QStringLiteral("cellular_service");
inline const QString DNP3OutstationCommand = QStringLiteral("dnp3_outstation_service");
} // namespace Management

namespace Tavo {
inline const QString OperationMode = QStringLiteral("OperationMode");
inline const QString ReconnectTimeout = QStringLiteral("ReconnectTimeout");
inline const QString QueueSize = QStringLiteral("QueueSize");
inline const QString QueueFullAction = QStringLiteral("QueueFullAction");
inline const QString ControlTag = QStringLiteral("ControlTag");
inline const QString IpAddress = QStringLiteral("IpAddress");
inline const QString Heartbeat = QStringLiteral("Heartbeat");
inline const QString Unit = QStringLiteral("Unit");
inline const QString UnsetIpAddress = QStringLiteral("0.0.0.0");
inline const QString IntervalUpdate = QStringLiteral("IntervalUpdate");
inline const QString OnChangeUpdate = QStringLiteral("OnChangeUpdate");
inline const QString ControlTagUpdate = QStringLiteral("ControlTagUpdate");
inline const QString Access = QStringLiteral("Access");
inline const QString Control = QStringLiteral("Control");
} // namespace Tavo

namespace SnmpAgent {
inline const QString EnableServer = QStringLiteral("EnableServer");
inline const QString Version = QStringLiteral("Version");
inline const QString Contact = QStringLiteral("Contact");
inline const QString Location = QStringLiteral("Location");
inline const QString V1V2C = QStringLiteral("V1V2C");
inline const QString ReadCommunity = QStringLiteral("ReadCommunity");
inline const QString WriteCommunity = QStringLiteral("WriteCommunity");
inline const QString V3RO = QStringLiteral("V3RO");
inline const QString V3RW = QStringLiteral("V3RW");
inline const QString UserName = QStringLiteral("UserName");
inline const QString EnableAuthentication = QStringLiteral("EnableAuthentication");
inline const QString AuthenticationPW = QStringLiteral("AuthenticationPW");
inline const QString EnablePrivacy = QStringLiteral("EnablePrivacy");
inline const QString PrivacyPW = QStringLiteral("PrivacyPW");
inline const QString TagTable = QStringLiteral("TagTable");
inline const QString TagName = QStringLiteral("TagName");
inline const QString TagResID = QStringLiteral("TagResID");
inline const QString TagAccess = QStringLiteral("TagAccess");
inline const QString OID = QStringLiteral("OID");
} // namespace SnmpAgent

namespace Dnp3 {
inline const QString LocalAddr = QStringLiteral("LocalAddr");
inline const QString LocalPort = QStringLiteral("LocalPort");
inline const QString EnableDnp3Master = QStringLiteral("EnableDnp3Master");
inline const QString BasicSetting = QStringLiteral("BasicSetting");
inline const QString DestinationAddr = QStringLiteral("DestinationAddr");
inline const QString EnableUnsolicited = QStringLiteral("EnableUnsolicited");
inline const QString MasterIP = QStringLiteral("MasterIP");
inline const QString DestinationPort = QStringLiteral("DestinationPort");
inline const QString AdvancedSetting = QStringLiteral("AdvancedSetting");
inline const QString FragmentMaxSize = QStringLiteral("FragmentMaxSize");
inline const QString ApplicationConfirmTimeout = QStringLiteral("ApplicationConfirmTimeout");
inline const QString DLConfirmMode = QStringLiteral("DLConfirmMode");
inline const QString DLConfirmTimeout = QStringLiteral("DLConfirmTimeout");
inline const QString DLConfirmRetry = QStringLiteral("DLConfirmRetry");
inline const QString EventBufferOverflow = QStringLiteral("EventBufferOverflow");
inline const QString MaximumBinaryEventStorage = QStringLiteral("MaximumBinaryEventStorage");
inline const QString MaximumAnalogEventStorage = QStringLiteral("MaximumAnalogEventStorage");
inline const QString MaximumCounterEventStorage = QStringLiteral("MaximumCounterEventStorage");
// Written only when it differs from its default, so older files keep their bytes.
inline const QString UnsolicitedTimeout = QStringLiteral("UnsolicitedTimeout");
inline const QString UnsolicitedHoldingTime = QStringLiteral("UnsolicitedHoldingTime");
inline const QString NumberofUnsolicitedClass1 = QStringLiteral("NumberofUnsolicitedClass1");
inline const QString NumberofUnsolicitedClass2 = QStringLiteral("NumberofUnsolicitedClass2");
inline const QString NumberofUnsolicitedClass3 = QStringLiteral("NumberofUnsolicitedClass3");
inline const QString UnsolicitedRetry = QStringLiteral("UnsolicitedRetry");

inline const QString BinaryInput = QStringLiteral("BinaryInput");
inline const QString BinaryOutput = QStringLiteral("BinaryOutput");
inline const QString AnalogInput = QStringLiteral("AnalogInput");
inline const QString AnalogOutput = QStringLiteral("AnalogOutput");
inline const QString Counter = QStringLiteral("Counter");
inline const QString StaticVariation = QStringLiteral("StaticVariation");
inline const QString EventVariation = QStringLiteral("EventVariation");
inline const QString FrozenVariation = QStringLiteral("FrozenVariation");
inline const QString FrozenEventVariation = QStringLiteral("FrozenEventVariation");
inline const QString General = QStringLiteral("General");
inline const QString ResourceID = QStringLiteral("ResourceID");
inline const QString EventCondition = QStringLiteral("EventCondition");
inline const QString SBICondition = QStringLiteral("SBICondition");
inline const QString CounterCondition = QStringLiteral("CounterCondition");
inline const QString AIDeadband = QStringLiteral("AIDeadband");
inline const QString ConditionEnable = QStringLiteral("ConditionEnable");
inline const QString ChangeDeviation = QStringLiteral("ChangeDeviation");
inline const QString Range = QStringLiteral("Range");
inline const QString Percentage = QStringLiteral("Percentage");
// Attributes of "AIDeadband" written only when not 0, so older files keep their bytes.
inline const QString DeviationType = QStringLiteral("DeviationType");
inline const QString DeadbandFloat = QStringLiteral("DeadbandFloat");
inline const QString MasterClass = QStringLiteral("MasterClass");
inline const QString Master = QStringLiteral("Master");
inline const QString Class = QStringLiteral("Class");
} // namespace Dnp3

namespace Alarm {
inline const QString Email = QStringLiteral("Email");
inline const QString Sms = QStringLiteral("SMS");
inline const QString SnmpTrap = QStringLiteral("SNMPTrap");
// The mail servers of the e-mail alarms; written only when there is one.
inline const QString SmtpServer = QStringLiteral("SMTPServer");
inline const QString Description = QStringLiteral("Description");
inline const QString ServerAddress = QStringLiteral("ServerAddress");
inline const QString Account = QStringLiteral("Account");
inline const QString Users = QStringLiteral("Users");
inline const QString RTUService = QStringLiteral("RTUService");
inline const QString EventBufferSize = QStringLiteral("EventBufferSize");
inline const QString EventBufferOverflowBehavior = QStringLiteral("EventBufferOverflowBehavior");
inline const QString ServerType = QStringLiteral("ServerType");
inline const QString MailServer = QStringLiteral("MailServer");
inline const QString Encryption = QStringLiteral("Encryption");
inline const QString Authentication = QStringLiteral("Authentication");
inline const QString From = QStringLiteral("From");
inline const QString To = QStringLiteral("To");
inline const QString ContactName = QStringLiteral("ContactName");
inline const QString Subject = QStringLiteral("Subject");
inline const QString PIN = QStringLiteral("PIN");
inline const QString Phone = QStringLiteral("Phone");
inline const QString PhoneName = QStringLiteral("PhoneName");
inline const QString TrapQuantity = QStringLiteral("TrapQuantity");
inline const QString TrapIndex = QStringLiteral("index");
inline const QString TrapName = QStringLiteral("TrapName");
inline const QString Version = QStringLiteral("Version");
inline const QString Hostname_1 = QStringLiteral("Hostname_1");
inline const QString Community_1 = QStringLiteral("Community_1");
inline const QString Hostname_2 = QStringLiteral("Hostname_2");
inline const QString Community_2 = QStringLiteral("Community_2");
inline const QString SpecificTrap = QStringLiteral("SpecificTrap");
inline const QString MessageEnable = QStringLiteral("MessageEnable");
inline const QString TagQuantity = QStringLiteral("TagQuantity");
inline const QString MessageTrap = QStringLiteral("MessageTrap");
} // namespace Alarm

namespace DataLog {
inline const QString StartStopTag = QStringLiteral("StartStopTag");
inline const QString LogCondition = QStringLiteral("LogCondition");
inline const QString OnChange = QStringLiteral("OnChange");
inline const QString OnChangeValue = QStringLiteral("0");
inline const QString LogTriggerTag = QStringLiteral("LogTriggerTag");
inline const QString LogStatusTag = QStringLiteral("LogStatusTag");
inline const QString LogSettings = QStringLiteral("LogSettings");
inline const QString FreeStorageForLogging = QStringLiteral("FreeStorageForLogging");
inline const QString FileSplit = QStringLiteral("FileSplit");
inline const QString Records = QStringLiteral("Records");
inline const QString SelectedTag = QStringLiteral("SelectedTag");
inline const QString TagName = QStringLiteral("TagName");
inline const QString FTPUpload = QStringLiteral("FTPUpload");
inline const QString FTPServer = QStringLiteral("FTPServer");
inline const QString Mode = QStringLiteral("Mode");
inline const QString FTPUploadTriggerTag = QStringLiteral("FTPUploadTriggerTag");
inline const QString FTPUploadRemainStorageTag = QStringLiteral("FTPUploadRemainStorageForLoggingTag");
} // namespace DataLog

// A high-speed profile: "Name", "Description", "TriggerTag"/"ResID", "FilesOfLog", the
// "SelectedTag" list of the data-logging profiles, then "FTPUpload" with "FTPServer",
// "ErrorHandlingRetry", "ErrorHandlingDelay" and the two upload tags.
namespace HsDataLog {
inline const QString Description = QStringLiteral("Description");
inline const QString FilesOfLog = QStringLiteral("FilesOfLog");
inline const QString FTPUploadStatusTag = QStringLiteral("FTPUploadStatusTag");
} // namespace HsDataLog

namespace Modbus {
inline const QString EnEthernet = QStringLiteral("EnEthernet");
inline const QString ListenPort = QStringLiteral("ListenPort");
inline const QString UnitID = QStringLiteral("UnitID");
inline const QString EnSerial = QStringLiteral("EnSerial");
inline const QString SerialPort = QStringLiteral("SerialPort");
inline const QString SerialUnitID = QStringLiteral("SerialUnitID");
inline const QString MulitTagSet = QStringLiteral("MulitTagSet");
inline const QString TagDataType = QStringLiteral("TagDataType");
inline const QString Tag = QStringLiteral("Tag");
inline const QString ModbusMap = QStringLiteral("ModbusMap");
inline const QString ModbusAddress = QStringLiteral("ModbusAddress");
inline const QString TagType = QStringLiteral("TagType");

inline const QString RTUPort = QStringLiteral("RTUPort");
inline const QString IpAddress = QStringLiteral("IpAddress");
inline const QString TCPPort = QStringLiteral("TCPPort");
inline const QString Polling_Delay = QStringLiteral("Polling_Delay");
inline const QString RecoverDelay = QStringLiteral("RecoverDelay");
inline const QString FailRetry = QStringLiteral("FailRetry");
inline const QString ErrorTag = QStringLiteral("ErrorTag");
inline const QString KeepAliveEnable = QStringLiteral("KeepAliveEnable");
inline const QString KeepAliveInterval = QStringLiteral("KeepAliveInterval");
inline const QString MultiTagQuantity = QStringLiteral("MultiTagQuantity");
inline const QString MultiTagResource = QStringLiteral("MultiTagResource");
inline const QString Function_Code = QStringLiteral("Function_Code");
inline const QString SwappedValue = QStringLiteral("SwappedValue");
inline const QString ScanRate = QStringLiteral("ScanRate");
inline const QString TotalLength = QStringLiteral("TotalLength");
inline const QString ReferenceAddress = QStringLiteral("ReferenceAddress");
inline const QString DataTypeSize = QStringLiteral("DataTypeSize");
inline const QString Length = QStringLiteral("Length");
// The one port name of a device reached over Ethernet; compared exactly.
inline const QString EthernetPort = QStringLiteral("S_0-E_0");
inline const QString SerialPortFormat = QStringLiteral("S_%1-P_%2");
} // namespace Modbus

} // namespace ServiceXml
