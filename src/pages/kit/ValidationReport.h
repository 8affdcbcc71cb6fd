#pragma once
// One report of everything wrong with what the user typed: a line per bad field (from the line
// builders of Validation.h), shown in one message box; the first failing control then gets the
// focus, its tab page brought to the front first.
//
// A page whose rules name its fields in an order other than the order its checks run in gives
// that order (SetFieldOrder): each line then goes after the lines of the fields before its own,
// so one box lists every line in the rules' order whichever check found it.

#include "MessageBoxService.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class ValidationReport {
public:
    // The fields in the order of the page's rules; lines of other controls go last.
    void SetFieldOrder(QList<const QWidget*> fields) { order_ = std::move(fields); }
    // Adds a line (an empty one adds nothing); its place is its control's unless orderOf names the
    // field whose lines it follows (a rule between two fields).
    void Add(const QString& line, QWidget* control = nullptr, const QWidget* orderOf = nullptr);
    bool IsEmpty() const { return lines_.empty(); }
    QString Text() const;
    QWidget* FirstFailingControl() const;
    // Shows the lines and focuses the first failing control; false when there was nothing.
    bool ShowIfAny(unsigned flags = MB_OK | MB_ICONWARNING) const;

private:
    struct Line {
        QString text;
        QPointer<QWidget> control;
        int rank = 0;
    };
    int rankOf(const QWidget* field) const;

    QList<const QWidget*> order_;
    std::vector<Line> lines_;
};

// Brings every tab or stacked page holding the control to the front, then focuses it.
void FocusControlAndItsTab(QWidget* control);
