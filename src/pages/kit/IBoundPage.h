#pragma once
// A page whose fields reach the model through bindings: it names every bound control with the
// form that holds it (the page itself, or one of its tabs), so a check can walk every field of
// every such page without knowing its record.

#include "ControlId.h"

#include <vector>

class DialogControls;

struct BoundForm {
    const DialogControls* form = nullptr;
    std::vector<ControlId> controls;
};

class IBoundPage {
public:
    virtual ~IBoundPage() = default;
    virtual std::vector<BoundForm> BoundForms() const = 0;
};
