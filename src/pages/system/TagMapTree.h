#pragma once
// The tag map's tree: the controller, its slots with their channel groups and channels, the
// services with the items that use tags, and a leaf per tag at each of its places. A branch's
// channels and leaves are made when it is first opened: a map of thousands of tags shows at once.
// Opening a tag's places highlights its leaves until the user picks a tree node.

#include "TagRecord.h"

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QString>

#include <vector>

class CDataCenter;
class QTreeWidget;
class QTreeWidgetItem;

class TagMapTree {
public:
    explicit TagMapTree(QTreeWidget& tree);
    ~TagMapTree();
    TagMapTree(const TagMapTree&) = delete;
    TagMapTree& operator=(const TagMapTree&) = delete;

    // Deletes every item and draws the controller with the tags at the positions.
    void Build(const CDataCenter& model, const std::vector<TagRecord>& tags, const std::vector<size_t>& positions);
    // The leaves of the tag, made when their branches were not yet opened; empty when it is not drawn.
    QList<QTreeWidgetItem*> LeavesOf(const TagRecord& tag);
    // Collapses the tree, then opens the tag's places, selects the first and highlights its
    // leaves; false when the tag is not drawn.
    bool ShowTag(const TagRecord& tag);
    // The user picked a node: the highlight goes.
    void ClearHighlight();
    // The text highlighted; empty when nothing is.
    const QString& HighlightText() const { return highlightText_; }

    // Item data of the root, the internal-register node and its name resource.
    static constexpr int kRootId = 2000;
    static constexpr int kInternalRegistersId = 1500;

private:
    // A leaf not yet made; a channel index other than the no-channel one asks for a channel node.
    struct PendingLeaf {
        QString name;
        QString address;
        int channel;
    };
    struct SlotNodes {
        QTreeWidgetItem* slot = nullptr;
        QHash<int, QTreeWidgetItem*> groups; // by channel type
    };

    void Clear();
    void CollectStatusAddresses(const CDataCenter& model);
    // The use is the one of its service's own status tag, which hangs directly under the
    // service's node.
    bool IsOwnStatusUse(const TagRecord& tag, const TagServiceLink& use) const;
    void AddSlot(const CDataCenter& model, QTreeWidgetItem* root, int slot);
    void AddTagUnderChannel(const TagRecord& tag);
    void AddTagUnderServices(const CDataCenter& model, QTreeWidgetItem* root, const TagRecord& tag);
    QTreeWidgetItem* ServiceNode(const CDataCenter& model, QTreeWidgetItem* root, int nodeId);
    QTreeWidgetItem* UseNode(const CDataCenter& model, QTreeWidgetItem* root, const TagServiceLink& use);
    void Defer(QTreeWidgetItem* parent, PendingLeaf leaf);
    void MakeChildren(QTreeWidgetItem* parent);
    QList<QTreeWidgetItem*> PlacesOf(const TagRecord& tag);

    QTreeWidget& tree_;
    QMetaObject::Connection expandConnection_;
    QHash<int, SlotNodes> slots_;
    QHash<int, QTreeWidgetItem*> services_;
    QHash<QString, int> statusNodes_; // a service status tag's address to its service's node id
    QHash<QTreeWidgetItem*, QHash<QString, QTreeWidgetItem*>> serviceItems_; // by service node and text
    QHash<quint64, QTreeWidgetItem*> useNodes_;                              // by service id and item
    QHash<QTreeWidgetItem*, QList<PendingLeaf>> pending_;                    // by parent not yet opened
    QHash<QTreeWidgetItem*, QHash<int, QTreeWidgetItem*>> channels_;         // by group and channel, once made
    QHash<QString, QList<QTreeWidgetItem*>> leaves_;                         // by address, once made
    QList<QTreeWidgetItem*> highlighted_;
    QString highlightText_;
};
