// The batch save of the real program, run as its own process on the offscreen platform with its
// user folders in a private temporary folder.
#include "CDataCenter.h"
#include "CTemplatePlacer.h"
#include "IniFile.h"
#include "SanitizerSlowdown.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A run that is given up on, and the time by which a refused or failed run must have ended.
constexpr int kRunTimeoutMs = SanitizerSlowdown::Scaled(20000);
constexpr int kPromptEndMs = SanitizerSlowdown::Scaled(10000);
// Set to a folder to have the sample project of the README written there.
constexpr const char* kSampleFolderVariable = "PELANDRIX_SAMPLE_DIR";
constexpr const char* kSampleName = "pump-station.pelx";

QString programPath()
{
    return QDir(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)).filePath(QStringLiteral("pelandrix"));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A compact project built from the shipped product template and saved by the program's writer.
bool writeProject(const QString& path, const QString& name)
{
    CDataCenter model;
    CTemplatePlacer placer(model);
    NewProjectChoice choice;
    choice.ProjectName = name;
    choice.ModelName = QStringLiteral("ulTEK 2300-C-T");
    return placer.BuildNewProject(choice) && model.SaveProject(path);
}

struct ProgramRun {
    int exitCode = -1;
    bool finished = false;
    qint64 elapsedMs = 0;
    QByteArray errors;
};

class BatchSaveProcessTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QFile::exists(programPath())) << programPath().toStdString();
    }

    QString path(const char* name) const { return QDir(home.path()).filePath(QString::fromLatin1(name)); }

    ProgramRun run(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), home.path());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
            environment.insert(QString::fromLatin1(variable),
                               QDir(home.path()).filePath(QString::fromLatin1(variable)));
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(programPath(), arguments);
        ProgramRun result;
        result.finished = process.waitForFinished(kRunTimeoutMs);
        result.elapsedMs = clock.elapsed();
        if (!result.finished) {
            process.kill();
            process.waitForFinished();
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.errors = process.readAllStandardError();
        return result;
    }

    QString latestProject() const
    {
        const QString profile = QDir(home.path()).filePath(QStringLiteral("XDG_DATA_HOME/Zerv/Pelandrix/Profile.ini"));
        return GetPrivateProfileString(QStringLiteral("Preference"), QStringLiteral("LatestProject"), QString(),
                                       profile);
    }

    QTemporaryDir home;
};

TEST_F(BatchSaveProcessTest, WritesTheOutputRemembersItAndLeavesTheInput)
{
    ASSERT_TRUE(writeProject(path("a.pelx"), QStringLiteral("a")));
    const QByteArray a = readAll(path("a.pelx"));

    const ProgramRun toB = run({QStringLiteral("-S"), path("a.pelx"), path("b.pelx")});
    ASSERT_TRUE(toB.finished);
    EXPECT_EQ(toB.exitCode, 0) << toB.errors.toStdString();
    const QByteArray b = readAll(path("b.pelx"));
    EXPECT_TRUE(b.contains("<Project Result=\"b\"")) << b.left(200).toStdString();
    EXPECT_EQ(readAll(path("a.pelx")), a);
    EXPECT_EQ(latestProject(), path("b.pelx"));

    // Twice on its own output: the same bytes.
    const ProgramRun again = run({QStringLiteral("-S"), path("b.pelx")});
    EXPECT_EQ(again.exitCode, 0) << again.errors.toStdString();
    EXPECT_EQ(readAll(path("b.pelx")), b);

    // In place: a.pelx is rewritten and keeps its name; a Qt option after it is Qt's, no output.
    for (const QStringList& options :
         {QStringList(), QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")}}) {
        const ProgramRun inPlace = run(QStringList{QStringLiteral("-S"), path("a.pelx")} + options);
        EXPECT_EQ(inPlace.exitCode, 0) << inPlace.errors.toStdString();
        EXPECT_TRUE(readAll(path("a.pelx")).contains("<Project Result=\"a\""));
        EXPECT_EQ(latestProject(), path("a.pelx"));
    }
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), (QStringList{"a.pelx", "b.pelx"}));
}

