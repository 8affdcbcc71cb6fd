#include "ValidationReport.h"

#include "ValidationLines.h"

#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>

void ValidationReport::Add(const QString& line, QWidget* control, const QWidget* orderOf)
{
    if (line.isEmpty())
        return;
    const int rank = rankOf(orderOf ? orderOf : control);
    const auto after = std::upper_bound(lines_.begin(), lines_.end(), rank,
                                        [](int value, const Line& other) { return value < other.rank; });
    lines_.insert(after, Line{line, control, rank});
}

int ValidationReport::rankOf(const QWidget* field) const
{
    const qsizetype index = field ? order_.indexOf(field) : -1;
    return index >= 0 ? int(index) : int(order_.size());
}

QString ValidationReport::Text() const
{
    ValidationLines text;
    for (const Line& line : lines_)
        text.Add(line.text);
    return text.Text();
}

QWidget* ValidationReport::FirstFailingControl() const
{
    for (const Line& line : lines_) {
        if (line.control)
            return line.control;
    }
    return nullptr;
}

bool ValidationReport::ShowIfAny(unsigned flags) const
{
    if (IsEmpty())
        return false;
    ShowMessageBox(Text(), flags);
    if (QWidget* first = FirstFailingControl())
        FocusControlAndItsTab(first);
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
