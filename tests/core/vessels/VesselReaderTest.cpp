// Today's vessel blocks as the simulator reads them: which lines place a vessel when several
// compete, how the ship list is cut into blocks, and the simulator's own scenarios.

#include "core/vessels/VesselReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::vessels {
namespace {

const std::vector<std::string> Sol = {"Sun", "Mercury", "Venus", "Earth", "Moon", "Mars"};

std::string kindName(PlacementKind kind) {
    switch (kind) {
    case PlacementKind::Attached:
        return "attached";
    case PlacementKind::Pad:
        return "pad";
    case PlacementKind::Coordinates:
        return "coordinates";
    case PlacementKind::Docked:
        return "docked";
    case PlacementKind::Elements:
        return "elements";
    case PlacementKind::Vector:
        return "vector";
    case PlacementKind::None:
        return "none";
    }
    return "?";
}

std::string number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

// A placement in one line, with the line (0-based) that decides it.
std::string described(const Placement& p) {
    std::string out = kindName(p.kind);
    switch (p.kind) {
    case PlacementKind::Attached:
        out += " " + std::to_string(p.childPoint) + ":" + std::to_string(p.parentPoint) + "," + p.parent;
        break;
    case PlacementKind::Pad:
        out += " " + p.pad.base + ":" + std::to_string(p.pad.pad);
        break;
    case PlacementKind::Coordinates:
        out += " " + number(p.longitude) + "/" + number(p.latitude) + (p.base.empty() ? "" : " " + p.base);
        break;
    case PlacementKind::Docked:
        out += " " + p.partner.vessel + ":" + std::to_string(p.partner.port) +
               (p.placedBy.empty() ? "" : " by " + p.placedBy);
        break;
    case PlacementKind::Elements:
        out += " a=" + number(p.elements.semiMajorAxis);
        break;
    case PlacementKind::Vector:
        out += " r.x=" + number(p.state.position.x) + " v.x=" + number(p.state.velocity.x);
        break;
    case PlacementKind::None:
        break;
    }
    return p.line == NoLine ? out : out + " @" + std::to_string(p.line);
}

bool hasNoteContaining(const Vessel& v, const std::string& text) {
    for (const Note& n : v.notes)
        if (n.text.find(text) != std::string::npos)
            return true;
    return false;
}

// A ships section of the given blocks; line 0 is BEGIN_SHIPS, so a block's first line is 1.
std::string ships(const std::string& blocks) {
    return "BEGIN_SHIPS\n" + blocks + "END_SHIPS\n";
}

struct PlacementCase {
    const char* name;
    const char* blocks;
    size_t vessel; // which vessel of the list
    const char* expected;
};

class VesselsPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(VesselsPlacement, IsDecidedAsTheSimulatorDecidesIt) {
    const PlacementCase& c = GetParam();
    const VesselList list = readVessels(ships(c.blocks), Sol);
    ASSERT_LT(c.vessel, list.vessels.size());
    EXPECT_EQ(described(list.vessels[c.vessel].placement), c.expected);
}

const PlacementCase PlacementCases[] = {
    {"ElementsAlone", "Mir\n STATUS Orbiting Earth\n ELEMENTS 6671000 0.0006 3.5 0 0 0 51544.5\nEND\n", 0,
     "elements a=6.671e+06 @3"},
    {"VectorAlone", "A:B\n STATUS Orbiting Earth\n RPOS 7e6 0 0\n RVEL 0 0 7500\nEND\n", 0,
     "vector r.x=7e+06 v.x=0 @4"},
    {"RvelMissingIsZero", "A:B\n STATUS Orbiting Earth\n RPOS 7e6 0 0\nEND\n", 0,
     "vector r.x=7e+06 v.x=0 @3"},
    {"LaterRposWinsOverElements",
     "A:B\n STATUS Orbiting Earth\n ELEMENTS 7e6 0 0 0 0 0 51544.5\n RPOS 8e6 0 0\n RVEL 1 0 0\nEND\n", 0,
     "vector r.x=8e+06 v.x=1 @5"},
    {"LaterElementsWinOverVector",
     "A:B\n STATUS Orbiting Earth\n RPOS 8e6 0 0\n RVEL 1 0 0\n ELEMENTS 7e6 0 0 0 0 0 51544.5\nEND\n", 0,
     "elements a=7e+06 @5"},
    {"ElementsBeforeStatusAreIgnored",
     "A:B\n ELEMENTS 7e6 0 0 0 0 0 51544.5\n STATUS Orbiting Earth\n RPOS 8e6 0 0\nEND\n", 0,
     "vector r.x=8e+06 v.x=0 @4"},
    {"ElementsAroundAnUnknownBodyAreIgnored",
     "A:B\n STATUS Orbiting earth\n ELEMENTS 7e6 0 0 0 0 0 51544.5\nEND\n", 0, "none"},
    {"Pad", "A:B\n STATUS Landed Earth\n BASE Habana:4\n HEADING 69\nEND\n", 0, "pad Habana:4 @3"},
    {"BaseNameWithBlanks", "A:B\n STATUS Landed Moon\n BASE  Brighton Beach :1\nEND\n", 0,
     "pad Brighton Beach:1 @3"},
    {"PosAfterBaseWins", "A:B\n STATUS Landed Earth\n BASE Habana:4\n POS -80.5 28.5\nEND\n", 0,
     "coordinates -80.5/28.5 Habana @4"},
    {"BaseAfterPosWins", "A:B\n STATUS Landed Earth\n POS -80.5 28.5\n BASE Habana:4\nEND\n", 0,
     "pad Habana:4 @4"},
    {"BaseWithoutPadIsZeroZero", "A:B\n STATUS Landed Earth\n BASE Habana\nEND\n", 0,
     "coordinates 0/0 Habana @3"},
    {"BaseWithoutPadKeepsPos", "A:B\n STATUS Landed Earth\n POS 10 20\n BASE Habana\nEND\n", 0,
     "coordinates 10/20 Habana @3"},
    {"LandedWithoutBaseOrPos", "A:B\n STATUS Landed Earth\nEND\n", 0, "coordinates 0/0 @2"},
    {"LandedIgnoresOrbitLines", "A:B\n STATUS Landed Earth\n RPOS 7e6 0 0\n POS 1 2\nEND\n", 0,
     "coordinates 1/2 @4"},
    {"PosIsAPrefixMatch", "A:B\n STATUS Landed Earth\n POSITION 5 6\nEND\n", 0, "coordinates 0/0 @3"},
    {"Attached",
     "P:ShuttleA\n STATUS Landed Earth\n BASE Habana:1\nEND\nC:Pl\n STATUS Landed Earth\n ATTACHED "
     "0:2,p\nEND\n",
     1, "attached 0:2,p @7"},
    {"AttachedWinsOverOwnPosition",
     "P:Ship\n STATUS Orbiting Earth\n RPOS 7e6 0 0\nEND\nC:Pl\n STATUS Orbiting Earth\n RPOS 1 2 3\n "
     "ATTACHED 1:0,P\nEND\n",
     1, "attached 1:0,P @8"},
    {"AttachedWithoutCommaIsIgnored",
     "P:Ship\nEND\nC:Pl\n STATUS Landed Earth\n ATTACHED 0:0 P\n POS 3 4\nEND\n", 1, "coordinates 3/4 @6"},
    {"AttachedToNobodyIsIgnored", "C:Pl\n STATUS Orbiting Earth\n ATTACHED 0:0,Ghost\n RPOS 7e6 0 0\nEND\n",
     0, "vector r.x=7e+06 v.x=0 @4"},
    {"FirstOfGroupPlacesIt",
     "ISS:ISS\n STATUS Orbiting Earth\n ELEMENTS 6.7e6 0 51 0 0 0 51544.5\n DOCKINFO 1:0,GL-02\nEND\n"
     "GL-02:DG\n STATUS Orbiting Earth\n DOCKINFO 0:1,ISS\nEND\n",
     0, "elements a=6.7e+06 @3"},
    {"LaterOfGroupIsDocked",
     "ISS:ISS\n STATUS Orbiting Earth\n ELEMENTS 6.7e6 0 51 0 0 0 51544.5\n DOCKINFO 1:0,GL-02\nEND\n"
     "GL-02:DG\n STATUS Orbiting Earth\n DOCKINFO 0:1,ISS\nEND\n",
     1, "docked ISS:1 by ISS @8"},
    {"LaterOfGroupIgnoresItsOwnPosition",
     "ISS:ISS\n STATUS Orbiting Earth\n RPOS 7e6 0 0\nEND\n"
     "GL-02:DG\n STATUS Orbiting Earth\n RPOS 1 2 3\n DOCKINFO 0:1,ISS\nEND\n",
     1, "docked ISS:1 by ISS @8"},
    {"GroupOrderNotTokenDirection",
     "GL-02:DG\n STATUS Orbiting Earth\n RPOS 1 2 3\n DOCKINFO 0:1,ISS\nEND\n"
     "ISS:ISS\n STATUS Orbiting Earth\n ELEMENTS 6.7e6 0 51 0 0 0 51544.5\n DOCKINFO 1:0,GL-02\nEND\n",
     1, "docked GL-02:0 by GL-02 @9"},
    {"GroupThroughAChain",
     "ET:Tank\n STATUS Orbiting Earth\n RPOS 7e6 0 0\n DOCKINFO 0:1,STS 1:0,SRB\nEND\n"
     "STS:Atlantis\n STATUS Orbiting Earth\n DOCKINFO 1:0,ET\nEND\nSRB:Srb\n STATUS Orbiting Earth\n "
     "DOCKINFO 0:1,ET\nEND\n",
     2, "docked ET:1 by ET @12"},
    {"OneSidedLinkStillDocks",
     "ISS:ISS\n STATUS Orbiting Earth\n RPOS 7e6 0 0\n DOCKINFO 2:0,GL\nEND\nGL:DG\n STATUS Orbiting Earth\n "
     "RPOS 1 2 3\nEND\n",
     1, "docked ISS:2 by ISS"},
    {"FirstOfGroupWithoutPosition",
     "GL-02:DG\n STATUS Orbiting Earth\n DOCKINFO 0:1,ISS\nEND\nISS:ISS\n STATUS Orbiting Earth\n DOCKINFO "
     "1:0,GL-02\nEND\n",
     0, "docked ISS:1 @3"},
    {"DockedToNobodyKeepsOwnPosition",
     "GL:DG\n STATUS Orbiting Earth\n DOCKINFO 0:1,Iss\n RPOS 7e6 0 0\nEND\n", 0,
     "vector r.x=7e+06 v.x=0 @4"},
    {"LandedMemberOfAGroupStaysLanded",
     "ISS:ISS\n STATUS Orbiting Earth\n RPOS 7e6 0 0\n DOCKINFO 0:0,GL\nEND\nGL:DG\n STATUS Landed Earth\n "
     "BASE Habana:1\n "
     "DOCKINFO 0:0,ISS\nEND\n",
     1, "pad Habana:1 @8"},
    {"NothingAtAll", "A:B\n STATUS Orbiting Earth\n AROT 0 0 0\nEND\n", 0, "none"},
};

std::string caseName(const testing::TestParamInfo<PlacementCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Vessels, VesselsPlacement, testing::ValuesIn(PlacementCases), caseName);

TEST(VesselsPlacementDetails, VectorAndDockedFactsKeepTheirLinesAndNotes) {
    const VesselList list =
        readVessels(ships("A:B\n STATUS Orbiting Earth\n ELEMENTS 7e6 0 0 0 0 0 51544.5\n RPOS 8e6 1 2\nEND\n"
                          "G:DG\n STATUS Orbiting Earth\n RPOS 1 2 3\n RVEL 4 5 6\n DOCKINFO 0:1,A\nEND\n"
                          "H:DG\n STATUS Orbiting Earth\n DOCKINFO 0:1,H2 junk\nEND\nH2:DG\n STATUS Orbiting "
                          "Earth\n DOCKINFO 1:0,H\nEND\n"),
                    Sol);
    ASSERT_EQ(list.vessels.size(), 4u);
    const Placement& a = list.vessels[0].placement;
    EXPECT_EQ(a.positionLine, 4u);
    EXPECT_EQ(a.velocityLine, NoLine);
    EXPECT_TRUE(hasNoteContaining(list.vessels[0], "velocity from this ELEMENTS line"));
    EXPECT_TRUE(hasNoteContaining(list.vessels[1], "ignores this vessel's own position lines"));
    EXPECT_TRUE(hasNoteContaining(list.vessels[2], "the group has none"));
    EXPECT_TRUE(hasNoteContaining(list.vessels[2], "\"junk\" is not"));
    EXPECT_EQ(described(list.vessels[3].placement), "docked H:0 by H @18");
}

TEST(VesselsFacts, StatusBodyTanksAndDockingTokens) {
    const VesselList list = readVessels(
        ships("A:B\n STATUS Orbiting Moon\n FUEL 0.5\n PRPLEVEL 0:0.25 2:1\n DOCKINFO 0:1,X 3:0,Y\nEND\n"
              "C\n STATUS Docked Earth\n PRPLEVEL 0:1\n FUEL 0.75\nEND\n"
              "D:E\n STATUS Orbiting earth\nEND\nF:G\n STATUS Landed Mars\n STATUS Orbiting Venus\nEND\n"),
        Sol);
    ASSERT_EQ(list.vessels.size(), 4u);
    const Vessel& a = list.vessels[0];
    EXPECT_EQ(a.status.status, Status::Orbiting);
    EXPECT_EQ(a.status.body, "Moon");
    EXPECT_EQ(a.status.line, 2u);
    EXPECT_EQ(a.tanks.form, TankForm::PrpLevel);
    EXPECT_EQ(a.tanks.line, 4u);
    ASSERT_EQ(a.tanks.levels.size(), 2u);
    EXPECT_EQ(a.tanks.levels[1].tank, 2);
    EXPECT_EQ(a.tanks.levels[1].level, 1);
    ASSERT_EQ(a.docking.size(), 2u);
    EXPECT_EQ(a.docking[1].port, 3);
    EXPECT_EQ(a.docking[1].partner, (PortRef{"Y", 0}));
    EXPECT_EQ(a.docking[1].line, 5u);
    EXPECT_EQ(a.docking[1].offset, 16u);

    // A head without class is its own class; "Docked" is no status of today's simulator.
    const Vessel& c = list.vessels[1];
    EXPECT_EQ(c.className, "C");
    EXPECT_EQ(c.status.status, Status::Unknown);
    EXPECT_EQ(c.status.body, "Sun");
    EXPECT_EQ(c.tanks.form, TankForm::Fuel);
    EXPECT_EQ(c.tanks.fuel, 0.75);
    EXPECT_EQ(c.tanks.line, 10u);

    // Body names keep their case: "earth" is no body, and the vessel goes around the first star.
    const Vessel& d = list.vessels[2];
    EXPECT_EQ(d.status.body, "Sun");
    EXPECT_EQ(d.status.bodyAsWritten, "earth");
    EXPECT_TRUE(hasNoteContaining(d, "no body \"earth\""));
    EXPECT_EQ(list.vessels[3].status.status, Status::Orbiting);
    EXPECT_EQ(list.vessels[3].status.body, "Venus");
}

TEST(VesselsList, BlocksAreCutAsTheSimulatorCutsThem) {
    const std::string file = "BEGIN_DESC\nEND\nEND_DESC\n"                                      // 0-2
                             "begin_ships ; the list\r\n"                                       // 3
                             "A : B \r\n STATUS Orbiting Earth\r\n SW END\r\n END INTERNAL\r\n" // 4-7
                             "\tend ; done\r\n"                                                 // 8
                             "\r\n"                                                             // 9
                             "C:D\n END_SHIPS\nEND\n"                                           // 10-12
                             "  End_Ships ;\n"                                                  // 13
                             "E:F\nEND\n";
    const VesselList list = readVessels(file, Sol);
    ASSERT_TRUE(list.hasShipsSection);
    ASSERT_EQ(list.vessels.size(), 2u);
    EXPECT_EQ(list.vessels[0].name, "A ");
    EXPECT_EQ(list.vessels[0].className, " B");
    EXPECT_EQ(list.vessels[0].headLine, 4u);
    EXPECT_EQ(list.vessels[0].endLine, 8u);
    EXPECT_EQ(list.vessels[1].headLine, 10u);
    EXPECT_EQ(list.vessels[1].endLine, 12u);
    ASSERT_EQ(list.notes.size(), 1u);
    EXPECT_EQ(list.notes[0].line, 9u);

    const VesselList runaway =
        readVessels("BEGIN_SHIPS\nA:B\n STATUS Landed Earth\nEND_SHIPS\nBEGIN_X\n", Sol);
    ASSERT_EQ(runaway.vessels.size(), 1u);
    EXPECT_EQ(runaway.vessels[0].endLine, NoLine);

    EXPECT_FALSE(readVessels(" BEGIN_SHIPS\nA:B\nEND\nEND_SHIPS\n", Sol).hasShipsSection);
    EXPECT_TRUE(readVessels("BEGIN_SHIPS", Sol).vessels.empty());
}

// The simulator's own scenarios, read as the simulator reads them.
class VesselsCorpus : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(root / "Scenarios"))
            GTEST_SKIP() << "no simulator scenarios at " << root;
        // The bodies of the planetary system every file of the corpus names, the star first.
        std::ifstream sol(root / "Config" / "Sol.cfg");
        const std::regex body(R"(^\s*(Star\d+|Planet\d+|\w+:Moon\d+)\s*=\s*(\S+))");
        for (std::string line; std::getline(sol, line);)
            if (std::smatch m; std::regex_search(line, m, body))
                bodies.push_back(m[2]);
        ASSERT_EQ(bodies.front(), "Sun");
    }

    VesselList read(const std::filesystem::path& file) const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return readVessels(bytes.str(), bodies);
    }

    // The placement of the vessel `name` of a scenario.
    std::string placementOf(const std::string& scenario, const std::string& name) const {
        for (const Vessel& v : read(root / "Scenarios" / scenario).vessels)
            if (v.name == name)
                return described(v.placement);
        return "no vessel " + name;
    }

    const std::filesystem::path root = std::filesystem::path(VANTREL_CORPUS_DIR) / "orbiter-2016";
    std::vector<std::string> bodies;
};

