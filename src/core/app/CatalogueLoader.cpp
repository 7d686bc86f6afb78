#include "core/app/CatalogueLoader.h"

#include "core/platform/GccWarnings.h"
#include "core/catalogue/Bodies.h"
#include "core/catalogue/ConfigFiles.h"
#include "core/text/TextHelpers.h"
#include "core/editing/SelectionTrees.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/tools/OrbiterFolderSearch.h"
#include "core/tools/PlanetarySystemInformation.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"

#include <set>

namespace vantrel {

namespace {

bool isAbsolute(const std::string& path) { return platform::isAbsolute(path); }

// A number as the tables store it: one leading blank unless it is negative.
std::string numberText(long long n) {
    VANTREL_STRING_COPY_WARNING_OFF
    return (n < 0 ? "" : " ") + std::to_string(n);
    VANTREL_STRING_COPY_WARNING_ON
}

} // namespace

CatalogueLoader::CatalogueLoader(Vantrel& main) : w_(main) {}

// ---------------------------------------------------------------------------------------------
// Files and paths

std::string CatalogueLoader::absoluteFolder(const std::string& folder) const {
    if (folder.empty() || isAbsolute(folder))
        return folder;
    return w_.cat.StartFolder + folder;
}

// ---------------------------------------------------------------------------------------------
// Configuration lookup

std::string CatalogueLoader::GetData(const std::string& FileName, const std::string& Flag) {
    return w_.GetData(FileName, Flag);
}

void CatalogueLoader::FindData(const std::string& Flag1, const std::string& Flag2) {
    auto& s = w_.state;
    LineCache cache;
    UnreadableFiles unreadable;
    const FoundData found = findData(s.CfgDir.caption(), s.BufferList.names(), Flag1, Flag2, cache, unreadable);
    s.Buffer.clear();
    s.NBuffer.clear();
    for (const std::string& file : found.files)
        s.Buffer.addItem(file);
    for (const std::string& value : found.values)
        s.NBuffer.addItem(value);
    w_.logUnreadable(unreadable);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void CatalogueLoader::Form_Load() {
    auto& cat = w_.cat;
    startupSucceeded_ = false;
    orbiterFolderCurrent_ = false;

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

    bool ok = false;
    {
        ui::BusyPointer busy(w_.services.screen);
        ok = runStartupScan();
    }
    if (ok)
        startupSucceeded_ = true;
    else
        startupFailed();
}

void CatalogueLoader::startupFailed() {
    w_.services.dialogs.msgBox(FolderNotLocatedMessage, ui::MsgInformation, "Warning");
    w_.menu.Menu12.setEnabled(false);
    w_.menu.Menu11.setEnabled(false);
}

bool CatalogueLoader::runStartupScan() {
    auto& cat = w_.cat;
    auto& s = w_.state;

    // Without a simulator folder, an "orbiter.cfg" that happens to lie in the start folder
    // must not pass for the simulator's.
    if (!orbiterFolderCurrent_)
        return false;
    const auto folders = readInstallationFolders(cat.currentFolder);
    if (!folders)
        return false;
    cat.ConfigDir = folders->configDir;
    cat.ScenarioDir = folders->scenarioDir;
    const std::string folder = absoluteFolder(cat.OrbiterFolder);
    s.CfgDir.setCaption(folder + cat.ConfigDir);
    s.ScnDir.setCaption(folder + cat.ScenarioDir);
    s.BufferList.setPattern("*.cfg");

    // The folder in use is remembered for the next start. A settings file that cannot be
    // written loses nothing (the folder it would hold is the one just read or validated), so
    // the start-up goes on.
    if (!w_.options.orbiterFolder)
        platform::writeFileAtomically(cat.StartFolder + CatalogueState::SettingsFileName, cat.OrbiterFolder + "\r\n");

    s.BufferList.setPath(s.CfgDir.caption());

    UnreadableFiles unreadable;
    data_ = Catalogue::scan(s.CfgDir.caption(), unreadable);
    w_.cat.VesselsFolder = data_.vesselsFolder;
    w_.logUnreadable(unreadable);
    showCatalogue();

    if (w_.stationTab.StationClass.listCount() == 0)
        return false;
    w_.stationTab.StationClass.setListIndex(0);

    w_.env.PlanetarySystem.setEnabled(false);
    w_.menu.Menu12.setEnabled(true);
    w_.menu.Menu11.setEnabled(true);
    return true;
}

void CatalogueLoader::showCatalogue() {
    auto& s = w_.state;
    auto& cat = w_.cat;
    s.PlanetarySystemFile.clear();
    w_.env.PlanetarySystem.clear();
    for (const NamedFile& system : data_.systems) {
        w_.env.PlanetarySystem.addItem(system.name);
        s.PlanetarySystemFile.addItem(system.file);
    }
    s.SpacecraftFile.clear();
    w_.shipTab.Spacecraft.clear();
    for (const NamedFile& ship : data_.shipClasses) {
        w_.shipTab.Spacecraft.addItem(ship.name);
        s.SpacecraftFile.addItem(ship.file);
    }
    w_.stationTab.StationClass.clear();
    for (const StationClassEntry& station : data_.stationClasses)
        w_.stationTab.StationClass.addItem(station.name);

    // The dock table keeps a spare empty entry after the last class.
    cat.StationClassCount = static_cast<int>(data_.stationClasses.size());
    if (cat.StationClassCount == 0)
        return;
    cat.StationClassNames.assign(data_.stationClasses.size() + 1, std::string());
    cat.StationClassDockCounts.assign(data_.stationClasses.size() + 1, std::string());
    for (size_t i = 0; i < data_.stationClasses.size(); ++i) {
        cat.StationClassNames[i] = data_.stationClasses[i].name;
        cat.StationClassDockCounts[i] = numberText(data_.stationClasses[i].docks);
    }
}

// ---------------------------------------------------------------------------------------------
// Installation location

bool CatalogueLoader::readSettingsFile() {
    auto lines = platform::readLines(w_.cat.StartFolder + CatalogueState::SettingsFileName);
    if (!lines || lines->empty())
        return false;
    w_.cat.OrbiterFolder = platform::nativeSeparators(ClearComments(lines->front()));
    return true;
}

bool CatalogueLoader::makeOrbiterFolderCurrent() {
    const std::string folder = absoluteFolder(w_.cat.OrbiterFolder);
    if (folder.empty() || !platform::folderExists(folder))
        return false;
    w_.cat.currentFolder = platform::normalPath(folder);
    orbiterFolderCurrent_ = true;
    return true;
}

void CatalogueLoader::OrbiterFolderLocation() {
    auto& cat = w_.cat;
    orbiterFolderCurrent_ = false;
    if (w_.options.orbiterFolder) {
        cat.OrbiterFolder = platform::nativeSeparators(*w_.options.orbiterFolder);
        makeOrbiterFolderCurrent();
        return;
    }

    if (readSettingsFile() && makeOrbiterFolderCurrent() && isSimulatorFolder(cat.currentFolder))
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
    if (platform::fileExists(cat.StartFolderPath + CatalogueState::SettingsFileName) && readSettingsFile())
        makeOrbiterFolderCurrent();
}

// ---------------------------------------------------------------------------------------------
// Station classes

void CatalogueLoader::StationDockScan() {
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
    LineCache cache;
    for (size_t i = 0; i < files.size(); ++i) {
        cat.StationClassNames[i] = left(files[i], files[i].size() >= 4 ? files[i].size() - 4 : 0);
        long long docks = -1;
        if (const auto* lines = cache.lines(w_.resolveFile(folder + files[i])))
            docks = countDocks(*lines);
        else
            w_.logUnreadable({folder + files[i]});
        cat.StationClassDockCounts[i] = numberText(docks);
    }
}

// ---------------------------------------------------------------------------------------------
// Planetary systems and bases

void CatalogueLoader::ExtractPlanet(const std::string& FileName) {
    auto& s = w_.state;
    s.Buffer.clear();
    s.NBuffer.clear();

    UnreadableFiles unreadable;
    const std::vector<std::string> bodies = readBodies(w_.resolveFile(FileName), unreadable);
    if (!unreadable.empty())
        w_.logUnreadable({FileName});
    for (const std::string& body : bodies)
        s.Buffer.addItem(body);
    // The typed bodies, stars included, through the cache the bases read next. Their problems
    // stay with them rather than in the scan log, which has never named the star files.
    w_.cat.bodies = readSystemBodies(s.CfgDir.caption(), w_.resolveFile(FileName), baseFiles_);

    auto& planetList = w_.windows().planetarySystemInformation().Planet;
    for (ui::ListControl* list : {static_cast<ui::ListControl*>(&w_.stationTab.StationRef),
                                  static_cast<ui::ListControl*>(&w_.shipTab.OrbitingRef),
                                  static_cast<ui::ListControl*>(&planetList)}) {
        list->clear();
        for (const std::string& body : bodies)
            list->addItem(body);
    }
    // The information window starts on the third body (the Earth of the solar system); a
    // smaller system starts on its first body.
    if (planetList.listCount() >= 3)
        planetList.setListIndex(2);
    else if (planetList.listCount() > 0)
        planetList.setListIndex(0);
}

void CatalogueLoader::BaseUpDate() {
    auto& s = w_.state;
    auto& cat = w_.cat;
    UnreadableFiles unreadable;
    bases_ = readBases(s.CfgDir.caption(), w_.stationTab.StationRef.items(), unreadable, baseFiles_);
    w_.logUnreadable(unreadable);

    s.Transit.clear();
    cat.BaseLocations.clear();
    for (const BaseEntry& base : bases_) {
        s.Transit.addItem(base.name + ":" + numberText(base.pads) + ":" + base.body);
        if (base.location)
            cat.BaseLocations[base.body + ":" + trim(base.name)] = *base.location;
    }
    cat.BaseCount = s.Transit.listCount();
    cat.BaseTable = s.Transit.items();
    cat.BaseTable.emplace_back();
    w_.trees().BaseTreeUpdate();
}

} // namespace vantrel
