#include "core/app/Vantrel.h"

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

    // The orbit pictures place the vessel where it is at the start, so they follow the first
    // tab's date and time as they are changed.
    const auto startChanged = [this] {
        stationDisplay_->showOrbit();
        shipDisplay_->showOrbit();
    };
    env.Calendar.onChange = startChanged;
    for (ui::ComboBox* list : {&env.Hour, &env.Minute}) {
        list->onClick = startChanged;
        list->onChange = startChanged;
    }
}

Vantrel::~Vantrel() = default;

void Vantrel::TabSettings() { reader().TabSettings(); }

bool Vantrel::ScenarioFileSaving(const std::string& path) { return writer().ScenarioFileSaving(path); }

std::string Vantrel::scenarioText() const { return writer_->scenarioText(); }

void Vantrel::Form_Load() { catalogueLoader().Form_Load(); }

void Vantrel::Form_Unload() { mainMenu().Form_Unload(); }

} // namespace vantrel
