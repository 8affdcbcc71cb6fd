#pragma once
// One named constant per control of a page: its id in the page's template and the type the page
// expects there. It converts to the plain id, so it serves wherever an id is taken:
//
//   inline constexpr ControlId kEditServer {2143, ControlType::Edit};
//   inline constexpr ControlId kPageControls[] = {kEditServer, ...};
//   setItemText(kEditServer, host);
//
// ControlsMissingFromTemplate checks such a list against the template (page tests call it).

#include "DialogTemplate.h"

#include <QStringList>

#include <span>

struct ControlId {
    int id = 0;
    ControlType type = ControlType::Static;
    constexpr operator int() const { return id; }
};

// One line per control the template lacks or has with another type; empty when all match.
QStringList ControlsMissingFromTemplate(const DialogTemplate& dialogTemplate, std::span<const ControlId> controls);
// The same for the language pack's template; a missing template gives one line.
QStringList ControlsMissingFromTemplate(unsigned templateId, std::span<const ControlId> controls);
