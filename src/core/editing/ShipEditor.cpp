#include "core/editing/ShipEditor.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/editing/SelectionTrees.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/StationEditor.h"
#include "core/editing/VesselName.h"
#include "core/platform/FileSystem.h"
#include "core/ui/MainWindowParts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantrel {

namespace {

constexpr char CR = '\r';
const char* const NotAccepted = ShipEditor::NotAcceptedTitle;

// The part of a text before its first ":", or the whole text.
std::string beforeColon(const std::string& text) { return text.substr(0, text.find(':')); }

} // namespace

double levelFromPercentLabel(const std::string& caption) {
    const std::string t = trim(caption);
    // The last character is the "%" sign.
    return leadingNumberValue(t.empty() ? t : left(t, t.size() - 1)) / 100;
}

ShipEditor::ShipEditor(MainWindowParts& main, ShipDisplay& shipDisplay, SelectionTrees& trees)
    : w_(main), shipDisplay_(shipDisplay), trees_(trees) {
    auto& tab = w_.shipTab;
    tab.Command4.onClick = [this] { Command4_Click(); };
    tab.Command10.onClick = [this] { Command10_Click(); };
    tab.Command11.onClick = [this] { Command11_Click(); };
}

int ShipEditor::focusStations() const {
    if (w_.model.format != FileFormat::Today)
        return 0;
    return std::min(w_.stationCount(), static_cast<int>(w_.model.stations.size()));
}

int ShipEditor::shownShipRow() const {
    const int n = w_.shipCount();
    const double shown = leadingNumberValue(w_.shipTab.ShipIndex.caption());
    if (n <= 0 || !(shown >= 0) || shown >= n)
        return -1;
    const int r = static_cast<int>(roundHalfEven(shown));
    return r < n && w_.model.validShip(r) ? r : -1;
}

double ShipEditor::planetRadius(const std::string& planet) {
    const std::string file =
        platform::resolveIgnoringCase(w_.state.CfgDir.caption() + trim(planet) + ".cfg");
    return w_.numberOf(file, "Size");
}

