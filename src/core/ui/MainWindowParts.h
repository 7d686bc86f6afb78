#pragma once

// What the main window shares with the editors, the file windows and the tools: its controls,
// services and status line, the scenario model, and what it knows of the installation with the
// configuration lookup over it. The main window (app/Vantrel) is one of these and owns the parts
// that work on it; they take it by reference. The few steps of the main window's own parts that
// a window or an editor starts (showing a scenario file, saving one) are declared here and
// carried out by the main window.

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/ConfigFiles.h"
#include "core/scenario/Scenario.h"
#include "core/ui/CatalogueState.h"
#include "core/ui/MainWindowControls.h"
#include "core/ui/ScenarioStatus.h"
#include "core/ui/Services.h"
#include "core/ui/Window.h"

#include <optional>
#include <string>

namespace vantrel {

class MainWindowParts : public ui::Window {
public:
    struct Options {
        // The program's start folder (where "vantrel.cfg" lies); the process's working folder
        // when empty.
        std::string startFolder;
        // A simulator folder given from outside (the command-line tool): the settings file is
        // then neither read nor written and no folder search is shown.
        std::optional<std::string> orbiterFolder;
    };

    // The status line; it comes before the services because their message boxes pass through it.
    ScenarioStatus status;
    ui::Services services;
    const Options options;

    ui::EnvironmentTab env;
    ui::StationTab stationTab;
    ui::ShipTab shipTab;
    ui::MainMenuBar menu;
    ui::MainWindowState state;

    Scenario model;
    CatalogueState cat;

    // The number of stations and ships: the entry counts of the two name lists.
    int stationCount() const { return stationTab.StationName.listCount(); }
    int shipCount() const { return shipTab.ShipName.listCount(); }

    // The field of FileName (a full path, or relative to the program's working folder) whose
    // beginning equals Flag ignoring letter case, trimmed and freed of its comment: the key, the
    // "=" and the value ("Mass = 5.976e24"). The last such field wins; "No Data" when none
    // matches. A file that cannot be read is logged in the scan log and gives "No Data".
    std::string GetData(const std::string& FileName, const std::string& Flag);
    // The value of that field as a number ("Size = 6.4e6" and "Size=6.4e6" alike), 0 when the
    // file has no such field.
    double numberOf(const std::string& FileName, const std::string& Flag);
    // A file name resolved against the program's working folder when relative, then found
    // again ignoring letter case when it does not exist with its exact name.
    std::string resolveFile(const std::string& FileName) const;
    // One scan-log entry for each file that could not be read.
    void logUnreadable(const UnreadableFiles& files);
    // The number of docking ports of a station class (ignoring letter case), 0 when unknown.
    int StationDockNumberDisplay(const std::string& sn) const;

    // Reads the scenario file named by the folder caption ScnDir and the file name caption
    // scnfile into the model and the tabs (the scenario reader's TabSettings).
    virtual void TabSettings() = 0;
    // Writes the scenario to path as the scenario writer does; false, after telling the
    // person why, when it could not be saved.
    virtual bool ScenarioFileSaving(const std::string& path) = 0;
    // The bytes such a save would write.
    virtual std::string scenarioText() const = 0;

protected:
    MainWindowParts(ui::Services services, Options options);

private:
    FieldCache fieldCache_;
};

} // namespace vantrel
