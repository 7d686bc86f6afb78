// The station tab's actions as a person uses them: validation with its messages, the planet
// following docked ships, adding and deleting stations.

#include "support/TempFolder.h"

#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vantrel {
namespace {

const std::string CR = "\r";
const char* const Refused = "Station parameter validation not accepted !";

class StationEditorTest : public ::testing::Test {
protected:
    StationEditorTest() : w(scripted.services(), Vantrel::Options{}) {
        // Earth: radius 6371000 m and atmosphere 100000 m, so R + H is 6471000 m.
        temp.write("Config/Earth.cfg", test::crlf({"Name = Earth", "Mass = 5.973698968e+24",
                                                   "Size = 6.371e6 ; mean radius", "AtmAltLimit = 100000"}));
        w.state.CfgDir.setCaption(temp / "Config/");
        for (int h = 0; h < 24; ++h)
            w.stationTab.StationOrbitalRefHour.addItem(std::to_string(h));
        for (int m = 0; m < 60; ++m)
            w.stationTab.StationOrbitalRefMin.addItem(std::to_string(m));
    }

    static StationRow station(const std::string& name, const std::string& ref = "Earth") {
        StationRow row;
        row.StationNameTable = name;
        row.StationClassTable = "ISS";
        row.StationRefTable = ref;
        row.StationSemiMajorAxisTable = "6800000";
        row.StationExcentricityTable = "0.001";
        row.StationInclinationTable = "51.6";
        row.StationAscendingNodeLongitudeTable = "10";
        row.StationPeriapsisLongitudeTable = "20";
        row.StationMeanLongitudeTable = "30";
        row.StationOrbitalRefDate = 40000;
        row.StationOrbitalRefHourTable = "5";
        row.StationOrbitalRefMinTable = "42";
        row.StationXAngleTable = "0";
        row.StationYAngleTable = "0";
        row.StationZAngleTable = "0";
        row.StationUseClassFrequency = true;
        return row;
    }

    // Fills the table and the list as a read does (one spare row) and shows the first station.
    void load(std::vector<StationRow> rows, std::vector<ShipRow> ships = {}) {
        std::vector<std::string> names;
        for (const StationRow& r : rows)
            names.push_back(r.StationNameTable);
        w.model.stations = std::move(rows);
        w.model.stations.emplace_back();
        std::vector<std::string> shipNames;
        for (const ShipRow& s : ships)
            shipNames.push_back(s.ShipNameTable);
        w.model.ships = std::move(ships);
        w.model.ships.emplace_back();
        w.shipTab.ShipName.setItems(shipNames);
        w.stationTab.StationName.setItems(names);
        if (!names.empty())
            w.stationTab.StationName.setListIndex(0);
    }

    static ShipRow ship(const std::string& name, const std::string& status, const std::string& station) {
        ShipRow s;
        s.ShipNameTable = name;
        s.ShipClassTable = "DeltaGlider";
        s.ShipStatusTable = status;
        s.ShipPlanetTable = "Earth";
        s.ShipDockedStationTable = station;
        s.ShipDockedPortTable = station.empty() ? "" : "1";
        return s;
    }

    void validate() { w.stationTab.Command1.userClick(); }

    const std::vector<ui::ScriptedDialogs::Message>& messages() { return scripted.dialogs.messages(); }

