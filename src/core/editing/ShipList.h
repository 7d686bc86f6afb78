#pragma once

#include <string>

namespace vantrel {

class MainWindowParts;
class SelectionTrees;
class ShipDisplay;
class ShipEditor;

// Adding and deleting ships, and the user-controlled ship.
class ShipList {
public:
    ShipList(MainWindowParts& main, ShipDisplay& shipDisplay, ShipEditor& shipEditor, SelectionTrees& trees);

    // "Add a new ship": a "New Ship" entry showing the table's next row; it becomes a
    // possible user-controlled ship only once validated.
    void Command5_Click();
    // "Delete ship": asks for confirmation, removes the ship shown (never the last one), then
    // rebuilds the lists and makes sure the user-controlled ship still exists.
    void Command6_Click();
    // "Change user-controled ship": the name part of the chosen possible ship.
    void Command7_Click();

private:
    MainWindowParts& w_;
    ShipDisplay& shipDisplay_;
    ShipEditor& shipEditor_;
    SelectionTrees& trees_;
};

} // namespace vantrel
