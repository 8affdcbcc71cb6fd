#pragma once
// The device tree's side of placing a template. The placer fills the model by itself; a tree that
// wants to show what was placed subscribes with this interface and builds its nodes from the calls.

#include "TemplateNodeInfo.h"

#include <QString>
#include <QtGlobal>

class ITemplatePlacerObserver {
public:
    // An observer's own handle of a node it made; kTopLevel stands for the tree's top level.
    using NodeHandle = quintptr;
    static constexpr NodeHandle kTopLevel = 0;

    virtual ~ITemplatePlacerObserver() = default;

    // Inserts a node as the last child of parent and returns its handle (not kTopLevel).
    virtual NodeHandle InsertTreeNode(NodeHandle parent, const TemplateNodeInfo& node) = 0;
    // The child of the top-level node whose element name equals the text exactly; kTopLevel when none.
    // Module slot nodes go below the child named "DeviceCfg".
    virtual NodeHandle FindTopNodeByElementName(const QString& elementName) = 0;
    // The children of parent are to be ordered by slot: power, CPU, then slots by number.
    virtual void SortSlotNodes(NodeHandle parent) = 0;
    // Every port-trunk module's slot node gives its first child this label.
    virtual void SetPortTrunkNodeText(const QString& text) = 0;
    // A template was placed and its document released: the tree applies its display preference;
    // after a product the property pages take the model again and the tag map resets its filters.
    virtual void TemplatePlaced(bool isProduct) = 0;
};
