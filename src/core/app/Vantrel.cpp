#include "core/app/Vantrel.h"
#include "core/app/ScenarioFindings.h"

#include "core/app/CatalogueLoader.h"
#include "core/app/SystemChoice.h"
#include "core/app/ScenarioReader.h"
#include "core/app/ScenarioWriter.h"
#include "core/editing/SelectionTrees.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/ShipEditor.h"
#include "core/editing/ShipList.h"
#include "core/editing/StationDisplay.h"
#include "core/editing/StationEditor.h"
#include "core/platform/FileSystem.h"
#include "core/app/MainMenu.h"
#include "core/app/Windows.h"

namespace vantrel {

Vantrel::Vantrel(ui::Services services, Options options) : MainWindowParts(services, std::move(options)) {
    // The parts wire their own handlers to the controls; the windows come first because the
    // catalogue fills one of them.
    windows_ = std::make_unique<Windows>(*this);
    catalogue_ = std::make_unique<CatalogueLoader>(*this);
    systemChoice_ = std::make_unique<SystemChoice>(*this);
    reader_ = std::make_unique<ScenarioReader>(*this);
    writer_ = std::make_unique<ScenarioWriter>(*this);
    trees_ = std::make_unique<SelectionTrees>(*this);
    stationDisplay_ = std::make_unique<StationDisplay>(*this);
    shipDisplay_ = std::make_unique<ShipDisplay>(*this);
    stationEditor_ = std::make_unique<StationEditor>(*this, *stationDisplay_, *shipDisplay_, *trees_);
    shipEditor_ = std::make_unique<ShipEditor>(*this, *shipDisplay_, *trees_);
    shipList_ = std::make_unique<ShipList>(*this, *shipDisplay_, *shipEditor_, *trees_);
    mainMenu_ = std::make_unique<MainMenu>(*this);
    findings_ = std::make_unique<ScenarioFindings>(*this);
    // The findings go out of date with every change that reaches the saved text.
    for (ui::Button* button : {&stationTab.Command1, &stationTab.Command2, &stationTab.Command3, &shipTab.Command4,
                               &shipTab.Command5, &shipTab.Command6}) {
        auto before = std::move(button->onClick);
        button->onClick = [this, before = std::move(before)] {
            if (before)
                before();
            findings_->changed();
        };
    }

    // The orbit pictures place the vessel where it is at the start, so they follow the first
    // tab's date and time as they are changed.
    const auto startChanged = [this] {
        stationDisplay_->showOrbit();
        shipDisplay_->showOrbit();
        startMovesSomeVessels();
    };
    env.Calendar.onChange = startChanged;
    for (ui::ComboBox* list : {&env.Hour, &env.Minute}) {
        list->onClick = startChanged;
        list->onChange = startChanged;
    }
}

Vantrel::~Vantrel() = default;

void Vantrel::startMovesSomeVessels() {
    if (model.format != FileFormat::Today || !model.source)
        return;
    const StartTime shown{env.Calendar.date(), env.Hour.text(), env.Minute.text()};
    if (shown == model.startAsRead || !model.startAsRead.day)
        return;
    bool byElements = false, byVector = false;
    for (int k = 0; k < stationCount() && model.validStation(k); ++k)
        (model.stations[static_cast<size_t>(k)].StationPlacedByVector ? byVector : byElements) = true;
    for (int k = 0; k < shipCount() && model.validShip(k) && !(byElements && byVector); ++k) {
        const TodaysPlacement p = model.ships[static_cast<size_t>(k)].ShipPlacement;
        byElements = byElements || p == TodaysPlacement::Elements;
        byVector = byVector || p == TodaysPlacement::Vector;
    }
    if (byElements && byVector)
        status.report("A new start moves the vessels placed by ELEMENTS along their orbits, but not those placed "
                      "by RPOS and RVEL: a rendezvous set up between them no longer holds.");
}

void Vantrel::TabSettings() {
    reader().TabSettings();
    findings_->changed();
}

bool Vantrel::ScenarioFileSaving(const std::string& path) { return writer().ScenarioFileSaving(path); }

std::string Vantrel::scenarioText() const { return writer_->scenarioText(); }

void Vantrel::Form_Load() { catalogueLoader().Form_Load(); }

void Vantrel::Form_Unload() { mainMenu().Form_Unload(); }

} // namespace vantrel
