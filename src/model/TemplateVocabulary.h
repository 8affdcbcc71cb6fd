#pragma once
// The element and attribute names of the product and module templates, as the placing reads them
// (misspellings are part of the format).

#include <QString>

namespace TemplateElement {
inline const QString DeviceConfiguration = QStringLiteral("DeviceCfg"); // parent of the slot nodes
inline const QString CpuSlot = QStringLiteral("Slot_0");
inline const QString Resources = QStringLiteral("Resources");
inline const QString Settings = QStringLiteral("Settings");
inline const QString TagDescription = QStringLiteral("Resource_ID"); // marks its parent a resource element
inline const QString InternalVariable = QStringLiteral("Internal_Variable");
inline const QString ModuleTags = QStringLiteral("High_Voltage");   // module-level tag descriptions
inline const QString SensorTags = QStringLiteral("HART_SensorTag"); // the tags of each HART sensor
} // namespace TemplateElement

namespace TemplateAttribute {
// Product element.
inline const QString MaxSlotCount = QStringLiteral("MaxSlotCnt");
inline const QString IEC = QStringLiteral("IEC");
inline const QString HSPA = QStringLiteral("HSPA");
inline const QString Series4100 = QStringLiteral("ulTEK4100");
inline const QString CPU35 = QStringLiteral("CPU35");
inline const QString Apid = QStringLiteral("APID");
// Tree and resource elements.
inline const QString FormId = QStringLiteral("FormId");
inline const QString Result = QStringLiteral("Result");
inline const QString Alias = QStringLiteral("Alias");
inline const QString ResSize = QStringLiteral("ResSize");
inline const QString ServiceList = QStringLiteral("ServiceList");
inline const QString ServicMap = QStringLiteral("ServicMap");
inline const QString Parent = QStringLiteral("Parent");
inline const QString FunctionList = QStringLiteral("FunctionList");
// Tag descriptions.
inline const QString Type = QStringLiteral("type");
inline const QString TagType = QStringLiteral("TagType");
inline const QString DNP3TagType = QStringLiteral("DNP3TagType");
inline const QString IsInput = QStringLiteral("IsInput");
inline const QString ResID = QStringLiteral("ResID");
inline const QString ChMode = QStringLiteral("ChMode");
inline const QString DNP3Event = QStringLiteral("DNP3Event");
inline const QString Min = QStringLiteral("Min");
inline const QString Max = QStringLiteral("Max");
inline const QString Index = QStringLiteral("Index");
inline const QString IODirection = QStringLiteral("IODirection");
inline const QString TagName = QStringLiteral("tagName");
} // namespace TemplateAttribute
