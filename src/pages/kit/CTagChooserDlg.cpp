#include "CTagChooserDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CTagSelectDlgIds.h"
#include "Clipboard.h"
#include "ConfigFiles.h"
#include "ILogLineSink.h"
#include "IniFile.h"
#include "TagDialogStrings.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QAbstractButton>

#include <algorithm>

namespace {

constexpr int kNumberColumnWidth = 40;
constexpr int kNameColumnMargin = 45;
constexpr int kMaxRowNumber = 99999; // the number column holds at most five digits

} // namespace

CTagChooserDlg::CTagChooserDlg(unsigned templateId, const CDataCenter& model, ILogLineSink* log, bool stayOpen,
                               int addAllResult, QWidget* parent)
    : CDialogBase(templateId, parent), model_(model), stayOpen_(stayOpen), log_(log), addAllResult_(addAllResult)
{}

CListCtrlEx* CTagChooserDlg::tagList() const
{
    return item<CListCtrlEx>(kListTagSelect);
}

void CTagChooserDlg::SetUpTagList()
{
    CListCtrlEx* list = tagList();
    if (!list)
        return;
    list->setSelectionMode(stayOpen_ ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    list->setShowGrid(true);
    list->InsertColumn(0, LoadLangString(kStringColumnNumber), kNumberColumnWidth);
    list->InsertColumn(1, LoadLangString(kStringColumnTagName), 0);
    list->InsertColumn(2, LoadLangString(kStringColumnDataType), 0);
    FitTextColumns();
    connect(list, &CListCtrlEx::itemSelectionChanged, this, [this] { UpdateOKState(); });
    connect(list, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { OnRowDoubleClicked(index.row()); });
    onClicked(kButtonTagAddAll, [this] { OnAddAll(); });
    enableItem(IDOK, false);
    enableItem(kButtonTagAddAll, stayOpen_);
}

// The name and type columns share the list's width.
void CTagChooserDlg::FitTextColumns()
{
    CListCtrlEx* list = tagList();
    if (!list || list->GetColumnCount() < 3)
        return;
    const int textWidth = std::max(0, list->viewport()->width() / 2 - kNameColumnMargin);
    list->SetColumnWidth(1, textWidth);
    list->SetColumnWidth(2, textWidth);
}

void CTagChooserDlg::LoadDataTypeNames()
{
    const QString path = GetDefaultSettingsPath();
    dataTypeNames_.clear();
    if (path.isEmpty())
        return;
    const QString key = model_.IsIECMode() ? QStringLiteral("IECDataType") : QStringLiteral("DataType");
    SplitString(dataTypeNames_, GetPrivateProfileString(QStringLiteral("Tag"), key, QString(), path));
}

QString CTagChooserDlg::DataTypeName(int dataTypeCode) const
{
    const int index = MapDataTypeCode(dataTypeCode);
    return index < dataTypeNames_.size() ? dataTypeNames_[index] : QString();
}

std::vector<TagRecord> CTagChooserDlg::TagsOfTypeIndex(const std::vector<TagRecord>& tags, int typeIndex)
{
    std::vector<TagRecord> matching;
    std::copy_if(tags.begin(), tags.end(), std::back_inserter(matching),
                 [typeIndex](const TagRecord& tag) { return MapDataTypeCode(tag.DataTypeCode) == typeIndex; });
    return matching;
}

void CTagChooserDlg::ShowTags(std::vector<TagRecord> tags)
{
    CListCtrlEx* list = tagList();
    if (!list)
        return;
    content_ = std::move(tags);
    list->DeleteAllItems();
    for (int row = 0; row < static_cast<int>(content_.size()); ++row) {
        list->InsertItem(row, QString::number(std::min(row + 1, kMaxRowNumber)));
        list->SetItemText(row, 1, content_[row].TagName);
        list->SetItemText(row, 2, DataTypeName(content_[row].DataTypeCode));
    }
    SelectFirstRow();
    UpdateOKState();
}

void CTagChooserDlg::SelectFirstRow()
{
    CListCtrlEx* list = tagList();
    if (!list || list->GetItemCount() == 0)
        return;
    list->setFocus();
    list->SelectRow(0);
}

void CTagChooserDlg::UpdateOKState()
{
    const CListCtrlEx* list = tagList();
    enableItem(IDOK, list && !list->GetSelectedRows().isEmpty());
}

void CTagChooserDlg::showEvent(QShowEvent* event)
{
    CDialogBase::showEvent(event);
    FitTextColumns();
    SelectFirstRow();
    if (!stayOpen_)
        enableItem(kButtonTagAddAll, false);
}

void CTagChooserDlg::SendRows(const QList<int>& rows)
{
    result_.clear();
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(content_.size()))
            result_.push_back(content_[row]);
    }
    emit TagsSelected(result_);
}

void CTagChooserDlg::OnOK()
{
    const CListCtrlEx* list = tagList();
    QList<int> rows = list ? list->GetSelectedRows() : QList<int>();
    std::sort(rows.begin(), rows.end());
    SendRows(rows);
    enableItem(IDOK, false);
    if (!stayOpen_)
        EndDialog(IDOK);
}

void CTagChooserDlg::OnAddAll()
{
    QList<int> rows;
    for (int row = 0; row < static_cast<int>(content_.size()); ++row)
        rows.append(row);
    SendRows(rows);
    EndDialog(addAllResult_);
}

void CTagChooserDlg::OnRowDoubleClicked(int row)
{
    const CListCtrlEx* list = tagList();
    if (!list || row < 0 || row >= list->GetItemCount())
        return;
    const QString name = list->GetItemText(row, 1);
    if (!name.isEmpty()) {
        CopyTextToClipboard(name);
        if (log_)
            log_->AddLogLine(FormatLangString(kStringTagNameCopied, name));
    }
    OnOK();
}
