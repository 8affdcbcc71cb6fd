#pragma once
// Section and key names of DefaultSettings.ini that the service settings records read. Misspelt
// names are part of the file format and stay as they are.

#include <QLatin1String>

namespace ServiceDefaultsIni {

namespace Section {
inline constexpr QLatin1String Tavo("TAVO");
inline constexpr QLatin1String Dnp3("DNP3");
inline constexpr QLatin1String Condition("Condition");
inline constexpr QLatin1String AlarmMail("AlarmMail");
inline constexpr QLatin1String AlarmSms("AlarmSMS");
inline constexpr QLatin1String DataLog("DataLog");
inline constexpr QLatin1String ModbusSlave("ModbusSlave");
inline constexpr QLatin1String ModbusMaster("ModbusMaster");
inline constexpr QLatin1String SystemLog("SystemLog");
inline constexpr QLatin1String TimeSetting("TimeSetting");
inline constexpr QLatin1String Smtp("SMTP");
inline constexpr QLatin1String Cellular("Cellular");
} // namespace Section

namespace Key {
// Shared by several sections.
inline constexpr QLatin1String QueueValue("QueueValue");
inline constexpr QLatin1String PortValue("PortValue");
inline constexpr QLatin1String ReconnectTimeoutValue("ReconnectTimeoutValue");
inline constexpr QLatin1String ConnectTimeoutValue("ConnectTimeoutValue");
inline constexpr QLatin1String DelayValue("DelayValue");
inline constexpr QLatin1String Tries("Tries");
inline constexpr QLatin1String DefaultTries("DefaultTries");
inline constexpr QLatin1String UploadTryValue("UploadTryValue");
inline constexpr QLatin1String UploadTimeoutValue("UploadTimeoutValue");

// [TAVO]
inline constexpr QLatin1String LimitServerCount("LimitServerCount");
inline constexpr QLatin1String HeartbeatValue("HeartbeatValue");

// [DNP3]
inline constexpr QLatin1String DestAddrValue("DestAddrValue");
inline constexpr QLatin1String DestPortValue("DestPortValue");
inline constexpr QLatin1String FragmentSizeValue("FragmentSizeValue");
inline constexpr QLatin1String APConfirmTimeoutValue("APConfirmTimeoutValue");
inline constexpr QLatin1String DLResponseTimeoutValue("DLResponseTimeoutValue");
inline constexpr QLatin1String DLMaxRetryValue("DLMaxRetryValue");
inline constexpr QLatin1String UnsoliciteTimeoutValue("UnsoliciteTimeoutValue");
inline constexpr QLatin1String UnsolicitedRetryValue("UnsolicitedRetryValue");
inline constexpr QLatin1String EventBufferOverflow("EventBufferOverflow");
inline constexpr QLatin1String MaxBinaryEventStorage("MaxBinaryEventStorage");
inline constexpr QLatin1String MaxAnalogEventStorage("MaxAnalogEventStorage");
inline constexpr QLatin1String MaxCounterEventStorage("MaxCounterEventStorage");
inline constexpr QLatin1String UnsoliciteHoldTimeValue("UnsoliciteHoldTimeValue");
inline constexpr QLatin1String UnsoliciteTriggerClass1("UnsoliciteTriggerClass1");
inline constexpr QLatin1String UnsoliciteTriggerClass2("UnsoliciteTriggerClass2");
inline constexpr QLatin1String UnsoliciteTriggerClass3("UnsoliciteTriggerClass3");
inline constexpr QLatin1String Limit("Limit");
inline constexpr QLatin1String LocalAddrValue("LocalAddrValue");
inline constexpr QLatin1String LocalPortValue("LocalPortValue");

// [DataLog]
inline constexpr QLatin1String ProfileLogIntervalValue("ProfileLogIntervalValue");
inline constexpr QLatin1String FreeStorageForLog("FreeStorageForLog");
inline constexpr QLatin1String SeperatedIntervalValue("SeperatedIntervalValue");
inline constexpr QLatin1String RecordsPerFile("RecordsPerFile");
inline constexpr QLatin1String ProfileFilesOfLogValue("ProfileFilesOfLogValue");

// [ModbusSlave]
inline constexpr QLatin1String UnitIDValue("UnitIDValue");
inline constexpr QLatin1String IdleTimeoutValue("IdleTimeoutValue");

// [ModbusMaster]
inline constexpr QLatin1String UnitID("UnitID");
inline constexpr QLatin1String TCPPort("TCPPort");
inline constexpr QLatin1String FailRetry("FailRetry");
inline constexpr QLatin1String PollingDelay("PollingDelay");
inline constexpr QLatin1String RecoverDelay("RecoverDelay");
inline constexpr QLatin1String Timeout("Timeout");
inline constexpr QLatin1String KeepAliveInterval("KeepAliveInterval");
inline constexpr QLatin1String IP("IP");

// [TimeSetting]
inline constexpr QLatin1String SyncIntervalValue("SyncIntervalValue");

// [Cellular]
inline constexpr QLatin1String PINGCheckRetryInterval("PINGCheckRetryInterval");

// Channel abbreviation lists of any channel section.
inline constexpr QLatin1String Abbreviation("abbreviation");
inline constexpr QLatin1String AbbreviationIec("abbreviationIEC");
inline constexpr QLatin1String AbbreviationIec4100("abbreviationIEC_4100");
inline constexpr QLatin1String AbbreviationC("abbreviationC");
inline constexpr QLatin1String AbbreviationC4100("abbreviationC_4100");
} // namespace Key

// Names under which the pages ask a record for a triple where they differ from the file's key.
namespace GetterKey {
inline constexpr QLatin1String ConncetTimeoutValue("ConncetTimeoutValue");
inline constexpr QLatin1String MaxBMaxEventStorage("MaxBMaxEventStorage");
inline constexpr QLatin1String MaxAMaxEventStorage("MaxAMaxEventStorage");
inline constexpr QLatin1String MaxCMaxEventStorage("MaxCMaxEventStorage");
} // namespace GetterKey

} // namespace ServiceDefaultsIni
