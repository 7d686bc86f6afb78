// vantrel-scn resave, run as a person runs it.

#include "support/MiniInstallation.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel::test {
namespace {

ToolRun resave(const TempFolder& temp, const std::string& orbiter, const std::string& in, const std::string& out) {
    return runScn(temp, {"resave", orbiter, in, out});
}

// The scenarios of the sample, of tests/data, and of the simulator's own when ../shared/corpus is
// there, each resaved on its own installation (the sample's for tests/data): the bytes read.
TEST(ResaveCommand, EveryScenarioResavedGivesItsBytes) {
    const std::string corpus = std::string(VANTREL_CORPUS_DIR) + "/orbiter-2016";
    const std::pair<std::string, std::string> roots[] = {{VANTREL_SAMPLE_DIR, VANTREL_SAMPLE_DIR "/Scenarios"},
                                                         {VANTREL_SAMPLE_DIR, VANTREL_TEST_DATA_DIR},
                                                         {corpus, corpus}};
    TempFolder temp;
    int files = 0;
    for (const auto& [orbiter, root] : roots) {
        std::vector<std::string> folders{root};
        while (!folders.empty() && platform::folderExists(root)) {
            const std::string folder = folders.back();
            folders.pop_back();
            for (const std::string& sub : platform::listFolders(folder))
                folders.push_back(folder + "/" + sub);
            for (const std::string& name : platform::listFiles(folder, "*.scn")) {
                ++files;
                const std::string file = folder + "/" + name;
                const ToolRun run = resave(temp, orbiter, file, temp / "resaved.scn");
                ASSERT_EQ(0, run.status) << file << ": " << run.err;
                EXPECT_TRUE(platform::readFile(file) == platform::readFile(temp / "resaved.scn")) << file;
            }
        }
    }
    EXPECT_GT(files, 10);
}

// Names outside the ANSI code pages reach the program and its files whole, on Windows through
// the wide command line and file functions: the scenario opens, saves, and replaces a file.
TEST(ResaveCommand, ScenariosNamedOutsideTheAnsiCodePageOpenAndSave) {
    TempFolder temp;
    const std::string welcome = platform::readFile(VANTREL_SAMPLE_DIR "/Scenarios/Welcome.scn").value_or("");
    ASSERT_FALSE(welcome.empty());
    const std::string greek = temp.write("\xce\x96-1.scn", welcome);                      // Zeta-1
    const std::string moon = temp / "\xe6\x9c\x88\xe9\x9d\xa2.scn";                     // "moon surface"
    ToolRun run = resave(temp, VANTREL_SAMPLE_DIR, greek, moon);
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_TRUE(platform::readFile(moon) == welcome);
    temp.write("\xce\x96-1.scn", "the file to be replaced");
    run = resave(temp, VANTREL_SAMPLE_DIR, moon, greek);
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_TRUE(platform::readFile(greek) == welcome);
    EXPECT_EQ(runScn(temp, {"vessels", VANTREL_SAMPLE_DIR, moon}).out,
              runScn(temp, {"vessels", VANTREL_SAMPLE_DIR, VANTREL_SAMPLE_DIR "/Scenarios/Welcome.scn"}).out);
}

TEST(ResaveCommand, RefusalsAndFailuresExitWithOne) {
    TempFolder temp;
    const MiniInstallation install = writeMiniInstallation(temp);
    const std::string noShips = temp.write("noships.scn", crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT",
                                                               "BEGIN_STATIONS", "Alpha:ISS", "  REF", "END",
                                                               "END_STATIONS"}));
    ToolRun run = resave(temp, install.folder, noShips, temp / "out.scn");
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find("You must have at least one ship in the scenario !\n"));
    EXPECT_NE(std::string::npos, run.err.find("scanlog\tCan not open the file " + noShips + "\n"));
    EXPECT_FALSE(platform::fileExists(temp / "out.scn"));

    const std::string notes = temp.write("notes.scn", "Shopping list\r\n");
    run = resave(temp, install.folder, notes, temp / "out.scn");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(run.err, "vantrel-scn: The file " + notes + " is not a scenario file (it has no BEGIN_ line), so it "
                       "was not opened.\n");
    EXPECT_FALSE(platform::fileExists(temp / "out.scn"));

    const std::string good = temp.write("good.scn", crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT",
                                                         "BEGIN_SHIPS", "S:DeltaGlider", "  STATUS Orbiting Earth",
                                                         "  RPOS 1 2 3", "  RVEL 1 2 3", "  AROT 1 2 3", "END",
                                                         "END_SHIPS"}));
    run = resave(temp, install.folder, good, temp / "missing folder/out.scn");
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find(platform::nativeSeparators("missing folder/out.scn")));

    run = resave(temp, install.folder, good, temp / "out.scn");
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    EXPECT_EQ(2, resave(temp, install.folder, good, "").status);
}

} // namespace
} // namespace vantrel::test
