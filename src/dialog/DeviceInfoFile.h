#pragma once
// The device information file "x5_Info.xml" as the panels read it: a slot element's attributes,
// and the list line each kind of panel makes of it.

#include <QString>

class IXMLElement;

enum class DeviceInfoLineKind {
    DeviceInformation, // name slot(mark)=module version [serial] config-error
    ModuleFirmware,    // name slot(mark)=module version [serial]
    Calibration,       // name slot=module version
};

struct DeviceInfoSlot {
    QString element;
    QString value; // slot number text; "0" is the CPU slot
    QString name;
    QString version;
    QString serialNumber;
    QString apid;
    QString configError;
};

inline constexpr const char* kSlotElement = "slot";
inline constexpr const char* kTotalSlotsName = "Total_slots";

// An attribute's value; empty when the element lacks it.
QString AttributeValue(IXMLElement* element, const char* name);
// The attributes of a "slot" element; missing ones stay empty.
DeviceInfoSlot ReadSlotAttributes(IXMLElement* element);
// The line of a slot for that kind of list.
QString FormatSlotLine(DeviceInfoLineKind kind, const DeviceInfoSlot& slot);
// "%s=%s": an element's name and one attribute's value.
QString FormatAttributeLine(const QString& element, const QString& value);
