// The batch save ("pelandrix -S in out") as a whole process against python's xml.etree parsing and
// writing the same file, in five alternating pairs (python, then the program), so that a passing
// load on the shared machine falls on both sides of a pair. Two files: the sample project and the
// largest project with its tag table made up to 20,000 tags. Reported per file: of_python, the
// median ratio of the pairs' wall times (of_python_min and of_python_max beside it), and
// peak_of_file, the program's peak resident memory over the file's size (median of its runs).
#include "CDataCenter.h"

#include "FilledProject.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kPairs = 5;
constexpr int kLargeTagCount = 20000;
constexpr double kBytesPerKiB = 1024.0;

const char* const kPythonSave = "import sys, xml.etree.ElementTree as ET\n"
                                "ET.parse(sys.argv[1]).write(sys.argv[2], encoding='UTF-8', xml_declaration=True)\n";

struct RunFigures {
    double seconds = 0;
    double peakBytes = 0;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

// The child's environment: ours, on Qt's offscreen platform, with the profile kept in the bench's
// folder so that the remembered latest project does not touch the user's.
std::vector<std::string> ChildEnvironment()
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        const std::string text(*variable);
        if (text.rfind("QT_QPA_PLATFORM=", 0) != 0 && text.rfind("XDG_DATA_HOME=", 0) != 0)
            variables.push_back(text);
    }
    variables.push_back("QT_QPA_PLATFORM=offscreen");
    variables.push_back("XDG_DATA_HOME=" + Folder().filePath(QStringLiteral("data")).toStdString());
    return variables;
}

// Runs the command to its end with its output thrown away; nothing when it could not be started
// or did not end with exit code 0.
std::optional<RunFigures> Run(const std::vector<std::string>& command)
{
    static const std::vector<std::string> environment = ChildEnvironment();
    std::vector<char*> arguments, variables;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    for (const std::string& variable : environment)
        variables.push_back(const_cast<char*>(variable.c_str()));
    variables.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), variables.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return std::nullopt;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return RunFigures{elapsed.count(), static_cast<double>(usage.ru_maxrss) * kBytesPerKiB};
}

std::string ProgramPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/pelandrix")).toStdString();
}

void ComparePairs(benchmark::State& state, const QString& input)
{
    const std::string in = input.toStdString();
    const std::vector<std::string> program{ProgramPath(), "-S", in,
                                           Folder().filePath(QStringLiteral("out.pelx")).toStdString()};
    const std::vector<std::string> python{"/usr/bin/python3", "-c", kPythonSave, in,
                                          Folder().filePath(QStringLiteral("out-python.xml")).toStdString()};
    const double fileBytes = static_cast<double>(QFileInfo(input).size());
    // One untimed run of each first: the files' pages and the libraries come into the cache.
    if (!Run(python) || !Run(program)) {
        state.SkipWithError("python or the program could not save the file");
        return;
    }
    std::vector<double> ratios, programSeconds, pythonSeconds, peaks;
    for (auto _ : state) {
        for (int pair = 0; pair < kPairs; ++pair) {
            const std::optional<RunFigures> baseline = Run(python);
            const std::optional<RunFigures> measured = Run(program);
            if (!baseline || !measured) {
                state.SkipWithError("a run failed");
                return;
            }
            ratios.push_back(measured->seconds / baseline->seconds);
            programSeconds.push_back(measured->seconds);
            pythonSeconds.push_back(baseline->seconds);
            peaks.push_back(measured->peakBytes / fileBytes);
        }
    }
    state.counters["file_kB"] = fileBytes / kBytesPerKiB;
    state.counters["ms"] = Median(programSeconds) * 1e3;
    state.counters["python_ms"] = Median(pythonSeconds) * 1e3;
    state.counters["of_python"] = Median(ratios);
    state.counters["of_python_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["of_python_max"] = *std::max_element(ratios.begin(), ratios.end());
    state.counters["peak_of_file"] = Median(peaks);
    state.counters["peak_MiB"] = Median(peaks) * fileBytes / kBytesPerKiB / kBytesPerKiB;
}

void BM_BatchSaveSample(benchmark::State& state)
{
    ComparePairs(state, QStringLiteral(PELANDRIX_SAMPLE_PROJECT));
}

// The largest project with 20,000 tags, written once by the program's own writer.
void BM_BatchSaveLargeProject(benchmark::State& state)
{
    const QString path = Folder().filePath(QStringLiteral("large.pelx"));
    if (!QFileInfo::exists(path)) {
        CDataCenter model;
        if (!FilledProject::BuildLargestProject(model)) {
            state.SkipWithError("the project could not be built");
            return;
        }
        FilledProject::FillTagTable(model, kLargeTagCount);
        if (!model.SaveProject(path)) {
            state.SkipWithError("the project could not be saved");
            return;
        }
    }
    ComparePairs(state, path);
}

BENCHMARK(BM_BatchSaveSample)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchSaveLargeProject)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
