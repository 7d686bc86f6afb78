#pragma once

#include "core/text/TextNumbers.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class MainWindowParts;
struct ShipRow;

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

    explicit SelectionTrees(MainWindowParts& main);

    // Rebuilds the dock tree: bodies, then each station under every node that bears its
    // reference body's name, with its class's docking ports. Ship marks are gone afterwards.
    void StationTreeUpdate();
    // Re-marks the docked ships under their ports and expands the branches that hold them.
    void StationDockTreeUpdate();
    // Rebuilds the pad tree: bodies, then each base with its landing pads.
    void BaseTreeUpdate();
    // Re-marks the landed ships under their pads.
    void BasePadTreeUpdate();
    // One ship row changed (`before` is what it held): both trees show it as a full re-mark
    // would, moving only that ship's node when the ship keeps a single place before and after.
    void shipChanged(int row, const ShipRow& before);
    // Would a station row's new name, body and class leave the dock tree as it stands? True when
    // the row was built into the tree and none of the three changed.
    bool stationTreeKeeps(int row, const std::string& name, const std::string& body,
                          const std::string& stationClass) const;

    void ShipDockedTree_DblClick();
    void ShipLandingTree_DblClick();

private:
    // Tree positions grouped by a place (a parent's name and a number), each group in increasing
    // order. The groups are lists threaded through the positions, so that tens of thousands of
    // nodes and ships fill a few arrays instead of a map of vectors.
    struct PlaceGroups {
        TextNumbers places;
        // Per place: its first and last position (0 when the group is empty) and how many rows
        // of the tree's status name it.
        std::vector<int> first, last, rows;
        // Per position: the next position of its group, 0 at the end.
        std::vector<int> next;
        void clear();
        // The number of a place, added when new.
        int place(std::string_view key);
        // Adds a position beyond every other one of the group.
        void append(int place, int position);
        void insert(int place, int position);
        void remove(int place, int position);
    };
    // What the last full marking of a tree found, kept so that one ship's change can be shown
    // without walking every ship and node again. It holds while the tree's revision is the one
    // recorded here.
    struct ShipMarks {
        unsigned long long revision = ~0ull;
        int rows = -1;
        // The nodes under which a ship of each place hangs; ship nodes take part, as the marking
        // lets them.
        PlaceGroups byPort;
        // The ship node of each row: 0 none, -1 several.
        std::vector<int> nodeOfRow;
    };
    bool remarkShip(ui::TreeView& tree, ShipMarks& marks, const char* status, bool docked, int row,
                    const ShipRow& before);
    void bodies(ui::TreeView& tree);
    // Removes the ship nodes and adds one under every free-or-taken port or pad whose number and
    // parent name match a ship of the given status.
    void markShips(ui::TreeView& tree, const char* status, bool docked, ShipMarks& marks);
    MainWindowParts& w_;
    // Scratch room for building a place's key.
    std::string key_;
    std::vector<int> positions_;
    ShipMarks dockMarks_;
    ShipMarks padMarks_;
    // The station rows and body list the dock tree was last built from.
    int stationRowsInTree_ = -1;
    unsigned long long stationTreeBodies_ = ~0ull;
};

} // namespace vantrel
