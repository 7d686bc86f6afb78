#include "ScenarioFixture.h"

#include "core/platform/TextFile.h"

namespace vantrel::test {
namespace {

using ScenarioWriterTest = ScenarioFixture;

TEST_F(ScenarioWriterTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    openText(crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "BEGIN_SHIPS", "S1:DeltaGlider",
                   "  STATUS Orbiting Earth", "  FUEL 0.5", "END", "END_SHIPS"}));
    scripted.dialogs.clear();
    const std::string missing = temp / "No such folder/out.scn";
    EXPECT_FALSE(main->writer().ScenarioFileSaving(missing));
    ASSERT_EQ(1u, scripted.dialogs.messages().size());
    EXPECT_NE(std::string::npos, scripted.dialogs.messages()[0].text.find(missing));
    EXPECT_FALSE(platform::fileExists(missing));

    // A folder standing where the file should be cannot be replaced: it stays untouched.
    const std::string blocked = temp.makeFolder("blocked.scn");
    temp.write("blocked.scn/keep.txt", "kept");
    EXPECT_FALSE(main->writer().ScenarioFileSaving(blocked));
    EXPECT_EQ("kept", temp.read("blocked.scn/keep.txt"));
    EXPECT_EQ("0.5", ship(0).ShipFuelTable) << "the model does not change";

    const std::string good = temp / "good.scn";
    temp.write("good.scn", "old");
    EXPECT_TRUE(main->writer().ScenarioFileSaving(good));
    EXPECT_EQ(saved(), temp.read("good.scn"));
}

TEST_F(ScenarioWriterTest, TheDescriptionDoesNotGrowFromSaveToSave) {
    for (const char* text : {"", "One line\r\n", "One line", "Two\r\nlines\r\n\r\n"}) {
        main->env.Description.setText(text);
        const std::string path = temp.write("desc.scn", "");
        ASSERT_TRUE(main->writer().ScenarioFileSaving(path));
        const std::string first = temp.read("desc.scn");
        EXPECT_EQ(0u, first.find(std::string("BEGIN_DESC\r\n") + (*text ? "" : "\r\n")));
        main->env.Description.setText(GetDescription(path));
        EXPECT_EQ(first, saved()) << text;
    }
}

TEST_F(ScenarioWriterTest, StartTimeIsWrittenAsMjdToTheMinute) {
    main->env.Calendar.setDate(36526);
    main->env.Hour.setListIndex(0);
    main->env.Minute.setListIndex(0);
    EXPECT_NE(std::string::npos, saved().find("\r\n  Date MJD 51544\r\n"));
    main->env.Hour.setListIndex(12);
    EXPECT_NE(std::string::npos, saved().find("\r\n  Date MJD 51544.5\r\n"));
    main->env.Hour.setListIndex(10);
    main->env.Minute.setListIndex(31);
    EXPECT_NE(std::string::npos, saved().find("\r\n  Date MJD 51544.4381944444\r\n"));
}

// "Date MJD 51982.029" used to come back 42 s earlier, and "Date MJD ;" (now) as MJD 0. A new
// start rewrites the Date line in place, keeps the seconds the line had (the tab shows minutes),
// and goes after System in a section without one.
TEST_F(ScenarioWriterTest, AStartTimeIsRewrittenInItsPlaceOnlyWhenThePersonChangedIt) {
    const struct {
        const char* read;
        const char* written;
    } cases[] = {
        {"", "  Date MJD 51544.25"},
        {"  Date MJD ;", "  Date MJD 51544.25 ;"},
        {"  Date JE 2000.0", "  Date MJD 51544.25"},
        {"  Date MJD 51982.029", "  Date MJD 51544.2505277778"},
        {"Date   MJD 51982 ; start", "Date   MJD 51544.25 ; start"},
    };
    for (const auto& c : cases) {
        const std::string environment =
            *c.read ? crlf({"BEGIN_ENVIRONMENT", "  System Sol", c.read, "  Script tour", "END_ENVIRONMENT"})
                    : crlf({"BEGIN_ENVIRONMENT", "  System Sol", "  Script tour", "END_ENVIRONMENT"});
        openText(environment + crlf({"BEGIN_SHIPS", "S1:DeltaGlider", "END", "END_SHIPS"}));
        EXPECT_EQ(environment + crlf({"BEGIN_SHIPS", "S1:DeltaGlider", "END", "END_SHIPS"}), saved()) << c.read;

        main->env.Calendar.setDate(36526);
        main->env.Hour.setListIndex(6);
        main->env.Minute.setListIndex(0);
        EXPECT_NE(std::string::npos,
                  saved().find(crlf({"BEGIN_ENVIRONMENT", "  System Sol", c.written, "  Script tour", "END_ENVIRONMENT"})))
            << c.read << "\n" << saved();
    }
}

