// Saving replaces the file only with a complete document: a save that cannot be written leaves
// the old file as it was and says so.
#include "ProjectFrameFixture.h"

#include <QDir>
#include <QFileDevice>

#include <csignal>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using ProjectSave = ProjectFrameTest;

// The superuser passes every permission check; for the length of a scope the calling thread
// touches files with the rights of an ordinary user.
class OrdinaryFileRights {
public:
    OrdinaryFileRights()
    {
        if (geteuid() == kSuperuser)
            previous_ = setfsuid(kNobody);
    }
    ~OrdinaryFileRights()
    {
        if (geteuid() == kSuperuser)
            setfsuid(previous_);
    }
    OrdinaryFileRights(const OrdinaryFileRights&) = delete;
    OrdinaryFileRights& operator=(const OrdinaryFileRights&) = delete;

private:
    static constexpr uid_t kSuperuser = 0;
    static constexpr uid_t kNobody = 65534;
    int previous_ = kSuperuser;
};

constexpr QFileDevice::Permissions kReadAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther;

constexpr QFileDevice::Permissions kReadAndWriteForAll = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                         QFileDevice::ReadOther | QFileDevice::WriteOther;

// Files of this process cannot grow past a few bytes while it lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

TEST_F(ProjectSave, ASaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 4200-2-C-T"));
    const QString folder = Path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString target = QDir(folder).filePath(QStringLiteral("plant.pelx"));
    const QByteArray old = "<?xml version=\"1.0\"?><Project Result=\"old\"/>";
    WriteBytes(target, old);
    // The file itself may be written: only a save that writes beside it and renames fails.
    ASSERT_TRUE(QFile::setPermissions(target, kReadAndWriteForAll));
    // Everyone may enter the test's folders; nobody may write into "locked".
    ASSERT_TRUE(QFile::setPermissions(Path(QString()), QFile::permissions(Path(QString())) | kReadAndEnter));
    ASSERT_TRUE(QFile::setPermissions(folder, kReadAndEnter));

    model.ProjectName = QStringLiteral("new");
    bool saved = true;
    {
        const OrdinaryFileRights ordinary;
        saved = model.SaveProject(target);
    }
    QFile::setPermissions(folder, kReadAndEnter | QFileDevice::WriteOwner);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plant.pelx")})
        << "no temporary file is left behind";
}

TEST_F(ProjectSave, ASaveThatCannotBeWrittenWholeKeepsTheOldFile)
{
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 4200-9-C-T"));
    const QString target = Path(QStringLiteral("plant.pelx"));
    const QByteArray old = "<?xml version=\"1.0\"?><Project Result=\"old\"/>";
    WriteBytes(target, old);
    constexpr rlim_t kRoomForAFewKilobytes = 4096;
    bool saved = true;
    {
        const FileSizeLimit full(kRoomForAFewKilobytes);
        saved = model.SaveProject(target);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(QDir(Path(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plant.pelx")})
        << "no part of the new file is left behind";
    EXPECT_TRUE(model.SaveProject(target)) << "with room again";
}

TEST_F(ProjectSave, ASaveReplacesTheOldFileWhole)
{
    const QString target = Path(QStringLiteral("plant.pelx"));
    WriteBytes(target, QByteArray(1 << 20, 'x')); // longer than the project
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 2301-IEC-T"));
    ASSERT_TRUE(model.SaveProject(target));
    const QByteArray written = ReadBytes(target);
    EXPECT_TRUE(written.startsWith("<?xml"));
    EXPECT_TRUE(written.trimmed().endsWith("</Project>"));
    EXPECT_FALSE(written.contains("xxxx"));
    EXPECT_EQ(QDir(Path(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plant.pelx")});
}

TEST_F(ProjectSave, ASaveToAMissingFolderFails)
{
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 2301-IEC-T"));
    EXPECT_FALSE(model.SaveProject(Path(QStringLiteral("missing/plant.pelx"))));
    EXPECT_FALSE(model.SaveProject(QString()));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("missing"))));
}

} // namespace