TEST_F(VesselsCorpus, EveryVesselIsPlacedAsTheFormatSays) {
    std::map<std::string, int> kinds;
    int files = 0, vessels = 0, baseWithoutPad = 0, dockedOverOwnPosition = 0, unknownBodies = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "Scenarios")) {
        if (entry.path().extension() != ".scn")
            continue;
        ++files;
        const VesselList list = read(entry.path());
        EXPECT_TRUE(list.hasShipsSection) << entry.path();
        EXPECT_TRUE(list.notes.empty()) << entry.path() << ": " << list.notes.front().text;
        for (const Vessel& v : list.vessels) {
            ++vessels;
            ++kinds[kindName(v.placement.kind)];
            baseWithoutPad += hasNoteContaining(v, "BASE without a pad");
            dockedOverOwnPosition += hasNoteContaining(v, "ignores this vessel's own position lines");
            unknownBodies += !v.status.bodyKnown;
        }
    }
    EXPECT_EQ(files, 157);
    EXPECT_EQ(vessels, 717);
    EXPECT_EQ(unknownBodies, 0);
    EXPECT_EQ(kinds["elements"], 97);
    // 165 station-class and 111 other vessels carry RPOS/RVEL; 21 of them are docked behind the
    // first vessel of their group, which places them.
    EXPECT_EQ(kinds["vector"], 165 + 111 - 21);
    EXPECT_EQ(kinds["docked"], 7 + 21);
    EXPECT_EQ(dockedOverOwnPosition, 21);
    EXPECT_EQ(kinds["attached"], 39);
    // 298 landed: 81 by their POS line, one by BASE without pad (at 0°/0°), the rest on a pad.
    EXPECT_EQ(kinds["pad"] + kinds["coordinates"], 298);
    EXPECT_EQ(kinds["coordinates"], 81 + 1);
    EXPECT_EQ(baseWithoutPad, 1);
    EXPECT_EQ(kinds["none"], 0);
}

