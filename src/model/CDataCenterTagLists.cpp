// What the tag-selection dialogs offer: the slots and channel groups that fit a data-type code or
// a DNP3 object type, and the definitions one resource offers.
#include "CDataCenter.h"

#include "TagEngineSupport.h"

#include <algorithm>
#include <array>

namespace {

using TagEngine::ItemAt;
using TypeIdSet = std::vector<int>;

// Short names of the type ids the tables below list.
constexpr int CELL = ChannelType::ConnectionStatus;
constexpr int DI = ChannelType::DigitalInput;
constexpr int DIO = ChannelType::DigitalInputOutput;
constexpr int DO = ChannelType::DigitalOutput;
constexpr int AI = ChannelType::AnalogInput;
constexpr int AO = ChannelType::AnalogOutput;
constexpr int TC = ChannelType::Thermocouple;
constexpr int RTD = ChannelType::Rtd;
constexpr int RELAY = ChannelType::Relay;
constexpr int SYSVAR = ChannelType::SystemVariables;
constexpr int HSAI = ChannelType::HighSpeedAnalogInput;
constexpr int SYSREG = ChannelType::ResourceGroup;
constexpr int HART = ChannelType::HartAnalogInput;
constexpr int MM = ServiceId::ModbusMaster;
constexpr int DL = ServiceId::DataLogging;
constexpr int TAVO = ServiceId::Tavo;
constexpr int DLU = ServiceId::DataLoggingUpload;
constexpr int SNMP = ServiceId::SnmpAgent;
constexpr int MAIL = ServiceId::AlarmMail;
constexpr int SMS = ServiceId::AlarmSms;
constexpr int TRAP = ServiceId::AlarmSnmpTrap;

constexpr int ir(int code)
{
    return RegisterType::Base + code;
}

// By data-type code 1..18: the groups that let a slot be offered, and the groups offered.
const std::array<TypeIdSet, DataTypeCode::Last> kSlotFilterByCode{{
    {DI, DIO, AI, TC, RTD, SYSVAR, HSAI, SYSREG, HART, ir(1), MM, DL, TAVO, DLU, SNMP, MAIL, SMS, TRAP},
    {CELL, ir(2)},
    {AI, TC, RTD, HSAI, HART},
    {DI, DIO, ir(4), MM, DL, TAVO, DLU, SNMP, MAIL, SMS, TRAP},
    {CELL, ir(5)},
    {CELL, SYSVAR, ir(6)},
    {SYSVAR, ir(7)},
    {AI, AO, TC, RTD, SYSVAR, HSAI, HART, ir(8)},
    {ir(9)},
    {DI, DIO, DO, AI, TC, RTD, RELAY, HSAI, HART, ir(10)},
    {ir(11)},
    {AO, ir(12)},
    {DIO, DO, RELAY, ir(13)},
    {ir(14)},
    {ir(15)},
    {ir(16)},
    {ir(17)},
    {ir(18)},
}};

const std::array<TypeIdSet, DataTypeCode::Last> kGroupsByCode{{
    {DI, DIO, SYSREG, ir(1), MM, DL, TAVO, DLU, SNMP, MAIL, SMS, TRAP},
    {ir(2)},
    {AI, TC, RTD, HSAI, HART, ir(3)},
    {DI, DIO, ir(4), MM, DL, TAVO, DLU, SNMP, MAIL, SMS, TRAP},
    {ir(5)},
    {SYSVAR, ir(6)},
    {SYSVAR, ir(7)},
    {AI, TC, RTD, SYSVAR, HSAI, HART, ir(8)},
    {AI, TC, RTD, HSAI, HART, ir(9)},
    {DIO, DO, AI, TC, RTD, RELAY, HSAI, HART, ir(10), TAVO, SNMP},
    {ir(11)},
    {AO, ir(12)},
    {DIO, DO, RELAY, ir(13)},
    {ir(14)},
    {ir(15)},
    {ir(16)},
    {RELAY, ir(17)},
    {ir(18)},
}};

constexpr int kDnp3TypeCount = Dnp3ObjectType::Counter;

// By DNP3 object type 1..5.
const std::array<TypeIdSet, kDnp3TypeCount> kSlotFilterByDnp3Type{{
    {DI, DIO, AI, TC, RTD, SYSVAR, HSAI, HART, ir(1)},
    {CELL, AI, TC, RTD, SYSVAR, HSAI, HART, ir(2), ir(3), ir(4), ir(5), ir(7), ir(8), ir(9)},
    {DI, DIO, DO, AI, TC, RTD, RELAY, HSAI, HART, ir(10)},
    {DIO, DO, AO, RELAY, ir(11), ir(12), ir(13), ir(14), ir(16), ir(17), ir(18)},
    {DI, DIO},
}};

const std::array<TypeIdSet, kDnp3TypeCount> kGroupsByDnp3Type{{
    {DI, DIO, SYSVAR, ir(1), ir(10)},
    {CELL,  AI,    TC,    RTD,    SYSVAR, HSAI,   HART,   ir(2),  ir(3),  ir(4), ir(5),
     ir(7), ir(8), ir(9), ir(11), ir(12), ir(13), ir(14), ir(16), ir(17), ir(18)},
    {DI, DIO, DO, AI, TC, RTD, RELAY, HSAI, HART, ir(10)},
    {DIO, DO, AO, RELAY, ir(11), ir(13), ir(14), ir(16), ir(17), ir(18)},
    {DI, DIO},
}};

// The set of a selector counted from 1; nullptr outside the table.
template <size_t N>
const TypeIdSet* setOf(const std::array<TypeIdSet, N>& table, int selector)
{
    return ItemAt(table, selector - 1);
}

bool contains(const TypeIdSet& set, int typeId)
{
    return std::find(set.begin(), set.end(), typeId) != set.end();
}

int slotHasGroupIn(const CDataCenter& model, int slot, const TypeIdSet* set)
{
    const SlotRecord* record = ItemAt(model.Slots, slot);
    if (!record || !set)
        return 0;
    return std::any_of(record->ChannelGroups.begin(), record->ChannelGroups.end(),
                       [&](const ChannelGroupEntry& group) { return contains(*set, group.ChannelTypeId); })
               ? 1
               : 0;
}

int appendGroupsIn(const CDataCenter& model, int slot, const TypeIdSet* set, std::vector<ChannelGroupEntry>& groups)
{
    const SlotRecord* record = ItemAt(model.Slots, slot);
    if (record && set) {
        std::copy_if(record->ChannelGroups.begin(), record->ChannelGroups.end(), std::back_inserter(groups),
                     [&](const ChannelGroupEntry& group) { return contains(*set, group.ChannelTypeId); });
    }
    return static_cast<int>(groups.size());
}

// Which definitions a collection takes: all of them, or those of one data-type code or DNP3 type.
struct Selection {
    enum class Kind { All, DataType, Dnp3Type };
    Kind kind = Kind::All;
    int value = 0;

