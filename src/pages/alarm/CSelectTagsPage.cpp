#include "CSelectTagsPage.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "ListColumns.h"
#include "RowMoves.h"

#include <algorithm>

using namespace DataLogSelectTagsIds;

CSelectTagsPage::CSelectTagsPage(ModelSource model)
    : CEntryTab(kTemplate), model_(std::move(model)),
      picks_({.choose = [this] { return tagChooser_ ? tagChooser_() : std::vector<TagRecord>{}; },
              .address = [](const SelectedTag& tag) { return tag.second; },
              .make =
                  [](const TagRecord& tag) {
                      return SelectedTag{tag.TagName, tag.ResID};
                  },
              .rowTexts = [](const SelectedTag& tag) { return QStringList{tag.first}; }})
{}

bool CSelectTagsPage::OnInitDialog()
{
    if (auto* list = item<CListCtrlEx>(kListTags))
        InsertTagNameColumn(*list);
    onClicked(kButtonAdd, [this] { AddTags(); });
    onClicked(kButtonRemove, [this] { RemoveSelectedTags(); });
    return true;
}

void CSelectTagsPage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    keepExistingTags();
    refill();
}

void CSelectTagsPage::ShowEntry(const DATA_LOG_ITEM_SETTINGS& entry)
{
    selected_.assign(entry.SelectedTags.begin(), entry.SelectedTags.end());
    keepExistingTags();
    refill();
}

void CSelectTagsPage::Gather(DATA_LOG_ITEM_SETTINGS& entry) const
{
    entry.SelectedTags = QVector<SelectedTag>(selected_.begin(), selected_.end());
}

void CSelectTagsPage::AddTags()
{
    picks_.Pick(selected_);
    refill();
}

void CSelectTagsPage::RemoveSelectedTags()
{
    if (auto* list = item<CListCtrlEx>(kListTags))
        RemoveRows(selected_, list->GetSelectedRows());
    refill();
}

// The tags of the table that are selected, in table order, with their current names.
void CSelectTagsPage::keepExistingTags()
{
    const CDataCenter* model = model_();
    if (!model)
        return;
    std::vector<TagRecord> table;
    model->GetTagList(table, 1, 0);
    std::vector<SelectedTag> kept;
    for (const TagRecord& tag : table) {
        const bool selected = std::any_of(selected_.begin(), selected_.end(),
                                          [&tag](const SelectedTag& pick) { return pick.second == tag.ResID; });
        const bool listed =
            std::any_of(kept.begin(), kept.end(), [&tag](const SelectedTag& pick) { return pick.second == tag.ResID; });
        if (selected && !listed)
            kept.push_back({tag.TagName, tag.ResID});
    }
    selected_ = std::move(kept);
}

void CSelectTagsPage::refill()
{
    if (auto* list = item<CListCtrlEx>(kListTags)) {
        list->DeleteAllItems();
        for (int row = 0; row < static_cast<int>(selected_.size()); ++row)
            list->InsertItem(row, selected_[row].first);
    }
}
