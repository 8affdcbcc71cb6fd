#include "TestEnvironment.h"

#include "ConfigFiles.h"
#include "LanguagePack.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir>& homeDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

void setVariable(const char* name, const QString& value)
{
    ::setenv(name, QFile::encodeName(value).constData(), 1);
}

} // namespace

namespace TestEnvironment {

void PrepareUserFolders()
{
    homeDir() = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/pelandrix-test-XXXXXX"));
    const QString home = homeDir()->path();
    setVariable("HOME", home);
    setVariable("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    setVariable("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    setVariable("XDG_CACHE_HOME", home + QStringLiteral("/.cache"));
    // A private temporary folder also keeps local sockets (the trace viewer's) apart between test processes.
    QDir().mkpath(home + QStringLiteral("/tmp"));
    setVariable("TMPDIR", home + QStringLiteral("/tmp"));
    // A device search in a test goes to loopback only, whatever a test forgets to set.
    setVariable("PELANDRIX_DEVICE_SEARCH_TARGET", QStringLiteral("127.0.0.1"));
}

void PrepareProgram()
{
    SetProgramDirectory(QStringLiteral(PELANDRIX_RUNTIME_DIR));
    if (!LanguagePack::LoadDefault()) {
        std::fprintf(stderr, "test setup: the language pack is missing under %s\n", PELANDRIX_RUNTIME_DIR);
        std::exit(1);
    }
}

QString HomeFolder()
{
    return homeDir() ? homeDir()->path() : QString();
}

} // namespace TestEnvironment
