// The rules every scenario-file window shares: confinement to the tree, folder descriptions,
// and the names a person may type.

#include "ScenarioTree.h"

#include "core/files/Description.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/ui/FileControls.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ScenarioTree;

TEST(ScenarioFolders, RootIsTheSimulatorFolderJoinedWithTheScenarioFolder) {
    ScenarioTree t;
    EXPECT_EQ(scenarioRoot(t.w), t.temp / "Orbiter/Scenarios/");
}

TEST(ScenarioFolders, ConfinementCatchesEveryFolderOutsideTheTree) {
    ScenarioTree t;
    ui::FolderList dir("Dir1");
    int changes = 0;
    dir.onChange = [&] {
        ++changes;
        confineFolderList(dir, scenarioRoot(t.w));
    };
    // A sibling whose path is longer than the root is still outside.
    dir.setPath(t.temp / "Orbiter/ScenariosOutside");
    EXPECT_EQ(dir.path(), t.root());
    // So is the parent, and the parent reached through "..".
    dir.setPath(t.in("Plain"));
    dir.setPath(t.in("Plain/../.."));
    EXPECT_EQ(dir.path(), t.root());
    dir.setPath(t.in("Described"));
    EXPECT_EQ(dir.path(), t.in("Described"));
    EXPECT_GE(changes, 5);
}

TEST(ScenarioFolders, FolderDescriptionIsEmptyWithoutAFileAndFoundInAnyCase) {
    ScenarioTree t;
    EXPECT_EQ(folderDescription(t.root()), "Root of the tree\r\n");
    EXPECT_EQ(folderDescription(t.in("Described")), "Described folder\r\n");
    EXPECT_EQ(folderDescriptionPath(t.in("Described")), t.in("Described/Description.txt"));
    EXPECT_EQ(folderDescription(t.in("Plain")), "");
    EXPECT_EQ(folderDescriptionPath(t.in("Plain")), t.in("Plain/description.txt"));
}

TEST(ScenarioFolders, SavedDescriptionReadsBackUnchangedAndKeepsTheFileName) {
    ScenarioTree t;
    // Saving what was read does not add an empty line each time.
    for (int round = 0; round < 3; ++round)
        ASSERT_EQ(saveFolderDescription(t.in("Described"), folderDescription(t.in("Described"))), "");
    EXPECT_EQ(folderDescription(t.in("Described")), "Described folder\r\n");
    EXPECT_EQ(platform::listFiles(t.in("Described"), "*.txt"), std::vector<std::string>{"Description.txt"});

    ASSERT_EQ(saveFolderDescription(t.in("Plain"), "Two\r\nlines"), "");
    EXPECT_EQ(t.temp.read("Orbiter/Scenarios/Plain/description.txt"),
              "BEGIN_DESC\r\nTwo\r\nlines\r\nEND_DESC\r\n");
    EXPECT_EQ(folderDescription(t.in("Plain")), "Two\r\nlines\r\n");
}

TEST(ScenarioFolders, OnlyAFolderWithNothingButItsDescriptionCountsAsEmpty) {
    ScenarioTree t;
    EXPECT_TRUE(holdsOnlyDescription(t.in("Empty")));
    t.temp.write("Orbiter/Scenarios/Empty/DESCRIPTION.TXT", "BEGIN_DESC\r\nEND_DESC\r\n");
    EXPECT_TRUE(holdsOnlyDescription(t.in("Empty")));
    EXPECT_FALSE(holdsOnlyDescription(t.in("Described")));
    t.temp.makeFolder("Orbiter/Scenarios/Empty/Child");
    EXPECT_FALSE(holdsOnlyDescription(t.in("Empty")));
    t.temp.write("Orbiter/Scenarios/Plain2/.hidden", "x");
    EXPECT_FALSE(holdsOnlyDescription(t.in("Plain2")));
}

TEST(ScenarioFolders, TypedNamesMustStayInTheirFolder) {
    for (const char* bad : {"", ".", "..", "a/b", "..\\up", "/abs"})
        EXPECT_FALSE(isPlainName(bad)) << bad;
    for (const char* good : {"New scenario folder", " blanks ", ".scn", "a.b", "..x"})
        EXPECT_TRUE(isPlainName(good)) << good;
}

} // namespace
} // namespace vantrel
