#pragma once
// One report of everything wrong with what the user typed: a line per bad field (from the line
// builders of Validation.h), shown in one message box; the first failing control then gets the
// focus, its tab page brought to the front first.

#include "MessageBoxService.h"
#include "ValidationLines.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class ValidationReport {
public:
    // Adds a line (an empty one adds nothing) and remembers the control when it is the first.
    void Add(const QString& line, QWidget* control = nullptr);
    bool IsEmpty() const { return lines_.IsEmpty(); }
    const QString& Text() const { return lines_.Text(); }
    QWidget* FirstFailingControl() const { return first_; }
    // Shows the lines and focuses the first failing control; false when there was nothing.
    bool ShowIfAny(unsigned flags = MB_OK | MB_ICONWARNING) const;

private:
    ValidationLines lines_;
    QPointer<QWidget> first_;
};

// Brings every tab or stacked page holding the control to the front, then focuses it.
void FocusControlAndItsTab(QWidget* control);
