#include "core/editing/SelectionTrees.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/MainWindowParts.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

namespace {

// Positions of the nodes that share a compared text, in increasing order. The trees can hold
// tens of thousands of nodes, so each station or ship finds its places here instead of
// walking every node.
using NodeIndex = std::unordered_map<std::string, std::vector<int>>;

// A pad count read from a base entry, kept within what a tree can sensibly show.
int padCount(const std::string& text) {
    const double value = leadingNumberValue(text);
    if (!(value > 0))
        return 0;
    return value > 100000 ? 100000 : static_cast<int>(value);
}

// The key of a port or pad node: its parent's name (letter case ignored) and its number.
std::string portKey(std::string_view parentText, std::string_view number) {
    std::string key = upper(trimmed(parentText));
    key += '\n';
    key += number;
    return key;
}

} // namespace

SelectionTrees::SelectionTrees(MainWindowParts& main) : w_(main) {
    w_.shipTab.ShipDockedTree.onDblClick = [this] { ShipDockedTree_DblClick(); };
    w_.shipTab.ShipLandingTree.onDblClick = [this] { ShipLandingTree_DblClick(); };
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
    NodeIndex byText;
    for (int j = 1; j <= tree.count(); ++j)
        byText[trim(tree.node(j).text)].push_back(j);
    auto add = [&](int parent, std::string text, int image) {
        std::string key = trim(text);
        const int position = tree.add(parent, std::move(text), image);
        byText[std::move(key)].push_back(position);
        return position;
    };

    const int stations = w_.stationCount();
    for (int i = 0; i < stations && w_.model.validStation(i); ++i) {
        const StationRow& row = w_.model.stations[static_cast<size_t>(i)];
        const auto found = byText.find(trim(row.StationRefTable));
        if (found == byText.end())
            continue;
        // Only the nodes that existed when this station's turn began.
        const std::vector<int> places = found->second;
        const int docks = places.empty() ? 0 : w_.StationDockNumberDisplay(row.StationClassTable);
        for (int j : places) {
            const int k = add(j, row.StationNameTable, StationImage);
            for (int d = 1; d <= docks; ++d)
                add(k, "Dock  " + std::to_string(d), DockImage);
        }
    }
}

