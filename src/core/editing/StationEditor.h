#pragma once

#include "core/orbit/Orbit.h"

#include <optional>
#include <string>

namespace vantrel {

class MainWindowParts;
class SelectionTrees;
class ShipDisplay;
class StationDisplay;
struct StationRow;

// The station tab's actions: change class and planet, validation, add and delete. The screen
// fields are a working copy; only an accepted validation writes the station's row.
class StationEditor {
public:
    // The title of the message box that refuses a validation.
    static constexpr const char* NotAcceptedTitle = "Station parameter validation not accepted !";

    StationEditor(MainWindowParts& main, StationDisplay& stationDisplay, ShipDisplay& shipDisplay,
                  SelectionTrees& trees);

    // "Station parameter validation": checks every field and, when all pass, stores the row
    // shown, moves the ships docked at it to its new planet, rebuilds the list and the views.
    // Refused: one message box listing every failed check, nothing stored. With no station
    // shown (empty list, a row outside the list) it does nothing.
    void Command1_Click();
    // "Delete station": refused while a ship is docked at it; asks for confirmation.
    void Command2_Click();
    // "Add a new station": a "New Station" entry showing the table's next row.
    void Command3_Click();
    // "Change Planet" and "Change class": copy the chosen entry into the label only.
    void Command8_Click();
    void Command9_Click();

private:
    // The error text for the fields as they stand, empty when every check passes; each failed
    // check's message ends with a carriage return.
    std::string validationErrors();
    // The row shown, or -1 when no station is shown.
    int shownRow() const;
    // Before a today's station goes: the ships its group placed orbit where it is at the start,
    // on their own.
    void releaseDockedShips(const StationRow& station);

    MainWindowParts& w_;
    StationDisplay& stationDisplay_;
    ShipDisplay& shipDisplay_;
    SelectionTrees& trees_;
    // The name list's revision when it last showed the table exactly, one entry per row.
    unsigned long long namesShown_ = ~0ull;
};

// An orbit's six elements as typed.
struct OrbitTexts {
    const std::string& semiMajorAxis;
    const std::string& excentricity;
    const std::string& inclination;
    const std::string& ascendingNode;
    const std::string& periapsisLongitude;
    const std::string& meanLongitude;
};

// The messages, each ending with the character 13, for an orbit of a "station" or "ship" about a
// planet whose radius and atmosphere reach `limit`; empty when it passes. Today's files also take
// an open orbit whose periapsis clears the atmosphere.
std::string orbitErrors(const std::string& vessel, const OrbitTexts& orbit, const std::string& planet, double limit,
                        bool today);
// The planet's mean radius plus its atmosphere height, from its body file in the configuration
// folder (0 for a missing file or key).
double planetLimit(MainWindowParts& w, const std::string& planet);

// Where a station's orbit puts it at the start the environment tab shows, relative to its body;
// nothing when its body has no mass or its orbit cannot be worked out.
std::optional<orbit::StateVector> stationStateAtStart(const MainWindowParts& w, const StationRow& station);

} // namespace vantrel