std::string ShipEditor::validationErrors() {
    auto& tab = w_.shipTab;
    std::string errors = vesselNameErrors(tab.ShipName.text(), "ship");

    // A today's ship placed by its orbital elements is checked as a station's orbit is.
    const bool byElements =
        w_.model.format == FileFormat::Today && tab.OrbitingShipOption.value() && tab.ShipElementsOption.value();
    if (byElements) {
        const std::string& planet = tab.ShipOrbitingPlanet.caption();
        errors += orbitErrors("ship", {tab.ShipSemiMajorAxis.text(), tab.ShipExcentricity.text(), tab.ShipInclination.text(),
                                       tab.ShipAscendingNodeLongitude.text(), tab.ShipPeriapsisLongitude.text(),
                                       tab.ShipMeanLongitude.text()},
                              planet, planetLimit(w_, planet), true);
        if (!IsANumber(tab.ShipElementsEpoch.text()))
            errors += std::string("The ship orbit epoch is not correct.") + CR;
    }
    if (tab.OrbitingShipOption.value()) {
        if (!IsANumber(tab.ShipOrbitingAngularVelocity.text()))
            errors += std::string("The angular velocity value is not correct.") + CR;
        const ui::TextField* positions[] = {&tab.ShipOrbitingRposX, &tab.ShipOrbitingRposY,
                                            &tab.ShipOrbitingRposZ};
        const ui::TextField* velocities[] = {&tab.ShipOrbitingRvelX, &tab.ShipOrbitingRvelY,
                                             &tab.ShipOrbitingRvelZ};
        const ui::TextField* angles[] = {&tab.ShipOrbitingArotX, &tab.ShipOrbitingArotY,
                                         &tab.ShipOrbitingArotZ};
        const char* axes[] = {"X", "Y", "Z"};
        for (int k = 0; k < 3 && !byElements; ++k)
            if (!IsANumber(positions[k]->text()))
                errors += std::string("The position relative to the reference on axis ") + axes[k] +
                          " is not correct." + CR;
        for (int k = 0; k < 3 && !byElements; ++k)
            if (!IsANumber(velocities[k]->text()))
                errors += std::string("The velocity relative to reference on axis ") + axes[k] +
                          " is not correct." + CR;
        for (int k = 0; k < 3; ++k) {
            const std::string& angle = angles[k]->text();
            if (!IsANumber(angle) || std::fabs(leadingNumberValue(angle)) >= 360)
                errors += std::string("The object frame rotation angle orientation on axis ") +
                          axes[k] + " is not correct." + CR;
        }
        // Fields that failed above count as 0 here.
        double sum = 0;
        for (const ui::TextField* p : positions) {
            const double v = leadingNumberValue(p->text());
            sum += v * v;
        }
        // A vessel of a today's file placed by its elements, its dock or its parent is not where
        // its RPOS says while nobody changes it.
        bool placedElsewhere = false;
        if (const int r = shownShipRow(); r >= 0 && w_.model.format == FileFormat::Today) {
            const ShipRow& row = w_.model.ships[static_cast<size_t>(r)];
            const TodaysPlacement p = row.ShipPlacement;
            placedElsewhere = p != TodaysPlacement::None && p != TodaysPlacement::Vector &&
                              positions[0]->text() == displayForm(leadingNumberValue(row.ShipRposXTable)) &&
                              positions[1]->text() == displayForm(leadingNumberValue(row.ShipRposYTable)) &&
                              positions[2]->text() == displayForm(leadingNumberValue(row.ShipRposZTable));
        }
        if (!placedElsewhere && !byElements && std::sqrt(sum) <= planetRadius(tab.ShipOrbitingPlanet.caption()))
            errors += "The ship is located inside the planet; adjust the position parameters "
                      "relative to reference.";
    }

    if (tab.LandedShipOption.value()) {
        // A ship of a today's file landed by its coordinates, or carried by its parent, needs no pad.
        const bool byCoordinates = tab.ShipLandedLongitude.visible();
        bool carried = false;
        if (const int r = shownShipRow(); r >= 0 && w_.model.format == FileFormat::Today)
            carried = w_.model.ships[static_cast<size_t>(r)].ShipPlacement == TodaysPlacement::Attached;
        if (byCoordinates) {
            const std::string& lon = tab.ShipLandedLongitude.text();
            const std::string& lat = tab.ShipLandedLatitude.text();
            if (!IsANumber(lon) || std::fabs(leadingNumberValue(lon)) > 180)
                errors += std::string("The longitude is not correct; it must be between -180 and 180.") + CR;
            if (!IsANumber(lat) || std::fabs(leadingNumberValue(lat)) > 90)
                errors += std::string("The latitude is not correct; it must be between -90 and 90.") + CR;
        }
        if (tab.ShipLandedBase.caption().empty() && !byCoordinates && !carried)
            errors += std::string("You must assign the ship to a base pad.") + CR;
        if (tab.ShipClass.caption().empty())
            errors += std::string("You must assign a class to the ship.") + CR;
        const std::string& heading = tab.ShipLandedHeading.text();
        if (heading.empty() || !IsANumber(heading))
            errors += "You must must enter a correct heading.";
    }

    if (tab.DockedShipOption.value()) {
        if (tab.ShipDockedStation.caption().empty())
            errors += std::string("You must assign the ship to a station dock.") + CR;
        if (tab.ShipClass.caption().empty())
            errors += "You must assign a class to the ship.";
    }
    return errors;
}

