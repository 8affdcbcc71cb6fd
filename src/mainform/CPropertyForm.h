#pragma once
// The property pane, upper right in the main window: it creates every property page once, when
// the first page is to be shown, keeps them for its whole life and shows at most one, the page
// whose form id is that of the node selected in the device tree. Pages reach the model, the log
// pane and the tree through it.

#include "CFormBase.h"
#include "IPageHost.h"
#include "TreeNodeInfo.h"

#include <functional>
#include <memory>
#include <vector>

class CDataCenter;
class CDeviceForm;
class CLogForm;
class CMainFrame;
class CPropertyForm;
class CPropertyUIDialog;
class QScrollArea;
class QVBoxLayout;
struct PropertyPageKind;

struct PropertyPageEntry {
    std::unique_ptr<CPropertyUIDialog> page;
    int formId = 0;
};

// Makes the page of one row of the page table; the pane builds its window afterwards.
using PropertyPageFactory = std::function<std::unique_ptr<CPropertyUIDialog>(const PropertyPageKind&, IPageHost&)>;

class CPropertyForm : public CFormBase, public IPageHost {
    Q_OBJECT
public:
    explicit CPropertyForm(QWidget* parent = nullptr);
    ~CPropertyForm() override;

    void SetDeviceForm(CDeviceForm* deviceForm) { deviceForm_ = deviceForm; }
    void SetLogForm(CLogForm* logForm) { logForm_ = logForm; }
    void SetMainFrame(CMainFrame* mainFrame) { mainFrame_ = mainFrame; }
    // Where the pages come from; by default the page table's factories. Set before InitPages.
    void SetPageFactory(PropertyPageFactory factory);

    // Creates every page and hides them.
    void InitPages();
    // Creates the pages of the page table once; later calls do nothing.
    void CreatePropertyPage();
    // Shows the page of the node (creating the pages first when needed), hiding the others; nothing
    // while the pane belongs to a frame that is not shown.
    void SelectNodePage(const TreeNodeInfo& node);
    void HideAllPages();
    // Every page takes the project model anew, in creation order.
    void RefreshPagesDataCenter();
    // A project was created or opened: the tag map shows every tag again.
    void ResetTagsMapPage();

    CDeviceForm* GetDeviceForm() const { return deviceForm_; }
    CLogForm* GetLogForm() const { return logForm_; }

    // ---- IPageHost ----
    // The main frame's model, asked anew on every call; null without a frame.
    CDataCenter* GetDataCenter() const override;
    // The log pane; lines are traced while there is none.
    ILogLineSink& LogLines() override;
    QWidget* PageParent() override;
    void SetPortTrunkNodeText(const QString& text) override;

    const std::vector<PropertyPageEntry>& pages() const { return pages_; }
    // The first page serving the form id, null when none does.
    CPropertyUIDialog* PageForFormId(int formId) const;
    // The page shown now, null when none is.
    CPropertyUIDialog* VisiblePage() const;

protected:
    bool OnInitDialog() override;

private:
    void ShowPageForNode(const TreeNodeInfo& node);
    void DestroyPages();

    CDeviceForm* deviceForm_ = nullptr;
    CLogForm* logForm_ = nullptr;
    CMainFrame* mainFrame_ = nullptr;
    PropertyPageFactory factory_;
    std::vector<PropertyPageEntry> pages_;
    QScrollArea* scroll_ = nullptr;
    QWidget* pageHost_ = nullptr;
    QVBoxLayout* pageLayout_ = nullptr;
};
