// One edit in the desktop program, offscreen: the core's handling and the refresh of every widget
// that follows it, at 200, 2,000 and 20,000 ships. Each figure is also given against one read of
// the smallest scenario ("x_read200"), the yardstick of the core's per-edit figures.

#include "Edits.h"
#include "InstallationGenerator.h"

#include "binding/Binder.h"
#include "views/MainWindowView.h"
#include "views/Views.h"

#include "core/app/ScenarioReader.h"
#include "core/platform/TextFile.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

struct Shown {
    std::string folder;
    vantrel::ui::ScriptedServices scripted;
    std::unique_ptr<vantrel::Vantrel> main;
    std::unique_ptr<vantrel::desktop::MainWindowView> view;
    ~Shown() {
        view.reset();
        main.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

Shown& shown(int stations, int ships) {
    static std::map<int, std::unique_ptr<Shown>> made;
    auto& slot = made[ships];
    if (!slot) {
        slot = std::make_unique<Shown>();
        slot->folder = vantrel::bench::makeScratchFolder("vantrel-desk");
        const std::string failed = vantrel::bench::writeInstallation(slot->folder + "/Orbiter", {stations, ships, 12});
        if (!failed.empty())
            throw std::runtime_error(failed);
        vantrel::Vantrel::Options options;
        options.startFolder = slot->folder;
        options.orbiterFolder = slot->folder + "/Orbiter";
        slot->main = std::make_unique<vantrel::Vantrel>(slot->scripted.services(), options);
        slot->view = std::make_unique<vantrel::desktop::MainWindowView>(*slot->main);
        slot->main->load();
        slot->main->state.ScnDir.setCaption(slot->folder + "/Orbiter/Scenarios/");
        slot->main->state.scnfile.setCaption("Huge.scn");
        slot->main->reader().TabSettings();
        slot->main->state.SSTab1.setVisible(true);
        QCoreApplication::processEvents();
        // The lists come in step with the table at the first validation after a read.
        slot->main->shipTab.ShipName.userSelect(0);
        slot->main->shipTab.Command4.userClick();
        QCoreApplication::processEvents();
        slot->scripted.dialogs.clear();
    }
    return *slot;
}

double smallRead() {
    static const double seconds = [] {
        Shown& s = shown(20, 200);
        const std::string path = s.folder + "/Orbiter/Scenarios/Huge.scn";
        double best = 1e9;
        for (int i = 0; i < 7; ++i) {
            const auto start = Clock::now();
            auto bytes = vantrel::platform::readFile(path);
            benchmark::DoNotOptimize(bytes);
            best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
        }
        return best;
    }();
    return seconds;
}

template <typename Edit>
void edit(benchmark::State& state, Edit e) {
    const double baseline = smallRead();
    Shown& s = shown(int(state.range(0)), int(state.range(1)));
    double seconds = 0;
    int k = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        e(s, k++);
        // The binder refreshes the widgets on the next turn of the event loop.
        QCoreApplication::processEvents();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    if (!s.scripted.dialogs.messages().empty())
        state.SkipWithError(s.scripted.dialogs.messages().front().text.c_str());
    state.counters["x_read200"] = seconds / double(state.iterations()) / baseline;
}

void BM_DesktopShowShip(benchmark::State& state) {
    edit(state, [](Shown& s, int k) { vantrel::bench::showShip(*s.main, k); });
}

void BM_DesktopValidateShip(benchmark::State& state) {
    edit(state, [](Shown& s, int k) { vantrel::bench::validateShip(*s.main, k); });
}

void BM_DesktopValidateStation(benchmark::State& state) {
    edit(state, [](Shown& s, int k) { vantrel::bench::validateStation(*s.main, k); });
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({20, 200})->Args({200, 2000})->Args({2000, 20000})->Unit(benchmark::kMicrosecond)->UseRealTime();
}

BENCHMARK(BM_DesktopShowShip)->Apply(sizes);
BENCHMARK(BM_DesktopValidateShip)->Apply(sizes);
BENCHMARK(BM_DesktopValidateStation)->Apply(sizes);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vantrel::desktop::registerViews();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
