#include "core/editing/StationEditor.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/editing/OrbitPictures.h"
#include "core/scenario/BlockLines.h"
#include "core/text/Dates.h"
#include "core/editing/SelectionTrees.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/StationDisplay.h"
#include "core/editing/VesselName.h"
#include "core/platform/FileSystem.h"
#include "core/ui/MainWindowParts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantrel {

namespace {

constexpr char CR = '\r';

// Whether a today's ship goes where the station goes: docked to it on the ship tab, or joined
// to it by a token of its own while the tab shows no dock of it.
bool carriedBy(const ShipRow& ship, const std::string& station) {
    if (equalsIgnoringCase(trim(ship.ShipStatusTable), "Docked"))
        return trim(ship.ShipDockedStationTable) == station;
    return ship.ShipPlacement == TodaysPlacement::Docked && ship.ShipDockedStationAsRead.empty() &&
           dockInfoNames(ship, station);
}

const char* const NotAccepted = StationEditor::NotAcceptedTitle;

// An angle field passes when it is a number strictly between -360 and 360.
bool angleAccepted(const std::string& text) {
    return IsANumber(text) && std::fabs(leadingNumberValue(text)) < 360;
}

// The row a hidden index label names, or -1 when it does not name a row of the list.
int rowFromIndexLabel(const std::string& caption, int count) {
    const double value = leadingNumberValue(caption);
    if (!(value >= 0) || value >= count)
        return -1;
    const long long row = roundHalfEven(value);
    return row < count ? static_cast<int>(row) : -1;
}

} // namespace

StationEditor::StationEditor(MainWindowParts& main, StationDisplay& stationDisplay, ShipDisplay& shipDisplay,
                             SelectionTrees& trees)
    : w_(main), stationDisplay_(stationDisplay), shipDisplay_(shipDisplay), trees_(trees) {
    auto& tab = w_.stationTab;
    tab.Command1.onClick = [this] { Command1_Click(); };
    tab.Command2.onClick = [this] { Command2_Click(); };
    tab.Command3.onClick = [this] { Command3_Click(); };
    tab.Command8.onClick = [this] { Command8_Click(); };
    tab.Command9.onClick = [this] { Command9_Click(); };
}

int StationEditor::shownRow() const {
    const int row = rowFromIndexLabel(w_.stationTab.StationIndex.caption(), w_.stationCount());
    return w_.model.validStation(row) ? row : -1;
}

double planetLimit(MainWindowParts& w, const std::string& planet) {
    const std::string file = platform::resolveIgnoringCase(w.state.CfgDir.caption() + trim(planet) + ".cfg");
    const double radius = w.numberOf(file, "Size");
    const double atmosphere = w.numberOf(file, "AtmAltLimit");
    return radius + atmosphere;
}

std::string orbitErrors(const std::string& vessel, const OrbitTexts& orbit, const std::string& planet, double limit,
                        bool today) {
    std::string errors;
    auto fail = [&errors](const std::string& message) {
        errors += message;
        errors += CR;
    };
    const bool axisIsNumber = IsANumber(orbit.semiMajorAxis);
    const double a = leadingNumberValue(orbit.semiMajorAxis);
    const double e = leadingNumberValue(orbit.excentricity);

    // Today's simulator also flies a vessel on an open orbit (e > 1, a < 0): it passes when its
    // periapsis clears the atmosphere.
    const bool eccentricityIsNumber = IsANumber(orbit.excentricity);
    const bool hyperbolic = today && axisIsNumber && eccentricityIsNumber && e > 1 && a < 0;
    if (axisIsNumber && a * (1 - e) < limit)
        fail("The " + vessel + " orbit crosses the planet atmosphere or the planet surface; check the "
             "excentricity or the semi-major axis.");
    if (!axisIsNumber)
        fail("The " + vessel + " orbit semi-major axis is not correct.");
    if (axisIsNumber && a < limit && !hyperbolic)
        fail("The " + vessel + " orbit semi-major axis is equal to " + displayForm(a) +
             " m although the mean radius and atmosphere of " + planet + " is equal to " + displayForm(limit) + " m");
    if (!eccentricityIsNumber || (e >= 1 && !hyperbolic) || e < 0)
        fail("The " + vessel + " excentricity is not correct.");
    if (!IsANumber(orbit.inclination))
        fail("The " + vessel + " orbit inclination is not correct.");
    if (!IsANumber(orbit.ascendingNode))
        fail("The " + vessel + " orbit ascending node longitude is not correct.");
    if (!IsANumber(orbit.periapsisLongitude))
        fail("The " + vessel + " orbit periapsis longitude is not correct.");
    if (!IsANumber(orbit.meanLongitude))
        fail("The " + vessel + " orbit mean longitude is not correct.");
    return errors;
}

