#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Adding and deleting ships, and the user-controlled ship.
class ShipList {
public:
    explicit ShipList(Vantrel& main);

    // "Add a new ship": a "New Ship" entry showing the table's next row; it becomes a
    // possible user-controlled ship only once validated.
    void Command5_Click();
    // "Delete ship": asks for confirmation, removes the ship shown (never the last one), then
    // rebuilds the lists and makes sure the user-controlled ship still exists.
    void Command6_Click();
    // "Change user-controled ship": the name part of the chosen possible ship.
    void Command7_Click();

private:
    Vantrel& w_;
};

} // namespace vantrel
