// The main window's menu commands: the questions they ask, the windows they open and in which
// order, the refusals, and the shutdown.

#include "../files/ScenarioTree.h"

#include "core/files/LoadFile.h"
#include "core/files/SaveAs.h"
#include "core/platform/FileSystem.h"
#include "core/tools/About.h"
#include "core/tools/PlanetarySystemInformation.h"
#include "core/app/MainMenu.h"
#include "core/app/Windows.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

using ui::AnswerNo;
using ui::AnswerYes;

class MainMenuTest : public ::testing::Test, protected test::ScenarioTree {
protected:
    const std::vector<ui::ScriptedDialogs::Message>& messages() { return scripted.dialogs.messages(); }
    // The windows shown modally, in order.
    std::vector<std::string> modals() {
        std::vector<std::string> shown;
        for (const std::string& entry : scripted.screen.log())
            if (entry.rfind("modal ", 0) == 0)
                shown.push_back(entry.substr(6));
        return shown;
    }
    bool logged(const std::string& entry) {
        const auto& log = scripted.screen.log();
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
    // A scenario open from a file, with an edit its last save did not write.
    void editing(const std::string& file) {
        w.state.scnfile.setCaption(file);
        w.state.ScnDir.setCaption(platform::withTrailingSeparator(root()));
        w.status.markSaved();
        w.env.Description.setText("Edited\r\n");
    }
};

TEST_F(MainMenuTest, OpenOffersToSaveTheEditedFileFirst) {
    editing("Alpha.scn");
    scripted.dialogs.queueAnswer(AnswerNo);
    w.menu.Menu12.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Do you wish to save Alpha.scn ?");
    EXPECT_EQ(messages()[0].title, "Vantrel");
    EXPECT_EQ(messages()[0].style, ui::MsgYesNoQuestion);
    EXPECT_EQ(modals(), std::vector<std::string>{"LoadFile"});

    // Yes: the save-as window, then the load window, whatever was done in the first.
    w.menu.Menu12.userClick();
    EXPECT_EQ(modals(), (std::vector<std::string>{"LoadFile", "SaveAs", "LoadFile"}));
    // However they were closed, the windows are unloaded and the main window is usable again.
    EXPECT_FALSE(w.windows().saveAs().loaded());
    EXPECT_FALSE(w.windows().loadFile().loaded());
    EXPECT_TRUE(w.enabled());
}

TEST_F(MainMenuTest, OpenWithoutAFileGoesStraightToTheLoadWindow) {
    scripted.screen.onModal("LoadFile", [](ui::Window& window) {
        auto& lf = static_cast<LoadFile&>(window);
        lf.FilelisttoLoad.userSelect(test::indexOf(lf.FilelisttoLoad, "Alpha.scn"));
        lf.Command1.userClick();
    });
    w.menu.Menu12.userClick();
    EXPECT_TRUE(messages().empty() || messages()[0].text.rfind("Do you wish", 0) != 0);
    EXPECT_EQ(w.state.scnfile.caption(), "Alpha.scn");
    EXPECT_EQ(w.env.Description.text(), "About Alpha\r\n");
}

TEST_F(MainMenuTest, SaveAndSaveAsRefuseAScenarioWithoutShips) {
    editing("Alpha.scn");
    const std::string before = temp.read("Orbiter/Scenarios/Alpha.scn");
    w.menu.Menu13.setEnabled(true);
    w.menu.Menu14.setEnabled(true);
    w.menu.Menu13.userClick();
    w.menu.Menu14.userClick();
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& m : messages()) {
        EXPECT_EQ(m.text, "You must have at least one ship in the scenario !");
        EXPECT_EQ(m.title, "Forbidden action");
        EXPECT_EQ(m.style, ui::MsgExclamation);
    }
    EXPECT_TRUE(modals().empty());
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Alpha.scn"), before);
}

TEST_F(MainMenuTest, SaveWritesTheEditedPath) {
    editing("Alpha.scn");
    w.shipTab.ShipName.addItem("GL-01");
    const std::string before = temp.read("Orbiter/Scenarios/Alpha.scn");
    w.menu.Menu13.setEnabled(true);
    w.menu.Menu13.userClick();
    EXPECT_NE(temp.read("Orbiter/Scenarios/Alpha.scn"), before);
    EXPECT_EQ(scripted.screen.busyDepth(), 0);
}

