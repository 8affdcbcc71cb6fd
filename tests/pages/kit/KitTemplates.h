#pragma once
// Small page templates made in code for the kit's own tests.

#include "ControlId.h"
#include "DialogTemplate.h"

#include <initializer_list>

struct KitControl {
    ControlId control;
    int row = 0;
    int column = 0;
    const char* text = "";
    int groupBoxId = 0;
};

inline DialogTemplate KitTemplate(unsigned id, std::initializer_list<KitControl> controls)
{
    DialogTemplate page;
    page.id = id;
    for (const KitControl& each : controls) {
        ControlTemplate control;
        control.id = each.control.id;
        control.type = each.control.type;
        control.row = each.row;
        control.column = each.column;
        control.text.literal = QString::fromUtf8(each.text);
        control.groupBoxId = each.groupBoxId;
        page.controls.append(control);
    }
    return page;
}
