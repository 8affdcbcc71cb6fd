#include "CTagsMapDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "FieldLabel.h"
#include "LanguagePack.h"
#include "ListCompare.h"
#include "ListPageStrings.h"
#include "TagMapRows.h"
#include "TagMapTree.h"
#include "TypeIds.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

using namespace TagMapIds;

namespace {

constexpr unsigned kFilterKindStrings[] = {375, 666, 667};
constexpr int kFirstHideableColumn = 2;
constexpr int kTreeWidth = 150;

} // namespace

CTagsMapDlg::CTagsMapDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

CTagsMapDlg::~CTagsMapDlg() = default;

bool CTagsMapDlg::OnInitDialog()
{
    if (auto* edit = item<QLineEdit>(kEditName))
        edit->setMaxLength(kNameLimit);
    if (auto* tree = item<QTreeWidget>(kTree)) {
        tree->setMinimumWidth(kTreeWidth);
        tree_ = std::make_unique<TagMapTree>(*tree);
        connect(tree, &QTreeWidget::currentItemChanged, this, [this] {
            if (!IsBusy())
                OnTreeSelChanged();
        });
    }
    InitColumns();
    ResetFilters();
    OnUserChange(kComboKind, [this] { OnFilterKindChanged(); });
    OnUserChange(kComboTarget, [this] { OnFilterTargetChanged(); });
    OnUserChange(kComboType, [this] { OnFilterTypeChanged(); });
    OnUserChange(kComboMode, [this] { OnFilterModeChanged(); });
    onClicked(kButtonFilter, [this] { OnApplyFilter(); });
    onClicked(kButtonRename, [this] { OnRenameTag(); });
    onDoubleClicked(kListTags, [this] { OnListDoubleClick(); });
    return true;
}

void CTagsMapDlg::InitColumns()
{
    auto* list = item<CListCtrlEx>(kListTags);
    if (!list)
        return;
    rows_ = new TagMapRows(list);
    list->SetVirtualRows(rows_);
    list->DeleteAllColumns();
    for (int column = 0; column < TagMapRows::kColumnCount; ++column) {
        list->InsertColumn(column, LoadLangString(TagMapRows::kColumns[column].header),
                           TagMapRows::kColumns[column].width);
        list->SetColumnHideable(column, column >= kFirstHideableColumn);
        if (TagMapRows::IsSortable(column))
            list->SetColumnSortType(column, CListCtrlEx::kSortAscending | CListCtrlEx::kSortToggle, kCompareText);
    }
    list->SetColumnMenuEnabled(true);
    connect(list, &CListCtrlEx::itemSelectionChanged, this, [this] {
        if (!IsBusy())
            OnListItemChanged();
    });
    // After the list's own sorting, which is connected first.
    connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { OnHeaderClick(column); });
}

void CTagsMapDlg::FillCombo(int comboId, const std::vector<FilterEntry>& entries)
{
    auto* combo = item<QComboBox>(comboId);
    if (!combo)
        return;
    BusyGuard busy(Busy());
    combo->clear();
    for (const FilterEntry& entry : entries)
        combo->addItem(entry.text, entry.value);
    combo->setCurrentIndex(entries.empty() ? -1 : 0);
}

int CTagsMapDlg::ComboValue(int comboId) const
{
    const auto* combo = item<QComboBox>(comboId);
    return combo && combo->currentIndex() >= 0 ? combo->currentData().toInt() : TagMapFilter::kNone;
}

void CTagsMapDlg::ResetFilters()
{
    std::vector<FilterEntry> kinds;
    for (int kind = 0; kind < static_cast<int>(std::size(kFilterKindStrings)); ++kind)
        kinds.push_back({LoadLangString(kFilterKindStrings[kind]), kind});
    FillCombo(kComboKind, kinds);
    for (int id : {kComboTarget.id, kComboType.id, kComboMode.id})
        showItem(id, false);
    filter_ = {};
    filterPending_ = false;
    enableItem(kButtonFilter, false);
}

void CTagsMapDlg::OnPageShown()
{
    SetMainListId(kListTags);
    if (GetDataCenter() && rows_)
        rows_->Load(*GetDataCenter());
    ApplyFilter();
    if (!filterPending_)
        OnApplyFilter();
    else
        BuildTree();
    enableItem(kButtonFilter, filterPending_);
    SelectFirstListItem(kListTags);
}

// ---- filters ----

void CTagsMapDlg::OnFilterKindChanged()
{
    filter_ = {ComboValue(kComboKind), TagMapFilter::kNone, TagMapFilter::kNone, TagMapFilter::kNone};
    const CDataCenter* model = GetDataCenter();
    showItem(kComboTarget, filter_.kind != TagMapFilter::kAll);
    showItem(kComboType, filter_.kind == TagMapFilter::kBySlot);
    showItem(kComboMode, false);
    if (filter_.kind == TagMapFilter::kAll || !model) {
        OnFilterChanged();
        return;
    }
    FillCombo(kComboTarget, filter_.kind == TagMapFilter::kBySlot ? SlotEntries(*model) : ServiceEntries(*model));
    OnFilterTargetChanged();
}

