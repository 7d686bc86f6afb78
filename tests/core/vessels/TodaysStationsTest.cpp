// A today's file lists its stations among its ships: which layout a file is read in, which
// vessels the station tab takes, and what validating them writes.

#include "../scenario/ScenarioFixture.h"

#include "core/app/ScenarioFindings.h"
#include "core/editing/StationEditor.h"
#include "core/orbit/Orbit.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/scenario/FileFormat.h"
#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/ControlLookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vantrel::test {
namespace {

std::string dataFile(const std::string& name) {
    return platform::readFile(std::string(VANTREL_TEST_DATA_DIR) + "/" + name + "/input.scn").value_or("");
}

// The first rule that applies decides: a stations' section or a docked status is early, a today's
// keyword in a vessel block is today's, and otherwise the installation's Vessels folder says.
TEST(FileFormat, TheFirstRuleThatAppliesDecides) {
    struct Case {
        const char* data;
        bool vesselsFolder;
        FileFormat expected;
    } cases[] = {
        {"basic", true, FileFormat::Early},           // BEGIN_STATIONS
        {"early-docked", true, FileFormat::Early},    // STATUS Docked, even beside a PRPLEVEL line
        {"today-stations", false, FileFormat::Today}, // ELEMENTS, DOCKINFO, PRPLEVEL
        {"plain-ships", false, FileFormat::Early},
        {"plain-ships", true, FileFormat::Today},
    };
    for (const Case& c : cases) {
        const std::string bytes = dataFile(c.data);
        ASSERT_FALSE(bytes.empty()) << c.data;
        EXPECT_EQ(c.expected, fileFormatOf(bytes, c.vesselsFolder)) << c.data << " " << c.vesselsFolder;
    }
    // A keyword outside the vessel list, or in a comment, says nothing.
    EXPECT_EQ(FileFormat::Early, fileFormatOf("BEGIN_HUD\n  POS 1\nEND_HUD\nBEGIN_SHIPS\nA:B\n ; ELEMENTS\nEND\nEND_SHIPS\n", false));
}

class TodaysStations : public ScenarioFixture {
protected:
    void SetUp() override {
        ScenarioFixture::SetUp();
        path = temp.write("Today.scn", dataFile("today-stations"));
        open(path);
    }
    std::vector<std::string> names(const ui::ListControl& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.listCount(); ++i)
            out.push_back(list.list(i));
        return out;
    }
    std::string path;
};

TEST_F(TodaysStations, EachVesselOnExactlyOneTab) {
    EXPECT_EQ(main->model.format, FileFormat::Today);
    EXPECT_EQ(main->status.format(), "Today's scenario format");
    EXPECT_EQ(names(main->stationTab.StationName), (std::vector<std::string>{"Alpha", "Bravo", "Wheel One"}));
    EXPECT_EQ(names(main->shipTab.ShipName), (std::vector<std::string>{"GL-01", "GL-02", "GL-03"}));

    // Alpha: its ELEMENTS, the epoch of its seventh number, VROT about Z as turns a second.
    main->stationTab.StationName.userSelect(0);
    const ui::StationTab& t = main->stationTab;
    EXPECT_EQ(t.StationRefPlanet.caption(), "Earth");
    EXPECT_EQ(t.StationInclination.text(), "51.6");
    EXPECT_EQ(t.StationOrbitalRefHour.text(), "6");
    EXPECT_EQ(t.StationOrbitalRefMin.text(), "0");
    EXPECT_DOUBLE_EQ(leadingNumberValue(t.StationRotationFrequency.text()), 0.05);
    EXPECT_TRUE(t.StationRotationFrequency.enabled());
    EXPECT_FALSE(t.StationNote.visible());
    // Bravo is placed by position and velocity; Wheel One spins about another axis, so its VROT
    // stays as read.
    main->stationTab.StationName.userSelect(1);
    EXPECT_EQ(t.StationNote.caption(), "placed by position and velocity\nNo VROT: today's simulator ignores the "
                                       "class's rotation frequency, so the station does not spin.");
    main->stationTab.StationName.userSelect(2);
    EXPECT_FALSE(t.StationRotationFrequency.enabled());
    EXPECT_TRUE(t.StationNote.visible());

    // GL-02 follows Alpha, which places their group: docked at its port 0, the tree's "Dock  1",
    // which it occupies. GL-01 stands on its pad.
    main->shipTab.ShipName.userSelect(1);
    EXPECT_TRUE(main->shipTab.DockedShipOption.value());
    EXPECT_EQ(main->shipTab.ShipDockedStation.caption(), "Alpha");
    EXPECT_EQ(main->shipTab.ShipDockedPort.caption(), "1");
    EXPECT_EQ(main->shipTab.ShipDockedPlanet.caption(), "Earth");
    EXPECT_FALSE(main->shipTab.ShipNote.visible());
    const ui::TreeView& docks = main->shipTab.ShipDockedTree;
    int occupants = 0;
    for (int n = 1; n <= docks.count(); ++n)
        if (docks.node(n).text == "GL-02")
            occupants += docks.node(docks.node(n).parent).text == "Dock  1" ? 1 : 100;
    EXPECT_EQ(occupants, 1);
    main->shipTab.ShipName.userSelect(0);
    EXPECT_FALSE(main->shipTab.ShipNote.visible());
}

