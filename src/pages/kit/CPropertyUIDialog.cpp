#include "CPropertyUIDialog.h"

#include "CListCtrlEx.h"
#include "ConfigFiles.h"
#include "ILogLineSink.h"
#include "IPageHost.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "Validation.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr const char* kIPURLSection = "IPURLCtrl";
constexpr const char* kMaxLengthKey = "MaxLength";

} // namespace

CPropertyUIDialog::CPropertyUIDialog(unsigned templateId, IPageHost* host)
    : CFormBase(templateId, host ? host->PageParent() : nullptr), host_(host)
{
    takeFromHost();
}

CPropertyUIDialog::CPropertyUIDialog(DialogTemplate dialogTemplate, IPageHost* host)
    : CFormBase(std::move(dialogTemplate), host ? host->PageParent() : nullptr), host_(host)
{
    takeFromHost();
}

CPropertyUIDialog::~CPropertyUIDialog() = default;

void CPropertyUIDialog::takeFromHost()
{
    dataCenter_ = host_ ? host_->GetDataCenter() : nullptr;
    readEditLengthLimit();
}

void CPropertyUIDialog::readEditLengthLimit()
{
    const QString path = GetDefaultSettingsPath();
    if (!path.isEmpty())
        editLengthLimit_ = GetPrivateProfileInt(kIPURLSection, kMaxLengthKey, kDefaultEditLengthLimit, path);
}

CDataCenter* CPropertyUIDialog::RefreshDataCenter()
{
    dataCenter_ = host_ ? host_->GetDataCenter() : nullptr;
    return dataCenter_;
}

void CPropertyUIDialog::AddLogLine(const QString& text) const
{
    if (host_)
        host_->LogLines().AddLogLine(text);
}

