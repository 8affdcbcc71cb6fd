#include "DeviceInfoTexts.h"

#include "DeviceDialogIds.h"
#include "DeviceResultTexts.h"
#include "LanguagePack.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kPowerApids = {"0x8000890a", "0x8000890b", "0x80005401", "0x80005403"};
constexpr std::array kCpuApids = {"0x80008920", "0x80008922", "0x80008924", "0x80008926"};
constexpr int kComparedApidLength = 8;
constexpr int kCpuSlot = 0;

struct ModelRow {
    const char* apid;
    const char* model; // %1 the slot count for the 4200 rows
    bool bySlotCount;
};

constexpr ModelRow kModels[] = {
    {"0x80000189", "ulTEK 4200-%1-C-T", true},     {"0x8000018F", "ulTEK 4200-%1-IEC-T", true},
    {"0x80008510", "ulTEK 2301-C-T", false},       {"0x80008511", "ulTEK 2301-IEC-T", false},
    {"0x80008520", "ulTEK 2301-HSPA-C-T", false},  {"0x80008521", "ulTEK 2301-HSPA-IEC-T", false},
    {"0x80008920", "ulTEK 4100-CPU15-C-T", false}, {"0x80008922", "ulTEK 4100-CPU15-IEC-T", false},
    {"0x80008924", "ulTEK 4100-CPU35-C-T", false}, {"0x80008926", "ulTEK 4100-CPU35-IEC-T", false},
};
constexpr std::array k4200SlotCounts = {2, 5, 9};

template <size_t N>
bool isOneOf(const QString& apid, const std::array<const char*, N>& ids)
{
    return std::any_of(ids.begin(), ids.end(),
                       [&](const char* id) { return apid.compare(QLatin1String(id), Qt::CaseInsensitive) == 0; });
}

struct LogTypeRow {
    int type;
    unsigned stringId;
};

constexpr LogTypeRow kLogTypes[] = {
    {0, 792}, {1, 785}, {2, 786}, {3, 787},  {4, 788},  {5, 789},     {6, 790},
    {7, 791}, {8, 811}, {9, 813}, {10, 815}, {11, 886}, {65535, 784},
};

const SlotConfigEntry* findSlot(const std::vector<SlotConfigEntry>& layout, int slot)
{
    const auto found =
        std::find_if(layout.begin(), layout.end(), [slot](const SlotConfigEntry& e) { return e.slot == slot; });
    return found == layout.end() ? nullptr : &*found;
}

bool sameModule(const SlotConfigEntry& device, const SlotConfigEntry& project, int slotCount)
{
    if (device.slot == kCpuSlot) {
        return IsPowerModuleApid(device.APID) || IsSameController(project.APID, project.name, device.APID, slotCount);
    }
    return device.APID.left(kComparedApidLength) == project.APID.left(kComparedApidLength);
}

constexpr std::uint32_t kSlotMask = 0xFFFF;
constexpr std::uint32_t kLastModuleSlot = 16;
constexpr std::uint32_t kLastUnnamedSlot = 32;

} // namespace

bool IsPowerModuleApid(const QString& apid)
{
    return isOneOf(apid, kPowerApids);
}

bool IsCpuModuleApid(const QString& apid)
{
    return isOneOf(apid, kCpuApids);
}

QString GetModelNameForApid(const QString& apid, int slotCount)
{
    for (const ModelRow& row : kModels) {
        if (apid.compare(QLatin1String(row.apid), Qt::CaseInsensitive) != 0)
            continue;
        if (!row.bySlotCount)
            return QString::fromLatin1(row.model);
        if (std::find(k4200SlotCounts.begin(), k4200SlotCounts.end(), slotCount) == k4200SlotCounts.end())
            return {};
        return QString::fromLatin1(row.model).arg(slotCount);
    }
    return {};
}

bool IsSameController(const QString& projectApid, const QString& projectModel, const QString& deviceApid, int slotCount)
{
    if (projectApid == deviceApid)
        return true;
    const QString model = GetModelNameForApid(deviceApid, slotCount);
    return !model.isEmpty() && model == projectModel;
}

bool MarkLayoutDifferences(std::vector<SlotConfigEntry>& device, const std::vector<SlotConfigEntry>& project,
                           int deviceSlotCount)
{
    bool differs = device.size() != project.size();
    for (SlotConfigEntry& entry : device) {
        const SlotConfigEntry* projectSlot = findSlot(project, entry.slot);
        entry.differs = (!projectSlot || !sameModule(entry, *projectSlot, deviceSlotCount)) ? 1 : 0;
        differs = differs || entry.differs != 0;
    }
    return differs;
}

QString FormatErrorSlot(std::uint32_t value)
{
    const std::uint32_t slot = value & kSlotMask;
    if (slot == kCpuSlot)
        return QStringLiteral("Slot 0(CPU)");
    if (slot <= kLastModuleSlot)
        return QStringLiteral("Slot:%1").arg(slot);
    if (slot <= kLastUnnamedSlot)
        return {};
    QString text;
    GetDeviceErrorText(text, static_cast<int>(slot));
    return text;
}

QString FormatResultWord(int result)
{
    switch (result) {
    case 0:
        return QStringLiteral(": Success");
    case 1:
        return QStringLiteral(": Fail");
    case 2:
        return QStringLiteral(": Invalid");
    default:
        return {};
    }
}

QString LogTypeName(int type)
{
    for (const LogTypeRow& row : kLogTypes)
        if (row.type == type)
            return LoadLangString(row.stringId);
    return QString::number(type);
}

QStringList FormatIecResourceLines(const std::vector<IecResourceState>& resources)
{
    if (resources.empty())
        return {LoadLangString(kStringNoIecResource)};
    QStringList lines;
    for (size_t i = 0; i < resources.size(); ++i) {
        const IecResourceState& resource = resources[i];
        switch (resource.state) {
        case 0:
        case 101:
            lines.append(QStringLiteral("Resource %1: Not Running").arg(i));
            break;
        case 1:
        case 105:
            lines.append(QStringLiteral("Resource %1: Running (Process ID = %2)").arg(i).arg(resource.processId));
            break;
        default:
            lines.append(QString());
        }
    }
    return lines;
}