// Bravo is placed by RPOS and RVEL: it shows the elements of that state at the scenario date, and
// a changed element replaces both lines by ELEMENTS at that date, the same orbit but for the change.
TEST_F(TodaysStations, AStationPlacedByPositionAndVelocityTakesElementsWhenEdited) {
    main->stationTab.StationName.userSelect(1);
    const std::string inclination = main->stationTab.StationInclination.text();
    main->stationTab.StationMeanLongitude.userSetText(main->stationTab.StationMeanLongitude.text());
    main->stationTab.Command1.userClick();
    EXPECT_EQ(saved(), dataFile("today-stations")) << "validated unchanged";

    main->stationTab.StationInclination.userSetText(numberText(leadingNumberValue(inclination) + 1));
    main->stationTab.Command1.userClick();
    ASSERT_TRUE(scripted.dialogs.messages().empty()) << scripted.dialogs.messages().front().text;
    const std::string out = saved();
    EXPECT_EQ(out.find("-6433526.47"), std::string::npos);
    EXPECT_EQ(out.find("-1807.302"), std::string::npos);
    const size_t at = out.find("Bravo:Mir\n  STATUS Orbiting Earth\n  ELEMENTS ");
    ASSERT_NE(at, std::string::npos) << out;
    std::vector<double> v;
    std::string_view line(out);
    line = line.substr(at + std::string_view("Bravo:Mir\n  STATUS Orbiting Earth\n  ELEMENTS ").size());
    line = line.substr(0, line.find('\n'));
    for (size_t start = 0; start < line.size();) {
        const size_t end = std::min(line.find(' ', start), line.size());
        v.push_back(leadingNumberValue(std::string(line.substr(start, end - start))));
        start = end + 1;
    }
    ASSERT_EQ(v.size(), 7u);
    EXPECT_NEAR(v[6], 51982.029, 1e-9) << "the scenario date as epoch";
    // Taking the edit back gives the state read, to the precision of the written numbers.
    const orbit::Elements e{v[0], v[1], v[2] - 1, v[3], v[4], v[5], v[6]};
    const double mu = *main->cat.bodies.find("Earth")->mu();
    const orbit::Result<orbit::StateVector> state = orbit::stateFromElements(e, mu, v[6]);
    ASSERT_TRUE(state);
    EXPECT_NEAR(state->position.x, -6433526.47, 1e-3);
    EXPECT_NEAR(state->velocity.z, -1702.868, 1e-6);
}

