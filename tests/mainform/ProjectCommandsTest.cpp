// The project commands of the main frame, end to end on the offscreen platform: new, change,
// save, close, open, save as, Ctrl+S, the start-up opens and the batch save.
#include "CMainFrame.h"

#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CLogForm.h"
#include "CNewProjectDlg.h"
#include "CPropertyForm.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "MessageBoxService.h"
#include "ProfileKeys.h"
#include "ProjectDialogIds.h"
#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TextFormat.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace {

constexpr int kSafetyTimeoutMs = 5000;
const QString kCompactModel = QStringLiteral("ulTEK 2300-C-T");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString latestProject()
{
    return GetPrivateProfileString(QLatin1String(kProfilePreferenceSection), QLatin1String(kProfileLatestProjectKey),
                                   QString(), GetProfilePath());
}

void clearLatestProject()
{
    QFile::remove(GetProfilePath());
}

// Fills the new-project dialog as a user does, once it is up, and presses OK.
void answerNewProjectDialog(const QString& name, const QString& series, const QString& model)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<CNewProjectDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTimer::singleShot(kSafetyTimeoutMs, dialog, &QDialog::reject);
        auto* seriesCombo = dialog->item<QComboBox>(kComboProductSeries);
        seriesCombo->setCurrentIndex(seriesCombo->findText(series));
        auto* modelCombo = dialog->item<QComboBox>(kComboProductModel);
        modelCombo->setCurrentIndex(modelCombo->findText(model));
        dialog->item<QLineEdit>(kEditProjectName)->setText(name);
        qobject_cast<QAbstractButton*>(dialog->control(IDOK))->click();
    });
}

// A frame with recorded boxes and file choosers, and a private folder for project files.
class ProjectCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        clearLatestProject();
    }

    QString path(const char* name) const { return QDir(folder.path()).filePath(QString::fromLatin1(name)); }

    // Builds a small project through the frame's tree pane, as the new-project command does.
    void buildProject(const QString& model = kCompactModel, const QString& name = QStringLiteral("Pump"))
    {
        NewProjectChoice choice;
        choice.ProjectName = name;
        choice.ModelName = model;
        ASSERT_TRUE(frame.GetDeviceForm()->NewProject(choice));
    }

    // Saves a new project through the save dialog under that file name.
    void saveAs(const QString& file)
    {
        files.QueueAnswer(file);
        frame.OnCommand(kCommandSaveProjectAs);
    }

    // Sends the frame a close request; true when it would close.
    bool requestClose()
    {
        QCloseEvent event;
        QApplication::sendEvent(&frame, &event);
        return event.isAccepted();
    }

    // A setting the user changes: the project name in the file's root.
    void changeSetting() { frame.GetDataCenter()->ProjectName = QStringLiteral("Changed"); }

    QTemporaryDir folder;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    RecordingFileDialogService files;
    CMainFrame frame;
};

