#include "../scenario/ScenarioFixture.h"

#include "support/GeneratedScenario.h"

#include "core/editing/SelectionTrees.h"
#include "core/text/TextHelpers.h"

#include <functional>

namespace vantrel::test {
namespace {

using Node = ui::TreeView::Node;

class SelectionTreesTest : public ScenarioFixture {
protected:
    // Sol's bodies, the given stations and ships: "Name:Class@Body" and "Name:Status:Owner:Port".
    void scenarioWith(std::initializer_list<const char*> stations, std::initializer_list<const char*> ships) {
        std::string text = crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "BEGIN_STATIONS"});
        for (std::string s : stations) {
            const size_t at = s.find('@');
            text += crlf({s.substr(0, at).c_str(), ("  REF " + s.substr(at + 1)).c_str(), "END"});
        }
        text += crlf({"END_STATIONS", "BEGIN_SHIPS"});
        for (std::string s : ships) {
            std::vector<std::string> f;
            for (size_t start = 0, end; start <= s.size(); start = end + 1) {
                end = s.find(':', start);
                if (end == std::string::npos)
                    end = s.size();
                f.push_back(s.substr(start, end - start));
            }
            text += f[0] + ":ShuttlePB\r\n";
            if (f[1] == "Docked")
                text += "  STATUS Docked Earth:" + f[2] + ":" + f[3] + "\r\n";
            else
                text += "  STATUS Landed Earth\r\n  BASE " + f[2] + ":" + f[3] + "\r\n";
            text += "END\r\n";
        }
        text += "END_SHIPS\r\n";
        openText(text);
    }
    ui::TreeView& dock() { return main->shipTab.ShipDockedTree; }
    ui::TreeView& pads() { return main->shipTab.ShipLandingTree; }
    int find(const ui::TreeView& tree, const std::string& text, int after = 0) {
        for (int p = after + 1; p <= tree.count(); ++p)
            if (tree.node(p).text == text)
                return p;
        return 0;
    }
};

TEST_F(SelectionTreesTest, DockTreeHoldsBodiesStationsPortsAndDockedShips) {
    scenarioWith({"ISS:ISS@Earth"}, {"Tug:Docked:ISS:2"});
    const ui::TreeView& t = dock();
    const int earth = find(t, "Earth"), moon = find(t, "   Moon"), iss = find(t, "ISS");
    ASSERT_NE(0, iss);
    EXPECT_EQ(SelectionTrees::PlanetImage, t.node(earth).image);
    EXPECT_EQ(SelectionTrees::MoonImage, t.node(moon).image);
    EXPECT_EQ(earth, t.node(moon).parent);
    EXPECT_LT(moon, iss) << "the moon comes before the station";
    EXPECT_EQ(earth, t.node(iss).parent);
    EXPECT_EQ(SelectionTrees::StationImage, t.node(iss).image);
    EXPECT_EQ(iss + 1, find(t, "Dock  1"));
    const int port2 = find(t, "Dock  2");
    EXPECT_EQ(SelectionTrees::DockImage, t.node(port2).image);
    EXPECT_EQ(4, t.node(iss).children);
    const int tug = find(t, "Tug");
    EXPECT_EQ(port2, t.node(tug).parent);
    EXPECT_EQ(SelectionTrees::ShipImage, t.node(tug).image);
    EXPECT_TRUE(t.node(earth).expanded && t.node(iss).expanded && t.node(port2).expanded);
    EXPECT_FALSE(t.node(find(t, "Dock  1")).expanded);

    // Re-marking gives the same tree.
    const std::vector<Node> before = t.nodes();
    main->trees().StationDockTreeUpdate();
    main->trees().StationDockTreeUpdate();
    ASSERT_EQ(before.size(), t.nodes().size());
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(before[i].text + std::to_string(before[i].parent), t.nodes()[i].text + std::to_string(t.nodes()[i].parent));
}

