// Adding and deleting ships and choosing the user-controlled ship.

#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

const char* const FocusMoved =
    "As the user-controled ship was no longer valid in the scenario, it has been set to the first possible ship !";
const char* const AllDeleted = "You have deleted all the ships : the ship focus is also deleted. Do not save this "
                               "scenario until a new ship is created !";

class ShipListTest : public ::testing::Test {
protected:
    ShipListTest() : w(scripted.services(), Vantrel::Options{}) {}

    static ShipRow ship(const std::string& name, const std::string& fuel = "0.5") {
        ShipRow s;
        s.ShipNameTable = name;
        s.ShipClassTable = "Class" + name;
        s.ShipStatusTable = "Orbiting";
        s.ShipPlanetTable = "Earth";
        s.ShipRposXTable = "7000000";
        s.ShipFuelTable = fuel;
        s.ShipExtraLines = "  XPDR " + name;
        return s;
    }

    // Fills the table and both lists as a read does and shows the first ship.
    void load(std::vector<ShipRow> rows, const std::string& focus) {
        std::vector<std::string> names, candidates;
        for (const ShipRow& s : rows) {
            names.push_back(s.ShipNameTable);
            candidates.push_back(s.ShipNameTable + ":" + s.ShipClassTable);
        }
        w.model.ships = std::move(rows);
        w.model.ships.emplace_back();
        w.env.PossibleShipFocus.setItems(candidates);
        w.env.ShipFocus.setCaption(focus);
        w.shipTab.ShipName.setItems(names);
        if (!names.empty())
            w.shipTab.ShipName.setListIndex(0);
    }

    void deleteShown(int answer = ui::AnswerYes) {
        scripted.dialogs.queueAnswer(answer);
        w.shipTab.Command6.userClick();
    }

    const std::vector<ui::ScriptedDialogs::Message>& messages() { return scripted.dialogs.messages(); }

    ui::ScriptedServices scripted;
    Vantrel w;
};

TEST_F(ShipListTest, AddedShipIsListedAndShownButNotYetAPossibleFocus) {
    load({ship("A"), ship("B")}, "A");
    w.shipTab.Command5.userClick();
    EXPECT_EQ(w.shipTab.ShipName.items(), (std::vector<std::string>{"A", "B", "New Ship"}));
    EXPECT_EQ(w.shipTab.ShipName.listIndex(), 2);
    EXPECT_EQ(w.shipTab.ShipIndex.caption(), "2");
    EXPECT_EQ(w.model.shipUpperBound(), 3);
    EXPECT_EQ(w.model.ships[2].ShipNameTable, "");
    EXPECT_EQ(w.shipTab.ShipClass.caption(), "");
    EXPECT_EQ(w.shipTab.ShipFuel.caption(), " 0 %");
    EXPECT_FALSE(w.shipTab.OrbitingShipOption.value());
    EXPECT_FALSE(w.shipTab.Orbiting.visible());
    EXPECT_EQ(w.env.PossibleShipFocus.listCount(), 2);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ShipListTest, DeletingAsksFirstAndNoChangesNothing) {
    load({ship("A"), ship("B")}, "A");
    deleteShown(ui::AnswerNo);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Are you sure you want to delete the ship ?");
    EXPECT_EQ(messages()[0].title, "Deleting confirmation");
    EXPECT_EQ(messages()[0].style, 36);
    EXPECT_EQ(w.shipCount(), 2);
    EXPECT_EQ(w.model.ships[0].ShipNameTable, "A");
}