std::string StationEditor::validationErrors() {
    auto& tab = w_.stationTab;
    std::string errors;
    auto fail = [&errors](const std::string& message) {
        errors += message;
        errors += CR;
    };

    errors += vesselNameErrors(tab.StationName.text(), "station");
    if (tab.Check1.value() == 0 && !IsANumber(tab.StationRotationFrequency.text()))
        fail("The station rotation frequency is not correct.");
    if (!angleAccepted(tab.StationXAngle.text()))
        fail("The station frame rotation angle around X axis is not correct.");
    if (!angleAccepted(tab.StationYAngle.text()))
        fail("The station frame rotation angle around Y axis is not correct.");
    if (!angleAccepted(tab.StationZAngle.text()))
        fail("The station frame rotation angle around Z axis is not correct.");

    errors += orbitErrors("station", {tab.StationSemiMajorAxis.text(), tab.StationExcentricity.text(),
                                      tab.StationInclination.text(), tab.StationAscendingNodeLongitude.text(),
                                      tab.StationPeriapsisLongitude.text(), tab.StationMeanLongitude.text()},
                          tab.StationRefPlanet.caption(), planetLimit(w_, tab.StationRefPlanet.caption()),
                          w_.model.format == FileFormat::Today);
    return errors;
}

void StationEditor::Command1_Click() {
    const int i = shownRow();
    if (i < 0)
        return;
    auto& tab = w_.stationTab;

    const std::string errors = validationErrors();
    if (!errors.empty()) {
        w_.services.dialogs.msgBox(errors, ui::MsgOk, NotAccepted);
        return;
    }

    StationRow& row = w_.model.stations[static_cast<size_t>(i)];

    // Ships docked at the station move with it to its new planet. A station added but never
    // validated has no name of its own yet: its row may still hold another station's name
    // (the row a deletion freed), whose ships must stay where they are.
    const std::string& planet = tab.StationRefPlanet.caption();
    // A station that keeps its name, body and class leaves the dock tree as it is.
    const bool treeKept =
        trees_.stationTreeKeeps(i, tab.StationName.text(), planet, tab.StationClassName.caption());
    const bool named = i < tab.StationName.listCount() && tab.StationName.list(i) == row.StationNameTable;
    if (named && w_.model.format == FileFormat::Today) {
        // Today's docked ships follow the station: their STATUS names its new body, and their
        // dock its new name.
        const std::string name = trim(row.StationNameTable);
        const int ships = std::min(w_.shipCount(), static_cast<int>(w_.model.ships.size()));
        for (int j = 0; j < ships; ++j) {
            ShipRow& ship = w_.model.ships[static_cast<size_t>(j)];
            if (!carriedBy(ship, name))
                continue;
            if (planet != row.StationRefTable)
                ship.ShipPlanetTable = planet;
            if (equalsIgnoringCase(trim(ship.ShipStatusTable), "Docked"))
                ship.ShipDockedStationTable = trim(tab.StationName.text());
        }
    } else if (planet != row.StationRefTable && named) {
        const int ships = std::min(w_.shipCount(), static_cast<int>(w_.model.ships.size()));
        for (int j = 0; j < ships; ++j) {
            ShipRow& ship = w_.model.ships[static_cast<size_t>(j)];
            if (equalsIgnoringCase(trim(ship.ShipStatusTable), "Docked") &&
                ship.ShipDockedStationTable == row.StationNameTable)
                ship.ShipPlanetTable = planet;
        }
    }

    row.StationNameTable = tab.StationName.text();
    row.StationClassTable = tab.StationClassName.caption();
    row.StationRefTable = planet;
    row.StationRotationFrequencyTable = tab.StationRotationFrequency.text();
    row.StationXAngleTable = tab.StationXAngle.text();
    row.StationYAngleTable = tab.StationYAngle.text();
    row.StationZAngleTable = tab.StationZAngle.text();
    row.StationUseClassFrequency = tab.Check1.value() != 0;
    row.StationSemiMajorAxisTable = tab.StationSemiMajorAxis.text();
    row.StationExcentricityTable = tab.StationExcentricity.text();
    row.StationInclinationTable = tab.StationInclination.text();
    row.StationAscendingNodeLongitudeTable = tab.StationAscendingNodeLongitude.text();
    row.StationPeriapsisLongitudeTable = tab.StationPeriapsisLongitude.text();
    row.StationMeanLongitudeTable = tab.StationMeanLongitude.text();
    row.StationOrbitalRefDate = tab.StationOrbitalRefTime.date();
    row.StationOrbitalRefHourTable = tab.StationOrbitalRefHour.text();
    row.StationOrbitalRefMinTable = tab.StationOrbitalRefMin.text();
    // A today's station without a reference time of its own holds its elements at the start.
    if (row.StationToday && !row.StationOrbitalRefDate && !row.StationTodayAsRead)
        row.StationEpochMjd = shownStartMjd(w_);

    // The list shows the table: the new name, and no entry typed but never validated. Only
    // this row changed when the list already holds one entry per station.
    const int n = w_.stationCount();
    if (namesShown_ == tab.StationName.itemsRevision() && tab.StationName.listCount() == n && i < n) {
        tab.StationName.setListIndex(-1);
        tab.StationName.setItem(i, row.StationNameTable);
    } else {
        std::vector<std::string> names;
        names.reserve(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k)
            names.push_back(w_.model.stations[static_cast<size_t>(k)].StationNameTable);
        tab.StationName.clear();
        tab.StationName.setItems(std::move(names));
    }
    namesShown_ = tab.StationName.itemsRevision();
    tab.StationName.setListIndex(i);

    if (!treeKept)
        trees_.StationTreeUpdate();
    shipDisplay_.ShipParameterDisplay();
    if (!treeKept)
        trees_.StationDockTreeUpdate();
    w_.status.report(w_.model.stations[static_cast<size_t>(i)].StationNameTable + " validated");
}

