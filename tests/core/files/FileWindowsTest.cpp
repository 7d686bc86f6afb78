// The four scenario-file windows as a person uses them: browsing, loading, saving under a new
// name, deleting files and managing folders, with every trigger and question.

#include "ScenarioTree.h"

#include "core/files/DeleteFile.h"
#include "core/files/FolderManagement.h"
#include "core/files/LoadFile.h"
#include "core/files/SaveAs.h"
#include "core/platform/FileSystem.h"
#include "core/app/Windows.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::indexOf;
using ui::AnswerCancel;
using ui::AnswerNo;
using ui::AnswerOk;
using ui::AnswerYes;

class FileWindowsTest : public ::testing::Test, protected test::ScenarioTree {
protected:
    const std::vector<ui::ScriptedDialogs::Message>& messages() { return scripted.dialogs.messages(); }
    // Adds a ship so the scenario may be saved.
    void withShip() { w.shipTab.ShipName.addItem("GL-01"); }
};

// --- Load ------------------------------------------------------------------------------------

TEST_F(FileWindowsTest, LoadOpensInTheEditedFolderAndDisablesTheMainWindow) {
    LoadFile& lf = w.windows().loadFile();
    w.state.ScnDir.setCaption(in("Described/"));
    lf.load();
    EXPECT_FALSE(w.enabled());
    EXPECT_EQ(lf.Dir1.path(), in("Described"));
    EXPECT_EQ(lf.Text2.text(), "Described folder\r\n");
    EXPECT_EQ(lf.FilelisttoLoad.names(), std::vector<std::string>{"Gamma.scn"});
    lf.Command2.userClick();
    EXPECT_FALSE(lf.loaded());
    EXPECT_TRUE(w.enabled());
}

TEST_F(FileWindowsTest, LoadBrowsesDescriptionsAndForgetsThemOnFolderChange) {
    LoadFile& lf = w.windows().loadFile();
    lf.load();
    EXPECT_EQ(lf.Dir1.path(), root());
    EXPECT_EQ(lf.Text2.text(), "Root of the tree\r\n");
    lf.FilelisttoLoad.userSelect(indexOf(lf.FilelisttoLoad, "Alpha.scn"));
    EXPECT_EQ(lf.Text1.text(), "About Alpha\r\n");
    // The same name in the next folder: the scenario description is emptied all the same, and
    // a folder without a description shows none rather than the previous one.
    lf.Dir1.userOpen(in("Plain"));
    EXPECT_EQ(lf.Text1.text(), "");
    EXPECT_EQ(lf.Text2.text(), "");
    lf.FilelisttoLoad.userSelect(0);
    EXPECT_EQ(lf.Text1.text(), "Plain Alpha\r\n");
    // Leaving the tree brings the list back to the root.
    lf.Dir1.userOpen(temp / "Orbiter");
    EXPECT_EQ(lf.Dir1.path(), root());
    EXPECT_EQ(lf.FilelisttoLoad.path(), root());
}

TEST_F(FileWindowsTest, CancelledBrowsingLeavesTheEditedFolderAsItWas) {
    LoadFile& lf = w.windows().loadFile();
    lf.load();
    lf.Dir1.userOpen(in("Plain"));
    lf.Command2.userClick();
    EXPECT_EQ(w.state.ScnDir.caption(), platform::withTrailingSeparator(root()));
}

TEST_F(FileWindowsTest, LoadHandsTheChosenFileToTheMainWindow) {
    LoadFile& lf = w.windows().loadFile();
    lf.load();
    lf.Dir1.userOpen(in("Plain"));
    lf.FilelisttoLoad.userSelect(0);
    lf.Command1.userClick();
    EXPECT_FALSE(lf.loaded());
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(w.state.ScnDir.caption(), in("Plain/"));
    EXPECT_EQ(w.state.scnfile.caption(), "Alpha.scn");
    EXPECT_TRUE(w.state.scnfile.visible());
    EXPECT_EQ(w.state.Label9.caption(), "Scenario file");
    EXPECT_EQ(w.env.Description.text(), "Plain Alpha\r\n");
    EXPECT_FALSE(w.state.Image5.visible());
    EXPECT_TRUE(w.state.SSTab1.visible());
    for (ui::MenuItem* item : {&w.menu.Menu12, &w.menu.Menu13, &w.menu.Menu14, &w.menu.Menu31, &w.menu.Menu35})
        EXPECT_TRUE(item->enabled()) << item->name();
    EXPECT_EQ(scripted.screen.busyDepth(), 0);
}

