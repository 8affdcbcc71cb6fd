// The batch save in the process: what it writes, remembers and reports (the program's own runs
// are in BatchSaveProcessTest).
#include "CBatchSave.h"

#include "CDataCenter.h"
#include "CMainFrame.h"
#include "CTemplatePlacer.h"
#include "FileBytes.h"
#include "IniFile.h"
#include "ProfileKeys.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TextFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BatchSaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        CDataCenter model;
        CTemplatePlacer placer(model);
        NewProjectChoice choice;
        choice.ProjectName = QStringLiteral("Pump");
        choice.ModelName = QStringLiteral("ulTEK 2300-C-T");
        ASSERT_TRUE(placer.BuildNewProject(choice) && model.SaveProject(path("a.pelx")));
        QFile garbage(path("garbage.pelx"));
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a project");
    }

    QString path(const char* name) const { return QDir(folder.path()).filePath(QString::fromLatin1(name)); }

    bool run(const QStringList& arguments)
    {
        QStringList withSwitch{QStringLiteral("-S")};
        withSwitch += arguments;
        return CBatchSave(profile()).Run(withSwitch);
    }

    QString profile() const { return path("Profile.ini"); }

    QString latestProject() const
    {
        return GetPrivateProfileString(QLatin1String(kProfilePreferenceSection),
                                       QLatin1String(kProfileLatestProjectKey), QString(), profile());
    }

    QTemporaryDir folder;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
};

TEST_F(BatchSaveTest, WritesTheOutputOrInPlaceWithoutAQuestion)
{
    const QByteArray a = ReadFileBytes(path("a.pelx"));
    EXPECT_TRUE(run({path("a.pelx"), path("b.pelx")}));
    const QByteArray b = ReadFileBytes(path("b.pelx"));
    EXPECT_TRUE(b.contains("<Project Result=\"b\"")) << "named after the output";
    EXPECT_EQ(ReadFileBytes(path("a.pelx")), a);
    EXPECT_EQ(latestProject(), path("b.pelx"));

    EXPECT_TRUE(run({path("b.pelx")}));
    EXPECT_EQ(ReadFileBytes(path("b.pelx")), b) << "its own output again: the same bytes";
    EXPECT_TRUE(run({path("a.pelx")}));
    EXPECT_TRUE(ReadFileBytes(path("a.pelx")).contains("<Project Result=\"Pump\"")) << "in place, under its own name";
    EXPECT_EQ(latestProject(), path("a.pelx"));
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(u'|').toStdString();
}

TEST_F(BatchSaveTest, ReportsWhyNothingWasWritten)
{
    const QString underAFile = path("a.pelx") + QStringLiteral("/out.pelx");
    const struct {
        const char* label;
        QStringList arguments;
        QString message;
    } cases[] = {
        {"no path", {}, FormatLangString(CMainFrame::kStringCannotLoad, QString())},
        {"garbage",
         {path("garbage.pelx"), path("out.pelx")},
         FormatLangString(CMainFrame::kStringCannotLoad, path("garbage.pelx"))},
        {"missing",
         {path("missing.pelx"), path("out.pelx")},
         FormatLangString(CMainFrame::kStringCannotLoad, path("missing.pelx"))},
        {"folder in",
         {folder.path(), path("out.pelx")},
         FormatLangString(CBatchSave::kStringNotRegularFile, folder.path())},
        {"folder out",
         {path("a.pelx"), folder.path()},
         FormatLangString(CBatchSave::kStringNotRegularFile, folder.path())},
        {"unwritable out", {path("a.pelx"), underAFile}, FormatLangString(CMainFrame::kStringSaveFailed, underAFile)},
    };
    for (const auto& c : cases) {
        boxes.Clear();
        EXPECT_FALSE(run(c.arguments)) << c.label;
        EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.label;
        EXPECT_FALSE(QFile::exists(path("out.pelx"))) << c.label;
    }
    EXPECT_TRUE(latestProject().isEmpty());
}

} // namespace