void ShipEditor::Command4_Click() {
    auto& tab = w_.shipTab;
    const int n = w_.shipCount();
    const double shown = leadingNumberValue(tab.ShipIndex.caption());
    if (n <= 0 || !(shown >= 0) || shown >= n)
        return;
    const int r = static_cast<int>(roundHalfEven(shown));
    if (r >= n || !w_.model.validShip(r))
        return;

    const std::string errors = validationErrors();
    if (!errors.empty()) {
        w_.services.dialogs.msgBox(errors, ui::MsgOk, NotAccepted);
        return;
    }

    ShipRow& row = w_.model.ships[static_cast<size_t>(r)];
    const ShipRow before = row;
    row.ShipToday = w_.model.format == FileFormat::Today;
    row.ShipNameTable = tab.ShipName.text();
    row.ShipClassTable = tab.ShipClass.caption();

    if (tab.LandedShipOption.value()) {
        row.ShipStatusTable = "Landed";
        row.ShipPlanetTable = tab.ShipLandedPlanet.caption();
    } else if (tab.DockedShipOption.value()) {
        row.ShipStatusTable = "Docked";
        row.ShipPlanetTable = tab.ShipDockedPlanet.caption();
    } else if (tab.OrbitingShipOption.value()) {
        row.ShipStatusTable = "Orbiting";
        row.ShipPlanetTable = tab.ShipOrbitingPlanet.caption();
    }

    // The hidden frames' fields are stored too: they hold what the last display gave them.
    row.ShipLandedBaseTable = tab.ShipLandedBase.caption();
    row.ShipDockedStationTable = tab.ShipDockedStation.caption();
    // The 0 a today's ship without HEADING shows is no line of its own until it changes.
    if (!(w_.model.format == FileFormat::Today && !IsANumber(row.ShipLandedHeadingTable) &&
          tab.ShipLandedHeading.text() == "0"))
        row.ShipLandedHeadingTable = tab.ShipLandedHeading.text();
    row.ShipDockedPortTable = tab.ShipDockedPort.caption();
    row.ShipLandedPadTable = tab.ShipLandedPad.caption();
    // Landed by coordinates while the fields show; on a pad once they are hidden.
    row.ShipLandedLongitudeTable = tab.ShipLandedLongitude.visible() ? tab.ShipLandedLongitude.text() : std::string();
    row.ShipLandedLatitudeTable = tab.ShipLandedLongitude.visible() ? tab.ShipLandedLatitude.text() : std::string();
    row.ShipRposXTable = tab.ShipOrbitingRposX.text();
    row.ShipRposYTable = tab.ShipOrbitingRposY.text();
    row.ShipRposZTable = tab.ShipOrbitingRposZ.text();
    row.ShipRvelXTable = tab.ShipOrbitingRvelX.text();
    row.ShipRvelYTable = tab.ShipOrbitingRvelY.text();
    row.ShipRvelZTable = tab.ShipOrbitingRvelZ.text();
    row.ShipArotXTable = tab.ShipOrbitingArotX.text();
    row.ShipArotYTable = tab.ShipOrbitingArotY.text();
    row.ShipArotZTable = tab.ShipOrbitingArotZ.text();
    row.ShipVrotTable = tab.ShipOrbitingAngularVelocity.text();
    if (tab.OrbitingShipOption.value()) {
        row.ShipByElements = row.ShipToday && tab.ShipElementsOption.value();
        if (row.ShipByElements) {
            row.ShipElementsTable.clear();
            for (const ui::TextField* field : elementFields(tab))
                row.ShipElementsTable += (row.ShipElementsTable.empty() ? "" : " ") + trim(field->text());
        }
    }

    // Levels come from the labels, not the sliders. An empty fuel tank is written "0"; the
    // engines keep the display form (" 0").
    const double fuel = levelFromPercentLabel(tab.ShipFuel.caption());
    row.ShipFuelTable = fuel == 0 ? std::string("0") : displayForm(fuel);
    // The engines show only for an orbiting ship; a today's ship on the ground keeps the levels
    // its block gives (a booster's burning engine).
    if (!(w_.model.format == FileFormat::Today && !tab.OrbitingShipOption.value())) {
        row.ShipMainEngineTable = displayForm(levelFromPercentLabel(tab.MainEngineStatus.caption()));
        row.ShipHoverEngineTable = displayForm(levelFromPercentLabel(tab.HoverEngineStatus.caption()));
    }

    updateShipLists(r, n);
    tab.ShipName.setListIndex(r);
    ShipFocusCheck();

    trees_.shipChanged(r, before);
    w_.status.report(w_.model.ships[static_cast<size_t>(r)].ShipNameTable + " validated");
}

