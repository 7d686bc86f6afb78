// vantrel-scn resave, run as a person runs it.

#include "support/MiniInstallation.h"
#include "support/ShellQuote.h"
#include "support/TempFolder.h"

#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>
#include <string>

namespace vantrel::test {
namespace {

struct ToolRun {
    int status = -1;
    std::string err;
};

ToolRun resave(const TempFolder& temp, const std::string& orbiter, const std::string& in, const std::string& out) {
    const std::string errFile = temp / "stderr.txt";
    const std::string command = quoted(VANTREL_SCN) + " resave " + quoted(orbiter) + " " + quoted(in) + " " +
                                quoted(out) + " >/dev/null 2>" + quoted(errFile);
    ToolRun result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.err = temp.read("stderr.txt");
    return result;
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
    EXPECT_NE(std::string::npos, run.err.find("missing folder/out.scn"));

    run = resave(temp, install.folder, good, temp / "out.scn");
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    EXPECT_EQ(2, resave(temp, install.folder, good, "").status);
}

} // namespace
} // namespace vantrel::test
