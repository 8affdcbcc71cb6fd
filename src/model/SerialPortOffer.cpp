#include "SerialPortOffer.h"

#include "CDataCenter.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int kControllerSlot = 0;
constexpr int kControllerPorts = 2;
constexpr int kModulePorts = 4;

bool isOffered(const SerialPortSettingBlock& setting, int serviceType)
{
    return setting.IsUsedByService == 0 || setting.UsedServiceType == serviceType;
}

void offerPorts(const PortModuleSlotRecord& record, int maxPorts, int serviceType, std::vector<SerialPortChoice>& out)
{
    const int count = std::min({maxPorts, static_cast<int>(record.Ports.size()),
                                record.SlotIndex == kControllerSlot ? maxPorts : record.ChannelCount});
    for (int port = 0; port < count; ++port) {
        if (isOffered(record.Ports[static_cast<size_t>(port)].Setting, serviceType))
            out.push_back({SerialPortKey(record.SlotIndex, port), record.SlotIndex, port});
    }
}

} // namespace

QString SerialPortKey(int slot, int port)
{
    return QStringLiteral("S_%1-P_%2").arg(slot).arg(port);
}

std::optional<SerialPortChoice> ParseSerialPortKey(const QString& key)
{
    static const QRegularExpression pattern(QStringLiteral("^S_(\\d+)-P_(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(key);
    if (!match.hasMatch())
        return std::nullopt;
    return SerialPortChoice{key, match.captured(1).toInt(), match.captured(2).toInt()};
}

std::vector<SerialPortChoice> OfferedSerialPorts(const CDataCenter& model, int serviceType)
{
    std::vector<SerialPortChoice> offered;
    PortModuleSlotRecord record;
    if (model.GetSerialSetting(kControllerSlot, record))
        offerPorts(record, kControllerPorts, serviceType, offered);
    for (int slot = 1; slot <= model.LastSlotInMask(); ++slot) {
        if (model.IsSlotUsed(slot) && model.GetSerialSetting(slot, record))
            offerPorts(record, kModulePorts, serviceType, offered);
    }
    return offered;
}