    bool all() const { return kind == Kind::All; }
    bool accepts(const TagDefinition& definition) const
    {
        switch (kind) {
        case Kind::DataType:
            return definition.TagType == value;
        case Kind::Dnp3Type:
            return definition.DNP3TagType == value;
        default:
            return true;
        }
    }
};

class DefinitionCollector {
public:
    DefinitionCollector(const CDataCenter& model, Selection selection, std::vector<TagDefinition>& out)
        : model_(model), selection_(selection), out_(out)
    {}

    void collect(int slot, int type, int item)
    {
        if (IsInternalRegisterType(type))
            internalRegisters(type, item);
        else if (type >= ServiceId::First && type <= ServiceId::Last)
            service(type, item);
        else
            channelResource(slot, type, item);
    }

private:
    template <typename List>
    void take(const List& definitions, qsizetype from = 0, qsizetype to = -1)
    {
        const qsizetype end = to < 0 ? qsizetype(definitions.size()) : std::min(to, qsizetype(definitions.size()));
        for (qsizetype i = from; i < end; ++i) {
            if (selection_.accepts(definitions[i]))
                out_.push_back(definitions[i]);
        }
    }

    void internalRegisters(int type, int item)
    {
        const auto* list = model_.InternalRegisters.ListForCode(type - RegisterType::Base);
        if (!list)
            return;
        for (const InternalVariableRecord& entry : *list) {
            if (entry.ChannelIndex != item)
                continue;
            if (selection_.all()) {
                out_.push_back(entry.Definition); // the item's one definition
                return;
            }
            // A register's kind is its list's; the DNP3 selection takes the item as it is.
            if (selection_.kind == Selection::Kind::Dnp3Type ||
                TagEngine::InternalItemDataTypeCode(entry) == selection_.value)
                out_.push_back(entry.Definition);
        }
    }

    void service(int type, int item)
    {
        for (StatusTagSource source : TagEngine::OwnStatusSources(type)) {
            const TagDefinition& own = TagEngine::StatusDefinition(model_, source);
            if (selection_.accepts(own))
                out_.push_back(own);
        }
        if (const auto* definitions = TagEngine::ServiceItemDefinitions(model_, type, item))
            take(*definitions);
    }

