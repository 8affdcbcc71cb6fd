#include "CLogForm.h"

#include "CListCtrlEx.h"
#include "FileDialogService.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "MenuTemplate.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMetaObject>
#include <QSaveFile>
#include <QScreen>
#include <QThread>

namespace {

constexpr int kDateColumn = 0;
constexpr int kTimeColumn = 1;
constexpr int kMessageColumn = 2;
constexpr int kDateTimeColumnWidth = 100;
constexpr int kMessageWidthReserve = 230;
constexpr int kMinimumMessageWidth = 200;
constexpr QStringView kDateFormat = u"%d-%02d-%02d";
constexpr QStringView kTimeFormat = u"%02d:%02d:%02d";
constexpr QStringView kSavedLineFormat = u"%s %s %s";
constexpr const char* kLineEnd = "\r\n";

int messageColumnWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->size().width() : 0;
    return std::max(screenWidth - kMessageWidthReserve, kMinimumMessageWidth);
}

// Every line break of a message becomes CR LF, so one log item may span several file lines.
QString withCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\n', QLatin1String(kLineEnd));
    return text;
}

} // namespace

CLogForm::CLogForm(QWidget* parent) : CFormBase(kTemplateLogForm, parent)
{
    Create();
}

bool CLogForm::OnInitDialog()
{
    CListCtrlEx* log = list();
    if (!log || log->GetColumnCount() > 0)
        return false;
    log->InsertColumn(kDateColumn, LanguagePack::String(kStringLogDateColumn), kDateTimeColumnWidth);
    log->InsertColumn(kTimeColumn, LanguagePack::String(kStringLogTimeColumn), kDateTimeColumnWidth);
    log->InsertColumn(kMessageColumn, LanguagePack::String(kStringLogMessageColumn), messageColumnWidth());
    log->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(log, &QWidget::customContextMenuRequested, this, &CLogForm::showLogMenu);
    return true;
}

CListCtrlEx* CLogForm::list() const
{
    return item<CListCtrlEx>(kListLog);
}

void CLogForm::AddLogLine(const QString& text)
{
    const QDateTime now = QDateTime::currentDateTime();
    if (QThread::currentThread() == thread()) {
        insertLine(now, text);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, now, text] { insertLine(now, text); }, Qt::QueuedConnection);
}

void CLogForm::insertLine(const QDateTime& time, const QString& text)
{
    CListCtrlEx* log = list();
    if (!log)
        return;
    const QDate date = time.date();
    const QTime clock = time.time();
    log->InsertItem(0, FormatText(kDateFormat, {date.year(), date.month(), date.day()}));
    log->SetItemText(0, kTimeColumn, FormatText(kTimeFormat, {clock.hour(), clock.minute(), clock.second()}));
    log->SetItemText(0, kMessageColumn, text);
}

void CLogForm::SetProjectNameSource(std::function<QString()> projectName)
{
    projectName_ = std::move(projectName);
}

void CLogForm::OnClearLog()
{
    if (CListCtrlEx* log = list())
        log->DeleteAllItems();
}

void CLogForm::OnSaveLog()
{
    QString proposed = projectName_ ? projectName_() : QString();
    if (proposed.isEmpty())
        proposed = LanguagePack::String(kStringProgramName);
    const QString path = ChooseSaveFile(QString(), proposed, LanguagePack::String(kStringLogFileFilter));
    if (path.isEmpty())
        return;
    if (!SaveLog(path))
        ShowMessageBox(FormatLangString(kStringLogSaveFailed, path), MB_OK | MB_ICONERROR);
}

bool CLogForm::SaveLog(const QString& path) const
{
    const CListCtrlEx* log = list();
    if (!log)
        return false;
    QString text;
    for (int row = 0; row < log->GetItemCount(); ++row) {
        text += FormatText(kSavedLineFormat, {log->GetItemText(row, kDateColumn), log->GetItemText(row, kTimeColumn),
                                              withCrLf(log->GetItemText(row, kMessageColumn))});
        text += QLatin1String(kLineEnd);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        TraceLog("%s:%d the log could not be saved to %s: %s", __FILE__, __LINE__, qUtf8Printable(path),
                 qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

QMenu* CLogForm::CreateLogMenu()
{
    auto* menu = new QMenu(this);
    const std::optional<MenuTemplate> popup = LoadMenuTemplate(kMenuLogPopup);
    if (!popup)
        return menu;
    if (popup->entries.isEmpty() || popup->entries.first().kind != MenuEntry::Kind::Popup) {
        TraceLog("%s:%d menu %u has no popup", __FILE__, __LINE__, kMenuLogPopup);
        return menu;
    }
    FillMenu(*menu, popup->entries.first().children, [this](int command) { runCommand(command); });
    return menu;
}

void CLogForm::runCommand(int command)
{
    if (command == kCommandClearLog)
        OnClearLog();
    else if (command == kCommandSaveLog)
        OnSaveLog();
}

void CLogForm::showLogMenu(const QPoint& position)
{
    QMenu* menu = CreateLogMenu();
    menu->exec(list()->viewport()->mapToGlobal(position));
    delete menu;
}
