// vantrel-generate FOLDER [STATIONS [SHIPS]]: writes a large installation for trying the
// program and the benchmarks on (2,000 stations and 20,000 ships unless told otherwise).

#include "InstallationGenerator.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: vantrel-generate FOLDER [STATIONS [SHIPS]]\n";
        return 2;
    }
    vantrel::bench::GeneratorOptions options;
    try {
        if (argc > 2)
            options.stations = std::stoi(argv[2]);
        if (argc > 3)
            options.ships = std::stoi(argv[3]);
    } catch (const std::exception&) {
        std::cerr << "vantrel-generate: the counts must be whole numbers\n";
        return 2;
    }
    if (options.stations < 0 || options.ships < 0) {
        std::cerr << "vantrel-generate: the counts cannot be negative\n";
        return 2;
    }
    const std::string failed = vantrel::bench::writeInstallation(argv[1], options);
    if (!failed.empty()) {
        std::cerr << "vantrel-generate: " << failed << "\n";
        return 1;
    }
    std::cout << vantrel::bench::hugeScenarioPath(argv[1]) << "\n";
    return 0;
}
