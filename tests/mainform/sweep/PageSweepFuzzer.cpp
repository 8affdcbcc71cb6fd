// libFuzzer target of the page sweep: the bytes are opened as a project file from the command
// line, every page is shown and applied, the project saved, reopened and saved again. A crash, a
// sanitizer report or a reopen that fails or saves other bytes ends the run.
// Build in a clang build of its own, every library instrumented:
//   cmake -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
//         -DPELANDRIX_FUZZ=ON -DPELANDRIX_BUILD_BENCH=OFF \
//         -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
//         -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=address,undefined \
//         -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined
//   cmake --build build-fuzz --target page_sweep_fuzzer
// Run (from a work folder of its own; several workers with -jobs=N -workers=N):
//   LSAN_OPTIONS=suppressions=scripts/sanitizers/lsan.supp \
//   build-fuzz/fuzz/page_sweep_fuzzer <corpus folder> src/persistence/fuzz/corpus -close_fd_mask=2 \
//         -detect_leaks=0 -timeout=60
#include "LanguagePack.h"
#include "PageSweep.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir* g_folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TestEnvironment::PrepareUserFolders();
    // Never destroyed: the fuzzer ends the process from its exit handlers, after Qt's own
    // globals, where the application's destructor would crash.
    new QApplication(*argc, *argv);
    TestEnvironment::PrepareProgram();
    g_folder = new QTemporaryDir;
    return g_folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = g_folder->filePath(QStringLiteral("input.pelx"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    const PageSweepReport report = SweepPages(input, g_folder->filePath(QStringLiteral("work")));
    const QString outcome = PageSweepOutcome(report);
    if (report.opened && outcome != QStringLiteral("fine")) {
        std::fprintf(stderr, "page sweep: %s\n", qPrintable(outcome));
        std::abort();
    }
    return 0;
}
