#include "ValidationReport.h"

#include <QStackedWidget>
#include <QTabWidget>

void ValidationReport::Add(const QString& line, QWidget* control)
{
    if (line.isEmpty())
        return;
    lines_.Add(line);
    if (!first_ && control)
        first_ = control;
}

bool ValidationReport::ShowIfAny(unsigned flags) const
{
    if (!lines_.ShowIfAny(flags))
        return false;
    if (first_)
        FocusControlAndItsTab(first_);
    return true;
}

void FocusControlAndItsTab(QWidget* control)
{
    if (!control)
        return;
    for (QWidget* page = control; page; page = page->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        if (!stack)
            continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            tabs->setCurrentWidget(page);
        else
            stack->setCurrentWidget(page);
    }
    control->setFocus(Qt::OtherFocusReason);
}