void CTagsMapDlg::OnFilterTargetChanged()
{
    filter_.target = ComboValue(kComboTarget);
    if (filter_.kind == TagMapFilter::kBySlot && GetDataCenter()) {
        FillCombo(kComboType, ChannelTypeEntries(*GetDataCenter(), filter_.target));
        OnFilterTypeChanged();
        return;
    }
    OnFilterChanged();
}

void CTagsMapDlg::OnFilterTypeChanged()
{
    filter_.type = ComboValue(kComboType);
    const bool modes = HasModeFilter(filter_.type);
    showItem(kComboMode, modes);
    FillCombo(kComboMode, ModeEntries(filter_.type));
    filter_.mode = 0;
    OnFilterChanged();
}

void CTagsMapDlg::OnFilterModeChanged()
{
    filter_.mode = ComboValue(kComboMode);
    OnFilterChanged();
}

void CTagsMapDlg::ApplyFilter()
{
    filtered_ = filter_.Apply(Tags());
}

void CTagsMapDlg::OnFilterChanged()
{
    ApplyFilter();
    // The list waits for the filter button.
    filterPending_ = true;
    enableItem(kButtonFilter, true);
}

void CTagsMapDlg::OnApplyFilter()
{
    setItemText(kEditName, QString());
    enableItem(kButtonRename, false);
    FillList();
    BuildTree();
    filterPending_ = false;
    enableItem(kButtonFilter, false);
    SelectFirstListItem(kListTags);
}

// ---- list and tree ----

void CTagsMapDlg::FillList()
{
    if (!rows_ || !GetDataCenter())
        return;
    BusyGuard busy(Busy());
    rows_->Clear();
    rows_->AppendPositions(filtered_);
}

void CTagsMapDlg::BuildTree()
{
    if (!tree_ || !GetDataCenter())
        return;
    BusyGuard busy(Busy());
    tree_->Build(*GetDataCenter(), Tags(), filtered_);
}

const std::vector<TagRecord>& CTagsMapDlg::Tags() const
{
    static const std::vector<TagRecord> kNoTags;
    return GetDataCenter() ? GetDataCenter()->Tags.All() : kNoTags;
}

void CTagsMapDlg::RenumberListRows()
{
    if (rows_)
        rows_->Renumber();
}

void CTagsMapDlg::OnHeaderClick(int column)
{
    if (TagMapRows::IsSortable(column))
        RenumberListRows();
}

void CTagsMapDlg::OnListItemChanged()
{
    if (auto* tree = item<QTreeWidget>(kTree)) {
        BusyGuard busy(Busy());
        tree->collapseAll();
    }
    treeTouched_ = false;
    setItemText(kEditName, QString());
    enableItem(kButtonRename, false);
    const auto* list = item<CListCtrlEx>(kListTags);
    const int row = list ? list->GetFirstSelectedRow() : -1;
    if (row < 0)
        return;
    setItemText(kEditName, list->GetItemText(row, kColumnName));
    enableItem(kButtonRename, true);
    const TagRecord* tag = rows_ ? rows_->TagOfRow(row) : nullptr;
    if (tree_ && tag) {
        BusyGuard busy(Busy());
        tree_->ShowTag(*tag);
    }
}

void CTagsMapDlg::OnTreeSelChanged()
{
    treeTouched_ = true;
    if (tree_)
        tree_->ClearHighlight();
}

// ---- rename and copy ----

void CTagsMapDlg::OnRenameTag()
{
    auto* list = item<CListCtrlEx>(kListTags);
    CDataCenter* model = GetDataCenter();
    const QString label = FieldLabel(kLabelName).Text(*this);
    const int row = list ? list->GetFirstSelectedRow() : -1;
    if (row < 0)
        ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
    // The row names its tag by resource id: the tag it shows, wherever the table moved it.
    const TagRecord* shown = rows_ ? rows_->TagOfRow(row) : nullptr;
    if (!shown || !model) {
        ValidationReport report; // no row data
        report.Add(FormatInvalidItemLine(label));
        report.ShowIfAny();
        return;
    }
    TagRecord tag = *shown;
    const QString newName = itemText(kEditName);
    ValidationReport report;
    if (!CheckTagRename(*model, tag, newName, label, false, report, control(kEditName))) {
        report.ShowIfAny();
        setItemText(kEditName, tag.TagName);
        return;
    }
    tag.TagName = newName;
    // The model renames in place: the filter's positions stay good.
    model->UpdateTagRecord(tag.ResID, tag);
    BusyGuard busy(Busy());
    const quint32 key = list->GetItemData(row);
    rows_->RowChanged(row);
    if (list->GetSortColumn() >= 0) {
        list->SortByColumn(list->GetSortColumn(), false);
        RenumberListRows();
    }
    BuildTree();
    list->SelectRow(rows_->RowOfKey(key));
}

void CTagsMapDlg::OnListDoubleClick()
{
    const auto* list = item<CListCtrlEx>(kListTags);
    const int row = list ? list->currentIndex().row() : -1;
    CopyTagNameAndLog(*this, row >= 0 ? list->GetItemText(row, kColumnName) : QString());
}