TEST_F(FileWindowsTest, LoadTriggersNeedASelectedFile) {
    LoadFile& lf = w.windows().loadFile();
    lf.load();
    lf.Command1.userClick();
    lf.FilelisttoLoad.userKeyPress(ui::KeyEnter);
    EXPECT_TRUE(lf.loaded());
    // The double-click shows the busy pointer even on an empty part of the list.
    const auto before = scripted.screen.log().size();
    lf.FilelisttoLoad.userDoubleClick(-1);
    EXPECT_TRUE(lf.loaded());
    ASSERT_EQ(scripted.screen.log().size(), before + 2);
    EXPECT_EQ(scripted.screen.log()[before], "busy");
    EXPECT_EQ(w.state.scnfile.caption(), "");

    lf.FilelisttoLoad.userSelect(indexOf(lf.FilelisttoLoad, "Beta.scn"));
    lf.FilelisttoLoad.userKeyPress('a');
    EXPECT_TRUE(lf.loaded());
    lf.FilelisttoLoad.userKeyPress(ui::KeyEnter);
    EXPECT_FALSE(lf.loaded());
    EXPECT_EQ(w.state.scnfile.caption(), "Beta.scn");
    EXPECT_EQ(w.env.Description.text(), "");
}

// Such a file used to load as an empty scenario in place of the open one.
TEST_F(FileWindowsTest, LoadRefusesAFileThatIsNotAScenarioAndKeepsTheOpenOne) {
    temp.write("Orbiter/Scenarios/Plain/Notes.scn", "Notes on BEGIN_SHIPS\r\n ; BEGIN_SHIPS\r\n");
    temp.write("Orbiter/Scenarios/Plain/Picture.scn", std::string("BEGIN_SHIPS\r\n\0\x89PNG", 17));
    LoadFile& lf = w.windows().loadFile();
    lf.load();
    lf.FilelisttoLoad.userSelect(indexOf(lf.FilelisttoLoad, "Alpha.scn"));
    lf.Command1.userClick();
    withShip();

    lf.load();
    lf.Dir1.userOpen(in("Plain"));
    const std::pair<const char*, const char*> refused[] = {{"Notes.scn", "it has no BEGIN_ line"},
                                                           {"Picture.scn", "it holds a NUL byte"}};
    for (const auto& [name, reason] : refused) {
        scripted.dialogs.clear();
        lf.FilelisttoLoad.userSelect(indexOf(lf.FilelisttoLoad, name));
        lf.Command1.userClick();
        ASSERT_EQ(messages().size(), 1u) << name;
        EXPECT_EQ(messages()[0].text, "The file " + in("Plain/") + name + " is not a scenario file (" + reason +
                                          "), so it was not opened.");
        EXPECT_EQ(messages()[0].style, ui::MsgExclamation);
        EXPECT_TRUE(lf.loaded());
        EXPECT_EQ(w.state.ScnDir.caption(), platform::withTrailingSeparator(root()));
        EXPECT_EQ(w.state.scnfile.caption(), "Alpha.scn");
        EXPECT_EQ(w.env.Description.text(), "About Alpha\r\n");
        EXPECT_EQ(w.shipTab.ShipName.items(), std::vector<std::string>{"GL-01"});
    }
    EXPECT_EQ(scripted.screen.busyDepth(), 0);
}

// --- Save as ---------------------------------------------------------------------------------

