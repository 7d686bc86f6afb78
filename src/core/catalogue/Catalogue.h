#pragma once

// The simulator catalogue: where the simulator is installed, the lookups in its configuration
// files, the start-up scan of planetary systems, ship classes and station classes, the bodies
// of a planetary system and the surface bases of its bodies.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class Vantrel;

class Catalogue {
public:
    explicit Catalogue(Vantrel& main);

    // The start-up's warning when the simulator folder cannot be used.
    static constexpr const char* FolderNotLocatedMessage =
        "The Orbiter folder was not correctly located. You must locate it using the folder search in the menu Tools.";
    static constexpr const char* SettingsFileName = "vantrel.cfg";

    // The field of FileName (a full path, or relative to the program's working folder) whose
    // beginning equals Flag ignoring letter case, trimmed and freed of its comment: the key, the
    // "=" and the value ("Mass = 5.976e24"). The last such field wins; "No Data" when none
    // matches. A file that cannot be read is logged in the scan log and gives "No Data".
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

    // Fills the station class dock table from the station class files found by the last scan.
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

    // The folder the program's working folder stands for: the simulator folder as read, made
    // absolute against the start folder when it was written relative to it.
    std::string absoluteFolder(const std::string& folder) const;
    // A file name resolved against the program's working folder when relative, then found
    // again ignoring letter case when it does not exist with its exact name.
    std::string resolveFile(const std::string& FileName) const;

private:
    // The lines of a file (null when it cannot be read). While the start-up scan runs each
    // file is read once and kept; otherwise it is read again, since it may have changed.
    std::shared_ptr<const std::vector<std::string>> linesOf(const std::string& path);
    // Cut values collected by the last FindData, one per distinct file of Buffer: the first
    // value of that file, or none.
    struct FileValue {
        std::string file;
        std::optional<std::string> value;
    };
    std::vector<FileValue> distinctFileValues() const;

    bool readSettingsFile();
    bool makeOrbiterFolderCurrent();
    bool readOrbiterConfiguration();
    bool runStartupScan();
    void startupFailed();
    void logUnreadable(const std::string& path);

    Vantrel& w_;
    bool startupSucceeded_ = false;
    bool orbiterFolderCurrent_ = false;
    bool caching_ = false;
    std::map<std::string, std::shared_ptr<const std::vector<std::string>>> cache_;
    // For each entry of Buffer after FindData: the first Flag2 value its file gave, if any.
    std::vector<std::optional<std::string>> firstValues_;
};

} // namespace vantrel
