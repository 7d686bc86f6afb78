#pragma once

// The main window's side of the installation catalogue: the start-up that finds the simulator
// folder and scans its configuration, and the steps that put the catalogue's plain data into the
// window's lists (systems, classes, bodies, bases) and its scan log.

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/ConfigFiles.h"

#include <string>
#include <vector>

namespace vantrel {

class Vantrel;

class CatalogueLoader {
public:
    explicit CatalogueLoader(Vantrel& main);

    // The start-up's warning when the simulator folder cannot be used.
    static constexpr const char* FolderNotLocatedMessage =
        "The Orbiter folder was not correctly located. You must locate it using the folder search in the menu Tools.";

    // The main window's configuration lookup (MainWindowParts::GetData), as the scenario reader
    // asks it.
    std::string GetData(const std::string& FileName, const std::string& Flag);

    // Scans the files listed by BufferList (in the configuration folder): Buffer gets the name
    // of each file once per line beginning with Flag1 (case counts), NBuffer the value of every
    // line beginning with Flag2 in those files (key, " = " dropped). Files that cannot be read
    // are logged and skipped.
    void FindData(const std::string& Flag1, const std::string& Flag2);

    // The main window's start-up: time lists, simulator folder, "orbiter.cfg", settings file,
    // planetary systems, ship classes, station classes and their docking ports.
    void Form_Load();

    // Finds the simulator folder from the settings file, with the folder search as fallback,
    // and makes it the program's working folder.
    void OrbiterFolderLocation();

    // Fills the station class dock table from the station class files listed in Buffer.
    void StationDockScan();

    // Reads the bodies of a planetary system file into StationRef, OrbitingRef and the
    // information window's Planet (moons as three blanks + name), and their data into the
    // catalogue state (cat.bodies; no body when the file cannot be read).
    void ExtractPlanet(const std::string& FileName);

    // Reads the bases of every body of StationRef into BaseTable, then rebuilds the pad tree.
    void BaseUpDate();

    // False when the last start-up took its failure path (or none has run yet).
    bool startupSucceeded() const { return startupSucceeded_; }

    // The catalogue read by the last start-up, and the bases read by the last BaseUpDate.
    const Catalogue& data() const { return data_; }
    const std::vector<BaseEntry>& bases() const { return bases_; }

    // The folder the program's working folder stands for: the simulator folder as read, made
    // absolute against the start folder when it was written relative to it.
    std::string absoluteFolder(const std::string& folder) const;

private:
    bool readSettingsFile();
    bool makeOrbiterFolderCurrent();
    bool runStartupScan();
    void showCatalogue();
    void startupFailed();

    Vantrel& w_;
    Catalogue data_;
    std::vector<BaseEntry> bases_;
    // The body and base files, read again only when they change: every opened scenario shows
    // its system's bases.
    LineCache baseFiles_{LineCache::Check::TimeAndSize};
    bool startupSucceeded_ = false;
    bool orbiterFolderCurrent_ = false;
};

} // namespace vantrel
