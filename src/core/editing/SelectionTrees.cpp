#include "core/editing/SelectionTrees.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/MainWindowParts.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace vantrel {

namespace {

// A pad count read from a base entry, kept within what a tree can sensibly show.
int padCount(const std::string& text) {
    const double value = leadingNumberValue(text);
    if (!(value > 0))
        return 0;
    return value > 100000 ? 100000 : static_cast<int>(value);
}

// The key of a port or pad node: its parent's name (letter case ignored) and its number, built
// in the caller's room.
std::string_view portKey(std::string& key, std::string_view parentText, std::string_view number) {
    key.assign(trimmed(parentText));
    for (char& c : key)
        c = asciiUpper(c);
    key += '\n';
    key += number;
    return key;
}

// A tree text as the station tree compares it, or ignoring letter case as the pad tree does.
std::string_view nodeKey(std::string& key, std::string_view text, bool ignoringCase) {
    key.assign(trimmed(text));
    if (ignoringCase)
        for (char& c : key)
            c = asciiUpper(c);
    return key;
}

} // namespace

SelectionTrees::SelectionTrees(MainWindowParts& main) : w_(main) {
    w_.shipTab.ShipDockedTree.onDblClick = [this] { ShipDockedTree_DblClick(); };
    w_.shipTab.ShipLandingTree.onDblClick = [this] { ShipLandingTree_DblClick(); };
}

void SelectionTrees::PlaceGroups::clear() {
    places.clear();
    first.clear();
    last.clear();
    rows.clear();
    next.clear();
}

int SelectionTrees::PlaceGroups::place(std::string_view key) {
    // Places are numbered in turn, so a new one is always the next.
    const int p = places.add(key);
    if (static_cast<size_t>(p) == first.size()) {
        first.push_back(0);
        last.push_back(0);
        rows.push_back(0);
    }
    return p;
}

void SelectionTrees::PlaceGroups::append(int place, int position) {
    if (static_cast<size_t>(position) >= next.size())
        next.resize(static_cast<size_t>(position) + 1, 0);
    next[static_cast<size_t>(position)] = 0;
    int& tail = last[static_cast<size_t>(place)];
    if (tail == 0)
        first[static_cast<size_t>(place)] = position;
    else
        next[static_cast<size_t>(tail)] = position;
    tail = position;
}

void SelectionTrees::PlaceGroups::insert(int place, int position) {
    int before = 0;
    for (int p = first[static_cast<size_t>(place)]; p != 0 && p < position; p = next[static_cast<size_t>(p)])
        before = p;
    if (before == last[static_cast<size_t>(place)]) {
        append(place, position);
        return;
    }
    int& link = before == 0 ? first[static_cast<size_t>(place)] : next[static_cast<size_t>(before)];
    next[static_cast<size_t>(position)] = link;
    link = position;
}

void SelectionTrees::PlaceGroups::remove(int place, int position) {
    int before = 0;
    int p = first[static_cast<size_t>(place)];
    while (p != 0 && p != position) {
        before = p;
        p = next[static_cast<size_t>(p)];
    }
    if (p == 0)
        return;
    const int after = next[static_cast<size_t>(p)];
    (before == 0 ? first[static_cast<size_t>(place)] : next[static_cast<size_t>(before)]) = after;
    if (last[static_cast<size_t>(place)] == position)
        last[static_cast<size_t>(place)] = before;
}

void SelectionTrees::bodies(ui::TreeView& tree) {
    tree.clear();
    int planet = 1;
    const std::vector<std::string>& entries = w_.stationTab.StationRef.items();
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        if (trim(entry).size() == entry.size()) {
            tree.add(0, entry, PlanetImage);
            planet = static_cast<int>(i) + 1;
        } else {
            tree.add(planet, entry, MoonImage);
        }
    }
}

