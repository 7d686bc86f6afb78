#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The choice of planetary system on the first tab and its lock.
class SystemChoice {
public:
    explicit SystemChoice(Vantrel& main);

    // Empties the scenario after a change of system: no station, no ship, no focus, no
    // description; the trees show the new system's bodies.
    void PlanetarySystemUpdate();
    // The person opens the list of systems: the system selected at that moment is read and
    // the scenario emptied. Nothing happens while no system is selected.
    void PlanetarySystem_DropDown();
    // "Lock security": checked, the system cannot be changed; unchecking warns first.
    void Check2_Click();

private:
    Vantrel& w_;
};

} // namespace vantrel
