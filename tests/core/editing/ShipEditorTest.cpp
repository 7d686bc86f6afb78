// The ship tab's validation as a person uses it: the checks of each status with their exact
// texts, what is stored, the lists rebuilt and the user-controlled ship kept valid.

#include "support/TempFolder.h"

#include "core/editing/ShipEditor.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

const std::string CR = "\r";
const char* const Refused = "Ship parameter validation not accepted !";
const char* const FocusMoved =
    "As the user-controled ship was no longer valid in the scenario, it has been set to the first possible ship !";

class ShipEditorTest : public ::testing::Test {
protected:
    ShipEditorTest() : w(scripted.services(), Vantrel::Options{}) {
        temp.write("Config/Earth.cfg", test::crlf({"Name = Earth", "Size = 6371000", "AtmAltLimit = 100000"}));
        w.state.CfgDir.setCaption(temp / "Config/");
    }

    static ShipRow orbiting(const std::string& name) {
        ShipRow s;
        s.ShipNameTable = name;
        s.ShipClassTable = "DeltaGlider";
        s.ShipStatusTable = "Orbiting";
        s.ShipPlanetTable = "Earth";
        s.ShipRposXTable = "7000000";
        s.ShipRposYTable = "0";
        s.ShipRposZTable = "0";
        s.ShipRvelXTable = "0";
        s.ShipRvelYTable = "7500";
        s.ShipRvelZTable = "0";
        s.ShipArotXTable = "10";
        s.ShipArotYTable = "20";
        s.ShipArotZTable = "30";
        s.ShipVrotTable = "0";
        s.ShipFuelTable = "0.5";
        s.ShipMainEngineTable = "0";
        s.ShipHoverEngineTable = "0";
        s.ShipExtraLines = "  NAVFREQ 0 0";
        return s;
    }

    static ShipRow landed(const std::string& name) {
        ShipRow s;
        s.ShipNameTable = name;
        s.ShipClassTable = "ShuttlePB";
        s.ShipStatusTable = "Landed";
        s.ShipPlanetTable = "Earth";
        s.ShipLandedBaseTable = "Habana";
        s.ShipLandedPadTable = "1";
        s.ShipLandedHeadingTable = "45";
        s.ShipFuelTable = "0.3";
        return s;
    }

    static ShipRow docked(const std::string& name) {
        ShipRow s;
        s.ShipNameTable = name;
        s.ShipClassTable = "Dragonfly";
        s.ShipStatusTable = "Docked";
        s.ShipPlanetTable = "Earth";
        s.ShipDockedStationTable = "ISS";
        s.ShipDockedPortTable = "2";
        return s;
    }

    // Fills the table and both lists as a read does, makes the first ship the user-controlled
    // one and shows it.
    void load(std::vector<ShipRow> rows) {
        std::vector<std::string> names, candidates;
        for (const ShipRow& s : rows) {
            names.push_back(s.ShipNameTable);
            candidates.push_back(s.ShipNameTable + ":" + s.ShipClassTable);
        }
        w.model.ships = std::move(rows);
        w.model.ships.emplace_back();
        w.env.PossibleShipFocus.setItems(candidates);
        w.env.ShipFocus.setCaption(names.empty() ? "" : names[0]);
        w.shipTab.ShipName.setItems(names);
        if (!names.empty())
            w.shipTab.ShipName.setListIndex(0);
    }

    void validate() { w.shipTab.Command4.userClick(); }
    const std::vector<ui::ScriptedDialogs::Message>& messages() { return scripted.dialogs.messages(); }

    test::TempFolder temp;
    ui::ScriptedServices scripted;
    Vantrel w;
};

