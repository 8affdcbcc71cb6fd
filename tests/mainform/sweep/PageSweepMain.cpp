// Runs the page sweep on one project file and prints its outcome:
//   pelandrix-page-sweep <project file> [work folder]
//   pelandrix-page-sweep --write-rich <project file>   (writes the rich project, the seed of a run)
// The outcome line is "fine", "refused", "save-failed", "reopen-failed" or "non-idempotent"; the
// exit code is 0 for the first two. User folders lie in a private temporary folder.
#include "LanguagePack.h"
#include "PageSweep.h"
#include "RichProject.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <project file> [work folder]\n", argv[0]);
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TestEnvironment::PrepareUserFolders();
    QApplication app(argc, argv);
    TestEnvironment::PrepareProgram();
    if (QString::fromLatin1(argv[1]) == QLatin1String("--write-rich") && argc > 2)
        return WriteRichProject(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    QTemporaryDir scratch;
    const QString work = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.path();
    const PageSweepReport report = SweepPages(QString::fromLocal8Bit(argv[1]), work);
    const QString outcome = PageSweepOutcome(report);
    for (const QString& box : report.boxes)
        std::fprintf(stderr, "message box: %s\n", qPrintable(box));
    std::printf("%s pages=%d apply=%d boxes=%lld\n", qPrintable(outcome), report.pagesShown, report.applyPresses,
                static_cast<long long>(report.boxes.size()));
    LanguagePack::Unload();
    return report.opened && outcome != QStringLiteral("fine") ? 1 : 0;
}
