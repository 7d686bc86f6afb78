#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/ScriptedServices.h"
#include "core/ui/TreeView.h"
#include "core/ui/Window.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

struct CountingObserver : ControlObserver {
    int changes = 0;
    void controlChanged(Control&) override { ++changes; }
};

TEST(ListControl, SettingTheIndexRaisesClickAndShowsTheEntry) {
    ComboBox combo("Hour");
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    combo.addItem("0");
    combo.addItem("1");
    combo.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.text(), "1");
    combo.setListIndex(1); // the same entry again still raises the click
    EXPECT_EQ(clicks, 2);
    combo.setListIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo.listIndex(), -1);
    combo.setListIndex(5); // outside the list: nothing selected, no click
    EXPECT_EQ(clicks, 2);
}

TEST(ListControl, ClearingEmptiesItemsSelectionAndText) {
    ComboBox combo("StationName", true);
    combo.addItem("ISS");
    combo.setListIndex(0);
    combo.clear();
    EXPECT_EQ(combo.listCount(), 0);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "");
}

TEST(ListControl, RemovingEntriesKeepsTheSelectionOnItsEntry) {
    ListBox list("Buffer");
    for (const char* s : {"a", "b", "c"})
        list.addItem(s);
    list.setListIndex(2);
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.text(), "c");
    list.removeItem(1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    list.removeItem(7); // outside: nothing happens
    EXPECT_EQ(list.listCount(), 1);
    EXPECT_EQ(list.list(3), "");
}

TEST(ListControl, TypingIntoAnEditableComboLosesTheSelection) {
    ComboBox combo("ShipName", true);
    int changes = 0, clicks = 0;
    combo.onChange = [&] { ++changes; };
    combo.onClick = [&] { ++clicks; };
    combo.addItem("GL-01");
    combo.userSelect(0);
    combo.userSetText("GL-02");
    EXPECT_EQ(combo.text(), "GL-02");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
}

TEST(CheckBox, SettingTheValueRaisesClickEvenWhenUnchanged) {
    CheckBox box("Check1");
    std::vector<int> seen;
    box.onClick = [&] { seen.push_back(box.value()); };
    box.setValue(1);
    box.setValue(1);
    box.userToggle();
    EXPECT_EQ(seen, (std::vector<int>{1, 1, 0}));
}

TEST(OptionButton, SelectingOneClearsTheOthersOfItsGroupAndRaisesItsClick) {
    OptionGroup status, other;
    OptionButton landed("LandedShipOption", "Landed", status);
    OptionButton docked("DockedShipOption", "Docked", status);
    OptionButton elsewhere("Elsewhere", "Elsewhere", other);
    int landedClicks = 0, dockedClicks = 0;
    landed.onClick = [&] { ++landedClicks; };
    docked.onClick = [&] { ++dockedClicks; };
    elsewhere.setValue(true);
    landed.setValue(true);
    docked.setValue(true);
    EXPECT_FALSE(landed.value());
    EXPECT_TRUE(docked.value());
    EXPECT_TRUE(elsewhere.value());
    EXPECT_EQ(landedClicks, 1);
    EXPECT_EQ(dockedClicks, 1);
    docked.setValue(false); // deselecting raises nothing
    EXPECT_FALSE(docked.value());
    EXPECT_EQ(dockedClicks, 1);
}

TEST(Slider, OnlyAPersonsMoveRaisesChangeAndPositionsStayInRange) {
    Slider slider("MainEngineStatusSlider", -100, 100);
    int changes = 0;
    slider.onChange = [&] { ++changes; };
    slider.setValue(50);
    EXPECT_EQ(changes, 0);
    slider.userSetValue(-300);
    EXPECT_EQ(slider.value(), -100);
    EXPECT_EQ(changes, 1);
}

TEST(TextField, ChangeIsRaisedOncePerRealEdit) {
    TextField field("StationXAngle");
    int changes = 0;
    field.onChange = [&] { ++changes; };
    field.setText("12");
    field.setText("12");
    field.userSetText("13");
    EXPECT_EQ(changes, 2);
    int key = 0;
    field.onKeyPress = [&](int k) { key = k; };
    field.userKeyPress(KeyEnter);
    EXPECT_EQ(key, 13);
}

TEST(Control, EveryMutationTellsTheObserverOnce) {
    Label label("ShipFocus");
    CountingObserver observer;
    label.setObserver(&observer);
    label.setCaption("GL-01");
    label.setCaption("GL-01"); // no change, no notice
    label.setVisible(false);
    label.setEnabled(false);
    EXPECT_EQ(observer.changes, 3);
}

TEST(TreeView, NodesAreAddressedByInsertionPositionWithParentsAndChildren) {
    TreeView tree("ShipDockedTree");
    const int earth = tree.add(0, "Earth", 1);
    const int moon = tree.add(earth, "   Moon", 2);
    const int iss = tree.add(earth, "ISS", 3);
    const int dock1 = tree.add(iss, "Dock  1", 6);
    const int dock2 = tree.add(iss, "Dock  2", 6);
    tree.add(dock2, "GL-01", 7);
    EXPECT_EQ(tree.count(), 6);
    EXPECT_EQ(moon, 2);
    EXPECT_EQ(tree.node(iss).parent, earth);
    EXPECT_EQ(tree.node(iss).children, 2);
    EXPECT_EQ(tree.node(dock1).children, 0);
    EXPECT_EQ(tree.root(6), earth);
    tree.expand(iss);
    EXPECT_TRUE(tree.node(iss).expanded);
}