TEST_F(ShipEditorTest, OrbitingShipRefusedWithEveryFailedCheckInOrder) {
    load({orbiting("Alpha")});
    auto& t = w.shipTab;
    t.ShipOrbitingAngularVelocity.userSetText("spin");
    for (ui::TextField* f : {&t.ShipOrbitingRposX, &t.ShipOrbitingRposY, &t.ShipOrbitingRposZ, &t.ShipOrbitingRvelX,
                             &t.ShipOrbitingRvelY, &t.ShipOrbitingRvelZ})
        f->userSetText("x");
    t.ShipOrbitingArotX.userSetText("360");
    t.ShipOrbitingArotY.userSetText("-360");
    t.ShipOrbitingArotZ.userSetText("");
    t.ShipName.userSetText("Renamed");
    validate();

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, Refused);
    EXPECT_EQ(messages()[0].style, 0);
    // Positions that are not numbers count as 0, so the ship is also inside the planet.
    EXPECT_EQ(messages()[0].text,
              "The angular velocity value is not correct." + CR +
                  "The position relative to the reference on axis X is not correct." + CR +
                  "The position relative to the reference on axis Y is not correct." + CR +
                  "The position relative to the reference on axis Z is not correct." + CR +
                  "The velocity relative to reference on axis X is not correct." + CR +
                  "The velocity relative to reference on axis Y is not correct." + CR +
                  "The velocity relative to reference on axis Z is not correct." + CR +
                  "The object frame rotation angle orientation on axis X is not correct." + CR +
                  "The object frame rotation angle orientation on axis Y is not correct." + CR +
                  "The object frame rotation angle orientation on axis Z is not correct." + CR +
                  "The ship is located inside the planet; adjust the position parameters relative to reference.");
    EXPECT_EQ(w.model.ships[0].ShipNameTable, "Alpha");
    EXPECT_EQ(w.model.ships[0].ShipVrotTable, "0");
    EXPECT_EQ(t.ShipName.text(), "Renamed");
}

TEST_F(ShipEditorTest, RotationAnglesStrictlyWithinAFullTurn) {
    load({orbiting("Alpha")});
    auto& t = w.shipTab;
    t.ShipOrbitingArotX.userSetText("359.99");
    t.ShipOrbitingArotY.userSetText("-359.99");
    t.ShipOrbitingArotZ.userSetText("0");
    validate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.model.ships[0].ShipArotXTable, "359.99");
    EXPECT_EQ(w.model.ships[0].ShipArotYTable, "-359.99");
}

TEST_F(ShipEditorTest, InsidePlanetTestUsesTheDistanceAndTheBodySize) {
    load({orbiting("Alpha")});
    auto& t = w.shipTab;
    const std::string inside =
        "The ship is located inside the planet; adjust the position parameters relative to reference.";
    // 3-4-5 scaled: exactly the radius is inside, one metre further is not.
    t.ShipOrbitingRposX.userSetText("3822600");
    t.ShipOrbitingRposY.userSetText("-5096800");
    t.ShipOrbitingRposZ.userSetText("0");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, inside);
    scripted.dialogs.clear();
    t.ShipOrbitingRposZ.userSetText("3600");
    validate();
    EXPECT_TRUE(messages().empty());

    // Without a body file the radius is 0: the centre is refused, one metre away accepted.
    t.ShipOrbitingPlanet.setCaption("Vulcan");
    for (ui::TextField* f : {&t.ShipOrbitingRposX, &t.ShipOrbitingRposY, &t.ShipOrbitingRposZ})
        f->userSetText("0");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, inside);
    t.ShipOrbitingRposX.userSetText("1");
    validate();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(w.model.ships[0].ShipPlanetTable, "Vulcan");
    EXPECT_EQ(w.model.ships[0].ShipRposXTable, "1"); // stored as typed
}

TEST_F(ShipEditorTest, LandedShipNeedsBaseClassAndHeading) {
    load({landed("Alpha")});
    auto& t = w.shipTab;
    t.ShipLandedBase.setCaption("");
    t.ShipClass.setCaption("");
    t.ShipLandedHeading.userSetText("");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "You must assign the ship to a base pad." + CR + "You must assign a class to the ship." +
                                      CR + "You must must enter a correct heading.");

    // The blank heading of a never-placed ship fails until a number is typed; no range.
    scripted.dialogs.clear();
    t.ShipLandedBase.setCaption("Habana");
    t.ShipClass.setCaption("ShuttlePB");
    t.ShipLandedHeading.userSetText("Toto");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "You must must enter a correct heading.");
    t.ShipLandedHeading.userSetText("720");
    validate();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(w.model.ships[0].ShipLandedHeadingTable, "720");
    EXPECT_EQ(w.model.ships[0].ShipStatusTable, "Landed");
}

TEST_F(ShipEditorTest, DockedShipNeedsStationAndClass) {
    load({docked("Alpha")});
    auto& t = w.shipTab;
    t.ShipDockedStation.setCaption("");
    t.ShipClass.setCaption("");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, Refused);
    EXPECT_EQ(messages()[0].text, "You must assign the ship to a station dock." + CR + "You must assign a class to the ship.");
    EXPECT_EQ(w.model.ships[0].ShipDockedStationTable, "ISS");
}

