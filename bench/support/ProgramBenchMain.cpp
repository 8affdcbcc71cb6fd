// Main of the benches that run the program's own code: the templates, DefaultSettings.ini and the
// language pack lie in the build's program folder, beside the benches' folder.
#include "ConfigFiles.h"
#include "LanguagePack.h"

#include <QCoreApplication>
#include <QDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SetProgramDirectory(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin")));
    LanguagePack::LoadDefault();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
