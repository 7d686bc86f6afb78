#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The choice of planetary system on the first tab and its lock.
class SystemChoice {
public:
    explicit SystemChoice(Vantrel& main);

    void PlanetarySystemUpdate();
    void PlanetarySystem_DropDown();
    void Check2_Click();

private:
    Vantrel& w_;
};

} // namespace vantrel
