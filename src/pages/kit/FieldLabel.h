#pragma once
// The label by which a validation line names a bound field.

#include "ControlId.h"
#include "DialogControls.h"

#include <QString>

#include <utility>

// A bound field's label: the text of a label control, or a text of its own.
class FieldLabel {
public:
    FieldLabel(int labelControlId) : controlId_(labelControlId) {}
    FieldLabel(ControlId labelControl) : controlId_(labelControl.id) {}
    FieldLabel(QString text) : text_(std::move(text)) {}
    FieldLabel(const char* text) : text_(QString::fromUtf8(text)) {}
    // The label's text, without a trailing colon.
    QString Text(const DialogControls& page) const;

private:
    int controlId_ = 0;
    QString text_;
};