namespace {

// Runs a handler when the watched control loses the focus.
class FocusLostFilter : public QObject {
public:
    FocusLostFilter(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

} // namespace

bool CPropertyUIDialog::OnFocusLost(int id, std::function<void()> handler)
{
    QWidget* watched = hasControl(id) ? control(id) : nullptr;
    if (!watched)
        return false;
    watched->installEventFilter(new FocusLostFilter(watched, std::move(handler)));
    return true;
}

bool CPropertyUIDialog::OnUserChange(int id, std::function<void()> handler)
{
    return onChanged(id, [this, handler = std::move(handler)] {
        if (!IsBusy())
            handler();
    });
}

// ---- layout ----

bool CPropertyUIDialog::LayoutListPage(const ListPageIds& ids)
{
    listLayout_ = ids;
    applyListPageLayout();
    return true;
}

void CPropertyUIDialog::LayoutChannelPage(const ChannelPageIds& ids)
{
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!hasControl(ids.groupBox) || !hasControl(ids.list) || !hasControl(ids.reference) || !grid)
        return;
    // The template keeps the row after the reference free; the group box takes its height.
    const int index = grid->indexOf(control(ids.reference));
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    if (index >= 0)
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(control(ids.groupBox));
    grid->setRowMinimumHeight(row + rowSpan, kChannelGroupTopGap + kChannelGroupHeight + kGap);
    grid->activate();
    channelLayout_ = ids;
    applyChannelPageLayout();
}

void CPropertyUIDialog::applyListPageLayout()
{
    const ListPageIds& ids = *listLayout_;
    const int width = this->width();
    int bottom = 0; // of what is placed so far
    if (ids.list != 0 && hasControl(ids.list)) {
        const QRect list(kMargin, kMargin, width - kRightInset, kListHeight);
        place(ids.list, list);
        bottom = list.bottom() + 1;
        if (ids.detail != 0 && hasControl(ids.detail)) {
            const QRect detail(kMargin, bottom + kGap, width - kRightInset, kDetailHeight);
            place(ids.detail, detail);
            place(ids.icon, QRect(detail.left() + kGap, detail.top() + kRightInset, kIconSize, kIconSize));
            bottom = detail.bottom() + 1;
        }
    }
    // The buttons form a row under the list, filled from the right.
    const int buttonTop = bottom + kGap;
    int rightEdge = width - kButtonsRightInset;
    bool anyButton = false;
    for (int button : {ids.rightButton, ids.middleButton, ids.leftButton}) {
        if (button == 0 || !hasControl(button))
            continue;
        const int left = rightEdge - kButtonWidth;
        place(button, QRect(left, buttonTop, kButtonWidth, kButtonHeight));
        rightEdge = left - kGap;
        anyButton = true;
    }
    if (anyButton)
        bottom = buttonTop + kButtonHeight;
    // The template's other controls follow below.
    if (QLayout* grid = layout()) {
        const QMargins margins = grid->contentsMargins();
        grid->setContentsMargins(margins.left(), bottom + kGap, margins.right(), margins.bottom());
    }
}

void CPropertyUIDialog::applyChannelPageLayout()
{
    const ChannelPageIds& ids = *channelLayout_;
    const QRect reference = pageRectOf(ids.reference);
    const QRect group(kGap, reference.bottom() + 1 + kChannelGroupTopGap, width() - kRightInset, kChannelGroupHeight);
    place(ids.groupBox, group);
    place(ids.list, QRect(group.left() + kGap, group.top() + kChannelListTop, group.width() - 2 * kGap, kListHeight));
}

void CPropertyUIDialog::place(int id, const QRect& pageRect)
{
    if (id == 0 || !hasControl(id))
        return;
    QWidget* widget = control(id);
    QWidget* parent = widget->parentWidget();
    if (parent && parent->layout())
        parent->layout()->removeWidget(widget);
    const QPoint topLeft = parent && parent != this ? parent->mapFrom(this, pageRect.topLeft()) : pageRect.topLeft();
    widget->setGeometry(QRect(topLeft, pageRect.size()));
    // Controls out of the layout no longer size the page: keep room for them.
    const int bottom = pageRect.bottom() + 1 + kMargin;
    if (bottom > placedBottom_) {
        placedBottom_ = bottom;
        updateGeometry();
    }
}

// A page never squeezes its controls below their preferred heights: the pane scrolls instead.
QSize CPropertyUIDialog::minimumSizeHint() const
{
    QSize hint = CFormBase::minimumSizeHint();
    if (const QLayout* grid = layout())
        hint.setHeight(std::max(hint.height(), grid->sizeHint().height()));
    hint.setHeight(std::max(hint.height(), placedBottom_));
    return hint;
}

QRect CPropertyUIDialog::pageRectOf(int id) const
{
    const QWidget* widget = control(id);
    if (!widget)
        return {};
    return QRect(widget->mapTo(this, QPoint(0, 0)), widget->size());
}

void CPropertyUIDialog::resizeEvent(QResizeEvent* event)
{
    CFormBase::resizeEvent(event);
    if (listLayout_)
        applyListPageLayout();
    if (channelLayout_)
        applyChannelPageLayout();
}

// ---- the main list ----

CListCtrlEx* CPropertyUIDialog::MainList() const
{
    if (mainListId_ == 0 || !hasControl(mainListId_))
        return nullptr;
    return qobject_cast<CListCtrlEx*>(control(mainListId_));
}

void CPropertyUIDialog::RenumberListRows()
{
    CListCtrlEx* list = MainList();
    if (!list)
        return;
    for (int row = 0; row < list->GetItemCount(); ++row)
        list->SetItemText(row, 0, QString::number(row + 1));
}

void CPropertyUIDialog::SelectFirstListItem(int listId)
{
    auto* list = hasControl(listId) ? qobject_cast<CListCtrlEx*>(control(listId)) : nullptr;
    if (list && list->GetItemCount() > 0)
        list->SelectRow(0);
}

bool CPropertyUIDialog::WarnIfListEmpty() const
{
    const CListCtrlEx* list = MainList();
    if (!list || list->GetItemCount() > 0)
        return false;
    ShowMessageBox(LoadLangString(kStringListEmpty), MB_OK);
    return true;
}

// ---- texts ----

void CPropertyUIDialog::LimitIPURLEdit(int editId)
{
    auto* edit = hasControl(editId) ? qobject_cast<QLineEdit*>(control(editId)) : nullptr;
    if (edit)
        edit->setMaxLength(editLengthLimit_);
}

bool CPropertyUIDialog::CheckTextByteLength(const QString& text)
{
    return text.isEmpty() || FitsByteLength(text, kTextByteLimit);
}

// ---- showing and hiding ----

void CPropertyUIDialog::showEvent(QShowEvent* event)
{
    CFormBase::showEvent(event);
    if (!event->spontaneous())
        OnPageShown();
}

void CPropertyUIDialog::hideEvent(QHideEvent* event)
{
    CFormBase::hideEvent(event);
    if (event->spontaneous())
        return;
    resetListState();
    OnPageHidden();
}

void CPropertyUIDialog::resetListState()
{
    if (CListCtrlEx* list = MainList())
        list->horizontalHeader()->setSortIndicatorShown(false);
    mainListId_ = 0;
}