// "FUEL 0" and "VROT 0" were made up for every ship without them, engine levels were never
// saved, "VROT 0 0 1" came back as "VROT 0", and the lines of a block changed places.
TEST_F(ScenarioWriterTest, AShipsLineIsAddedOrRewrittenOnlyWhenThePersonChangedItsValue) {
    // An early file (it has a stations section): PRPLEVEL is a line the editor does not own.
    openText(crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "BEGIN_FOCUS", "  Ship S1", "END_FOCUS",
                   "BEGIN_STATIONS", "END_STATIONS",
                   "BEGIN_SHIPS", "S1:DeltaGlider", "  STATUS Orbiting Earth", "  RPOS 7000000 0 0", "  RVEL 0 7500 0", "  AROT 0 0 0",
                   "  VROT 0 0 1", "  PRPLEVEL 0:0.5", "END", "END_SHIPS"}));
    const std::string asRead = crlf({"S1:DeltaGlider", "  STATUS Orbiting Earth", "  RPOS 7000000 0 0",
                                     "  RVEL 0 7500 0", "  AROT 0 0 0", "  VROT 0 0 1", "  PRPLEVEL 0:0.5", "END"});
    EXPECT_NE(std::string::npos, saved().find(asRead));
    auto& tab = main->shipTab;
    tab.Command4.userClick(); // validated unchanged
    EXPECT_TRUE(scripted.dialogs.messages().empty()) << scripted.dialogs.messages()[0].text;
    EXPECT_NE(std::string::npos, saved().find(asRead));

    tab.ShipFuelSlider.userSetValue(25);
    tab.MainEngineStatusSlider.userSetValue(50);
    tab.ShipOrbitingAngularVelocity.userSetText("2");
    tab.Command4.userClick();
    EXPECT_NE(std::string::npos,
              saved().find(crlf({"  STATUS Orbiting Earth", "  RPOS 7000000 0 0", "  RVEL 0 7500 0", "  AROT 0 0 0",
                                 "  VROT 2", "  PRPLEVEL 0:0.5", "  FUEL 0.25", "  ENGINE_MAIN 0.5", "END"})))
        << "each line in its place; the new fuel after PRPLEVEL, which it must win over";
}

TEST_F(ScenarioWriterTest, AChangedStatusDropsTheLinesOfTheOldOneAndKeepsTheOthers) {
    openText(crlf({"BEGIN_FOCUS", "  Ship S1", "END_FOCUS", "BEGIN_SHIPS", "S1:DeltaGlider", "  STATUS Orbiting Earth",
                   "  RPOS 7000000 0 0", "  XPDR 5", "  RVEL 0 7500 0", "  AROT 0 0 0", "  VROT 0", "  NAVFREQ 1 2",
                   "END", "END_SHIPS"}));
    auto& tab = main->shipTab;
    tab.LandedShipOption.userSelect();
    tab.ShipLandedPlanet.setCaption("Earth");
    tab.ShipLandedBase.setCaption("Habana");
    tab.ShipLandedPad.setCaption("2");
    tab.ShipLandedHeading.userSetText("45");
    tab.Command4.userClick();
    EXPECT_NE(std::string::npos, saved().find(crlf({"S1:DeltaGlider", "  STATUS Landed Earth", "  BASE Habana:2",
                                                    "  HEADING 45", "  XPDR 5", "  NAVFREQ 1 2", "END"})))
        << saved();
}

