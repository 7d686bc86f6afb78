#pragma once

// A small but complete simulator installation written into a temporary folder, for tests
// that need a catalogue: "orbiter.cfg", two planetary systems with body and base files,
// station and ship classes, and a scenario tree.
//
// What it holds (every file with CR LF line ends):
//   orbiter.cfg            ConfigDir = .\Config\, ScenarioDir = .\Scenarios\ (as written on Windows)
//   Config/Sol.cfg         Name = Sol: Mercury, Venus, Earth (Moon), Mars (Phobos, Deimos)
//   Config/Ceti.cfg        Name = Tau Ceti: Tceti (Tceti1 = Pyrrha)
//   body files             Mass, Size, SidRotPeriod, AtmAltLimit; bases on Earth, Moon, Mars
//   base files             Habana (Name = Habana, 3 pads), Cape (no Name line, 1 pad),
//                          Brighton (Name = Brighton Beach, 12 pads), Olympus (Name = Olympus, 2 pads)
//   station classes        Wheel (1 port), ISS (4 ports), Mir (12 ports)
//   ship classes           DeltaGlider, Dragonfly, ShuttleA, ShuttlePB
//   Scenarios/             description.txt, "(Current state).scn", "(Quicksave state).scn",
//                          Demo.scn, Tours/description.txt, Tours/Moon tour.scn,
//                          Tours/Deep/description.txt, Tours/Deep/Mars dock.scn

#include "TempFolder.h"

#include <string>
#include <vector>

namespace vantrel::test {

struct MiniInstallation {
    // The installation folder, without a trailing separator.
    std::string folder;
    // The configuration and scenario folders as the main window shows them, each ending with
    // the separator.
    std::string configFolder;
    std::string scenarioFolder;

    // In the order the start-up lists them.
    static const std::vector<std::string>& systemNames();     // "Tau Ceti", "Sol"
    static const std::vector<std::string>& systemFiles();     // "Ceti.cfg", "Sol.cfg"
    static const std::vector<std::string>& shipClasses();     // "DeltaGlider", ...
    static const std::vector<std::string>& stationClasses();  // "ISS", "Mir", "Wheel"
    // The bodies of Sol as the body lists hold them (moons with three leading blanks).
    static const std::vector<std::string>& solBodies();
};

// Writes the installation into temp / relative and returns where it is.
MiniInstallation writeMiniInstallation(const TempFolder& temp, const std::string& relative = "Orbiter");

// Writes the settings file "vantrel.cfg" into temp / startRelative (the program's start
// folder), naming folder on its one line; returns the start folder.
std::string writeSettingsFile(const TempFolder& temp, const std::string& startRelative, const std::string& folder);

} // namespace vantrel::test