void SelectionTrees::StationTreeUpdate() {
    ui::TreeView& tree = w_.shipTab.ShipDockedTree;
    bodies(tree);
    stationRowsInTree_ = w_.stationCount();
    stationTreeBodies_ = w_.stationTab.StationRef.itemsRevision();

    // Every node takes part, stations and ports included, as they are added.
    PlaceGroups byText;
    for (int j = 1; j <= tree.count(); ++j)
        byText.append(byText.place(nodeKey(key_, tree.node(j).text, false)), j);
    auto add = [&](int parent, std::string text, int image) {
        const int group = byText.place(nodeKey(key_, text, false));
        const int position = tree.add(parent, std::move(text), image);
        byText.append(group, position);
        return position;
    };

    const int stations = w_.stationCount();
    for (int i = 0; i < stations && w_.model.validStation(i); ++i) {
        const StationRow& row = w_.model.stations[static_cast<size_t>(i)];
        const int group = byText.places.find(nodeKey(key_, row.StationRefTable, false));
        if (group < 0)
            continue;
        // Only the nodes that existed when this station's turn began.
        std::vector<int>& places = positions_;
        places.clear();
        for (int p = byText.first[static_cast<size_t>(group)]; p != 0; p = byText.next[static_cast<size_t>(p)])
            places.push_back(p);
        const int docks = places.empty() ? 0 : w_.StationDockNumberDisplay(row.StationClassTable);
        for (size_t n = 0; n < places.size(); ++n) {
            const int k = add(places[n], row.StationNameTable, StationImage);
            for (int d = 1; d <= docks; ++d)
                add(k, "Dock  " + std::to_string(d), DockImage);
        }
    }
}

void SelectionTrees::BaseTreeUpdate() {
    ui::TreeView& tree = w_.shipTab.ShipLandingTree;
    bodies(tree);

    PlaceGroups byText;
    for (int j = 1; j <= tree.count(); ++j)
        byText.append(byText.place(nodeKey(key_, tree.node(j).text, true)), j);
    auto add = [&](int parent, std::string text, int image) {
        const int group = byText.place(nodeKey(key_, text, true));
        const int position = tree.add(parent, std::move(text), image);
        byText.append(group, position);
        return position;
    };

    const int bases = std::min<int>(w_.cat.BaseCount, static_cast<int>(w_.cat.BaseTable.size()));
    for (int i = 0; i < bases; ++i) {
        const std::string& entry = w_.cat.BaseTable[static_cast<size_t>(i)];
        const size_t first = entry.find(':');
        const std::string name = entry.substr(0, first);
        std::string pads, body;
        if (first != std::string::npos) {
            const size_t second = entry.find(':', first + 1);
            pads = entry.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
            if (second != std::string::npos)
                body = entry.substr(second + 1);
        }
        const int group = byText.places.find(nodeKey(key_, body, true));
        if (group < 0)
            continue;
        std::vector<int>& places = positions_;
        places.clear();
        for (int p = byText.first[static_cast<size_t>(group)]; p != 0; p = byText.next[static_cast<size_t>(p)])
            places.push_back(p);
        const int count = padCount(pads);
        for (size_t n = 0; n < places.size(); ++n) {
            const int k = add(places[n], name, BaseImage);
            for (int c = 1; c <= count; ++c)
                add(k, "Landing pad  " + std::to_string(c), LandingPadImage);
        }
    }
}

void SelectionTrees::StationDockTreeUpdate() { markShips(w_.shipTab.ShipDockedTree, "DOCKED", true, dockMarks_); }

void SelectionTrees::BasePadTreeUpdate() { markShips(w_.shipTab.ShipLandingTree, "LANDED", false, padMarks_); }

bool SelectionTrees::stationTreeKeeps(int row, const std::string& name, const std::string& body,
                                      const std::string& stationClass) const {
    if (row < 0 || row >= stationRowsInTree_ || stationRowsInTree_ != w_.stationCount() ||
        stationTreeBodies_ != w_.stationTab.StationRef.itemsRevision() ||
        row >= static_cast<int>(w_.model.stations.size()))
        return false;
    const StationRow& built = w_.model.stations[static_cast<size_t>(row)];
    return built.StationNameTable == name && built.StationRefTable == body && built.StationClassTable == stationClass;
}

void SelectionTrees::shipChanged(int row, const ShipRow& before) {
    if (!remarkShip(w_.shipTab.ShipDockedTree, dockMarks_, "DOCKED", true, row, before))
        StationDockTreeUpdate();
    if (!remarkShip(w_.shipTab.ShipLandingTree, padMarks_, "LANDED", false, row, before))
        BasePadTreeUpdate();
}

namespace {

// Expands the branch that holds a ship node, as the marking does.
void expandAbove(ui::TreeView& tree, int node) {
    int p = tree.node(node).parent;
    for (int level = 0; level < 3 && p != 0; ++level) {
        tree.expand(p);
        p = tree.node(p).parent;
    }
    tree.expand(tree.root(node));
}

} // namespace