    test::TempFolder temp;
    ui::ScriptedServices scripted;
    Vantrel w;
};

TEST_F(StationEditorTest, RefusedValidationListsEveryFailedCheckInOrderAndStoresNothing) {
    load({station("Alpha")});
    auto& t = w.stationTab;
    t.Check1.userToggle(); // own frequency: the text must now be a number
    t.StationRotationFrequency.userSetText("fast");
    t.StationXAngle.userSetText("360");
    t.StationYAngle.userSetText("-360");
    t.StationZAngle.userSetText("1e2");
    t.StationSemiMajorAxis.userSetText("far");
    t.StationExcentricity.userSetText("1");
    t.StationInclination.userSetText("x");
    t.StationAscendingNodeLongitude.userSetText("1,5");
    t.StationPeriapsisLongitude.userSetText("+1");
    t.StationMeanLongitude.userSetText("");
    t.StationName.userSetText("Renamed");
    validate();

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, Refused);
    EXPECT_EQ(messages()[0].style, 0);
    EXPECT_EQ(messages()[0].text,
              "The station rotation frequency is not correct." + CR +
                  "The station frame rotation angle around X axis is not correct." + CR +
                  "The station frame rotation angle around Y axis is not correct." + CR +
                  "The station frame rotation angle around Z axis is not correct." + CR +
                  "The station orbit semi-major axis is not correct." + CR +
                  "The station excentricity is not correct." + CR +
                  "The station orbit inclination is not correct." + CR +
                  "The station orbit ascending node longitude is not correct." + CR +
                  "The station orbit periapsis longitude is not correct." + CR +
                  "The station orbit mean longitude is not correct." + CR);
    EXPECT_EQ(w.model.stations[0].StationNameTable, "Alpha");
    EXPECT_EQ(w.model.stations[0].StationSemiMajorAxisTable, "6800000");
    EXPECT_TRUE(w.model.stations[0].StationUseClassFrequency);
    // The fields keep what the person typed.
    EXPECT_EQ(t.StationSemiMajorAxis.text(), "far");
    EXPECT_EQ(t.StationName.text(), "Renamed");
}

// A name that would read back as another name (or as no station) is refused before the
// number checks.
TEST_F(StationEditorTest, NameMustReadBackAsTheSameName) {
    const std::pair<const char*, std::string> cases[] = {
        {"", "You must enter a name for the station." + CR},
        {"  \t", "You must enter a name for the station." + CR},
        {"Kite:2", "The station name cannot hold \":\": the scenario file would read what follows as its class." + CR},
        {"Kite;2", "The station name cannot hold \";\": the scenario file would read what follows as a comment." + CR},
    };
    load({station("Alpha")});
    for (const auto& [name, message] : cases) {
        scripted.dialogs.clear();
        w.stationTab.StationName.userSetText(name);
        w.stationTab.StationXAngle.userSetText("400");
        validate();
        ASSERT_EQ(messages().size(), 1u) << name;
        EXPECT_EQ(messages()[0].text,
                  message + "The station frame rotation angle around X axis is not correct." + CR);
        EXPECT_EQ(w.model.stations[0].StationNameTable, "Alpha");
    }
    scripted.dialogs.clear();
    w.stationTab.StationName.userSetText(" Kite 2");
    w.stationTab.StationXAngle.userSetText("0");
    validate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.model.stations[0].StationNameTable, " Kite 2");
}

TEST_F(StationEditorTest, AnglesMustLieStrictlyWithinAFullTurn) {
    load({station("Alpha")});
    w.stationTab.StationXAngle.userSetText("359.99");
    w.stationTab.StationYAngle.userSetText("-359.99");
    w.stationTab.StationZAngle.userSetText(" -0 ");
    validate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.model.stations[0].StationXAngleTable, "359.99");
    EXPECT_EQ(w.model.stations[0].StationZAngleTable, " -0 ");
}

TEST_F(StationEditorTest, ExcentricityFromZeroUpToButExcludingOne) {
    // Around a body without a file, so that the periapsis test stays out of the way.
    load({station("Alpha", "Nowhere")});
    const std::pair<const char*, bool> cases[] = {{"0", true}, {"0.999", true}, {"1", false}, {"-0.1", false}};
    for (const auto& [value, accepted] : cases) {
        scripted.dialogs.clear();
        w.stationTab.StationExcentricity.userSetText(value);
        validate();
        if (accepted) {
            EXPECT_TRUE(messages().empty()) << value;
        } else {
            ASSERT_EQ(messages().size(), 1u) << value;
            EXPECT_EQ(messages()[0].text, "The station excentricity is not correct." + CR) << value;
        }
    }
}

TEST_F(StationEditorTest, OrbitIsComparedWithRadiusPlusAtmosphere) {
    load({station("Alpha")});
    auto& t = w.stationTab;
    // Exactly at R + H is accepted: both tests are strict.
    t.StationSemiMajorAxis.userSetText("6471000");
    t.StationExcentricity.userSetText("0");
    validate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.model.stations[0].StationSemiMajorAxisTable, "6471000");

    // Below R + H: the periapsis and the size messages, with the numbers in display form.
    t.StationSemiMajorAxis.userSetText("6000000");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text,
              "The station orbit crosses the planet atmosphere or the planet surface; check the excentricity or "
              "the semi-major axis." + CR +
                  "The station orbit semi-major axis is equal to  6000000 m although the mean radius and "
                  "atmosphere of Earth is equal to  6471000 m" + CR);

    // A large axis whose periapsis dips into the atmosphere gives the periapsis message only.
    scripted.dialogs.clear();
    t.StationSemiMajorAxis.userSetText("7000000");
    t.StationExcentricity.userSetText("0.1");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text,
              "The station orbit crosses the planet atmosphere or the planet surface; check the excentricity or "
              "the semi-major axis." + CR);
}

