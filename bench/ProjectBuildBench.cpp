// Building the largest project there is from the shipped templates: a 4100-series controller with
// its twelve slots taken (two power modules, a switch, a port-trunk pair and the biggest I/O
// modules), as the new-project and add-module commands build it, tags included.

#include "CDataCenter.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

// Slot and module of every slot below the second power module.
const std::vector<std::pair<int, const char*>> kModules{
    {1, "41M-2816-T"},  {2, "41M-2116-T"},   {3, "41M-2416-T"},   {4, "41M-5470-T"},
    {5, "41M-5480-T"},  {6, "41M-5308-T"},   {7, "41M-5430-T"},   {8, "41M-2308-T"},
    {9, "41M-3302U-T"}, {10, "41M-3302U-T"}, {11, "41M-3320M-T"},
};

NewProjectChoice largestProject()
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("Largest");
    choice.ModelName = QStringLiteral("ulTEK 4100-CPU35-IEC-T");
    choice.SlotCount = 12;
    choice.PowerModule = QStringLiteral("ulTEK 4100-PK2-50W-T");
    choice.SecondPowerModule = QStringLiteral("ulTEK 4100-PK2-50W-T");
    return choice;
}

void BM_BuildLargestProject(benchmark::State& state)
{
    CDataCenter model; // the main frame keeps one model; each new project starts from its reset
    CTemplatePlacer placer(model);
    const NewProjectChoice choice = largestProject();
    for (auto _ : state) {
        bool built = placer.BuildNewProject(choice);
        for (const auto& [slot, module] : kModules)
            built = placer.AddModuleFromTemplate(QString::fromLatin1(module), slot) && built;
        if (!built) {
            state.SkipWithError("a template could not be placed");
            return;
        }
        benchmark::DoNotOptimize(model.Tags.data());
    }
    state.counters["tags"] = static_cast<double>(model.Tags.size());
    state.counters["slots"] = static_cast<double>(kModules.size() + 3);
}
BENCHMARK(BM_BuildLargestProject)->Unit(benchmark::kMillisecond);

} // namespace
