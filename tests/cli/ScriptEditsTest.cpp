// An edit made with vantrel-scn script, as a person makes it on the main window, changes the
// lines that hold what changed and nothing else: each case opens a scenario of tests/data on the
// small test installation, runs its steps, and compares the saved file with the one read, line
// by line.

#include "support/LineDiff.h"
#include "support/MiniInstallation.h"
#include "support/ShellQuote.h"
#include "support/TempFolder.h"

#include "core/platform/TextFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace vantrel::test {
namespace {

struct EditCase {
    const char* name;
    const char* data; // the folder of tests/data
    std::vector<std::string> steps;
    std::vector<std::string> diff;
};

class ScriptEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(ScriptEdits, ChangeOnlyTheLinesOfTheEdit) {
    const EditCase& c = GetParam();
    TempFolder temp;
    const MiniInstallation install = writeMiniInstallation(temp);
    const std::string input =
        platform::readFile(std::string(VANTREL_TEST_DATA_DIR) + "/" + c.data + "/input.scn").value_or("");
    ASSERT_FALSE(input.empty());
    const std::string in = temp.write(std::string("Scenarios/") + c.data + ".scn", input);
    std::string command = quoted(VANTREL_SCN) + " script " + quoted(install.folder) + " " + quoted(in) + " " +
                          quoted(temp / "out.scn");
    for (const std::string& step : c.steps)
        command += " " + quoted(step);
    command += " 2>" + quoted(temp / "stderr.txt");
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << temp.read("stderr.txt");
    EXPECT_EQ(std::string::npos, temp.read("stderr.txt").find("not accepted")) << temp.read("stderr.txt");
    EXPECT_EQ(c.diff, lineDiff(input, temp.read("out.scn")));
}

const EditCase cases[] = {
    {"NoStep", "basic", {}, {}},
    {"FuelOfALandedShip", "basic", {"ShipFuelSlider=25", "Command4"}, {"-  FUEL 0.50\r\n", "+  FUEL 0.25\r\n"}},
    {"OneCoordinateKeepsTheSpellingOfTheOthers",
     "basic",
     {"ShipName=Cruiser", "ShipOrbitingRposX=1838100", "Command4"},
     {"-  RPOS 1838000.5 -200.25 3e3\r\n", "+  RPOS 1838100 -200.25 3e3\r\n"}},
    {"ValidatedUnchangedKeepsEveryLine", "basic", {"ShipName=Cruiser", "Command4", "Command1"}, {}},
    {"StartDay",
     "basic",
     {"Calendar=2001-03-15"},
     {"-  Date MJD 51982.4381944444\r\n", "+  Date MJD 51983.4381944444\r\n"}},
    {"StartHourKeepsTheSeconds", "kept-as-read", {"Hour=3"}, {"-  Date MJD 51982.0290000\n", "+  Date MJD 51982.154\n"}},
    {"RenameFollowedByFocusAndCamera",
     "basic",
     {"ShipName:=GL-09", "Command4"},
     {"-  Ship GL-01\r\n", "+  Ship GL-09\r\n", "-  TARGET GL-01\r\n", "+  TARGET GL-09\r\n", "-GL-01:DeltaGlider\r\n",
      "+GL-09:DeltaGlider\r\n"}},
    {"RenameOfANameOnlyHeadKeepsItsClass",
     "kept-as-read",
     {"ShipName:=Mir-2", "Command4"},
     {"-  Ship Mir\n", "+  Ship Mir-2\n", "-Mir\n", "+Mir-2:Mir\n"}},
    {"DeletionRemovesTheBlockAlone",
     "basic",
     {"ShipName=Tug", "Command6"},
     {"-Tug:Dragonfly\r\n", "-  STATUS Docked Earth:Alpha:3\r\n", "-  FUEL 0.25\r\n", "-  ENGINE_MAIN 0.5\r\n", "-END\r\n"}},
    {"StationElementKeepsItsBlanks",
     "basic",
     {"StationInclination=52", "Command1"},
     {"-  ELEMENTS 6778137 0.0005 51.6  120.5 10.25 33\r\n", "+  ELEMENTS 6778137 0.0005 52  120.5 10.25 33\r\n"}},
    {"FrequencyKeepsItsKeywordAndComment",
     "basic",
     {"StationName=Wheel One", "StationRotationFrequency=0.06", "Command1"},
     {"-  ZROT_FREQ 0.05 ; slow spin\r\n", "+  ZROT_FREQ 0.06 ; slow spin\r\n"}},
    {"ALineTheBlockLackedTakesItsIndentationAndTheFilesLineEnd",
     "kept-as-read",
     {"ShipName=GL-03", "MainEngineStatusSlider=50", "Command4"},
     {"+ENGINE_MAIN 0.5\n"}},
    {"ANewShipGoesBeforeTheSectionsEnd",
     "kept-as-read",
     {"Command5", "ShipName:=GL-04", "Spacecraft=DeltaGlider", "Command10", "LandedShipOption=1", "ShipLandingTree>Earth/Habana/Landing pad 3", "ShipLandedHeading=10", "ShipFuelSlider=100", "Command4"},
     {"+GL-04:DeltaGlider\n", "+  STATUS Landed Earth\n", "+  BASE Habana:3\n", "+  HEADING 10\n", "+  FUEL 1\n", "+END\n"}},
    {"DescriptionChangesTheLinesInsideItsBlock",
     "basic",
     {"Description=One line only\r\n"},
     {"-A station, a dock and two ships.\r\n", "-  Second line, indented.\r\n", "+One line only\r\n"}},
    {"ADescriptionAfterTheHtmlOneIsTheOneEdited",
     "kept-as-read",
     {"Description=Edited\r\n"},
     {"-A description that is not the first block.\n", "+Edited\n"}},
    {"ADescriptionGoesJustAfterTheHtmlBlock",
     "html-only",
     {"Description=Plain words\r\n"},
     {"+BEGIN_DESC\r\n", "+Plain words\r\n", "+END_DESC\r\n"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ScriptEdits, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vantrel::test
