#include "CGetDeviceInfoDlg.h"

#include "CListCtrlEx.h"
#include "ColumnWidthFit.h"
#include "DeviceDialogIds.h"
#include "DeviceInfoTexts.h"
#include "DeviceResultTexts.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"

#include <QComboBox>

namespace {

constexpr int kLogColumnWidth = 160;
constexpr int kStateColumn = 1;
constexpr int kChoiceIndent = 3;
const QColor kNameBackground(0x96, 0x96, 0x96);
constexpr const char* kEnableText = "Enable";
constexpr const char* kDisableText = "Disable";

QString stateText(std::uint32_t state)
{
    return QString::fromLatin1(state == kLogStateEnabled ? kEnableText : kDisableText);
}

bool isServiceLog(const LogSettingEntry& entry)
{
    return entry.type < kSystemLogType;
}

} // namespace

CGetDeviceInfoDlg::CGetDeviceInfoDlg(int commandId, int width, int height, QWidget* toolDialog)
    : COperationPanel(kTemplateGetDeviceInfo, commandId, width, height, toolDialog)
{}

bool CGetDeviceInfoDlg::OnInitDialog()
{
    showItem(kComboLogChoice, false);
    onClicked(kButtonSaveInfoFile, [this] { OnSaveInfoFile(); });
    if (auto* combo = item<QComboBox>(kComboLogChoice))
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this](int) { OnLogChoiceDone(); });
    if (auto* list = this->list())
        connect(list, &QAbstractItemView::clicked, this,
                [this](const QModelIndex& index) { OnListClick(index.row(), index.column()); });
    SetupColumns();
    return true;
}

CListCtrlEx* CGetDeviceInfoDlg::list() const
{
    return item<CListCtrlEx>(kListDeviceModules);
}

void CGetDeviceInfoDlg::SetupColumns()
{
    CListCtrlEx* list = this->list();
    if (!list || list->GetColumnCount() > 0)
        return;
    switch (commandId()) {
    case kCmdIecResources:
        list->InsertColumn(0, LoadLangString(kStringIecColumn), 0);
        FitColumnsToWidth(*list, {{.share = 1}});
        showItem(kButtonSaveInfoFile, false);
        break;
    case kCmdLogSettings:
        list->InsertColumn(0, LoadLangString(kStringLogNameColumn), kLogColumnWidth);
        list->InsertColumn(1, LoadLangString(kStringLogStateColumn), kLogColumnWidth);
        showItem(kButtonSaveInfoFile, false);
        break;
    default:
        list->InsertColumn(0, LoadLangString(kStringModuleColumn), 0);
        FitColumnsToWidth(*list, {{.share = 1}});
        showItem(kButtonSaveInfoFile, true);
    }
}

void CGetDeviceInfoDlg::SetLines(const QStringList& lines)
{
    CListCtrlEx* list = this->list();
    if (!list)
        return;
    list->DeleteAllItems();
    for (const QString& line : lines)
        list->InsertItem(list->GetItemCount(), line);
}

void CGetDeviceInfoDlg::FillLogSettings(const std::vector<LogSettingEntry>& entries)
{
    logSettings_ = entries;
    CListCtrlEx* list = this->list();
    if (!list)
        return;
    list->DeleteAllItems();
    for (const LogSettingEntry& entry : entries) {
        const int row = list->InsertItem(list->GetItemCount(), LogTypeName(entry.type));
        list->SetItemText(row, kStateColumn, stateText(entry.state));
        list->SetCellColor(row, 0, kNameBackground, Qt::white);
    }
}

int CGetDeviceInfoDlg::EnabledServiceLogs() const
{
    return static_cast<int>(std::count_if(logSettings_.begin(), logSettings_.end(), [](const LogSettingEntry& e) {
        return isServiceLog(e) && e.state == kLogStateEnabled;
    }));
}

void CGetDeviceInfoDlg::OnListClick(int row, int column)
{
    auto* combo = item<QComboBox>(kComboLogChoice);
    CListCtrlEx* list = this->list();
    if (commandId() != kCmdLogSettings || column != kStateColumn || !combo || !list || row < 0 ||
        row >= static_cast<int>(logSettings_.size()))
        return;
    combo->clear();
    combo->addItem(QString::fromLatin1(kDisableText), static_cast<int>(kLogStateDisabled));
    combo->addItem(QString::fromLatin1(kEnableText), static_cast<int>(kLogStateEnabled));
    combo->setCurrentIndex(combo->findData(static_cast<int>(logSettings_[static_cast<size_t>(row)].state)));
    QRect cell = list->visualRect(list->model()->index(row, column));
    cell.moveTopLeft(list->viewport()->mapTo(this, cell.topLeft()) + QPoint(kChoiceIndent, 0));
    combo->setGeometry(cell);
    combo->show();
    combo->raise();
    combo->setFocus();
    editRow_ = row;
    editColumn_ = column;
}

void CGetDeviceInfoDlg::OnLogChoiceDone()
{
    auto* combo = item<QComboBox>(kComboLogChoice);
    if (!combo)
        return;
    combo->hide();
    if (combo->currentIndex() < 0 || editRow_ < 0 || editRow_ >= static_cast<int>(logSettings_.size()))
        return;
    LogSettingEntry& entry = logSettings_[static_cast<size_t>(editRow_)];
    const auto chosen = static_cast<std::uint32_t>(combo->currentData().toInt());
    if (chosen == kLogStateEnabled && isServiceLog(entry) && entry.state != kLogStateEnabled &&
        EnabledServiceLogs() >= kMaxEnabledServiceLogs) {
        ShowMessageBox(LoadLangString(kStringTooManyLogsEnabled), MB_OK | MB_ICONWARNING);
        combo->setCurrentIndex(combo->findData(static_cast<int>(kLogStateDisabled)));
        list()->SetItemText(editRow_, editColumn_, stateText(kLogStateDisabled));
        return;
    }
    entry.state = chosen;
    list()->SetItemText(editRow_, editColumn_, stateText(chosen));
}

void CGetDeviceInfoDlg::OnLogChoiceClosed()
{
    showItem(kComboLogChoice, false);
}

void CGetDeviceInfoDlg::OnSaveInfoFile()
{
    if (SaveDeviceInfoFileAs(infoFilePath_))
        ShowMessageBox(LoadLangString(kStringInfoSaved), MB_OK);
    else
        ShowMessageBox(LoadLangString(kStringInfoNotSaved), MB_OK | MB_ICONERROR);
}
