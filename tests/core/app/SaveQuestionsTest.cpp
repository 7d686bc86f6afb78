// What saving asks before it writes: nothing when nothing would be lost, and a question for a
// station or ship whose fields were typed but not validated, so that no typed edit is lost
// silently. Also the scenario whose file was deleted while it was open.

#include "../files/ScenarioTree.h"
#include "../scenario/ScenarioFixture.h"

#include "core/app/MainMenu.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/StationDisplay.h"
#include "core/app/Windows.h"
#include "core/files/DeleteFile.h"
#include "core/files/SaveAs.h"

#include <gtest/gtest.h>

namespace vantrel::test {
namespace {

const char* const Question = "S1 has changes that are not validated. Validate them before saving?";

class SaveQuestionsTest : public ScenarioFixture {
protected:
    void SetUp() override {
        ScenarioFixture::SetUp();
        path = temp.write("Orbit.scn", crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "BEGIN_FOCUS",
                                             "  Ship S1", "END_FOCUS", "BEGIN_SHIPS", "S1:DeltaGlider",
                                             "  STATUS Orbiting Earth", "  RPOS 7000000 0 0", "  RVEL 0 7500 0",
                                             "  AROT 0 0 0", "  VROT 0", "  FUEL 0.8", "END", "END_SHIPS"}));
        open(path);
        main->menu.Menu13.setEnabled(true);
        main->status.markSaved();
        scripted.dialogs.clear();
    }
    const std::vector<ui::ScriptedDialogs::Message>& messages() { return scripted.dialogs.messages(); }

    std::string path;
};

TEST_F(SaveQuestionsTest, NothingToLoseNothingAsked) {
    EXPECT_FALSE(main->status.unsavedChanges());
    main->menu.Menu12.userClick(); // Open: straight to the load window
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(main->mainMenu().QueryUnload());
    ASSERT_EQ(messages().size(), 1u) << "only \"Are you sure you want to leave Vantrel?\"";

    // An edit a save would write: now both ask.
    main->env.Description.userSetText("Changed\r\n");
    EXPECT_TRUE(main->status.unsavedChanges());
    scripted.dialogs.queueAnswer(ui::AnswerYes);
    scripted.dialogs.queueAnswer(ui::AnswerNo);
    EXPECT_TRUE(main->mainMenu().QueryUnload());
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[2].text, "Do you wish to save Orbit.scn ?");
}

TEST_F(SaveQuestionsTest, AFieldTypedButNotValidatedCountsAsSomethingToSave) {
    main->shipTab.ShipOrbitingRposX.userSetText("7100000");
    EXPECT_FALSE(main->status.unsavedChanges()) << "not in what a save writes";
    scripted.dialogs.queueAnswer(ui::AnswerYes);
    scripted.dialogs.queueAnswer(ui::AnswerNo);
    EXPECT_TRUE(main->mainMenu().QueryUnload());
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, "Do you wish to save Orbit.scn ?");
}

// A station or ship just added shows its defaults: nothing typed yet, nothing to ask. Typed
// into, it is named as its list names it.
TEST_F(SaveQuestionsTest, AnAddedRowIsAskedAboutOnlyOnceTypedInto) {
    main->stationTab.Command3.userClick();
    main->shipTab.Command5.userClick();
    EXPECT_FALSE(main->stationDisplay().hasUnvalidatedEdits());
    EXPECT_FALSE(main->shipDisplay().hasUnvalidatedEdits());
    main->shipTab.ShipOrbitingRposX.userSetText("7100000");
    scripted.dialogs.queueAnswer(ui::AnswerCancel);
    main->menu.Menu13.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "New Ship has changes that are not validated. Validate them before saving?");
}

struct SaveAnswer {
    const char* name;
    int answer;
    const char* typed;     // RPOS x typed into the tab
    bool written;          // whether File/Save wrote the file
    const char* rposLine;  // how the RPOS line of the file begins afterwards
};

class SaveWithTypedEditsTest : public SaveQuestionsTest, public ::testing::WithParamInterface<SaveAnswer> {};

TEST_P(SaveWithTypedEditsTest, SaveAsksFirstAndDoesWhatTheAnswerSays) {
    const SaveAnswer& c = GetParam();
    const std::string before = temp.read("Orbit.scn");
    main->env.Description.userSetText("Changed\r\n");
    main->shipTab.ShipOrbitingRposX.userSetText(c.typed);
    scripted.dialogs.queueAnswer(c.answer);
    main->menu.Menu13.userClick();
    ASSERT_GE(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, Question);
    EXPECT_EQ(messages()[0].style, ui::MsgYesNoCancelQuestion);
    const std::string after = temp.read("Orbit.scn");
    EXPECT_EQ(after != before, c.written);
    EXPECT_NE(after.find(c.rposLine), std::string::npos) << after;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveWithTypedEditsTest,
    ::testing::Values(SaveAnswer{"YesValidatesThenSaves", ui::AnswerYes, "7100000", true, "RPOS 7100000 "},
                      SaveAnswer{"NoSavesWithoutThem", ui::AnswerNo, "7100000", true, "RPOS 7000000 "},
                      SaveAnswer{"CancelDoesNothing", ui::AnswerCancel, "7100000", false, "RPOS 7000000 "},
                      SaveAnswer{"YesRefusedSavesNothing", ui::AnswerYes, "far", false, "RPOS 7000000 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveQuestionsTest, DeletingTheOpenFileLeavesTheScenarioUnsavedAndSaveAsksWhere) {
    main->cat.OrbiterFolder = temp.path() + "/";
    main->cat.ScenarioDir = "";
    scripted.screen.onModal("DeleteFile", [](ui::Window& window) {
        auto& df = static_cast<DeleteFile&>(window);
        df.FileListtoDelete.userSelect(indexOf(df.FileListtoDelete, "Orbit.scn"));
        df.Command1.userClick();
        df.Command2.userClick();
    });
    main->menu.Menu11.userClick();
    ASSERT_FALSE(platform::fileExists(path));
    EXPECT_TRUE(main->status.unsavedChanges());
    EXPECT_EQ(main->status.path(), "");

    scripted.screen.onModal("SaveAs", [](ui::Window& window) {
        auto& saveAs = static_cast<SaveAs&>(window);
        saveAs.FileToSave.userSetText("Again");
        saveAs.Command1.userClick();
    });
    main->menu.Menu13.userClick();
    EXPECT_TRUE(platform::fileExists(temp / "Again.scn"));
    EXPECT_FALSE(platform::fileExists(path)) << "not written back where it was deleted";
    EXPECT_FALSE(main->status.unsavedChanges());
}

} // namespace
} // namespace vantrel::test