TEST_F(StationEditorTest, PlanetWithoutBodyFileOnlyRefusesNegativeOrbits) {
    load({station("Alpha", "  Nowhere ")});
    auto& t = w.stationTab;
    t.StationSemiMajorAxis.userSetText("1");
    validate();
    EXPECT_TRUE(messages().empty());

    t.StationSemiMajorAxis.userSetText("-5");
    t.StationExcentricity.userSetText("0");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    // The planet is named as the label shows it, blanks included.
    EXPECT_NE(messages()[0].text.find("is equal to -5 m although the mean radius and atmosphere of   Nowhere  is "
                                      "equal to  0 m"),
              std::string::npos);
}

TEST_F(StationEditorTest, PlanetEntriesReadWithOrWithoutBlanksBesideTheEqualsSign) {
    // "Size=6" once lost its first digit to a fixed cut and read as 0; a key without "=" is 0.
    temp.write("Config/Stub.cfg", test::crlf({"Size=6", "AtmAltLimit = 9"}));
    load({station("Alpha", "Stub")});
    w.stationTab.StationSemiMajorAxis.userSetText("14");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    scripted.dialogs.clear();
    w.stationTab.StationSemiMajorAxis.userSetText("16");
    validate();
    EXPECT_TRUE(messages().empty());

    temp.write("Config/Bare.cfg", test::crlf({"Size"}));
    load({station("Beta", "Bare")});
    w.stationTab.StationSemiMajorAxis.userSetText("1");
    validate();
    EXPECT_TRUE(messages().empty());
}

