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
    // A scenario of today's simulator (every vessel in the ship list, stations by ELEMENTS,
    // docking by DOCKINFO) and an installation of today's layout (Config/Vessels), instead of
    // an early one.
    bool today = false;
};

// The scenario text alone, CR LF line ends. A third of the ships are docked, a third landed,
// the rest in orbit. An early scenario lists the stations by REF, EL_MJD and ELEMENTS in their
// own section and docks by STATUS Docked. A today's one lists the stations first in the ship
// list, by ELEMENTS with their epoch, each with a DOCKINFO token for every ship docked to it and
// the ship the reciprocal token; of the landed ships half stand on a BASE pad and half at POS
// coordinates, and the orbiting ones are placed by RPOS and RVEL.
std::string scenarioText(const GeneratorOptions& options);

// Writes orbiter.cfg, Config/ (the classes in Config/Vessels for a today's installation) and
// Scenarios/Huge.scn into folder (made when missing). Returns
// an empty text on success, otherwise the reason it failed.
std::string writeInstallation(const std::string& folder, const GeneratorOptions& options);

// The path of the scenario writeInstallation writes.
std::string hugeScenarioPath(const std::string& folder);

// A new empty folder under $TMPDIR (or /tmp) whose name begins with prefix; throws when none
// can be made.
std::string makeScratchFolder(const std::string& prefix);

} // namespace vantrel::bench
