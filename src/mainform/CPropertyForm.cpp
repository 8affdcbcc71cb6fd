#include "CPropertyForm.h"

#include "CDeviceForm.h"
#include "CLogForm.h"
#include "CMainFrame.h"
#include "CPropertyUIDialog.h"
#include "CTagsMapDlg.h"
#include "MainFormIds.h"
#include "PropertyPageTable.h"
#include "TraceLog.h"

#include <QGridLayout>
#include <QMetaObject>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kTagsMapFormId = 102;

// Log lines of pages while the pane has no log pane (a pane on its own).
class TraceLogLines : public ILogLineSink {
public:
    void AddLogLine(const QString& text) override { TraceLog("log line without a log pane: %s", qUtf8Printable(text)); }
};

} // namespace

CPropertyForm::CPropertyForm(QWidget* parent)
    : CFormBase(kTemplatePropertyForm, parent), factory_(MakePageOrPlaceholder)
{
    Create();
}

CPropertyForm::~CPropertyForm()
{
    DestroyPages();
}

// The pages sit in a scrolled column: a page larger than the pane can still be reached whole.
bool CPropertyForm::OnInitDialog()
{
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid)
        return false;
    grid->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    pageHost_ = new QWidget(scroll_);
    pageLayout_ = new QVBoxLayout(pageHost_);
    scroll_->setWidget(pageHost_);
    grid->addWidget(scroll_, 0, 0);
    return true;
}

void CPropertyForm::SetPageFactory(PropertyPageFactory factory)
{
    factory_ = factory ? std::move(factory) : PropertyPageFactory(MakePageOrPlaceholder);
}

CDataCenter* CPropertyForm::GetDataCenter() const
{
    return mainFrame_ ? mainFrame_->GetDataCenter() : nullptr;
}

ILogLineSink& CPropertyForm::LogLines()
{
    static TraceLogLines traced;
    if (logForm_)
        return *logForm_;
    return traced;
}

QWidget* CPropertyForm::PageParent()
{
    return pageHost_ ? pageHost_ : this;
}

void CPropertyForm::SetPortTrunkNodeText(const QString& text)
{
    if (deviceForm_)
        deviceForm_->SetPortTrunkNodeText(text);
}

void CPropertyForm::InitPages()
{
    CreatePropertyPage();
    HideAllPages();
}

void CPropertyForm::CreatePropertyPage()
{
    if (!pages_.empty())
        return;
    for (const PropertyPageKind& kind : kPropertyPageTable) {
        std::unique_ptr<CPropertyUIDialog> page = factory_(kind, *this);
        if (!page) {
            TraceLog("%s:%d no page for form id %d (%s)", __FILE__, __LINE__, kind.formId, kind.pageClass);
            continue;
        }
        page->hide();
        if (!page->Create())
            TraceLog("%s:%d the page of form id %d (%s) has no window from template %u", __FILE__, __LINE__,
                     kind.formId, kind.pageClass, kind.templateId);
        if (pageLayout_)
            pageLayout_->addWidget(page.get());
        pages_.push_back({std::move(page), kind.formId});
    }
}

void CPropertyForm::SelectNodePage(const TreeNodeInfo& node)
{
    // A frame that is not shown (the batch save's) shows no page, so it needs none.
    if (mainFrame_ && !mainFrame_->isVisible())
        return;
    CreatePropertyPage();
    HideAllPages();
    ShowPageForNode(node);
}

void CPropertyForm::HideAllPages()
{
    for (const PropertyPageEntry& entry : pages_) {
        if (entry.page)
            entry.page->hide();
    }
}

void CPropertyForm::ShowPageForNode(const TreeNodeInfo& node)
{
    CPropertyUIDialog* page = PageForFormId(node.formId);
    if (!page)
        return;
    page->SetNodeInfo(node);
    page->show();
    // Hiding the old page moves the focus on, and the pane scrolls after it: the new page starts at its top.
    if (scroll_)
        scroll_->verticalScrollBar()->setValue(0);
    // After the tree has finished handling its selection.
    QMetaObject::invokeMethod(
        page, [page] { page->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

void CPropertyForm::ResetTagsMapPage()
{
    if (auto* tagMap = dynamic_cast<CTagsMapDlg*>(PageForFormId(kTagsMapFormId)))
        tagMap->ResetFilters();
}

void CPropertyForm::RefreshPagesDataCenter()
{
    for (const PropertyPageEntry& entry : pages_) {
        if (entry.page)
            entry.page->RefreshDataCenter();
    }
}

CPropertyUIDialog* CPropertyForm::PageForFormId(int formId) const
{
    for (const PropertyPageEntry& entry : pages_) {
        if (entry.formId == formId)
            return entry.page.get();
    }
    return nullptr;
}

CPropertyUIDialog* CPropertyForm::VisiblePage() const
{
    for (const PropertyPageEntry& entry : pages_) {
        if (entry.page && !entry.page->isHidden())
            return entry.page.get();
    }
    return nullptr;
}

void CPropertyForm::DestroyPages()
{
    for (PropertyPageEntry& entry : pages_)
        entry.page.reset();
}
