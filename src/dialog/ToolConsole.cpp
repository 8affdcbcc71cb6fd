// The diagnostic console: the SSH client started with the device login and a saved session that
// runs the controller's console program.

#include "CToolBaseDlg.h"

#include "CDataCenter.h"
#include "ConfigFiles.h"
#include "DeviceDialogIds.h"
#include "IniFile.h"
#include "MessageBoxService.h"
#include "PuttySession.h"

#include <QComboBox>
#include <QDir>

namespace {

constexpr const char* kHelpSection = "Help";
constexpr const char* kConsoleProgramKey = "Putty_Link "; // the key is written with its blank
constexpr const char* kDefaultConsoleProgram = "/usr/bin/putty";
constexpr int kProgramPathMax = 256;
constexpr const char* kRemoteCommandKey = "RemoteCommand";
constexpr const char* kRemoteCommand = "/bin/diag_console";
constexpr const char* kHostNameKey = "HostName";
constexpr const char* kConsoleFailed = "The console program cannot be started: %1";

} // namespace

bool CToolBaseDlg::OpenDiagnosticConsole()
{
    const auto* box = item<QComboBox>(kComboDeviceAddress);
    const QString address = box ? box->currentText().trimmed().section(u' ', 0, 0) : QString();
    const QString settings = GetDefaultSettingsPath();
    if (settings.isEmpty())
        return false;
    const QString link =
        GetPrivateProfileString(QString::fromLatin1(kHelpSection), QString::fromLatin1(kConsoleProgramKey),
                                QString::fromLatin1(kDefaultConsoleProgram), settings)
            .left(kProgramPathMax);
    const QString program = QDir::isAbsolutePath(link) ? link : QDir(ProgramDirectory()).filePath(link);
    const QStringList arguments{QStringLiteral("-ssh"),
                                QStringLiteral("-l"),
                                QString::fromUtf8(model_.LoginUserName),
                                QStringLiteral("-pw"),
                                QString::fromUtf8(model_.LoginPassword),
                                QStringLiteral("-load"),
                                QString::fromLatin1(kConsoleSessionName)};
    const QString session = QString::fromLatin1(kConsoleSessionName);
    if (WritePuttySessionValue(session, QString::fromLatin1(kRemoteCommandKey), QString::fromLatin1(kRemoteCommand)))
        WritePuttySessionValue(session, QString::fromLatin1(kHostNameKey), address);
    if (!hooks_.startProgram(program, arguments)) {
        const QString text = QString::fromLatin1(kConsoleFailed).arg(program);
        Log(text);
        ShowMessageBox(text, MB_OK | MB_ICONERROR);
    }
    return true;
}