bool SelectionTrees::remarkShip(ui::TreeView& tree, ShipMarks& marks, const char* status, bool docked, int row,
                                const ShipRow& before) {
    if (marks.revision != tree.revision() || marks.rows != w_.shipCount() || row < 0 ||
        row >= static_cast<int>(marks.nodeOfRow.size()) || row >= static_cast<int>(w_.model.ships.size()))
        return false;
    PlaceGroups& groups = marks.byPort;
    const ShipRow& after = w_.model.ships[static_cast<size_t>(row)];
    // The place a ship of the tree's status names, -1 for a ship of another status.
    auto placeOf = [&](const ShipRow& ship) {
        if (!equalsIgnoringCase(trimmed(ship.ShipStatusTable), status))
            return -1;
        return groups.place(portKey(key_, docked ? ship.ShipDockedStationTable : ship.ShipLandedBaseTable,
                                    trimmed(docked ? ship.ShipDockedPortTable : ship.ShipLandedPadTable)));
    };
    const int oldPlace = placeOf(before);
    const int newPlace = placeOf(after);
    const int node = marks.nodeOfRow[static_cast<size_t>(row)];
    if (node < 0)
        return false;

    const int place = newPlace < 0 ? 0 : groups.first[static_cast<size_t>(newPlace)];
    // A place that is itself a ship node depends on the order of the rows: left to a full marking.
    for (int p = place; p != 0; p = groups.next[static_cast<size_t>(p)])
        if (tree.node(p).image == ShipImage)
            return false;

    auto movePlaceCount = [&] {
        if (oldPlace >= 0)
            --groups.rows[static_cast<size_t>(oldPlace)];
        if (newPlace >= 0)
            ++groups.rows[static_cast<size_t>(newPlace)];
    };
    if (node == 0 && place == 0) {
        movePlaceCount();
        return true;
    }
    // A node that appears, goes or doubles changes the length of the tree: a full marking.
    if (node == 0 || place == 0 || groups.last[static_cast<size_t>(newPlace)] != place || tree.node(node).children != 0)
        return false;

    const int oldShipKey =
        groups.place(portKey(key_, tree.node(tree.node(node).parent).text, trim(GetNumberValue(before.ShipNameTable))));
    const int newShipKey = groups.place(portKey(key_, tree.node(place).text, trim(GetNumberValue(after.ShipNameTable))));
    // A ship that would then hang under this one is left to a full marking as well.
    if (newShipKey != oldShipKey && groups.rows[static_cast<size_t>(newShipKey)] > 0)
        return false;
    if (!tree.moveLeaf(node, place, after.ShipNameTable))
        return false;
    if (newShipKey != oldShipKey) {
        groups.remove(oldShipKey, node);
        groups.insert(newShipKey, node);
    }
    movePlaceCount();
    expandAbove(tree, node);
    marks.revision = tree.revision();
    return true;
}

