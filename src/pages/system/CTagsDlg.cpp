#include "CTagsDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CTagSelectDlg.h"
#include "FieldLabel.h"
#include "IPageHost.h"
#include "LanguagePack.h"
#include "ListCompare.h"
#include "ListPageStrings.h"
#include "ProfileValues.h"
#include "TagsPageRows.h"
#include "TypeIds.h"
#include "ValidationReport.h"

#include <QLineEdit>

#include <numeric>

using namespace TagsPageIds;

namespace {

struct Column {
    unsigned header;
    int width;
    bool sortable;
    bool hideable;
};

constexpr Column kColumns[] = {
    {360, 40, false, false}, {361, 180, true, false}, {604, 80, true, true},   {363, 100, true, true},
    {365, 140, true, true},  {587, 120, false, true}, {364, 100, false, true}, {366, 150, true, true},
};

} // namespace

CTagsDlg::CTagsDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

bool CTagsDlg::OnInitDialog()
{
    if (auto* edit = item<QLineEdit>(kEditName))
        edit->setMaxLength(kNameLimit);
    InitListColumns();
    if (auto* list = item<CListCtrlEx>(kListTags)) {
        connect(list, &CListCtrlEx::itemSelectionChanged, this, [this] { OnListItemChanged(); });
        list->SetColumnMenuEnabled(true);
    }
    onDoubleClicked(kListTags, [this] { OnListDoubleClick(); });
    onClicked(kButtonRename, [this] { OnRenameTag(); });
    onClicked(kButtonSelectTags, [this] { OnSelectTags(); });
    onClicked(kButtonClear, [this] { OnClearList(); });
    return true;
}

void CTagsDlg::InitListColumns()
{
    auto* list = item<CListCtrlEx>(kListTags);
    if (!list)
        return;
    rows_ = new TagsPageRows(list);
    list->SetVirtualRows(rows_);
    list->DeleteAllColumns();
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        const Column& spec = kColumns[column];
        list->InsertColumn(column, LoadLangString(spec.header), spec.width);
        if (spec.sortable)
            list->SetColumnSortType(column, CListCtrlEx::kSortAscending | CListCtrlEx::kSortToggle, kCompareText);
        list->SetColumnHideable(column, spec.hideable);
    }
}

void CTagsDlg::OnPageShown()
{
    displayType_ = ReadProfileInt(kProfileSection, kProfileDisplayTypeKey, 0);
    SetMainListId(kListTags);
    LoadTagIOTypeTexts();
    ClearTagDetails();
    ClearList();
    const CDataCenter* model = GetDataCenter();
    if (rows_ && model) {
        rows_->Load(*model, directions_, LoadLangString(kStringTagUsedMark));
        std::vector<size_t> all(model->Tags.size());
        std::iota(all.begin(), all.end(), size_t{0});
        rows_->AppendPositions(all);
    }
    SelectFirstListItem(kListTags);
}

void CTagsDlg::LoadTagIOTypeTexts()
{
    const CDataCenter* model = GetDataCenter();
    directions_ = TagDirectionTexts::Load(model && model->IsIECMode());
    setItemText(kStaticDirectionCaption, directions_.caption);
    if (auto* list = item<CListCtrlEx>(kListTags))
        list->model()->setHeaderData(kColumnDirection, Qt::Horizontal, directions_.caption);
}

void CTagsDlg::ClearTagDetails()
{
    for (int id : {kEditName.id, kStaticSlot.id, kStaticChannelType.id, kStaticDirection.id, kStaticChannel.id,
                   kStaticItemName.id, kStaticItemResource.id})
        setItemText(id, QString());
}

// Picked tags go after the rows present, numbered on; a sorted list is sorted again.
void CTagsDlg::FillList(const std::vector<TagRecord>& tags)
{
    auto* list = item<CListCtrlEx>(kListTags);
    if (!list || !rows_)
        return;
    rows_->AppendTags(tags);
    if (list->GetSortColumn() >= 0) {
        list->SortByColumn(list->GetSortColumn(), false);
        RenumberListRows();
    }
}

void CTagsDlg::ClearList()
{
    if (rows_)
        rows_->Clear();
}

void CTagsDlg::RenumberListRows()
{
    if (rows_)
        rows_->Renumber();
}

void CTagsDlg::OnListItemChanged()
{
    const auto* list = item<CListCtrlEx>(kListTags);
    const QList<int> selected = list ? list->GetSelectedRows() : QList<int>();
    if (selected.isEmpty()) {
        ClearTagDetails();
        return;
    }
    if (selected.size() > 1)
        return;
    const int row = selected.first();
    setItemText(kEditName, list->GetItemText(row, kColumnName).left(kNameLimit));
    setItemText(kStaticSlot, list->GetItemText(row, kColumnSlot));
    setItemText(kStaticChannelType, list->GetItemText(row, kColumnChannelType));
    setItemText(kStaticChannel, list->GetItemText(row, kColumnChannel));
    setItemText(kStaticItemName, list->GetItemText(row, kColumnItemName));
    const TagRecord* tag = rows_ ? rows_->TagOfRow(row) : nullptr;
    setItemText(kStaticDirection, tag ? directions_.TextOf(*tag) : QString());
    setItemText(kStaticItemResource, tag ? rows_->ItemOf(*tag).resourceText : QString());
}

void CTagsDlg::OnRenameTag()
{
    auto* list = item<CListCtrlEx>(kListTags);
    CDataCenter* model = GetDataCenter();
    const QList<int> selected = list ? list->GetSelectedRows() : QList<int>();
    if (selected.size() != 1 || !model) {
        ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
        return;
    }
    const int row = selected.first();
    const TagRecord* shown = rows_ ? rows_->TagOfRow(row) : nullptr;
    if (!shown)
        return;
    TagRecord tag = *shown;
    const QString newName = itemText(kEditName);
    ValidationReport report;
    if (!CheckTagRename(*model, tag, newName, FieldLabel(kLabelName).Text(*this), true, report, control(kEditName))) {
        report.ShowIfAny();
        setItemText(kEditName, tag.TagName);
        return;
    }
    tag.TagName = newName;
    model->UpdateTagRecord(tag.ResID, tag);
    rows_->RowChanged(row);
    list->SelectRow(row);
}

void CTagsDlg::OnSelectTags()
{
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    CTagSelectDlg chooser(*model, GetHost() ? &GetHost()->LogLines() : nullptr, true, GetNodeInfo().formId, this);
    connect(&chooser, &CTagSelectDlg::TagsSelected, this,
            [this](const std::vector<TagRecord>& tags) { OnTagsSelected(tags); });
    chooser.DoModal();
}

void CTagsDlg::OnTagsSelected(const std::vector<TagRecord>& tags)
{
    if (!listReplaced_ && displayType_ != kDisplayTypeKeepTable)
        ClearList();
    listReplaced_ = true;
    FillList(tags);
    SelectFirstListItem(kListTags);
}

void CTagsDlg::OnClearList()
{
    ClearList();
    listReplaced_ = true;
}

void CTagsDlg::OnListDoubleClick()
{
    const auto* list = item<CListCtrlEx>(kListTags);
    const int row = list ? list->currentIndex().row() : -1;
    CopyTagNameAndLog(*this, row >= 0 ? list->GetItemText(row, kColumnName) : QString());
}