TEST_F(StationEditorTest, AcceptedValidationStoresTheRowAndRebuildsTheList) {
    load({station("Alpha"), station("Beta")});
    auto& t = w.stationTab;
    t.StationName.userSelect(1);
    t.StationName.userSetText("Gamma");
    t.Check1.userToggle();
    t.StationRotationFrequency.userSetText("0.05");
    t.StationOrbitalRefHour.userSelect(23);
    t.StationOrbitalRefMin.userSelect(7);
    t.StationOrbitalRefTime.userSetDate(41000);
    t.StationInclination.userSetText("12.5");
    validate();

    EXPECT_TRUE(messages().empty());
    const StationRow& row = w.model.stations[1];
    EXPECT_EQ(row.StationNameTable, "Gamma");
    EXPECT_FALSE(row.StationUseClassFrequency);
    EXPECT_EQ(row.StationRotationFrequencyTable, "0.05");
    EXPECT_EQ(row.StationOrbitalRefHourTable, "23");
    EXPECT_EQ(row.StationOrbitalRefMinTable, "7");
    EXPECT_EQ(row.StationOrbitalRefDate, 41000);
    EXPECT_EQ(row.StationInclinationTable, "12.5");
    EXPECT_EQ(t.StationName.items(), (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_EQ(t.StationName.listIndex(), 1);
    EXPECT_EQ(w.model.stations[0].StationNameTable, "Alpha");
}

TEST_F(StationEditorTest, ClassFrequencyStoresTheFieldTextWhateverItIs) {
    load({station("Alpha")});
    // Shown from a row using the class frequency: "Class value", disabled.
    EXPECT_EQ(w.stationTab.StationRotationFrequency.text(), "Class value");
    validate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.model.stations[0].StationRotationFrequencyTable, "Class value");
    EXPECT_TRUE(w.model.stations[0].StationUseClassFrequency);
}

TEST_F(StationEditorTest, DockedShipsFollowAChangeOfPlanet) {
    temp.write("Config/Moon.cfg", test::crlf({"Size = 1737100"}));
    load({station("Alpha"), station("Beta")},
         {ship("Docked1", " docked ", "Alpha"), ship("Landed1", "Landed", "Alpha"),
          ship("Docked2", "Docked", "Beta"), ship("Free", "Orbiting", "")});
    auto& t = w.stationTab;
    t.StationRef.setItems({"Earth", "   Moon"});
    t.StationRef.userSelect(1);
    t.Command8.userClick();
    EXPECT_EQ(t.StationRefPlanet.caption(), "   Moon");
    EXPECT_EQ(w.model.stations[0].StationRefTable, "Earth"); // not stored before validation
    // Renamed in the same validation: ships are matched on the name before it.
    t.StationName.userSetText("Alpha II");
    validate();

    ASSERT_TRUE(messages().empty()) << messages()[0].text;
    EXPECT_EQ(w.model.stations[0].StationRefTable, "   Moon");
    EXPECT_EQ(w.model.ships[0].ShipPlanetTable, "   Moon");
    EXPECT_EQ(w.model.ships[0].ShipDockedStationTable, "Alpha"); // the dock keeps the old name
    EXPECT_EQ(w.model.ships[1].ShipPlanetTable, "Earth");
    EXPECT_EQ(w.model.ships[2].ShipPlanetTable, "Earth");
    EXPECT_EQ(w.model.ships[3].ShipPlanetTable, "Earth");
}

TEST_F(StationEditorTest, NewStationOnAFreedRowMovesNoShips) {
    // Deleting A frees row 1 still holding B; the station added there is not B.
    load({station("A"), station("B")}, {ship("Tug", "Docked", "B")});
    auto& t = w.stationTab;
    t.Command2.userClick();
    t.Command3.userClick();
    ASSERT_EQ(t.StationIndex.caption(), "1");
    t.StationRef.setItems({"Earth", "Mars"});
    t.StationRef.userSelect(1);
    t.Command8.userClick();
    t.StationRotationFrequency.userSetText("Station class");
    validate();
    ASSERT_EQ(messages().size(), 1u) << "only the deletion's confirmation";
    EXPECT_EQ(w.model.stations[1].StationRefTable, "Mars");
    EXPECT_EQ(w.model.ships[0].ShipPlanetTable, "Earth");
}

TEST_F(StationEditorTest, ChangeClassOnlyChangesTheLabel) {
    load({station("Alpha")});
    w.stationTab.StationClass.setItems({"ISS", "Mir"});
    w.stationTab.StationClass.userSelect(1);
    w.stationTab.Command9.userClick();
    EXPECT_EQ(w.stationTab.StationClassName.caption(), "Mir");
    EXPECT_EQ(w.model.stations[0].StationClassTable, "ISS");
    validate();
    EXPECT_EQ(w.model.stations[0].StationClassTable, "Mir");
}

TEST_F(StationEditorTest, NothingHappensWithoutAStationShown) {
    load({});
    validate();
    w.stationTab.Command2.userClick();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.stationCount(), 0);

    // An index label naming no row of the list.
    load({station("Alpha")});
    w.stationTab.StationIndex.setCaption("7");
    w.stationTab.StationSemiMajorAxis.userSetText("bad");
    validate();
    w.stationTab.Command2.userClick();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.stationCount(), 1);
}

TEST_F(StationEditorTest, AddedStationShowsTheNextRowWithClassFrequency) {
    load({station("Alpha"), station("Beta")});
    auto& t = w.stationTab;
    t.Command3.userClick();
    EXPECT_EQ(t.StationName.items(), (std::vector<std::string>{"Alpha", "Beta", "New Station"}));
    EXPECT_EQ(t.StationName.listIndex(), 2);
    EXPECT_EQ(t.StationIndex.caption(), "2");
    EXPECT_EQ(w.model.stationUpperBound(), 3);
    EXPECT_EQ(t.Check1.value(), 1);
    EXPECT_EQ(t.StationRotationFrequency.text(), "Station class");
    EXPECT_FALSE(t.StationRotationFrequency.enabled());

    // Choosing another station and validating it rebuilds the list from the table: the
    // unwritten row shows its own (empty) name.
    t.StationName.userSelect(0);
    validate();
    EXPECT_EQ(t.StationName.items(), (std::vector<std::string>{"Alpha", "Beta", ""}));
}

