#pragma once
// Collects one message line per bad field, then shows them all in one message box.

#include "MessageBoxService.h"

#include <QString>

class ValidationLines {
public:
    // Adds a line; an empty one (a field without a label) adds nothing. A line without its own
    // line end gets "\r\n".
    void Add(const QString& line);
    bool IsEmpty() const { return text_.isEmpty(); }
    const QString& Text() const { return text_; }
    void Clear() { text_.clear(); }
    // Shows the collected lines in one box; true when there was something to show.
    bool ShowIfAny(unsigned flags = MB_OK | MB_ICONWARNING) const;

private:
    QString text_;
};
