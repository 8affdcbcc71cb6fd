#include "CDeviceForm.h"

#include "CDataCenter.h"
#include "CMainFrame.h"
#include "CPropertyForm.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "MainFormIds.h"
#include "MessageBoxService.h"
#include "ProfileKeys.h"
#include "ResultCodes.h"
#include "SlotRecord.h"
#include "TemplateVocabulary.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kNodeInfoRole = Qt::UserRole;

// Ranks of the slot-node order.
constexpr int kRankPower = 0;
constexpr int kRankCpu = 1;
constexpr int kRankSlot = 2;
constexpr int kRankOther = 3;

const QString kPortTrunkPairText =
    QStringLiteral("Two Port Trunk modules are intsalled.Please remove previous module first");
const QString kSwitchAfterPortTrunkText =
    QStringLiteral("Port Trunk modules are intsalled.Please remove port trunk module first");

TreeNodeInfo toTreeNodeInfo(const TemplateNodeInfo& node)
{
    TreeNodeInfo info;
    info.templateName = node.TemplateName;
    info.formId = node.FormId;
    info.elementName = node.ElementName;
    info.shownText = node.ShownText;
    info.nodeKind = node.Kind;
    info.slotIndex = node.Slot;
    info.extra1 = node.Value;
    info.extra2 = node.Size;
    return info;
}

QList<QTreeWidgetItem*> childrenOf(const QTreeWidgetItem* holder)
{
    QList<QTreeWidgetItem*> children;
    for (int i = 0; i < holder->childCount(); ++i)
        children.append(holder->child(i));
    return children;
}

void collectExpanded(const QTreeWidgetItem* item, QSet<QTreeWidgetItem*>& expanded)
{
    for (QTreeWidgetItem* child : childrenOf(item)) {
        if (child->isExpanded())
            expanded.insert(child);
        collectExpanded(child, expanded);
    }
}

void restoreExpanded(const QTreeWidgetItem* item, const QSet<QTreeWidgetItem*>& expanded)
{
    for (QTreeWidgetItem* child : childrenOf(item)) {
        if (expanded.contains(child))
            child->setExpanded(true);
        restoreExpanded(child, expanded);
    }
}

bool isWithin(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor)
{
    for (; item; item = item->parent()) {
        if (item == ancestor)
            return true;
    }
    return false;
}

} // namespace

CDeviceForm::CDeviceForm(QWidget* parent) : CFormBase(kTemplateDeviceForm, parent)
{
    Create();
}

// The tree's nodes go after this pane: their removal must not reach it, nor the frame.
CDeviceForm::~CDeviceForm()
{
    if (QTreeWidget* nodes = tree()) {
        nodes->model()->disconnect(this);
        nodes->disconnect(this);
    }
}

bool CDeviceForm::OnInitDialog()
{
    QTreeWidget* nodes = tree();
    if (!nodes)
        return false;
    // Labels name whole module models: the pane scrolls sideways rather than cut them short.
    nodes->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    nodes->header()->setStretchLastSection(false);
    const QAbstractItemModel* model = nodes->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &CDeviceForm::treeChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CDeviceForm::treeChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &CDeviceForm::treeChanged);
    connect(nodes, &QTreeWidget::currentItemChanged, this, [this] {
        showSelectedNodePage();
        emit treeChanged();
    });
    return true;
}

CDataCenter* CDeviceForm::GetDataCenter() const
{
    return mainFrame_ ? mainFrame_->GetDataCenter() : nullptr;
}

QTreeWidget* CDeviceForm::tree() const
{
    return item<QTreeWidget>(kTreeDevices);
}

bool CDeviceForm::IsTreeEmpty() const
{
    const QTreeWidget* nodes = tree();
    return !nodes || nodes->topLevelItemCount() == 0;
}

void CDeviceForm::AttachNodeInfo(QTreeWidgetItem& item, const TreeNodeInfo& info)
{
    item.setData(0, kNodeInfoRole, QVariant::fromValue(info));
}

