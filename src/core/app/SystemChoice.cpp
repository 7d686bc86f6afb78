#include "core/app/SystemChoice.h"

#include "core/app/CatalogueLoader.h"
#include "core/editing/SelectionTrees.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/StationDisplay.h"
#include "core/app/Vantrel.h"

namespace vantrel {

SystemChoice::SystemChoice(Vantrel& main) : w_(main) {
    w_.env.PlanetarySystem.onDropDown = [this] { PlanetarySystem_DropDown(); };
    w_.env.Check2.onClick = [this] { Check2_Click(); };
}

void SystemChoice::PlanetarySystemUpdate() {
    w_.model.StationTableRedim(0);
    w_.model.ShipTableRedim(0);
    w_.stationDisplay().StationTabReset();
    w_.shipDisplay().ShipTabReset();
    w_.stationTab.StationName.clear();
    w_.shipTab.ShipName.clear();
    w_.env.ShipFocus.setCaption({});
    w_.env.Description.setText({});
    w_.trees().StationTreeUpdate();
    w_.env.PossibleShipFocus.clear();
    w_.trees().BaseTreeUpdate();
    w_.stationTab.StationIndex.setCaption("0");
    w_.shipTab.ShipIndex.setCaption("0");
}

void SystemChoice::PlanetarySystem_DropDown() {
    const int index = w_.env.PlanetarySystem.listIndex();
    if (index < 0 || index >= w_.state.PlanetarySystemFile.listCount())
        return;
    ui::BusyPointer busy(w_.services.screen);
    w_.state.PlanetarySystemFile.setListIndex(index);
    w_.catalogueLoader().ExtractPlanet(w_.state.CfgDir.caption() + w_.state.PlanetarySystemFile.text());
    PlanetarySystemUpdate();
}

void SystemChoice::Check2_Click() {
    const bool locked = w_.env.Check2.value() != 0;
    if (!locked)
        w_.services.dialogs.msgBox("As soon as you select a planetary system, all the stations and ships are reset !",
                                   ui::MsgExclamation, "Warning");
    w_.env.PlanetarySystem.setEnabled(locked ? false : true);
}

} // namespace vantrel
