// The resource elements of a placed template: dispatch by element name, and the module builders
// that make one module record per element with the tag definitions of every channel.
#include "CSlotResourceBuilder.h"

#include "CDataCenter.h"
#include "CTemplateTagReader.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "ModuleDefaultsApplier.h"
#include "TemplateAttributes.h"
#include "TemplateVocabulary.h"
#include "TextConversion.h"
#include "TraceLog.h"
#include "TypeIds.h"

#include <array>
#include <limits>

namespace {

namespace Element = TemplateElement;
namespace Attribute = TemplateAttribute;

// No module has more; a larger number in a template is a fault, not a module to build.
constexpr int kMaxChannelCount = 1024;
constexpr int kMaxTagsPerChannel = 256;
constexpr int kAnyChannel = std::numeric_limits<int>::max();

const QString kDISection = QStringLiteral("DI");
const QString kFilterKey = QStringLiteral("Filter");
constexpr int kDIFilterDefault = 1;
constexpr int kDIOFilterDefault = 1000;
const QString kRelaySection = QStringLiteral("Relay");
const QString kInitialFrequencyKey = QStringLiteral("InitialFrequency");

// The LAN interfaces' addresses of a new module, by interface index.
const std::array<QString, 4> kLanDefaultAddresses{QStringLiteral("192.168.127.254"), QStringLiteral("192.168.126.254"),
                                                  QStringLiteral("192.168.125.254"), QStringLiteral("192.168.124.254")};
constexpr int kHighestLanIndex = static_cast<int>(kLanDefaultAddresses.size()) - 1;

struct ResourceRow {
    const char16_t* name;
    CSlotResourceBuilder::Builder build;
    int tagTemplateType; // module-level tags of this channel type; 0: none
    CSlotResourceBuilder::Builder followUp;
};

std::vector<IXMLElement*> tagDescriptions(IXMLElement* element)
{
    std::vector<IXMLElement*> descriptions;
    for (IXMLElement* child : TemplateAttributes::Children(element)) {
        if (child->GetName() == Element::TagDescription)
            descriptions.push_back(child);
    }
    return descriptions;
}

int readDefaultInt(const QString& section, const QString& key, int fallback)
{
    return GetPrivateProfileInt(section, key, fallback, GetDefaultSettingsPath());
}

// The channel entries of a module element: `count` default entries, each channel that a complete
// group of tag descriptions names replaced by `working` with that group's definitions. finish
// completes an entry for its channel index.
template <typename Channel, typename Finish>
std::vector<Channel> readChannels(int slot, IXMLElement* element, const CSlotResourceBuilder::ResourceHead& head,
                                  const Channel& working, CTemplateTagReader::Direction direction, int highestIndex,
                                  Finish finish)
{
    std::vector<Channel> channels(static_cast<size_t>(head.count));
    const std::vector<IXMLElement*> descriptions = tagDescriptions(element);
    if (head.resSize <= 0) {
        if (!descriptions.empty())
            TraceLog("%s:%d slot %d %s: ResSize %d, %d tag descriptions skipped", __FILE__, __LINE__, slot,
                     qUtf8Printable(head.name), head.resSize, static_cast<int>(descriptions.size()));
        return channels;
    }
    std::vector<TagDefinition> definitions(static_cast<size_t>(head.resSize));
    CTemplateTagReader reader(slot, direction);
    int position = 0;
    for (IXMLElement* description : descriptions) {
        reader.Read(description);
        definitions[static_cast<size_t>(position)] = reader.SlotDefinition(position);
        if (++position < head.resSize)
            continue;
        position = 0;
        const int index = reader.Index();
        if (index < 0 || index >= head.count || index > highestIndex) {
            TraceLog("%s:%d slot %d %s: channel %d outside the module's %d, its tags skipped", __FILE__, __LINE__, slot,
                     qUtf8Printable(head.name), index, std::min(head.count - 1, highestIndex) + 1);
            continue;
        }
        Channel entry = working;
        entry.TagDefinitions = definitions;
        finish(entry, index);
        channels[static_cast<size_t>(index)] = std::move(entry);
    }
    if (position != 0)
        TraceLog("%s:%d slot %d %s: %d trailing tag descriptions complete no channel", __FILE__, __LINE__, slot,
                 qUtf8Printable(head.name), position);
    return channels;
}

template <typename Channel>
std::vector<Channel> readChannels(int slot, IXMLElement* element, const CSlotResourceBuilder::ResourceHead& head,
                                  const Channel& working = Channel{})
{
    return readChannels(slot, element, head, working, CTemplateTagReader::Direction::Ignore, kAnyChannel,
                        [](Channel&, int) {});
}

bool isUsableHead(const CSlotResourceBuilder::ResourceHead& head)
{
    return head.count >= 0 && head.count <= kMaxChannelCount && head.resSize >= 0 && head.resSize <= kMaxTagsPerChannel;
}

} // namespace