TEST(SaveAsName, CompletionTrimsAndAddsTheExtensionOnce) {
    EXPECT_EQ(SaveAs::CompletedName("  My flight  "), "My flight.scn");
    EXPECT_EQ(SaveAs::CompletedName("Orbit.Scn"), "Orbit.Scn");
    EXPECT_EQ(SaveAs::CompletedName("ORBIT.SCN "), "ORBIT.SCN");
    EXPECT_EQ(SaveAs::CompletedName("   "), ".scn");
    EXPECT_EQ(SaveAs::CompletedName("a.scn.txt"), "a.scn.txt.scn");
}

TEST_F(FileWindowsTest, SaveAsWritesTheNewFileAndTheMainWindowFollowsIt) {
    withShip();
    w.state.scnfile.setCaption("Alpha.scn");
    SaveAs& sa = w.windows().saveAs();
    sa.load();
    EXPECT_FALSE(w.enabled());
    EXPECT_EQ(sa.FileToSave.text(), "NewScenario");
    EXPECT_EQ(sa.Text1.text(), "Root of the tree\r\n");
    sa.Dir1.userOpen(in("Described"));
    EXPECT_EQ(sa.ScenarioFileList.names(), std::vector<std::string>{"Gamma.scn"});
    EXPECT_EQ(sa.Text1.text(), "Described folder\r\n");
    sa.FileToSave.userSetText("  Trip ");
    sa.Command1.userClick();
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(platform::fileExists(in("Described/Trip.scn")));
    EXPECT_FALSE(sa.loaded());
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(w.state.scnfile.caption(), "Trip.scn");
    EXPECT_EQ(w.state.ScnDir.caption(), in("Described/"));
}

TEST_F(FileWindowsTest, SaveAsAsksBeforeReplacingWithTheTriggersOwnButtons) {
    withShip();
    SaveAs& sa = w.windows().saveAs();
    sa.load();
    const std::string before = temp.read("Orbiter/Scenarios/Alpha.scn");
    sa.ScenarioFileList.userSelect(indexOf(sa.ScenarioFileList, "Alpha.scn"));
    EXPECT_EQ(sa.FileToSave.text(), "Alpha.scn");

    scripted.dialogs.queueAnswer(AnswerNo);
    sa.Command1.userClick();
    scripted.dialogs.queueAnswer(AnswerCancel);
    sa.FileToSave.userKeyPress(ui::KeyEnter);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, "Do you want to overwrite it ?");
    EXPECT_EQ(messages()[0].title, "This file already exists.");
    EXPECT_EQ(messages()[0].style, ui::MsgYesNoQuestion);
    EXPECT_EQ(messages()[1].style, ui::MsgOkCancelQuestion);
    EXPECT_TRUE(sa.loaded());
    EXPECT_EQ(sa.FileToSave.text(), "Alpha.scn");
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Alpha.scn"), before);

    scripted.dialogs.queueAnswer(AnswerOk);
    sa.FileToSave.userKeyPress(ui::KeyEnter);
    EXPECT_FALSE(sa.loaded());
    EXPECT_NE(temp.read("Orbiter/Scenarios/Alpha.scn"), before);
}

TEST_F(FileWindowsTest, SaveAsRefusesNamesThatLeaveTheFolder) {
    withShip();
    SaveAs& sa = w.windows().saveAs();
    sa.load();
    sa.Dir1.userOpen(in("Plain"));
    for (const char* name : {"../Escape", "sub/Inner", "..\\Escape"}) {
        sa.FileToSave.userSetText(name);
        sa.Command1.userClick();
        EXPECT_TRUE(sa.loaded()) << name;
    }
    EXPECT_EQ(messages().size(), 3u);
    EXPECT_FALSE(platform::fileExists(in("Escape.scn")));
    EXPECT_EQ(w.state.scnfile.caption(), "");
    // A blank name is a plain name: it saves ".scn".
    sa.FileToSave.userSetText(" ");
    sa.Command1.userClick();
    EXPECT_TRUE(platform::fileExists(in("Plain/.scn")));
}

// --- Delete ----------------------------------------------------------------------------------

