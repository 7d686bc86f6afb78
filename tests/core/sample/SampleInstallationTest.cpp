// The bundled sample installation is what Vantrel opens on a first run and what many tests
// read. These checks keep it consistent: everything a scenario names exists in the catalogue,
// the data is written the way the program reads it, and every file keeps its CR LF line ends.

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vantrel {
namespace {

const std::string kRoot = VANTREL_SAMPLE_DIR;

std::string configFolder() { return kRoot + "/Config/"; }
std::string scenarioFolder() { return kRoot + "/Scenarios"; }

std::vector<std::string> linesOf(const std::string& path) {
    auto lines = platform::readLines(path);
    EXPECT_TRUE(lines) << "cannot read " << path;
    return lines ? *lines : std::vector<std::string>{};
}

// The key lookup the program makes in configuration and scenario files: comma fields, trimmed,
// comments removed, key compared ignoring case over its length, the last match wins.
std::string lookup(const std::string& path, const std::string& key) {
    std::string found = "No Data";
    auto fields = platform::readFields(path);
    if (!fields)
        return found;
    for (const std::string& field : *fields) {
        const std::string clean = ClearComments(trim(field));
        if (startsWithIgnoringCase(clean, key))
            found = clean;
    }
    return found;
}

// The number a body file gives for a key written "Key = value", 0 when it is missing.
double bodyValue(const std::string& body, const std::string& key) {
    const std::string field = lookup(configFolder() + trim(body) + ".cfg", key);
    if (field == "No Data")
        return 0;
    return leadingNumberValue(dropLeft(field, key.size() + 2));
}

// Radius plus atmosphere: nothing may orbit below it.
double clearance(const std::string& body) {
    return bodyValue(body, "Size") + bodyValue(body, "AtmAltLimit");
}

struct Base {
    int pads = 0;
    std::string name;
};

struct Catalogue {
    std::map<std::string, std::vector<std::string>> systems; // name -> body list
    std::set<std::string> shipClasses;
    std::map<std::string, int> stationDocks; // class -> docking ports
    std::map<std::string, std::map<std::string, Base>> bases; // body -> base word -> base
};

// Bodies of a system file: planets, each followed by its moons with three leading blanks.
std::vector<std::string> bodyList(const std::string& path) {
    std::vector<std::string> bodies;
    std::string planet = "Nitchevo";
    for (const std::string& raw : linesOf(path)) {
        const std::string line = ClearComments(raw);
        const auto eq = line.find('=');
        const std::string value = eq == std::string::npos ? trim(line) : trim(line.substr(eq + 1));
        if (startsWith(line, "Planet")) {
            planet = value;
            bodies.push_back(planet);
        }
        if (startsWith(line, planet))
            bodies.push_back("   " + value);
    }
    return bodies;
}

void readBases(Catalogue& cat, const std::string& body) {
    for (const std::string& raw : linesOf(configFolder() + body + ".cfg")) {
        const std::string line = ClearComments(raw);
        if (!equalsIgnoringCase(trim(left(line, 4)), "Base"))
            continue;
        const std::string value = trim(line.substr(line.find('=') + 1));
        const auto blank = value.find(' ');
        ASSERT_NE(blank, std::string::npos) << body << ": a base line needs its position: " << raw;
        const std::string word = value.substr(0, blank);
        const std::string file = configFolder() + word + ".cfg";
        ASSERT_TRUE(platform::fileExists(file)) << body << " names a missing base " << word;
        Base base{0, word};
        for (const std::string& baseRaw : linesOf(file)) {
            const std::string baseLine = upper(trim(ClearComments(baseRaw)));
            if (startsWith(baseLine, "LPAD"))
                ++base.pads;
            if (startsWith(baseLine, "NAME"))
                base.name = trim(right(trim(ClearComments(baseRaw)), baseLine.size() - 6));
        }
        cat.bases[body][word] = base;
    }
}

// The catalogue as the start-up scan finds it, with the sample's own rules on top: one key line
// per file and class files named after their class.
Catalogue scanCatalogue() {
    Catalogue cat;
    for (const std::string& file : platform::listFiles(configFolder(), "*.cfg")) {
        const std::string path = configFolder() + file;
        const std::string stem = file.substr(0, file.size() - 4);
        int star = 0, names = 0, classNames = 0, dockLists = 0, meshNames = 0;
        std::string systemName, className;
        int docks = 0, inside = 0;
        for (const std::string& raw : linesOf(path)) {
            const std::string line = trim(raw);
            star += startsWith(line, "Star1");
            if (startsWith(line, "Name")) {
                ++names;
                systemName = dropLeft(line, 7);
            }
            if (startsWith(line, "ClassName")) {
                ++classNames;
                className = dropLeft(line, 12);
            }
            dockLists += startsWith(line, "BEGIN_DOCKLIST");
            if (startsWith(line, "Meshname")) {
                ++meshNames;
                EXPECT_GE(line.size(), 11u) << file;
            }
            docks += inside;
            if (upper(line) == "BEGIN_DOCKLIST")
                inside = 1;
            if (upper(line) == "END_DOCKLIST")
                inside = 0;
        }
        EXPECT_LE(star + (classNames > 0) + (dockLists > 0), 1) << file << " is of two kinds";
        if (star) {
            EXPECT_EQ(star, 1) << file;
            EXPECT_EQ(names, 1) << file << " must name its system once";
            EXPECT_EQ(systemName.find(';'), std::string::npos) << file << ": no comment after Name";
            cat.systems[systemName] = bodyList(path);
        }
        if (classNames) {
            EXPECT_EQ(classNames, 1) << file;
            EXPECT_EQ(className, stem) << "a ship class file is named after its class";
            cat.shipClasses.insert(className);
        }
        if (dockLists) {
            EXPECT_EQ(dockLists, 1) << file;
            EXPECT_EQ(meshNames, 1) << file;
            cat.stationDocks[stem] = docks - 1;
        }
    }
    for (const auto& [system, bodies] : cat.systems)
        for (const std::string& body : bodies)
            readBases(cat, trim(body));
    return cat;
}

const Catalogue& catalogue() {
    static const Catalogue cat = scanCatalogue();
    return cat;
}

// Every file below a folder, with its path.
void collectFiles(const std::string& folder, std::vector<std::string>& out) {
    for (const std::string& name : platform::listFiles(folder, "*"))
        out.push_back(folder + "/" + name);
    for (const std::string& sub : platform::listFolders(folder))
        collectFiles(folder + "/" + sub, out);
}

std::vector<std::string> scenarioFiles() {
    std::vector<std::string> all, scenarios;
    collectFiles(scenarioFolder(), all);
    for (const std::string& path : all)
        if (platform::matchesPattern(path, "*.scn"))
            scenarios.push_back(path);
    return scenarios;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at <= text.size()) {
        const size_t blank = std::min(text.find(' ', at), text.size());
        out.push_back(text.substr(at, blank - at));
        at = blank + 1;
    }
    return out;
}

std::vector<std::string> splitAt(const std::string& text, char mark) {
    std::vector<std::string> out;
    size_t at = 0;
    for (size_t next; (next = text.find(mark, at)) != std::string::npos; at = next + 1)
        out.push_back(text.substr(at, next - at));
    out.push_back(text.substr(at));
    return out;
}

TEST(SampleInstallation, OrbiterCfgPointsAtTheConfigurationAndScenarioFolders) {
    std::string configDir, scenarioDir;
    const auto fields = platform::readFields(kRoot + "/orbiter.cfg");
    ASSERT_TRUE(fields);
    for (const std::string& field : *fields) {
        const std::string clean = ClearComments(field);
        if (startsWith(clean, "ConfigDir"))
            configDir = dropLeft(clean, 13);
        if (startsWith(clean, "ScenarioDir"))
            scenarioDir = dropLeft(clean, 15);
    }
    EXPECT_EQ(configDir, "\\Config\\");
    EXPECT_EQ(scenarioDir, "\\Scenarios\\");
    EXPECT_TRUE(platform::folderExists(kRoot + platform::nativeSeparators(configDir)));
    EXPECT_TRUE(platform::folderExists(kRoot + platform::nativeSeparators(scenarioDir)));
}

TEST(SampleInstallation, EveryFileEndsEachLineWithCrLf) {
    std::vector<std::string> files;
    collectFiles(kRoot, files);
    ASSERT_GT(files.size(), 40u);
    for (const std::string& path : files) {
        const std::string bytes = *platform::readFile(path);
        ASSERT_GE(bytes.size(), 2u) << path;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << path << " must end with a line end";
        for (size_t i = 0; i < bytes.size(); ++i) {
            const bool lone_cr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
            const bool lone_lf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
            ASSERT_FALSE(lone_cr || lone_lf) << path << " has a bare line end at byte " << i;
            ASSERT_TRUE(bytes[i] == '\r' || bytes[i] == '\n' || (bytes[i] >= 32 && bytes[i] < 127))
                << path << " holds a byte outside printable ASCII at " << i;
        }
    }
}

TEST(SampleInstallation, CatalogueOffersTwoSystemsFourShipsAndThreeStationClasses) {
    const Catalogue& cat = catalogue();
    ASSERT_EQ(cat.systems.size(), 2u);
    EXPECT_EQ(cat.systems.at("Sol"),
              (std::vector<std::string>{"Mercury", "Venus", "Earth", "   Moon", "Mars", "   Phobos",
                                        "   Deimos"}));
    EXPECT_TRUE(cat.systems.count("Corvan"));
    EXPECT_EQ(cat.shipClasses.size(), 4u);
    EXPECT_EQ(cat.stationDocks, (std::map<std::string, int>{{"Beacon", 1}, {"Drydock", 12}, {"Outpost", 4}}));
}

TEST(SampleInstallation, EveryBodyHasItsPhysicalValuesAndItsBasesTheirPads) {
    const Catalogue& cat = catalogue();
    for (const auto& [system, bodies] : cat.systems) {
        ASSERT_GE(bodies.size(), 3u) << system;
        for (const std::string& entry : bodies) {
            const std::string body = trim(entry);
            const std::string file = configFolder() + body + ".cfg";
            ASSERT_TRUE(platform::fileExists(file)) << system << " names a missing body " << body;
            for (const char* key : {"Mass", "Size", "SidRotPeriod"}) {
                const std::string field = lookup(file, key);
                EXPECT_TRUE(startsWith(field, std::string(key) + " = ")) << body << ": " << field;
                EXPECT_NE(bodyValue(body, key), 0) << body << " " << key;
            }
            const std::string atmosphere = lookup(file, "AtmAltLimit");
            EXPECT_TRUE(atmosphere == "No Data" || startsWith(atmosphere, "AtmAltLimit = ")) << body;
        }
    }
    int bodiesWithSeveralBases = 0, largest = 0;
    for (const auto& [body, bases] : cat.bases) {
        bodiesWithSeveralBases += bases.size() > 1;
        for (const auto& [word, base] : bases) {
            EXPECT_EQ(base.name, word) << "a base is shown and landed on by its file name";
            EXPECT_GT(base.pads, 0) << word;
            largest = std::max(largest, base.pads);
        }
    }
    EXPECT_GE(bodiesWithSeveralBases, 2);
    EXPECT_EQ(largest, 12);
}

TEST(SampleInstallation, FoldersCarryDescriptionsAndTheProtectedFilesExist) {
    EXPECT_TRUE(platform::fileExists(scenarioFolder() + "/(Current state).scn"));
    EXPECT_TRUE(platform::fileExists(scenarioFolder() + "/(Quicksave state).scn"));
    std::vector<std::string> folders{scenarioFolder()};
    int deepest = 0;
    for (size_t i = 0; i < folders.size(); ++i) {
        const std::string folder = folders[i];
        const auto lines = linesOf(folder + "/description.txt");
        ASSERT_GE(lines.size(), 3u) << folder << " needs a description";
        EXPECT_EQ(lines.front(), "BEGIN_DESC") << folder;
        EXPECT_EQ(lines.back(), "END_DESC") << folder;
        const auto depth = std::count(folder.begin() + scenarioFolder().size(), folder.end(), '/');
        deepest = std::max<int>(deepest, depth);
        for (const std::string& sub : platform::listFolders(folder))
            folders.push_back(folder + "/" + sub);
    }
    EXPECT_EQ(deepest, 2) << "scenario folders go two levels deep";
}

// What the scenarios of the sample use, so that each keyword is met by some scenario.
struct Coverage {
    std::set<std::string> seen;
    void add(const std::string& what) { seen.insert(what); }
};

struct Station {
    std::string ref;
    int docks = 0;
};

void checkStation(const std::string& file, const std::string& head, const std::vector<std::string>& block,
                  const std::vector<std::string>& bodies, std::map<std::string, Station>& stations,
                  Coverage& cov) {
    const auto parts = splitAt(head, ':');
    ASSERT_EQ(parts.size(), 2u) << file << ": " << head;
    ASSERT_TRUE(catalogue().stationDocks.count(parts[1])) << file << ": unknown station class " << head;
    Station station{"", catalogue().stationDocks.at(parts[1])};
    bool epoch = false, angles = false;
    double a = 0, e = 0;
    for (const std::string& line : block) {
        const std::string t = upper(line);
        if (startsWith(t, "REF")) {
            station.ref = trim(dropLeft(line, 4));
            cov.add("REF");
        } else if (startsWith(t, "EL_MJD")) {
            epoch = IsANumber(dropLeft(line, 7));
            cov.add("EL_MJD");
        } else if (startsWith(t, "ELEMENTS")) {
            std::vector<std::string> values;
            for (const std::string& w : words(dropLeft(line, 9)))
                if (!w.empty())
                    values.push_back(w);
            ASSERT_EQ(values.size(), 6u) << file << ": " << line;
            for (const std::string& v : values)
                EXPECT_TRUE(IsANumber(v)) << file << ": " << line;
            a = leadingNumberValue(values[0]);
            e = leadingNumberValue(values[1]);
            cov.add("ELEMENTS");
        } else if (startsWith(t, "AROT")) {
            angles = true;
            cov.add("station AROT");
        } else if (startsWith(t, "ZROT_FREQ")) {
            cov.add("ZROT_FREQ");
        }
    }
    // The station editor checks the frame angles whatever the frequency, so every station
    // carries them, including those that spin at their own frequency.
    EXPECT_TRUE(epoch && angles) << file << ": " << head;
    bool known = false;
    for (const std::string& body : bodies)
        known = known || trim(body) == station.ref;
    EXPECT_TRUE(known) << file << ": " << head << " orbits " << station.ref;
    if (std::find(bodies.begin(), bodies.end(), "   " + station.ref) != bodies.end())
        cov.add("station around a moon");
    EXPECT_TRUE(e >= 0 && e < 1) << file << ": " << head;
    EXPECT_GT(a * (1 - e), clearance(station.ref)) << file << ": " << head << " dips into " << station.ref;
    EXPECT_TRUE(stations.emplace(parts[0], station).second) << file << ": two stations " << parts[0];
}

void checkShip(const std::string& file, const std::string& head, const std::vector<std::string>& block,
               const std::vector<std::string>& bodies, const std::map<std::string, Station>& stations,
               std::set<std::string>& taken, Coverage& cov) {
    const auto parts = splitAt(head, ':');
    ASSERT_EQ(parts.size(), 2u) << file << ": " << head;
    EXPECT_TRUE(catalogue().shipClasses.count(parts[1])) << file << ": unknown ship class " << head;
    auto isBody = [&](const std::string& name) {
        for (const std::string& body : bodies)
            if (trim(body) == name)
                return true;
        return false;
    };
    std::string status, planet;
    std::vector<std::string> seen;
    for (const std::string& line : block) {
        const std::string t = upper(line);
        const std::vector<std::string> w = words(line);
        if (startsWith(t, "STATUS")) {
            ASSERT_EQ(w.size(), 3u) << file << ": " << line;
            status = w[1];
            planet = w[2];
            if (status == "Docked") {
                const auto dock = splitAt(w[2], ':');
                ASSERT_EQ(dock.size(), 3u) << file << ": " << line;
                planet = dock[0];
                ASSERT_TRUE(stations.count(dock[1])) << file << ": no station " << dock[1];
                const Station& station = stations.at(dock[1]);
                EXPECT_EQ(station.ref, planet) << file << ": " << line;
                const int port = static_cast<int>(leadingNumberValue(dock[2]));
                EXPECT_TRUE(port >= 1 && port <= station.docks) << file << ": " << line;
                EXPECT_TRUE(taken.insert("dock " + dock[1] + ":" + dock[2]).second) << file << ": " << line;
            }
            EXPECT_TRUE(isBody(planet)) << file << ": " << line;
            cov.add("STATUS " + status);
        } else if (startsWith(t, "BASE")) {
            const auto pad = splitAt(dropLeft(line, 5), ':');
            ASSERT_EQ(pad.size(), 2u) << file << ": " << line;
            ASSERT_TRUE(catalogue().bases.count(planet) && catalogue().bases.at(planet).count(pad[0]))
                << file << ": " << pad[0] << " is not a base of " << planet;
            const int number = static_cast<int>(leadingNumberValue(pad[1]));
            EXPECT_TRUE(number >= 1 && number <= catalogue().bases.at(planet).at(pad[0]).pads) << file << ": " << line;
            EXPECT_TRUE(taken.insert("pad " + dropLeft(line, 5)).second) << file << ": " << line;
            cov.add("BASE");
        } else if (startsWith(t, "HEADING") || startsWith(t, "FUEL") || startsWith(t, "VROT")) {
            ASSERT_GE(w.size(), 2u) << file << ": " << line;
            EXPECT_TRUE(IsANumber(w[1])) << file << ": " << line;
            cov.add(w[0]);
        } else if (startsWith(t, "RPOS") || startsWith(t, "RVEL") || startsWith(t, "AROT")) {
            ASSERT_EQ(w.size(), 4u) << file << ": " << line;
            for (int i = 1; i < 4; ++i)
                EXPECT_TRUE(IsANumber(w[i])) << file << ": " << line;
            if (w[0] == "RPOS") {
                const double r = std::hypot(leadingNumberValue(w[1]), leadingNumberValue(w[2]),
                                            leadingNumberValue(w[3]));
                EXPECT_GT(r, clearance(planet)) << file << ": " << head << " is inside " << planet;
            }
            cov.add(w[0] == "AROT" ? "ship AROT" : w[0]);
        } else if (startsWith(t, "ENGINE_MAIN") || startsWith(t, "ENGINE_HOVR")) {
            cov.add(w[0]);
        } else {
            EXPECT_FALSE(startsWithIgnoringCase(line, parts[0])) << file << ": " << line;
            cov.add("extra line");
        }
        seen.push_back(w[0]);
    }
    auto has = [&](const char* key) { return std::find(seen.begin(), seen.end(), key) != seen.end(); };
    if (status == "Landed")
        EXPECT_TRUE(has("BASE") && has("HEADING")) << file << ": " << head;
    else if (status == "Orbiting")
        EXPECT_TRUE(has("RPOS") && has("RVEL") && has("AROT")) << file << ": " << head;
    else
        EXPECT_EQ(status, "Docked") << file << ": " << head;
}

TEST(SampleInstallation, ScenariosNameOnlyWhatTheCatalogueHolds) {
    const auto files = scenarioFiles();
    ASSERT_GE(files.size(), 8u);
    Coverage cov;
    for (const std::string& file : files) {
        const auto raw = linesOf(file);
        ASSERT_FALSE(raw.empty());
        EXPECT_EQ(raw.front(), "BEGIN_DESC") << file;

        const std::string date = lookup(file, "Date");
        const std::string kind = trim(date.substr(5, 3));
        EXPECT_TRUE(kind == "MJD" || kind == "JD" || kind == "JE") << file << ": " << date;
        EXPECT_EQ(words(date).size(), 3u) << file << ": one blank between the date's words";
        EXPECT_TRUE(IsANumber(words(date).back())) << file << ": " << date;
        cov.add("Date " + kind);

        const std::string system = dropLeft(lookup(file, "System"), 7);
        ASSERT_TRUE(catalogue().systems.count(system)) << file << ": unknown system " << system;
        const auto& bodies = catalogue().systems.at(system);
        const std::string focus = dropLeft(lookup(file, "Ship"), 5);

        std::map<std::string, Station> stations;
        std::set<std::string> ships, taken;
        std::string section, head;
        std::vector<std::string> block;
        for (const std::string& rawLine : raw) {
            if (rawLine.find(';') != std::string::npos)
                cov.add("comment");
            const std::string line = trim(ClearComments(rawLine));
            const std::string t = upper(line);
            if (section.empty()) {
                if (t == "BEGIN_STATIONS" || t == "BEGIN_SHIPS")
                    section = t;
                continue;
            }
            if (t == "END_STATIONS" || t == "END_SHIPS") {
                EXPECT_TRUE(head.empty()) << file << ": a block has no END";
                section.clear();
            } else if (head.empty()) {
                // Whatever follows the section start or an END is taken for a block head.
                ASSERT_NE(line.find(':'), std::string::npos) << file << ": not a head: " << rawLine;
                ASSERT_EQ(rawLine, line) << file << ": a head has no blanks around it";
                head = line;
                block.clear();
            } else if (t == "END") {
                if (section == "BEGIN_STATIONS") {
                    checkStation(file, head, block, bodies, stations, cov);
                } else {
                    checkShip(file, head, block, bodies, stations, taken, cov);
                    ships.insert(splitAt(head, ':')[0]);
                }
                head.clear();
            } else {
                ASSERT_FALSE(line.empty()) << file << ": an empty line inside " << head;
                block.push_back(line);
            }
        }
        EXPECT_TRUE(section.empty()) << file << ": " << section << " is not closed";
        EXPECT_TRUE(ships.count(focus)) << file << ": the focus " << focus << " is not a ship";
    }
    for (const char* what : {"Date MJD", "Date JD", "Date JE", "REF", "EL_MJD", "ELEMENTS", "ZROT_FREQ",
                             "station AROT", "station around a moon", "STATUS Landed", "STATUS Orbiting",
                             "STATUS Docked", "BASE", "HEADING", "RPOS", "RVEL", "ship AROT", "VROT", "FUEL",
                             "ENGINE_MAIN", "ENGINE_HOVR", "extra line", "comment"})
        EXPECT_TRUE(cov.seen.count(what)) << "no sample scenario uses " << what;
}

} // namespace
} // namespace vantrel
