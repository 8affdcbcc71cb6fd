#include "CFileTransmissionDlg.h"

#include "CListCtrlEx.h"
#include "DeviceDialogIds.h"
#include "ILogLineSink.h"
#include "LanguagePack.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kNameColumnWidth = 130;
constexpr int kSizeColumnWidth = 60;
constexpr qint64 kBytesPerKb = 1024;
constexpr const char* kFolderMark = "<DIR>";
constexpr const char* kConnectLine = "CFileTransmissionDlg::Connect";
constexpr int kFileLists[] = {kListLocalFiles, kListSecondFiles};

void addRow(CListCtrlEx* list, const QString& name, const QString& size)
{
    const int row = list->InsertItem(list->GetItemCount(), name);
    list->SetItemText(row, 1, size);
}

} // namespace

CFileTransmissionDlg::CFileTransmissionDlg(ILogLineSink* log, QWidget* parent)
    : CDialogBase(kTemplateFileTransmission, parent), log_(log)
{}

QString CFileTransmissionDlg::FormatSizeColumn(bool isFolder, qint64 bytes)
{
    if (isFolder)
        return QString::fromLatin1(kFolderMark);
    return QStringLiteral("%1 KB").arg((bytes + kBytesPerKb - 1) / kBytesPerKb);
}

bool CFileTransmissionDlg::OnInitDialog()
{
    for (const int id : kFileLists) {
        if (auto* list = item<CListCtrlEx>(id)) {
            list->InsertColumn(0, LoadLangString(kStringFileNameColumn), kNameColumnWidth);
            list->InsertColumn(1, LoadLangString(kStringFileSizeColumn), kSizeColumnWidth);
        }
    }
    if (auto* edit = item<QLineEdit>(kEditBrowsePath))
        connect(edit, &QLineEdit::returnPressed, this, [this] { OnPathEntered(); });
    onDoubleClicked(kListLocalFiles, [this] { OnLocalDoubleClick(); });
    onClicked(kButtonFileConnect, [this] {
        if (log_)
            log_->AddLogLine(QString::fromLatin1(kConnectLine));
    });
    ShowDrives();
    return true;
}

void CFileTransmissionDlg::ShowDrives()
{
    auto* list = item<CListCtrlEx>(kListLocalFiles);
    if (!list)
        return;
    list->DeleteAllItems();
    for (const QFileInfo& drive : QDir::drives())
        addRow(list, drive.absoluteFilePath(), FormatSizeColumn(true, 0));
    folder_.clear();
}

bool CFileTransmissionDlg::ShowFolder(const QString& folder)
{
    if (folder.isEmpty()) {
        ShowDrives();
        return true;
    }
    const QDir dir(folder);
    auto* list = item<CListCtrlEx>(kListLocalFiles);
    if (!dir.exists() || !list)
        return false;
    list->DeleteAllItems();
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::DirsFirst | QDir::Name);
    for (const QFileInfo& entry : entries)
        addRow(list, entry.fileName(), FormatSizeColumn(entry.isDir(), entry.size()));
    folder_ = dir.absolutePath();
    setItemText(kEditBrowsePath, folder_);
    return true;
}

void CFileTransmissionDlg::OnPathEntered()
{
    const QFileInfo typed(itemText(kEditBrowsePath).trimmed());
    if (typed.isFile() && ShowFolder(typed.absolutePath()))
        return;
    if (typed.isDir() && ShowFolder(typed.absoluteFilePath()))
        return;
    setItemText(kEditBrowsePath, folder_); // back to the last valid path
}

void CFileTransmissionDlg::OnLocalDoubleClick()
{
    auto* list = item<CListCtrlEx>(kListLocalFiles);
    if (!list)
        return;
    const int row = list->GetFirstSelectedRow();
    if (row < 0)
        return;
    const QString name = list->GetItemText(row, 0);
    const QString path = folder_.isEmpty() ? name : QDir(folder_).filePath(name);
    if (QFileInfo(path).isDir())
        ShowFolder(path);
}

void CFileTransmissionDlg::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == control(kEditBrowsePath)) {
        event->accept();
        return;
    }
    CDialogBase::keyPressEvent(event);
}
