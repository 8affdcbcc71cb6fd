// Start-up of the Pelandrix configuration program.
#include "ConfigFiles.h"
#include "LanguagePack.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include <cstdio>

namespace {

bool loadLanguagePack()
{
    if (LanguagePack::LoadDefault())
        return true;
    const QString text = QStringLiteral("The language pack %1 could not be loaded.")
                             .arg(ProgramDirectory() + u'/' + QString::fromLatin1(LanguagePack::kRelativePath));
    std::fprintf(stderr, "pelandrix: %s\n", qUtf8Printable(text));
    QMessageBox::critical(nullptr, QStringLiteral("Pelandrix"), text);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelandrix"));
    QApplication::setApplicationVersion(QStringLiteral(PELANDRIX_VERSION_TEXT));
    if (!loadLanguagePack())
        return 1;

    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Pelandrix"));
    frame.showMaximized();
    return app.exec();
}
