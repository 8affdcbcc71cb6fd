#include "CResourceInternalVariable.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CResourceCreateMultiTagDlg.h"
#include "ConfirmDeleteDlg.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "ServiceDefaultsReader.h"
#include "TagListTexts.h"
#include "Validation.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

using namespace InternalVariableIds;

namespace {

struct Column {
    unsigned header;
    int width; // 0: the rest of the list's width
};
constexpr Column kColumns[] = {{360, 40}, {492, 140}, {587, 140}, {369, 0}};
// The resource id of a row rides in a hidden column after the shown ones.
constexpr int kColumnDataType = 1;
constexpr int kColumnResourceId = static_cast<int>(std::size(kColumns));
constexpr int kNameLimit = 24;
constexpr int kQuantityLimit = 3;
constexpr int kStartLimit = 5;
constexpr int kWrittenDirectionEntry = 1;

void setComboItems(QComboBox* combo, const QStringList& items, int current)
{
    if (!combo)
        return;
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(items.isEmpty() ? -1 : current);
}

} // namespace

CResourceInternalVariable::CResourceInternalVariable(IPageHost* host)
    : CPropertyUIDialog(kTemplate, host),
      runBatch_([](CResourceInternalVariable& page) { CResourceCreateMultiTagDlg(page).DoModal(); })
{}

bool CResourceInternalVariable::OnInitDialog()
{
    LayoutListPage({.list = kListVariables, .leftButton = kButtonAdd, .rightButton = kButtonDelete});
    const std::pair<int, int> limits[] = {
        {kEditName, kNameLimit}, {kEditQuantity, kQuantityLimit}, {kEditStart, kStartLimit}};
    for (const auto& [id, limit] : limits) {
        if (auto* edit = item<QLineEdit>(id))
            edit->setMaxLength(limit);
    }
    InitColumns();
    if (auto* list = item<CListCtrlEx>(kListVariables))
        connect(list, &CListCtrlEx::itemSelectionChanged, this, [this] { OnVariableSelected(); });
    OnUserChange(kComboDataType, [this] { SelectDataType(SelectedDataTypeIndex()); });
    onClicked(kButtonAdd, [this] { OnAddVariables(); });
    onClicked(kButtonDelete, [this] { OnDeleteVariables(); });
    return true;
}

void CResourceInternalVariable::InitColumns()
{
    auto* list = item<CListCtrlEx>(kListVariables);
    if (!list)
        return;
    int used = 0;
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        const int width = kColumns[column].width > 0
                              ? kColumns[column].width
                              : std::max(kColumns[column - 1].width, list->viewport()->width() - used);
        list->InsertColumn(column, LoadLangString(kColumns[column].header), width);
        used += width;
    }
    list->InsertColumn(kColumnResourceId, QString(), 0);
    list->SetColumnHideable(kColumnResourceId, false);
    list->ShowColumn(kColumnResourceId, false);
}

bool CResourceInternalVariable::IsIECMode() const
{
    return GetDataCenter() && GetDataCenter()->IsIECMode();
}

void CResourceInternalVariable::OnPageShown()
{
    SetMainListId(kListVariables);
    const bool iec = IsIECMode();
    dataTypeNames_ = ServiceDefaults::ReadList(QStringLiteral("IR"), iec ? QStringLiteral("IECResourceType ")
                                                                         : QStringLiteral("ResourceType "));
    const TagDirectionTexts directions = TagDirectionTexts::Load(iec);
    ioTypeTexts_ = directions.texts;
    {
        BusyGuard busy(Busy());
        setComboItems(item<QComboBox>(kComboDataType), dataTypeNames_, 0);
        setItemText(kStaticDirectionCaption, directions.caption);
        setComboItems(item<QComboBox>(kComboDirection), ioTypeTexts_, kWrittenDirectionEntry);
        setItemText(kEditQuantity, QStringLiteral("1"));
        setItemText(kEditStart, QStringLiteral("0"));
    }
    SelectDataType(0);
    FillList();
    SelectFirstListItem(kListVariables);
    OnVariableSelected();
}

int CResourceInternalVariable::SelectedDataTypeIndex() const
{
    const auto* combo = item<QComboBox>(kComboDataType);
    return combo ? combo->currentIndex() : -1;
}

int CResourceInternalVariable::CodeOfIndex(int index) const
{
    // The list names the value kinds once; their codes are the written ones after them.
    return static_cast<int>(dataTypeNames_.size()) + index + 1;
}