    void channelResource(int slot, int type, int item)
    {
        switch (type) {
        case ChannelType::Serial:
            return ports(model_.SerialSettings, slot, item);
        case ChannelType::Lan:
            return ports(model_.NetworkSettings, slot, item);
        case ChannelType::ConnectionStatus:
            if (const CellularRecord* record = FindRecordBySlot(model_.CellularSettings, slot))
                take(record->TagDefinitions);
            return;
        case ChannelType::SystemVariables:
            if (slot == 0) // the controller's own variables
                take(model_.SystemVariables.TagDefinitions);
            return;
        case ChannelType::ResourceGroup:
            if (model_.IsSeries4100()) {
                if (const ResourceGroupRecord* group = FindRecordBySlot(model_.ResourceGroups, slot))
                    take(group->TagDefinitions);
            }
            return;
        default:
            TagEngine::VisitIoModuleList(model_, type, [&](const auto& records) {
                if (const auto* record = FindRecordBySlot(records, slot))
                    moduleChannel(*record, item);
            });
        }
    }

    template <typename Record>
    void ports(const std::vector<Record>& records, int slot, int item)
    {
        const Record* record = FindRecordBySlot(records, slot);
        if (!record || !selection_.all())
            return;
        const auto& entries = [&]() -> const auto&
        {
            if constexpr (requires { record->Interfaces; })
                return record->Interfaces;
            else
                return record->Ports;
        }
        ();
        if (const auto* port = ItemAt(entries, item))
            take(port->TagDefinitions);
    }

    template <typename Record>
    void moduleChannel(const Record& record, int item)
    {
        const auto* channel = ItemAt(record.Channels, item);
        if (!channel)
            return;
        using Channel = std::remove_cvref_t<decltype(*channel)>;
        if constexpr (TagEngine::kHasDirection<Channel>)
            dioChannel(*channel);
        else
            take(channel->TagDefinitions);
        take(record.ChannelTemplate.Definitions);
        if constexpr (TagEngine::kHasSensorTags<Channel>) {
            if (selection_.all())
                take(channel->SensorTagDefinitions);
        }
    }

    // A DIO channel lists the input definitions at 1..5 and the output definitions from 6 on.
    void dioChannel(const DIOChannel& channel)
    {
        static constexpr qsizetype kFirstInput = 1;
        static constexpr qsizetype kFirstOutput = 6;
        if (selection_.all())
            return take(channel.TagDefinitions);
        if (channel.IODirection == 0)
            return take(channel.TagDefinitions, kFirstInput, kFirstOutput);
        const bool output = selection_.kind == Selection::Kind::DataType || channel.IODirection == 1;
        if (output)
            take(channel.TagDefinitions, kFirstOutput);
    }

    const CDataCenter& model_;
    Selection selection_;
    std::vector<TagDefinition>& out_;
};

} // namespace

int CDataCenter::SlotHasChannelsForSelector18(int slot, int code) const
{
    return slotHasGroupIn(*this, slot, setOf(kSlotFilterByCode, code));
}

int CDataCenter::SlotHasChannelsForSelector5(int slot, int objectType) const
{
    return slotHasGroupIn(*this, slot, setOf(kSlotFilterByDnp3Type, objectType));
}

int CDataCenter::CollectSlotGroupsForSelector18(int slot, int code, std::vector<ChannelGroupEntry>& groups) const
{
    return appendGroupsIn(*this, slot, setOf(kGroupsByCode, code), groups);
}

int CDataCenter::CollectSlotGroupsForSelector5(int slot, int objectType, std::vector<ChannelGroupEntry>& groups) const
{
    return appendGroupsIn(*this, slot, setOf(kGroupsByDnp3Type, objectType), groups);
}

std::vector<TagDefinition> CDataCenter::CollectResourceTags(int slot, int resourceType, int item) const
{
    std::vector<TagDefinition> definitions;
    DefinitionCollector(*this, {}, definitions).collect(slot, resourceType, item);
    return definitions;
}

int CDataCenter::CollectResourceTagsByDataType(int slot, int resourceType, int item, int code,
                                               std::vector<TagDefinition>& definitions) const
{
    if (IsValidDataTypeCode(code))
        DefinitionCollector(*this, {Selection::Kind::DataType, code}, definitions).collect(slot, resourceType, item);
    return static_cast<int>(definitions.size());
}

int CDataCenter::CollectResourceTagsByDnp3Type(int slot, int resourceType, int item, int objectType,
                                               std::vector<TagDefinition>& definitions) const
{
    if (setOf(kGroupsByDnp3Type, objectType))
        DefinitionCollector(*this, {Selection::Kind::Dnp3Type, objectType}, definitions)
            .collect(slot, resourceType, item);
    return static_cast<int>(definitions.size());
}
