#pragma once

// What the main window knows about the simulator's installation: its folders and the
// catalogue tables read at start-up and at each scenario load.

#include "core/catalogue/Bodies.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

struct CatalogueState {
    // The program's settings file in the start folder: it names the simulator folder.
    static constexpr const char* SettingsFileName = "vantrel.cfg";

    // The program's start folder and the folder that holds the settings file, each followed by
    // the separator.
    std::string StartFolder;
    std::string StartFolderPath;
    // The simulator folder, as read from the settings file.
    std::string OrbiterFolder;
    // The tails of the "ConfigDir" and "ScenarioDir" entries of "orbiter.cfg".
    std::string ConfigDir;
    std::string ScenarioDir;
    // The program's working folder: relative file names resolve here. The program never changes
    // the process's own working folder.
    std::string currentFolder;

    // Station classes and their docking-port counts (counts as number text, " 3").
    int StationClassCount = 0;
    std::vector<std::string> StationClassNames;
    std::vector<std::string> StationClassDockCounts;
    // The configuration folder has a Vessels folder (today's simulator): a file that says
    // nothing of its layout is read as today's.
    bool VesselsFolder = false;

    // Surface bases: "name:pads:body" entries.
    int BaseCount = 0;
    std::vector<std::string> BaseTable;
    // Where the bases that give a "Location" stand, longitude and latitude in degrees, by
    // "body:name".
    std::map<std::string, std::pair<double, double>> BaseLocations;

    // The bodies of the chosen planetary system, read when it is chosen: orbit figures and
    // pictures take mass, radius and atmosphere from here, never from the files.
    SystemBodies bodies;
};

} // namespace vantrel
