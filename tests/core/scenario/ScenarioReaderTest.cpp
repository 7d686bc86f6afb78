#include "ScenarioFixture.h"

#include "core/scenario/ScenarioFile.h"
#include "core/text/Dates.h"
#include "core/tools/ErrorLog.h"
#include "core/app/Windows.h"

namespace vantrel::test {
namespace {

// A scenario with the given environment lines and the given station and ship sections.
std::string scenario(std::initializer_list<const char*> lines) {
    return crlf({"BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 51544.5", "END_ENVIRONMENT", "",
                 "BEGIN_FOCUS", "  Ship GL-01", "END_FOCUS", ""}) +
           crlf(lines);
}

using ScenarioReaderTest = ScenarioFixture;

TEST_F(ScenarioReaderTest, StartDateFormsAndTheirMistakes) {
    auto startOf = [&](const char* dateLine) {
        openText(crlf({"BEGIN_ENVIRONMENT", "  System Sol", dateLine, "END_ENVIRONMENT"}));
        const auto& env = main->env;
        return std::tuple(env.Calendar.date().value_or(-1), env.Hour.listIndex(), env.Minute.listIndex());
    };
    const auto noon2000 = std::tuple(dayFromCivil(2000, 1, 1), 12, 0);
    EXPECT_EQ(noon2000, startOf("  Date JD 2451545.0"));
    EXPECT_EQ(noon2000, startOf("  Date JE 2000.0"));
    EXPECT_EQ(noon2000, startOf("  Date MJD 51544.5"));
    EXPECT_EQ(std::tuple(dayFromCivil(2001, 3, 10), 10, 31), startOf("  Date MJD 51978.4381944444"));
    // The kind is case-sensitive: "jd" is taken as MJD.
    EXPECT_EQ(std::tuple(dayFromCivil(1858, 11, 17) + 2451545, 0, 0), startOf("  Date jd 2451545"));
    // Two blanks after "Date" read the value from the wrong column: no number, MJD 0.
    EXPECT_EQ(std::tuple(dayFromCivil(1858, 11, 17), 0, 0), startOf("  Date  MJD 51544.5"));
    EXPECT_TRUE(main->model.ScanLog.empty());

    // Out of the calendar's range, or no date at all: the start date stays.
    main->env.Calendar.setDate(dayFromCivil(2010, 5, 6));
    EXPECT_EQ(std::tuple(dayFromCivil(2010, 5, 6), 0, 0), startOf("  Date MJD 9e9"));
    EXPECT_NE(std::string::npos, main->model.ScanLog.find("case.scn"));
    EXPECT_EQ(std::tuple(dayFromCivil(2010, 5, 6), 0, 0), startOf("  Epoch 51544.5"));
}

TEST_F(ScenarioReaderTest, FocusSystemAndDateComeFromTheirOwnSections) {
    openText(crlf({"BEGIN_DESC", "Date MJD 40000", "END_DESC", "BEGIN_ENVIRONMENT", "  Date MJD 51544.5",
                   "  System Sol", "END_ENVIRONMENT", "BEGIN_FOCUS", "  Ship GL-01", "END_FOCUS", "BEGIN_SHIPS",
                   "Shipyard:Hauler", "  STATUS Orbiting Earth", "END", "END_SHIPS"}));
    EXPECT_EQ("GL-01", main->env.ShipFocus.caption());
    EXPECT_EQ(dayFromCivil(2000, 1, 1), main->env.Calendar.date());

    // Without a focus section the whole file is searched, and the last line beginning with
    // "Ship" wins; without any such line the focus is empty.
    openText(crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "BEGIN_SHIPS", "Shipyard:Hauler",
                   "  STATUS Orbiting Earth", "END", "END_SHIPS"}));
    EXPECT_EQ("yard:Hauler", main->env.ShipFocus.caption());
    openText(crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT"}));
    EXPECT_EQ("", main->env.ShipFocus.caption());
}

TEST_F(ScenarioReaderTest, AnUnknownSystemIsAddedAndItsMissingFileLogged) {
    openText(crlf({"BEGIN_ENVIRONMENT", "  System Vega", "END_ENVIRONMENT"}));
    const auto& systems = main->env.PlanetarySystem;
    ASSERT_EQ("Vega", systems.text());
    EXPECT_EQ("Vega.cfg", main->state.PlanetarySystemFile.list(systems.listIndex()));
    EXPECT_NE(std::string::npos, main->model.ScanLog.find("Vega.cfg"));
    EXPECT_EQ(0, main->stationTab.StationRef.listCount());

    openText(crlf({"BEGIN_ENVIRONMENT", "  System Vega", "END_ENVIRONMENT"}));
    EXPECT_EQ(3, systems.listCount()) << "found again, not added twice";
    EXPECT_EQ("Warning", scripted.dialogs.messages().back().title);
    EXPECT_EQ(48, scripted.dialogs.messages().back().style);
    EXPECT_EQ("Errors were found during file scanning; you can display them through the menu Tools/Error Log !",
              scripted.dialogs.messages().back().text);
    EXPECT_EQ(main->model.ScanLog, main->windows().errorLog().Text1.text());

    scripted.dialogs.clear();
    openText(scenario({}));
    EXPECT_TRUE(scripted.dialogs.messages().empty());
    EXPECT_EQ("No errors were found during file scanning for this scenario.", main->windows().errorLog().Text1.text());
}

TEST_F(ScenarioReaderTest, HeadsAndTheirCounting) {
    const std::string text = scenario({"BEGIN_STATIONS", "Alpha", "  REF Earth", "END", "Beta :ISS ", "  REF Moon", "END",
                                       "Gamma:Mir", "END", "END_STATIONS", "BEGIN_SHIPS", "Nameless", "  STATUS Landed Earth",
                                       "  HEADING 45", "GEAR 1", "END", "Second:ShuttlePB", "  FUEL 0.5", "END", "END_SHIPS"});
    openText(text);
    // "Alpha" names both the station and its class; "Beta :ISS " (a trailing blank) counts but
    // is no head, so its row has no list entry of its own.
    ASSERT_EQ(3u, main->model.stations.size() - 1);
    EXPECT_EQ("Alpha", station(0).StationNameTable);
    EXPECT_EQ("Alpha", station(0).StationClassTable);
    EXPECT_EQ("", station(1).StationNameTable);
    EXPECT_EQ("Moon", station(1).StationRefTable);
    EXPECT_EQ("Gamma", station(2).StationNameTable);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Gamma"}), main->stationTab.StationName.items());

    // A ship headed by its name alone (as the simulator's "Mir") is a ship of that class, so
    // every ship keeps its own row and the last is not lost on saving. Head-shaped lines
    // without ":" inside a block stay lines of the block.
    EXPECT_EQ((std::vector<std::string>{"Nameless", "Second"}), main->shipTab.ShipName.items());
    EXPECT_EQ("Nameless", ship(0).ShipClassTable);
    EXPECT_EQ("45", ship(0).ShipLandedHeadingTable);
    EXPECT_EQ("GEAR 1", ship(0).ShipExtraLines);
    EXPECT_EQ("Second", ship(1).ShipNameTable);
    EXPECT_EQ((std::vector<std::string>{"Nameless", "Second:ShuttlePB"}), main->env.PossibleShipFocus.items());
    EXPECT_EQ(text, saved());
}

TEST_F(ScenarioReaderTest, CommentAndEmptyLinesInSectionsAreNeitherHeadsNorExtraLines) {
    openText(scenario({"BEGIN_STATIONS", "; first", "", "Alpha:ISS", "  REF Earth", "END", "", "END_STATIONS",
                       "BEGIN_SHIPS", "", "GL-01:DeltaGlider", "  STATUS Orbiting Earth", "", "; gone", "END",
                       "; trailing", "END_SHIPS"}));
    EXPECT_EQ((std::vector<std::string>{"Alpha"}), main->stationTab.StationName.items());
    EXPECT_EQ(2u, main->model.stations.size());
    EXPECT_EQ((std::vector<std::string>{"GL-01"}), main->shipTab.ShipName.items());
    EXPECT_EQ((std::vector<std::string>{"GL-01:DeltaGlider"}), main->env.PossibleShipFocus.items());
    EXPECT_EQ("", ship(0).ShipExtraLines);
    EXPECT_EQ(2u, main->model.ships.size());
}

TEST_F(ScenarioReaderTest, EachSectionLineIsOneThing) {
    openText(scenario({"BEGIN_STATIONS", "Alpha:ISS", "REF Earth", "ELEMENTS 7000000 0 0 0 0 0",
                       "ZROT_FREQUENCY 0.02", "END", "END_STATIONS", "BEGIN_SHIPS", "Statusbar:Tug",
                       "STATUS Orbiting Earth", "END", "BASE Habana:1", "A:Dragonfly", "  AIRLOCK 0",
                       "  Autopilot 1", "UserData 12", "  UserData 13 ; note", "END", "END_SHIPS"}));
    EXPECT_EQ((std::vector<std::string>{"Alpha"}), main->stationTab.StationName.items());
    EXPECT_EQ("Earth", station(0).StationRefTable);
    EXPECT_EQ("0.02", station(0).StationRotationFrequencyTable);
    EXPECT_FALSE(station(0).StationUseClassFrequency);
    EXPECT_EQ("7000000 ", station(0).StationSemiMajorAxisTable);

    // "Statusbar:Tug" is a ship, not a status. The line after an "END" heads the next block,
    // as the simulator takes it, whatever it holds: "BASE Habana:1" is a ship there, and
    // "A:Dragonfly" inside its block is a line of it, not another ship.
    EXPECT_EQ((std::vector<std::string>{"Statusbar", "BASE Habana"}), main->shipTab.ShipName.items());
    EXPECT_EQ("Orbiting", ship(0).ShipStatusTable);
    EXPECT_EQ("1", ship(1).ShipClassTable);
    EXPECT_EQ("", ship(1).ShipLandedBaseTable);
    EXPECT_EQ("A:Dragonfly\r\n  AIRLOCK 0\r\n  Autopilot 1\r\nUserData 12\r\n  UserData 13", ship(1).ShipExtraLines);
    EXPECT_TRUE(main->model.ScanLog.empty()) << main->model.ScanLog;
}

TEST_F(ScenarioReaderTest, KeywordValuesAreSplitAsWritten) {
    openText(scenario({"BEGIN_STATIONS", "Alpha:ISS", "  ELEMENTS 1 2  3 4 5 6", "  AROT 10 20 30", "  EL_MJD 51544.75",
                       "END", "Beta:ISS", "  ELEMENTS  1 2 3 4 5 6", "  ZROT_FREQ 0.5", "END", "Gamma:Mir",
                       "  ELEMENTS 1 2 3", "END", "END_STATIONS", "BEGIN_SHIPS", "S1:DeltaGlider",
                       "  STATUS Docked  Earth:Alpha:3", "  RPOS 1  2 3", "  RVEL 4 5 6", "  AROT 7 8 9",
                       "  VROT 0.1 0.2 0.3", "  FUEL 0.5", "  ENGINE_MAIN -0.25", "  ENGINE_HOVR 1", "END",
                       "S2:DeltaGlider", "  STATUS landed Moon", "  BASE  Habana :2", "  HEADING  45 deg",
                       "  FUEL full", "END", "S3:DeltaGlider", "  STATUS Lost In space", "  FUEL 0.75", "END",
                       "S4:DeltaGlider", "  STATUS Landed Earth", "  BASE Habana", "END", "S5:DeltaGlider",
                       "  STATUS Landed Earth", "  POS -80.6 28.5", "END", "END_SHIPS"}));
    const std::vector<std::string> alpha = {station(0).StationSemiMajorAxisTable, station(0).StationExcentricityTable,
                                            station(0).StationInclinationTable,
                                            station(0).StationAscendingNodeLongitudeTable,
                                            station(0).StationPeriapsisLongitudeTable, station(0).StationMeanLongitudeTable};
    EXPECT_EQ((std::vector<std::string>{"1 ", "2 ", "3 ", "4 ", "5 ", "6"}), alpha);
    EXPECT_EQ(" ", station(1).StationSemiMajorAxisTable) << "two blanks after the keyword shift every value";
    EXPECT_EQ("5 6", station(1).StationMeanLongitudeTable);
    EXPECT_EQ("", station(2).StationInclinationTable);
    EXPECT_EQ("3", station(2).StationMeanLongitudeTable);
    EXPECT_EQ("0.5", station(1).StationRotationFrequencyTable);
    EXPECT_TRUE(station(0).StationUseClassFrequency);
    EXPECT_EQ("20 ", station(0).StationYAngleTable);
    EXPECT_EQ(dayFromCivil(2000, 1, 1), station(0).StationOrbitalRefDate);
    EXPECT_EQ("18", station(0).StationOrbitalRefHourTable);
    EXPECT_EQ("0", station(0).StationOrbitalRefMinTable);

    EXPECT_EQ("Docked", ship(0).ShipStatusTable);
    EXPECT_EQ("Earth", ship(0).ShipPlanetTable);
    EXPECT_EQ("Alpha", ship(0).ShipDockedStationTable);
    EXPECT_EQ("3", ship(0).ShipDockedPortTable);
    EXPECT_EQ("", ship(0).ShipRposYTable) << "two blanks between values";
    EXPECT_EQ("2 3", ship(0).ShipRposZTable);
    EXPECT_EQ("6", ship(0).ShipRvelZTable);
    EXPECT_EQ("0.1 0.2 0.3", ship(0).ShipVrotTable);
    EXPECT_EQ("0.5", ship(0).ShipFuelTable) << "shown first, a docked ship keeps its level";
    EXPECT_EQ("-0.25", ship(0).ShipMainEngineTable);
    EXPECT_EQ("1", ship(0).ShipHoverEngineTable);

    EXPECT_EQ("landed", ship(1).ShipStatusTable);
    EXPECT_EQ("Moon", ship(1).ShipPlanetTable);
    EXPECT_EQ("Habana ", ship(1).ShipLandedBaseTable);
    EXPECT_EQ("2", ship(1).ShipLandedPadTable);
    EXPECT_EQ(" 45 deg", ship(1).ShipLandedHeadingTable);
    EXPECT_EQ("0", ship(1).ShipFuelTable);

    EXPECT_EQ("Lost", ship(2).ShipStatusTable);
    EXPECT_EQ("", ship(2).ShipPlanetTable);
    EXPECT_EQ("0.75", ship(2).ShipFuelTable);

    // A base without a pad, as the simulator writes it, does not end the reading of the ships.
    EXPECT_EQ("Habana", ship(3).ShipLandedBaseTable);
    EXPECT_EQ("", ship(3).ShipLandedPadTable);
    EXPECT_EQ(5, main->shipCount());
    EXPECT_TRUE(main->model.ScanLog.empty()) << main->model.ScanLog;
    EXPECT_NE(std::string::npos, saved().find("\r\n  BASE Habana\r\n"));
    // Landed by position, without any base: no base is made up for it.
    EXPECT_NE(std::string::npos, saved().find("S5:DeltaGlider\r\n  STATUS Landed Earth\r\n  POS"));
}

TEST_F(ScenarioReaderTest, ALineThatCannotBeSplitEndsItsPassAndKeepsWhatWasRead) {
    openText(scenario({"BEGIN_STATIONS", "Alpha:ISS", "  REF Earth", "END", "Beta:ISS", "  REF", "END", "Gamma:Mir",
                       "END", "END_STATIONS", "BEGIN_SHIPS", "S1:DeltaGlider", "  STATUS Orbiting Earth", "END",
                       "S2:DeltaGlider", "  STATUS Docked Earth", "END", "S3:DeltaGlider", "END", "END_SHIPS"}));
    const std::string entry = "Can not open the file " + (temp / "case.scn");
    EXPECT_EQ(entry + entry, main->model.ScanLog);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta"}), main->stationTab.StationName.items());
    EXPECT_EQ((std::vector<std::string>{"S1", "S2"}), main->shipTab.ShipName.items());
    EXPECT_EQ("Alpha", main->stationTab.StationName.text()) << "the first station is still shown";
    EXPECT_EQ("S1", main->shipTab.ShipName.text());
    EXPECT_EQ(1u, scripted.dialogs.messages().size());

    // A section that never ends is cut off the same way.
    openText(scenario({"BEGIN_SHIPS", "S1:DeltaGlider", "  STATUS Orbiting Earth", "END", "S2:DeltaGlider"}));
    EXPECT_EQ(entry, main->model.ScanLog);
    EXPECT_EQ((std::vector<std::string>{"S1", "S2"}), main->shipTab.ShipName.items());
}

TEST_F(ScenarioReaderTest, AFileThatCannotBeReadEmptiesTheListsAndSaysSo) {
    openText(scenario({"BEGIN_SHIPS", "S1:DeltaGlider", "  STATUS Orbiting Earth", "END", "END_SHIPS"}));
    ASSERT_EQ(1, main->shipCount());
    scripted.dialogs.clear();
    open(temp / "missing.scn");
    EXPECT_EQ(0, main->shipCount());
    EXPECT_EQ(0, main->stationCount());
    EXPECT_NE(std::string::npos, main->model.ScanLog.find("Can not open the file " + (temp / "missing.scn")));
    ASSERT_EQ(1u, scripted.dialogs.messages().size());
    EXPECT_EQ("", main->shipTab.ShipClass.caption()) << "the previous ship is no longer shown";
}

TEST_F(ScenarioReaderTest, AScenarioWithoutShipsDropsThePreviousShipsQuietly) {
    openText(scenario({"BEGIN_SHIPS", "S1:DeltaGlider", "  STATUS Orbiting Earth", "END", "END_SHIPS"}));
    openText(scenario({"BEGIN_STATIONS", "Alpha:ISS", "  REF Earth", "END", "END_STATIONS"}));
    EXPECT_EQ(0, main->shipCount());
    EXPECT_EQ(1, main->stationCount());
    EXPECT_TRUE(main->model.ScanLog.empty());
    EXPECT_TRUE(main->env.PossibleShipFocus.items().empty());
}

// The first tab beside the DESC field: the HYPERDESC as text when there is no DESC, the help page
// a URLDESC names, and the note that the simulator's HTML view still shows the HYPERDESC. Opening
// one file after another leaves nothing of the previous one.
TEST_F(ScenarioReaderTest, TheFirstTabShowsWhatTheFileSaysOfItselfBesideItsDesc) {
    struct Case {
        const char* head;
        const char* description;
        const char* html; // empty: hidden
        bool note;
    };
    const Case cases[] = {
        {"BEGIN_HYPERDESC\r\n<h1>Gliders &amp; more</h1>\r\nEND_HYPERDESC\r\n", "", "Gliders & more", true},
        {"BEGIN_URLDESC\r\nPage,Topic\r\nEND_URLDESC\r\nBEGIN_DESC\r\nOwn\r\nEND_DESC\r\n", "Own\r\n",
         "Description in the help page Page,Topic", false},
        {"BEGIN_HYPERDESC\r\n<p>Html</p>\r\nEND_HYPERDESC\r\nBEGIN_DESC\r\nOwn\r\nEND_DESC\r\n", "Own\r\n", "", true},
        {"BEGIN_DESC\r\nOnly\r\nEND_DESC\r\n", "Only\r\n", "", false},
    };
    for (const Case& c : cases) {
        openText(c.head + scenario({"BEGIN_SHIPS", "GL-01:DeltaGlider", "  STATUS Orbiting Earth", "END", "END_SHIPS"}));
        const auto& env = main->env;
        EXPECT_EQ(env.Description.text(), c.description) << c.head;
        EXPECT_EQ(env.DescriptionHtml.visible(), *c.html != 0) << c.head;
        if (*c.html) {
            EXPECT_EQ(env.DescriptionHtml.caption(), c.html) << c.head;
        }
        EXPECT_EQ(env.DescriptionHtmlNote.visible(), c.note) << c.head;
    }
}

// A file is early when it has a stations section or a ship docked by its STATUS line; a word in
// a comment, another status or a longer keyword does not make it so.
TEST(EarlyScenario, IsToldByAStationsSectionOrADockedStatus) {
    const struct {
        const char* text;
        bool early;
    } cases[] = {
        {"BEGIN_STATIONS\r\nEND_STATIONS\r\n", true},
        {"  begin_stations ; the stations\n", true},
        {"BEGIN_SHIPS\nA:B\n  STATUS Docked Earth:ISS:1\nEND\n", true},
        {"BEGIN_SHIPS\nA:B\n\tSTATUS\t docked Earth:ISS:1\nEND\n", true},
        {"BEGIN_SHIPS\nA:B\n  STATUS Orbiting Earth ; Docked before\nEND\n", false},
        {"BEGIN_SHIPS\nA:B\n  STATUS DockedAt Earth\n  DOCKINFO 0:0,ISS\nEND\n", false},
        {"; BEGIN_STATIONS\nBEGIN_STATIONS_OLD\n", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.early, isEarlyScenario(c.text)) << c.text;
}

} // namespace
} // namespace vantrel::test