std::optional<TreeNodeInfo> CDeviceForm::NodeInfo(const QTreeWidgetItem* item)
{
    if (!item)
        return std::nullopt;
    const QVariant data = item->data(0, kNodeInfoRole);
    if (!data.canConvert<TreeNodeInfo>())
        return std::nullopt;
    return data.value<TreeNodeInfo>();
}

std::optional<TreeNodeInfo> CDeviceForm::GetSelectedNodeInfo() const
{
    const QTreeWidget* nodes = tree();
    return nodes ? NodeInfo(nodes->currentItem()) : std::nullopt;
}

int CDeviceForm::GetSelectedModuleKind() const
{
    const std::optional<TreeNodeInfo> node = GetSelectedNodeInfo();
    if (!node || node->shownText.contains(QLatin1String(kPowerModuleMark)))
        return 0;
    return node->nodeKind;
}

void CDeviceForm::showSelectedNodePage()
{
    if (!propertyForm_)
        return;
    if (const std::optional<TreeNodeInfo> node = GetSelectedNodeInfo())
        propertyForm_->SelectNodePage(*node);
    else
        propertyForm_->HideAllPages();
}

// ---- looking nodes up ----

QTreeWidgetItem* CDeviceForm::RootNode() const
{
    const QTreeWidget* nodes = tree();
    return nodes ? nodes->topLevelItem(0) : nullptr;
}

QTreeWidgetItem* CDeviceForm::FindNodeByElementName(const QString& elementName) const
{
    const QTreeWidgetItem* root = RootNode();
    if (!root)
        return nullptr;
    for (QTreeWidgetItem* child : childrenOf(root)) {
        const std::optional<TreeNodeInfo> info = NodeInfo(child);
        if (info && info->elementName == elementName)
            return child;
    }
    return nullptr;
}

QTreeWidgetItem* CDeviceForm::SlotParentNode() const
{
    return FindNodeByElementName(TemplateElement::DeviceConfiguration);
}

QTreeWidgetItem* CDeviceForm::FindSlotNode(int slot) const
{
    const QTreeWidget* nodes = tree();
    if (!nodes)
        return nullptr;
    const QTreeWidgetItem* slotParent = SlotParentNode();
    for (QTreeWidgetItem* child : childrenOf(slotParent ? slotParent : nodes->invisibleRootItem())) {
        const std::optional<TreeNodeInfo> info = NodeInfo(child);
        if (info && info->slotIndex == slot)
            return child;
    }
    return nullptr;
}

// ---- the project commands ----

bool CDeviceForm::NewProject(const NewProjectChoice& choice)
{
    CDataCenter* model = GetDataCenter();
    if (!model || !tree()) {
        TraceLog("%s:%d no model or tree to build the project into", __FILE__, __LINE__);
        return false;
    }
    ClearTree();
    CTemplatePlacer placer(*model, this);
    if (placer.BuildNewProject(choice))
        return true;
    ClearTree(); // the model was emptied: no node may stand for it
    return false;
}

bool CDeviceForm::AddModuleToSlot(const QString& moduleName, int slot)
{
    CDataCenter* model = GetDataCenter();
    if (!model || IsTreeEmpty()) {
        TraceLog("%s:%d no open project to take %s", __FILE__, __LINE__, qUtf8Printable(moduleName));
        return false;
    }
    CTemplatePlacer placer(*model, this);
    return placer.AddModuleFromTemplate(moduleName, slot);
}

void CDeviceForm::ClearTree()
{
    if (QTreeWidget* nodes = tree())
        nodes->clear();
    if (propertyForm_)
        propertyForm_->HideAllPages();
}

void CDeviceForm::ApplyTreeDisplayType()
{
    QTreeWidget* nodes = tree();
    QTreeWidgetItem* root = RootNode();
    if (!root)
        return;
    root->setExpanded(true);
    const int displayType = GetPrivateProfileInt(QLatin1String(kProfilePreferenceSection),
                                                 QLatin1String(kDisplayTypeKey), kDisplayTypeDefault, GetProfilePath());
    if (displayType == kDisplayTypeExpandAll) {
        nodes->expandAll();
    } else {
        for (QTreeWidgetItem* child : childrenOf(root))
            child->setExpanded(false);
    }
    if (root->childCount() > 0)
        nodes->setCurrentItem(root->child(0));
}