void SelectionTrees::BaseTreeUpdate() {
    ui::TreeView& tree = w_.shipTab.ShipLandingTree;
    bodies(tree);

    NodeIndex byText;
    for (int j = 1; j <= tree.count(); ++j)
        byText[upper(trim(tree.node(j).text))].push_back(j);
    auto add = [&](int parent, std::string text, int image) {
        std::string key = upper(trim(text));
        const int position = tree.add(parent, std::move(text), image);
        byText[std::move(key)].push_back(position);
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
        const auto found = byText.find(upper(trim(body)));
        if (found == byText.end())
            continue;
        const std::vector<int> places = found->second;
        const int count = padCount(pads);
        for (int j : places) {
            const int k = add(j, name, BaseImage);
            for (int n = 1; n <= count; ++n)
                add(k, "Landing pad  " + std::to_string(n), LandingPadImage);
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

void removePosition(std::vector<int>& positions, int position) {
    const auto it = std::lower_bound(positions.begin(), positions.end(), position);
    if (it != positions.end() && *it == position)
        positions.erase(it);
}

void insertPosition(std::vector<int>& positions, int position) {
    positions.insert(std::lower_bound(positions.begin(), positions.end(), position), position);
}

} // namespace

bool SelectionTrees::remarkShip(ui::TreeView& tree, ShipMarks& marks, const char* status, bool docked, int row,
                                const ShipRow& before) {
    if (marks.revision != tree.revision() || marks.rows != w_.shipCount() || row < 0 ||
        row >= static_cast<int>(marks.nodeOfRow.size()) || row >= static_cast<int>(w_.model.ships.size()))
        return false;
    const ShipRow& after = w_.model.ships[static_cast<size_t>(row)];
    auto placeOf = [&](const ShipRow& ship) -> std::string {
        if (upper(trim(ship.ShipStatusTable)) != status)
            return {};
        return portKey(docked ? ship.ShipDockedStationTable : ship.ShipLandedBaseTable,
                       trim(docked ? ship.ShipDockedPortTable : ship.ShipLandedPadTable));
    };
    const std::string oldPlace = placeOf(before);
    const std::string newPlace = placeOf(after);
    const int node = marks.nodeOfRow[static_cast<size_t>(row)];
    if (node < 0)
        return false;

    std::vector<int> places;
    if (!newPlace.empty())
        if (const auto found = marks.byPort.find(newPlace); found != marks.byPort.end())
            places = found->second;
    // A place that is itself a ship node depends on the order of the rows: left to a full marking.
    for (int p : places)
        if (tree.node(p).image == ShipImage)
            return false;

    auto movePlaceCount = [&] {
        if (!oldPlace.empty())
            --marks.rowsByPlace[oldPlace];
        if (!newPlace.empty())
            ++marks.rowsByPlace[newPlace];
    };
    if (node == 0 && places.empty()) {
        movePlaceCount();
        return true;
    }
    // A node that appears, goes or doubles changes the length of the tree: a full marking.
    if (node == 0 || places.size() != 1 || tree.node(node).children != 0)
        return false;

    const int place = places.front();
    const std::string oldShipKey = portKey(tree.node(tree.node(node).parent).text, trim(GetNumberValue(before.ShipNameTable)));
    const std::string newShipKey = portKey(tree.node(place).text, trim(GetNumberValue(after.ShipNameTable)));
    // A ship that would then hang under this one is left to a full marking as well.
    if (newShipKey != oldShipKey)
        if (const auto it = marks.rowsByPlace.find(newShipKey); it != marks.rowsByPlace.end() && it->second > 0)
            return false;
    if (!tree.moveLeaf(node, place, after.ShipNameTable))
        return false;
    if (newShipKey != oldShipKey) {
        removePosition(marks.byPort[oldShipKey], node);
        insertPosition(marks.byPort[newShipKey], node);
    }
    movePlaceCount();
    expandAbove(tree, node);
    marks.revision = tree.revision();
    return true;
}

void SelectionTrees::markShips(ui::TreeView& tree, const char* status, bool docked, ShipMarks& marks) {
    marks = ShipMarks{};
    tree.removeIf([](const ui::TreeView::Node& n) { return n.image == ShipImage; });

    // Room for every port and every ship of the status at once: a huge scenario fills these
    // with tens of thousands of entries.
    const int ships = w_.shipCount();
    size_t ofStatus = 0;
    for (int i = 0; i < ships && w_.model.validShip(i); ++i)
        ofStatus += equalsIgnoringCase(trimmed(w_.model.ships[static_cast<size_t>(i)].ShipStatusTable), status);
    tree.reserve(static_cast<size_t>(tree.count()) + ofStatus);

    // Nodes without a parent have no station or base to compare and never match.
    NodeIndex byPort;
    byPort.reserve(static_cast<size_t>(tree.count()) + ofStatus);
    for (int j = 1; j <= tree.count(); ++j) {
        const ui::TreeView::Node& n = tree.node(j);
        if (n.parent != 0)
            byPort[portKey(tree.node(n.parent).text, trimmed(GetNumberValue(n.text)))].push_back(j);
    }

    std::vector<int> shipNodes;
    std::vector<int> nodeOfRow(static_cast<size_t>(std::max(ships, 0)), 0);
    std::unordered_map<std::string, int> rowsByPlace;
    rowsByPlace.reserve(ofStatus);
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
        const std::string place = portKey(owner, trimmed(port));
        ++rowsByPlace[place];
        const auto found = byPort.find(place);
        if (found == byPort.end())
            continue;
        const auto hang = [&](int j) {
            const int k = tree.add(j, row.ShipNameTable, ShipImage);
            shipNodes.push_back(k);
            // A ship node is itself a node with a parent and takes part for the later ships.
            byPort[portKey(tree.node(j).text, trimmed(GetNumberValue(row.ShipNameTable)))].push_back(k);
        };
        // The entry may grow while ships hang under ships, so its places are taken first.
        if (found->second.size() == 1) {
            nodeOfRow[static_cast<size_t>(i)] = tree.count() + 1;
            hang(found->second.front());
        } else {
            nodeOfRow[static_cast<size_t>(i)] = -1;
            const std::vector<int> places = found->second;
            for (int j : places)
                hang(j);
        }
    }

    for (int k : shipNodes)
        expandAbove(tree, k);

    if (allRows) {
        marks.revision = tree.revision();
        marks.rows = ships;
        marks.byPort = std::move(byPort);
        marks.nodeOfRow = std::move(nodeOfRow);
        marks.rowsByPlace = std::move(rowsByPlace);
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
}

} // namespace vantrel
