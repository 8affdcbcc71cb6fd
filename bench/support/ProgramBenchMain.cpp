// Main of the benches that run the program's own code: the templates, DefaultSettings.ini and the
// language pack lie in the build's program folder, beside the benches' folder. Benches that build
// widgets compile it with PELANDRIX_BENCH_WIDGETS and run on the offscreen platform.
#include "ConfigFiles.h"
#include "LanguagePack.h"

#include <QCoreApplication>
#include <QDir>
#include <benchmark/benchmark.h>

#ifdef PELANDRIX_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication;
#else
using BenchApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
#ifdef PELANDRIX_BENCH_WIDGETS
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    BenchApplication app(argc, argv);
    SetProgramDirectory(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin")));
    LanguagePack::LoadDefault();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
