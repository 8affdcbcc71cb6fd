#include "TagMapTree.h"

#include "CDataCenter.h"
#include "ResourceTypeName.h"
#include "ServiceStatusTags.h"
#include "TagMapFilter.h"
#include "TypeIds.h"

#include <QTreeWidget>

#include <algorithm>

namespace {

// The uses the tree draws, by the id of the use.
constexpr int kDrawnServices[] = {ServiceId::ModbusMaster,  ServiceId::DataLogging,   ServiceId::ModbusSlave,
                                  ServiceId::Dnp3Master,    ServiceId::Dnp3Point,     ServiceId::TavoServer,
                                  ServiceId::TavoTagLink,   ServiceId::AlarmMail,     ServiceId::AlarmSms,
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

quint64 useKey(const TagServiceLink& use)
{
    return (static_cast<quint64>(static_cast<quint32>(use.ServiceId)) << 32) | static_cast<quint32>(use.ItemIndex);
}

bool isDrawnUse(int nodeId)
{
    return std::find(std::begin(kDrawnServices), std::end(kDrawnServices), nodeId) != std::end(kDrawnServices);
}

} // namespace

TagMapTree::TagMapTree(QTreeWidget& tree) : tree_(tree)
{
    tree_.setHeaderHidden(true);
    tree_.setUniformRowHeights(true); // long branches lay out without measuring each row
    expandConnection_ = QObject::connect(&tree_, &QTreeWidget::itemExpanded, &tree_,
                                         [this](QTreeWidgetItem* item) { MakeChildren(item); });
}

TagMapTree::~TagMapTree()
{
    QObject::disconnect(expandConnection_);
}

void TagMapTree::Clear()
{
    highlighted_.clear();
    highlightText_.clear();
    tree_.clear();
    slots_.clear();
    services_.clear();
    statusNodes_.clear();
    serviceItems_.clear();
    useNodes_.clear();
    pending_.clear();
    channels_.clear();
    leaves_.clear();
}

void TagMapTree::Build(const CDataCenter& model, const std::vector<TagRecord>& tags,
                       const std::vector<size_t>& positions)
{
    Clear();
    CollectStatusAddresses(model);
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

void TagMapTree::Defer(QTreeWidgetItem* parent, PendingLeaf leaf)
{
    QList<PendingLeaf>& waiting = pending_[parent];
    if (waiting.isEmpty())
        parent->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    waiting.append(std::move(leaf));
}

void TagMapTree::AddTagUnderChannel(const TagRecord& tag)
{
    const auto slot = slots_.constFind(tag.SlotIndex);
    if (slot == slots_.constEnd())
        return;
    if (QTreeWidgetItem* group = slot->groups.value(tag.ChannelTypeId))
        Defer(group, {tag.TagName, tag.ResID, tag.ChannelIndex});
}

QTreeWidgetItem* TagMapTree::ServiceNode(const CDataCenter& model, QTreeWidgetItem* root, int nodeId)
{
    QTreeWidgetItem*& service = services_[nodeId];
    if (!service)
        service = node(root, model.GetResourceName(nodeId), nodeId);
    return service;
}

QTreeWidgetItem* TagMapTree::UseNode(const CDataCenter& model, QTreeWidgetItem* root, const TagServiceLink& use)
{
    QTreeWidgetItem*& known = useNodes_[useKey(use)];
    if (known)
        return known;
    QTreeWidgetItem* service = ServiceNode(model, root, ServiceNodeId(use.ServiceId));
    // Counted in 64 bits: an item number from a file may be the largest there is.
    const QString text = QStringLiteral("No.%1: %2")
                             .arg(qint64{use.ItemIndex} + 1)
                             .arg(model.GetServiceUseName(use.ServiceId, use.ItemIndex));
    QTreeWidgetItem*& entry = serviceItems_[service][text];
    if (!entry)
        entry = node(service, text, use.ItemIndex);
    known = entry;
    return entry;
}

void TagMapTree::CollectStatusAddresses(const CDataCenter& model)
{
    const auto& sources = StatusTagSources();
    for (size_t source = 0; source < sources.size(); ++source) {
        const QString& resourceId = model.ServiceResourceTexts[source].ResourceId;
        if (sources[source].ServiceId != 0 && !resourceId.isEmpty())
            statusNodes_.insert(QStringLiteral("0.0.") + resourceId, ServiceNodeId(sources[source].ServiceId));
    }
}

bool TagMapTree::IsOwnStatusUse(const TagRecord& tag, const TagServiceLink& use) const
{
    const auto found = statusNodes_.constFind(tag.ResID);
    return found != statusNodes_.constEnd() && found.value() == ServiceNodeId(use.ServiceId);
}

void TagMapTree::AddTagUnderServices(const CDataCenter& model, QTreeWidgetItem* root, const TagRecord& tag)
{
    for (const TagServiceLink& use : tag.RelatedServices) {
        const int nodeId = ServiceNodeId(use.ServiceId);
        if (!isDrawnUse(nodeId))
            continue;
        QTreeWidgetItem* parent =
            IsOwnStatusUse(tag, use) ? ServiceNode(model, root, nodeId) : UseNode(model, root, use);
        Defer(parent, {tag.TagName, tag.ResID, kNoChannelIndex});
    }
}

void TagMapTree::MakeChildren(QTreeWidgetItem* parent)
{
    const auto found = pending_.find(parent);
    if (found == pending_.end())
        return;
    const QList<PendingLeaf> waiting = std::move(found.value());
    pending_.erase(found);
    parent->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    QList<QTreeWidgetItem*> children;
    for (const PendingLeaf& leaf : waiting) {
        if (leaf.channel == kNoChannelIndex) {
            auto* item = new QTreeWidgetItem({leaf.name});
            leaves_[leaf.address].append(item);
            children.append(item);
            continue;
        }
        QTreeWidgetItem*& channel = channels_[parent][leaf.channel];
        if (!channel) {
            channel = new QTreeWidgetItem({QStringLiteral("Channel%1").arg(leaf.channel)});
            channel->setData(0, Qt::UserRole, leaf.channel);
            children.append(channel);
        }
        Defer(channel, {leaf.name, leaf.address, kNoChannelIndex});
    }
    // One insertion: the view is told of the whole branch once.
    parent->addChildren(children);
}

QList<QTreeWidgetItem*> TagMapTree::PlacesOf(const TagRecord& tag)
{
    QList<QTreeWidgetItem*> places;
    const auto slot = slots_.constFind(tag.SlotIndex);
    QTreeWidgetItem* group = slot == slots_.constEnd() ? nullptr : slot->groups.value(tag.ChannelTypeId);
    if (group && tag.ChannelIndex == kNoChannelIndex) {
        places.append(group);
    } else if (group) {
        MakeChildren(group);
        if (QTreeWidgetItem* channel = channels_.value(group).value(tag.ChannelIndex))
            places.append(channel);
    }
    for (const TagServiceLink& use : tag.RelatedServices) {
        QTreeWidgetItem* entry = IsOwnStatusUse(tag, use) ? services_.value(ServiceNodeId(use.ServiceId))
                                                          : useNodes_.value(useKey(use));
        if (entry)
            places.append(entry);
    }
    return places;
}

QList<QTreeWidgetItem*> TagMapTree::LeavesOf(const TagRecord& tag)
{
    for (QTreeWidgetItem* place : PlacesOf(tag))
        MakeChildren(place);
    return leaves_.value(tag.ResID);
}

bool TagMapTree::ShowTag(const TagRecord& tag)
{
    ClearHighlight();
    const QList<QTreeWidgetItem*> leaves = LeavesOf(tag);
    for (QTreeWidgetItem* leaf : leaves) {
        for (QTreeWidgetItem* parent = leaf->parent(); parent; parent = parent->parent())
            parent->setExpanded(true);
        leaf->setBackground(0, tree_.palette().brush(QPalette::Highlight));
        leaf->setForeground(0, tree_.palette().brush(QPalette::HighlightedText));
        tree_.scrollToItem(leaf);
    }
    highlighted_ = leaves;
    if (leaves.isEmpty())
        return false;
    tree_.setCurrentItem(leaves.first());
    highlightText_ = tag.TagName;
    return true;
}

void TagMapTree::ClearHighlight()
{
    for (QTreeWidgetItem* leaf : std::as_const(highlighted_)) {
        leaf->setData(0, Qt::BackgroundRole, QVariant());
        leaf->setData(0, Qt::ForegroundRole, QVariant());
    }
    highlighted_.clear();
    highlightText_.clear();
}
