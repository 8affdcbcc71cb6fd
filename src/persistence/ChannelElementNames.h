#pragma once
// Names of the channel groups of a slot (element T under "Setting" and "Resource"), their value
// elements, and the DefaultSettings.ini sections their abbreviation lists come from.

#include <QString>

namespace DeviceFile::Name {

// Group elements; the digital, AI, AO, TC and RTD groups read their abbreviations from the
// section of the same name.
inline const QString DI = QStringLiteral("DI");
inline const QString DO = QStringLiteral("DO");
inline const QString Relay = QStringLiteral("Relay");
inline const QString DIO = QStringLiteral("DIO");
inline const QString AI = QStringLiteral("AI");
inline const QString HARTAI = QStringLiteral("HARTAI");
inline const QString HART = QStringLiteral("HART");
inline const QString HighSpeedAI = QStringLiteral("HighSpeedAI");
inline const QString AO = QStringLiteral("AO");
inline const QString TC = QStringLiteral("TC");
inline const QString RTD = QStringLiteral("RTD");
inline const QString ExtPower = QStringLiteral("ExtPower");
inline const QString ResIDVal = QStringLiteral("ResID_Val");

// Abbreviation sections that differ from the group's element name.
inline const QString HartSection = QStringLiteral("HART");
inline const QString HartSensorSection = QStringLiteral("HARTSENSORABB");
inline const QString HighSpeedAISection = QStringLiteral("AI");
inline const QString CellularSection = QStringLiteral("Cellular");
inline const QString SystemRegisterSection = QStringLiteral("SystemRegister");
inline const QString PowerSection = QStringLiteral("Power");

// Digital inputs.
inline const QString Filter = QStringLiteral("Filter");
inline const QString Trigger = QStringLiteral("Trigger");
inline const QString DIMode = QStringLiteral("DI_Mode");
inline const QString InitValPrefix = QStringLiteral("InitVal_");
inline const QString InitValCntVal = QStringLiteral("InitVal_CntVal");
inline const QString MeasurementTime = QStringLiteral("Measurement_Time");
inline const QString FirstOnEnable = QStringLiteral("FirstOnEnable");
inline const QString FirstOnTime = QStringLiteral("FirstOnTime");
inline const QString ScanOffTime = QStringLiteral("ScanOffTime");

// Digital outputs and relays.
inline const QString DOMode = QStringLiteral("DO_Mode");
inline const QString DOStatus = QStringLiteral("DO_Status");
inline const QString RelayMode = QStringLiteral("Relay_Mode");
inline const QString RelayStatus = QStringLiteral("Relay_Status");
inline const QString Frequency = QStringLiteral("Frequency");
inline const QString DutyCycle = QStringLiteral("DutyCycle");
inline const QString OutputPulse = QStringLiteral("OutputPulse");

// Digital inputs/outputs.
inline const QString IODirection = QStringLiteral("IODirection");
inline const QString InitValDIOCntVal = QStringLiteral("InitVal_DIOCntVal");

// Analog inputs and HART.
inline const QString InputRange = QStringLiteral("InputRange");
inline const QString InputRangeMin = QStringLiteral("InputRangeMin");
inline const QString InputRangeMax = QStringLiteral("InputRangeMax");
inline const QString BurnOutValue = QStringLiteral("BurnOutValue");
inline const QString HartOpMode = QStringLiteral("HartOpMode");
inline const QString NumRetry = QStringLiteral("NumRetry");
inline const QString SensorSetting = QStringLiteral("SensorSetting");
inline const QString FrameType = QStringLiteral("FrameType");
inline const QString Command = QStringLiteral("Command");
inline const QString Preambles = QStringLiteral("Preambles");
inline const QString Address = QStringLiteral("Address");
inline const QString ManuID = QStringLiteral("ManuID");
inline const QString DeviceType = QStringLiteral("DeviceType");
inline const QString UniqueID = QStringLiteral("UniqueID");

// High-speed analog inputs.
inline const QString SamplingRate = QStringLiteral("SamplingRate");
inline const QString ForeInterval = QStringLiteral("ForeInterval");
inline const QString BackInterval = QStringLiteral("BackInterval");

// Analog outputs.
inline const QString OutputRange = QStringLiteral("OutputRange");
inline const QString AOMode = QStringLiteral("Mode");
inline const QString InitialValueAO = QStringLiteral("InitialValue");
inline const QString WaveformType = QStringLiteral("WaveformType");
inline const QString Amplitude = QStringLiteral("Amplitude");
inline const QString Offset = QStringLiteral("Offset");

// Thermocouples and RTDs.
inline const QString SensorType = QStringLiteral("SensorType");
inline const QString Unit = QStringLiteral("Unit");

} // namespace DeviceFile::Name
