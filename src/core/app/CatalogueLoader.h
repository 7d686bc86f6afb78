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
    static constexpr const char* SettingsFileName = "vantrel.cfg";

    // The field of FileName (a full path, or relative to the program's working folder) whose
    // beginning equals Flag ignoring letter case, trimmed and freed of its comment: the key, the
    // "=" and the value ("Mass = 5.976e24"). The last such field wins; "No Data" when none
    // matches. A file that cannot be read is logged in the scan log and gives "No Data".
    std::string GetData(const std::string& FileName, const std::string& Flag);
    // The value of that field as a number ("Size = 6.4e6" and "Size=6.4e6" alike), 0 when the
    // file has no such field.
    double numberOf(const std::string& FileName, const std::string& Flag);

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
    // The number of docking ports of a station class (ignoring letter case), 0 when unknown.
    int StationDockNumberDisplay(const std::string& sn) const;

    // Reads the bodies of a planetary system file into StationRef, OrbitingRef and the
    // information window's Planet (moons as three blanks + name).
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
    // A file name resolved against the program's working folder when relative, then found
    // again ignoring letter case when it does not exist with its exact name.
    std::string resolveFile(const std::string& FileName) const;

private:
    bool readSettingsFile();
    bool makeOrbiterFolderCurrent();
    bool runStartupScan();
    void showCatalogue();
    void startupFailed();
    void logUnreadable(const UnreadableFiles& files);

    FieldCache fieldCache_;

    Vantrel& w_;
    Catalogue data_;
    std::vector<BaseEntry> bases_;
    bool startupSucceeded_ = false;
    bool orbiterFolderCurrent_ = false;
};

} // namespace vantrel
