#include "CHSSelectTagsPage.h"

#include "CListCtrlEx.h"
#include "ListColumns.h"
#include "ProfileTagCombo.h"
#include "RowMoves.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace HsSelectTagsIds;

namespace {

using LoggedTag = CHSSelectTagsPage::LoggedTag;

// Moves the rows of one list to the end of the other, in row order.
void moveRows(std::vector<LoggedTag>& from, std::vector<LoggedTag>& to, QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(from.size()))
            to.push_back(from[static_cast<size_t>(row)]);
    }
    RemoveRows(from, rows);
}

void fillList(CListCtrlEx* list, const std::vector<LoggedTag>& tags)
{
    if (!list)
        return;
    list->DeleteAllItems();
    for (int row = 0; row < static_cast<int>(tags.size()); ++row)
        list->InsertItem(row, tags[static_cast<size_t>(row)].first);
}

} // namespace

CHSSelectTagsPage::CHSSelectTagsPage(ModelSource model) : CEntryTab(kTemplate), model_(std::move(model))
{}

bool CHSSelectTagsPage::OnInitDialog()
{
    for (int id : {kListAvailable.id, kListSelected.id}) {
        if (auto* list = item<CListCtrlEx>(id))
            InsertTagNameColumn(*list);
    }
    onClicked(kButtonSelect, [this] { SelectChosenRows(); });
    onClicked(kButtonDeselect, [this] { DeselectChosenRows(); });
    return true;
}

void CHSSelectTagsPage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    followTagTable(false);
    refill();
}

void CHSSelectTagsPage::ShowEntry(const HS_DATA_LOG_ITEM_SETTINGS& entry)
{
    selected_.assign(entry.SelectedTags.begin(), entry.SelectedTags.end());
    followTagTable(true);
    refill();
}

void CHSSelectTagsPage::Gather(HS_DATA_LOG_ITEM_SETTINGS& entry) const
{
    entry.SelectedTags = QVector<LoggedTag>(selected_.begin(), selected_.end());
}

void CHSSelectTagsPage::SelectChosenRows()
{
    if (auto* list = item<CListCtrlEx>(kListAvailable))
        moveRows(available_, selected_, list->GetSelectedRows());
    refill();
}

void CHSSelectTagsPage::DeselectChosenRows()
{
    if (auto* list = item<CListCtrlEx>(kListSelected))
        moveRows(selected_, available_, list->GetSelectedRows());
    followTagTable(false); // back in its place in the table
    refill();
}

// The available tags in tag-table order, the selected ones with their current names; selected tags
// that are gone drop out. Filled from a record, the selected tags stand in table order too.
void CHSSelectTagsPage::followTagTable(bool selectedInTableOrder)
{
    const std::vector<TagRecord> table = ProjectTagTable(model_());
    QHash<QString, QString> names; // address -> name of its first tag
    for (const TagRecord& tag : table)
        names.insert(tag.ResID, names.value(tag.ResID, tag.TagName));
    QSet<QString> chosen;
    std::vector<LoggedTag> kept;
    for (const LoggedTag& tag : selected_) {
        if (names.contains(tag.second) && !chosen.contains(tag.second))
            kept.push_back({names.value(tag.second), tag.second});
        chosen.insert(tag.second);
    }
    available_.clear();
    if (selectedInTableOrder)
        kept.clear();
    QSet<QString> listed;
    for (const TagRecord& tag : table) {
        if (listed.contains(tag.ResID))
            continue;
        listed.insert(tag.ResID);
        if (!chosen.contains(tag.ResID))
            available_.push_back({tag.TagName, tag.ResID});
        else if (selectedInTableOrder)
            kept.push_back({tag.TagName, tag.ResID});
    }
    selected_ = std::move(kept);
}

void CHSSelectTagsPage::refill()
{
    fillList(item<CListCtrlEx>(kListAvailable), available_);
    fillList(item<CListCtrlEx>(kListSelected), selected_);
}