TEST_F(SelectionTreesTest, DoubleClickingAFreePortFillsTheDockedFields) {
    scenarioWith({"ISS:ISS@Earth", "Big:Mir@   Moon", "Odd:Nonexistent@Mars"}, {"Tug:Docked:ISS:2"});
    auto& tab = main->shipTab;
    tab.ShipDockedStation.setCaption("");
    dock().userDoubleClick(find(dock(), "Dock  2"));
    EXPECT_EQ("", tab.ShipDockedStation.caption()) << "an occupied port cannot be chosen";
    dock().userDoubleClick(find(dock(), "ISS"));
    EXPECT_EQ("", tab.ShipDockedStation.caption());

    dock().userDoubleClick(find(dock(), "Dock  1"));
    EXPECT_EQ("1", tab.ShipDockedPort.caption());
    EXPECT_EQ("ISS", tab.ShipDockedStation.caption());
    EXPECT_EQ("Earth", tab.ShipDockedPlanet.caption());

    dock().userDoubleClick(find(dock(), "Dock  12"));
    EXPECT_EQ("12", tab.ShipDockedPort.caption());
    EXPECT_EQ("Big", tab.ShipDockedStation.caption());
    EXPECT_EQ("   Moon", tab.ShipDockedPlanet.caption()) << "a moon keeps its leading blanks";

    const int odd = find(dock(), "Odd");
    ASSERT_NE(0, odd);
    EXPECT_EQ(0, dock().node(odd).children) << "an unknown class has no ports";
}

TEST_F(SelectionTreesTest, MatchingFollowsTheNodesAddedSoFar) {
    // A station named after a body is itself a node that later stations of that body match;
    // a ship docked at a station outside the tree adds nothing.
    scenarioWith({"Earth:Wheel@Earth", "Second:Wheel@Earth", "Lost:ISS@Vulcan"},
                 {"A:Docked:Lost:1", "C:Docked:earth:1"});
    const ui::TreeView& t = dock();
    const int planet = find(t, "Earth");
    const int station = find(t, "Earth", planet);
    ASSERT_NE(0, station);
    const int first = find(t, "Second"), second = find(t, "Second", first);
    ASSERT_NE(0, second);
    EXPECT_EQ(planet, t.node(first).parent);
    EXPECT_EQ(station, t.node(second).parent);
    EXPECT_EQ(0, find(t, "Lost"));
    EXPECT_EQ(0, find(t, "A"));
    EXPECT_EQ(find(t, "Dock  1", station), t.node(find(t, "C")).parent) << "station names ignore letter case";
}

TEST_F(SelectionTreesTest, PadTreeHoldsBasesAndLandedShips) {
    scenarioWith({}, {"GL:Landed:Habana:2", "Far:Landed:Nowhere:1"});
    const ui::TreeView& t = pads();
    const int habana = find(t, " Habana"); // the base file's name, as the base table holds it
    ASSERT_NE(0, habana);
    EXPECT_EQ(find(t, "Earth"), t.node(habana).parent);
    EXPECT_EQ(SelectionTrees::BaseImage, t.node(habana).image);
    EXPECT_EQ(3, t.node(habana).children);
    EXPECT_EQ(SelectionTrees::LandingPadImage, t.node(habana + 1).image);
    EXPECT_EQ("Landing pad  1", t.node(habana + 1).text);
    EXPECT_EQ(habana + 2, t.node(find(t, "GL")).parent);
    EXPECT_EQ(0, find(t, "Far"));
    EXPECT_NE(0, find(t, " Brighton Beach")) << "a base shows its display name";

    auto& tab = main->shipTab;
    pads().userDoubleClick(habana + 3);
    EXPECT_EQ("3", tab.ShipLandedPad.caption());
    EXPECT_EQ(" Habana", tab.ShipLandedBase.caption());
    EXPECT_EQ("Earth", tab.ShipLandedPlanet.caption());
    pads().userDoubleClick(habana + 2);
    EXPECT_EQ("3", tab.ShipLandedPad.caption()) << "a taken pad cannot be chosen";
}

TEST_F(SelectionTreesTest, OnlyPortAndPadNodesCanBeChosen) {
    // Nodes whose text merely begins like a port or a pad: a station without ports and ships.
    scenarioWith({"Dock Hub:Nonexistent@Earth", "ISS:ISS@Earth"},
                 {"Docker:Docked:ISS:1", "Landing craft:Landed:Habana:1"});
    auto& tab = main->shipTab;
    for (ui::Label* label : {&tab.ShipDockedStation, &tab.ShipDockedPort, &tab.ShipLandedBase, &tab.ShipLandedPad})
        label->setCaption("");
    for (const char* name : {"Dock Hub", "Docker"}) {
        const int node = find(dock(), name);
        ASSERT_NE(0, node) << name;
        ASSERT_EQ(0, dock().node(node).children) << name;
        dock().userDoubleClick(node);
        EXPECT_EQ("", tab.ShipDockedStation.caption()) << name;
        EXPECT_EQ("", tab.ShipDockedPort.caption()) << name;
    }
    const int craft = find(pads(), "Landing craft");
    ASSERT_NE(0, craft);
    pads().userDoubleClick(craft);
    EXPECT_EQ("", tab.ShipLandedBase.caption());
    EXPECT_EQ("", tab.ShipLandedPad.caption());
}