// A deleted station takes the tokens that name it; the ship its group placed orbits on its own
// where the station was at the start.
TEST_F(TodaysStations, ADeletedStationLeavesItsDockedShipWhereItWas) {
    main->stationTab.StationName.userSelect(0);
    scripted.dialogs.queueAnswer(ui::AnswerYes);
    main->stationTab.Command2.userClick();
    const std::string out = saved();
    EXPECT_EQ(out.find("Alpha"), std::string::npos) << out;
    EXPECT_EQ(out.find("DOCKINFO"), std::string::npos) << out;
    const ShipRow& glider = ship(1);
    ASSERT_EQ(glider.ShipNameTable, "GL-02");
    EXPECT_EQ(glider.ShipStatusTable, "Orbiting");
    const orbit::Elements alpha{6778137, 0.0005, 51.6, 120.5, 10.25, 33, 51982.25};
    const double mu = *main->cat.bodies.find("Earth")->mu();
    const orbit::Result<orbit::StateVector> state = orbit::stateFromElements(alpha, mu, 51982.029);
    ASSERT_TRUE(state);
    EXPECT_NEAR(leadingNumberValue(glider.ShipRposXTable), state->position.x, 1e-3);
    EXPECT_NEAR(leadingNumberValue(glider.ShipRvelZTable), state->velocity.z, 1e-6);
    EXPECT_NE(out.find("GL-02:DeltaGlider\n  STATUS Orbiting Earth\n  RPOS " + glider.ShipRposXTable), std::string::npos)
        << out;
}

// Alpha goes by ELEMENTS and Bravo by RPOS and RVEL: a new start moves only Alpha, and the status
// line says so. Deleting a parent names the vessels it carries.
TEST_F(TodaysStations, ANewStartAndADeletedParentSayWhatTheyDo) {
    EXPECT_EQ(main->status.lastReport().find("rendezvous"), std::string::npos) << "not on loading";
    main->env.Hour.userSelect(3);
    EXPECT_NE(main->status.lastReport().find("no longer holds"), std::string::npos) << main->status.lastReport();

    std::string text = dataFile("today-stations");
    text.replace(text.find("  DOCKINFO 0:0,Alpha\n"), std::string("  DOCKINFO 0:0,Alpha\n").size(),
                 "  ATTACHED 0:0,GL-01\n");
    openText(text, "attached.scn");
    // GL-02 goes where GL-01 goes: its placement shows but does not change.
    main->shipTab.ShipName.userSelect(1);
    EXPECT_EQ(main->shipTab.ShipNote.caption(), "Attached to GL-01");
    EXPECT_FALSE(main->shipTab.OrbitingShipOption.enabled());
    EXPECT_FALSE(main->shipTab.Orbiting.enabled());
    EXPECT_FALSE(main->shipTab.ShipFuelSlider.enabled());
    main->shipTab.ShipName.userSelect(0);
    EXPECT_TRUE(main->shipTab.LandedShipOption.enabled());
    EXPECT_TRUE(main->shipTab.Landed.enabled());
    scripted.dialogs.clear();
    scripted.dialogs.queueAnswer(ui::AnswerYes);
    main->shipTab.Command6.userClick();
    ASSERT_FALSE(scripted.dialogs.messages().empty());
    EXPECT_EQ(scripted.dialogs.messages().front().text.substr(0, 19), "GL-01 carries GL-02");
    EXPECT_EQ(saved().find("ATTACHED"), std::string::npos) << saved();
}

// Today's simulator docks by DOCKINFO only: "Docked" is written as STATUS Orbiting and a token on
// each side, and the body lists offer the star, which vessels may orbit.
TEST_F(TodaysStations, DockingWritesTokensAndTheStarIsOffered) {
    main->shipTab.ShipName.userSelect(0);
    main->shipTab.DockedShipOption.userSelect();
    main->shipTab.Command4.userClick();
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u) << "no dock chosen";
    scripted.dialogs.clear();
    main->shipTab.ShipDockedTree.userDoubleClick(ui::nodeAtPath(main->shipTab.ShipDockedTree, "Earth/Bravo/Dock  4"));
    main->shipTab.Command4.userClick();
    ASSERT_TRUE(scripted.dialogs.messages().empty()) << scripted.dialogs.messages().front().text;
    const std::string out = saved();
    EXPECT_EQ(out.find("Docked"), std::string::npos);
    EXPECT_NE(out.find("GL-01:DeltaGlider\n  STATUS Orbiting Earth\n  DOCKINFO 0:3,Bravo\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  RVEL -1807.302 7274.204 -1702.868\n  DOCKINFO 3:0,GL-01\n"), std::string::npos) << out;
    const auto& bodies = main->shipTab.OrbitingRef.items();
    EXPECT_NE(std::find(bodies.begin(), bodies.end(), "Sun"), bodies.end());

    openText(dataFile("basic"));
    const auto& early = main->shipTab.OrbitingRef.items();
    EXPECT_EQ(std::find(early.begin(), early.end(), "Sun"), early.end());
}

