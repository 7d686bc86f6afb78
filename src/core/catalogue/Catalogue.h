#pragma once

// The simulator's installation as plain data: its planetary systems, ship classes, station
// classes with their docking ports, the bodies of a system and the surface bases of its bodies.
// Both layouts are read: the early one (every class file at the top of the configuration folder,
// bases listed as "Base1 = ..." in the body file) and today's (classes under Config/Vessels,
// bases in folders of "BASE-V2.0" files). Nothing here touches a control or a window: the main
// window puts this data into its lists.

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class LineCache;

// Files that could not be read, in the order met. Each becomes one scan-log entry.
using UnreadableFiles = std::vector<std::string>;

// A name with the file it comes from, relative to the configuration folder ("Sol.cfg",
// "Vessels/DeltaGlider.cfg", with the native separator).
struct NamedFile {
    std::string name;
    std::string file;
    bool operator==(const NamedFile&) const = default;
};

struct StationClassEntry {
    std::string name;
    // The docking ports as counted by the dock-list rule; -1 when the file could not be read.
    long long docks = 0;
    bool operator==(const StationClassEntry&) const = default;
};

struct BaseEntry {
    // The base's display name; a base of the early layout named by "Name = X" keeps the blank
    // before X, as the tables have always stored it.
    std::string name;
    long long pads = 0;
    // The body's name, trimmed.
    std::string body;
    // Its "Location" (longitude and latitude in degrees), when the file gives one.
    std::optional<std::pair<double, double>> location;
    bool operator==(const BaseEntry&) const = default;
};

// The folders of an installation, relative to the simulator folder: "ConfigDir" and
// "ScenarioDir" of "orbiter.cfg" as tails to append ("\Config\" written natively).
struct InstallationFolders {
    std::string configDir;
    std::string scenarioDir;
};

class Catalogue {
public:
    std::vector<NamedFile> systems;
    std::vector<NamedFile> shipClasses;
    std::vector<StationClassEntry> stationClasses;
    // Whether the configuration folder has a Vessels folder, as today's simulator's has.
    bool vesselsFolder = false;

    // Scans a configuration folder (its path followed by the separator).
    static Catalogue scan(const std::string& configFolder, UnreadableFiles& unreadable);

    // The docking ports of a station class (its name trimmed, ignoring letter case; the last
    // match wins), 0 when unknown.
    long long docksOf(const std::string& stationClass) const;
    // The ship class of that name ignoring letter case, if listed.
    const NamedFile* shipClass(const std::string& name) const;
};

// Is this a simulator folder? It holds "orbiter.cfg" in any letter case, or a "Config" and a
// "Scenarios" folder (a fresh installation of today's simulator has no "orbiter.cfg").
bool isSimulatorFolder(const std::string& folder);

// The "orbiter.cfg" of a simulator folder, found in any letter case; none when missing.
std::optional<std::string> simulatorConfigurationFile(const std::string& folder);

// The two folder entries of the simulator's configuration. Missing entries, or a missing file,
// give the usual ones ("\Config\" and "\Scenarios\"). An entry too short to cut is an error
// (no answer), as is a folder that is no simulator folder.
std::optional<InstallationFolders> readInstallationFolders(const std::string& folder);

// The value of a configuration field "Key = value" or "Key=value": the text after its first "=",
// as written (so "Size = 6.4e6" gives " 6.4e6"); empty when the field holds no "=".
std::string configValue(const std::string& field);

// The field of a configuration file whose beginning equals key ignoring letter case, trimmed and
// freed of its comment ("Mass = 5.976e24"); the last such field wins. None when no field matches;
// a file that cannot be read is added to unreadable and gives none.
std::optional<std::string> configField(const std::string& path, const std::string& key,
                                       UnreadableFiles& unreadable);
// Every field of a configuration file, trimmed and freed of its comment; none when unreadable.
std::optional<std::vector<std::string>> configFields(const std::string& path);
// The last of those fields that begins with key ignoring letter case.
std::optional<std::string> lastField(const std::vector<std::string>& fields, const std::string& key);

// The bodies of a planetary system file in order: planets as named, moons as three blanks and
// the name. A moon is written "Earth1 = Moon" (early) or "Earth:Moon1 = Moon" (today).
std::vector<std::string> readBodies(const std::string& systemFile, UnreadableFiles& unreadable);

// The surface bases of the given bodies (entries as listed, moons indented), body by body. A body
// lists its bases by "BaseN = file lon lat" lines, by "DIR folder" lines inside BEGIN_SURFBASE, or,
// naming neither, keeps them in the folder <configuration folder>/<body>/Base/. A base found twice
// on a body is listed once, from the first source.
std::vector<BaseEntry> readBases(const std::string& configFolder, const std::vector<std::string>& bodies,
                                 UnreadableFiles& unreadable);
// The same, reading the files through a cache the caller keeps.
std::vector<BaseEntry> readBases(const std::string& configFolder, const std::vector<std::string>& bodies,
                                 UnreadableFiles& unreadable, LineCache& cache);

// The docking ports of a station class file's lines: every line after a BEGIN_DOCKLIST up to and
// including its END_DOCKLIST, minus one.
long long countDocks(const std::vector<std::string>& lines);

} // namespace vantrel
