#include "NewProjectLists.h"

#include "ConfigFiles.h"
#include "IniFile.h"
#include "TextConversion.h"

#include <iterator>

namespace {

constexpr QChar kListSeparator = u',';
constexpr QChar kSlotCountSeparator = u'-';
constexpr QChar kCommentStart = u'(';

// The power modules whose wattage picks a second power list, in the lists' order.
constexpr QStringView kPowerModulesByWattage[] = {
    u"ulTEK 4100-PK1-15W-T",
    u"ulTEK 4100-PK1-30W-T",
    u"ulTEK 4100-PK2-50W-T",
};
constexpr int kWattageCount = static_cast<int>(std::size(kPowerModulesByWattage));

int wattageIndex(const QString& powerModule)
{
    for (int i = 0; i < kWattageCount; ++i) {
        if (powerModule == kPowerModulesByWattage[i])
            return i;
    }
    return -1;
}

QStringList readList(const char* key)
{
    return ReadDefaultSettingsList(QLatin1String(kNewProjectSection), QLatin1String(key));
}

} // namespace

const QStringList& NewProjectLists::ModelsOf(const QString& seriesText) const
{
    if (seriesText == kSeries2300)
        return models2300;
    if (seriesText == kSeries4200)
        return models4200;
    return models4100;
}

QStringList NewProjectLists::SecondPowersFor(int slotCount, const QString& powerModule) const
{
    const int wattage = wattageIndex(powerModule);
    if (wattage < 0)
        return {};
    if (slotCount == kSlotCount9)
        return secondPowers9[wattage];
    if (slotCount == kSlotCount12)
        return secondPowers12[wattage];
    return {};
}

// Read whole: a list longer than a fixed buffer must not lose its last entries or cut a name.
QStringList ReadDefaultSettingsList(const QString& section, const QString& key)
{
    const QString path = GetDefaultSettingsPath();
    if (path.isEmpty())
        return {};
    return GetPrivateProfileString(section, key, QString(), path).split(kListSeparator, Qt::KeepEmptyParts);
}

NewProjectLists ReadNewProjectLists()
{
    NewProjectLists lists;
    lists.series = readList("Product_Series");
    lists.models2300 = readList("ulTEK_2300_mode");
    lists.models4200 = readList("ulTEK_4200_mode");
    lists.models4100 = readList("ulTEK_4100_mode");
    lists.cpusC = readList("ulTEK_4100_C_CPU");
    lists.cpusIEC = readList("ulTEK_4100_IEC_CPU");
    lists.slotCounts = readList("ulTEK_4100_Max_Slot_Count");
    lists.powers = readList("ulTEK_4100_Power1");
    lists.secondPowersDefault = readList("ulTEK_4100_Power2_Slot9");
    lists.secondPowers9[0] = readList("ulTEK_4100_Power2_Slot9_15W");
    lists.secondPowers9[1] = readList("ulTEK_4100_Power2_Slot9_30W");
    lists.secondPowers9[2] = readList("ulTEK_4100_Power2_Slot9_50W");
    lists.secondPowers12[0] = readList("ulTEK_4100_Power2_Slot12_15W");
    lists.secondPowers12[1] = readList("ulTEK_4100_Power2_Slot12_30W");
    lists.secondPowers12[2] = readList("ulTEK_4100_Power2_Slot12_50W");
    return lists;
}

// The leading number, so that an entry without a "-" ("5") still counts as its number.
int SlotCountOfEntry(const QString& entry)
{
    return ParseLeadingInt(QStringView(entry).left(entry.indexOf(kSlotCountSeparator)));
}

// Cut at the comment and trimmed, so that an entry without a blank before "(", or without any
// comment, still gives the whole module name.
QString ModuleNameWithoutComment(const QString& entry)
{
    if (entry == kNoModule)
        return entry;
    return entry.left(entry.indexOf(kCommentStart)).trimmed();
}
