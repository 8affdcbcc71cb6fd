#pragma once
// Reads the device information file into the information list's lines and the controller's slot
// layout, reads the project's slot layout from its "DeviceConfiguration", and compares the two.

#include "IXMLParser.h"
#include "SlotConfigEntry.h"

#include <QStringList>

#include <vector>

class CDeviceInfoReader {
public:
    CDeviceInfoReader();

    // Empties the lines (when given) and reads the file: kS_OK, or kE_FAIL when it does not parse
    // (the lines stay empty and the device layout as it was).
    int LoadDeviceInfoFile(QStringList* lines, const QString& path);
    // Walks the element's children and theirs; kE_FAIL for an element without children.
    int ReadDeviceInfoElements(QStringList* lines, IXMLElement* element);
    // One entry per child of the project's "DeviceConfiguration": "Result", "Name", "APID"; replaces
    // the layout read before.
    void ReadProjectSlotLayout(IXMLElement* deviceConfiguration);

    // Marks the device slots that differ from the project's; true when the layouts differ.
    bool CompareLayouts();

    std::vector<SlotConfigEntry> DeviceLayout() const { return device_; }
    const std::vector<SlotConfigEntry>& ProjectLayout() const { return project_; }
    int DeviceSlotCount() const { return slotCount_; }
    bool IsLayoutKnown() const { return layoutKnown_; }
    void ClearLayoutKnown() { layoutKnown_ = false; }

private:
    void ReadElement(QStringList* lines, IXMLElement* element);
    void ReadSlot(QStringList* lines, IXMLElement* element);

    XMLParserPtr parser_;
    std::vector<SlotConfigEntry> device_;
    std::vector<SlotConfigEntry> project_;
    int slotCount_ = 0;
    bool layoutKnown_ = false;
};