CSlotResourceBuilder::CSlotResourceBuilder(CDataCenter& model, int slot, QString templateName)
    : model_(model), slot_(slot), templateName_(std::move(templateName))
{}

void CSlotResourceBuilder::BuildSlotResources(IXMLElement* element)
{
    static const std::array<ResourceRow, 18> rows{{
        {u"DI_Quantity", &CSlotResourceBuilder::BuildDIModule, ChannelType::DigitalInput,
         &CSlotResourceBuilder::MarkHighVoltage},
        {u"DO_Quantity", &CSlotResourceBuilder::BuildDOModule, ChannelType::DigitalOutput, nullptr},
        {u"Relay_Quantity", &CSlotResourceBuilder::BuildRelayModule, ChannelType::Relay, nullptr},
        {u"HART_Quantity", &CSlotResourceBuilder::BuildHARTModule, ChannelType::HartAnalogInput,
         &CSlotResourceBuilder::BuildHARTSensorTags},
        {u"AI_Quantity", &CSlotResourceBuilder::BuildAIModule, ChannelType::AnalogInput, nullptr},
        {u"HSAI_Quantity", &CSlotResourceBuilder::BuildHSAIModule, ChannelType::HighSpeedAnalogInput, nullptr},
        {u"AO_Quantity", &CSlotResourceBuilder::BuildAOModule, ChannelType::AnalogOutput, nullptr},
        {u"TC_Quantity", &CSlotResourceBuilder::BuildTCModule, ChannelType::Thermocouple, nullptr},
        {u"RTD_Quantity", &CSlotResourceBuilder::BuildRTDModule, ChannelType::Rtd, nullptr},
        {u"DIO_Quantity", &CSlotResourceBuilder::BuildDIOModule, ChannelType::DigitalInputOutput, nullptr},
        {u"Serial_Quantity", &CSlotResourceBuilder::BuildSerialModule, 0, nullptr},
        {u"CANBus_Quantity", &CSlotResourceBuilder::BuildCANBusModule, 0, nullptr},
        {u"LAN_Quantity", &CSlotResourceBuilder::BuildLANModule, 0, nullptr},
        {u"System_Variable", &CSlotResourceBuilder::BuildSystemVariableDefinitions, 0, nullptr},
        {u"Power_Quantity", &CSlotResourceBuilder::BuildPowerTagDefinitions, 0, nullptr},
        {u"PortTrunk_Quantity", &CSlotResourceBuilder::AddPortTrunk, 0, nullptr},
        {u"Switch_Quantity", &CSlotResourceBuilder::AddSwitch, 0, nullptr},
        {u"Cellular_Quantity", &CSlotResourceBuilder::BuildCellularRecord, 0, nullptr},
    }};

    using namespace TemplateAttributes;
    cellularFlag_ = false;
    const QString name = element->GetName();
    if (name == Element::InternalVariable) {
        BuildInternalVariables(element);
        return;
    }
    const std::optional<int> count = Int(element, Attribute::Result);
    const std::optional<int> typeId = Int(element, Attribute::FormId);
    const ResourceHead head{name, Text(element, Attribute::Alias).value_or(name), count.value_or(0), typeId.value_or(0),
                            IntOr(element, Attribute::ResSize, 0)};
    if (!count || !typeId || !isUsableHead(head)) {
        TraceLog("%s:%d slot %d %s skipped: Result %s, FormId %s, ResSize %d", __FILE__, __LINE__, slot_,
                 qUtf8Printable(name), count ? qUtf8Printable(QString::number(*count)) : "missing",
                 typeId ? qUtf8Printable(QString::number(*typeId)) : "missing", head.resSize);
        return;
    }
    model_.AppendSlotChannelGroup(slot_, head.alias, head.typeId);
    for (const ResourceRow& row : rows) {
        if (name != QStringView(row.name))
            continue;
        (this->*row.build)(element, head);
        if (row.tagTemplateType != 0)
            BuildChannelTagTemplate(element, row.tagTemplateType);
        if (row.followUp)
            (this->*row.followUp)(element, head);
        return;
    }
    // Any other resource element ("Modbus_Master" among them) is a channel group only.
}

void CSlotResourceBuilder::BuildInternalVariables(IXMLElement* element)
{
    using namespace TemplateAttributes;
    model_.InternalRegisters.Name = Text(element, Attribute::Alias).value_or(element->GetName());
    int typeId = 0;
    for (IXMLElement* child : Children(element)) {
        typeId = IntOr(child, Attribute::FormId, typeId);
        model_.AppendSlotChannelGroup(slot_, Text(child, Attribute::Alias).value_or(child->GetName()), typeId);
    }
}