TEST_F(ShipListTest, DeletingTheFirstOfThreeShiftsTheRowsWithTheirOwnLines) {
    load({ship("A"), ship("B", "0.0"), ship("C", " 0.25")}, "C");
    w.shipTab.ShipName.userSetText("typed but not validated");
    deleteShown();
    EXPECT_EQ(messages().size(), 1u); // only the confirmation: the user-controlled ship remains
    EXPECT_EQ(w.shipTab.ShipName.items(), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(w.env.PossibleShipFocus.items(), (std::vector<std::string>{"B:ClassB", "C:ClassC"}));
    EXPECT_EQ(w.model.shipUpperBound(), 2);
    EXPECT_EQ(w.model.ships[0].ShipExtraLines, "  XPDR B");
    EXPECT_EQ(w.model.ships[1].ShipExtraLines, "  XPDR C");
    // An empty tank moved up is written "0"; other levels keep their text.
    EXPECT_EQ(w.model.ships[0].ShipFuelTable, "0");
    EXPECT_EQ(w.model.ships[1].ShipFuelTable, " 0.25");
    EXPECT_EQ(w.shipTab.ShipName.listIndex(), 0);
    EXPECT_EQ(w.shipTab.ShipClass.caption(), "ClassB");
    EXPECT_EQ(w.env.ShipFocus.caption(), "C");
}

TEST_F(ShipListTest, DeletingTheLastOfThreeShowsThePreviousShip) {
    load({ship("A"), ship("B"), ship("C")}, "A");
    w.shipTab.ShipName.userSelect(2);
    deleteShown();
    EXPECT_EQ(w.shipTab.ShipName.items(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(w.shipTab.ShipName.listIndex(), 1);
    EXPECT_EQ(w.shipTab.ShipClass.caption(), "ClassB");
    EXPECT_EQ(w.model.ships[2].ShipNameTable, "C"); // the spare row keeps what it held

    // A ship added now starts empty: nothing of C, its extra lines included, comes back.
    w.shipTab.Command5.userClick();
    EXPECT_EQ(w.shipTab.ShipName.text(), "New Ship");
    EXPECT_EQ(w.shipTab.ShipClass.caption(), "");
    EXPECT_FALSE(w.shipTab.OrbitingShipOption.value());
    EXPECT_EQ(w.model.ships[2].ShipNameTable, "");
    EXPECT_EQ(w.model.ships[2].ShipExtraLines, "");
    EXPECT_EQ(w.model.ships[2].ShipStatusTable, "");
}

TEST_F(ShipListTest, DeletingTheUserControlledShipMovesTheFocusToTheFirstShip) {
    load({ship("A"), ship("B"), ship("C")}, "B");
    w.shipTab.ShipName.userSelect(1);
    deleteShown();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, FocusMoved);
    EXPECT_EQ(messages()[1].title, "Warning");
    EXPECT_EQ(messages()[1].style, 64);
    EXPECT_EQ(w.env.ShipFocus.caption(), "A");
    EXPECT_EQ(w.shipTab.ShipName.text(), "A");
}

TEST_F(ShipListTest, TheLastShipCannotBeDeleted) {
    load({ship("A")}, "A");
    w.shipTab.ShipName.userSetText("typed");
    deleteShown();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, "You may not delete this ship : the scenario must keep at least one ship !");
    EXPECT_EQ(messages()[1].title, "Warning");
    EXPECT_EQ(messages()[1].style, 64);
    EXPECT_EQ(w.shipTab.ShipName.items(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(w.shipTab.ShipName.text(), "A");
    EXPECT_EQ(w.model.ships[0].ShipNameTable, "A");
    EXPECT_EQ(w.env.ShipFocus.caption(), "A");
}

TEST_F(ShipListTest, DeletingOnAnEmptyListWarnsAndClearsTheFocus) {
    load({}, "Ghost");
    w.env.PossibleShipFocus.setItems({"Ghost:X"});
    deleteShown();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, AllDeleted);
    EXPECT_EQ(messages()[1].title, "Warning");
    EXPECT_EQ(messages()[1].style, 48);
    EXPECT_EQ(w.env.ShipFocus.caption(), "");
    EXPECT_EQ(w.env.PossibleShipFocus.listCount(), 0);
}

TEST_F(ShipListTest, FirstShipOfAnEmptyScenarioBecomesTheUserControlledShip) {
    load({}, "");
    w.shipTab.Command5.userClick();
    w.shipTab.ShipName.userSetText("Pioneer");
    w.shipTab.Command4.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, FocusMoved);
    EXPECT_EQ(w.env.ShipFocus.caption(), "Pioneer");
    EXPECT_EQ(w.env.PossibleShipFocus.items(), (std::vector<std::string>{"Pioneer:"}));
    EXPECT_EQ(w.shipTab.ShipName.items(), (std::vector<std::string>{"Pioneer"}));
}

TEST_F(ShipListTest, ChangingTheUserControlledShipTakesTheNameBeforeTheColon) {
    load({ship("A")}, "A");
    w.env.PossibleShipFocus.setItems({"Alpha:DeltaGlider", "Bravo :ShuttleA:x", "  Solo  "});
    const std::pair<int, const char*> cases[] = {{0, "Alpha"}, {1, "Bravo "}, {2, "Solo"}};
    for (const auto& [entry, expected] : cases) {
        w.env.PossibleShipFocus.userSelect(entry);
        w.env.Command7.userClick();
        EXPECT_EQ(w.env.ShipFocus.caption(), expected);
    }
    w.env.PossibleShipFocus.clear();
    w.env.Command7.userClick();
    EXPECT_EQ(w.env.ShipFocus.caption(), "");
    EXPECT_TRUE(messages().empty());
}

// Reading stopped in B's block: B holds the rest of its block and C's block as read. Deleting B
// deletes its own lines only; C's block is still saved.
TEST_F(ShipListTest, DeletingTheShipWhereReadingStoppedKeepsTheShipsAfterIt) {
    std::vector<ShipRow> rows = {ship("A"), ship("B")};
    rows[1].ShipLinesNotTaken = {"  ENGINE_MAIN", "  XPDR 7", "END", "C:Hauler", "  STATUS Landed Earth", "END"};
    load(rows, "A:ClassA");
    w.shipTab.ShipName.setListIndex(1);
    deleteShown();
    ASSERT_EQ(w.shipCount(), 1);
    EXPECT_EQ(w.model.ships[0].ShipLinesNotTaken,
              (std::vector<std::string>{"END", "C:Hauler", "  STATUS Landed Earth", "END"}));
    const std::string saved = w.scenarioText();
    EXPECT_NE(saved.find("END\r\nC:Hauler\r\n  STATUS Landed Earth\r\nEND\r\nEND_SHIPS"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("ENGINE_MAIN"), std::string::npos);
}

} // namespace
} // namespace vantrel
