// The settings of a port-trunk or switch module: three values under "Setting"/"PortTrunk" or
// "Setting"/"Switch" of the slot, so they survive a save and open.
#include "ModuleRecords.h"

#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "PortSettingNames.h"

using namespace DeviceFile;

void SlotPortRecord::SaveSlotPortSetting(IXMLElement* slotElement, const QString& elementName) const
{
    IXMLElement* setting = slotElement ? slotElement->FindChild(Name::Setting) : nullptr;
    if (!setting)
        return;
    IXMLElement* group = setting->AddChild(elementName);
    for (size_t i = 0; i < Values.size(); ++i)
        AddSigned(group, Name::SlotPortValues[i], Values[i]);
}

void SlotPortRecord::LoadSlotPortSetting(IXMLElement* element)
{
    for (size_t i = 0; i < Values.size(); ++i)
        KeepSigned(element, Name::SlotPortValues[i], Values[i]);
}