TEST_F(VesselsCorpus, NamedVessels) {
    const char* docked = "Delta-glider/Docked at ISS.scn";
    EXPECT_EQ(placementOf(docked, "ISS"), "elements a=6.73492e+06 @46");
    EXPECT_EQ(placementOf(docked, "Mir"), "elements a=6.671e+06 @52");
    EXPECT_EQ(placementOf(docked, "Luna-OB1"), "elements a=2.238e+06 @57");
    EXPECT_EQ(placementOf(docked, "GL-01"), "pad Habana:2 @63");
    EXPECT_EQ(placementOf(docked, "GL-02"), "docked ISS:1 by ISS @71");
    EXPECT_EQ(placementOf(docked, "SH-01"), "pad Brighton Beach:1 @81");
    EXPECT_EQ(placementOf("The Solar System/Today.scn", "GL-01"), "coordinates 0/0 Habana @40");
    EXPECT_EQ(placementOf("Checklists/Quickstart.scn", "GL-01"), "coordinates -80.6825/28.5968 @81");
    EXPECT_EQ(placementOf("Shuttle-A/Shuttle-A Launch.scn", "SH-PL01"), "attached 0:0,SH-03 @92");
    // ATTACHED before STATUS.
    EXPECT_EQ(placementOf("Satellites and Probes/Hubble Space Telescope/HST Launch.scn", "HST"),
              "attached 0:0,STS-31R @60");

    const VesselList iss = read(root / "Scenarios" / docked);
    const Vessel& station = iss.vessels[0];
    EXPECT_EQ(station.placement.elements.inclination, 74.513);
    EXPECT_EQ(station.placement.elements.epoch, 51544.5);
    ASSERT_EQ(station.docking.size(), 1u);
    EXPECT_EQ(station.docking[0].partner, (PortRef{"GL-02", 0}));
    EXPECT_EQ(station.docking[0].port, 1);
    EXPECT_EQ(iss.vessels[4].tanks.form, TankForm::Fuel);
    EXPECT_EQ(iss.vessels[2].status.body, "Moon");

    for (const Vessel& v :
         read(root / "Scenarios" / "Navigation" / "Special orbits" / "Lagrange point.scn").vessels)
        if (v.name == "GL-01") {
            EXPECT_EQ(v.status.body, "Sun");
            EXPECT_TRUE(v.status.bodyKnown);
            EXPECT_EQ(v.tanks.form, TankForm::PrpLevel);
        }
}

} // namespace
} // namespace vantrel::vessels
