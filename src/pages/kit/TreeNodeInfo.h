#pragma once
// What a device tree node carries and hands to the property page that its form id selects.

#include <QMetaType>
#include <QString>

struct TreeNodeInfo {
    // Node kinds.
    static constexpr int kDeviceOrCpuNode = 1;
    static constexpr int kModuleNode = 2;
    static constexpr int kOtherNode = 3;

    QString templateName; // product or module template the node was read from
    int formId = 0;       // selects the property page
    QString elementName;  // the template element the node stands for
    QString shownText;    // the node's label
    int nodeKind = 0;
    int slotIndex = 0;
    int extra1 = 0;
    int extra2 = 0;

    friend bool operator==(const TreeNodeInfo&, const TreeNodeInfo&) = default;
};

Q_DECLARE_METATYPE(TreeNodeInfo)
