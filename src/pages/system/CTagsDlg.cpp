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
#include "TypeIds.h"
#include "ValidationReport.h"

#include <QLineEdit>

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

QString channelText(const TagRecord& tag)
{
    return tag.ChannelIndex == kNoChannelIndex ? QString() : QString::number(tag.ChannelIndex);
}

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
    usedMark_ = LoadLangString(kStringTagUsedMark);
    ClearTagDetails();
    std::vector<TagRecord> all;
    if (const CDataCenter* model = GetDataCenter())
        all = model->Tags.All();
    FillList(all, false);
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

QStringList CTagsDlg::RowTexts(const TagRecord& tag, int number, TagItemNamer& namer) const
{
    return {QString::number(number),
            tag.TagName,
            tag.RelatedServices.empty() ? QString() : usedMark_,
            QString::number(tag.SlotIndex),
            tag.ChannelTypeAlias,
            directions_.TextOf(tag),
            channelText(tag),
            namer.ItemOf(tag).name};
}

void CTagsDlg::FillList(const std::vector<TagRecord>& tags, bool append)
{
    auto* list = item<CListCtrlEx>(kListTags);
    const CDataCenter* model = GetDataCenter();
    if (!list || !model)
        return;
    if (!append)
        ClearList();
    TagItemNamer namer(*model);
    QList<QStringList> rows;
    QList<quint32> data;
    rows.reserve(static_cast<qsizetype>(tags.size()));
    data.reserve(static_cast<qsizetype>(tags.size()));
    int number = list->GetItemCount();
    for (const TagRecord& tag : tags) {
        rows.append(RowTexts(tag, ++number, namer));
        data.append(static_cast<quint32>(rowRecords_.size()));
        rowRecords_.push_back(tag);
    }
    list->setUpdatesEnabled(false);
    list->AppendItems(rows, data);
    if (append && list->GetSortColumn() >= 0) {
        list->SortByColumn(list->GetSortColumn(), false);
        RenumberListRows();
    }
    list->setUpdatesEnabled(true);
}

void CTagsDlg::ClearList()
{
    if (auto* list = item<CListCtrlEx>(kListTags))
        list->DeleteAllItems();
    rowRecords_.clear();
}

const TagRecord* CTagsDlg::RecordOfRow(int row) const
{
    const auto* list = item<CListCtrlEx>(kListTags);
    if (!list || row < 0 || row >= list->GetItemCount())
        return nullptr;
    const quint32 position = list->GetItemData(row);
    return position < rowRecords_.size() ? &rowRecords_[position] : nullptr;
}

void CTagsDlg::RenumberListRows()
{
    if (auto* list = item<CListCtrlEx>(kListTags)) {
        for (int row = 0; row < list->GetItemCount(); ++row)
            list->SetItemText(row, 0, QString::number(row + 1));
    }
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
    const TagRecord* tag = RecordOfRow(row);
    setItemText(kStaticDirection, tag ? directions_.TextOf(*tag) : QString());
    QString itemResource;
    if (tag && GetDataCenter())
        itemResource = TagItemNamer(*GetDataCenter()).ItemOf(*tag).resourceText;
    setItemText(kStaticItemResource, itemResource);
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
    const quint32 position = list->GetItemData(row);
    if (position >= rowRecords_.size())
        return;
    TagRecord& tag = rowRecords_[position];
    const QString newName = itemText(kEditName);
    ValidationReport report;
    if (!CheckTagRename(*model, tag, newName, FieldLabel(kLabelName).Text(*this), true, report, control(kEditName))) {
        report.ShowIfAny();
        setItemText(kEditName, tag.TagName);
        return;
    }
    tag.TagName = newName;
    model->UpdateTagRecord(tag.ResID, tag);
    TagItemNamer namer(*model);
    const QStringList texts = RowTexts(tag, row + 1, namer);
    for (int column = kColumnName; column < texts.size(); ++column)
        list->SetItemText(row, column, texts[column]);
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
    FillList(tags, true);
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
