#pragma once

#include <string>

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

private:
    MainWindowParts& w_;
};

} // namespace vantrel
