#pragma once
// The device tree pane on the left of the main window: the project as a tree of nodes, each
// carrying its TreeNodeInfo. Selecting a node shows its property page. The tree is filled by the
// project builders; this pane offers what the main frame asks of it.

#include "CFormBase.h"
#include "TreeNodeInfo.h"

#include <optional>

class CMainFrame;
class CPropertyForm;
class QTreeWidget;
class QTreeWidgetItem;

class CDeviceForm : public CFormBase {
    Q_OBJECT
public:
    // A power module's node: its module cannot be removed.
    static constexpr const char* kPowerModuleMark = "PK1";

    explicit CDeviceForm(QWidget* parent = nullptr);
    ~CDeviceForm() override;

    void SetPropertyForm(CPropertyForm* propertyForm) { propertyForm_ = propertyForm; }
    void SetMainFrame(CMainFrame* mainFrame) { mainFrame_ = mainFrame; }

    QTreeWidget* tree() const;
    // True when the tree has no node: no project is open. A missing tree counts as empty.
    bool IsTreeEmpty() const;

    static void AttachNodeInfo(QTreeWidgetItem& item, const TreeNodeInfo& info);
    static std::optional<TreeNodeInfo> NodeInfo(const QTreeWidgetItem* item);
    // The selected node's record; nullopt when nothing is selected or the node carries none.
    std::optional<TreeNodeInfo> GetSelectedNodeInfo() const;
    // 0 when nothing is selected, the node has no record or shows a power module; else its kind.
    int GetSelectedModuleKind() const;

signals:
    // Nodes were added or removed, or the selection moved: the frame updates its commands.
    void treeChanged();

protected:
    bool OnInitDialog() override;

private:
    void showSelectedNodePage();

    CPropertyForm* propertyForm_ = nullptr;
    CMainFrame* mainFrame_ = nullptr;
};
