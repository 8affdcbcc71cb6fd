#pragma once
// Driving a page's controls as a user would, and pictures of pages for a look by eye.

#include "DialogControls.h"

#include <QString>
#include <QWidget>

#include <variant>

// What a test puts into one control: a text (edits, IP address controls, a drop list's item
// of that text), an index (combo boxes), or a check state (check boxes, radio buttons).
struct ControlInput {
    int id = 0;
    std::variant<QString, int, bool> value;
};

// Sets the control as the user would; false (and a test failure) when it cannot be set so.
bool SetControl(const DialogControls& page, const ControlInput& input);
// Clicks the button; false (and a test failure) when the id names no enabled button.
bool PressButton(const DialogControls& page, int buttonId);
// The control loses the focus, as when the user tabs away; false when the id names none.
bool LeaveControl(const DialogControls& page, int id);
// What the control shows, as one text: an edit's text, a combo's position and text, a check box's
// state; "<none>" when the id names no control.
QString ControlState(const DialogControls& page, int id);
// Saves the widget's picture as build/test-artefacts/<name>.png; the file's path.
QString SaveScreenshot(QWidget& widget, const QString& name);