// ---- module removal ----

bool CDeviceForm::ShowRemovalRefusal(int answer, const QString& moduleLabel) const
{
    QString text;
    switch (answer) {
    case kRemovable:
        return false;
    case kTagsUsedByService:
        text = FormatLangString(kStringModuleTagsInUse, moduleLabel);
        break;
    case kPortUsedByModbusMaster:
        text = FormatLangString(kStringModulePortInModbusMaster, moduleLabel);
        break;
    case kPortUsedByService:
        text = FormatLangString(kStringModulePortInService, moduleLabel);
        break;
    case kPortTrunkPair:
        text = kPortTrunkPairText;
        break;
    case kSwitchAfterPortTrunk:
        text = kSwitchAfterPortTrunkText;
        break;
    default:
        // An answer this pane does not know never lets a module go.
        TraceLog("%s:%d removal of %s refused with %d", __FILE__, __LINE__, qUtf8Printable(moduleLabel), answer);
        return true;
    }
    ShowMessageBox(text, MB_OK | MB_ICONWARNING);
    return true;
}

void CDeviceForm::OnRemoveModule()
{
    QTreeWidget* nodes = tree();
    QTreeWidgetItem* selected = nodes ? nodes->currentItem() : nullptr;
    const std::optional<TreeNodeInfo> info = NodeInfo(selected);
    if (!info)
        return;
    // Only a module's own slot node stands for the module; the device, the CPU, a power module
    // and the nodes below a module are no module to remove.
    if (GetSelectedModuleKind() != TreeNodeInfo::kModuleNode) {
        TraceLog("%s:%d %s is no removable module", __FILE__, __LINE__, qUtf8Printable(info->shownText));
        return;
    }
    CDataCenter* model = GetDataCenter();
    if (!model) {
        TraceLog("%s:%d no model", __FILE__, __LINE__);
        return;
    }
    const QString label = selected->text(0);
    if (ShowRemovalRefusal(model->CheckSerialAndSwitchModules(info->slotIndex), label))
        return;
    if (ShowMessageBox(FormatLangString(kStringConfirmRemoveModule, label), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    RemoveSlotNodeModule(selected, 1);
}

int CDeviceForm::RemoveModuleAtSlot(int slot, int confirmTags)
{
    QTreeWidgetItem* node = FindSlotNode(slot);
    const std::optional<TreeNodeInfo> info = NodeInfo(node);
    CDataCenter* model = GetDataCenter();
    if (!model || !info || info->nodeKind != TreeNodeInfo::kModuleNode) {
        TraceLog("%s:%d no module node in slot %d", __FILE__, __LINE__, slot);
        return kE_FAIL;
    }
    const int answer = model->CheckSerialAndSwitchModules(slot);
    const bool tagsGoAlong = answer == kTagsUsedByService && confirmTags == 0;
    if (!tagsGoAlong && ShowRemovalRefusal(answer, node->text(0)))
        return kE_FAIL;
    RemoveSlotNodeModule(node, confirmTags);
    return kS_OK;
}

void CDeviceForm::RemoveSlotNodeModule(QTreeWidgetItem* slotNode, int flag)
{
    CDataCenter* model = GetDataCenter();
    const int slot = NodeInfo(slotNode)->slotIndex;
    const bool portTrunk = IsPortTrunkModule(model->GetSlotName(slot));
    if (portTrunk)
        model->PortTrunkMode = 0;
    model->SetSlotUsed(slot, 0);
    model->SetSlotModule(slot, flag);

    // Nothing stays selected in place of the removed node, so no page stands for it.
    QTreeWidget* nodes = tree();
    if (isWithin(nodes->currentItem(), slotNode))
        nodes->setCurrentItem(nullptr);
    delete slotNode;
    if (propertyForm_)
        propertyForm_->HideAllPages();
    if (portTrunk)
        SetPortTrunkNodeText(CTemplatePlacer::PortTrunkNodeText(model->PortTrunkMode));
}

// ---- the template placer's observer ----

QTreeWidgetItem* CDeviceForm::itemOf(NodeHandle handle) const
{
    return reinterpret_cast<QTreeWidgetItem*>(handle);
}

ITemplatePlacerObserver::NodeHandle CDeviceForm::handleOf(QTreeWidgetItem* item)
{
    return reinterpret_cast<NodeHandle>(item);
}

ITemplatePlacerObserver::NodeHandle CDeviceForm::InsertTreeNode(NodeHandle parent, const TemplateNodeInfo& node)
{
    QTreeWidget* nodes = tree();
    if (!nodes) {
        TraceLog("%s:%d no tree for %s", __FILE__, __LINE__, qUtf8Printable(node.ShownText));
        return kTopLevel;
    }
    QTreeWidgetItem* holder = parent == kTopLevel ? nodes->invisibleRootItem() : itemOf(parent);
    auto* item = new QTreeWidgetItem(holder);
    item->setText(0, node.ShownText);
    AttachNodeInfo(*item, toTreeNodeInfo(node));
    return handleOf(item);
}

ITemplatePlacerObserver::NodeHandle CDeviceForm::FindTopNodeByElementName(const QString& elementName)
{
    return handleOf(FindNodeByElementName(elementName));
}

CDeviceForm::SlotOrderKey CDeviceForm::SlotNodeOrder(const QTreeWidgetItem* node)
{
    const std::optional<TreeNodeInfo> info = NodeInfo(node);
    if (!info)
        return {kRankOther, 0};
    if (info->nodeKind == TreeNodeInfo::kModuleNode) {
        if (info->slotIndex == CTemplatePlacer::kPowerSlot)
            return {kRankPower, 0};
        return {kRankSlot, info->slotIndex};
    }
    if (info->nodeKind == TreeNodeInfo::kDeviceOrCpuNode && info->elementName == TemplateElement::CpuSlot)
        return {kRankCpu, 0};
    return {kRankOther, 0};
}

// Children equal in order keep their places, so the nodes that are no slots stay as placed.
void CDeviceForm::SortSlotNodes(NodeHandle parent)
{
    QTreeWidget* nodes = tree();
    if (!nodes)
        return;
    QTreeWidgetItem* holder = parent == kTopLevel ? nodes->invisibleRootItem() : itemOf(parent);
    const QList<QTreeWidgetItem*> placed = childrenOf(holder);
    QList<QTreeWidgetItem*> sorted = placed;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return SlotNodeOrder(a) < SlotNodeOrder(b);
    });
    if (sorted == placed)
        return;
    // Taking the nodes out forgets which of them were open and which was selected.
    QSet<QTreeWidgetItem*> expanded;
    collectExpanded(holder, expanded);
    QTreeWidgetItem* current = nodes->currentItem();
    const QSignalBlocker quiet(nodes);
    holder->takeChildren();
    holder->addChildren(sorted);
    restoreExpanded(holder, expanded);
    nodes->setCurrentItem(current);
}

void CDeviceForm::SetPortTrunkNodeText(const QString& text)
{
    QTreeWidget* nodes = tree();
    if (!nodes)
        return;
    const QTreeWidgetItem* slotParent = SlotParentNode();
    for (QTreeWidgetItem* slotNode : childrenOf(slotParent ? slotParent : nodes->invisibleRootItem())) {
        if (!IsPortTrunkModule(slotNode->text(0)) || slotNode->childCount() == 0)
            continue;
        QTreeWidgetItem* first = slotNode->child(0);
        first->setText(0, text);
        if (std::optional<TreeNodeInfo> info = NodeInfo(first)) {
            info->shownText = text; // the page names the node as the tree does
            AttachNodeInfo(*first, *info);
        }
    }
}

void CDeviceForm::TemplatePlaced(bool isProduct)
{
    if (isProduct && propertyForm_)
        propertyForm_->RefreshPagesDataCenter();
    ApplyTreeDisplayType();
    if (isProduct && propertyForm_)
        propertyForm_->ResetTagsMapPage();
}