void ShipEditor::updateShipLists(int row, int count) {
    auto& names = w_.shipTab.ShipName;
    auto& candidates = w_.env.PossibleShipFocus;
    if (namesShown_ != names.itemsRevision() || candidatesShown_ != candidates.itemsRevision() ||
        names.listCount() != count || candidates.listCount() != count + focusStations() || row < 0 || row >= count ||
        row >= static_cast<int>(w_.model.ships.size())) {
        rebuildShipLists(count);
        return;
    }
    const ShipRow& ship = w_.model.ships[static_cast<size_t>(row)];
    std::string candidate = ship.ShipNameTable + ":" + ship.ShipClassTable;
    const bool indexed = focusNamesRevision_ == candidates.itemsRevision();
    if (indexed) {
        --focusNames_[beforeColon(candidates.list(row))];
        ++focusNames_[beforeColon(candidate)];
    }
    // As after a rebuild: nothing selected until the row is shown again.
    names.setListIndex(-1);
    candidates.setListIndex(-1);
    names.setItem(row, ship.ShipNameTable);
    candidates.setItem(row, std::move(candidate));
    if (indexed)
        focusNamesRevision_ = candidates.itemsRevision();
    namesShown_ = names.itemsRevision();
    candidatesShown_ = candidates.itemsRevision();
}

bool ShipEditor::focusListed(const std::string& focus) {
    const auto& candidates = w_.env.PossibleShipFocus;
    if (focusNamesRevision_ != candidates.itemsRevision()) {
        focusNames_.clear();
        for (const std::string& entry : candidates.items())
            ++focusNames_[beforeColon(entry)];
        focusNamesRevision_ = candidates.itemsRevision();
    }
    const auto it = focusNames_.find(focus);
    return it != focusNames_.end() && it->second > 0;
}

void ShipEditor::rebuildShipLists(int count) {
    const int rows = std::min(count, static_cast<int>(w_.model.ships.size()));
    std::vector<std::string> names;
    std::vector<std::string> candidates;
    names.reserve(static_cast<size_t>(rows));
    candidates.reserve(static_cast<size_t>(rows));
    for (int k = 0; k < rows; ++k) {
        const ShipRow& ship = w_.model.ships[static_cast<size_t>(k)];
        names.push_back(ship.ShipNameTable);
        candidates.push_back(ship.ShipNameTable + ":" + ship.ShipClassTable);
    }
    // Today's simulator lets the person fly any vessel, stations included: they follow the ships.
    for (int k = 0; k < focusStations(); ++k) {
        const StationRow& station = w_.model.stations[static_cast<size_t>(k)];
        candidates.push_back(station.StationNameTable + ":" + station.StationClassTable);
    }
    w_.shipTab.ShipName.clear();
    w_.env.PossibleShipFocus.clear();
    w_.shipTab.ShipName.setItems(std::move(names));
    w_.env.PossibleShipFocus.setItems(std::move(candidates));
    namesShown_ = w_.shipTab.ShipName.itemsRevision();
    candidatesShown_ = w_.env.PossibleShipFocus.itemsRevision();
}

void ShipEditor::ShipFocusCheck() {
    auto& candidates = w_.env.PossibleShipFocus;
    if (candidates.listCount() == 0)
        return;
    const bool found = focusListed(w_.env.ShipFocus.caption());
    candidates.setListIndex(0);
    if (!found) {
        w_.env.ShipFocus.setCaption(beforeColon(candidates.list(0)));
        w_.services.dialogs.msgBox("As the user-controled ship was no longer valid in the scenario, it "
                                   "has been set to the first possible ship !",
                                   ui::MsgInformation, "Warning");
    }
}

void ShipEditor::Command10_Click() {
    w_.shipTab.ShipClass.setCaption(w_.shipTab.Spacecraft.text());
}

void ShipEditor::Command11_Click() {
    w_.shipTab.ShipOrbitingPlanet.setCaption(w_.shipTab.OrbitingRef.text());
    shipDisplay_.showOrbit();
}

} // namespace vantrel