// A vessel that places others says so before it goes: a station the ships docked at it, which
// then orbit on their own; a ship the ships docked to it, which lose their tokens.
TEST_F(TodaysStations, DeletingAVesselThatPlacesOthersNamesThem) {
    scripted.dialogs.queueAnswer(ui::AnswerNo);
    main->stationTab.StationName.userSelect(0);
    main->stationTab.Command2.userClick();
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u);
    EXPECT_EQ(scripted.dialogs.messages().front().text,
              "GL-02 docked at Alpha will orbit where it is, on their own. Are you sure you want to delete it ?");

    std::string text = dataFile("today-docking");
    openText(text, "docking.scn");
    scripted.dialogs.clear();
    scripted.dialogs.queueAnswer(ui::AnswerNo);
    main->shipTab.ShipName.userSelect(1);
    ASSERT_EQ(main->shipTab.ShipName.text(), "Pusher");
    main->shipTab.Command6.userClick();
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u);
    EXPECT_EQ(scripted.dialogs.messages().front().text.substr(0, 40), "Pusher places the docked group of Pushed");
}

// A ship placed by its orbital elements is checked as a station's orbit is, its epoch too; the
// early layout has no such form.
TEST_F(TodaysStations, AShipsElementsAreCheckedAsAStationsOrbit) {
    openText(dataFile("today-docking"), "docking.scn");
    main->shipTab.ShipName.userSelect(3);
    ASSERT_EQ(main->shipTab.ShipName.text(), "Free");
    EXPECT_TRUE(main->shipTab.ShipElementsOption.value());
    EXPECT_TRUE(main->shipTab.Frame13.visible());
    EXPECT_FALSE(main->shipTab.Frame10.visible());
    EXPECT_EQ(main->shipTab.ShipAscendingNodeLongitude.text(), "10");
    main->shipTab.ShipSemiMajorAxis.userSetText("6000000");
    main->shipTab.ShipElementsEpoch.userSetText("soon");
    main->shipTab.Command4.userClick();
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u);
    const std::string& refusal = scripted.dialogs.messages().front().text;
    EXPECT_EQ(refusal.substr(0, 38), "The ship orbit crosses the planet atmo");
    EXPECT_NE(refusal.find("The ship orbit semi-major axis is equal to  6000000 m"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("The ship orbit epoch is not correct."), std::string::npos) << refusal;

    openText(dataFile("basic"));
    main->shipTab.ShipName.userSelect(1);
    EXPECT_FALSE(main->shipTab.ShipElementsOption.visible());
    EXPECT_TRUE(main->shipTab.Frame10.visible());
}

// The main window lists what the simulator would do wrong with the open file, counted on the
// status line; a double-click shows the vessel, and an edit that mends it empties the list.
TEST_F(TodaysStations, TheWindowListsTheSimulatorsFindings) {
    std::string text = dataFile("today-stations");
    text.replace(text.find("  BASE Habana:2\n"), std::string("  BASE Habana:2\n").size(), "  BASE Habana\n");
    // As the load window opens it.
    const std::string path = temp.write("findings.scn", text);
    main->state.ScnDir.setCaption(platform::withTrailingSeparator(platform::parentFolder(path)));
    main->state.scnfile.setCaption("findings.scn");
    main->TabSettings();
    ASSERT_TRUE(main->findings().stale());
    main->findings().refreshIfStale();
    const ui::MainWindowState& s = main->state;
    // GL-01's FUEL after PRPLEVEL is only a note: it is listed, not counted.
    ASSERT_EQ(s.Findings.items().size(), 2u);
    EXPECT_EQ(s.Findings.items().front().substr(0, 48), "Line 42  warning  base-without-position  GL-01: ");
    EXPECT_EQ(s.Findings.items().back().substr(0, 38), "Line 45  note  competing-lines  GL-01:");
    EXPECT_EQ(s.FindingsCount.caption(), "1 problem");
    EXPECT_TRUE(s.Findings.visible());

    main->state.SSTab1.userSetCurrentTab(0);
    main->shipTab.ShipName.userSelect(2);
    main->state.Findings.userDoubleClick(0);
    EXPECT_EQ(main->state.SSTab1.currentTab(), 2);
    EXPECT_EQ(main->shipTab.ShipName.text(), "GL-01");

    main->shipTab.ShipLandingTree.userDoubleClick(ui::nodeAtPath(main->shipTab.ShipLandingTree, "Earth/Habana/Landing pad 3"));
    main->shipTab.Command4.userClick();
    EXPECT_TRUE(main->findings().stale());
    main->findings().refreshIfStale();
    EXPECT_EQ(s.Findings.items().size(), 1u);
    EXPECT_FALSE(s.FindingsCount.visible());

    // An early file of an installation without Vessels folder has none to show.
    openText(dataFile("basic"));
    main->findings().refresh();
    EXPECT_FALSE(s.Findings.visible());
}