TEST_F(FileWindowsTest, DeleteRefusesTheStandardScenariosByExactName) {
    DeleteFile& df = w.windows().deleteFile();
    df.load();
    EXPECT_FALSE(w.enabled());
    for (const char* name : {"(Current state).scn", "(Quicksave state).scn"}) {
        df.FileListtoDelete.userSelect(indexOf(df.FileListtoDelete, name));
        df.Command1.userClick();
        EXPECT_TRUE(platform::fileExists(in(name)));
    }
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, "This file must not be deleted !");
    EXPECT_EQ(messages()[0].title, "Warning");
    EXPECT_EQ(messages()[0].style, ui::MsgExclamation);

    if (platform::listFiles(root(), "(current state).scn").size() == 2) { // letter case makes a name
        df.FileListtoDelete.userSelect(indexOf(df.FileListtoDelete, "(current state).scn"));
        df.Command1.userClick();
        EXPECT_EQ(messages().back().text, "Are you sure ?");
        EXPECT_FALSE(platform::fileExists(in("(current state).scn")));
    }
    df.Command2.userClick();
    EXPECT_TRUE(w.enabled());
}

TEST_F(FileWindowsTest, DeleteAsksWithTheTriggersOwnButtonsAndSelectsTheNextFile) {
    DeleteFile& df = w.windows().deleteFile();
    df.load();
    df.FileListtoDelete.userSelect(indexOf(df.FileListtoDelete, "Alpha.scn"));
    EXPECT_EQ(df.Text1.text(), "About Alpha\r\n");

    scripted.dialogs.queueAnswer(AnswerNo);
    df.Command1.userClick();
    EXPECT_EQ(messages().back().style, ui::MsgYesNoQuestion);
    EXPECT_EQ(messages().back().title, "Confirmation before deleting");
    scripted.dialogs.queueAnswer(AnswerCancel);
    df.FileListtoDelete.userKeyPress(ui::KeyEnter);
    EXPECT_EQ(messages().back().style, ui::MsgOkCancelQuestion);
    EXPECT_TRUE(platform::fileExists(in("Alpha.scn")));

    // The button: the first remaining file is selected and described.
    df.Command1.userClick();
    EXPECT_FALSE(platform::fileExists(in("Alpha.scn")));
    EXPECT_TRUE(platform::fileExists(in("Plain/Alpha.scn")));
    EXPECT_EQ(df.FileListtoDelete.listIndex(), 0);
    EXPECT_EQ(df.Text1.text(), "Current\r\n");

    // The double-click asks OK/Cancel and leaves nothing selected.
    df.FileListtoDelete.userDoubleClick(indexOf(df.FileListtoDelete, "Beta.scn"));
    EXPECT_EQ(messages().back().style, ui::MsgOkCancelQuestion);
    EXPECT_FALSE(platform::fileExists(in("Beta.scn")));
    EXPECT_EQ(df.FileListtoDelete.listIndex(), -1);
    EXPECT_EQ(df.Text1.text(), "");
    EXPECT_TRUE(df.loaded());
}

TEST_F(FileWindowsTest, DeleteWithNothingSelectedOrTheLastFileLeavesNothingSelected) {
    DeleteFile& df = w.windows().deleteFile();
    df.load();
    df.Dir1.userOpen(in("Described"));
    df.Command1.userClick();
    EXPECT_TRUE(messages().empty());
    df.FileListtoDelete.userSelect(0);
    df.FileListtoDelete.userKeyPress(ui::KeyEnter);
    EXPECT_EQ(df.FileListtoDelete.listCount(), 0);
    EXPECT_EQ(df.FileListtoDelete.listIndex(), -1);
    EXPECT_EQ(df.Text1.text(), "");
}

// --- Folder management -----------------------------------------------------------------------

TEST_F(FileWindowsTest, FolderManagementStartsAtTheRootAndLeavesTheMainWindowEnabled) {
    w.state.ScnDir.setCaption(in("Plain/"));
    FolderManagement& fm = w.windows().folderManagement();
    fm.load();
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(fm.Dir1.path(), root());
    EXPECT_EQ(fm.Text1.text(), "Root of the tree\r\n");
    fm.Dir1.userOpen(in("Plain"));
    EXPECT_EQ(fm.Text1.text(), "");
    fm.Command4.userClick();
    EXPECT_FALSE(fm.loaded());
}

