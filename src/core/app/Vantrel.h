#pragma once

// The main window: the controls, model and catalogue it shares with the other windows
// (MainWindowParts), and the parts that hold the behaviour behind them, which it owns.

#include "core/ui/MainWindowParts.h"

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
class ScenarioFindings;

class Vantrel : public MainWindowParts {
public:
    Vantrel(ui::Services services, Options options);
    ~Vantrel() override;

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
    // What today's simulator would do wrong with the open scenario.
    ScenarioFindings& findings() { return *findings_; }

    // The steps the other windows start, carried out by the reader and the writer.
    void TabSettings() override;
    bool ScenarioFileSaving(const std::string& path) override;
    std::string scenarioText() const override;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    // A changed start in a today's file that places some vessels by ELEMENTS and others by RPOS
    // and RVEL says on the status line that only the first move.
    void startMovesSomeVessels();

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
    std::unique_ptr<ScenarioFindings> findings_;
};

} // namespace vantrel