void CResourceInternalVariable::SelectDataType(int index)
{
    if (auto* combo = item<QComboBox>(kComboDataType); combo && combo->currentIndex() != index) {
        BusyGuard busy(Busy());
        combo->setCurrentIndex(index);
    }
    dataTypeCode_ = CodeOfIndex(std::max(index, 0));
    UpdateDefaultName();
}

void CResourceInternalVariable::UpdateDefaultName()
{
    const QString written = ioTypeTexts_.value(kWrittenDirectionEntry);
    QString name;
    if (IsIECMode()) {
        const QString typeText = dataTypeNames_.value(SelectedDataTypeIndex()).section(QLatin1Char(' '), 0, 0);
        name = MakeValidTagName(QStringLiteral("S0_IR_%1_%2").arg(typeText, written));
    } else {
        const QString group = GetDataCenter() ? GetDataCenter()->InternalVariableGroupName(dataTypeCode_) : QString();
        name = MakeValidTagName(QStringLiteral("S0_%1_%2").arg(group, written));
        name.chop(1);
    }
    defaultName_ = name;
    setItemText(kEditName, defaultName_);
}

QString CResourceInternalVariable::DirectionTextOf(const InternalVariableRecord& record) const
{
    return ioTypeTexts_.value(record.Direction != 0 ? 0 : 1);
}

void CResourceInternalVariable::FillList()
{
    auto* list = item<CListCtrlEx>(kListVariables);
    const CDataCenter* model = GetDataCenter();
    if (!list || !model)
        return;
    list->DeleteAllItems();
    QList<QStringList> rows;
    for (int index = 0; index < dataTypeNames_.size(); ++index) {
        std::vector<InternalVariableRecord> variables;
        model->GetResourceTypeList(CodeOfIndex(index), variables);
        for (const InternalVariableRecord& variable : variables)
            rows.append({QString::number(rows.size() + 1), dataTypeNames_[index], DirectionTextOf(variable),
                         tagNameOf(*model, variable), variable.Definition.ResourceText});
    }
    list->AppendItems(rows);
}

// The tag may have been renamed since the variable was made (tags page).
QString CResourceInternalVariable::tagNameOf(const CDataCenter& model, const InternalVariableRecord& variable)
{
    const QString name = model.GetTagNameByAddress(variable.Definition.ResourceText);
    return name.isEmpty() ? variable.Definition.Name : name;
}

void CResourceInternalVariable::OnVariableSelected()
{
    const auto* list = item<CListCtrlEx>(kListVariables);
    const QList<int> selected = list ? list->GetSelectedRows() : QList<int>();
    enableItem(kButtonAdd, selected.size() <= 1);
    if (selected.isEmpty()) {
        SelectDataType(0);
    } else if (selected.size() == 1) {
        const int index = dataTypeNames_.indexOf(list->GetItemText(selected.first(), kColumnDataType));
        if (index >= 0)
            SelectDataType(index);
    }
}

void CResourceInternalVariable::OnAddVariables()
{
    if (runBatch_)
        runBatch_(*this);
}

void CResourceInternalVariable::AddVariable(const QString& name)
{
    CDataCenter* model = GetDataCenter();
    auto* list = item<CListCtrlEx>(kListVariables);
    if (!model || !list)
        return;
    InternalVariableRecord record;
    record.TagType = dataTypeCode_;
    record.Definition.TagType = dataTypeCode_;
    const int typeIndex = std::max(SelectedDataTypeIndex(), 0);
    const QString resourceId = model->AddInternalVariable(record, typeIndex, name);
    if (resourceId.isEmpty())
        return;
    const int row = list->GetItemCount();
    list->AppendItems(
        {{QString::number(row + 1), dataTypeNames_.value(typeIndex), DirectionTextOf(record), name, resourceId}});
    list->SelectRow(row);
}

void CResourceInternalVariable::OnDeleteVariables()
{
    auto* list = item<CListCtrlEx>(kListVariables);
    CDataCenter* model = GetDataCenter();
    if (!list || !model || WarnIfListEmpty())
        return;
    QList<int> rows = list->GetSelectedRows();
    if (rows.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
        return;
    }
    if (ConfirmDeleteDlg(this).DoModal() != IDYES)
        return;
    std::sort(rows.begin(), rows.end());
    int removed = 0;
    for (int row : rows) {
        const int current = row - removed;
        const int code = CodeOfIndex(dataTypeNames_.indexOf(list->GetItemText(current, kColumnDataType)));
        if (!model->DeleteInternalVariable(code, list->GetItemText(current, kColumnResourceId))) {
            ShowMessageBox(LoadLangString(kStringTagInUse), MB_OK | MB_ICONWARNING);
            return;
        }
        list->DeleteItem(current);
        ++removed;
    }
    RenumberListRows();
    SelectDataType(0);
}