TEST_F(MainMenuTest, ExitAsksAndEndsOnlyOnYes) {
    editing("Alpha.scn");
    scripted.dialogs.queueAnswer(AnswerNo);
    w.menu.Menu16.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Are you sure you want to leave Vantrel?");
    EXPECT_EQ(messages()[0].title, "Exit confirmation");
    EXPECT_EQ(messages()[0].style, ui::MsgYesNoQuestion);
    EXPECT_FALSE(logged("unload Vantrel"));

    // Yes to saving, then the save-as window left without saving: the edits would be lost,
    // so the program stays.
    scripted.dialogs.queueAnswer(AnswerYes);
    scripted.dialogs.queueAnswer(AnswerYes);
    w.menu.Menu16.userClick();
    EXPECT_EQ(messages().back().text, "Do you wish to save Alpha.scn ?");
    EXPECT_EQ(modals(), std::vector<std::string>{"SaveAs"});
    EXPECT_FALSE(logged("unload Vantrel"));

    // Saved there, the program ends.
    w.shipTab.ShipName.addItem("GL-01");
    scripted.screen.onModal("SaveAs", [](ui::Window& window) {
        auto& saveAs = static_cast<SaveAs&>(window);
        saveAs.FileToSave.userSetText("Kept");
        saveAs.Command1.userClick();
    });
    scripted.dialogs.queueAnswer(AnswerYes);
    scripted.dialogs.queueAnswer(AnswerYes);
    w.menu.Menu16.userClick();
    EXPECT_TRUE(platform::fileExists(temp / "Orbiter/Scenarios/Kept.scn"));
    EXPECT_TRUE(logged("unload Vantrel"));
}

TEST_F(MainMenuTest, ExitWithoutAFileAsksOnlyOnce) {
    EXPECT_TRUE(w.mainMenu().QueryUnload());
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_TRUE(modals().empty());
}

TEST_F(MainMenuTest, UnloadReturnsToTheStartFolderAndClosesTheToolWindows) {
    w.cat.StartFolder = temp / "Start/";
    w.cat.currentFolder = temp / "Orbiter";
    w.menu.Menu31.setEnabled(true);
    w.menu.Menu31.userClick();
    w.menu.Menu34.userClick();
    EXPECT_TRUE(scripted.screen.isShown("PlanetarySystemInformation"));
    w.mainMenu().Form_Unload();
    EXPECT_EQ(w.cat.currentFolder, temp / "Start/");
    EXPECT_FALSE(w.windows().planetarySystemInformation().loaded());
    EXPECT_TRUE(logged("unload CoordinateConverter"));
}

TEST_F(MainMenuTest, AboutDisablesTheMainWindowUntilItGoes) {
    bool disabledWhileShown = false;
    scripted.screen.onModal("About", [&](ui::Window& about) {
        disabledWhileShown = !w.enabled();
        static_cast<About&>(about).Command1.userClick();
    });
    w.menu.Menu22.userClick();
    EXPECT_TRUE(disabledWhileShown);
    EXPECT_TRUE(w.enabled());
}

TEST_F(MainMenuTest, CalculatorStartsTheFirstOneFoundOrSaysThereIsNone) {
    w.menu.Menu33.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(scripted.launcher.starts.empty());

    // Windows has one calculator, other systems several.
    const auto programs = MainMenu::calculatorPrograms();
    const std::string first = programs[programs.size() > 1 ? 1 : 0];
    scripted.launcher.availablePrograms = {programs.back(), first};
    w.menu.Menu33.userClick();
    ASSERT_EQ(scripted.launcher.starts.size(), 1u);
    EXPECT_EQ(scripted.launcher.starts[0].program, first);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(MainMenuTest, HelpOpensTheDocumentOrSaysItIsMissing) {
    w.mainMenu().helpDocument = temp / "help.html";
    w.menu.Menu21.userClick();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_TRUE(scripted.launcher.documents.empty());
    temp.write("help.html", "<html></html>");
    w.menu.Menu21.userClick();
    EXPECT_EQ(scripted.launcher.documents, std::vector<std::string>{temp / "help.html"});
}

TEST_F(MainMenuTest, FolderSearchTakesTheNewFolderOnlyFromTheWorkingFolder) {
    const std::string start = temp.makeFolder("Start") + "/";
    temp.write("Start/vantrel.cfg", "/new/orbiter\r\n");
    w.cat.StartFolder = start;
    w.cat.currentFolder = temp / "Orbiter";
    const std::string before = w.cat.OrbiterFolder;
    w.menu.Menu32.userClick();
    EXPECT_EQ(w.cat.OrbiterFolder, before);

    // A folder that does not exist is remembered but never becomes the working folder.
    w.cat.currentFolder = temp / "Start";
    w.menu.Menu32.userClick();
    EXPECT_EQ(w.cat.OrbiterFolder, platform::nativeSeparators("/new/orbiter"));
    EXPECT_EQ(w.cat.currentFolder, temp / "Start");

    // A folder written relative to the start folder becomes an absolute working folder.
    temp.makeFolder("Start/Orbiter2016");
    temp.write("Start/vantrel.cfg", "Orbiter2016\r\n");
    w.menu.Menu32.userClick();
    EXPECT_EQ(w.cat.OrbiterFolder, "Orbiter2016");
    EXPECT_EQ(w.cat.currentFolder, temp / "Start/Orbiter2016");
}

} // namespace
} // namespace vantrel
