#include "SimDeviceInfoFile.h"

#include <string>

namespace pelsim {
namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::string Attribute(const char* name, const std::string& value)
{
    return std::string(" ") + name + "=\"" + Escaped(value) + "\"";
}

std::string SlotElement(const SimModuleSlot& module)
{
    std::string element = "  <slot" + Attribute("value", std::to_string(module.slot)) + Attribute("name", module.name) +
                          Attribute("version", module.version);
    if (!module.serialNumber.empty())
        element += Attribute("serial_number", module.serialNumber);
    element += Attribute("apid", module.apid) + Attribute("config_error", module.configError ? "1" : "0");
    return element + "/>\n";
}

std::string PortElement(const char* name, const SimEthernetPort& port)
{
    if (port.mac.empty() && port.ip.empty())
        return {};
    return std::string("  <") + name + Attribute("name", name) + ">\n    <mac" + Attribute("value", port.mac) +
           "/>\n    <ip" + Attribute("value", port.ip) + "/>\n  </" + name + ">\n";
}

} // namespace

Bytes BuildDeviceInfoFile(const SimDeviceData& data)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<x5_Info>\n";
    xml += "  <System" + Attribute("Total_slots", std::to_string(data.totalSlots)) + "/>\n";
    for (const auto& module : data.modules)
        xml += SlotElement(module);
    xml += PortElement("eth0", data.eth0);
    xml += PortElement("eth1", data.eth1);
    xml += "</x5_Info>\n";
    return Bytes(xml.begin(), xml.end());
}

} // namespace pelsim
