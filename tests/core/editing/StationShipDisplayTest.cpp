#include "../scenario/ScenarioFixture.h"

#include "core/text/Dates.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/StationDisplay.h"

namespace vantrel::test {
namespace {

class StationShipDisplayTest : public ScenarioFixture {
protected:
    void SetUp() override {
        ScenarioFixture::SetUp();
        openText(crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "BEGIN_STATIONS", "Alpha:ISS",
                       "  REF Earth", "  EL_MJD 51544.4381944444", "  ELEMENTS 7000000 0.01 51.6 1 2 3",
                       "  AROT 1 2 3", "END", "Spinner:Wheel", "  REF Moon", "  ZROT_FREQ 0.05", "END",
                       "END_STATIONS", "BEGIN_SHIPS", "Tug:Dragonfly", "  STATUS docked Earth:Alpha:1",
                       "  FUEL 0.3", "END", "Cruiser:ShuttleA", "  STATUS  Orbiting Moon", "  RPOS 2000000 2E+15 -0.25",
                       "  RVEL 0 0 0", "  AROT 0 0 0", "  VROT 0.5 rest", "  FUEL 0.505",
                       "  ENGINE_MAIN -0.3", "  ENGINE_HOVR 0.125", "END", "Parked:DeltaGlider",
                       "  STATUS Landed Earth", "  BASE Habana:1", "  FUEL 0.8", "END", "New:ShuttlePB", "END", "END_SHIPS"}));
    }
};

TEST_F(StationShipDisplayTest, StationsShowTheirRowAndFrequencyChoice) {
    const auto& t = main->stationTab;
    EXPECT_EQ("0", t.StationIndex.caption());
    EXPECT_EQ("Earth", t.StationRefPlanet.caption());
    EXPECT_EQ("ISS", t.StationClassName.caption());
    EXPECT_EQ("7000000 ", t.StationSemiMajorAxis.text());
    EXPECT_EQ(dayFromCivil(2000, 1, 1), t.StationOrbitalRefTime.date());
    EXPECT_EQ(10, t.StationOrbitalRefHour.listIndex());
    EXPECT_EQ(31, t.StationOrbitalRefMin.listIndex());
    EXPECT_EQ(1, t.Check1.value());
    EXPECT_EQ("Class value", t.StationRotationFrequency.text());
    EXPECT_FALSE(t.StationRotationFrequency.enabled());

    main->stationTab.StationName.userSelect(1);
    EXPECT_EQ("1", t.StationIndex.caption());
    EXPECT_EQ(0, t.Check1.value());
    EXPECT_EQ("0.05", t.StationRotationFrequency.text());
    EXPECT_TRUE(t.StationRotationFrequency.enabled());
    EXPECT_EQ(std::nullopt, t.StationOrbitalRefTime.date()) << "no epoch in the file";

    main->stationTab.Check1.userToggle();
    EXPECT_EQ("Station class", t.StationRotationFrequency.text());
    EXPECT_FALSE(t.StationRotationFrequency.enabled());
    main->stationTab.Check1.userToggle();
    EXPECT_EQ("0", t.StationRotationFrequency.text());
    EXPECT_TRUE(t.StationRotationFrequency.enabled());

    main->stationDisplay().StationTabReset();
    EXPECT_EQ(0, t.StationName.listCount());
    EXPECT_EQ("", t.StationSemiMajorAxis.text());
    EXPECT_EQ(0, t.StationOrbitalRefHour.listIndex());
    EXPECT_EQ(std::nullopt, t.StationOrbitalRefTime.date());
    main->stationDisplay().StationParameterDisplay(); // nothing selected: nothing happens
}

TEST_F(StationShipDisplayTest, ADockedShipShowsItsStoredLevelAndLeavesTheDocumentAlone) {
    const auto& t = main->shipTab;
    EXPECT_EQ("0", t.ShipIndex.caption());
    EXPECT_TRUE(t.DockedShipOption.value());
    EXPECT_TRUE(t.Docked.visible());
    EXPECT_FALSE(t.Landed.visible() || t.Orbiting.visible());
    EXPECT_EQ("Alpha", t.ShipDockedStation.caption());
    EXPECT_EQ("1", t.ShipDockedPort.caption());
    EXPECT_EQ(" 30 %", t.ShipFuel.caption());
    EXPECT_EQ(30, t.ShipFuelSlider.value());
    EXPECT_EQ("0.3", ship(0).ShipFuelTable);
    EXPECT_EQ("0", t.MainEngineStatus.caption());
    EXPECT_FALSE(t.MainEngineStatus.enabled());
    EXPECT_EQ("0.505", ship(1).ShipFuelTable) << "ships not shown keep their level";
}