// Today's simulator flies an open orbit; the early layout's checks still refuse one, and an
// open orbit that dips into the atmosphere is refused in either.
TEST_F(TodaysStations, AnOpenOrbitPassesWhenItsPeriapsisClearsTheAtmosphere) {
    auto validate = [&](const char* a, const char* e) {
        scripted.dialogs.clear();
        main->stationTab.StationName.userSelect(0);
        main->stationTab.StationSemiMajorAxis.userSetText(a);
        main->stationTab.StationExcentricity.userSetText(e);
        main->stationTab.Command1.userClick();
        return scripted.dialogs.messages().empty() ? std::string() : scripted.dialogs.messages().front().text;
    };
    EXPECT_EQ(validate("-20000000", "1.5"), "");
    EXPECT_NE(validate("-2000000", "1.5").find("crosses the planet atmosphere"), std::string::npos);
    EXPECT_NE(validate("20000000", "1.5").find("excentricity is not correct"), std::string::npos);
    EXPECT_NE(validate("20000000", "1").find("excentricity is not correct"), std::string::npos);

    openText(dataFile("basic"));
    EXPECT_EQ(main->model.format, FileFormat::Early);
    EXPECT_NE(validate("-20000000", "1.5").find("excentricity is not correct"), std::string::npos);
}

// Every scenario of the simulator's own: each station and ship validated unchanged, and the save
// gives the file's bytes.
// A line between two blocks, which the simulator would stop at, is no vessel of its own: the
// vessels after it keep their facts.
TEST_F(TodaysStations, AVesselAfterALineBetweenBlocksKeepsItsFacts) {
    openText("BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51982.0\nEND_ENVIRONMENT\nBEGIN_SHIPS\n"
             "GL-01:DeltaGlider\n  STATUS Landed Earth\n  BASE Habana\n  POS -82.1 23.01\nEND\n"
             "; the station\n"
             "Ring:Wheel\n  STATUS Orbiting Earth\n  ELEMENTS 7000000 0 10 0 0 90 51982\n  AROT 0 0 0\n"
             "  DOCKINFO 0:0,GL-02\nEND\n"
             "GL-02:DeltaGlider\n  STATUS Orbiting Earth\n  RPOS 7000000 0 0\n  RVEL 0 7500 0\n"
             "  DOCKINFO 0:0,Ring\nEND\n"
             "END_SHIPS\n");
    scripted.dialogs.clear();
    EXPECT_EQ(names(main->stationTab.StationName), std::vector<std::string>{"Ring"});
    const std::vector<std::string> ships = names(main->shipTab.ShipName);
    ASSERT_FALSE(ships.empty());
    EXPECT_EQ(ships.back(), "GL-02");
    EXPECT_EQ(ship(int(ships.size()) - 1).ShipStatusTable, "Docked");
    EXPECT_EQ(ship(int(ships.size()) - 1).ShipDockedStationTable, "Ring");
}

