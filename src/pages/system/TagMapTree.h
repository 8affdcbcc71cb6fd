#pragma once
// The tag map's tree: the controller, its slots with their channel groups and channels, the
// services with the items that use tags, and a leaf per tag at each of its places.

#include "TagRecord.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

class CDataCenter;
class QTreeWidget;
class QTreeWidgetItem;

class TagMapTree {
public:
    explicit TagMapTree(QTreeWidget& tree) : tree_(tree) {}

    // Deletes every item and draws the controller with the tags at the positions.
    void Build(const CDataCenter& model, const std::vector<TagRecord>& tags, const std::vector<size_t>& positions);
    // The leaves of the tag at the address; empty when it is not drawn.
    QList<QTreeWidgetItem*> LeavesOf(const QString& address) const { return leaves_.value(address); }

    // Item data of the root, the internal-register node and its name resource.
    static constexpr int kRootId = 2000;
    static constexpr int kInternalRegistersId = 1500;

private:
    struct SlotNodes {
        QTreeWidgetItem* slot = nullptr;
        QHash<int, QTreeWidgetItem*> groups;       // by channel type
        QHash<quint64, QTreeWidgetItem*> channels; // by channel type and channel
    };

    void AddSlot(const CDataCenter& model, QTreeWidgetItem* root, int slot);
    void AddTagUnderChannel(const TagRecord& tag);
    void AddTagUnderServices(const CDataCenter& model, QTreeWidgetItem* root, const TagRecord& tag);
    QTreeWidgetItem* ServiceNode(const CDataCenter& model, QTreeWidgetItem* root, int nodeId);
    QTreeWidgetItem* Leaf(QTreeWidgetItem* parent, const TagRecord& tag);

    QTreeWidget& tree_;
    QHash<int, SlotNodes> slots_;
    QHash<int, QTreeWidgetItem*> services_;
    QHash<QTreeWidgetItem*, QHash<QString, QTreeWidgetItem*>> serviceItems_; // by service node and text
    QHash<QString, QList<QTreeWidgetItem*>> leaves_;
};