TEST_F(FileWindowsTest, InsertNewFolderCreatesItOrGivesTheOneMessage) {
    FolderManagement& fm = w.windows().folderManagement();
    fm.load();
    scripted.dialogs.queueInput("");
    fm.Command1.userClick();
    EXPECT_TRUE(messages().empty());
    ASSERT_EQ(scripted.dialogs.prompts().size(), 1u);
    EXPECT_EQ(scripted.dialogs.prompts()[0], "Please, enter the folder name.");

    scripted.dialogs.queueInput("Missions");
    fm.Command1.userClick();
    EXPECT_TRUE(platform::folderExists(in("Missions")));
    EXPECT_NE(std::find(fm.Dir1.subFolders().begin(), fm.Dir1.subFolders().end(), "Missions"),
              fm.Dir1.subFolders().end());

    for (const char* refused : {"Missions", "../Outside", "..", "a/b"}) {
        scripted.dialogs.queueInput(refused);
        fm.Command1.userClick();
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages().back().text, "A folder with the same name already exists..") << refused;
        EXPECT_EQ(messages().back().title, "Operation aborted !");
        EXPECT_EQ(messages().back().style, ui::MsgCritical);
    }
    EXPECT_EQ(messages().size(), 4u);
    EXPECT_FALSE(platform::folderExists(temp / "Orbiter/Outside"));
}

TEST_F(FileWindowsTest, DeleteFolderRemovesOnlyFoldersWithNothingButADescription) {
    FolderManagement& fm = w.windows().folderManagement();
    fm.load();

    // A folder with scenarios is refused before anything in it is touched.
    fm.Dir1.userOpen(in("Described"));
    fm.Text1.userSetText("Edited but not saved");
    fm.Command2.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "This folder contains files. Operation aborted");
    EXPECT_EQ(messages()[0].title, "You may only delete an empty folder !");
    EXPECT_EQ(messages()[0].style, ui::MsgCritical);
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Described/Description.txt"),
              test::crlf({"BEGIN_DESC", "Described folder", "END_DESC"}));
    EXPECT_TRUE(platform::fileExists(in("Described/Gamma.scn")));

    // The root is never removed.
    fm.Dir1.userOpen(root());
    fm.Command2.userClick();
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_TRUE(platform::folderExists(root()));

    // A folder holding only its description goes, after a Yes, and the list shows its parent.
    temp.write("Orbiter/Scenarios/Empty/description.txt", test::crlf({"BEGIN_DESC", "x", "END_DESC"}));
    fm.Dir1.userOpen(in("Empty"));
    scripted.dialogs.queueAnswer(AnswerNo);
    fm.Command2.userClick();
    EXPECT_EQ(messages().back().text, "Are you sure ?");
    EXPECT_EQ(messages().back().style, ui::MsgYesNoQuestion);
    EXPECT_TRUE(platform::fileExists(in("Empty/description.txt")));
    fm.Command2.userClick();
    EXPECT_FALSE(platform::folderExists(in("Empty")));
    EXPECT_EQ(fm.Dir1.path(), root());
    EXPECT_EQ(fm.Text1.text(), "Root of the tree\r\n");
}

TEST_F(FileWindowsTest, SaveFolderDescriptionWritesTheOpenFolderOnly) {
    FolderManagement& fm = w.windows().folderManagement();
    fm.load();
    fm.Dir1.userOpen(in("Plain"));
    fm.Text1.userSetText("Practice runs\r\n");
    fm.Command3.userClick();
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Plain/description.txt"),
              "BEGIN_DESC\r\nPractice runs\r\nEND_DESC\r\n");
    fm.Dir1.userOpen(root());
    fm.Dir1.userOpen(in("Plain"));
    EXPECT_EQ(fm.Text1.text(), "Practice runs\r\n");
    EXPECT_EQ(temp.read("Orbiter/Scenarios/description.txt"),
              test::crlf({"BEGIN_DESC", "Root of the tree", "END_DESC"}));
    EXPECT_TRUE(messages().empty());
}

