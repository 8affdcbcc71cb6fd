#pragma once
// Small projects placed by hand for the tag engine's tests: a few module records with channel
// groups and tag definitions, addressed the way the module templates address them.

#include "CDataCenter.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace TagFixture {

inline TagDefinition Def(const QString& name, const QString& address, int tagType = 4, int dnp3Type = 2,
                         int isInput = 1, int chMode = 0)
{
    TagDefinition definition;
    definition.Name = name;
    definition.ResourceText = address;
    definition.TagType = tagType;
    definition.DNP3TagType = dnp3Type;
    definition.IsInput = isInput;
    definition.ChMode = chMode;
    return definition;
}

inline QString Address(int slot, int channel, int item)
{
    return QStringLiteral("%1.%2.%3").arg(slot).arg(channel).arg(item);
}

// "Value" and "Status" on every channel at <slot>.<channel>.0 and .1; one module-level tag "Power"
// at <slot>.0.9, named "PowerFail" by the module's name list.
template <typename Channel>
std::vector<Channel> TwoTagChannels(int slot, int count, int chMode = 0)
{
    std::vector<Channel> channels(static_cast<size_t>(count));
    for (int c = 0; c < count; ++c) {
        channels[static_cast<size_t>(c)].TagDefinitions = {
            Def(QStringLiteral("Value"), Address(slot, c, 0), 1, 1, 1, chMode),
            Def(QStringLiteral("Status"), Address(slot, c, 1), 4, 2, 1, chMode),
        };
    }
    return channels;
}

inline std::vector<TagDefinition> ModuleDefinitions(int slot)
{
    return {Def(QStringLiteral("Power"), Address(slot, 0, 9), 1, 1, 1)};
}

inline std::vector<TagNameEntry> ModuleNames()
{
    return {{QStringLiteral("PowerFail"), 0, 0, 1}};
}

// A model of the small series with slots 0..5.
inline void MakeSlots(CDataCenter& model)
{
    model.SetMaxSlotCount(5);
    model.SetSlotName(0, QStringLiteral("CPU"));
}

inline void PlaceDI(CDataCenter& model, int slot, int channels = 2, const QString& alias = QStringLiteral("DI"))
{
    model.SetSlotName(slot, QStringLiteral("41M-3100"));
    model.AppendSlotChannelGroup(slot, alias, ChannelType::DigitalInput);
    model.AddDIRecord(slot, channels, 2, alias, TwoTagChannels<DIChannel>(slot, channels));
    model.SetDITagLists(slot, ModuleDefinitions(slot), ModuleNames());
}

inline void PlaceAI(CDataCenter& model, int slot, int channels = 2)
{
    model.SetSlotName(slot, QStringLiteral("41M-3200"));
    model.AppendSlotChannelGroup(slot, QStringLiteral("AI"), ChannelType::AnalogInput);
    model.AddAIRecord(slot, channels, 2, QStringLiteral("AI"), TwoTagChannels<AIChannel>(slot, channels));
    model.SetAITagLists(slot, {}, {});
}

inline void PlaceSerial(CDataCenter& model, int slot, const QString& moduleName = QStringLiteral("41M-3302U-T"))
{
    model.SetSlotName(slot, moduleName);
    model.AppendSlotChannelGroup(slot, QStringLiteral("COM"), ChannelType::Serial);
    std::vector<SerialPort> ports = MakeSerialPorts(2);
    ports[0].TagDefinitions = {Def(QStringLiteral("Rx"), Address(slot, 0, 0))};
    model.AddSerialRecord(slot, 2, 1, QStringLiteral("COM"), std::move(ports));
}

inline TagDefinition FindByAddress(const std::vector<TagDefinition>& definitions, const QString& address)
{
    for (const TagDefinition& definition : definitions) {
        if (definition.ResourceText == address)
            return definition;
    }
    ADD_FAILURE() << "no definition at " << address.toStdString();
    return {};
}

inline const TagRecord* TagAt(const CDataCenter& model, const QString& address)
{
    for (const TagRecord& tag : model.Tags) {
        if (tag.ResID == address)
            return &tag;
    }
    return nullptr;
}

inline TagRecord MakeTag(const QString& name, const QString& address, int typeId = ChannelType::DigitalInput)
{
    TagRecord tag;
    tag.Construct(name, QString(), QStringLiteral("DI"), typeId, address, 1, 1, 1);
    return tag;
}

inline std::vector<TagServiceLink> Links(std::initializer_list<TagServiceLink> links)
{
    return links;
}

} // namespace TagFixture

// Failure messages show the pair.
inline void PrintTo(const TagServiceLink& link, std::ostream* out)
{
    *out << '(' << link.ServiceId << ", " << link.ItemIndex << ')';
}