TEST_F(ProjectCommandsTest, NewProjectFromTheDialogHasNoFileAndTheFirstSaveAsksForOne)
{
    answerNewProjectDialog(QStringLiteral("Pump station"), QStringLiteral("ulTEK 2300"), kCompactModel);
    frame.OnCommand(kCommandNewProject);
    ASSERT_FALSE(frame.IsProjectEmpty());
    EXPECT_EQ(frame.GetDataCenter()->GetProjectName(), QStringLiteral("Pump station"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix"));
    EXPECT_TRUE(frame.GetProjectPath().isEmpty());

    const QString file = path("station.pelx");
    files.QueueAnswer(file);
    frame.OnCommand(kCommandSaveProject);
    ASSERT_EQ(files.requests().size(), 1);
    EXPECT_EQ(files.requests()[0].kind, FileDialogKind::Save);
    EXPECT_EQ(files.requests()[0].initialPath, QStringLiteral("Pump station")); // the name is proposed
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(frame.GetDataCenter()->GetProjectName(), QStringLiteral("station"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix - [station.pelx]"));
    EXPECT_EQ(latestProject(), file);

    // A second save writes in place, without a dialog.
    changeSetting();
    frame.OnCommand(kCommandSaveProject);
    EXPECT_EQ(files.requests().size(), 1);
    EXPECT_TRUE(readAll(file).contains("Changed"));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(u'|').toStdString();
}

TEST_F(ProjectCommandsTest, CloseAsksOnlyAfterAChangeNoClosesCancelKeeps)
{
    buildProject();
    saveAs(path("a.pelx"));
    EXPECT_TRUE(requestClose()) << "unchanged: closes without a question";
    EXPECT_TRUE(boxes.boxes().isEmpty());

    buildProject();
    saveAs(path("a.pelx"));
    changeSetting();
    boxes.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(requestClose()) << "Cancel keeps the window";
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].flags & kMessageBoxButtonsMask, MB_YESNOCANCEL);
    EXPECT_FALSE(frame.IsProjectEmpty());

    const QByteArray onDisk = readAll(path("a.pelx"));
    boxes.QueueAnswer(IDNO);
    EXPECT_TRUE(requestClose()) << "No closes";
    EXPECT_EQ(readAll(path("a.pelx")), onDisk) << "No saves nothing";

    // The unchanged test leaves nothing behind in the temporary folder.
    EXPECT_TRUE(QDir(QDir::tempPath()).entryList({QStringLiteral("*.pelx")}, QDir::Files).isEmpty());
}

TEST_F(ProjectCommandsTest, OpenSaveAsAndCtrlS)
{
    buildProject();
    saveAs(path("a.pelx"));
    const QByteArray original = readAll(path("a.pelx"));

    // Open it again into a fresh project.
    files.QueueAnswer(path("a.pelx"));
    frame.OnCommand(kCommandOpenProject);
    ASSERT_FALSE(frame.IsProjectEmpty());
    EXPECT_EQ(frame.GetProjectPath(), path("a.pelx"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix - [a.pelx]"));
    EXPECT_EQ(latestProject(), path("a.pelx"));
    EXPECT_TRUE(frame.IsProjectUnchanged()) << "open then compare: the same bytes";
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(u'|').toStdString();

    saveAs(path("b.pelx"));
    EXPECT_EQ(frame.GetDataCenter()->GetProjectName(), QStringLiteral("b"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix - [b.pelx]"));
    EXPECT_EQ(readAll(path("a.pelx")), original);

    changeSetting();
    EXPECT_FALSE(frame.IsProjectUnchanged());
    frame.show();
    frame.activateWindow();
    EXPECT_TRUE(frame.RunSaveShortcut());
    EXPECT_TRUE(frame.IsProjectUnchanged());
    EXPECT_TRUE(readAll(path("b.pelx")).contains("Changed"));
}

// A name typed without extension is saved with the project extension, so Open finds it again.
TEST_F(ProjectCommandsTest, SaveAsAddsTheProjectExtensionToABareName)
{
    buildProject();
    saveAs(path("Plant4100"));
    EXPECT_TRUE(QFile::exists(path("Plant4100.pelx")));
    EXPECT_FALSE(QFile::exists(path("Plant4100")));
    EXPECT_EQ(frame.GetProjectPath(), path("Plant4100.pelx"));
    EXPECT_EQ(frame.GetDataCenter()->GetProjectName(), QStringLiteral("Plant4100"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix - [Plant4100.pelx]"));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(u'|').toStdString();
}

TEST_F(ProjectCommandsTest, OpenRefusesMissingAndBrokenFilesAndLeavesAnEmptyProject)
{
    buildProject();
    saveAs(path("a.pelx"));
    ASSERT_TRUE(writeAll(path("broken.pelx"), "<Project><Product>"));
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"missing.pelx", "does not exist"},
        {"broken.pelx", "cannot be loaded"},
    };
    for (const auto& c : cases) {
        boxes.Clear();
        files.QueueAnswer(path(c.file));
        frame.OnCommand(kCommandOpenProject);
        EXPECT_TRUE(frame.IsProjectEmpty()) << c.file;
        EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix")) << c.file;
        ASSERT_EQ(boxes.boxes().size(), 1) << c.file;
        EXPECT_TRUE(boxes.texts()[0].contains(QLatin1String(c.message))) << c.file;
        EXPECT_TRUE(boxes.texts()[0].contains(path(c.file))) << c.file;
        EXPECT_EQ(latestProject(), path("a.pelx")) << c.file;
    }
}

TEST_F(ProjectCommandsTest, FailedSaveKeepsFileTitleAndLatestProject)
{
    buildProject();
    saveAs(path("a.pelx"));
    const QByteArray before = readAll(path("a.pelx"));
    changeSetting();

    // Save as into a folder that does not exist: nothing changes but the message.
    const QString unreachable = path("no/such/folder/c.pelx");
    saveAs(unreachable);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(unreachable));
    EXPECT_EQ(frame.GetProjectPath(), path("a.pelx"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix - [a.pelx]"));
    EXPECT_EQ(frame.GetDataCenter()->GetProjectName(), QStringLiteral("Changed"));
    EXPECT_EQ(latestProject(), path("a.pelx"));
    EXPECT_EQ(readAll(path("a.pelx")), before);
}

TEST_F(ProjectCommandsTest, StartUpOpensCommandLineAndLatestProject)
{
    buildProject();
    saveAs(path("a.pelx"));
    frame.GetDeviceForm()->ClearTree();
    clearLatestProject();

    frame.OnOpenCommandLineProject(path("a.pelx"));
    EXPECT_FALSE(frame.IsProjectEmpty());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix - [a.pelx]"));
    EXPECT_TRUE(latestProject().isEmpty()) << "the command line does not remember";

    frame.OnOpenCommandLineProject(path("missing.pelx"));
    EXPECT_TRUE(frame.IsProjectEmpty());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QLatin1String("cannot be loaded")));

    // No latest project: the open dialog comes instead.
    frame.OnOpenLatestProject();
    ASSERT_EQ(files.requests().size(), 2);
    EXPECT_EQ(files.requests().last().kind, FileDialogKind::Open);

    ASSERT_TRUE(WritePrivateProfileString(QLatin1String(kProfilePreferenceSection),
                                          QLatin1String(kProfileLatestProjectKey), path("a.pelx"), GetProfilePath()));
    frame.OnOpenLatestProject();
    EXPECT_FALSE(frame.IsProjectEmpty());
    EXPECT_EQ(frame.GetProjectPath(), path("a.pelx"));
}

// A pipe would block the open and a device would be read until memory runs out: the File menu,
// the latest-project entry and the command line refuse them at once with the open-failure message.
TEST_F(ProjectCommandsTest, EveryOpenPathRefusesSpecialFilesWithTheOpenFailureMessage)
{
    const QString pipe = path("pipe.pelx");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        const char* label;
        std::function<void(const QString&)> open;
    } ways[] = {
        {"File menu",
         [this](const QString& file) {
             files.QueueAnswer(file);
             frame.OnCommand(kCommandOpenProject);
         }},
        {"latest project",
         [this](const QString& file) {
             ASSERT_TRUE(WritePrivateProfileString(QLatin1String(kProfilePreferenceSection),
                                                   QLatin1String(kProfileLatestProjectKey), file, GetProfilePath()));
             frame.OnOpenLatestProject();
         }},
        {"command line", [this](const QString& file) { frame.OnOpenCommandLineProject(file); }},
    };
    for (const auto& way : ways) {
        for (const QString& file : {pipe, QStringLiteral("/dev/zero")}) {
            buildProject();
            boxes.Clear();
            boxes.QueueAnswer(IDNO); // the open may ask to save the project it replaces
            way.open(file);
            EXPECT_TRUE(frame.IsProjectEmpty()) << way.label << " " << file.toStdString();
            EXPECT_TRUE(boxes.texts().contains(FormatLangString(CMainFrame::kStringCannotLoad, file)))
                << way.label << ": " << boxes.texts().join(u'|').toStdString();
        }
    }
}

} // namespace

TEST_F(ProjectCommandsTest, SendingAChangedProjectAsksToSaveFirstAndCancelStops)
{
    buildProject();
    saveAs(path("a.pelx"));
    changeSetting();
    boxes.Clear();
    boxes.QueueAnswer(IDCANCEL);
    // No tool dialog may open; should one, it is closed so the failure shows instead of a hang.
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    frame.OnCommand(kCommandSendConfiguration);
    EXPECT_EQ(boxes.texts(), QStringList{LanguagePack::String(706)});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Each dialog of the frame belongs to the frame, so a window manager keeps it in front of the
// frame while its own questions come and go.
TEST_F(ProjectCommandsTest, TheFramesDialogsBelongToTheFrame)
{
    buildProject();
    saveAs(path("a.pelx"));
    const struct {
        const char* label;
        int command;
    } cases[] = {
        {"send configuration", kCommandSendConfiguration}, {"device information", kCommandDeviceInformation},
        {"file transmission", kCommandFileTransmission},   {"preferences", kCommandPreferences},
        {"network interface", kCommandNetworkInterface},    {"new project", kCommandNewProject},
    };
    for (const auto& c : cases) {
        QWidget* owner = nullptr;
        QTimer::singleShot(0, [&owner] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                owner = dialog->parentWidget();
                dialog->close();
            }
        });
        frame.OnCommand(c.command);
        EXPECT_EQ(owner, &frame) << c.label;
    }
}