TEST_F(SelectionTreesTest, ValidationsShowTheTreesAndListsAFullRebuildWouldShow) {
    // Each validation moves one ship node, or re-marks the whole tree when a node appears or
    // goes; either way the trees and lists must be those a full re-mark and rebuild give.
    scenarioWith({"ISS:ISS@Earth", "Twin:ISS@Earth", "Twin:ISS@Mars"},
                 {"Tug:Docked:ISS:2", "Hopper:Landed:Habana:1", "Crane:Landed:Habana:2", "Pair:Docked:Twin:1",
                  "Dock  1:Docked:ISS:1"});
    auto& tab = main->shipTab;
    main->env.ShipFocus.setCaption("Crane");
    auto nodeAt = [&](ui::TreeView& t, const std::string& parent, const std::string& text) {
        for (int p = find(t, parent); p != 0; p = find(t, parent, p))
            for (int c = p + 1; c <= t.count(); ++c)
                if (t.node(c).parent == p && t.node(c).text == text)
                    return c;
        return 0;
    };
    auto same = [](const std::vector<Node>& a, const std::vector<Node>& b) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i].text != b[i].text || a[i].image != b[i].image || a[i].parent != b[i].parent ||
                a[i].children != b[i].children || a[i].expanded != b[i].expanded)
                return false;
        return true;
    };
    struct Edit {
        const char* what;
        int row;
        std::function<void()> apply;
    };
    const std::vector<Edit> edits = {
        {"move to a free port", 0, [&] { dock().userDoubleClick(nodeAt(dock(), "ISS", "Dock  3")); }},
        {"rename", 0, [&] { tab.ShipName.userSetText("Tug 2"); }},
        {"move to a free pad", 1, [&] { pads().userDoubleClick(nodeAt(pads(), " Habana", "Landing pad  3")); }},
        {"validate unchanged", 2, [] {}},
        {"onto a station named twice", 0, [&] { dock().userDoubleClick(nodeAt(dock(), "Twin", "Dock  4")); }},
        {"landed becomes docked", 1,
         [&] {
             tab.DockedShipOption.userSelect();
             dock().userDoubleClick(nodeAt(dock(), "ISS", "Dock  2"));
         }},
        {"a ship named like a port", 4, [&] { dock().userDoubleClick(nodeAt(dock(), "ISS", "Dock  4")); }},
        {"docked becomes orbiting", 3,
         [&] {
             tab.OrbitingShipOption.userSelect();
             for (ui::TextField* f : {&tab.ShipOrbitingAngularVelocity, &tab.ShipOrbitingRposY,
                                      &tab.ShipOrbitingRposZ, &tab.ShipOrbitingRvelX, &tab.ShipOrbitingRvelY,
                                      &tab.ShipOrbitingRvelZ, &tab.ShipOrbitingArotX, &tab.ShipOrbitingArotY,
                                      &tab.ShipOrbitingArotZ})
                 f->userSetText("0");
             tab.ShipOrbitingRposX.userSetText("7000000");
         }},
    };
    for (const Edit& e : edits) {
        tab.ShipName.userSelect(e.row);
        e.apply();
        if (tab.LandedShipOption.value())
            tab.ShipLandedHeading.userSetText("90");
        tab.Command4.userClick();
        ASSERT_TRUE(scripted.dialogs.messages().empty()) << e.what << ": " << scripted.dialogs.messages()[0].text;
        const std::vector<Node> docked = dock().nodes(), landed = pads().nodes();
        std::vector<std::string> names;
        for (int k = 0; k < main->shipCount(); ++k)
            names.push_back(ship(k).ShipNameTable);
        EXPECT_EQ(tab.ShipName.items(), names) << e.what;
        main->trees().StationDockTreeUpdate();
        main->trees().BasePadTreeUpdate();
        EXPECT_TRUE(same(docked, dock().nodes())) << e.what;
        EXPECT_TRUE(same(landed, pads().nodes())) << e.what;
    }
    EXPECT_NE(0, find(dock(), "Hopper")) << "the landed ship now docked shows in the dock tree";
}

