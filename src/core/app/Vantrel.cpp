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

Vantrel::Vantrel(ui::Services services, Options options)
    : ui::Window("Vantrel", "Vantrel"), status(*this),
      services{status.dialogs(services.dialogs), services.screen, services.launcher}, options(std::move(options)) {
    for (ui::Control* c : env.all())
        add(*c);
    for (ui::Control* c : stationTab.all())
        add(*c);
    for (ui::Control* c : shipTab.all())
        add(*c);
    for (ui::Control* c : menu.all())
        add(*c);
    for (ui::Control* c : state.all())
        add(*c);

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
    stationEditor_ = std::make_unique<StationEditor>(*this);
    shipEditor_ = std::make_unique<ShipEditor>(*this);
    shipList_ = std::make_unique<ShipList>(*this);
    mainMenu_ = std::make_unique<MainMenu>(*this);
}

Vantrel::~Vantrel() = default;

void Vantrel::Form_Load() { catalogueLoader().Form_Load(); }

void Vantrel::Form_Unload() { mainMenu().Form_Unload(); }

} // namespace vantrel