void StationEditor::Command2_Click() {
    auto& tab = w_.stationTab;
    const int n = w_.stationCount();
    if (n <= 0)
        return;

    // The row shown is removed; a label naming no row of the list removes nothing.
    const int i = shownRow();
    if (i < 0)
        return;

    // A ship that names this station as its dock blocks the deletion: the name in the box, or
    // the name the list shows for the station when the person has typed another one without
    // validating it. Ships that are not docked anywhere hold an empty station name and never
    // count.
    const std::string& typed = tab.StationName.text();
    const std::string& listed = tab.StationName.list(i);
    // A today's station lets its ships go: they orbit where it was.
    const int ships = std::min(w_.shipCount(), static_cast<int>(w_.model.ships.size()));
    for (int j = 0; j < ships && w_.model.format != FileFormat::Today; ++j) {
        const std::string& dock = w_.model.ships[static_cast<size_t>(j)].ShipDockedStationTable;
        if (!dock.empty() && (dock == typed || dock == listed)) {
            w_.services.dialogs.msgBox("You may not withdraw a station with a docked ship !",
                                       ui::MsgExclamation, "Forbidden action");
            return;
        }
    }

    const bool today = w_.model.format == FileFormat::Today;
    const std::vector<std::string> children =
        today ? attachedChildren(w_.model, w_.shipCount(), listed) : std::vector<std::string>();
    const std::vector<std::string> docked =
        today ? dockedFollowers(w_.model, w_.shipCount(), listed) : std::vector<std::string>();
    if (w_.services.dialogs.msgBox(children.empty() && docked.empty()
                                       ? std::string("Are you sure you want to delete the station ?")
                                       : detachQuestion(listed, children, docked, true),
                                   ui::MsgYesNoQuestion, "Deleting confirmation") != ui::AnswerYes)
        return;
    if (w_.model.format == FileFormat::Today && w_.model.validStation(i))
        releaseDockedShips(w_.model.stations[static_cast<size_t>(i)]);

    if (n <= 1) {
        // The table rows stay as they are: they are spare rows behind an empty list.
        stationDisplay_.StationTabReset();
        trees_.StationTreeUpdate();
        return;
    }

    auto& rows = w_.model.stations;
    // The station where reading stopped holds the stations after it as read: they go to a neighbour.
    const int keeper = i > 0 ? i - 1 : i + 1;
    if (keeper < n && keeper < static_cast<int>(rows.size()) && w_.model.validStation(i))
        passLinesNotTaken(rows[static_cast<size_t>(i)].StationLinesNotTaken,
                          rows[static_cast<size_t>(keeper)].StationLinesNotTaken);
    for (int k = i; k <= n - 2 && k + 1 < static_cast<int>(rows.size()); ++k)
        rows[static_cast<size_t>(k)] = rows[static_cast<size_t>(k + 1)];
    w_.model.StationTableRedimPreserve(n - 1);
    tab.StationName.removeItem(i);

    if (i > 0)
        tab.StationIndex.setCaption(std::to_string(i - 1));
    tab.StationName.setListIndex(static_cast<int>(leadingNumberValue(tab.StationIndex.caption())));

    trees_.StationTreeUpdate();
}

