#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The ship tab's validation and its class and planet choices. What a person types stays in
// the screen fields until "Ship parameter validation" accepts every field of the status shown.
class ShipEditor {
public:
    explicit ShipEditor(Vantrel& main);

    // "Ship parameter validation": checks the fields of the selected status and, when all
    // pass, stores the row shown, rebuilds the ship lists, shows the row again, checks the
    // user-controlled ship and re-marks the trees. Refused: one message box, nothing stored.
    // With no ship shown (empty list, a row outside the list) it does nothing.
    void Command4_Click();
    // "Change class" and "Change planet": copy the chosen entry into the label only.
    void Command10_Click();
    void Command11_Click();
    // Keeps the user-controlled ship when it is still one of the possible ships; otherwise
    // makes it the first one and says so.
    void ShipFocusCheck();

    // Rebuilds ShipName and PossibleShipFocus from the first `count` rows of the table.
    void rebuildShipLists(int count);

private:
    // The error text for the fields as they stand, empty when every check passes.
    std::string validationErrors();
    // The planet's mean radius from its body file in the configuration folder (0 when the
    // file or its "Size" entry is missing).
    double planetRadius(const std::string& planet);

    Vantrel& w_;
};

// The level a percentage label stands for: "50 %" gives 0.5, an empty label 0.
double levelFromPercentLabel(const std::string& caption);

} // namespace vantrel
