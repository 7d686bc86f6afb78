#pragma once

// Writes large simulator installations for the benchmarks: the inner planets of Sol with their
// moons, as many surface bases as the landed ships need, the station and ship classes of the
// sample, and one scenario with thousands of stations and ships. Everything it writes is
// consistent (classes, bodies, bases, pads and ports exist; orbits clear the atmosphere), so
// the program reads it without a scan-log entry.

#include <string>

namespace vantrel::bench {

struct GeneratorOptions {
    int stations = 2000;
    int ships = 20000;
    int padsPerBase = 12;
};

// The scenario text alone, CR LF line ends. A third of the ships are docked, a third landed,
// the rest in orbit.
std::string scenarioText(const GeneratorOptions& options);

// Writes orbiter.cfg, Config/ and Scenarios/Huge.scn into folder (made when missing). Returns
// an empty text on success, otherwise the reason it failed.
std::string writeInstallation(const std::string& folder, const GeneratorOptions& options);

// The path of the scenario writeInstallation writes.
std::string hugeScenarioPath(const std::string& folder);

// A new empty folder under $TMPDIR (or /tmp) whose name begins with prefix; throws when none
// can be made.
std::string makeScratchFolder(const std::string& prefix);

} // namespace vantrel::bench
