#include "CDeviceForm.h"

#include "CPropertyForm.h"
#include "MainFormIds.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

namespace {

constexpr int kNodeInfoRole = Qt::UserRole;

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
