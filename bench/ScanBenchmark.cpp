// The start-up scan of a configuration folder of 5,000 class files (flat, 1 to 4 KB each, warm
// cache) against reading the same files whole, as `cat` does ("x_cat").

#include "InstallationGenerator.h"

#include "core/catalogue/Catalogue.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct ClassFolder {
    std::string root;
    std::string config;
    std::vector<std::string> files;
    ~ClassFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
};

const ClassFolder& classFolder(int count) {
    static std::unique_ptr<ClassFolder> made;
    if (made)
        return *made;
    made = std::make_unique<ClassFolder>();
    made->root = vantrel::bench::makeScratchFolder("vantrel-scan");
    made->config = made->root + "/Config/";
    std::filesystem::create_directories(made->config);
    // A system file and a station class, so that every part of the scan has something to find.
    vantrel::platform::writeFileAtomically(made->config + "Sol.cfg", "Name = Sol\r\nStar1 = Sun\r\nPlanet1 = Earth\r\n");
    vantrel::platform::writeFileAtomically(made->config + "Hub.cfg",
                                           "Meshname = Hub\r\nBEGIN_DOCKLIST\r\n0 0 1\r\nEND_DOCKLIST\r\n");
    for (int i = 0; i < count; ++i) {
        const std::string name = "Class" + std::to_string(i) + ".cfg";
        std::string text = "; class file for the scan benchmark\r\nClassName = Class" + std::to_string(i) +
                           "\r\nMeshName = Cls\r\nSize = 10\r\nMass = 5000\r\n";
        const size_t size = 1024 + size_t(i % 4) * 1024;
        while (text.size() < size)
            text += "  THRUSTER " + std::to_string(text.size()) + " 0 0 1 0 0 1 2e4 5e3\r\n";
        vantrel::platform::writeFileAtomically(made->config + name, text);
        made->files.push_back(made->config + name);
    }
    return *made;
}

double catSeconds(const ClassFolder& folder) {
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        for (const std::string& file : folder.files) {
            auto bytes = vantrel::platform::readFile(file);
            benchmark::DoNotOptimize(bytes);
        }
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void BM_StartupScan(benchmark::State& state) {
    const ClassFolder& folder = classFolder(int(state.range(0)));
    const double baseline = catSeconds(folder);
    double seconds = 0;
    size_t classes = 0;
    for (auto _ : state) {
        vantrel::UnreadableFiles unreadable;
        const auto start = Clock::now();
        vantrel::Catalogue c = vantrel::Catalogue::scan(folder.config, unreadable);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        classes = c.shipClasses.size();
        benchmark::DoNotOptimize(c);
    }
    state.counters["x_cat"] = seconds / double(state.iterations()) / baseline;
    state.counters["classes"] = double(classes);
}

BENCHMARK(BM_StartupScan)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
