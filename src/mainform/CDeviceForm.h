#pragma once
// The device tree pane on the left of the main window: the project as a tree of nodes, each
// carrying its TreeNodeInfo. Selecting a node shows its property page. The tree is built while the
// template placer walks a template (a new project, an added module, an opened project): the pane is
// the placer's observer. It also removes modules, under the model's rules.

#include "CFormBase.h"
#include "ITemplatePlacerObserver.h"
#include "TreeNodeInfo.h"

#include <optional>

class CDataCenter;
class CMainFrame;
class CPropertyForm;
class QTreeWidget;
class QTreeWidgetItem;
struct NewProjectChoice;

class CDeviceForm : public CFormBase, public ITemplatePlacerObserver {
    Q_OBJECT
public:
    // A power module's node: its module cannot be removed.
    static constexpr const char* kPowerModuleMark = "PK1";
    // Profile.ini [Preference]: 0 shows every node expanded, any other value only the root's children.
    static constexpr const char* kDisplayTypeKey = "CfgDisplayType";
    static constexpr int kDisplayTypeDefault = 0;
    static constexpr int kDisplayTypeExpandAll = 0;
    // Labels of a port-trunk module's first node.
    // Language-pack strings of module removal, each formatted with the module node's label.
    static constexpr unsigned kStringConfirmRemoveModule = 370;
    static constexpr unsigned kStringModuleTagsInUse = 425;
    static constexpr unsigned kStringModulePortInModbusMaster = 637;
    static constexpr unsigned kStringModulePortInService = 870;
    // The model's answers to whether a slot's module may leave.
    enum RemovalCheck {
        kRemovable = 0,
        kTagsUsedByService = 1,
        kPortUsedByModbusMaster = 2,
        kPortUsedByService = 3,
        kPortTrunkPair = 4,
        kSwitchAfterPortTrunk = 5,
    };

    explicit CDeviceForm(QWidget* parent = nullptr);
    ~CDeviceForm() override;

    void SetPropertyForm(CPropertyForm* propertyForm) { propertyForm_ = propertyForm; }
    void SetMainFrame(CMainFrame* mainFrame) { mainFrame_ = mainFrame; }
    // The main frame's model, asked anew on every call; null without a frame.
    CDataCenter* GetDataCenter() const;

    QTreeWidget* tree() const;
    // True when the tree has no node: no project is open. A missing tree counts as empty.
    bool IsTreeEmpty() const;

    static void AttachNodeInfo(QTreeWidgetItem& item, const TreeNodeInfo& info);
    static std::optional<TreeNodeInfo> NodeInfo(const QTreeWidgetItem* item);
    // The selected node's record; nullopt when nothing is selected or the node carries none.
    std::optional<TreeNodeInfo> GetSelectedNodeInfo() const;
    // 0 when nothing is selected, the node has no record or shows a power module; else its kind.
    int GetSelectedModuleKind() const;

    // The project's node (the tree's first top-level node); null when the tree is empty.
    QTreeWidgetItem* RootNode() const;
    // The node whose children are the slot nodes (element "DeviceCfg"); null: the top level.
    QTreeWidgetItem* SlotParentNode() const;
    // The first slot node of that slot; null when there is none.
    QTreeWidgetItem* FindSlotNode(int slot) const;
    // The first child of the root whose element name equals the text exactly; null when none.
    QTreeWidgetItem* FindNodeByElementName(const QString& elementName) const;

    // ---- the project commands ----
    // Empties the tree and builds the chosen project into the frame's model and the tree. False
    // when it could not be built (no model, or the product template cannot be loaded).
    bool NewProject(const NewProjectChoice& choice);
    // Places a module template into a free slot of the open project. False when nothing was placed.
    bool AddModuleToSlot(const QString& moduleName, int slot);
    // Removes every node and hides every page.
    void ClearTree();
    // Expands the root; Profile.ini "CfgDisplayType" 0 expands every node, another value collapses
    // the root's children. Then selects the root's first child, which shows its page.
    void ApplyTreeDisplayType();
    // The remove-module command on the selected node: only a module's slot node is removed, after
    // the model allowed it and the user confirmed.
    void OnRemoveModule();
    // Removes the module of a slot without the user's selection or question (the module change).
    // Tags used by a service are removed with it when confirmTags is 0; with another value, and for
    // every other refusal, the reason is shown. kS_OK after a removal, else kE_FAIL.
    int RemoveModuleAtSlot(int slot, int confirmTags);

    // ---- ITemplatePlacerObserver ----
    NodeHandle InsertTreeNode(NodeHandle parent, const TemplateNodeInfo& node) override;
    NodeHandle FindTopNodeByElementName(const QString& elementName) override;
    void SortSlotNodes(NodeHandle parent) override;
    void SetPortTrunkNodeText(const QString& text) override;
    void TemplatePlaced(bool isProduct) override;

    // Where a node stands among the slot nodes: power, CPU, slots by number, then the rest.
    struct SlotOrderKey {
        int rank = 0;
        int number = 0;
        friend auto operator<=>(const SlotOrderKey&, const SlotOrderKey&) = default;
    };
    static SlotOrderKey SlotNodeOrder(const QTreeWidgetItem* node);

signals:
    // Nodes were added or removed, or the selection moved: the frame updates its commands.
    void treeChanged();

protected:
    bool OnInitDialog() override;

private:
    void showSelectedNodePage();
    QTreeWidgetItem* itemOf(NodeHandle handle) const;
    static NodeHandle handleOf(QTreeWidgetItem* item);
    // The message of a refusal; false when the answer allows the removal.
    bool ShowRemovalRefusal(int answer, const QString& moduleLabel) const;
    void RemoveSlotNodeModule(QTreeWidgetItem* slotNode, int flag);

    CPropertyForm* propertyForm_ = nullptr;
    CMainFrame* mainFrame_ = nullptr;
};