// "Save folder description" turned a folder's HYPERDESC into an empty DESC. The box holds the
// DESC text only; the HTML is shown beside it and kept, and a blank box saves nothing.
TEST_F(FileWindowsTest, SaveFolderDescriptionKeepsTheHtmlBlock) {
    const std::string html = "BEGIN_HYPERDESC\n<h1>Gliders</h1>\n<p>Fast &amp; light</p>\nEND_HYPERDESC";
    temp.write("Orbiter/Scenarios/Html/Description.txt", html);
    temp.write("Orbiter/Scenarios/Html/Glide.scn", test::crlf({"BEGIN_URLDESC", "Help,Glide", "END_URLDESC",
                                                               "BEGIN_ENVIRONMENT", "END_ENVIRONMENT"}));
    FolderManagement& fm = w.windows().folderManagement();
    fm.load();
    fm.Dir1.userOpen(in("Html"));
    EXPECT_EQ(fm.Text1.text(), "");
    EXPECT_TRUE(fm.DescriptionHtml.visible());
    EXPECT_EQ(fm.DescriptionHtml.caption(), "Gliders\r\nFast & light");

    fm.Command3.userClick();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].style, ui::MsgInformation);
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Html/Description.txt"), html);

    fm.Text1.userSetText("For pilots\r\n");
    fm.Command3.userClick();
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Html/Description.txt"),
              html + "\nBEGIN_DESC\nFor pilots\nEND_DESC");
    EXPECT_EQ(messages().size(), 1u);

    fm.Dir1.userOpen(in("Plain"));
    EXPECT_FALSE(fm.DescriptionHtml.visible());

    // The load window previews the DESC once the folder has one, the HTML text before.
    LoadFile& lf = w.windows().loadFile();
    lf.load();
    lf.Dir1.userOpen(in("Html"));
    EXPECT_EQ(lf.Text2.text(), "For pilots\r\n");
    temp.write("Orbiter/Scenarios/Html/Description.txt", html);
    lf.Dir1.userOpen(root());
    lf.Dir1.userOpen(in("Html"));
    EXPECT_EQ(lf.Text2.text(), "Gliders\r\nFast & light");
    // A scenario without DESC is previewed by its help page; the first tab's field gets no
    // text from the preview.
    lf.FilelisttoLoad.userSelect(indexOf(lf.FilelisttoLoad, "Glide.scn"));
    EXPECT_EQ(lf.Text1.text(), "Description in the help page Help,Glide");
    lf.Command1.userClick();
    EXPECT_EQ(w.state.scnfile.caption(), "Glide.scn");
    EXPECT_EQ(w.env.Description.text(), "");
}

TEST_F(FileWindowsTest, MissingScenarioFolderIsReportedAndNothingIsCreated) {
    w.cat.OrbiterFolder = temp / "Nowhere/";
    FolderManagement& fm = w.windows().folderManagement();
    fm.load();
    ASSERT_EQ(messages().size(), 1u);
    scripted.dialogs.queueInput("Stray");
    fm.Command1.userClick();
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_FALSE(platform::folderExists(temp / "Nowhere"));

    // The other windows say so too, rather than opening on an empty list.
    withShip();
    for (ui::Window* window : std::initializer_list<ui::Window*>{&w.windows().loadFile(), &w.windows().saveAs(),
                                                                 &w.windows().deleteFile()}) {
        const size_t before = messages().size();
        window->load();
        ASSERT_EQ(messages().size(), before + 1) << window->name();
        EXPECT_EQ(messages().back().title, "Folder not found");
        scripted.screen.unload(*window);
    }
    w.windows().saveAs().load();
    w.windows().saveAs().Command1.userClick();
    EXPECT_FALSE(platform::folderExists(temp / "Nowhere"));
}

} // namespace
} // namespace vantrel
