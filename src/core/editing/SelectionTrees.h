#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The dock and landing-pad trees of the ship tab.
class SelectionTrees {
public:
    explicit SelectionTrees(Vantrel& main);

    void StationTreeUpdate();
    void StationDockTreeUpdate();
    void BaseTreeUpdate();
    void BasePadTreeUpdate();

private:
    Vantrel& w_;
};

} // namespace vantrel
