// vantrel-scn check: the batch validation of scenario files, run as a person runs it.

#include "support/MiniInstallation.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include "core/platform/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {

namespace {

struct CheckRun {
    int status = -1;
    std::string out;
};

CheckRun check(const std::vector<std::string>& args) {
    test::TempFolder temp;
    std::vector<std::string> arguments{"check"};
    arguments.insert(arguments.end(), args.begin(), args.end());
    const test::ToolRun run = test::runScn(temp, arguments);
    return {run.status, run.out};
}

class CheckCommandTest : public ::testing::Test {
protected:
    CheckCommandTest() : mini(test::writeMiniInstallation(temp)) {}

    // A scenario around Earth (radius 6371010 m, atmosphere 200000 m in the test installation).
    std::string scenario(const std::string& name, std::initializer_list<const char*> stations,
                         std::initializer_list<const char*> ships) {
        std::vector<const char*> lines = {"BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 51982.5", "END_ENVIRONMENT",
                                          "BEGIN_FOCUS", "  Ship GL-01", "END_FOCUS", "BEGIN_STATIONS"};
        lines.insert(lines.end(), stations);
        lines.push_back("END_STATIONS");
        lines.push_back("BEGIN_SHIPS");
        lines.insert(lines.end(), ships);
        lines.push_back("END_SHIPS");
        std::string text;
        for (const char* line : lines)
            text += std::string(line) + "\r\n";
        return temp.write("Orbiter/Scenarios/Checks/" + name, text);
    }

