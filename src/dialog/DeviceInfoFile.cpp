#include "DeviceInfoFile.h"

#include "DeviceInfoTexts.h"
#include "IXMLParser.h"

namespace {

QString cpuSlotMark(const DeviceInfoSlot& slot)
{
    if (slot.value != u"0")
        return {};
    if (IsPowerModuleApid(slot.apid))
        return QStringLiteral("(PWR)");
    if (IsCpuModuleApid(slot.apid))
        return QStringLiteral("(CPU)");
    return {};
}

} // namespace

QString AttributeValue(IXMLElement* element, const char* name)
{
    IXMLAttribute* attribute = element->GetAttribute(QString::fromLatin1(name));
    return attribute ? attribute->GetValue() : QString();
}

DeviceInfoSlot ReadSlotAttributes(IXMLElement* element)
{
    DeviceInfoSlot slot;
    slot.element = element->GetName();
    slot.value = AttributeValue(element, "value");
    slot.name = AttributeValue(element, "name");
    slot.version = AttributeValue(element, "version");
    slot.serialNumber = AttributeValue(element, "serial_number");
    slot.apid = AttributeValue(element, "apid");
    slot.configError = AttributeValue(element, "config_error");
    return slot;
}

QString FormatSlotLine(DeviceInfoLineKind kind, const DeviceInfoSlot& slot)
{
    const bool calibration = kind == DeviceInfoLineKind::Calibration;
    QString line = slot.element + u' ' + slot.value + (calibration ? QString() : cpuSlotMark(slot)) + u'=' + slot.name +
                   u' ' + slot.version;
    if (calibration)
        return line;
    if (!slot.serialNumber.isEmpty())
        line += u' ' + slot.serialNumber;
    if (kind == DeviceInfoLineKind::DeviceInformation)
        line += u' ' + (slot.configError == QLatin1String(kConfigErrorSet) ? QString::fromLatin1(kConfigErrorMark)
                                                                           : QString());
    return line;
}

QString FormatAttributeLine(const QString& element, const QString& value)
{
    return element + u'=' + value;
}
