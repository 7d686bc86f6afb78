// vantrel-generate [--today] FOLDER [STATIONS [SHIPS]]: writes a large installation for trying
// the program and the benchmarks on (2,000 stations and 20,000 ships unless told otherwise); with
// --today, a scenario and an installation of today's simulator.

#include "InstallationGenerator.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    vantrel::bench::GeneratorOptions options;
    if (!args.empty() && args.front() == "--today") {
        options.today = true;
        args.erase(args.begin());
    }
    if (args.empty() || args.size() > 3) {
        std::cerr << "usage: vantrel-generate [--today] FOLDER [STATIONS [SHIPS]]\n";
        return 2;
    }
    try {
        if (args.size() > 1)
            options.stations = std::stoi(args[1]);
        if (args.size() > 2)
            options.ships = std::stoi(args[2]);
    } catch (const std::exception&) {
        std::cerr << "vantrel-generate: the counts must be whole numbers\n";
        return 2;
    }
    if (options.stations < 0 || options.ships < 0) {
        std::cerr << "vantrel-generate: the counts cannot be negative\n";
        return 2;
    }
    const std::string failed = vantrel::bench::writeInstallation(args[0], options);
    if (!failed.empty()) {
        std::cerr << "vantrel-generate: " << failed << "\n";
        return 1;
    }
    std::cout << vantrel::bench::hugeScenarioPath(args[0]) << "\n";
    return 0;
}
