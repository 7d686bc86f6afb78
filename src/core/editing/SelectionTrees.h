#pragma once

#include <string>

namespace vantrel {

class Vantrel;

namespace ui {
class TreeView;
}

// The dock and landing-pad trees of the ship tab: bodies of the current system, stations with
// their docking ports and bases with their landing pads, each taken port or pad carrying the
// ship that takes it. A double-click on a free port or pad fills the ship editor's fields.
class SelectionTrees {
public:
    // Node images, as the desktop's image list orders them.
    enum Image : int {
        PlanetImage = 1,
        MoonImage = 2,
        StationImage = 3,
        BaseImage = 4,
        LandingPadImage = 5,
        DockImage = 6,
        ShipImage = 7,
    };

    explicit SelectionTrees(Vantrel& main);

    // Rebuilds the dock tree: bodies, then each station under every node that bears its
    // reference body's name, with its class's docking ports. Ship marks are gone afterwards.
    void StationTreeUpdate();
    // Re-marks the docked ships under their ports and expands the branches that hold them.
    void StationDockTreeUpdate();
    // Rebuilds the pad tree: bodies, then each base with its landing pads.
    void BaseTreeUpdate();
    // Re-marks the landed ships under their pads.
    void BasePadTreeUpdate();

    void ShipDockedTree_DblClick();
    void ShipLandingTree_DblClick();

private:
    void bodies(ui::TreeView& tree);
    // Removes the ship nodes and adds one under every free-or-taken port or pad whose number and
    // parent name match a ship of the given status.
    void markShips(ui::TreeView& tree, const char* status, bool docked);
    Vantrel& w_;
};

} // namespace vantrel
