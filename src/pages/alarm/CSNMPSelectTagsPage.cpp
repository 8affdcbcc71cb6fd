#include "CSNMPSelectTagsPage.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "ListColumns.h"
#include "RowMoves.h"

using namespace SnmpSelectTagsIds;

namespace {

const char* const kTooManyTags = "More than %1 tags were selected, only first %2 tags have been included";

} // namespace

CSNMPSelectTagsPage::CSNMPSelectTagsPage(ModelSource model)
    : CEntryTab(kTemplate), model_(std::move(model)),
      picks_({.choose = [this] { return tagChooser_(); },
              .address = [](const QString& address) { return address; },
              .make = [](const TagRecord& tag) { return tag.ResID; },
              .rowTexts =
                  [this](const QString& address) {
                      const CDataCenter* m = model_();
                      return QStringList{m ? m->GetTagNameByAddress(address) : QString()};
                  }},
             kMaxTags, QString::fromLatin1(kTooManyTags).arg(kMaxTags).arg(kMaxTags))
{
    tagChooser_ = [] { return std::vector<TagRecord>{}; };
}

bool CSNMPSelectTagsPage::OnInitDialog()
{
    if (auto* list = item<CListCtrlEx>(kListTags))
        InsertTagNameColumn(*list);
    onClicked(kButtonAdd, [this] { AddTags(); });
    onClicked(kButtonRemove, [this] { RemoveSelectedTags(); });
    return true;
}

void CSNMPSelectTagsPage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    refill(); // tag names may have changed elsewhere
}

void CSNMPSelectTagsPage::ShowEntry(const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry)
{
    addresses_.assign(entry.TagAddresses.begin(), entry.TagAddresses.end());
    refill();
}

void CSNMPSelectTagsPage::Gather(ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) const
{
    entry.TagAddresses = QStringList(addresses_.begin(), addresses_.end());
}

void CSNMPSelectTagsPage::AddTags()
{
    picks_.Pick(addresses_);
    refill();
}

void CSNMPSelectTagsPage::RemoveSelectedTags()
{
    if (auto* list = item<CListCtrlEx>(kListTags))
        RemoveRows(addresses_, list->GetSelectedRows());
    refill();
}

void CSNMPSelectTagsPage::refill()
{
    if (auto* list = item<CListCtrlEx>(kListTags)) {
        list->DeleteAllItems();
        for (int row = 0; row < static_cast<int>(addresses_.size()); ++row) {
            const CDataCenter* m = model_();
            list->InsertItem(row, m ? m->GetTagNameByAddress(addresses_[row]) : QString());
        }
    }
    enableItem(kButtonAdd, static_cast<int>(addresses_.size()) < kMaxTags);
}