TEST_F(StationEditorTest, AddedStationCanBeValidatedUnderItsListName) {
    load({station("Alpha")});
    auto& t = w.stationTab;
    t.Command3.userClick();
    t.StationRefPlanet.setCaption("Earth");
    for (ui::TextField* f : {&t.StationXAngle, &t.StationYAngle, &t.StationZAngle, &t.StationExcentricity,
                             &t.StationInclination, &t.StationAscendingNodeLongitude, &t.StationPeriapsisLongitude,
                             &t.StationMeanLongitude})
        f->userSetText("0");
    t.StationSemiMajorAxis.userSetText("7000000");
    validate();
    ASSERT_TRUE(messages().empty()) << messages()[0].text;
    EXPECT_EQ(w.model.stations[1].StationNameTable, "New Station");
    EXPECT_EQ(w.model.stations[1].StationRotationFrequencyTable, "Station class");
    EXPECT_EQ(t.StationName.items(), (std::vector<std::string>{"Alpha", "New Station"}));
}

TEST_F(StationEditorTest, DeletionIsRefusedWhileAShipIsDockedAtTheStation) {
    load({station("Alpha"), station("Beta")}, {ship("Landed1", "Landed", ""), ship("Old", "Orbiting", "Alpha")});
    w.stationTab.Command2.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "You may not withdraw a station with a docked ship !");
    EXPECT_EQ(messages()[0].title, "Forbidden action");
    EXPECT_EQ(messages()[0].style, 48);
    EXPECT_EQ(w.stationCount(), 2);

    // Typing another name without validating does not free the station.
    scripted.dialogs.clear();
    w.stationTab.StationName.userSetText("Renamed");
    w.stationTab.Command2.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "You may not withdraw a station with a docked ship !");
    EXPECT_EQ(w.stationCount(), 2);

    // Ships docked nowhere never block a station, even one whose name is empty.
    scripted.dialogs.clear();
    w.stationTab.StationName.userSelect(1);
    w.stationTab.StationName.setText("");
    scripted.dialogs.queueAnswer(ui::AnswerNo);
    w.stationTab.Command2.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Are you sure you want to delete the station ?");
    EXPECT_EQ(messages()[0].title, "Deleting confirmation");
    EXPECT_EQ(messages()[0].style, 36);
    EXPECT_EQ(w.stationCount(), 2);
}

TEST_F(StationEditorTest, DeletingShiftsTheLaterRowsAndShowsANeighbour) {
    load({station("A"), station("B"), station("C")});
    auto& t = w.stationTab;
    w.model.stations[2].StationOrbitalRefHourTable = "9";

    // The first of three: the former second becomes the first and is shown.
    t.Command2.userClick();
    EXPECT_EQ(t.StationName.items(), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(w.model.stationUpperBound(), 2);
    EXPECT_EQ(w.model.stations[1].StationNameTable, "C");
    EXPECT_EQ(w.model.stations[1].StationOrbitalRefHourTable, "9");
    EXPECT_EQ(t.StationName.listIndex(), 0);
    EXPECT_EQ(t.StationName.text(), "B");

    // The freed row still holds the last station: a new station shows its fields.
    t.Command3.userClick();
    EXPECT_EQ(t.StationName.text(), "New Station");
    EXPECT_EQ(t.StationOrbitalRefHour.text(), "9");
    EXPECT_EQ(w.model.stations[2].StationNameTable, "C");

    // That row is not C: a ship docked at C does not keep the new station from being deleted.
    w.model.ships = {ship("Tug", "Docked", "C"), ShipRow{}};
    w.shipTab.ShipName.setItems({"Tug"});
    scripted.dialogs.clear();
    t.Command2.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Are you sure you want to delete the station ?");
    EXPECT_EQ(t.StationName.items(), (std::vector<std::string>{"B", "C"}));
}

TEST_F(StationEditorTest, DeletingTheLastStationShowsThePreviousOne) {
    load({station("A"), station("B"), station("C")});
    auto& t = w.stationTab;
    t.StationName.userSelect(2);
    t.Command2.userClick();
    EXPECT_EQ(t.StationName.items(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(t.StationName.text(), "B");
    EXPECT_EQ(t.StationIndex.caption(), "1");
}

TEST_F(StationEditorTest, DeletingTheOnlyStationEmptiesTheList) {
    load({station("A")});
    w.stationTab.Command2.userClick();
    EXPECT_EQ(w.stationCount(), 0);
    EXPECT_EQ(w.stationTab.StationSemiMajorAxis.text(), "");
    EXPECT_EQ(w.model.stations[0].StationNameTable, "A"); // a spare row now
}

} // namespace
} // namespace vantrel