// "Kite:2" was saved as "Kite:2:Skiff" and read back as ship "Kite" of class "2:Skiff".
TEST_F(ShipEditorTest, NameMustReadBackAsTheSameName) {
    load({docked("Alpha")});
    auto& t = w.shipTab;
    for (const char* name : {"Kite:2", " ", "Kite;2"}) {
        t.ShipName.userSetText(name);
        validate();
    }
    t.ShipClass.setCaption("");
    t.ShipName.userSetText("");
    validate();
    ASSERT_EQ(messages().size(), 4u);
    EXPECT_EQ(messages()[0].text,
              "The ship name cannot hold \":\": the scenario file would read what follows as its class." + CR);
    EXPECT_EQ(messages()[1].text, "You must enter a name for the ship." + CR);
    EXPECT_EQ(messages()[2].text,
              "The ship name cannot hold \";\": the scenario file would read what follows as a comment." + CR);
    EXPECT_EQ(messages()[3].text, "You must enter a name for the ship." + CR + "You must assign a class to the ship.");
    EXPECT_EQ(w.model.ships[0].ShipNameTable, "Alpha");
}

TEST_F(ShipEditorTest, StatusChosenByThePersonIsStoredWithItsPlanet) {
    load({orbiting("Alpha")});
    auto& t = w.shipTab;
    t.DockedShipOption.userSelect();
    t.ShipDockedStation.setCaption("ISS");
    t.ShipDockedPort.setCaption("3");
    t.ShipDockedPlanet.setCaption("   Moon");
    validate();
    ASSERT_TRUE(messages().empty()) << messages()[0].text;
    const ShipRow& row = w.model.ships[0];
    EXPECT_EQ(row.ShipStatusTable, "Docked");
    EXPECT_EQ(row.ShipPlanetTable, "   Moon");
    EXPECT_EQ(row.ShipDockedStationTable, "ISS");
    EXPECT_EQ(row.ShipDockedPortTable, "3");
    // The orbiting fields were still on screen (hidden) and are stored as they stood.
    EXPECT_EQ(row.ShipRposXTable, " 7000000");
    // Shown again docked, the ship keeps the level it had (the label's value, stored).
    EXPECT_EQ(row.ShipFuelTable, " .5");
    EXPECT_EQ(t.ShipFuel.caption(), " 50 %");
    EXPECT_EQ(row.ShipExtraLines, "  NAVFREQ 0 0");
}

TEST_F(ShipEditorTest, NewShipWithoutStatusPassesAndKeepsItsEmptyStatus) {
    load({orbiting("Alpha")});
    w.model.ShipTableRedimPreserve(2);
    w.shipTab.ShipName.addItem("New Ship");
    w.shipTab.ShipName.setListIndex(1);
    w.shipTab.ShipClass.setCaption("Dragonfly");
    validate();
    EXPECT_TRUE(messages().empty());
    const ShipRow& row = w.model.ships[1];
    EXPECT_EQ(row.ShipNameTable, "New Ship");
    EXPECT_EQ(row.ShipClassTable, "Dragonfly");
    EXPECT_EQ(row.ShipStatusTable, "");
    EXPECT_EQ(row.ShipPlanetTable, "");
    EXPECT_EQ(row.ShipFuelTable, "0");
    EXPECT_EQ(w.env.PossibleShipFocus.items(),
              (std::vector<std::string>{"Alpha:DeltaGlider", "New Ship:Dragonfly"}));
}

TEST_F(ShipEditorTest, LevelsAreStoredFromTheSliderLabels) {
    load({orbiting("Alpha")});
    auto& t = w.shipTab;
    t.ShipFuelSlider.userSetValue(0);
    t.MainEngineStatusSlider.userSetValue(-30);
    t.HoverEngineStatusSlider.userSetValue(0);
    validate();
    EXPECT_EQ(w.model.ships[0].ShipFuelTable, "0");
    EXPECT_EQ(w.model.ships[0].ShipMainEngineTable, "-.3");
    EXPECT_EQ(w.model.ships[0].ShipHoverEngineTable, " 0");

    t.ShipFuelSlider.userSetValue(50);
    t.MainEngineStatusSlider.userSetValue(0);
    t.HoverEngineStatusSlider.userSetValue(100);
    validate();
    EXPECT_EQ(w.model.ships[0].ShipFuelTable, " .5");
    EXPECT_EQ(w.model.ships[0].ShipMainEngineTable, " 0");
    EXPECT_EQ(w.model.ships[0].ShipHoverEngineTable, " 1");

    // Labels a landed status leaves ("0") and an empty label both read as level 0.
    t.LandedShipOption.userSelect();
    t.ShipLandedBase.setCaption("Habana");
    t.ShipLandedHeading.userSetText("0");
    t.ShipFuel.setCaption("");
    validate();
    ASSERT_TRUE(messages().empty()) << messages()[0].text;
    EXPECT_EQ(w.model.ships[0].ShipMainEngineTable, " 0");
    EXPECT_EQ(w.model.ships[0].ShipHoverEngineTable, " 0");
    // Shown again as landed: the empty tank stored, not a full one.
    EXPECT_EQ(w.model.ships[0].ShipFuelTable, "0");
}

