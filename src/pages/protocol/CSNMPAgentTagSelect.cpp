#include "CSNMPAgentTagSelect.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CTagSelectDlg.h"
#include "ColumnWidthFit.h"
#include "FieldLabel.h"
#include "IPageHost.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "MessageBoxService.h"
#include "RowMoves.h"
#include "TypeIds.h"
#include "Validation.h"

#include <QHeaderView>
#include <QPalette>

using namespace SnmpAgentTagPage;

namespace {

const QColor kMissingTagBackground(210, 210, 210);

TagServiceLink AgentUse()
{
    return MakeIntPair(ServiceId::SnmpAgentLink2, 0);
}

} // namespace

CSNMPAgentTagSelect::CSNMPAgentTagSelect(IPageHost* host)
    : CPropertyUIDialog(kTemplate, host),
      picks_({.choose = {},
              .address = [](const SNMP_AGENT_TAG_ITEM& item) { return item.TagResID; },
              .make =
                  [](const TagRecord& tag) {
                      return SNMP_AGENT_TAG_ITEM{tag.TagName, tag.ResID, tag.Direction == 0 ? 1 : 0, 0};
                  },
              .rowTexts = {}},
             kTagLimit, kTooManyTags.arg(kTagLimit).arg(kTagLimit))
{}

bool CSNMPAgentTagSelect::OnInitDialog()
{
    LayoutListPage({.list = kListTags, .rightButton = kButtonApply});
    if (CListCtrlEx* list = item<CListCtrlEx>(kListTags)) {
        list->InsertColumn(0, QStringLiteral("OID"), kOidColumnWidth);
        list->InsertColumn(1, LoadLangString(kStringTagColumn), kOidColumnWidth);
        FitColumnsToWidth(*list, {{.pixels = kOidColumnWidth}, {.share = 1}}); // the tag column takes the rest
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    onClicked(kButtonSelect, [this] { OnTagsChosen(chooseTags()); });
    onClicked(kButtonRemove, [this] { removeSelected(); });
    onClicked(kButtonUp, [this] { moveSelected(-1); });
    onClicked(kButtonDown, [this] { moveSelected(+1); });
    onClicked(kButtonApply, [this] { apply(); });
    OnFocusLost(kEditStart, [this] { onStartLeft(); });
    return true;
}

void CSNMPAgentTagSelect::OnPageShown()
{
    SetMainListId(kListTags);
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    std::vector<TagRecord> tags;
    model->GetTagList(tags, 1, 0);
    projectTags_.clear();
    for (const TagRecord& tag : tags)
        projectTags_.insert(tag.ResID);
    const QVector<SNMP_AGENT_TAG_ITEM>& table = model->SnmpAgent.TagTable;
    items_.assign(table.begin(), table.end());
    if (!items_.empty())
        start_ = int(items_.front().OID);
    BusyGuard busy(Busy());
    setItemText(kEditStart, QString::number(start_));
    refill();
}

std::vector<TagRecord> CSNMPAgentTagSelect::chooseTags()
{
    std::vector<TagRecord> chosen;
    const CDataCenter* model = GetDataCenter();
    if (!model || !GetHost())
        return chosen;
    CTagSelectDlg chooser(*model, &GetHost()->LogLines(), true, GetNodeInfo().formId, this);
    QObject::connect(&chooser, &CTagChooserDlg::TagsSelected, this, [&chosen](const std::vector<TagRecord>& tags) {
        chosen.insert(chosen.end(), tags.begin(), tags.end());
    });
    chooser.DoModal();
    return chosen;
}

void CSNMPAgentTagSelect::OnTagsChosen(const std::vector<TagRecord>& chosen)
{
    if (chosen.empty())
        return;
    picks_.Append(items_, chosen);
    renumber();
    refill();
}

void CSNMPAgentTagSelect::removeSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const int next = RemoveRows(items_, rows);
    renumber();
    refill(next >= 0 ? QList<int>{next} : QList<int>{});
}

void CSNMPAgentTagSelect::moveSelected(int step)
{
    QList<int> rows = selectedRows();
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty() || (step < 0 && rows.first() == 0) || (step > 0 && rows.last() == int(items_.size()) - 1))
        return;
    const QList<int> moved = MoveRows(items_, rows, step);
    renumber(); // each position keeps its number
    refill(moved);
}

std::optional<int> CSNMPAgentTagSelect::checkedStart()
{
    bool ok = false;
    const int start = itemText(kEditStart).trimmed().toInt(&ok);
    if (ok && start >= 0 && start <= kStartMaximum)
        return start;
    ShowMessageBox(FormatRangeErrorLine(FieldLabel(kLabelStart).Text(*this), 0, kStartMaximum), MB_OK | MB_ICONWARNING);
    return std::nullopt;
}

void CSNMPAgentTagSelect::onStartLeft()
{
    if (!isVisible())
        return;
    if (checkedStart()) {
        renumber();
        refill(selectedRows());
    }
}

void CSNMPAgentTagSelect::renumber()
{
    bool ok = false;
    const int typed = itemText(kEditStart).trimmed().toInt(&ok);
    if (ok && typed >= 0 && typed <= kStartMaximum)
        start_ = typed;
    for (size_t i = 0; i < items_.size(); ++i)
        items_[i].OID = quint32(start_ + int(i));
}

void CSNMPAgentTagSelect::refill(const QList<int>& selected)
{
    CListCtrlEx* list = item<CListCtrlEx>(kListTags);
    if (list) {
        list->DeleteAllItems();
        const QColor text = palette().color(QPalette::WindowText);
        for (int row = 0; row < int(items_.size()); ++row) {
            const SNMP_AGENT_TAG_ITEM& entry = items_[size_t(row)];
            list->InsertItem(row, QString::number(entry.OID));
            list->SetItemText(row, 1, entry.TagName);
            if (!projectTags_.contains(entry.TagResID))
                list->SetItemColor(row, kMissingTagBackground, text);
        }
        SelectListRows(*list, selected);
    }
    updateSelectButton();
}

void CSNMPAgentTagSelect::updateSelectButton()
{
    enableItem(kButtonSelect, int(items_.size()) < kTagLimit);
}

QList<int> CSNMPAgentTagSelect::selectedRows() const
{
    const CListCtrlEx* list = item<CListCtrlEx>(kListTags);
    return list ? list->GetSelectedRows() : QList<int>{};
}

void CSNMPAgentTagSelect::apply()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    if (!checkedStart())
        return;
    renumber();
    refill(selectedRows());
    std::vector<QString> published;
    for (const SNMP_AGENT_TAG_ITEM& entry : model->SnmpAgent.TagTable)
        published.push_back(entry.TagResID);
    std::vector<QString> publishing;
    for (const SNMP_AGENT_TAG_ITEM& entry : items_)
        publishing.push_back(entry.TagResID);
    model->ReplaceServiceItemUses(published, publishing, AgentUse());
    model->SnmpAgent.TagTable = QVector<SNMP_AGENT_TAG_ITEM>(items_.begin(), items_.end());
}
