// The main frame's module and export commands, and a picture of the frame with a placed project.
#include "CMainFrame.h"

#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "MainFormIds.h"
#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

NewProjectChoice placed4100()
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("Plant");
    choice.ModelName = QStringLiteral("ulTEK 4100-CPU15-C-T");
    choice.SlotCount = 9;
    choice.PowerModule = QStringLiteral("ulTEK 4100-PK1-15W-T");
    return choice;
}

TEST(ToolCommandsTest, TagDefinesExportCreatesTheFolderAndReportsTheResult)
{
    QTemporaryDir folder;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scoped(boxes);
    RecordingFileDialogService files;
    CMainFrame frame;
    ASSERT_TRUE(frame.GetDeviceForm()->NewProject(placed4100()));

    const QString header = QDir(folder.path()).filePath(QStringLiteral("new/sub/tags.h"));
    files.QueueAnswer(header);
    frame.OnCommand(kCommandExportTagDefines);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.texts()[0], QStringLiteral("The tag defines were exported."));
    QFile written(header);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("#define RTU_"));

    // A folder that cannot be made: the failure message, nothing written.
    QFile blocker(QDir(folder.path()).filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    files.QueueAnswer(QDir(folder.path()).filePath(QStringLiteral("file/tags.h")));
    frame.OnCommand(kCommandExportTagDefines);
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.texts()[1], QStringLiteral("The tag defines could not be exported."));
}

TEST(ToolCommandsTest, ExportPathIsKeptInTheProfileAndFallsBackToDefaultSettings)
{
    QFile::remove(GetProfilePath());
    const QString fromDefaults = CMainFrame::GetISaGRAFExportPath(); // whatever the shipped file says
    ASSERT_TRUE(CMainFrame::SetISaGRAFExportPath(QStringLiteral("/srv/workbench")));
    EXPECT_EQ(CMainFrame::GetISaGRAFExportPath(), QStringLiteral("/srv/workbench"));
    QFile::remove(GetProfilePath());
    EXPECT_EQ(CMainFrame::GetISaGRAFExportPath(), fromDefaults);
}

TEST(ToolCommandsTest, CopyFolderKeepsExistingFilesAndSkipsDotFolders)
{
    QTemporaryDir root;
    const QDir base(root.path());
    ASSERT_TRUE(base.mkpath(QStringLiteral("src/sub")) && base.mkpath(QStringLiteral("src/.hidden")));
    const auto write = [&](const char* name, const char* text) {
        QFile file(base.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("src/a.txt", "new");
    write("src/sub/b.txt", "b");
    write("src/.hidden/c.txt", "c");
    ASSERT_TRUE(base.mkpath(QStringLiteral("dst")));
    write("dst/a.txt", "kept");

    EXPECT_TRUE(CMainFrame::CopyFolder(base.filePath(QStringLiteral("dst")), base.filePath(QStringLiteral("src"))));
    QFile kept(base.filePath(QStringLiteral("dst/a.txt")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
    EXPECT_TRUE(QFile::exists(base.filePath(QStringLiteral("dst/sub/b.txt"))));
    EXPECT_FALSE(QFile::exists(base.filePath(QStringLiteral("dst/.hidden"))));
    EXPECT_TRUE(CMainFrame::CopyFolder(base.filePath(QStringLiteral("dst2")), base.filePath(QStringLiteral("none"))));
}

// The picture lands in the build tree's test-artefacts folder for a look by eye.
TEST(ToolCommandsTest, FrameWithAPlaced4100ProjectIsDrawn)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scoped(boxes);
    CMainFrame frame;
    ASSERT_TRUE(frame.GetDeviceForm()->NewProject(placed4100()));
    frame.resize(1280, 800);
    frame.show();
    const QPixmap picture = frame.grab();
    ASSERT_FALSE(picture.isNull());
    const QString folder = QDir(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)).filePath(QStringLiteral("../test-artefacts"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(QDir(folder).filePath(QStringLiteral("mainframe-4100.png"))));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

} // namespace
