#pragma once

#include <string>
#include <unordered_map>

namespace vantrel {

class MainWindowParts;
class SelectionTrees;
class ShipDisplay;

// The ship tab's validation and its class and planet choices. What a person types stays in
// the screen fields until "Ship parameter validation" accepts every field of the status shown.
class ShipEditor {
public:
    // The title of the message box that refuses a validation.
    static constexpr const char* NotAcceptedTitle = "Ship parameter validation not accepted !";

    ShipEditor(MainWindowParts& main, ShipDisplay& shipDisplay, SelectionTrees& trees);

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
    // Shows the new name and class of one row in both lists; the lists are rebuilt when
    // something else changed them since they last showed the table.
    void updateShipLists(int row, int count);

private:
    // Is a ship of that name among the possible ships? Answered from an index of the names
    // that follows the list's edits, so that the check after each validation does not walk
    // every ship.
    bool focusListed(const std::string& focus);

    // The error text for the fields as they stand, empty when every check passes.
    std::string validationErrors();
    // The row the tab shows, or -1.
    int shownShipRow() const;
    // How many stations the focus list offers after the ships: a today's file's stations.
    int focusStations() const;
    // The planet's mean radius from its body file in the configuration folder (0 when the
    // file or its "Size" entry is missing).
    double planetRadius(const std::string& planet);

    MainWindowParts& w_;
    ShipDisplay& shipDisplay_;
    SelectionTrees& trees_;
    // The lists' revisions when they last showed the table exactly, one entry per row.
    unsigned long long namesShown_ = ~0ull;
    unsigned long long candidatesShown_ = ~0ull;
    std::unordered_map<std::string, int> focusNames_;
    unsigned long long focusNamesRevision_ = ~0ull;
};

// The level a percentage label stands for: "50 %" gives 0.5, an empty label 0.
double levelFromPercentLabel(const std::string& caption);

} // namespace vantrel
