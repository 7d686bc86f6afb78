#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Shows a station of the table on the station tab.
class StationDisplay {
public:
    explicit StationDisplay(Vantrel& main);

    void StationTabReset();
    void StationParameterDisplay();
    void StationName_Click();
    void Check1_Click();

private:
    Vantrel& w_;
};

} // namespace vantrel