TEST_F(ShipEditorTest, LevelFromPercentLabel) {
    EXPECT_DOUBLE_EQ(levelFromPercentLabel(" 50 %"), 0.5);
    EXPECT_DOUBLE_EQ(levelFromPercentLabel("-30 %"), -0.3);
    EXPECT_DOUBLE_EQ(levelFromPercentLabel("100 %"), 1);
    EXPECT_DOUBLE_EQ(levelFromPercentLabel("0"), 0);
    EXPECT_DOUBLE_EQ(levelFromPercentLabel(""), 0);
    EXPECT_DOUBLE_EQ(levelFromPercentLabel("   "), 0);
}

TEST_F(ShipEditorTest, AcceptedValidationRebuildsBothListsAndShowsTheRowAgain) {
    load({orbiting("Alpha"), landed("Beta"), docked("Gamma")});
    auto& t = w.shipTab;
    t.ShipName.userSelect(1);
    t.ShipName.userSetText("Beta two");
    t.Spacecraft.setItems({"DeltaGlider", "ShuttleA"});
    t.Spacecraft.userSelect(1);
    t.Command10.userClick();
    EXPECT_EQ(w.model.ships[1].ShipClassTable, "ShuttlePB");
    validate();
    ASSERT_TRUE(messages().empty()) << messages()[0].text;
    EXPECT_EQ(t.ShipName.items(), (std::vector<std::string>{"Alpha", "Beta two", "Gamma"}));
    EXPECT_EQ(w.env.PossibleShipFocus.items(),
              (std::vector<std::string>{"Alpha:DeltaGlider", "Beta two:ShuttleA", "Gamma:Dragonfly"}));
    EXPECT_EQ(t.ShipName.listIndex(), 1);
    EXPECT_EQ(t.ShipIndex.caption(), "1");
    EXPECT_EQ(t.ShipClass.caption(), "ShuttleA");
    EXPECT_EQ(w.env.ShipFocus.caption(), "Alpha");
}

TEST_F(ShipEditorTest, RenamingTheUserControlledShipMovesItToTheFirstShip) {
    load({orbiting("Alpha"), orbiting("Beta")});
    w.env.ShipFocus.setCaption("Beta");
    w.shipTab.ShipName.userSelect(1);
    w.shipTab.ShipName.userSetText("beta");
    validate();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, FocusMoved);
    EXPECT_EQ(messages()[0].title, "Warning");
    EXPECT_EQ(messages()[0].style, 64);
    EXPECT_EQ(w.env.ShipFocus.caption(), "Alpha");
    EXPECT_EQ(w.env.PossibleShipFocus.listIndex(), 0);
}

TEST_F(ShipEditorTest, ChangePlanetOnlyChangesTheLabel) {
    load({orbiting("Alpha")});
    w.shipTab.OrbitingRef.setItems({"Earth", "   Moon"});
    w.shipTab.OrbitingRef.userSelect(1);
    w.shipTab.Command11.userClick();
    EXPECT_EQ(w.shipTab.ShipOrbitingPlanet.caption(), "   Moon");
    EXPECT_EQ(w.model.ships[0].ShipPlanetTable, "Earth");
}

TEST_F(ShipEditorTest, NothingHappensWithoutAShipShown) {
    load({});
    validate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.shipCount(), 0);

    load({orbiting("Alpha")});
    w.shipTab.ShipIndex.setCaption("5");
    w.shipTab.ShipOrbitingRposX.userSetText("bad");
    validate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w.model.ships[0].ShipRposXTable, "7000000");
}

} // namespace
} // namespace vantrel