// Showing a landed ship once filled its tank in the document: an untouched save turned
// "FUEL 0.8" into "FUEL 1", and the window said there were unsaved changes.
TEST_F(StationShipDisplayTest, ShowingALandedShipKeepsItsStoredLevelUntilTheSliderMoves) {
    main->status.markSaved();
    const std::string before = saved();
    main->shipTab.ShipName.userSelect(2);
    const auto& t = main->shipTab;
    EXPECT_TRUE(t.LandedShipOption.value());
    EXPECT_EQ(" 80 %", t.ShipFuel.caption());
    EXPECT_EQ(80, t.ShipFuelSlider.value());
    EXPECT_EQ("0.8", ship(2).ShipFuelTable);
    EXPECT_EQ(before, saved());
    EXPECT_FALSE(main->status.unsavedChanges());

    main->shipTab.ShipFuelSlider.userSetValue(55);
    EXPECT_EQ(" 55 %", t.ShipFuel.caption());
    EXPECT_EQ("0.8", ship(2).ShipFuelTable) << "a moved slider is not stored before validation";
    EXPECT_FALSE(main->status.unsavedChanges());
}

TEST_F(StationShipDisplayTest, AnOrbitingShipShowsDisplayFormsAndEngineLevels) {
    main->shipTab.ShipName.userSelect(1);
    const auto& t = main->shipTab;
    EXPECT_EQ("1", t.ShipIndex.caption());
    EXPECT_TRUE(t.OrbitingShipOption.value());
    EXPECT_TRUE(t.Orbiting.visible());
    EXPECT_FALSE(t.Docked.visible());
    EXPECT_EQ(" 2000000", t.ShipOrbitingRposX.text());
    EXPECT_EQ(" 2E+15", t.ShipOrbitingRposY.text());
    EXPECT_EQ("-.25", t.ShipOrbitingRposZ.text());
    EXPECT_EQ(" .5", t.ShipOrbitingAngularVelocity.text());
    EXPECT_EQ(" 50.5 %", t.ShipFuel.caption());
    EXPECT_EQ(50, t.ShipFuelSlider.value()) << "halves go to the even position";
    EXPECT_EQ("-30 %", t.MainEngineStatus.caption());
    EXPECT_EQ(-30, t.MainEngineStatusSlider.value());
    EXPECT_EQ(" 12.5 %", t.HoverEngineStatus.caption());
    EXPECT_EQ(12, t.HoverEngineStatusSlider.value());
    EXPECT_TRUE(t.MainEngineStatus.enabled());

    main->shipTab.ShipFuelSlider.userSetValue(73);
    EXPECT_EQ(" 73 %", t.ShipFuel.caption());
    main->shipTab.MainEngineStatusSlider.userSetValue(-30);
    main->shipTab.MainEngineStatusSlider.userSetValue(-31);
    EXPECT_EQ("-31 %", t.MainEngineStatus.caption());
    main->shipTab.HoverEngineStatusSlider.userSetValue(0);
    EXPECT_EQ(" 0 %", t.HoverEngineStatus.caption());

    main->shipTab.LandedShipOption.userSelect();
    EXPECT_TRUE(t.Landed.visible());
    EXPECT_FALSE(t.Orbiting.visible());
    EXPECT_EQ("0", t.HoverEngineStatus.caption());
    EXPECT_FALSE(t.HoverEngineStatus.enabled());
}

TEST_F(StationShipDisplayTest, LandedAndStatuslessShips) {
    const auto& t = main->shipTab;
    main->shipTab.ShipName.userSelect(2);
    EXPECT_TRUE(t.LandedShipOption.value());
    EXPECT_EQ("Toto", t.ShipLandedHeading.text()) << "the blank heading is shown as stored";
    EXPECT_EQ("Habana", t.ShipLandedBase.caption());
    EXPECT_EQ("1", t.ShipLandedPad.caption());

    main->shipTab.ShipName.userSelect(3);
    EXPECT_FALSE(t.LandedShipOption.value() || t.DockedShipOption.value() || t.OrbitingShipOption.value());
    EXPECT_FALSE(t.Landed.visible() || t.Docked.visible() || t.Orbiting.visible());
    EXPECT_EQ("", t.ShipLandedBase.caption()) << "the previous ship's fields are emptied";
    EXPECT_EQ("ShuttlePB", t.ShipClass.caption());
    EXPECT_EQ(" 0 %", t.ShipFuel.caption());
    EXPECT_EQ("0 %", t.MainEngineStatus.caption());
}

} // namespace
} // namespace vantrel::test
