#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class MainWindowParts;

// Shows a station of the table on the station tab.
class StationDisplay {
public:
    explicit StationDisplay(MainWindowParts& main);

    // Empties the station list and every station field. StationIndex and Check1 keep their
    // values.
    void StationTabReset();
    // Shows the station selected in StationName; does nothing when no station is selected or
    // the selection has no table row.
    void StationParameterDisplay();
    // A station chosen in the list (also raised when code selects an entry).
    void StationName_Click();
    // The box "Refered to station class": checked disables the own frequency.
    void Check1_Click();

    // Whether the tab's fields differ from what showing the station put there: edits typed
    // but not validated. False while no station is shown.
    bool hasUnvalidatedEdits() const;
    // The name of the station shown, as its list names it; empty while none is.
    std::string shownName() const;
    // The fields as they stand now are the ones shown (a new station's defaults).
    void takeShownFields();
    // Draws the orbit the fields give now.
    void showOrbit();

private:
    std::vector<std::string> fieldsNow() const;

    MainWindowParts& w_;
    // The fields as the last showing left them, with the row shown.
    std::optional<std::vector<std::string>> shown_;
    int shownRow_ = -1;
    // While the tab is being filled the picture waits for the last field.
    bool filling_ = false;
};

} // namespace vantrel