// The trees find each ship's places through an index over thousands of texts. Built from a
// generated installation's scenario, both must hold what the plain rule gives: after the
// bodies, stations or bases and their ports or pads, each ship of the tree's status in row
// order, under every node so far whose parent has the ship's station or base name (letter case
// ignored) and whose number is the ship's port or pad. The scenario opens without a scan-log
// entry, and the lists name every row in order.
TEST(SelectionTreesIndex, MarksEveryShipWhereThePlainRulePutsIt) {
    GeneratedScenario generated(150, 1500);
    Vantrel& main = *generated.main;
    EXPECT_FALSE(main.model.ScanErrorsFound) << main.model.ScanLog;
    std::vector<std::string> ships, heads;
    for (int i = 0; i < main.shipCount(); ++i) {
        const ShipRow& row = main.model.ships[static_cast<size_t>(i)];
        ships.push_back(row.ShipNameTable);
        heads.push_back(row.ShipNameTable + ":" + row.ShipClassTable);
    }
    EXPECT_EQ(1500u, ships.size());
    EXPECT_EQ(ships, main.shipTab.ShipName.items());
    EXPECT_EQ(heads, main.env.PossibleShipFocus.items());
    std::vector<std::string> stations;
    for (int i = 0; i < main.stationCount(); ++i)
        stations.push_back(main.model.stations[static_cast<size_t>(i)].StationNameTable);
    EXPECT_EQ(150u, stations.size());
    EXPECT_EQ(stations, main.stationTab.StationName.items());

    auto plainRule = [&](const ui::TreeView& tree, const char* status, bool docked) {
        std::vector<Node> nodes;
        std::vector<int> newPosition(static_cast<size_t>(tree.count()) + 1, 0);
        for (int j = 1; j <= tree.count(); ++j)
            if (tree.node(j).image != SelectionTrees::ShipImage) {
                Node n = tree.node(j);
                n.parent = newPosition[static_cast<size_t>(n.parent)];
                nodes.push_back(n);
                newPosition[static_cast<size_t>(j)] = static_cast<int>(nodes.size());
            }
        auto place = [](const std::string& owner, const std::string& number) { return upper(trim(owner)) + "\n" + number; };
        for (int i = 0; i < main.shipCount(); ++i) {
            const ShipRow& row = main.model.ships[static_cast<size_t>(i)];
            if (!equalsIgnoringCase(trim(row.ShipStatusTable), status))
                continue;
            const std::string wanted = docked ? place(row.ShipDockedStationTable, trim(row.ShipDockedPortTable))
                                              : place(row.ShipLandedBaseTable, trim(row.ShipLandedPadTable));
            std::vector<int> places;
            for (size_t j = 0; j < nodes.size(); ++j)
                if (nodes[j].parent != 0 &&
                    place(nodes[static_cast<size_t>(nodes[j].parent - 1)].text, GetNumberValue(nodes[j].text)) == wanted)
                    places.push_back(static_cast<int>(j) + 1);
            for (int p : places)
                nodes.push_back({row.ShipNameTable, SelectionTrees::ShipImage, p});
        }
        return nodes;
    };
    for (auto [tree, status, docked] : {std::tuple{&main.shipTab.ShipDockedTree, "DOCKED", true},
                                        std::tuple{&main.shipTab.ShipLandingTree, "LANDED", false}}) {
        const std::vector<Node> expected = plainRule(*tree, status, docked);
        ASSERT_EQ(expected.size(), tree->nodes().size()) << status;
        int ships = 0;
        for (size_t j = 0; j < expected.size(); ++j) {
            const Node& n = tree->nodes()[j];
            ASSERT_EQ(std::tie(expected[j].text, expected[j].image, expected[j].parent), std::tie(n.text, n.image, n.parent))
                << status << " node " << j + 1;
            ships += n.image == SelectionTrees::ShipImage;
        }
        EXPECT_GT(ships, 400) << status;
    }
}

} // namespace
} // namespace vantrel::test
