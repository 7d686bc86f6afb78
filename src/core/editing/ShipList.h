#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// Adding and deleting ships, and the user-controlled ship.
class ShipList {
public:
    explicit ShipList(Vantrel& main);

    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

private:
    Vantrel& w_;
};

} // namespace vantrel
