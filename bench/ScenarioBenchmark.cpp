// Reading and writing a huge scenario, each figure a ratio against reading the same bytes from
// the file in the same run ("x_read": how many plain reads of the file one operation costs).

#include "InstallationGenerator.h"

#include "core/document/ScenarioReader.h"
#include "core/document/ScenarioWriter.h"
#include "core/platform/TextFile.h"
#include "core/ui/ScriptedServices.h"
#include "core/ui/Vantrel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// One generated installation per size, with the main window started on it.
struct Installation {
    std::string folder;
    std::string scenario;
    size_t bytes = 0;
    vantrel::ui::ScriptedServices scripted;
    std::unique_ptr<vantrel::Vantrel> main;

    ~Installation() {
        main.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

Installation& installation(int stations, int ships) {
    static std::map<std::pair<int, int>, std::unique_ptr<Installation>> made;
    auto& slot = made[{stations, ships}];
    if (!slot) {
        slot = std::make_unique<Installation>();
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vantrel-bench-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        slot->folder = pattern;
        const std::string failed =
            vantrel::bench::writeInstallation(slot->folder + "/Orbiter", {stations, ships, 12});
        if (!failed.empty())
            throw std::runtime_error(failed);
        slot->scenario = vantrel::bench::hugeScenarioPath(slot->folder + "/Orbiter");
        slot->bytes = vantrel::platform::readFile(slot->scenario)->size();
        vantrel::Vantrel::Options options;
        options.startFolder = slot->folder;
        options.orbiterFolder = slot->folder + "/Orbiter";
        slot->main = std::make_unique<vantrel::Vantrel>(slot->scripted.services(), options);
        slot->main->load();
        slot->main->state.ScnDir.setCaption(slot->folder + "/Orbiter/Scenarios/");
        slot->main->state.scnfile.setCaption("Huge.scn");
    }
    return *slot;
}

// Seconds one plain read of the file takes: the fastest of a few, so that a cold cache does
// not flatter the ratios.
double readSeconds(const std::string& path) {
    double best = 1e9;
    for (int i = 0; i < 7; ++i) {
        const auto start = Clock::now();
        auto bytes = vantrel::platform::readFile(path);
        benchmark::DoNotOptimize(bytes);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void reportRatio(benchmark::State& state, const Installation& inst, double seconds, double baseline) {
    const double perOperation = seconds / double(state.iterations());
    state.counters["x_read"] = perOperation / baseline;
    state.counters["stations"] = double(inst.main->stationCount());
    state.counters["ships"] = double(inst.main->shipCount());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(inst.bytes));
}

void BM_ReadBytes(benchmark::State& state) {
    Installation& inst = installation(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        auto bytes = vantrel::platform::readFile(inst.scenario);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(inst.bytes));
}

void BM_ReadScenario(benchmark::State& state) {
    Installation& inst = installation(int(state.range(0)), int(state.range(1)));
    const double baseline = readSeconds(inst.scenario);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        inst.main->reader().TabSettings();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        state.PauseTiming();
        inst.scripted.dialogs.clear();
        state.ResumeTiming();
    }
    if (!inst.scripted.dialogs.messages().empty())
        state.SkipWithError("the generated scenario did not read cleanly");
    reportRatio(state, inst, seconds, baseline);
}

void BM_WriteScenario(benchmark::State& state) {
    Installation& inst = installation(int(state.range(0)), int(state.range(1)));
    inst.main->reader().TabSettings();
    const std::string target = inst.folder + "/Orbiter/Scenarios/Written.scn";
    const double baseline = readSeconds(inst.scenario);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const bool written = inst.main->writer().ScenarioFileSaving(target);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        if (!written) {
            state.SkipWithError("the scenario could not be written");
            break;
        }
    }
    reportRatio(state, inst, seconds, baseline);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({20, 200})->Args({200, 2000})->Args({2000, 20000})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ReadBytes)->Apply(sizes);
BENCHMARK(BM_ReadScenario)->Apply(sizes)->UseRealTime();
BENCHMARK(BM_WriteScenario)->Apply(sizes)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
