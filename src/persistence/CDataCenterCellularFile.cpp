// The cellular settings of a slot, and the resource lists of the cellular part, the CPU's system
// registers and the power modules (written only).
#include "CDataCenter.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "DeviceConfigurationNames.h"
#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "PortSettingNames.h"
#include "Scramble.h"
#include "SystemSettingNames.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "Validation.h"

using namespace DeviceFile;

namespace {

constexpr int kBandMax = 8;
constexpr int kConnectionTagSlot = 0;
const QString kConnectionTagResource = QStringLiteral("0.0.6.0.5");
constexpr char16_t kConnectionTagAlias[] = u"S%d_%s_%s";
// Entries left out of a system-register list that is longer than the register count.
constexpr qsizetype kIecOmittedFirst = 3;
constexpr qsizetype kCOmittedFirst = 5;
constexpr qsizetype kOmittedCount = 2;

struct SlotHalves {
    IXMLElement* setting = nullptr;
    IXMLElement* resource = nullptr;
};

SlotHalves halvesOf(IXMLElement* slotElement)
{
    if (!slotElement)
        return {};
    return {slotElement->FindChild(Name::Setting), slotElement->FindChild(Name::Resource)};
}

// One element per tag named by the abbreviation at the tag's position, holding "ResID".
void addNamedResourceIds(IXMLElement* group, const std::vector<TagDefinition>& tags, qint32 tagCount,
                         const QStringList& abbreviations, const QString& section)
{
    const size_t count = std::min(tags.size(), static_cast<size_t>(std::max(tagCount, 0)));
    for (size_t i = 0; i < count; ++i) {
        QString abbreviation;
        if (AbbreviationAt(abbreviations, static_cast<qsizetype>(i), section, abbreviation))
            AddValue(group->AddChild(abbreviation), Name::ResID, tags[i].ResourceText);
    }
}

void saveCellularConfig(const CellularConfig& config, IXMLElement* group)
{
    AddSigned(group, Name::Enable, config.Enable);
    AddValue(group, Name::SimPin, ScrambleToHex(config.SimPin));
    AddSigned(group, Name::Band, config.Band);
    AddValue(group, Name::Username, config.UserName);
    AddValue(group, Name::Password, ScrambleToHex(config.Password));
    AddValue(group, Name::APN, config.APN);
    AddSigned(group, Name::AutoCheckEnable, config.AutoCheck.AutoCheckEnable);
    AddValue(group, Name::AutoCheckHostname, config.AutoCheck.AutoCheckHostname);
    AddSigned(group, Name::AutoCheckInterval, config.AutoCheck.AutoCheckInterval);
}

const TagDefinition* findConnectionDefinition(const CellularRecord& record)
{
    for (const TagDefinition& definition : record.TagDefinitions) {
        if (definition.ResourceText == kConnectionTagResource)
            return &definition;
    }
    return nullptr;
}

} // namespace

void CDataCenter::SaveCellularResource(const CellularRecord& record, IXMLElement* slotElement) const
{
    const SlotHalves halves = halvesOf(slotElement);
    if (!halves.setting || !halves.resource)
        return;
    saveCellularConfig(record.Config, halves.setting->AddChild(Name::CellularSetting));
    QStringList abbreviations;
    GetAbbreviationList(Name::CellularSection, abbreviations);
    addNamedResourceIds(halves.resource->AddChild(Name::CellularSetting), record.TagDefinitions, record.ResSize,
                        abbreviations, Name::CellularSection);
}

void CDataCenter::LoadCellularSetting(CellularRecord& record, IXMLElement* element)
{
    LoadCellularConfig(record.Config, element);
    LoadAutoCheckSetting(record.Config.AutoCheck, element);
    const TagDefinition* connection = findConnectionDefinition(record);
    if (!connection)
        return;
    TagDefinition queued = *connection;
    const QString prefix = GetSlotTagPrefix(kConnectionTagSlot, ChannelType::ConnectionStatus);
    queued.BoundTagName =
        MakeValidTagName(FormatText(kConnectionTagAlias, {kConnectionTagSlot, prefix, connection->Name}));
    QueueTagFromDefinition(queued, prefix, ChannelType::ConnectionStatus, 0, 0);
}

void CDataCenter::LoadCellularConfig(CellularConfig& config, IXMLElement* element)
{
    config.Enable = SignedOr(element, Name::Enable, 0, 0, 0);
    config.UserName = TextOr(element, Name::Username, QString());
    config.Password = UnscrambleFromHex(TextOr(element, Name::Password, QString()));
    config.SimPin = UnscrambleFromHex(TextOr(element, Name::SimPin, QString()));
    config.APN = TextOr(element, Name::APN, QString());
    config.Band = SignedOr(element, Name::Band, 0, kBandMax, 0);
}

void CDataCenter::LoadAutoCheckSetting(CELLULAR_SETTINGS& settings, IXMLElement* element)
{
    LoadCellularDefaults(settings);
    const SettingTriple& limits = settings.PINGCheckRetryInterval;
    settings.AutoCheckEnable = SignedOr(element, Name::AutoCheckEnable, 0, 1, 0);
    settings.AutoCheckHostname = TextOr(element, Name::AutoCheckHostname, QString());
    settings.AutoCheckInterval =
        SignedOr(element, Name::AutoCheckInterval, limits.minimum, limits.maximum, limits.defaultValue);
}

void CDataCenter::SaveSystemRegister(const ResourceGroupRecord& record, IXMLElement* slotElement) const
{
    const SlotHalves halves = halvesOf(slotElement);
    if (!halves.resource)
        return;
    QStringList abbreviations;
    const bool is4100 = record.Series4100Flag != 0;
    if (record.IECFlag)
        GetIecAbbreviationList(Name::SystemRegisterSection, is4100, abbreviations);
    else
        GetCAbbreviationList(Name::SystemRegisterSection, is4100, abbreviations);
    // A product with fewer registers lacks two of the listed ones.
    if (record.ResSize < abbreviations.size()) {
        const qsizetype first = record.IECFlag ? kIecOmittedFirst : kCOmittedFirst;
        if (first + kOmittedCount <= abbreviations.size())
            abbreviations.remove(first, kOmittedCount);
    }
    addNamedResourceIds(halves.resource->AddChild(Name::SystemRegister), record.TagDefinitions, record.ResSize,
                        abbreviations, Name::SystemRegisterSection);
}

void CDataCenter::SavePowerResource(const ResourceGroupRecord& record, IXMLElement* slotElement) const
{
    const SlotHalves halves = halvesOf(slotElement);
    if (!halves.setting || !halves.resource)
        return;
    QStringList abbreviations;
    GetAbbreviationList(Name::PowerSection, abbreviations);
    IXMLElement* group = halves.resource->AddChild(Name::Power);
    const size_t count = std::min(record.TagDefinitions.size(), static_cast<size_t>(std::max(record.ResSize, 0)));
    for (size_t i = 0; i < count; ++i) {
        QString abbreviation;
        if (!AbbreviationAt(abbreviations, static_cast<qsizetype>(i), Name::PowerSection, abbreviation))
            continue;
        // The element is named by the abbreviation without its last character: PWR1 gives ResID_PWR.
        abbreviation.chop(1);
        AddValue(group->AddChild(ItemName(static_cast<int>(i))), Name::ResIDPrefix + abbreviation,
                 record.TagDefinitions[i].ResourceText);
    }
}