TEST(TreeView, RemovingANodeRemovesItsDescendantsAndRenumbers) {
    TreeView tree("ShipLandingTree");
    const int earth = tree.add(0, "Earth", 1);
    const int base = tree.add(earth, "Habana", 4);
    const int pad = tree.add(base, "Landing pad  1", 5);
    tree.add(pad, "GL-01", 7);
    const int mars = tree.add(0, "Mars", 1);
    tree.add(mars, "Olympus", 4);
    tree.remove(base);
    ASSERT_EQ(tree.count(), 3);
    EXPECT_EQ(tree.node(2).text, "Mars");
    EXPECT_EQ(tree.node(3).parent, 2);
    EXPECT_EQ(tree.node(1).children, 0);

    tree.add(3, "ship", 7);
    tree.add(1, "ship", 7);
    tree.removeIf([](const TreeView::Node& n) { return n.image == 7; });
    EXPECT_EQ(tree.count(), 3);
    EXPECT_EQ(tree.node(3).children, 0);
}

TEST(TreeView, DoubleClickSelectsTheNodeAndRaisesTheEvent) {
    TreeView tree("ShipDockedTree");
    tree.add(0, "Earth", 1);
    tree.add(1, "ISS", 3);
    int seen = 0;
    tree.onDblClick = [&] { seen = tree.selected(); };
    tree.userDoubleClick(2);
    EXPECT_EQ(seen, 2);
}

TEST(FolderList, ChangeIsRaisedOnlyWhenThePathChanges) {
    test::TempFolder temp;
    temp.makeFolder("Scenarios/Demo");
    FolderList dir("Dir1");
    int changes = 0;
    dir.onChange = [&] { ++changes; };
    EXPECT_TRUE(dir.setPath(temp / "Scenarios"));
    EXPECT_TRUE(dir.setPath(temp / "Scenarios/"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dir.subFolders(), std::vector<std::string>{"Demo"});
    EXPECT_FALSE(dir.setPath(temp / "Missing"));
    EXPECT_EQ(dir.path(), temp / "Scenarios");
    EXPECT_EQ(changes, 1);
}

TEST(FolderList, ChainRunsFromTheTopDownToThePath) {
    test::TempFolder temp;
    temp.makeFolder("Scenarios/Demo");
    FolderList dir("Dir1");
    EXPECT_TRUE(dir.chain().empty());
    ASSERT_TRUE(dir.setPath(temp / "Scenarios/Demo"));
    const auto chain = dir.chain();
    ASSERT_GE(chain.size(), 3u);
    EXPECT_EQ(chain.front().name, chain.front().path); // the top, whole
    EXPECT_EQ(chain[chain.size() - 2], (FolderList::ShownFolder{temp / "Scenarios", "Scenarios"}));
    EXPECT_EQ(chain.back(), (FolderList::ShownFolder{temp / "Scenarios/Demo", "Demo"}));
    for (size_t i = 1; i < chain.size(); ++i)
        EXPECT_EQ(chain[i].path.rfind(chain[i - 1].path, 0), 0u) << chain[i].path;
}

TEST(FileList, ListsMatchingNamesSortedIgnoringCase) {
    test::TempFolder temp;
    for (const char* name : {"b.scn", "A.SCN", "c.txt", "(Current state).scn"})
        temp.write(std::string("S/") + name, "");
    FileList files("File1", "*.scn");
    files.setPath(temp / "S");
    EXPECT_EQ(files.names(), (std::vector<std::string>{"(Current state).scn", "A.SCN", "b.scn"}));
    int clicks = 0;
    files.onClick = [&] { ++clicks; };
    files.setListIndex(2);
    EXPECT_EQ(files.fileName(), "b.scn");
    temp.write("S/a0.scn", "");
    files.refresh();
    EXPECT_EQ(files.fileName(), "b.scn"); // the selection follows its name
    EXPECT_EQ(clicks, 1);
}

TEST(ScriptedServices, RecordMessagesAnswerFromTheQueueAndRunModalScripts) {
    ScriptedServices s;
    s.dialogs.queueAnswer(AnswerNo);
    EXPECT_EQ(s.dialogs.msgBox("Sure?", MsgYesNoQuestion, "Exit confirmation"), AnswerNo);
    EXPECT_EQ(s.dialogs.msgBox("Done."), AnswerOk);
    EXPECT_EQ(s.dialogs.msgBox("Again?", MsgYesNoQuestion), AnswerYes);
    ASSERT_EQ(s.dialogs.messages().size(), 3u);
    EXPECT_EQ(s.dialogs.messages()[1].title, "Vantrel");
    EXPECT_EQ(s.dialogs.messages()[0].style, 36);

    struct Dialog : Window {
        Dialog() : Window("LoadFile", "Load") {}
        int loads = 0, unloads = 0;
        void Form_Load() override { ++loads; }
        void Form_Unload() override { ++unloads; }
    } dialog;
    bool ran = false;
    s.screen.onModal("LoadFile", [&](Window& w) {
        ran = w.loaded();
        s.screen.unload(w);
    });
    s.screen.showModal(dialog);
    EXPECT_TRUE(ran);
    EXPECT_EQ(dialog.loads, 1);
    EXPECT_EQ(dialog.unloads, 1);
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(s.screen.log(), (std::vector<std::string>{"modal LoadFile", "unload LoadFile"}));
}

} // namespace
} // namespace vantrel::ui
