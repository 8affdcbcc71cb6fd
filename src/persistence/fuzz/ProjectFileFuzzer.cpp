// libFuzzer target of the project file reader: the bytes are opened as a project file, as a user
// opens one (templates placed, every group read, tags merged), and whatever was read is saved
// again. Build: cmake -DPELANDRIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ ...; run:
// build/fuzz/project_file_fuzzer <work folder> src/persistence/fuzz/corpus -close_fd_mask=2
// (libFuzzer adds its finds to the first folder, so the seeds come second; the mask keeps the
// readers' trace lines off the terminal).

#include "CDataCenter.h"
#include "CProjectLoader.h"
#include "ConfigFiles.h"
#include "MessageBoxService.h"
#include "ResultCodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Every question is answered yes, so older files are read on.
class AgreeingMessageBoxes : public IMessageBoxService {
public:
    int Show(const QString&, const QString&, unsigned) override { return IDOK; }
};

struct FuzzFolder {
    QTemporaryDir folder;
    QString input = folder.filePath(QStringLiteral("input.pelx"));
    QString output = folder.filePath(QStringLiteral("output.pelx"));
};

FuzzFolder* g_folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static AgreeingMessageBoxes boxes;
    SetMessageBoxService(&boxes);
    // The templates and DefaultSettings.ini lie in the build's program folder, beside this one.
    SetProgramDirectory(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin")));
    g_folder = new FuzzFolder;
    return g_folder->folder.isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile input(g_folder->input);
    if (!input.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    input.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    input.close();
    CDataCenter model;
    CProjectLoader loader(model);
    if (loader.LoadProject(g_folder->input, 1) == kS_OK)
        model.SaveProject(g_folder->output);
    return 0;
}
