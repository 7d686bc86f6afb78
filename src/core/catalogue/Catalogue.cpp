#include "core/catalogue/Catalogue.h"

#include "core/catalogue/ConfigFiles.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace vantrel {

namespace {

const char* const OrbiterConfigName = "orbiter.cfg";
const char* const VesselsFolder = "Vessels";
// A planet name no body has: no line counts as a moon before the first planet line.
const char* const NoPlanetYet = "Nitchevo";
const char* const MoonIndent = "   ";

// The text after the first "=", trimmed; the whole text trimmed when it holds no "=".
std::string valueAfterEquals(const std::string& line) {
    const size_t eq = line.find('=');
    return trim(eq == std::string::npos ? std::string_view(line) : std::string_view(line).substr(eq + 1));
}

// Blanks and tabs off both ends: today's files indent with tabs.
std::string trimWhite(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string firstWord(const std::string& line) {
    const std::string t = trimWhite(line);
    return t.substr(0, t.find_first_of(" \t"));
}

std::string withoutCfg(const std::string& name) { return left(name, name.size() >= 4 ? name.size() - 4 : 0); }

// The sub-folder of a folder named ignoring letter case (copies from Windows), or none.
std::optional<std::string> subFolder(const std::string& folder, const std::string& name) {
    const std::string exact = platform::withTrailingSeparator(folder) + name;
    if (platform::folderExists(exact))
        return exact;
    for (const std::string& sub : platform::listFolders(folder))
        if (equalsIgnoringCase(sub, name))
            return platform::withTrailingSeparator(folder) + sub;
    return std::nullopt;
}

// A folder given relative to another, "\" or "/" between its parts, each part found ignoring case.
std::optional<std::string> relativeFolder(const std::string& folder, const std::string& relative) {
    std::string path = folder;
    std::string part;
    const std::string parts = platform::nativeSeparators(relative) + platform::separatorText();
    for (char c : parts) {
        if (c != platform::separator()) {
            part += c;
            continue;
        }
        if (part.empty() || part == ".") {
            part.clear();
            continue;
        }
        auto next = subFolder(path, part);
        if (!next)
            return std::nullopt;
        path = *next;
        part.clear();
    }
    return path;
}

// Every ".cfg" file under a folder, sub-folders included, as paths relative to it with the native
// separator, each folder's files in name order (ignoring case) before its sub-folders.
void collectClassFiles(const std::string& folder, const std::string& prefix, std::vector<std::string>& out) {
    for (const std::string& file : platform::listFiles(folder, "*.cfg"))
        out.push_back(prefix + file);
    for (const std::string& sub : platform::listFolders(folder))
        collectClassFiles(platform::withTrailingSeparator(folder) + sub, prefix + sub + platform::separatorText(),
                          out);
}

// A class's name below the Vessels folder: its path without ".cfg", "\" between folders, as the
// simulator's scenarios name it.
std::string className(const std::string& relative) {
    std::string name = withoutCfg(relative);
    std::replace(name.begin(), name.end(), platform::separator(), '\\');
    return name;
}

// Sorts a class list by the name its file gives, keeping the first of names equal ignoring case.
template <typename Entry, typename Key>
void sortByFileName(std::vector<Entry>& list, Key key) {
    std::stable_sort(list.begin(), list.end(),
                     [&key](const Entry& a, const Entry& b) { return platform::nameLess(key(a), key(b)); });
}

bool sameName(const std::string& a, const std::string& b) { return equalsIgnoringCase(trim(a), trim(b)); }

// The classic line rules (a line ends at CR LF, LF or CR), over the bytes as read.
template <typename Each>
void forEachLine(std::string_view text, Each each) {
    size_t start = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            each(text.substr(start, i - start));
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        each(text.substr(start));
}

std::string_view trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isKey(std::string_view trimmedLine, std::string_view key) {
    return trimmedLine.size() == key.size() &&
           std::equal(key.begin(), key.end(), trimmedLine.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
           });
}

// What one key scan learns of one file: how many lines carry its first key, the first value of
// its second key, and whether a value line was too short to cut (which ends the values).
struct KeyFacts {
    KeyFacts(const char* k, const char* v) : key(k), valueKey(v) {}
    const char* key;
    const char* valueKey;
    int keyLines = 0;
    std::optional<std::string> firstValue;
    bool shortLine = false;

