#include "core/catalogue/Catalogue.h"

#include "core/catalogue/OrbiterFolderSearch.h"
#include "core/document/NumberText.h"
#include "core/document/TextHelpers.h"
#include "core/editing/SelectionTrees.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/tools/PlanetarySystemInformation.h"
#include "core/ui/Vantrel.h"
#include "core/ui/Windows.h"

#include <filesystem>
#include <set>

namespace vantrel {

namespace {

const char* const NoData = "No Data";
const char* const OrbiterConfigName = "orbiter.cfg";
// A planet name no body has: no line counts as a moon before the first planet line.
const char* const NoPlanetYet = "Nitchevo";
const char* const MoonIndent = "   ";

bool isAbsolute(const std::string& path) { return std::filesystem::path(path).is_absolute(); }

// The text after the first "=", trimmed; the whole text trimmed when it holds no "=".
std::string valueAfterEquals(const std::string& line) {
    const size_t eq = line.find('=');
    return trim(eq == std::string::npos ? std::string_view(line) : std::string_view(line).substr(eq + 1));
}

// A number as the tables store it: one leading blank unless it is negative.
std::string numberText(long long n) { return (n < 0 ? "" : " ") + std::to_string(n); }

} // namespace

Catalogue::Catalogue(Vantrel& main) : w_(main) {}

// ---------------------------------------------------------------------------------------------
// Files and paths

std::string Catalogue::absoluteFolder(const std::string& folder) const {
    if (folder.empty() || isAbsolute(folder))
        return folder;
    return w_.cat.StartFolder + folder;
}

std::string Catalogue::resolveFile(const std::string& FileName) const {
    if (FileName.empty())
        return FileName;
    std::string path = FileName;
    if (!isAbsolute(path) && !w_.cat.currentFolder.empty())
        path = platform::withTrailingSeparator(w_.cat.currentFolder) + path;
    return platform::resolveIgnoringCase(path);
}

std::shared_ptr<const std::vector<std::string>> Catalogue::linesOf(const std::string& path) {
    auto read = [this, &path]() -> std::shared_ptr<const std::vector<std::string>> {
        auto lines = platform::readLines(resolveFile(path));
        if (!lines)
            return nullptr;
        return std::make_shared<const std::vector<std::string>>(std::move(*lines));
    };
    if (!caching_)
        return read();
    auto it = cache_.find(path);
    if (it == cache_.end())
        it = cache_.emplace(path, read()).first;
    return it->second;
}

void Catalogue::logUnreadable(const std::string& path) { w_.model.logScanError("Can not open the file " + path + ". "); }

// ---------------------------------------------------------------------------------------------
// Configuration lookup

std::string Catalogue::GetData(const std::string& FileName, const std::string& Flag) {
    std::string result = NoData;
    auto fields = platform::readFields(resolveFile(FileName));
    if (!fields) {
        logUnreadable(FileName);
        return result;
    }
    for (const std::string& raw : *fields) {
        std::string field = ClearComments(trim(raw));
        if (startsWithIgnoringCase(field, Flag))
            result = std::move(field);
    }
    return result;
}

void Catalogue::FindData(const std::string& Flag1, const std::string& Flag2) {
    auto& s = w_.state;
    s.Buffer.clear();
    s.NBuffer.clear();
    firstValues_.clear();
    const std::string folder = s.CfgDir.caption();
    const std::string key1 = trim(Flag1);
    const std::string key2 = trim(Flag2);

    for (const std::string& name : s.BufferList.names()) {
        auto lines = linesOf(folder + name);
        if (!lines) {
            logUnreadable(folder + name);
            continue;
        }
        for (const std::string& line : *lines)
            if (startsWith(trim(line), key1))
                s.Buffer.addItem(name);
    }

    // Buffer is not changed below, so its entries can be walked directly.
    const std::vector<std::string> files = s.Buffer.items();
    for (const std::string& name : files) {
        std::optional<std::string> first;
        if (auto lines = linesOf(folder + name)) {
            for (const std::string& line : *lines) {
                const std::string trimmed = trim(line);
                if (!startsWith(trimmed, key2))
                    continue;
                if (trimmed.size() < Flag2.size() + 3) {
                    logUnreadable(folder + name);
                    break;
                }
                std::string value = dropLeft(trimmed, Flag2.size() + 3);
                if (!first)
                    first = value;
                s.NBuffer.addItem(std::move(value));
            }
        } else {
            logUnreadable(folder + name);
        }
        firstValues_.push_back(std::move(first));
    }
}

std::vector<Catalogue::FileValue> Catalogue::distinctFileValues() const {
    std::vector<FileValue> result;
    std::set<std::string> seen;
    const auto& files = w_.state.Buffer.items();
    for (size_t i = 0; i < files.size(); ++i) {
        if (!seen.insert(files[i]).second)
            continue;
        result.push_back(FileValue{files[i], i < firstValues_.size() ? firstValues_[i] : std::nullopt});
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Start-up

void Catalogue::Form_Load() {
    auto& cat = w_.cat;
    startupSucceeded_ = false;
    orbiterFolderCurrent_ = false;
    cache_.clear();

    const std::string start = w_.options.startFolder.empty() ? platform::currentFolder() : w_.options.startFolder;
    cat.StartFolder = platform::withTrailingSeparator(start);
    cat.currentFolder = start;

    auto fillNumbers = [](ui::ListControl& list, int last) {
        list.clear();
        for (int i = 0; i <= last; ++i)
            list.addItem(std::to_string(i));
    };
    fillNumbers(w_.env.Hour, 23);
    fillNumbers(w_.stationTab.StationOrbitalRefHour, 23);
    fillNumbers(w_.env.Minute, 59);
    fillNumbers(w_.stationTab.StationOrbitalRefMin, 59);

    cat.StartFolderPath = cat.StartFolder;
    OrbiterFolderLocation();

    // Each configuration file is read once; the scan's several passes are passes over memory.
    bool ok = false;
    {
        ui::BusyPointer busy(w_.services.screen);
        caching_ = true;
        ok = runStartupScan();
        caching_ = false;
        cache_.clear();
    }

    if (ok)
        startupSucceeded_ = true;
    else
        startupFailed();
}

void Catalogue::startupFailed() {
    w_.services.dialogs.msgBox(FolderNotLocatedMessage, ui::MsgInformation, "Warning");
    w_.menu.Menu12.setEnabled(false);
    w_.menu.Menu11.setEnabled(false);
}

bool Catalogue::runStartupScan() {
    auto& cat = w_.cat;
    auto& s = w_.state;

    if (!readOrbiterConfiguration())
        return false;
    const std::string folder = absoluteFolder(cat.OrbiterFolder);
    s.CfgDir.setCaption(folder + cat.ConfigDir);
    s.ScnDir.setCaption(folder + cat.ScenarioDir);
    s.BufferList.setPattern("*.cfg");

    // The folder in use is remembered for the next start. A settings file that cannot be
    // written loses nothing (the folder it would hold is the one just read or validated), so
    // the start-up goes on.
    if (!w_.options.orbiterFolder)
        platform::writeFileAtomically(cat.StartFolder + SettingsFileName, cat.OrbiterFolder + "\r\n");

    s.BufferList.setPath(s.CfgDir.caption());

    // A system or class file with two name lines, or none, must not shift the names of the
    // files after it: each file is listed once, with the first name it holds.
    FindData("Star1", "Name");
    s.PlanetarySystemFile.clear();
    w_.env.PlanetarySystem.clear();
    for (const auto& [file, value] : distinctFileValues()) {
        if (!value)
            continue;
        w_.env.PlanetarySystem.addItem(*value);
        s.PlanetarySystemFile.addItem(file);
    }

    s.BufferList.setPattern("*.cfg");
    s.BufferList.setPath(s.CfgDir.caption());
    FindData("ClassName", "ClassName");
    s.SpacecraftFile.clear();
    w_.shipTab.Spacecraft.clear();
    for (const auto& [file, value] : distinctFileValues()) {
        if (!value)
            continue;
        w_.shipTab.Spacecraft.addItem(*value);
        s.SpacecraftFile.addItem(file);
    }

    s.BufferList.setPattern("*.cfg");
    s.BufferList.setPath(s.CfgDir.caption());
    FindData("BEGIN_DOCKLIST", "Meshname");
    w_.stationTab.StationClass.clear();
    for (const auto& fv : distinctFileValues())
        w_.stationTab.StationClass.addItem(left(fv.file, fv.file.size() - 4));

    StationDockScan();

    if (w_.stationTab.StationClass.listCount() == 0)
        return false;
    w_.stationTab.StationClass.setListIndex(0);

    w_.env.PlanetarySystem.setEnabled(false);
    w_.menu.Menu12.setEnabled(true);
    w_.menu.Menu11.setEnabled(true);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Installation location

bool Catalogue::readSettingsFile() {
    auto lines = platform::readLines(w_.cat.StartFolder + SettingsFileName);
    if (!lines || lines->empty())
        return false;
    w_.cat.OrbiterFolder = platform::nativeSeparators(ClearComments(lines->front()));
    return true;
}

bool Catalogue::makeOrbiterFolderCurrent() {
    const std::string folder = absoluteFolder(w_.cat.OrbiterFolder);
    if (folder.empty() || !platform::folderExists(folder))
        return false;
    w_.cat.currentFolder = platform::normalPath(folder);
    orbiterFolderCurrent_ = true;
    return true;
}

void Catalogue::OrbiterFolderLocation() {
    auto& cat = w_.cat;
    orbiterFolderCurrent_ = false;
    if (w_.options.orbiterFolder) {
        cat.OrbiterFolder = platform::nativeSeparators(*w_.options.orbiterFolder);
        makeOrbiterFolderCurrent();
        return;
    }

    if (readSettingsFile() && makeOrbiterFolderCurrent() && platform::readFile(resolveFile(OrbiterConfigName)))
        return;

    auto& search = w_.windows().orbiterFolderSearch();
    w_.services.screen.showModal(search);
    // Closed without Validate: the window goes as a closed window does, and opens afresh later.
    if (search.loaded())
        w_.services.screen.unload(search);
    cat.currentFolder = platform::normalPath(cat.StartFolderPath);
    orbiterFolderCurrent_ = false;
    // A folder named by the new settings file that cannot be used leaves the working folder
    // where it is; the start-up then reports the folder as not located.
    if (platform::fileExists(cat.StartFolderPath + SettingsFileName) && readSettingsFile())
        makeOrbiterFolderCurrent();
}

bool Catalogue::readOrbiterConfiguration() {
    // Without a simulator folder, an "orbiter.cfg" that happens to lie in the start folder
    // must not pass for the simulator's.
    if (!orbiterFolderCurrent_)
        return false;
    auto fields = platform::readFields(resolveFile(OrbiterConfigName));
    if (!fields)
        return false;
    auto& cat = w_.cat;
    for (const std::string& raw : *fields) {
        const std::string field = ClearComments(raw);
        if (startsWith(field, "ConfigDir")) {
            if (field.size() < 13)
                return false;
            cat.ConfigDir = platform::nativeSeparators(dropLeft(field, 13));
        }
        if (startsWith(field, "ScenarioDir")) {
            if (field.size() < 15)
                return false;
            cat.ScenarioDir = platform::nativeSeparators(dropLeft(field, 15));
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Station classes

void Catalogue::StationDockScan() {
    auto& cat = w_.cat;
    std::vector<std::string> files;
    std::set<std::string> seen;
    for (const std::string& entry : w_.state.Buffer.items())
        if (seen.insert(entry).second)
            files.push_back(entry);

    cat.StationClassCount = static_cast<int>(files.size());
    if (cat.StationClassCount == 0)
        return;
    cat.StationClassNames.assign(files.size() + 1, std::string());
    cat.StationClassDockCounts.assign(files.size() + 1, std::string());
    const std::string folder = w_.state.CfgDir.caption();
    for (size_t i = 0; i < files.size(); ++i) {
        cat.StationClassNames[i] = left(files[i], files[i].size() >= 4 ? files[i].size() - 4 : 0);
        long long counter = 0;
        if (auto lines = linesOf(folder + files[i])) {
            int inside = 0;
            for (const std::string& line : *lines) {
                counter += inside;
                const std::string key = upper(trim(line));
                if (key == "BEGIN_DOCKLIST")
                    inside = 1;
                if (key == "END_DOCKLIST")
                    inside = 0;
            }
        } else {
            logUnreadable(folder + files[i]);
        }
        cat.StationClassDockCounts[i] = numberText(counter - 1);
    }
}

int Catalogue::StationDockNumberDisplay(const std::string& sn) const {
    const auto& cat = w_.cat;
    int result = 0;
    const std::string wanted = trim(sn);
    for (int i = 0; i < cat.StationClassCount && i < static_cast<int>(cat.StationClassNames.size()); ++i)
        if (equalsIgnoringCase(trim(cat.StationClassNames[i]), wanted))
            result = static_cast<int>(roundHalfEven(leadingNumberValue(cat.StationClassDockCounts[i])));
    return result;
}

// ---------------------------------------------------------------------------------------------
// Planetary systems and bases

void Catalogue::ExtractPlanet(const std::string& FileName) {
    auto& s = w_.state;
    s.Buffer.clear();
    s.NBuffer.clear();

    std::string planet = NoPlanetYet;
    if (auto lines = linesOf(FileName)) {
        for (const std::string& raw : *lines) {
            const std::string line = ClearComments(raw);
            if (startsWith(line, "Planet")) {
                planet = valueAfterEquals(line);
                s.Buffer.addItem(planet);
            }
            if (startsWith(line, planet))
                s.Buffer.addItem(MoonIndent + valueAfterEquals(line));
        }
    } else {
        logUnreadable(FileName);
    }

    auto& planetList = w_.windows().planetarySystemInformation().Planet;
    for (ui::ListControl* list : {static_cast<ui::ListControl*>(&w_.stationTab.StationRef),
                                  static_cast<ui::ListControl*>(&w_.shipTab.OrbitingRef),
                                  static_cast<ui::ListControl*>(&planetList)}) {
        list->clear();
        for (const std::string& body : s.Buffer.items())
            list->addItem(body);
    }
    // The information window starts on the third body (the Earth of the solar system); a
    // smaller system starts on its first body.
    if (planetList.listCount() >= 3)
        planetList.setListIndex(2);
    else if (planetList.listCount() > 0)
        planetList.setListIndex(0);
}

void Catalogue::BaseUpDate() {
    auto& s = w_.state;
    auto& cat = w_.cat;
    const std::string folder = s.CfgDir.caption();
    s.Transit.clear();

    for (const std::string& entry : w_.stationTab.StationRef.items()) {
        const std::string bodyName = trim(entry);
        const std::string bodyFile = folder + bodyName + ".cfg";
        auto bodyLines = linesOf(bodyFile);
        if (!bodyLines) {
            logUnreadable(bodyFile);
            continue;
        }
        for (const std::string& raw : *bodyLines) {
            const std::string line = ClearComments(raw);
            if (upper(trim(left(line, 4))) != "BASE")
                continue;
            const std::string value = valueAfterEquals(line);
            const size_t blank = value.find(' ');
            if (blank == std::string::npos) {
                logUnreadable(bodyFile);
                break;
            }
            const std::string word = value.substr(0, blank);
            auto baseLines = linesOf(folder + word + ".cfg");
            if (!baseLines) {
                // The log names the body's file: that is where the base is listed.
                logUnreadable(bodyFile);
                break;
            }
            std::string displayName = word;
            long long padCount = 0;
            for (const std::string& baseRaw : *baseLines) {
                const std::string stripped = ClearComments(baseRaw);
                const std::string trimmed = trim(stripped);
                const std::string key = upper(trimmed);
                if (startsWith(key, "LPAD"))
                    ++padCount;
                // A "Name" line too short to hold a name leaves the name as it was.
                if (startsWith(key, "NAME") && stripped.size() >= 6)
                    displayName = right(trimmed, stripped.size() - 6);
            }
            s.Transit.addItem(displayName + ":" + numberText(padCount) + ":" + bodyName);
        }
    }

    cat.BaseCount = s.Transit.listCount();
    cat.BaseTable = s.Transit.items();
    cat.BaseTable.emplace_back();
    w_.trees().BaseTreeUpdate();
}

} // namespace vantrel