TEST_F(BatchSaveProcessTest, GarbageEndsSoonWithAnErrorAndWritesNothing)
{
    QFile garbage(path("garbage.pelx"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("\x01\x02 this is no project");
    garbage.close();

    const struct {
        const char* label;
        QStringList arguments;
    } cases[] = {
        {"garbage", {QStringLiteral("-S"), path("garbage.pelx"), path("out.pelx")}},
        {"missing", {QStringLiteral("-S"), path("missing.pelx"), path("out.pelx")}},
        {"no path", {QStringLiteral("-S")}},
    };
    for (const auto& c : cases) {
        const ProgramRun failed = run(c.arguments);
        ASSERT_TRUE(failed.finished) << c.label;
        EXPECT_NE(failed.exitCode, 0) << c.label;
        EXPECT_LT(failed.elapsedMs, kPromptEndMs) << c.label;
        EXPECT_FALSE(failed.errors.isEmpty()) << c.label;
        EXPECT_FALSE(QFile::exists(path("out.pelx"))) << c.label;
    }
}

TEST_F(BatchSaveProcessTest, SpecialFilesAreRefusedAtOnceWithAMessage)
{
    ASSERT_TRUE(writeProject(path("a.pelx"), QStringLiteral("a")));
    const QByteArray fifo = QFile::encodeName(path("pipe.pelx"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("folder.pelx")));

    const struct {
        const char* label;
        QStringList arguments;
        QString refused;
    } cases[] = {
        {"endless device",
         {QStringLiteral("-S"), QStringLiteral("/dev/zero"), path("out.pelx")},
         QStringLiteral("/dev/zero")},
        {"random device",
         {QStringLiteral("-S"), QStringLiteral("/dev/urandom"), path("out.pelx")},
         QStringLiteral("/dev/urandom")},
        {"pipe in", {QStringLiteral("-S"), path("pipe.pelx"), path("out.pelx")}, path("pipe.pelx")},
        {"folder in", {QStringLiteral("-S"), path("folder.pelx"), path("out.pelx")}, path("folder.pelx")},
        // A save renames over its target: a device must never be replaced.
        {"device out",
         {QStringLiteral("-S"), path("a.pelx"), QStringLiteral("/dev/null")},
         QStringLiteral("/dev/null")},
        {"pipe out", {QStringLiteral("-S"), path("a.pelx"), path("pipe.pelx")}, path("pipe.pelx")},
    };
    for (const auto& c : cases) {
        const ProgramRun refused = run(c.arguments);
        ASSERT_TRUE(refused.finished) << c.label;
        EXPECT_NE(refused.exitCode, 0) << c.label;
        EXPECT_LT(refused.elapsedMs, kPromptEndMs) << c.label;
        EXPECT_TRUE(refused.errors.contains(c.refused.toUtf8() + " is not a regular file"))
            << c.label << ": " << refused.errors.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.pelx"))) << c.label;
    }
}

TEST_F(BatchSaveProcessTest, AnOutputThatCannotBeWrittenFailsAndLeavesTheInput)
{
    ASSERT_TRUE(writeProject(path("a.pelx"), QStringLiteral("a")));
    const QByteArray a = readAll(path("a.pelx"));
    // Both hold for root too, unlike a folder without write permission.
    const QString underMissingFolder = path("missing/out.pelx");
    const QString underAFile = path("a.pelx") + QStringLiteral("/out.pelx");
    for (const QString& output : {underMissingFolder, underAFile}) {
        const ProgramRun failed = run({QStringLiteral("-S"), path("a.pelx"), output});
        ASSERT_TRUE(failed.finished) << output.toStdString();
        EXPECT_NE(failed.exitCode, 0) << output.toStdString();
        EXPECT_TRUE(failed.errors.contains(output.toUtf8())) << failed.errors.toStdString();
        EXPECT_FALSE(QFile::exists(output));
        EXPECT_EQ(readAll(path("a.pelx")), a);
    }
    EXPECT_TRUE(latestProject().isEmpty());
}

// Writes the README's sample project when PELANDRIX_SAMPLE_DIR names a folder: built from the
// shipped template and passed once through the batch save, so the program wrote every byte.
TEST_F(BatchSaveProcessTest, WritesTheSampleProjectWhenAsked)
{
    const QString folder = qEnvironmentVariable(kSampleFolderVariable);
    if (folder.isEmpty())
        GTEST_SKIP() << kSampleFolderVariable << " not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString draft = path("draft.pelx");
    ASSERT_TRUE(writeProject(draft, QStringLiteral("draft")));
    const QString sample = QDir(folder).filePath(QString::fromLatin1(kSampleName));
    const ProgramRun made = run({QStringLiteral("-S"), draft, sample});
    EXPECT_EQ(made.exitCode, 0) << made.errors.toStdString();
    EXPECT_TRUE(QFile::exists(sample));
}

} // namespace
