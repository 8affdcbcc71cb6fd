#include "CDeviceInfoReader.h"

#include "DeviceInfoFile.h"
#include "DeviceInfoTexts.h"
#include "ResultCodes.h"
#include "TextConversion.h"

namespace {

void append(QStringList* lines, const QString& line)
{
    if (lines)
        lines->append(line);
}

} // namespace

CDeviceInfoReader::CDeviceInfoReader() : parser_(CreateXMLParser())
{}

int CDeviceInfoReader::LoadDeviceInfoFile(QStringList* lines, const QString& path)
{
    if (lines)
        lines->clear();
    IXMLElement* root = nullptr;
    if (!parser_ || parser_->Load(path, &root) != kXMLOk)
        return kE_FAIL;
    device_.clear();
    layoutKnown_ = false;
    ReadDeviceInfoElements(lines, root);
    parser_->Release(root);
    return kS_OK;
}

int CDeviceInfoReader::ReadDeviceInfoElements(QStringList* lines, IXMLElement* element)
{
    IXMLElement* child = element->FirstChild();
    if (!child)
        return kE_FAIL;
    for (; child; child = element->NextChild()) {
        ReadElement(lines, child);
        ReadDeviceInfoElements(lines, child);
    }
    return kS_OK;
}

void CDeviceInfoReader::ReadElement(QStringList* lines, IXMLElement* element)
{
    const QString name = element->GetName();
    if (name == QLatin1String(kSlotElement)) {
        ReadSlot(lines, element);
        return;
    }
    const QString totalSlots = QString::fromLatin1(kTotalSlotsName);
    for (IXMLAttribute* attribute = element->FirstAttribute(); attribute; attribute = element->NextAttribute()) {
        const QString value = attribute->GetValue();
        append(lines, FormatAttributeLine(name, value));
        if (name == totalSlots || attribute->GetName() == totalSlots)
            slotCount_ = ParseLeadingInt(value);
    }
}

void CDeviceInfoReader::ReadSlot(QStringList* lines, IXMLElement* element)
{
    const DeviceInfoSlot slot = ReadSlotAttributes(element);
    if (!slot.apid.isEmpty())
        layoutKnown_ = true;
    device_.push_back({ParseLeadingInt(slot.value), slot.name, slot.apid, 0});
    append(lines, FormatSlotLine(DeviceInfoLineKind::DeviceInformation, slot));
}

void CDeviceInfoReader::ReadProjectSlotLayout(IXMLElement* deviceConfiguration)
{
    project_.clear();
    if (!deviceConfiguration)
        return;
    for (IXMLElement* child = deviceConfiguration->FirstChild(); child; child = deviceConfiguration->NextChild())
        project_.push_back({ParseLeadingInt(AttributeValue(child, "Result")), AttributeValue(child, "Name"),
                            AttributeValue(child, "APID"), 0});
}

bool CDeviceInfoReader::CompareLayouts()
{
    return MarkLayoutDifferences(device_, project_, slotCount_);
}