void CSlotResourceBuilder::BuildDIModule(IXMLElement* element, const ResourceHead& head)
{
    DIChannel working;
    working.Setting.Filter = static_cast<quint32>(readDefaultInt(kDISection, kFilterKey, kDIFilterDefault));
    model_.AddDIRecord(slot_, head.count, head.resSize, head.alias, readChannels(slot_, element, head, working));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyDIFilterDefaults();
}

void CSlotResourceBuilder::BuildDOModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddDORecord(slot_, head.count, head.resSize, head.alias, readChannels<DOChannel>(slot_, element, head));
}

void CSlotResourceBuilder::BuildRelayModule(IXMLElement* element, const ResourceHead& head)
{
    const QString key = model_.GetSlotApid(slot_) + kInitialFrequencyKey;
    DOChannel working;
    working.Setting.Frequency =
        ParseLeadingDouble(GetPrivateProfileString(kRelaySection, key, QString(), GetDefaultSettingsPath()));
    model_.AddRelayRecord(slot_, head.count, head.resSize, head.alias, readChannels(slot_, element, head, working));
}

void CSlotResourceBuilder::BuildDIOModule(IXMLElement* element, const ResourceHead& head)
{
    DIOChannel working;
    working.Setting.DI.Filter = static_cast<quint32>(readDefaultInt(kDISection, kFilterKey, kDIOFilterDefault));
    model_.AddDIORecord(slot_, head.count, head.resSize, head.alias,
                        readChannels(slot_, element, head, working, CTemplateTagReader::Direction::Read, kAnyChannel,
                                     [](DIOChannel&, int) {}));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyDIOFilterDefaults();
}

void CSlotResourceBuilder::BuildHARTModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddHARTAIRecord(slot_, head.count, head.resSize, head.alias,
                           readChannels<HARTAIChannel>(slot_, element, head));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyHARTAIRangeDefaults(head.count);
}

void CSlotResourceBuilder::BuildAIModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddAIRecord(slot_, head.count, head.resSize, head.alias, readChannels<AIChannel>(slot_, element, head));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyAIRangeDefaults(head.count);
}

void CSlotResourceBuilder::BuildHSAIModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddHighSpeedAIRecord(slot_, head.count, head.resSize, head.alias,
                                readChannels<HighSpeedAIChannel>(slot_, element, head));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyHighSpeedAIDefaults(head.count);
}

void CSlotResourceBuilder::BuildAOModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddAORecord(slot_, head.count, head.resSize, head.alias, readChannels<AOChannel>(slot_, element, head));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyAORangeDefaults(head.count);
}

void CSlotResourceBuilder::BuildTCModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddTCRecord(slot_, head.count, head.resSize, head.alias,
                       readChannels<TemperatureChannel>(slot_, element, head));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyTCSensorDefaults(head.count);
}

void CSlotResourceBuilder::BuildRTDModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddRTDRecord(slot_, head.count, head.resSize, head.alias,
                        readChannels<TemperatureChannel>(slot_, element, head));
    ModuleDefaultsApplier(model_, slot_, templateName_).ApplyRTDSensorDefaults(head.count);
}

void CSlotResourceBuilder::BuildSerialModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddSerialRecord(slot_, head.count, head.resSize, head.alias, readChannels<SerialPort>(slot_, element, head));
}

void CSlotResourceBuilder::BuildCANBusModule(IXMLElement* element, const ResourceHead& head)
{
    model_.AddCanRecord(slot_, head.count, head.resSize, head.alias, readChannels<CANPort>(slot_, element, head));
}

void CSlotResourceBuilder::BuildLANModule(IXMLElement* element, const ResourceHead& head)
{
    const auto addressByIndex = [](LANPort& port, int index) {
        port.Setting.IpAddress = kLanDefaultAddresses[static_cast<size_t>(index)];
    };
    model_.AddNetworkRecord(slot_, head.count, head.resSize, head.alias,
                            readChannels(slot_, element, head, LANPort{}, CTemplateTagReader::Direction::Ignore,
                                         kHighestLanIndex, addressByIndex));
}

void CSlotResourceBuilder::AddPortTrunk(IXMLElement*, const ResourceHead&)
{
    model_.AddPortTrunkRecord(slot_);
}

void CSlotResourceBuilder::AddSwitch(IXMLElement*, const ResourceHead&)
{
    model_.AddSwitchRecord(slot_);
}
