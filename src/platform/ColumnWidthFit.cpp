#include "ColumnWidthFit.h"

#include "CListCtrlEx.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>

namespace {

constexpr const char* kFitterName = "columnWidthFit";

class ColumnFitter : public QObject {
public:
    ColumnFitter(CListCtrlEx& list, std::vector<ColumnWidth> widths)
        : QObject(&list), list_(list), listObject_(&list), viewport_(list.viewport())
    {
        setObjectName(QLatin1String(kFitterName));
        list.installEventFilter(this);
        list.viewport()->installEventFilter(this);
        SetWidths(std::move(widths));
    }

    void SetWidths(std::vector<ColumnWidth> widths)
    {
        widths_ = std::move(widths);
        list_.horizontalHeader()->setStretchLastSection(true);
        Apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Compared with the pointers kept at the start: while the list is destroyed it still sends
        // events, and is no longer a list to ask for its viewport.
        const bool resized = watched == viewport_ && event->type() == QEvent::Resize;
        const bool shown = watched == listObject_ && event->type() == QEvent::Show;
        if (resized || shown)
            Apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void Apply()
    {
        const int available = list_.viewport()->width();
        int fixed = 0;
        int shares = 0;
        for (const ColumnWidth& width : widths_) {
            fixed += width.pixels;
            shares += std::max(0, width.share);
        }
        const int left = std::max(0, available - fixed);
        const int count = std::min(static_cast<int>(widths_.size()), list_.GetColumnCount());
        for (int column = 0; column < count; ++column) {
            const ColumnWidth& width = widths_[static_cast<size_t>(column)];
            list_.SetColumnWidth(column, width.pixels + left * std::max(0, width.share) / std::max(1, shares));
        }
    }

    CListCtrlEx& list_;
    const QObject* listObject_;
    const QObject* viewport_;
    std::vector<ColumnWidth> widths_;
};

} // namespace

void FitColumnsToWidth(CListCtrlEx& list, std::vector<ColumnWidth> widths)
{
    QObject* existing = list.findChild<QObject*>(QLatin1String(kFitterName), Qt::FindDirectChildrenOnly);
    if (auto* fitter = dynamic_cast<ColumnFitter*>(existing))
        fitter->SetWidths(std::move(widths));
    else
        new ColumnFitter(list, std::move(widths));
}
