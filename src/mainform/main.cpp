// Start-up of the Pelandrix configuration program.
#include "CFileVersionInfo.h"
#include "CPelandrixApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(ProgramVersionText());
    CPelandrixApp pelandrix;
    const int result = pelandrix.InitInstance(QApplication::arguments().mid(1)) ? app.exec() : pelandrix.ExitCode();
    pelandrix.ExitInstance();
    return result;
}
