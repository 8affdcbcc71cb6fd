#include "TagMapTree.h"

#include "CDataCenter.h"
#include "ResourceTypeName.h"
#include "TagMapFilter.h"
#include "TypeIds.h"

#include <QTreeWidget>

#include <algorithm>

namespace {

// The uses the tree draws, by the id of the use.
constexpr int kDrawnServices[] = {ServiceId::ModbusMaster, ServiceId::DataLogging, ServiceId::ModbusSlave,
                                  ServiceId::Dnp3Master,   ServiceId::Dnp3Point,   ServiceId::TavoServer,
                                  ServiceId::TavoTagLink,  ServiceId::AlarmMail,   ServiceId::AlarmSms,
                                  ServiceId::AlarmSnmpTrap, ServiceId::SnmpAgentLink, ServiceId::SnmpAgentLink2,
                                  ServiceId::RESTfulApi};

bool isDrawnGroup(int type)
{
    static const int kNotDrawn[] = {ChannelType::Serial, ChannelType::Lan, ChannelType::CanPort, ChannelType::PortTrunk,
                                    ChannelType::Switch};
    return type > 999 && std::find(std::begin(kNotDrawn), std::end(kNotDrawn), type) == std::end(kNotDrawn);
}

QTreeWidgetItem* node(QTreeWidgetItem* parent, const QString& text, int data)
{
    auto* item = new QTreeWidgetItem(parent, {text});
    item->setData(0, Qt::UserRole, data);
    return item;
}

quint64 channelKey(int type, int channel)
{
    return (static_cast<quint64>(static_cast<quint32>(type)) << 32) | static_cast<quint32>(channel);
}

} // namespace

void TagMapTree::Build(const CDataCenter& model, const std::vector<TagRecord>& tags, const std::vector<size_t>& positions)
{
    tree_.clear();
    slots_.clear();
    services_.clear();
    serviceItems_.clear();
    leaves_.clear();
    // Built apart from the view, then handed over at once.
    auto* root = new QTreeWidgetItem({model.GetResourceName(kRootId)});
    root->setData(0, Qt::UserRole, kRootId);
    if (model.IsSeries4100() && model.SlotHasModule(kPowerSlot))
        AddSlot(model, root, kPowerSlot);
    for (int slot = 0; slot <= std::min(model.MaxSlotCount, kPowerSlot - 1); ++slot) {
        if (model.IsSlotUsed(slot))
            AddSlot(model, root, slot);
    }
    for (size_t position : positions) {
        const TagRecord& tag = tags[position];
        AddTagUnderChannel(tag);
        AddTagUnderServices(model, root, tag);
    }
    tree_.addTopLevelItem(root);
    root->setExpanded(true);
}

void TagMapTree::AddSlot(const CDataCenter& model, QTreeWidgetItem* root, int slot)
{
    SlotNodes& nodes = slots_[slot];
    nodes.slot = node(root, SlotLabel(model, slot), slot);
    std::vector<ChannelGroupEntry> groups;
    model.GetSlotChannelGroups(slot, groups);
    QTreeWidgetItem* registers = nullptr;
    for (const ChannelGroupEntry& group : groups) {
        if (!isDrawnGroup(group.ChannelTypeId))
            continue;
        QTreeWidgetItem* parent = nodes.slot;
        if (IsInternalRegisterType(group.ChannelTypeId)) {
            if (!registers)
                registers = node(nodes.slot, model.GetResourceName(kInternalRegistersId), kInternalRegistersId);
            parent = registers;
        }
        nodes.groups.insert(group.ChannelTypeId, node(parent, ResourceTypeName(model, group), group.ChannelTypeId));
    }
}

QTreeWidgetItem* TagMapTree::Leaf(QTreeWidgetItem* parent, const TagRecord& tag)
{
    auto* leaf = new QTreeWidgetItem(parent, {tag.TagName});
    leaves_[tag.ResID].append(leaf);
    return leaf;
}

void TagMapTree::AddTagUnderChannel(const TagRecord& tag)
{
    const auto slot = slots_.find(tag.SlotIndex);
    if (slot == slots_.end())
        return;
    QTreeWidgetItem* group = slot->groups.value(tag.ChannelTypeId);
    if (!group)
        return;
    if (tag.ChannelIndex == kNoChannelIndex) {
        Leaf(group, tag);
        return;
    }
    QTreeWidgetItem*& channel = slot->channels[channelKey(tag.ChannelTypeId, tag.ChannelIndex)];
    if (!channel)
        channel = node(group, QStringLiteral("Channel%1").arg(tag.ChannelIndex), tag.ChannelIndex);
    Leaf(channel, tag);
}

QTreeWidgetItem* TagMapTree::ServiceNode(const CDataCenter& model, QTreeWidgetItem* root, int nodeId)
{
    QTreeWidgetItem*& service = services_[nodeId];
    if (!service)
        service = node(root, model.GetResourceName(nodeId), nodeId);
    return service;
}

void TagMapTree::AddTagUnderServices(const CDataCenter& model, QTreeWidgetItem* root, const TagRecord& tag)
{
    for (const TagServiceLink& use : tag.RelatedServices) {
        const int nodeId = ServiceNodeId(use.ServiceId);
        if (std::find(std::begin(kDrawnServices), std::end(kDrawnServices), nodeId) == std::end(kDrawnServices))
            continue;
        QTreeWidgetItem* service = ServiceNode(model, root, nodeId);
        const QString text = QStringLiteral("No.%1: %2").arg(use.ItemIndex + 1).arg(model.GetServiceUseName(use.ServiceId, use.ItemIndex));
        QTreeWidgetItem*& entry = serviceItems_[service][text];
        if (!entry)
            entry = node(service, text, use.ItemIndex);
        Leaf(entry, tag);
    }
}
