#include "DeviceInfoLists.h"

#include "DeviceInfoFile.h"
#include "IXMLParser.h"
#include "ResultCodes.h"
#include "TraceLog.h"

#include <functional>

namespace {

struct CalibratableModel {
    const char* model;
    int channels;
};

constexpr CalibratableModel kCalibratable[] = {{"42M-5480", 6}, {"42M-5470", 8}};
constexpr const char* kEthernetPorts[] = {"eth0", "eth1"};
constexpr const char* kMacChild = "mac";
constexpr const char* kIpChild = "ip";

using SlotHandler = std::function<void(const DeviceInfoSlot&)>;
using ElementHandler = std::function<void(IXMLElement*, const QString& attributeLine)>;

// Walks the root's children: attribute lines for every element but "slot", one call per slot.
int walkInfoFile(const QString& path, const ElementHandler& onAttribute, const SlotHandler& onSlot)
{
    XMLParserPtr parser(CreateXMLParser());
    IXMLElement* root = nullptr;
    if (parser->Load(path, &root) != kXMLOk)
        return kE_FAIL;
    for (IXMLElement* child = root->FirstChild(); child; child = root->NextChild()) {
        const QString name = child->GetName();
        if (name == QLatin1String(kSlotElement)) {
            onSlot(ReadSlotAttributes(child));
            continue;
        }
        for (IXMLAttribute* attribute = child->FirstAttribute(); attribute; attribute = child->NextAttribute())
            onAttribute(child, FormatAttributeLine(name, attribute->GetValue()));
    }
    return kS_OK;
}

bool isEthernetPort(const QString& name)
{
    for (const char* port : kEthernetPorts)
        if (name == QLatin1String(port))
            return true;
    return false;
}

// "mac =<value>" and "ip =<value>" when the port has both children; nothing otherwise.
QStringList portLines(IXMLElement* port)
{
    IXMLElement* mac = port->FindChild(QString::fromLatin1(kMacChild));
    IXMLElement* ip = port->FindChild(QString::fromLatin1(kIpChild));
    if (!mac || !ip)
        return {};
    QStringList lines;
    for (IXMLElement* child : {mac, ip}) {
        IXMLAttribute* first = child->FirstAttribute();
        lines.append(child->GetName() + QStringLiteral(" =") + (first ? first->GetValue() : QString()));
    }
    return lines;
}

// A slot number the channel table can index; -1 otherwise.
int calibrationSlot(const QString& value)
{
    bool ok = false;
    const int slot = value.trimmed().toInt(&ok);
    return ok && slot >= 0 && slot < kCalibrationSlotCount ? slot : -1;
}

} // namespace

int CalibrationChannelCount(const QString& model)
{
    for (const CalibratableModel& entry : kCalibratable)
        if (model == QLatin1String(entry.model))
            return entry.channels;
    return 0;
}

int ReadModuleFirmwareList(const QString& path, QStringList& lines)
{
    lines.clear();
    return walkInfoFile(
        path,
        [&](IXMLElement* element, const QString& line) {
            lines.append(line);
            if (isEthernetPort(element->GetName()))
                lines.append(portLines(element));
        },
        [&](const DeviceInfoSlot& slot) { lines.append(FormatSlotLine(DeviceInfoLineKind::ModuleFirmware, slot)); });
}

int ReadCalibrationModules(const QString& path, CalibrationModules& modules)
{
    modules = {};
    return walkInfoFile(
        path, [&](IXMLElement*, const QString& line) { modules.lines.append(line); },
        [&](const DeviceInfoSlot& slot) {
            modules.lines.append(FormatSlotLine(DeviceInfoLineKind::Calibration, slot));
            const int number = calibrationSlot(slot.value);
            if (number < 0) {
                TraceLog("%s:%d calibration skips slot \"%s\"", __FILE__, __LINE__, qUtf8Printable(slot.value));
                return;
            }
            modules.channelCounts[static_cast<size_t>(number)] = CalibrationChannelCount(slot.name);
            if (modules.channelCounts[static_cast<size_t>(number)] > 0)
                modules.offeredSlots.append(number);
        });
}
