#pragma once
// The base of every property page of the property pane: a child window built from the page's
// template, created once by the pane, then shown for the tree node whose form id it serves and
// hidden otherwise. It reaches the panes and the project model through its owner.

#include "CFormBase.h"
#include "TreeNodeInfo.h"

class CDataCenter;
class CDeviceForm;
class CLogForm;
class CPropertyForm;

class CPropertyUIDialog : public CFormBase {
    Q_OBJECT
public:
    // The owner may be null (a page on its own); the page is then its own top-level window.
    CPropertyUIDialog(unsigned templateId, CPropertyForm* owner);
    CPropertyUIDialog(DialogTemplate dialogTemplate, CPropertyForm* owner);
    ~CPropertyUIDialog() override;

    // The node the page shows, handed over before the page is shown.
    void SetNodeInfo(TreeNodeInfo node) { node_ = std::move(node); }
    TreeNodeInfo GetNodeInfo() const { return node_; }

    // Takes the project model anew from the owner (a project was built or opened).
    CDataCenter* RefreshDataCenter();
    CDataCenter* GetDataCenter() const { return dataCenter_; }
    CLogForm* GetLogForm() const { return logForm_; }
    CDeviceForm* GetDeviceForm() const { return deviceForm_; }
    CPropertyForm* GetOwner() const { return owner_; }

private:
    void takeFromOwner();

    CLogForm* logForm_ = nullptr;
    CPropertyForm* owner_ = nullptr;
    CDeviceForm* deviceForm_ = nullptr;
    TreeNodeInfo node_;
    CDataCenter* dataCenter_ = nullptr;
};
