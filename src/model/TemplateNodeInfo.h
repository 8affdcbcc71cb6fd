#pragma once
// What placing a template reports for each device tree node it makes: the fields of the tree
// pane's node record.

#include <QString>

struct TemplateNodeInfo {
    // Node kinds.
    static constexpr int kProductOrCpuNode = 1; // the product node and the CPU slot's "Slot_0"
    static constexpr int kSlotNode = 2;         // the node of a placed module
    static constexpr int kOtherNode = 3;        // function, service and page nodes

    QString TemplateName; // the product or module template being placed
    int FormId = 0;       // selects the property page
    QString ElementName;  // the template element the node stands for
    QString ShownText;    // the node's label
    int Kind = kOtherNode;
    int Slot = 0;
    int Value = 0; // the element's "Result" (channel count of a page node)
    int Size = 0;  // the element's "ResSize" (tags per channel of a page node)

    friend bool operator==(const TemplateNodeInfo&, const TemplateNodeInfo&) = default;
};
