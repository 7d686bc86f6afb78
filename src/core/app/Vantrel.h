#pragma once

// The main window: it owns the scenario model, the catalogue and every control of its three
// tabs, and the parts that hold the behaviour behind them.

#include "core/ui/CatalogueState.h"
#include "core/scenario/Scenario.h"
#include "core/ui/MainWindowControls.h"
#include "core/app/ScenarioStatus.h"
#include "core/ui/Services.h"
#include "core/ui/Window.h"

#include <memory>
#include <optional>
#include <string>

namespace vantrel {

class CatalogueLoader;
class SystemChoice;
class ScenarioReader;
class ScenarioWriter;
class SelectionTrees;
class StationDisplay;
class ShipDisplay;
class StationEditor;
class ShipEditor;
class ShipList;
class MainMenu;
class Windows;

class Vantrel : public ui::Window {
public:
    struct Options {
        // The program's start folder (where "vantrel.cfg" lies); the process's working folder
        // when empty.
        std::string startFolder;
        // A simulator folder given from outside (the command-line tool): the settings file is
        // then neither read nor written and no folder search is shown.
        std::optional<std::string> orbiterFolder;
    };

    Vantrel(ui::Services services, Options options);
    ~Vantrel() override;

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

    CatalogueLoader& catalogueLoader() { return *catalogue_; }
    SystemChoice& systemChoice() { return *systemChoice_; }
    ScenarioReader& reader() { return *reader_; }
    ScenarioWriter& writer() { return *writer_; }
    SelectionTrees& trees() { return *trees_; }
    StationDisplay& stationDisplay() { return *stationDisplay_; }
    ShipDisplay& shipDisplay() { return *shipDisplay_; }
    StationEditor& stationEditor() { return *stationEditor_; }
    ShipEditor& shipEditor() { return *shipEditor_; }
    ShipList& shipList() { return *shipList_; }
    MainMenu& mainMenu() { return *mainMenu_; }
    // The other windows of the program (load, save as, delete, folders, tools, about).
    Windows& windows() { return *windows_; }

    // The number of stations and ships: the entry counts of the two name lists.
    int stationCount() const { return stationTab.StationName.listCount(); }
    int shipCount() const { return shipTab.ShipName.listCount(); }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    std::unique_ptr<Windows> windows_;
    std::unique_ptr<CatalogueLoader> catalogue_;
    std::unique_ptr<SystemChoice> systemChoice_;
    std::unique_ptr<ScenarioReader> reader_;
    std::unique_ptr<ScenarioWriter> writer_;
    std::unique_ptr<SelectionTrees> trees_;
    std::unique_ptr<StationDisplay> stationDisplay_;
    std::unique_ptr<ShipDisplay> shipDisplay_;
    std::unique_ptr<StationEditor> stationEditor_;
    std::unique_ptr<ShipEditor> shipEditor_;
    std::unique_ptr<ShipList> shipList_;
    std::unique_ptr<MainMenu> mainMenu_;
};

} // namespace vantrel