// The vessel list is read beside the rest with the bodies of the system open before: a file of
// another system names its own bodies all the same, and so does the next file of the first.
TEST_F(TodaysStations, AFileOfAnotherSystemNamesItsOwnBodies) {
    openText("BEGIN_ENVIRONMENT\n  System Ceti\n  Date MJD 51982.0\nEND_ENVIRONMENT\nBEGIN_SHIPS\n"
             "Ring:Wheel\n  STATUS Orbiting Pyrrha\n  ELEMENTS 2000000 0 10 0 0 90 51982\n  AROT 0 0 0\nEND\n"
             "Scout:DeltaGlider\n  STATUS Orbiting Tceti\n  RPOS 12000000 0 0\n  RVEL 0 11000 0\nEND\n"
             "END_SHIPS\n",
             "Ceti.scn");
    ASSERT_EQ(names(main->stationTab.StationName), std::vector<std::string>{"Ring"});
    EXPECT_EQ(station(0).StationRefTable, "Pyrrha");
    EXPECT_EQ(names(main->shipTab.ShipName), std::vector<std::string>{"Scout"});
    EXPECT_EQ(ship(0).ShipPlanetTable, "Tceti");
    EXPECT_EQ(ship(0).ShipNote, "");

    open(path);
    EXPECT_EQ(names(main->stationTab.StationName), (std::vector<std::string>{"Alpha", "Bravo", "Wheel One"}));
    EXPECT_EQ(station(0).StationRefTable, "Earth");
}

// A huge vessel list is taken by two threads at once: each copy of the small file's vessels, in a
// list of thousands, reads as the small file does, in file order, and the file saves unchanged.
TEST_F(TodaysStations, AHugeListReadsAsEachOfItsPartsDoes) {
    // What the tabs hold of each row, with the row's name given apart.
    const auto shipFacts = [](const ShipRow& r, const std::string& suffix) {
        const auto plain = [&](std::string text) {
            for (size_t at; !suffix.empty() && (at = text.find(suffix)) != std::string::npos;)
                text.erase(at, suffix.size());
            return text;
        };
        return plain(r.ShipNameTable) + "|" + r.ShipStatusTable + "|" + r.ShipPlanetTable + "|" +
               plain(r.ShipDockedStationTable) + "|" + r.ShipDockedPortTable + "|" + std::to_string(r.ShipOwnPortAsRead) +
               "|" + plain(r.ShipNote) + "|" + r.ShipFuelTable + "|" + std::to_string(int(r.ShipPlacement)) + "|" +
               r.ShipLandedLongitudeTable + "|" + r.ShipElementsTable + "|" +
               (r.ShipValuesAsRead == shipValuesMark(r) ? "marked" : "mark differs");
    };
    const auto stationFacts = [](const StationRow& r) {
        return r.StationClassTable + "|" + r.StationRefTable + "|" + r.StationSemiMajorAxisTable + "|" +
               r.StationMeanLongitudeTable + "|" + r.StationRotationFrequencyTable + "|" + r.StationNote + "|" +
               std::to_string(r.StationBlockLines.size()) + "|" +
               (r.StationValuesAsRead == stationValuesMark(r) ? "marked" : "mark differs");
    };
    std::vector<std::string> ships, stations;
    for (int i = 0; i < main->shipTab.ShipName.listCount(); ++i)
        ships.push_back(shipFacts(ship(i), ""));
    for (int i = 0; i < main->stationTab.StationName.listCount(); ++i)
        stations.push_back(stationFacts(station(i)));
    ASSERT_EQ(ships.size(), 3u);
    ASSERT_EQ(stations.size(), 3u);

    // The small file's vessels again and again, each copy's names (and the DOCKINFO tokens that
    // name them) marked with its number; enough that every step is shared by two threads.
    const std::string small = dataFile("today-stations");
    const size_t begin = small.find("BEGIN_SHIPS\n") + 12, end = small.find("END_SHIPS");
    const std::string vessels = small.substr(begin, end - begin);
    constexpr int Copies = 2101;
    std::string huge = small.substr(0, begin);
    for (int n = 0; n < Copies; ++n) {
        const std::string suffix = "#" + std::to_string(10000 + n);
        std::string copy = vessels;
        for (const std::string name : {"Alpha", "Bravo", "Wheel One", "GL-01", "GL-02", "GL-03"})
            for (size_t at = 0; (at = copy.find(name, at)) != std::string::npos; at += name.size() + suffix.size())
                copy.insert(at + name.size(), suffix);
        huge += copy;
    }
    huge += small.substr(end);
    openText(huge, "Huge.scn");
    scripted.dialogs.clear();

    ASSERT_EQ(main->shipTab.ShipName.listCount(), 3 * Copies);
    ASSERT_EQ(main->stationTab.StationName.listCount(), 3 * Copies);
    ASSERT_EQ(main->model.layout.stationBlocks.size(), size_t(3 * Copies));
    for (int n = 0; n < Copies; ++n) {
        const std::string suffix = "#" + std::to_string(10000 + n);
        for (int k = 0; k < 3; ++k) {
            const int row = 3 * n + k;
            ASSERT_EQ(main->shipTab.ShipName.list(row), ship(row).ShipNameTable) << row;
            ASSERT_EQ(shipFacts(ship(row), suffix), ships[size_t(k)]) << row;
            ASSERT_EQ(main->stationTab.StationName.list(row), station(row).StationNameTable) << row;
            ASSERT_EQ(stationFacts(station(row)), stations[size_t(k)]) << row;
        }
    }
    const auto& blocks = main->model.layout.stationBlocks;
    EXPECT_TRUE(std::adjacent_find(blocks.begin(), blocks.end(), [](const BlockSpan& a, const BlockSpan& b) {
                    return a.head >= b.head;
                }) == blocks.end());
    EXPECT_TRUE(saved() == huge);
}