    void line(std::string_view trimmed) {
        if (startsWith(trimmed, key))
            ++keyLines;
        if (shortLine || !startsWith(trimmed, valueKey))
            return;
        const size_t cut = std::string_view(valueKey).size() + 3;
        if (trimmed.size() < cut)
            shortLine = true;
        else if (!firstValue)
            firstValue = std::string(trimmed.substr(cut));
    }
};

// Everything the start-up scan needs from a class or system file, from one walk over its lines.
struct FileFacts {
    bool readable = false;
    KeyFacts systems{"Star1", "Name"};
    KeyFacts classes{"ClassName", "ClassName"};
    KeyFacts stations{"BEGIN_DOCKLIST", "Meshname"};
    long long docks = -1;
    std::optional<std::string> classNameSpelling;
};

FileFacts factsOf(const std::string& path) {
    FileFacts f;
    const auto bytes = platform::readFile(path);
    if (!bytes)
        return f;
    f.readable = true;
    long long counter = 0;
    int inside = 0;
    forEachLine(*bytes, [&](std::string_view raw) {
        counter += inside;
        const std::string_view t = trimBlanks(raw);
        if (t.empty())
            return;
        // Every key this walk looks for begins with one of these letters, in this case.
        switch (t.front()) {
        case 'S':
        case 'N':
        case 'C':
        case 'B':
        case 'M':
            f.systems.line(t);
            f.classes.line(t);
            f.stations.line(t);
            if (!f.classNameSpelling && startsWith(t, "ClassName"))
                f.classNameSpelling = trimWhite(configValue(ClearComments(std::string(t))));
            break;
        default:
            break;
        }
        if (isKey(t, "BEGIN_DOCKLIST"))
            inside = 1;
        else if (isKey(t, "END_DOCKLIST"))
            inside = 0;
    });
    f.docks = counter - 1;
    return f;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Configuration values

std::string configValue(const std::string& field) {
    const size_t eq = field.find('=');
    return eq == std::string::npos ? std::string() : field.substr(eq + 1);
}

std::optional<std::vector<std::string>> configFields(const std::string& path) {
    auto fields = platform::readFields(platform::resolveIgnoringCase(path));
    if (!fields)
        return std::nullopt;
    for (std::string& field : *fields)
        field = ClearComments(trim(field));
    return fields;
}

std::optional<std::string> lastField(const std::vector<std::string>& fields, const std::string& key) {
    std::optional<std::string> result;
    for (const std::string& field : fields)
        if (startsWithIgnoringCase(field, key))
            result = field;
    return result;
}

std::optional<std::string> configField(const std::string& path, const std::string& key, UnreadableFiles& unreadable) {
    const auto fields = configFields(path);
    if (!fields) {
        unreadable.push_back(path);
        return std::nullopt;
    }
    return lastField(*fields, key);
}

// ---------------------------------------------------------------------------------------------
// The simulator folder

std::optional<std::string> simulatorConfigurationFile(const std::string& folder) {
    const auto found = platform::findIgnoringCase(folder, OrbiterConfigName);
    if (!found)
        return std::nullopt;
    const std::string path = platform::withTrailingSeparator(folder) + *found;
    return platform::fileExists(path) ? std::optional<std::string>(path) : std::nullopt;
}

bool isSimulatorFolder(const std::string& folder) {
    if (folder.empty() || !platform::folderExists(folder))
        return false;
    if (simulatorConfigurationFile(folder))
        return true;
    const std::string base = platform::withTrailingSeparator(folder);
    return platform::folderExists(base + "Config") && platform::folderExists(base + "Scenarios");
}

std::optional<InstallationFolders> readInstallationFolders(const std::string& folder) {
    if (!isSimulatorFolder(folder))
        return std::nullopt;
    InstallationFolders result{platform::nativeSeparators("\\Config\\"), platform::nativeSeparators("\\Scenarios\\")};
    const auto file = simulatorConfigurationFile(folder);
    if (!file)
        return result;
    auto fields = platform::readFields(*file);
    if (!fields)
        return std::nullopt;
    // The widths are those of "ConfigDir = ." and "ScenarioDir = .": the simulator writes these
    // entries as ".\Config\", and the tail after the "." is appended to the simulator folder.
    for (const std::string& raw : *fields) {
        const std::string field = ClearComments(raw);
        if (startsWith(field, "ConfigDir")) {
            if (field.size() < 13)
                return std::nullopt;
            result.configDir = platform::nativeSeparators(dropLeft(field, 13));
        }
        if (startsWith(field, "ScenarioDir")) {
            if (field.size() < 15)
                return std::nullopt;
            result.scenarioDir = platform::nativeSeparators(dropLeft(field, 15));
        }
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Classes

long long countDocks(const std::vector<std::string>& lines) {
    long long counter = 0;
    int inside = 0;
    for (const std::string& line : lines) {
        counter += inside;
        const std::string key = upper(trim(line));
        if (key == "BEGIN_DOCKLIST")
            inside = 1;
        if (key == "END_DOCKLIST")
            inside = 0;
    }
    return counter - 1;
}

Catalogue Catalogue::scan(const std::string& configFolder, UnreadableFiles& unreadable) {
    Catalogue c;
    // Each file is read once and walked once; the three key scans are then told in the order
    // the scan log has always given them: files that cannot be read, then value lines too short
    // to cut (once for each key line of the file).
    const platform::FolderEntries entries = platform::listEntries(configFolder, "*.cfg");
    const std::vector<std::string>& files = entries.files;
    std::vector<FileFacts> facts;
    facts.reserve(files.size());
    for (const std::string& file : files)
        facts.push_back(factsOf(configFolder + file));

    auto keyScan = [&](KeyFacts FileFacts::*which, auto take) {
        for (size_t i = 0; i < files.size(); ++i)
            if (!facts[i].readable)
                unreadable.push_back(configFolder + files[i]);
        for (size_t i = 0; i < files.size(); ++i) {
            const KeyFacts& k = facts[i].*which;
            if (k.shortLine)
                for (int n = 0; n < k.keyLines; ++n)
                    unreadable.push_back(configFolder + files[i]);
        }
        // A system or class file with two name lines, or none, must not shift the names of the
        // files after it: each file is listed once, with the first name it holds.
        for (size_t i = 0; i < files.size(); ++i)
            if (facts[i].readable && (facts[i].*which).keyLines > 0)
                take(files[i], facts[i]);
    };
    keyScan(&FileFacts::systems, [&](const std::string& file, const FileFacts& f) {
        if (f.systems.firstValue)
            c.systems.push_back({*f.systems.firstValue, file});
    });
    keyScan(&FileFacts::classes, [&](const std::string& file, const FileFacts& f) {
        if (f.classes.firstValue)
            c.shipClasses.push_back({*f.classes.firstValue, file});
    });
    keyScan(&FileFacts::stations, [&](const std::string& file, const FileFacts& f) {
        c.stationClasses.push_back({withoutCfg(file), f.docks});
    });

    // Today's classes: every file under Config/Vessels is a ship class; those with a dock list
    // are station classes too. The simulator looks a class up there first, so a name found in
    // both places is this one.
    std::vector<NamedFile> vesselClasses;
    std::vector<StationClassEntry> vesselStations;
    std::optional<std::string> vessels;
    for (const std::string& folder : entries.folders)
        if (folder == VesselsFolder || (!vessels && equalsIgnoringCase(folder, VesselsFolder)))
            vessels = platform::withTrailingSeparator(configFolder) + folder;
    c.vesselsFolder = vessels.has_value();
    if (vessels) {
        std::vector<std::string> relatives;
        collectClassFiles(*vessels, {}, relatives);
        for (const std::string& relative : relatives) {
            const std::string path = platform::withTrailingSeparator(*vessels) + relative;
            const FileFacts f = factsOf(path);
            if (!f.readable) {
                unreadable.push_back(path);
                continue;
            }
            std::string name = className(relative);
            if (f.classNameSpelling && equalsIgnoringCase(*f.classNameSpelling, name))
                name = *f.classNameSpelling;
            vesselClasses.push_back({name, std::string(VesselsFolder) + platform::separatorText() + relative});
            if (f.stations.keyLines > 0)
                vesselStations.push_back({className(relative), f.docks});
        }
    }

    if (!vesselClasses.empty()) {
        std::erase_if(c.shipClasses, [&](const NamedFile& top) {
            return std::any_of(vesselClasses.begin(), vesselClasses.end(),
                               [&](const NamedFile& v) { return sameName(v.name, top.name); });
        });
        c.shipClasses.insert(c.shipClasses.end(), vesselClasses.begin(), vesselClasses.end());
        const std::string vesselsPrefix = std::string(VesselsFolder) + platform::separatorText();
        sortByFileName(c.shipClasses, [&vesselsPrefix](const NamedFile& n) {
            return startsWith(n.file, vesselsPrefix) ? n.file.substr(vesselsPrefix.size()) : n.file;
        });
    }
    if (!vesselStations.empty()) {
        std::erase_if(c.stationClasses, [&](const StationClassEntry& top) {
            return std::any_of(vesselStations.begin(), vesselStations.end(),
                               [&](const StationClassEntry& v) { return sameName(v.name, top.name); });
        });
        c.stationClasses.insert(c.stationClasses.end(), vesselStations.begin(), vesselStations.end());
        sortByFileName(c.stationClasses, [](const StationClassEntry& s) { return s.name; });
    }
    return c;
}

long long Catalogue::docksOf(const std::string& stationClass) const {
    long long result = 0;
    for (const StationClassEntry& s : stationClasses)
        if (sameName(s.name, stationClass))
            result = s.docks;
    return result;
}

const NamedFile* Catalogue::shipClass(const std::string& name) const {
    for (const NamedFile& s : shipClasses)
        if (sameName(s.name, name))
            return &s;
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Bodies and bases

std::vector<std::string> readBodies(const std::string& systemFile, UnreadableFiles& unreadable) {
    std::vector<std::string> bodies;
    auto lines = platform::readLines(platform::resolveIgnoringCase(systemFile));
    if (!lines) {
        unreadable.push_back(systemFile);
        return bodies;
    }
    // "Earth1 = Moon" and "Earth:Moon1 = Moon" both start with the planet's name.
    std::string planet = NoPlanetYet;
    for (const std::string& raw : *lines) {
        const std::string line = ClearComments(raw);
        if (startsWith(line, "Planet")) {
            planet = valueAfterEquals(line);
            bodies.push_back(planet);
        }
        if (startsWith(line, planet))
            bodies.push_back(MoonIndent + valueAfterEquals(line));
    }
    return bodies;
}

namespace {

// "lon lat" in degrees, or nothing when either is not a number.
std::optional<std::pair<double, double>> locationOf(const std::string& value) {
    const std::string text = trimWhite(value);
    const size_t blank = text.find_first_of(" \t");
    if (blank == std::string::npos)
        return std::nullopt;
    const std::optional<double> lon = plainNumberValue(text.substr(0, blank));
    const std::optional<double> lat = plainNumberValue(trimWhite(text.substr(blank)));
    if (!lon || !lat)
        return std::nullopt;
    return std::make_pair(*lon, *lat);
}

// A base file of today's layout ("BASE-V2.0"): its "Name" value and its pads, the LPAD objects of
// its object list, numbered in file order.
BaseEntry readFolderBase(const std::string& file, const std::vector<std::string>& lines, const std::string& body) {
    BaseEntry base{withoutCfg(file), 0, body};
    bool named = false;
    bool inBlock = false;
    bool inObjects = false;
    for (const std::string& raw : lines) {
        const std::string line = trimWhite(ClearComments(raw));
        const std::string key = upper(line);
        if (startsWith(key, "BEGIN_")) {
            inBlock = true;
            inObjects = key == "BEGIN_OBJECTLIST";
            continue;
        }
        if (startsWith(key, "END_")) {
            inBlock = inObjects = false;
            continue;
        }
        if (inObjects && startsWith(upper(firstWord(line)), "LPAD"))
            ++base.pads;
        if (!inBlock && startsWith(key, "LOCATION") && line.find('=') != std::string::npos)
            base.location = locationOf(configValue(line));
        if (!inBlock && !named && startsWith(key, "NAME") && line.find('=') != std::string::npos) {
            const std::string name = trimWhite(configValue(line));
            if (!name.empty()) {
                base.name = name;
                named = true;
            }
        }
    }
    return base;
}

} // namespace

std::vector<BaseEntry> readBases(const std::string& configFolder, const std::vector<std::string>& bodies,
                                 UnreadableFiles& unreadable) {
    LineCache cache;
    return readBases(configFolder, bodies, unreadable, cache);
}

std::vector<BaseEntry> readBases(const std::string& configFolder, const std::vector<std::string>& bodies,
                                 UnreadableFiles& unreadable, LineCache& cache) {
    cache.beginScan();
    std::vector<BaseEntry> result;
    for (const std::string& entry : bodies) {
        const std::string bodyName = trim(entry);
        const std::string bodyFile = configFolder + bodyName + ".cfg";
        const auto* bodyLines = cache.lines(bodyFile);
        if (!bodyLines) {
            unreadable.push_back(bodyFile);
            continue;
        }
        const size_t firstOfBody = result.size();
        bool listed = false;
        std::vector<std::string> folders;
        bool inSurfBase = false;
        for (const std::string& raw : *bodyLines) {
            const std::string line = ClearComments(raw);
            const std::string key = upper(trimWhite(line));
            if (key == "BEGIN_SURFBASE") {
                inSurfBase = true;
                continue;
            }
            if (key == "END_SURFBASE") {
                inSurfBase = false;
                continue;
            }
            if (inSurfBase) {
                if (upper(firstWord(line)) == "DIR") {
                    const std::string rest = trimWhite(trimWhite(line).substr(3));
                    const std::string folder = firstWord(rest);
                    if (!folder.empty())
                        folders.push_back(folder);
                }
                continue;
            }
            if (upper(trim(left(line, 4))) != "BASE")
                continue;
            listed = true;
            const std::string value = valueAfterEquals(line);
            const size_t blank = value.find(' ');
            if (blank == std::string::npos) {
                unreadable.push_back(bodyFile);
                break;
            }
            const std::string word = value.substr(0, blank);
            const auto* baseLines = cache.lines(configFolder + word + ".cfg");
            if (!baseLines) {
                // The log names the body's file: that is where the base is listed.
                unreadable.push_back(bodyFile);
                break;
            }
            std::string displayName = word;
            long long padCount = 0;
            for (const std::string& baseRaw : *baseLines) {
                const std::string stripped = ClearComments(baseRaw);
                const std::string trimmed = trim(stripped);
                const std::string baseKey = upper(trimmed);
                if (startsWith(baseKey, "LPAD"))
                    ++padCount;
                // A "Name" line too short to hold a name leaves the name as it was.
                if (startsWith(baseKey, "NAME") && stripped.size() >= 6)
                    displayName = right(trimmed, stripped.size() - 6);
            }
            result.push_back({displayName, padCount, bodyName});
        }

        // Today's bases live in folders: those the body names, or else its own Base folder.
        std::vector<std::string> paths;
        for (const std::string& folder : folders)
            if (auto path = relativeFolder(configFolder, folder))
                paths.push_back(*path);
        if (!listed && folders.empty())
            if (auto path = relativeFolder(configFolder, bodyName + platform::separatorText() + "Base"))
                paths.push_back(*path);
        for (const std::string& folder : paths) {
            for (const std::string& file : platform::listFiles(folder, "*.cfg")) {
                const std::string path = platform::withTrailingSeparator(folder) + file;
                const auto* lines = cache.lines(path);
                if (!lines) {
                    unreadable.push_back(path);
                    continue;
                }
                BaseEntry base = readFolderBase(file, *lines, bodyName);
                const bool known = std::any_of(result.begin() + static_cast<std::ptrdiff_t>(firstOfBody), result.end(),
                                               [&base](const BaseEntry& b) { return sameName(b.name, base.name); });
                if (!known)
                    result.push_back(std::move(base));
            }
        }
    }
    return result;
}

} // namespace vantrel
