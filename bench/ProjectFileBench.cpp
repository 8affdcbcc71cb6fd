// Saving and opening the largest project there is: a 4100-series controller with twelve slots,
// every one taken, as the new-project and add-module commands build it.

#include "CDataCenter.h"
#include "CProjectLoader.h"
#include "ConfigFiles.h"
#include "ResultCodes.h"

#include "FilledProject.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

class LargestProjectFile : public benchmark::Fixture {
public:
    void SetUp(benchmark::State& state) override
    {
        // Fixtures exist before main sets the program folder: the model is made here.
        model_ = std::make_unique<CDataCenter>();
        if (!folder_.isValid() || !FilledProject::BuildLargestProject(*model_)) {
            state.SkipWithError("the project could not be built");
            return;
        }
        path_ = folder_.filePath(QStringLiteral("largest.pelx"));
        if (!model_->SaveProject(path_))
            state.SkipWithError("the project could not be saved");
    }

protected:
    void Report(benchmark::State& state) const
    {
        state.counters["tags"] = static_cast<double>(model_->Tags.size());
        state.counters["file_kB"] = static_cast<double>(QFileInfo(path_).size()) / 1024.0;
    }

    QTemporaryDir folder_;
    std::unique_ptr<CDataCenter> model_;
    QString path_;
};

BENCHMARK_DEFINE_F(LargestProjectFile, Save)(benchmark::State& state)
{
    for (auto _ : state) {
        if (!model_->SaveProject(path_)) {
            state.SkipWithError("save failed");
            return;
        }
    }
    Report(state);
}

BENCHMARK_DEFINE_F(LargestProjectFile, Open)(benchmark::State& state)
{
    CDataCenter opened; // the main frame keeps one model; every open starts from its reset
    CProjectLoader loader(opened);
    for (auto _ : state) {
        if (loader.LoadProject(path_, 0) != kS_OK) {
            state.SkipWithError("open failed");
            return;
        }
        benchmark::DoNotOptimize(opened.Tags.data());
    }
    Report(state);
}

BENCHMARK_REGISTER_F(LargestProjectFile, Save)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestProjectFile, Open)->Unit(benchmark::kMillisecond);

} // namespace
