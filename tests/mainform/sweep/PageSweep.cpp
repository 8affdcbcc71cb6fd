#include "PageSweep.h"

#include "CDeviceForm.h"
#include "CMainFrame.h"
#include "CPropertyForm.h"
#include "CPropertyUIDialog.h"
#include "MainFormIds.h"
#include "MessageBoxService.h"
#include "PropertyPageTable.h"
#include "RecordingFileDialogService.h"
#include "TreeNodeInfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kModalWatchIntervalMs = 20;
constexpr unsigned kButtonsMask = 0x0000000F;
const QString kApplyText = QStringLiteral("Apply");
const QString kSavedName = QStringLiteral("sweep.pelx");

// Records every box and answers with its first button: OK, or Yes.
class FirstButtonMessageBoxes : public IMessageBoxService {
public:
    FirstButtonMessageBoxes() : previous_(SetMessageBoxService(this)) {}
    ~FirstButtonMessageBoxes() override { SetMessageBoxService(previous_); }
    FirstButtonMessageBoxes(const FirstButtonMessageBoxes&) = delete;
    FirstButtonMessageBoxes& operator=(const FirstButtonMessageBoxes&) = delete;

    int Show(const QString& text, const QString&, unsigned flags) override
    {
        texts << text;
        const unsigned buttons = flags & kButtonsMask;
        return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDYES : IDOK;
    }

    QStringList texts;

private:
    IMessageBoxService* previous_;
};

// Cancels every dialog a page opens as soon as its modal loop runs.
class ModalDialogCanceller {
public:
    ModalDialogCanceller()
    {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        timer_.start(kModalWatchIntervalMs);
    }

private:
    QTimer timer_;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTreeWidgetItem* nthItem(QTreeWidget* tree, int n)
{
    QTreeWidgetItemIterator it(tree);
    for (int i = 0; *it && i < n; ++i)
        ++it;
    return *it;
}

// Presses every enabled Apply button of the page; the count pressed.
int pressApply(CPropertyUIDialog* page)
{
    int pressed = 0;
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (QString(button->text()).remove(QLatin1Char('&')) != kApplyText || !button->isVisible() ||
            !button->isEnabled())
            continue;
        button->click();
        QApplication::processEvents();
        ++pressed;
    }
    return pressed;
}

class Sweep {
public:
    Sweep(PageSweepReport& report) : report_(report) { frame_.show(); }

    bool Open(const QString& path)
    {
        frame_.OnOpenCommandLineProject(path);
        QApplication::processEvents();
        return !frame_.IsProjectEmpty();
    }

    // Every node of the tree, then every page of the table not shown through a node.
    void ShowEveryPage()
    {
        QSet<int> shownForms;
        QTreeWidget* tree = frame_.GetDeviceForm()->tree();
        for (int n = 0; QTreeWidgetItem* item = nthItem(tree, n); ++n) {
            tree->setCurrentItem(item);
            QApplication::processEvents();
            if (const std::optional<TreeNodeInfo> node = CDeviceForm::NodeInfo(item))
                shownForms.insert(node->formId);
            visit(frame_.GetPropertyForm()->VisiblePage());
        }
        for (const PropertyPageKind& kind : kPropertyPageTable) {
            if (shownForms.contains(kind.formId))
                continue;
            TreeNodeInfo node;
            node.formId = kind.formId;
            node.shownText = QString::fromLatin1(kind.pageClass);
            frame_.GetPropertyForm()->SelectNodePage(node);
            QApplication::processEvents();
            visit(frame_.GetPropertyForm()->VisiblePage());
        }
        frame_.GetPropertyForm()->HideAllPages();
    }

    bool SaveAs(const QString& path)
    {
        files_.QueueAnswer(path);
        frame_.OnCommand(kCommandSaveProjectAs);
        return QFile::exists(path);
    }

private:
    void visit(CPropertyUIDialog* page)
    {
        if (!page)
            return;
        ++report_.pagesShown;
        report_.applyPresses += pressApply(page);
    }

    PageSweepReport& report_;
    RecordingFileDialogService files_;
    CMainFrame frame_;
};

} // namespace

PageSweepReport SweepPages(const QString& projectPath, const QString& workFolder)
{
    PageSweepReport report;
    FirstButtonMessageBoxes boxes;
    ModalDialogCanceller canceller;
    const QDir work(workFolder);
    work.mkpath(QStringLiteral("first"));
    work.mkpath(QStringLiteral("second"));
    const QString first = work.filePath(QStringLiteral("first/") + kSavedName);
    const QString second = work.filePath(QStringLiteral("second/") + kSavedName);
    QFile::remove(first);
    QFile::remove(second);
    {
        Sweep sweep(report);
        report.opened = sweep.Open(projectPath);
        if (report.opened) {
            sweep.ShowEveryPage();
            report.saved = sweep.SaveAs(first);
        }
    }
    if (report.saved) {
        Sweep again(report);
        report.reopened = again.Open(first);
        report.savedAgain = report.reopened && again.SaveAs(second);
    }
    report.firstSave = readAll(first);
    report.secondSave = readAll(second);
    report.boxes = boxes.texts;
    return report;
}

QString PageSweepOutcome(const PageSweepReport& report)
{
    if (!report.opened)
        return QStringLiteral("refused");
    if (!report.saved)
        return QStringLiteral("save-failed");
    if (!report.reopened)
        return QStringLiteral("reopen-failed");
    if (!report.SavesMatch())
        return QStringLiteral("non-idempotent");
    return QStringLiteral("fine");
}
