// Reading and writing a huge scenario, each figure a ratio against reading the same bytes from
// the file in the same run ("x_read": how many plain reads of the file one operation costs).

#include "Edits.h"
#include "InstallationGenerator.h"

#include "core/app/ScenarioReader.h"
#include "core/app/ScenarioWriter.h"
#include "core/platform/TextFile.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"
#include "core/catalogue/Bodies.h"
#include "core/vessels/VesselOrbit.h"
#include "core/vessels/SimulatorCheck.h"
#include "core/vessels/VesselReader.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
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

// `today`: a scenario of today's layout (every vessel in the ship list) on an installation with
// Config/Vessels, read as such.
Installation& installation(int stations, int ships, bool today = false) {
    static std::map<std::tuple<int, int, bool>, std::unique_ptr<Installation>> made;
    auto& slot = made[{stations, ships, today}];
    if (!slot) {
        slot = std::make_unique<Installation>();
        slot->folder = vantrel::bench::makeScratchFolder("vantrel-bench");
        vantrel::bench::GeneratorOptions generated;
        generated.stations = stations;
        generated.ships = ships;
        generated.padsPerBase = 12;
        generated.today = today;
        const std::string failed = vantrel::bench::writeInstallation(slot->folder + "/Orbiter", generated);
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

// The installation a benchmark's arguments name: stations, ships, and 1 for today's layout.
Installation& installationOf(const benchmark::State& state) {
    return installation(int(state.range(0)), int(state.range(1)), state.range(2) != 0);
}

void BM_ReadBytes(benchmark::State& state) {
    Installation& inst = installationOf(state);
    for (auto _ : state) {
        auto bytes = vantrel::platform::readFile(inst.scenario);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(inst.bytes));
}

void BM_ReadScenario(benchmark::State& state) {
    Installation& inst = installationOf(state);
    const double baseline = readSeconds(inst.scenario);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        inst.main->reader().TabSettings();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        state.PauseTiming();
        inst.scripted.dialogs.clear();
        inst.main->reader().settle();
        state.ResumeTiming();
    }
    if (!inst.scripted.dialogs.messages().empty())
        state.SkipWithError("the generated scenario did not read cleanly");
    reportRatio(state, inst, seconds, baseline);
}

void BM_WriteScenario(benchmark::State& state) {
    Installation& inst = installationOf(state);
    inst.main->reader().TabSettings();
    const double baseline = readSeconds(inst.scenario);
    double seconds = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const std::string text = inst.main->writer().scenarioText();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    if (bytes == 0)
        state.SkipWithError("nothing was written");
    reportRatio(state, inst, seconds, baseline);
}

void BM_SaveScenario(benchmark::State& state) {
    Installation& inst = installationOf(state);
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

// ---------------------------------------------------------------------------------------------
// One edit at a time. Each figure is also given against one read of the smallest scenario
// ("x_read200"), the same yardstick at every size, so the three sizes compare side by side.

double smallRead() {
    static const double seconds = readSeconds(installation(20, 200, false).scenario);
    return seconds;
}

// The installation with its scenario shown, as after a load, and every list in step with the
// table (the first validation after a read may rebuild them once).
Installation& shown(benchmark::State& state) {
    Installation& inst = installationOf(state);
    if (inst.main->shipCount() == 0) {
        inst.main->reader().TabSettings();
        inst.main->shipTab.ShipName.userSelect(0);
        inst.main->shipTab.Command4.userClick();
        inst.main->stationTab.StationName.userSelect(0);
        inst.main->stationTab.Command1.userClick();
        inst.scripted.dialogs.clear();
    }
    return inst;
}

template <typename Edit>
void perEdit(benchmark::State& state, Edit edit) {
    const double baseline = smallRead();
    Installation& inst = shown(state);
    double seconds = 0;
    int k = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        edit(inst, k++);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    if (!inst.scripted.dialogs.messages().empty())
        state.SkipWithError(inst.scripted.dialogs.messages().front().text.c_str());
    state.counters["x_read200"] = seconds / double(state.iterations()) / baseline;
    state.counters["ships"] = double(inst.main->shipCount());
}

void BM_ShowShip(benchmark::State& state) {
    perEdit(state, [](Installation& inst, int k) { vantrel::bench::showShip(*inst.main, k); });
}

void BM_ValidateShip(benchmark::State& state) {
    perEdit(state, [](Installation& inst, int k) { vantrel::bench::validateShip(*inst.main, k); });
}

void BM_ShowStation(benchmark::State& state) {
    perEdit(state, [](Installation& inst, int k) { vantrel::bench::showStation(*inst.main, k); });
}

void BM_ValidateStation(benchmark::State& state) {
    perEdit(state, [](Installation& inst, int k) { vantrel::bench::validateStation(*inst.main, k); });
}

// A landed ship goes to a free pad and back: the double-click, then the validation.
void BM_MoveShipToPad(benchmark::State& state) {
    Installation& inst = shown(state);
    auto& tab = inst.main->shipTab;
    const auto& tree = tab.ShipLandingTree;
    int row = -1;
    for (int r = 0; r < inst.main->shipCount() && row < 0; ++r)
        if (inst.main->model.ships[size_t(r)].ShipStatusTable == "Landed")
            row = r;
    std::vector<int> pads;
    for (int p = 1; p <= tree.count() && pads.size() < 2; ++p)
        if (tree.node(p).image == 5 && tree.node(p).children == 0)
            pads.push_back(p);
    if (row < 0 || pads.size() < 2) {
        state.SkipWithError("no landed ship or free pads");
        return;
    }
    tab.ShipName.userSelect(row);
    perEdit(state, [&](Installation&, int k) {
        tab.ShipLandingTree.userDoubleClick(pads[size_t(k % 2)]);
        tab.Command4.userClick();
    });
}

// ---------------------------------------------------------------------------------------------
// Where every vessel of a today's scenario is: the file read into its vessels (readVessels), and
// each vessel placed by elements or by position and velocity worked out at the scenario date,
// the figures `vantrel-scn vessels` prints. N vessels: a tenth of them stations.

struct TodayInstallation {
    std::string folder;
    std::string scenario;
    vantrel::SystemBodies bodies;
    std::vector<std::string> bodyNames; // the first star first, as the reader resolves names
    size_t bytes = 0;

    ~TodayInstallation() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

TodayInstallation& todayInstallation(int vessels) {
    static std::map<int, std::unique_ptr<TodayInstallation>> made;
    auto& slot = made[vessels];
    if (!slot) {
        slot = std::make_unique<TodayInstallation>();
        slot->folder = vantrel::bench::makeScratchFolder("vantrel-bench-today");
        const std::string orbiter = slot->folder + "/Orbiter";
        vantrel::bench::GeneratorOptions options;
        options.stations = vessels / 10;
        options.ships = vessels - options.stations;
        options.today = true;
        const std::string failed = vantrel::bench::writeInstallation(orbiter, options);
        if (!failed.empty())
            throw std::runtime_error(failed);
        slot->scenario = vantrel::bench::hugeScenarioPath(orbiter);
        slot->bytes = vantrel::platform::readFile(slot->scenario)->size();
        slot->bodies = vantrel::readSystemBodies(orbiter + "/Config/", orbiter + "/Config/Sol.cfg");
        slot->bodyNames = slot->bodies.namesStarFirst();
    }
    return *slot;
}

void BM_ConvertVessels(benchmark::State& state) {
    TodayInstallation& inst = todayInstallation(int(state.range(0)));
    const double baseline = readSeconds(inst.scenario);
    constexpr double ScenarioDate = 60310.5; // the generated Date line
    double seconds = 0;
    size_t vessels = 0, orbits = 0, refused = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const std::optional<std::string> bytes = vantrel::platform::readFile(inst.scenario);
        const vantrel::vessels::VesselList list = vantrel::vessels::readVessels(*bytes, inst.bodyNames);
        orbits = refused = 0;
        for (const vantrel::vessels::Vessel& vessel : list.vessels) {
            const auto kind = vessel.placement.kind;
            if (kind != vantrel::vessels::PlacementKind::Elements && kind != vantrel::vessels::PlacementKind::Vector)
                continue;
            const vantrel::Body* body = inst.bodies.find(vessel.status.body);
            const std::optional<double> mu = body ? body->mu() : std::nullopt;
            if (!mu || !body->radius) {
                ++refused;
                continue;
            }
            const auto at = vantrel::vessels::orbitAtDate(vessel.placement, *mu, *body->radius, ScenarioDate);
            benchmark::DoNotOptimize(at);
            at ? ++orbits : ++refused;
        }
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        vessels = list.vessels.size();
    }
    if (refused > 0)
        state.SkipWithError("a generated orbit could not be worked out");
    state.counters["x_read"] = seconds / double(state.iterations()) / baseline;
    state.counters["vessels"] = double(vessels);
    state.counters["orbits"] = double(orbits);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(inst.bytes));
}

// What today's simulator would do wrong with a today's scenario of N vessels: the file read and
// checked as `vantrel-scn check` checks it after the editor's validation (simulatorFindings).
void BM_SimulatorFindings(benchmark::State& state) {
    TodayInstallation& inst = todayInstallation(int(state.range(0)));
    const double baseline = readSeconds(inst.scenario);
    const std::string config = inst.folder + "/Orbiter/Config/";
    vantrel::vessels::CheckInstallation in;
    in.systemExists = [](const std::string&) { return true; };
    in.bodyNames = [&inst](const std::string&) { return inst.bodyNames; };
    in.bodyRadius = [&inst](const std::string& body) -> std::optional<double> {
        const vantrel::Body* found = inst.bodies.find(body);
        return found ? found->radius : std::nullopt;
    };
    in.vesselClass = [config](const std::string& name) { return vantrel::vessels::readVesselClass(config, name); };
    in.basePads = [](const std::string&, const std::string&) -> std::optional<long long> { return 100; };
    in.bodyOrBaseNamed = [&inst](const std::string& name) { return inst.bodies.find(name) != nullptr; };
    double seconds = 0;
    size_t findings = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const std::optional<std::string> bytes = vantrel::platform::readFile(inst.scenario);
        findings = vantrel::vessels::simulatorFindings(*bytes, inst.scenario, in).size();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["x_read"] = seconds / double(state.iterations()) / baseline;
    state.counters["findings"] = double(findings);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(inst.bytes));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({20, 200, 0})->Args({200, 2000, 0})->Args({2000, 20000, 0})->Unit(benchmark::kMillisecond);
}

// The same sizes in today's layout.
void todaySizes(benchmark::internal::Benchmark* b) {
    b->Args({20, 200, 1})->Args({200, 2000, 1})->Args({2000, 20000, 1})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ReadBytes)->Apply(sizes);
BENCHMARK(BM_ReadScenario)->Apply(sizes)->UseRealTime();
BENCHMARK(BM_WriteScenario)->Apply(sizes)->UseRealTime();
BENCHMARK(BM_SaveScenario)->Apply(sizes)->UseRealTime();
BENCHMARK(BM_ShowShip)->Apply(sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ValidateShip)->Apply(sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ShowStation)->Apply(sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ValidateStation)->Apply(sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ConvertVessels)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SimulatorFindings)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MoveShipToPad)->Apply(sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ReadBytes)->Apply(todaySizes);
BENCHMARK(BM_ReadScenario)->Apply(todaySizes)->UseRealTime();
BENCHMARK(BM_ShowShip)->Apply(todaySizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ValidateShip)->Apply(todaySizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ShowStation)->Apply(todaySizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ValidateStation)->Apply(todaySizes)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