TEST(TodaysStationsCorpus, EveryStationValidatedUnchangedKeepsTheBytes) {
    const std::string corpus = std::string(VANTREL_CORPUS_DIR) + "/orbiter-2016";
    if (!platform::folderExists(corpus + "/Scenarios"))
        GTEST_SKIP() << "no corpus at " << corpus;
    TempFolder temp;
    ui::ScriptedServices scripted;
    Vantrel::Options options;
    options.startFolder = temp.makeFolder("Start");
    options.orbiterFolder = corpus;
    Vantrel main(scripted.services(), options);
    main.load();
    std::vector<std::string> files;
    std::vector<std::string> folders{corpus + "/Scenarios"};
    while (!folders.empty()) {
        const std::string folder = folders.back();
        folders.pop_back();
        for (const std::string& sub : platform::listFolders(folder))
            folders.push_back(folder + "/" + sub);
        for (const std::string& name : platform::listFiles(folder, "*.scn"))
            files.push_back(folder + "/" + name);
    }
    int stations = 0;
    std::vector<std::string> refusals;
    for (const std::string& name : files) {
        const std::string file = platform::normalPath(name);
        const std::string folder = platform::withTrailingSeparator(platform::parentFolder(file));
        main.state.ScnDir.setCaption(folder);
        main.state.scnfile.setCaption(file.substr(folder.size()));
        main.env.Description.setText(GetDescription(file));
        main.reader().TabSettings();
        scripted.dialogs.clear();
        EXPECT_EQ(main.model.format, FileFormat::Today) << file;
        for (int i = 0; i < main.stationTab.StationName.listCount(); ++i) {
            ++stations;
            main.stationTab.StationName.userSelect(i);
            main.stationTab.Command1.userClick();
            for (const auto& m : scripted.dialogs.messages())
                ADD_FAILURE() << file << ": " << main.stationTab.StationName.list(i) << ": " << m.text;
            scripted.dialogs.clear();
        }
        for (int i = 0; i < main.shipTab.ShipName.listCount(); ++i) {
            main.shipTab.ShipName.userSelect(i);
            main.shipTab.Command4.userClick();
            for (const auto& m : scripted.dialogs.messages())
                refusals.push_back(main.shipTab.ShipName.list(i) + ": " + m.text);
            scripted.dialogs.clear();
        }
        // The focus the simulator could not find is the only thing a save changes.
        if (file.find("Galileo's first Ganymede flyby") == std::string::npos) {
            EXPECT_TRUE(main.writer().scenarioText() == platform::readFile(file)) << file;
        }
    }
    std::cout << stations << " stations in " << files.size() << " scenarios\n";
    EXPECT_EQ(stations, 259);
    // What stays refused is true: a glider below the surface of Mars, and a focus on no vessel.
    EXPECT_EQ(refusals, (std::vector<std::string>{
                            "Galileo: As the user-controled ship was no longer valid in the scenario, it has been set to the "
                            "first possible ship !",
                            "GL-02: The ship is located inside the planet; adjust the position parameters relative to reference."}));
}

} // namespace
} // namespace vantrel::test