// Its AROT line was dropped, so it read back with empty angles that validation refused; and a
// station's other lines were dropped too.
TEST_F(ScenarioWriterTest, AStationWithItsOwnFrequencyKeepsItsAnglesAndItsOtherLines) {
    openText(crlf({"BEGIN_STATIONS", "Wheel:Wheel", "  REF Earth", "  ELEMENTS 7000000 0 0 0 0 0", "  ZROT_FREQ 0.05",
                   "  IDS 0:560 100 ; beacon", "  AROT 0 12.5 -90", "END", "END_STATIONS", "BEGIN_SHIPS",
                   "S1:DeltaGlider", "END", "END_SHIPS"}));
    const std::string text = saved();
    EXPECT_NE(std::string::npos,
              text.find(crlf({"  ZROT_FREQ 0.05", "  IDS 0:560 100 ; beacon", "  AROT 0 12.5 -90", "END"})));
    main->stationTab.StationRotationFrequency.userSetText("0.06");
    main->stationTab.Command1.userClick();
    EXPECT_NE(std::string::npos,
              saved().find(crlf({"  ZROT_FREQ 0.06", "  IDS 0:560 100 ; beacon", "  AROT 0 12.5 -90", "END"})))
        << saved();
    openText(text, "again.scn");
    EXPECT_EQ("12.5 ", station(0).StationYAngleTable); // values as split on reading
    EXPECT_FALSE(station(0).StationUseClassFrequency);
}

// The author's camera is kept, and a ship it targets is followed through a rename; once that
// ship is deleted the camera targets the user-controlled ship.
TEST_F(ScenarioWriterTest, TheCameraFollowsTheShipItTargets) {
    openText(crlf({"BEGIN_FOCUS", "  Ship GL-1", "END_FOCUS", "BEGIN_CAMERA", "  TARGET GL-2", "  MODE Cockpit",
                   "END_CAMERA", "BEGIN_SHIPS", "GL-1:DeltaGlider", "END", "GL-2:DeltaGlider", "END", "END_SHIPS"}));
    EXPECT_NE(std::string::npos, saved().find(crlf({"BEGIN_CAMERA", "  TARGET GL-2", "  MODE Cockpit", "END_CAMERA"})));
    auto& tab = main->shipTab;
    tab.ShipName.userSelect(1);
    tab.ShipName.userSetText("Kite");
    tab.Command4.userClick();
    EXPECT_NE(std::string::npos, saved().find(crlf({"BEGIN_CAMERA", "  TARGET Kite", "  MODE Cockpit", "END_CAMERA"})));

    scripted.dialogs.queueAnswer(ui::AnswerYes);
    tab.ShipName.userSelect(1);
    tab.Command6.userClick();
    ASSERT_EQ(1, main->shipCount());
    EXPECT_NE(std::string::npos, saved().find(crlf({"BEGIN_CAMERA", "  TARGET GL-1", "  MODE Cockpit", "END_CAMERA"})));
}

// A line the reader cannot take ("RPOS" with two values, "REF" alone) stops the reading of the
// ships or stations; the ones after it used to be lost on saving.
TEST_F(ScenarioWriterTest, APassStoppedByAMalformedLineKeepsTheRestAsRead) {
    const std::string ships = crlf({"BEGIN_SHIPS", "Alpha:DeltaGlider", "  STATUS Orbiting Earth", "  RPOS 7000000 0 0",
                                    "END", "Broken:ShuttlePB", "  STATUS Orbiting Earth", "  RPOS 7100000 0",
                                    "  XPDR 3", "END", "After:Dragonfly", "  STATUS Landed Earth", "  BASE Habana:1",
                                    "END", "END_SHIPS"});
    const std::string stations = crlf({"BEGIN_STATIONS", "One:ISS", "  REF Earth", "END", "Two:ISS", "  REF",
                                       "  ELEMENTS 7000000 0 0 0 0 0", "END", "Three:Mir", "  REF Moon", "END",
                                       "END_STATIONS"});
    openText(crlf({"BEGIN_FOCUS", "  Ship Alpha", "END_FOCUS"}) + stations + ships);
    EXPECT_FALSE(main->model.ScanLog.empty());
    const std::string text = saved();
    EXPECT_NE(std::string::npos, text.find(stations));
    EXPECT_NE(std::string::npos, text.find(ships));
    openText(text, "again.scn");
    EXPECT_EQ(text, saved());
}

} // namespace
} // namespace vantrel::test