    test::TempFolder temp;
    test::MiniInstallation mini;
};

TEST_F(CheckCommandTest, CleanScenarioHasNoFinding) {
    const std::string file = scenario("Clean.scn",
                                      {"Alpha:ISS", "  REF Earth", "  EL_MJD 51982", "  ELEMENTS 6778000 0.0005 51.6 120 30 45",
                                       "  AROT 0 0 0", "END"},
                                      {"GL-01:DeltaGlider", "  STATUS Landed Earth", "  BASE Habana:2", "  HEADING 90",
                                       "  FUEL 1", "END", "SH-01:ShuttleA", "  STATUS Docked Earth:Alpha:2", "END"});
    const std::string before = temp.read("Orbiter/Scenarios/Checks/Clean.scn");
    const CheckRun run = check({mini.folder, file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Checks/Clean.scn"), before);
}

TEST_F(CheckCommandTest, EachRefusalIsOneLineAndNothingIsWritten) {
    const std::string file = scenario(
        "Broken.scn",
        {"Low:ISS", "  REF Earth", "  EL_MJD 51982", "  ELEMENTS 6000000 0 0 0 0 0", "  AROT 0 0 0", "END",
         "Spin:Wheel", "  REF Earth", "  EL_MJD 51982", "  ELEMENTS 7000000 0 0 0 0 0", "END"},
        {"GL-01:DeltaGlider", "  STATUS Landed Earth", "  BASE Habana:2", "END", "Sink:ShuttlePB",
         "  STATUS Orbiting Earth", "  RPOS 1000 0 0", "  RVEL 0 0 0", "  AROT 0 400 0", "END"});
    const std::string before = temp.read("Orbiter/Scenarios/Checks/Broken.scn");
    const CheckRun run = check({mini.folder, file});
    EXPECT_EQ(run.status, 1);
    // FILE, the vessel's head line, severity, code, vessel, the message box's lines joined.
    EXPECT_EQ(run.out,
              file + "\t9\terror\teditor\tLow\tThe station orbit crosses the planet atmosphere or the planet surface; "
                     "check the excentricity or the semi-major axis. | The station orbit semi-major axis is equal to  "
                     "6000000 m although the mean radius and atmosphere of Earth is equal to  6571010 m\n" +
                  file + "\t15\terror\teditor\tSpin\tThe station frame rotation angle around X axis is not correct. | "
                         "The station frame rotation angle around Y axis is not correct. | The station frame rotation "
                         "angle around Z axis is not correct.\n" +
                  // A landed ship without a heading line carries the blank heading.
                  file + "\t22\terror\teditor\tGL-01\tYou must must enter a correct heading.\n" +
                  file + "\t26\terror\teditor\tSink\tThe object frame rotation angle orientation on axis Y is not "
                         "correct. | The ship is located inside the planet; adjust the position parameters relative to "
                         "reference.\n");
    // The same findings as FILE:LINE: SEVERITY: TEXT [CODE].
    const CheckRun gcc = check({"--format=gcc", mini.folder, file});
    EXPECT_EQ(gcc.status, 1);
    EXPECT_NE(gcc.out.find(file + ":22: error: You must must enter a correct heading. [editor]\n"), std::string::npos)
        << gcc.out;
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Checks/Broken.scn"), before);
}

TEST_F(CheckCommandTest, UnreadableFileGivesStatusTwoAndTheOthersAreStillChecked) {
    const std::string missing = temp / "Orbiter/Scenarios/Nothing here.scn";
    const std::string demo = mini.scenarioFolder + "Demo.scn";
    const CheckRun run = check({mini.folder, missing, demo});
    EXPECT_EQ(run.status, 2);
    // Demo's second station has no rotation angles.
    EXPECT_NE(run.out.find(demo + "\t21\terror\teditor\tOutpost\t"), std::string::npos) << run.out;
}

TEST_F(CheckCommandTest, FolderArgumentAndNoFileCheckTheirScenarios) {
    const CheckRun tours = check({mini.folder, mini.scenarioFolder + "Tours"});
    EXPECT_EQ(tours.status, 0) << tours.out;

    // Without a file every scenario below the installation's scenario folder is checked.
    const CheckRun all = check({mini.folder});
    EXPECT_EQ(all.status, 1);
    EXPECT_NE(all.out.find("Demo.scn\t21\terror\teditor\tOutpost\t"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("(Current state).scn\t21\terror\teditor\tOutpost\t"), std::string::npos) << all.out;

    // A link back up the tree: every scenario is still checked once, and the walk ends.
    std::error_code ec;
    std::filesystem::create_directory_symlink(mini.scenarioFolder, mini.scenarioFolder + "Tours/Up", ec);
    if (ec)
        GTEST_SKIP() << "no folder links here: " << ec.message();
    const CheckRun linked = check({mini.folder, mini.scenarioFolder + "Tours"});
    EXPECT_EQ(linked.status, 1);
    const std::string finding = "Demo.scn\t21\terror\teditor\tOutpost\t";
    const size_t first = linked.out.find(finding);
    EXPECT_NE(first, std::string::npos) << linked.out;
    EXPECT_EQ(linked.out.find(finding, first + 1), std::string::npos) << linked.out;
}

// --fix writes the reciprocal token a link lacks, says so, and checks what is left: nothing here.
TEST_F(CheckCommandTest, FixAddsTheMissingTokenInPlace) {
    const std::string text = "BEGIN_ENVIRONMENT\r\n  System Sol\r\n  Date MJD 51982.5\r\nEND_ENVIRONMENT\r\n"
                             "BEGIN_FOCUS\r\n  Ship GL-01\r\nEND_FOCUS\r\nBEGIN_SHIPS\r\n"
                             "Alpha:ISS\r\n  STATUS Orbiting Earth\r\n  ELEMENTS 6778137 0.0005 51.6 120.5 10.25 33 51982\r\n"
                             "  AROT 0 0 0\r\nEND\r\n"
                             "GL-01:DeltaGlider\r\n  STATUS Orbiting Earth\r\n  DOCKINFO 0:2,Alpha ; at the third port\r\n"
                             "END\r\nEND_SHIPS\r\n";
    const std::string file = temp.write("Orbiter/Scenarios/Checks/Fix.scn", text);
    const CheckRun run = check({"--fix", mini.folder, file});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, file + "\t16\tfixed\tdock-one-sided\tGL-01\tAdded 2:0,GL-01 to the DOCKINFO of Alpha\n");
    std::string expected = text;
    expected.insert(expected.find("  AROT 0 0 0"), "  DOCKINFO 2:0,GL-01\r\n");
    EXPECT_EQ(temp.read("Orbiter/Scenarios/Checks/Fix.scn"), expected);
    // Checked again, the file has nothing left to fix.
    EXPECT_EQ(check({"--fix", mini.folder, file}).out, "");
}

TEST_F(CheckCommandTest, UsageErrors) {
    EXPECT_EQ(check({}).status, 2);
    EXPECT_EQ(check({temp / "No such folder", mini.scenarioFolder + "Demo.scn"}).status, 2);
}

// The simulator's own scenarios (a newer format than the editor knows) are read and checked
// without a crash and without being touched.
TEST_F(CheckCommandTest, SimulatorScenariosAreCheckedWithoutHarm) {
    const std::filesystem::path corpus = VANTREL_CORPUS_DIR;
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "no simulator corpus at " << corpus;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus))
        if (entry.is_regular_file() && entry.path().extension() == ".scn")
            files.push_back(entry.path().string());
    if (files.empty())
        GTEST_SKIP() << "no scenario in the corpus";
    const auto stamp = std::filesystem::last_write_time(files.front());
    std::vector<std::string> args{mini.folder};
    args.insert(args.end(), files.begin(), files.end());
    const CheckRun run = check(args);
    EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status;
    EXPECT_EQ(std::filesystem::last_write_time(files.front()), stamp);
}

// On its own installation, the simulator's scenario tree leaves only what is true: a glider
// placed below the surface of Mars, a focus that names no vessel of its file, camera targets that
// name no vessel of theirs, and a glider on a base without a pad or a position.
TEST_F(CheckCommandTest, SimulatorScenariosOnTheirInstallationLeaveOnlyTrueFindings) {
    const std::string orbiter = std::string(VANTREL_CORPUS_DIR) + "/orbiter-2016";
    if (!std::filesystem::is_directory(orbiter + "/Scenarios"))
        GTEST_SKIP() << "no simulator corpus at " << orbiter;
    const CheckRun run = check({orbiter});
    EXPECT_EQ(1, run.status);
    std::vector<std::string> findings;
    for (size_t start = 0; start < run.out.size();) {
        const size_t end = run.out.find('\n', start);
        const std::string line = run.out.substr(start, end - start);
        // The file's name below Scenarios, in "/" whatever the system's separator.
        std::string file = line.substr(line.find(platform::nativeSeparators("/Scenarios/")) + 11);
        std::replace(file.begin(), file.end(), platform::separator(), '/');
        findings.push_back(file);
        start = end == std::string::npos ? run.out.size() : end + 1;
    }
    const auto camera = [](const char* file, const char* line, const char* target) {
        return std::string(file) + "\t" + line + "\twarning\tcamera-target-unknown\t\tCAMERA TARGET names no vessel, body "
               "or base \"" + target + "\": the simulator points the camera at the focus vessel";
    };
    EXPECT_EQ(findings,
              (std::vector<std::string>{
                  camera("Delta-glider/Docked at ISS.scn", "20", "SH-02"),
                  camera("Demo/DG ISS Approach.scn", "21", "GL-01"),
                  camera("Demo/Docked at ISS.scn", "17", "SH-02"),
                  camera("Space Shuttle Atlantis/Atlantis MMU Satellite Repair.scn", "19", "STS-101-MMU"),
                  "The Solar System/Today.scn\t41\twarning\tbase-without-position\tGL-01\tBASE without a pad and no "
                  "POS: the simulator puts the vessel at 0\u00b0/0\u00b0; give the pad (BASE name:n) or a POS line",
                  "The Solar System/Earth/In low orbit over Africa.scn\t102\terror\teditor\tGL-02\tThe ship is located "
                  "inside the planet; adjust the position parameters relative to reference.",
                  "The Solar System/Earth/In low orbit over Africa.scn\t104\twarning\tbelow-surface\tGL-02\tRPOS is 77 m "
                  "below the surface of Mars: the simulator lifts the vessel to the surface",
                  "The Solar System/Jupiter flybys/Galileo's first Ganymede flyby.scn\t11\twarning\tfocus-not-found\t\tFOCUS "
                  "names no vessel \"GL-01\" (case counts): the simulator gives the focus to Galileo",
                  camera("The Solar System/Jupiter flybys/Galileo's first Ganymede flyby.scn", "15", "GL-01"),
                  "The Solar System/Jupiter flybys/Galileo's first Ganymede flyby.scn\t34\terror\teditor\tGalileo\tAs the "
                  "user-controled ship was no longer valid in the scenario, it has been set to the first possible ship !"}))
        << run.out;
}

} // namespace
} // namespace vantrel
