// Start-up of the Pelandrix configuration program.
#include "CFileVersionInfo.h"
#include "CPelandrixApp.h"
#include "CommandLine.h"

#include <QApplication>

#include <memory>

namespace {

QStringList RawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    // The batch save shows no window: the core application spares it the widgets' start-up
    // (platform plugin, fonts) and a display.
    const std::unique_ptr<QCoreApplication> app = IsPlainBatchSave(RawArguments(argc, argv))
                                                      ? std::make_unique<QCoreApplication>(argc, argv)
                                                      : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationVersion(ProgramVersionText());
    CPelandrixApp pelandrix;
    const int result =
        pelandrix.InitInstance(QCoreApplication::arguments().mid(1)) ? QCoreApplication::exec() : pelandrix.ExitCode();
    pelandrix.ExitInstance();
    return result;
}