std::optional<orbit::StateVector> stationStateAtStart(const MainWindowParts& w, const StationRow& station) {
    const Body* body = w.cat.bodies.find(trim(station.StationRefTable));
    const std::optional<double> mu = body ? body->mu() : std::nullopt;
    const std::optional<double> start = shownStartMjd(w);
    if (!mu || !start)
        return std::nullopt;
    const double epoch = station.StationOrbitalRefDate
                             ? mjdFromDayTime(*station.StationOrbitalRefDate,
                                              leadingNumberValue(station.StationOrbitalRefHourTable),
                                              leadingNumberValue(station.StationOrbitalRefMinTable))
                             : station.StationEpochMjd.value_or(*start);
    const double exactEpoch = station.StationTodayAsRead && station.StationTodayAsRead->StationEpochMjd &&
                                      station.StationOrbitalRefDate == station.StationTodayAsRead->StationOrbitalRefDate &&
                                      station.StationOrbitalRefHourTable == station.StationTodayAsRead->StationOrbitalRefHourTable &&
                                      station.StationOrbitalRefMinTable == station.StationTodayAsRead->StationOrbitalRefMinTable
                                  ? *station.StationTodayAsRead->StationEpochMjd
                                  : epoch;
    const orbit::Elements elements{leadingNumberValue(station.StationSemiMajorAxisTable),
                                   leadingNumberValue(station.StationExcentricityTable),
                                   leadingNumberValue(station.StationInclinationTable),
                                   leadingNumberValue(station.StationAscendingNodeLongitudeTable),
                                   leadingNumberValue(station.StationPeriapsisLongitudeTable),
                                   leadingNumberValue(station.StationMeanLongitudeTable),
                                   exactEpoch};
    const orbit::Result<orbit::StateVector> state = orbit::stateFromElements(elements, *mu, *start);
    if (!state)
        return std::nullopt;
    return *state;
}

void StationEditor::releaseDockedShips(const StationRow& station) {
    // Where the station is at the start: its docked ships stay there, orbiting on their own.
    const std::optional<orbit::StateVector> state = stationStateAtStart(w_, station);
    if (!state)
        return;
    const std::string name = trim(station.StationNameTable);
    const int ships = std::min(w_.shipCount(), static_cast<int>(w_.model.ships.size()));
    for (int j = 0; j < ships; ++j) {
        ShipRow& ship = w_.model.ships[static_cast<size_t>(j)];
        if (!carriedBy(ship, name))
            continue;
        ship.ShipStatusTable = "Orbiting";
        ship.ShipDockedStationTable.clear();
        ship.ShipDockedPortTable.clear();
        ship.ShipPlanetTable = trim(station.StationRefTable);
        ship.ShipRposXTable = numberText(state->position.x);
        ship.ShipRposYTable = numberText(state->position.y);
        ship.ShipRposZTable = numberText(state->position.z);
        ship.ShipRvelXTable = numberText(state->velocity.x);
        ship.ShipRvelYTable = numberText(state->velocity.y);
        ship.ShipRvelZTable = numberText(state->velocity.z);
        ship.ShipPlacement = TodaysPlacement::Vector;
    }
    shipDisplay_.ShipParameterDisplay();
}

void StationEditor::Command3_Click() {
    auto& tab = w_.stationTab;
    const int n = w_.stationCount();
    // The new station takes row n as it stands: blank after a load, or the last station's
    // fields after a deletion (a deletion does not blank the row it frees).
    w_.model.StationTableRedimPreserve(n + 1);
    // Its fields, but not the lines of the block they came from: it is a new block of the file.
    StationRow& row = w_.model.stations[static_cast<size_t>(n)];
    row.StationSource.reset();
    row.StationHeadLine = -1;
    row.StationBlockLines.clear();
    row.StationLinesNotTaken.clear();
    // In a today's file the new station is a vessel of the ships' section, with today's lines.
    row.StationToday = w_.model.format == FileFormat::Today;
    row.StationTodayAsRead.reset();
    row.StationPlacedByVector = false;
    row.StationEpochMjd.reset();
    row.StationSpinAsRead = false;
    tab.StationName.addItem("New Station");
    tab.StationName.setListIndex(n);
    stationDisplay_.StationParameterDisplay();
    tab.Check1.setValue(1);
    stationDisplay_.takeShownFields();
}

void StationEditor::Command8_Click() {
    w_.stationTab.StationRefPlanet.setCaption(w_.stationTab.StationRef.text());
    stationDisplay_.showOrbit();
}

void StationEditor::Command9_Click() {
    w_.stationTab.StationClassName.setCaption(w_.stationTab.StationClass.text());
}

} // namespace vantrel
