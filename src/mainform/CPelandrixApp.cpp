#include "CPelandrixApp.h"

#include "ApplicationName.h"
#include "BatchMessageBoxService.h"
#include "CAboutDlg.h"
#include "CBatchSave.h"
#include "CLaunchDlg.h"
#include "CMainFrame.h"
#include "CSingleInstance.h"
#include "CommandLine.h"
#include "ConfigFiles.h"
#include "FileDialogService.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "LaunchAction.h"
#include "MainFormIds.h"
#include "MessageBoxService.h"
#include "QtFileDialogService.h"
#include "QtMessageBoxService.h"
#include "ShellOpen.h"
#include "TextFormat.h"

#include <QApplication>
#include <QDir>
#include <QMetaObject>
#include <QScreen>

#include <cstdio>

namespace {

constexpr const char* kHelpSection = "Help";

// The program's message boxes and file choosers, unless a service is installed already (a test's).
void installDialogServices()
{
    if (IMessageBoxService* installed = SetMessageBoxService(nullptr))
        SetMessageBoxService(installed);
    else
        InstallQtMessageBoxService();
    if (IFileDialogService* installed = SetFileDialogService(nullptr))
        SetFileDialogService(installed);
    else
        InstallQtFileDialogService();
}

} // namespace

CPelandrixApp::CPelandrixApp(QString instanceName, QObject* parent)
    : QObject(parent),
      instanceName_(instanceName.isEmpty() ? CSingleInstance::DefaultServerName() : std::move(instanceName))
{}

CPelandrixApp::~CPelandrixApp()
{
    frame_.reset();
}

bool CPelandrixApp::InitInstance(const QStringList& arguments)
{
    ParseCommandLine(arguments);
    // The batch save never waits for a user: its boxes go to stderr, and no chooser is offered.
    if (IsBatchSave(arguments_))
        InstallBatchMessageBoxService();
    else
        installDialogServices();
    // The batch save runs beside an open program.
    if (!IsBatchSave(arguments_) && CheckSingleInstance())
        return false;
    if (!LoadLanguagePack()) {
        exitCode_ = kExitNoLanguagePack;
        return false;
    }
    QCoreApplication::setOrganizationName(QLatin1String(kFrameworkRegistryKey));
    QCoreApplication::setApplicationName(QLatin1String(kApplicationName));
    // The batch save runs headless and ends the program: no launch window, no frame.
    if (IsBatchSave(arguments_)) {
        exitCode_ = CBatchSave(GetProfilePath()).Run(arguments_) ? CBatchSave::kExitDone : CBatchSave::kExitFailed;
        return false;
    }

    int choice = kLaunchChoiceEnd;
    {
        CLaunchDlg launch(ArgumentCount() > 0);
        launch.DoModal();
        choice = launch.GetLaunchChoice();
    }
    if (choice == kLaunchChoiceEnd)
        return false;
    frame_ = std::make_unique<CMainFrame>(pageFactory_);
    frame_->SetApplicationCommands(this);
    // Without a window manager (a bare X server) maximising does nothing; start at the screen's size.
    if (const QScreen* screen = frame_->screen())
        frame_->setGeometry(screen->availableGeometry());
    frame_->showMaximized();
    PostLaunchChoice(choice);
    return true;
}

int CPelandrixApp::ExitInstance()
{
    frame_.reset();
    instance_.reset();
    LanguagePack::Unload();
    return exitCode_;
}

bool CPelandrixApp::CheckSingleInstance()
{
    if (!instance_) {
        instance_ = std::make_unique<CSingleInstance>(instanceName_);
        connect(instance_.get(), &CSingleInstance::raiseRequested, this, &CPelandrixApp::RaiseMainWindow);
    }
    return instance_->CheckSingleInstance();
}

bool CPelandrixApp::LoadLanguagePack()
{
    if (LanguagePack::LoadDefault())
        return true;
    const QString path = QDir(ProgramDirectory()).filePath(QLatin1String(LanguagePack::kRelativePath));
    const QString text = QStringLiteral("The language pack %1 is missing or cannot be read. "
                                        "Pelandrix cannot start without it.")
                             .arg(QDir::toNativeSeparators(path));
    std::fprintf(stderr, "%s: %s\n", kApplicationName, qUtf8Printable(text));
    ShowMessageBox(text, MB_OK | MB_ICONERROR);
    return false;
}

void CPelandrixApp::ParseCommandLine(const QStringList& arguments)
{
    arguments_ = ParseCommandLineArguments(arguments);
}

void CPelandrixApp::PostLaunchChoice(int choice)
{
    const LaunchAction action = LaunchActionFor(choice, arguments_);
    if (action.kind == LaunchAction::Kind::None || !frame_)
        return;
    // Dropped with the frame when the frame goes first.
    CMainFrame* frame = frame_.get();
    QMetaObject::invokeMethod(
        frame, [frame, action] { frame->RunLaunchAction(action); }, Qt::QueuedConnection);
}

// Restores the frame when minimised and brings the window the user works in to the front: an
// open dialog, else the frame (or the launch window before the frame exists).
void CPelandrixApp::RaiseMainWindow()
{
    if (frame_ && frame_->isMinimized())
        frame_->setWindowState((frame_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    QWidget* target = QApplication::activeModalWidget();
    if (!target)
        target = frame_.get();
    if (!target)
        return;
    target->show();
    target->raise();
    target->activateWindow();
}

void CPelandrixApp::OpenHelpLink(const QString& key)
{
    const QString settings = GetDefaultSettingsPath();
    if (settings.isEmpty())
        return;
    const QString defaultPage = QLatin1String(kMakerHelpPage);
    const QString link = GetPrivateProfileString(QLatin1String(kHelpSection), key, defaultPage, settings);
    if (link.isEmpty())
        return;
    const QString target = link == defaultPage ? link : QDir(ProgramDirectory()).filePath(link);
    if (!ShellOpen(target))
        ShowMessageBox(FormatLangString(kStringHelpNotOpened, target), MB_OK | MB_ICONERROR);
}

void CPelandrixApp::OnAppAbout()
{
    CAboutDlg about(frame_.get());
    about.DoModal();
}

bool CPelandrixApp::HasCommand(int command) const
{
    return command == kCommandHelp || command == kCommandISaGRAFHelp || command == kCommandAbout;
}

void CPelandrixApp::OnCommand(int command)
{
    if (command == kCommandHelp)
        OpenHelpLink(QLatin1String(kHelpLinkKey));
    else if (command == kCommandISaGRAFHelp)
        OpenHelpLink(QLatin1String(kISaGRAFHelpLinkKey));
    else if (command == kCommandAbout)
        OnAppAbout();
}
