#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Shows a ship of the table on the ship tab.
class ShipDisplay {
public:
    explicit ShipDisplay(Vantrel& main);

    void ShipTabReset();
    void ShipParameterDisplay();
    void ShipName_Click();

private:
    Vantrel& w_;
};

} // namespace vantrel
