// The tag export into the workbench from the program folder as built (and installed): the shipped
// template folder is copied into the chosen folder and its database takes the project's tags.
#include "CMainFrame.h"

#include "CDeviceForm.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"
#include "MainFormIds.h"
#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

const char* const kDatabase = "tag_project/tag_project/PrjLibrary.mdb";

int countRows(const QString& database, const char* table)
{
    sqlite3* db = nullptr;
    int count = -1;
    if (sqlite3_open_v2(QFile::encodeName(database).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        const QByteArray sql = QByteArray("SELECT COUNT(*) FROM ") + table + ";";
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close_v2(db);
    return count;
}

class WorkbenchExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(exportFolder.isValid());
        NewProjectChoice choice;
        choice.ProjectName = QStringLiteral("Pump");
        choice.ModelName = QStringLiteral("ulTEK 2300-C-T");
        ASSERT_TRUE(frame.GetDeviceForm()->NewProject(choice));
        ASSERT_TRUE(frame.IsCommandEnabled(kCommandExportISaGRAF));
    }

    void TearDown() override { SetProgramDirectory(QStringLiteral(PELANDRIX_RUNTIME_DIR)); }

    QString exportedDatabase() const { return QDir(exportFolder.path()).filePath(QLatin1String(kDatabase)); }

    QTemporaryDir exportFolder;
    RecordingFileDialogService chooser;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    CMainFrame frame;
};

TEST_F(WorkbenchExportTest, TheShippedTemplateFolderTakesTheProjectsTags)
{
    ASSERT_TRUE(QFile::exists(QDir(ProgramDirectory()).filePath(QStringLiteral("ISaGRAF_Org/") + kDatabase)));
    chooser.QueueAnswer(exportFolder.path());
    boxes.QueueAnswer(IDCANCEL); // do not start the workbench
    frame.OnCommand(kCommandExportISaGRAF);

    ASSERT_EQ(boxes.boxes().size(), 1) << boxes.texts().join(u'|').toStdString();
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OKCANCEL | MB_ICONQUESTION) << "only the question to start the workbench";
    EXPECT_GT(countRows(exportedDatabase(), "Symbols"), 0);
    EXPECT_EQ(countRows(exportedDatabase(), "Symbols"), countRows(exportedDatabase(), "[I/O Symbols]"));
    EXPECT_GT(countRows(exportedDatabase(), "[OEM Parameter]"), 0);
}

TEST_F(WorkbenchExportTest, AProgramFolderWithoutTheTemplateFolderIsReported)
{
    QTemporaryDir emptyProgramFolder;
    SetProgramDirectory(emptyProgramFolder.path());
    chooser.QueueAnswer(exportFolder.path());
    frame.OnCommand(kCommandExportISaGRAF);

    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
}

} // namespace