void SelectionTrees::markShips(ui::TreeView& tree, const char* status, bool docked, ShipMarks& marks) {
    marks.revision = ~0ull;
    marks.rows = -1;
    PlaceGroups& groups = marks.byPort;
    groups.clear();
    tree.removeIf([](const ui::TreeView::Node& n) { return n.image == ShipImage; });

    // Room for every port and every ship at once: a huge scenario fills these with tens of
    // thousands of entries, and room left unused is never written to.
    const int ships = w_.shipCount();
    const size_t room = static_cast<size_t>(tree.count()) + static_cast<size_t>(std::max(ships, 0));
    tree.reserve(room);
    groups.places.reserve(room);
    groups.first.reserve(room);
    groups.last.reserve(room);
    groups.rows.reserve(room);
    groups.next.reserve(room + 1);

    // Nodes without a parent have no station or base to compare and never match. A parent's
    // ports follow one another, so the key's first part is kept while the parent stays.
    int keyParent = 0;
    size_t parentPart = 0;
    for (int j = 1; j <= tree.count(); ++j) {
        const ui::TreeView::Node& n = tree.node(j);
        if (n.parent == 0)
            continue;
        if (n.parent != keyParent) {
            parentPart = portKey(key_, tree.node(n.parent).text, {}).size();
            keyParent = n.parent;
        }
        key_.resize(parentPart);
        key_ += trimmed(GetNumberValue(n.text));
        groups.append(groups.place(key_), j);
    }

    std::vector<int> shipNodes;
    std::vector<int>& nodeOfRow = marks.nodeOfRow;
    nodeOfRow.assign(static_cast<size_t>(std::max(ships, 0)), 0);
    bool allRows = true;
    for (int i = 0; i < ships; ++i) {
        if (!w_.model.validShip(i)) {
            allRows = false;
            break;
        }
        const ShipRow& row = w_.model.ships[static_cast<size_t>(i)];
        if (!equalsIgnoringCase(trimmed(row.ShipStatusTable), status))
            continue;
        const std::string& port = docked ? row.ShipDockedPortTable : row.ShipLandedPadTable;
        const std::string& owner = docked ? row.ShipDockedStationTable : row.ShipLandedBaseTable;
        const int place = groups.place(portKey(key_, owner, trimmed(port)));
        ++groups.rows[static_cast<size_t>(place)];
        const int firstNode = groups.first[static_cast<size_t>(place)];
        if (firstNode == 0)
            continue;
        const auto hang = [&](int j) {
            const int k = tree.add(j, row.ShipNameTable, ShipImage);
            shipNodes.push_back(k);
            // A ship node is itself a node with a parent and takes part for the later ships.
            groups.append(groups.place(portKey(key_, tree.node(j).text, trimmed(GetNumberValue(row.ShipNameTable)))), k);
        };
        if (groups.last[static_cast<size_t>(place)] == firstNode) {
            nodeOfRow[static_cast<size_t>(i)] = tree.count() + 1;
            hang(firstNode);
        } else {
            // The group may grow while ships hang under ships, so its places are taken first.
            nodeOfRow[static_cast<size_t>(i)] = -1;
            std::vector<int>& places = positions_;
            places.clear();
            for (int p = firstNode; p != 0; p = groups.next[static_cast<size_t>(p)])
                places.push_back(p);
            for (size_t n = 0; n < places.size(); ++n)
                hang(places[n]);
        }
    }

    for (int k : shipNodes)
        expandAbove(tree, k);

    if (allRows) {
        marks.revision = tree.revision();
        marks.rows = ships;
    }
}

void SelectionTrees::ShipDockedTree_DblClick() {
    const ui::TreeView& tree = w_.shipTab.ShipDockedTree;
    const int s = tree.selected();
    if (s < 1 || s > tree.count())
        return;
    const ui::TreeView::Node& node = tree.node(s);
    // Only a free port: a station or a ship whose name begins with "Dock" is not one.
    if (node.image != DockImage || !startsWith(node.text, "Dock") || node.children != 0 || node.parent == 0)
        return;
    const ui::TreeView::Node& station = tree.node(node.parent);
    w_.shipTab.ShipDockedPort.setCaption(trim(dropLeft(node.text, 4)));
    w_.shipTab.ShipDockedStation.setCaption(station.text);
    w_.shipTab.ShipDockedPlanet.setCaption(station.parent != 0 ? tree.node(station.parent).text : std::string());
}

void SelectionTrees::ShipLandingTree_DblClick() {
    const ui::TreeView& tree = w_.shipTab.ShipLandingTree;
    const int s = tree.selected();
    if (s < 1 || s > tree.count())
        return;
    const ui::TreeView::Node& node = tree.node(s);
    // Only a free pad: a base or a ship whose name begins with "Landing" is not one.
    if (node.image != LandingPadImage || !startsWith(node.text, "Landing") || node.children != 0 ||
        node.parent == 0)
        return;
    const ui::TreeView::Node& base = tree.node(node.parent);
    w_.shipTab.ShipLandedPad.setCaption(trim(dropLeft(node.text, 11)));
    w_.shipTab.ShipLandedBase.setCaption(base.text);
    w_.shipTab.ShipLandedPlanet.setCaption(base.parent != 0 ? tree.node(base.parent).text : std::string());
    // A ship landed by coordinates now stands on the pad.
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w_.shipTab.Label56, &w_.shipTab.ShipLandedLongitude,
                                                              &w_.shipTab.Label57, &w_.shipTab.ShipLandedLatitude})
        c->setVisible(false);
    w_.shipTab.ShipLandedLongitude.setText({});
    w_.shipTab.ShipLandedLatitude.setText({});
    if (w_.model.format == FileFormat::Today)
        w_.shipTab.ShipPadOption.setValue(true);
}

} // namespace vantrel
