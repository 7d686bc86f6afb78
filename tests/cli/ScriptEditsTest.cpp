// An edit made with vantrel-scn script, as a person makes it on the main window, changes the
// lines that hold what changed and nothing else: each case opens a scenario of tests/data on the
// small test installation, runs its steps, and compares the saved file with the one read, line
// by line.

#include "support/LineDiff.h"
#include "support/MiniInstallation.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include "core/platform/TextFile.h"
#include "core/vessels/VesselReader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel::test {
namespace {

struct EditCase {
    const char* name;
    const char* data; // the folder of tests/data
    std::vector<std::string> steps;
    std::vector<std::string> diff;
};

class ScriptEdits : public ::testing::TestWithParam<EditCase> {};

// What today's simulator needs of a saved file: every status one it knows, every DOCKINFO token
// answered by its partner's, and each docked group's first vessel placed by its own position.
void expectTodaysRules(const std::string& saved) {
    const vessels::VesselList list = vessels::readVessels(saved, {"Sun", "Earth", "Moon", "Mars"});
    auto find = [&](const std::string& name) -> const vessels::Vessel* {
        for (const vessels::Vessel& v : list.vessels)
            if (v.name == name)
                return &v;
        return nullptr;
    };
    for (const vessels::Vessel& v : list.vessels) {
        EXPECT_NE(v.status.status, vessels::Status::Unknown) << v.name;
        for (const vessels::DockToken& token : v.docking) {
            const vessels::Vessel* partner = find(token.partner.vessel);
            ASSERT_NE(partner, nullptr) << v.name << " names " << token.partner.vessel;
            const bool answered = std::any_of(partner->docking.begin(), partner->docking.end(), [&](const vessels::DockToken& t) {
                return t.port == token.partner.port && t.partner.port == token.port && t.partner.vessel == v.name;
            });
            EXPECT_TRUE(answered) << v.name << " " << token.port << ":" << token.partner.port << "," << token.partner.vessel;
        }
        if (v.placement.kind == vessels::PlacementKind::Docked) {
            const vessels::Vessel* first = find(v.placement.placedBy);
            ASSERT_NE(first, nullptr) << v.name << " has no vessel placing its group";
            EXPECT_TRUE(first->placement.kind == vessels::PlacementKind::Elements ||
                        first->placement.kind == vessels::PlacementKind::Vector)
                << first->name << " places " << v.name << " without a position of its own";
        }
    }
}

TEST_P(ScriptEdits, ChangeOnlyTheLinesOfTheEdit) {
    const EditCase& c = GetParam();
    TempFolder temp;
    const MiniInstallation install = writeMiniInstallation(temp);
    const std::string input =
        platform::readFile(std::string(VANTREL_TEST_DATA_DIR) + "/" + c.data + "/input.scn").value_or("");
    ASSERT_FALSE(input.empty());
    const std::string in = temp.write(std::string("Scenarios/") + c.data + ".scn", input);
    std::vector<std::string> arguments{"script", install.folder, in, temp / "out.scn"};
    arguments.insert(arguments.end(), c.steps.begin(), c.steps.end());
    ASSERT_EQ(0, runScn(temp, arguments).status) << temp.read("stderr.txt");
    EXPECT_EQ(std::string::npos, temp.read("stderr.txt").find("not accepted")) << temp.read("stderr.txt");
    EXPECT_EQ(c.diff, lineDiff(input, temp.read("out.scn")));
    if (std::string(c.data).rfind("today-", 0) == 0)
        expectTodaysRules(temp.read("out.scn"));
}

const EditCase cases[] = {
    {"NoStep", "basic", {}, {}},
    {"FuelOfALandedShip", "basic", {"ShipFuelSlider=25", "Command4"}, {"-  FUEL 0.50\r\n", "+  FUEL 0.25\r\n"}},
    {"OneCoordinateKeepsTheSpellingOfTheOthers",
     "basic",
     {"ShipName=Cruiser", "ShipOrbitingRposX=1838100", "Command4"},
     {"-  RPOS 1838000.5 -200.25 3e3\r\n", "+  RPOS 1838100 -200.25 3e3\r\n"}},
    {"ValidatedUnchangedKeepsEveryLine", "basic", {"ShipName=Cruiser", "Command4", "Command1"}, {}},
    {"StartDay",
     "basic",
     {"Calendar=2001-03-15"},
     {"-  Date MJD 51982.4381944444\r\n", "+  Date MJD 51983.4381944444\r\n"}},
    {"StartHourKeepsTheSeconds", "kept-as-read", {"Hour=3"}, {"-  Date MJD 51982.0290000\n", "+  Date MJD 51982.154\n"}},
    {"RenameFollowedByFocusAndCamera",
     "basic",
     {"ShipName:=GL-09", "Command4"},
     {"-  Ship GL-01\r\n", "+  Ship GL-09\r\n", "-  TARGET GL-01\r\n", "+  TARGET GL-09\r\n", "-GL-01:DeltaGlider\r\n",
      "+GL-09:DeltaGlider\r\n"}},
    {"RenameOfANameOnlyHeadKeepsItsClass",
     "kept-as-read",
     {"ShipName:=Mir-2", "Command4"},
     {"-  Ship Mir\n", "+  Ship Mir-2\n", "-Mir\n", "+Mir-2:Mir\n"}},
    {"DeletionRemovesTheBlockAlone",
     "basic",
     {"ShipName=Tug", "Command6"},
     {"-Tug:Dragonfly\r\n", "-  STATUS Docked Earth:Alpha:3\r\n", "-  FUEL 0.25\r\n", "-  ENGINE_MAIN 0.5\r\n", "-END\r\n"}},
    {"StationElementKeepsItsBlanks",
     "basic",
     {"StationInclination=52", "Command1"},
     {"-  ELEMENTS 6778137 0.0005 51.6  120.5 10.25 33\r\n", "+  ELEMENTS 6778137 0.0005 52  120.5 10.25 33\r\n"}},
    {"FrequencyKeepsItsKeywordAndComment",
     "basic",
     {"StationName=Wheel One", "StationRotationFrequency=0.06", "Command1"},
     {"-  ZROT_FREQ 0.05 ; slow spin\r\n", "+  ZROT_FREQ 0.06 ; slow spin\r\n"}},
    {"ALineTheBlockLackedTakesItsIndentationAndTheFilesLineEnd",
     "kept-as-read",
     {"ShipName=GL-03", "MainEngineStatusSlider=50", "Command4"},
     {"+ENGINE_MAIN 0.5\n"}},
    {"ANewShipGoesBeforeTheSectionsEnd",
     "kept-as-read",
     {"Command5", "ShipName:=GL-04", "Spacecraft=DeltaGlider", "Command10", "LandedShipOption=1", "ShipLandingTree>Earth/Habana/Landing pad 3", "ShipLandedHeading=10", "ShipFuelSlider=100", "Command4"},
     {"+GL-04:DeltaGlider\n", "+  STATUS Landed Earth\n", "+  BASE Habana:3\n", "+  HEADING 10\n", "+  FUEL 1\n", "+END\n"}},
    {"DescriptionChangesTheLinesInsideItsBlock",
     "basic",
     {"Description=One line only\r\n"},
     {"-A station, a dock and two ships.\r\n", "-  Second line, indented.\r\n", "+One line only\r\n"}},
    {"ADescriptionAfterTheHtmlOneIsTheOneEdited",
     "kept-as-read",
     {"Description=Edited\r\n"},
     {"-A description that is not the first block.\n", "+Edited\n"}},
    {"ADescriptionGoesJustAfterTheHtmlBlock",
     "html-only",
     {"Description=Plain words\r\n"},
     {"+BEGIN_DESC\r\n", "+Plain words\r\n", "+END_DESC\r\n"}},
    // A today's file: its stations in orbit are vessels of the ships' section, written back as
    // today's lines.
    {"TodaysStationUntouched", "today-stations", {"StationName=Alpha", "Command1", "StationName=Bravo", "Command1"}, {}},
    {"TodaysStationElementKeepsTheEpochAndComment",
     "today-stations",
     {"StationName=Alpha", "StationSemiMajorAxis=6800000", "Command1"},
     {"-  ELEMENTS 6778137 0.0005 51.6  120.5 10.25 33 51982.25 ; epoch\n",
      "+  ELEMENTS 6800000 0.0005 51.6  120.5 10.25 33 51982.25 ; epoch\n"}},
    {"TodaysStationEpochHour",
     "today-stations",
     {"StationName=Alpha", "StationOrbitalRefHour=9", "Command1"},
     {"-  ELEMENTS 6778137 0.0005 51.6  120.5 10.25 33 51982.25 ; epoch\n",
      "+  ELEMENTS 6778137 0.0005 51.6  120.5 10.25 33 51982.375 ; epoch\n"}},
    {"TodaysStationFrequencyIsVrotAboutZ",
     "today-stations",
     {"StationName=Alpha", "StationRotationFrequency=0.06", "Command1"},
     {"-  VROT 0.00 0.00 18.00\n", "+  VROT 0.00 0.00 21.6\n"}},
    {"TodaysStationClassFrequencyMeansNoVrot",
     "today-stations",
     {"StationName=Alpha", "Check1=1", "Command1"},
     {"-  VROT 0.00 0.00 18.00\n"}},
    {"TodaysStationRenameFollowedByTheCameraAndTheDockedShip",
     "today-stations",
     {"StationName=Alpha", "StationName:=Alpha-2", "Command1"},
     {"-  TARGET Alpha\n", "+  TARGET Alpha-2\n", "-Alpha:ISS\n", "+Alpha-2:ISS\n", "-  DOCKINFO 0:0,Alpha\n",
      "+  DOCKINFO 0:0,Alpha-2\n"}},
    {"RenamedShipFollowedByTheStationsToken",
     "today-stations",
     {"ShipName=GL-02", "ShipName:=GL-22", "Command4"},
     {"-  DOCKINFO 0:0,GL-02\n", "+  DOCKINFO 0:0,GL-22\n", "-GL-02:DeltaGlider\n", "+GL-22:DeltaGlider\n"}},
    {"TodaysStationBodyIsTheStatusBody",
     "today-stations",
     {"StationName=Wheel One", "StationRef=Earth", "Command8", "StationSemiMajorAxis=7000000", "Command1"},
     {"-  STATUS Orbiting Moon\n", "-  ELEMENTS 1838000 0 90 0 0 180 51544.5\n", "+  STATUS Orbiting Earth\n",
      "+  ELEMENTS 7000000 0 90 0 0 180 51544.5\n"}},
    {"TodaysStationOnAnOpenOrbit",
     "today-stations",
     {"StationName=Wheel One", "StationSemiMajorAxis=-20000000", "StationExcentricity=1.5", "Command1"},
     {"-  ELEMENTS 1838000 0 90 0 0 180 51544.5\n", "+  ELEMENTS -20000000 1.5 90 0 0 180 51544.5\n"}},
    {"TodaysStationAddedAtTheEndOfTheVessels",
     "today-stations",
     {"Command3", "StationName:=Charlie", "StationClass=Wheel", "Command9", "StationRef=Earth", "Command8",
      "StationSemiMajorAxis=7000000", "StationExcentricity=0", "StationInclination=1", "StationAscendingNodeLongitude=2",
      "StationPeriapsisLongitude=3", "StationMeanLongitude=4", "StationOrbitalRefTime=2001-03-01",
      "StationOrbitalRefHour=12", "StationOrbitalRefMin=0", "StationXAngle=0", "StationYAngle=0", "StationZAngle=0",
      "Check1=0", "StationRotationFrequency=0.01", "Command1"},
     {"+Charlie:Wheel\n", "+  STATUS Orbiting Earth\n", "+  ELEMENTS 7000000 0 1 2 3 4 51969.5\n", "+  AROT 0 0 0\n",
      "+  VROT 0 0 3.6\n", "+END\n"}},
    {"TankZeroOfPrplevel",
     "today-stations",
     {"ShipName=GL-02", "ShipFuelSlider=40", "Command4"},
     {"-  PRPLEVEL 1:0.500\n", "+  PRPLEVEL 0:0.4 1:0.500\n"}},
    {"TheLaterOfFuelAndPrplevelIsTheOneEdited",
     "today-stations",
     {"ShipName=GL-01", "ShipFuelSlider=40", "Command4"},
     {"-  FUEL 0.50\n", "+  FUEL 0.4\n"}},
    {"CoordinatesOfALandedShip",
     "today-stations",
     {"ShipName=GL-03", "ShipLandedLatitude=23.5", "Command4"},
     {"-  POS -82.1 23.01 ; runway\n", "+  POS -82.1 23.5 ; runway\n"}},
    {"APadTakesTheShipOffItsCoordinates",
     "today-stations",
     {"ShipName=GL-03", "ShipLandingTree>Earth/Habana/Landing pad 3", "Command4"},
     {"-  BASE Habana\n", "-  POS -82.1 23.01 ; runway\n", "+  BASE Habana:3\n"}},
    {"ShipLeavesItsPadForCoordinates",
     "today-stations",
     {"ShipName=GL-01", "ShipCoordinatesOption", "ShipLandedLongitude=-82.39", "ShipLandedLatitude=23.01", "Command4"},
     {"-  BASE Habana:2\n", "+  BASE Habana\n", "+  POS -82.39 23.01\n"}},
    {"TodaysStationDeleted",
     "today-stations",
     {"StationName=Wheel One", "Command2"},
     {"-Wheel One:Wheel\n", "-  STATUS Orbiting Moon\n", "-  ELEMENTS 1838000 0 90 0 0 180 51544.5\n", "-  AROT 0 0 0\n",
      "-  VROT 1 0 5\n", "-END\n"}},
    // Docking in a today's file: a token on each side, the station's port counted from 0, and
    // only STATUS Landed or Orbiting written.
    {"DockedShipMovesToAnotherPort",
     "today-stations",
     {"ShipName=GL-02", "ShipDockedTree>Earth/Alpha/Dock  3", "Command4"},
     {"-  DOCKINFO 0:0,GL-02\n", "+  DOCKINFO 2:0,GL-02\n", "-  DOCKINFO 0:0,Alpha\n", "+  DOCKINFO 0:2,Alpha\n"}},
    {"LandedShipDocksAndLeavesItsPad",
     "today-stations",
     {"ShipName=GL-01", "DockedShipOption", "ShipDockedTree>Earth/Bravo/Dock  1", "Command4"},
     {"+  DOCKINFO 0:0,GL-01\n", "-  STATUS Landed Earth\n", "-  BASE Habana:2\n", "-  HEADING 90\n",
      "+  STATUS Orbiting Earth\n", "+  DOCKINFO 0:0,Bravo\n"}},
    {"UndockedShipOrbitsWhereTheStationIs",
     "today-stations",
     {"ShipName=GL-02", "OrbitingShipOption", "Command4"},
     {"-  DOCKINFO 0:0,GL-02\n", "-  RPOS 6778137 0 0\n", "-  RVEL 0 7668 0\n",
      "+  RPOS -1877186.84931465 4836417.0423053 -4365892.60095647\n",
      "+  RVEL 5242.56331326192 -2491.25260185915 -5009.67637224155\n", "-  DOCKINFO 0:0,Alpha\n"}},
    {"UndockedShipLands",
     "today-stations",
     {"ShipName=GL-02", "LandedShipOption", "ShipLandingTree>Earth/Habana/Landing pad 1", "Command4"},
     {"-  DOCKINFO 0:0,GL-02\n", "-  STATUS Orbiting Earth\n", "-  RPOS 6778137 0 0\n", "-  RVEL 0 7668 0\n",
      "+  STATUS Landed Earth\n", "+  BASE Habana:1\n", "-  DOCKINFO 0:0,Alpha\n"}},
    {"DeletedStationLetsItsShipOrbit",
     "today-stations",
     {"StationName=Alpha", "Command2"},
     {"-  TARGET Alpha\n", "+  TARGET GL-01\n", "-Alpha:ISS\n", "-  STATUS Orbiting Earth\n",
      "-  ELEMENTS 6778137 0.0005 51.6  120.5 10.25 33 51982.25 ; epoch\n", "-  AROT 0 12.5 -90\n",
      "-  VROT 0.00 0.00 18.00\n", "-  DOCKINFO 0:0,GL-02\n", "-END\n", "-  RPOS 6778137 0 0\n", "-  RVEL 0 7668 0\n",
      "+  RPOS -1877186.84931465 4836417.0423053 -4365892.60095647\n",
      "+  RVEL 5242.56331326192 -2491.25260185915 -5009.67637224155\n", "-  DOCKINFO 0:0,Alpha\n"}},
    // Tug's block moves to just after Alpha's: the station places the pair.
    {"ShipListedBeforeItsStationMovesAfterIt",
     "today-docking",
     {"ShipName=Tug", "DockedShipOption", "ShipDockedTree>Earth/Alpha/Dock  2", "Command4"},
     {"-Tug:DeltaGlider\n", "+Alpha:ISS\n", "-  RPOS 6800000 0 0\n", "-  RVEL 0 7650 0\n",
      "+  ELEMENTS 6778137 0.0005 51.6 120.5 10.25 33 51982.25\n", "+  DOCKINFO 1:0,Tug\n", "-Alpha:ISS\n",
      "+Tug:DeltaGlider\n", "-  ELEMENTS 6778137 0.0005 51.6 120.5 10.25 33 51982.25\n", "+  RPOS 6800000 0 0\n",
      "+  RVEL 0 7650 0\n", "+  DOCKINFO 0:1,Alpha\n"}},
    {"ShipToShipDockKeepsItsTokens",
     "today-docking",
     {"ShipName=Pushed", "Command4", "ShipName=Pusher", "ShipFuelSlider=30", "Command4"},
     {"+  FUEL 0.3\n"}},
    // A ship placed by ELEMENTS shows them; switching to position and velocity converts them at the
    // scenario date and writes RPOS and RVEL in their place, and back.
    {"ShipElementKeepsTheOthersAsWritten",
     "today-docking",
     {"ShipName=Free", "ShipInclination=52", "Command4"},
     {"-  ELEMENTS 6800000 0.001 51.6  10 20 30 51982 ; its own orbit\n",
      "+  ELEMENTS 6800000 0.001 52  10 20 30 51982 ; its own orbit\n"}},
    {"ShipElementsToPositionAndVelocity",
     "today-docking",
     {"ShipName=Free", "ShipVectorOption", "Command4"},
     {"-  ELEMENTS 6800000 0.001 51.6  10 20 30 51982 ; its own orbit\n",
      "+  RPOS -6678842.06051671 -156797.777192215 -1303853.60557159\n",
      "+  RVEL 1045.15758053993 -5992.78516677012 -4638.80718953406\n"}},
    {"ShipPositionAndVelocityToElements",
     "today-docking",
     {"ShipName=Tug", "ShipElementsOption", "Command4"},
     {"-  RPOS 6800000 0 0\n", "-  RVEL 0 7650 0\n",
      "+  ELEMENTS 6786368.20035066 0.00200870321899721 90 0 180 0 51982.029\n"}},
    {"ShipFormSwitchedBackKeepsItsLines",
     "today-docking",
     {"ShipName=Tug", "ShipElementsOption", "ShipVectorOption", "Command4", "ShipName=Free", "ShipVectorOption",
      "ShipElementsOption", "Command4"},
     {}},
    // The simulator ignores HEADING while a landed attitude is set (its first angle at most
    // 4 rad): a new heading takes that attitude away, with the ALT that goes with it.
    {"HeadingTakesTheLandedAttitudeAway",
     "today-landed",
     {"ShipName=GL-05", "ShipLandedHeading=45", "Command4", "ShipName=GL-06", "ShipLandedHeading=20", "Command4"},
     {"-  HEADING 150\n", "-  ALT 1.210\n", "-  AROT -155.3 -2.7 126.9\n", "+  HEADING 45\n", "-  HEADING 10\n",
      "+  HEADING 20\n"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ScriptEdits, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vantrel::test
