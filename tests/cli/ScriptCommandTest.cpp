// vantrel-scn script, run as a person runs it, on the sample installation's welcome scenario:
// a courier landed on pad 1 at Canaveral (the user-controlled ship), a skiff orbiting Earth and
// a hauler docked at the Meridian yard.

#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace vantrel::test {
namespace {

ToolRun runTool(const TempFolder& temp, const std::vector<std::string>& args) { return runScn(temp, args); }

const std::string sample = VANTREL_SAMPLE_DIR;
const std::string welcome = sample + "/Scenarios/Welcome.scn";

// The lines of a file without their line ends, whichever they are.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines(1);
    for (char c : bytes) {
        if (c == '\n')
            lines.emplace_back();
        else if (c != '\r')
            lines.back() += c;
    }
    return lines;
}

bool hasLine(const std::string& bytes, const std::string& line) {
    for (const std::string& l : linesOf(bytes))
        if (l == line)
            return true;
    return false;
}

struct ScriptCase {
    const char* label;
    std::vector<std::string> steps;
    int status;
    // On standard error (for every status), and a line of the saved file (status 0 only).
    std::string err;
    std::string savedLine;
};

void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.label; }

class ScriptSteps : public testing::TestWithParam<ScriptCase> {};

// Every case starts from a file already at OUT: only a run that exits with 0 may replace it.
TEST_P(ScriptSteps, ExitStatusMessagesAndSavedLine) {
    if (!platform::fileExists(welcome))
        GTEST_SKIP() << "no sample installation";
    const ScriptCase& c = GetParam();
    TempFolder temp;
    const std::string out = temp.write("out.scn", "kept\n");
    std::vector<std::string> args{"script", sample, welcome, out};
    args.insert(args.end(), c.steps.begin(), c.steps.end());
    const ToolRun run = runTool(temp, args);
    EXPECT_EQ(c.status, run.status) << run.err;
    EXPECT_NE(std::string::npos, run.err.find(c.err)) << run.err;
    const std::string saved = temp.read("out.scn");
    if (c.status == 0) {
        EXPECT_NE("kept\n", saved);
        if (!c.savedLine.empty()) {
            EXPECT_TRUE(hasLine(saved, c.savedLine)) << c.savedLine << " not in\n" << saved;
        }
    } else {
        EXPECT_EQ("kept\n", saved) << "a run that failed wrote the file";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Saved, ScriptSteps,
    testing::Values(
        ScriptCase{"NoStep", {}, 0, "", "Halcyon:Courier"},
        ScriptCase{"FuelBySliderThenValidation", {"ShipName=Tern", "ShipFuelSlider=40", "Command4"}, 0, "", "  FUEL 0.4"},
        ScriptCase{"EntryReadTrimmed", {"ShipName= Tern ", "ShipFuelSlider=25", "Command4"}, 0, "", "  FUEL 0.25"},
        // Save asks first, and the script's Yes validates.
        ScriptCase{"SliderMovedButNotValidated",
                   {"ShipName=Tern", "ShipFuelSlider=40"},
                   0,
                   "box\tVantrel\tTern has changes that are not validated. Validate them before saving?",
                   "  FUEL 0.4"},
        ScriptCase{"RenameByTyping",
                   {"ShipName:=Kestrel", "Command4"},
                   0,
                   "box\tWarning\tAs the user-controled ship was no longer valid",
                   "Kestrel:Courier"},
        ScriptCase{"LandingPadByDoubleClick",
                   {"ShipLandingTree>Earth/Canaveral/Landing pad 2", "Command4"},
                   0,
                   "",
                   "  BASE Canaveral:2"},
        ScriptCase{"TreeCaptionsReadWithBlanksAsOne",
                   {"ShipLandingTree> Earth /Canaveral/Landing \t pad 2 ", "Command4"},
                   0,
                   "",
                   "  BASE Canaveral:2"},
        ScriptCase{"DockByDoubleClick",
                   {"ShipName=Osprey", "ShipDockedTree>Earth/Meridian/Dock 1", "Command4"},
                   0,
                   "",
                   "  STATUS Docked Earth:Meridian:1"},
        ScriptCase{"StartDayFromTheCalendar", {"Calendar=2024-02-29"}, 0, "", "  Date MJD 60369.5"},
        ScriptCase{"TabShown", {"tab=1", "tab=0"}, 0, "", ""}),
    [](const testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    Refused, ScriptSteps,
    testing::Values(
        ScriptCase{"ShipValidation",
                   {"ShipName=Tern", "ShipOrbitingRposX=abc", "Command4"},
                   1,
                   "box\tShip parameter validation not accepted !\tThe position relative to the reference on axis X "
                   "is not correct. | ",
                   ""},
        ScriptCase{"StationValidation",
                   {"StationSemiMajorAxis=-5", "Command1"},
                   1,
                   "box\tStation parameter validation not accepted !\t",
                   ""},
        ScriptCase{"TypedButNotValidatedIsRefusedAtSave",
                   {"ShipName=Tern", "ShipOrbitingRposX=abc"},
                   1,
                   "the validation before saving was not accepted",
                   ""},
        ScriptCase{"StepsAfterARefusalDoNotRun",
                   {"ShipName=Tern", "ShipOrbitingRposX=abc", "Command4", "ShipOrbitingRposX=6778137", "Command4"},
                   1,
                   "step 3 (Command4)",
                   ""}),
    [](const testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    Stopped, ScriptSteps,
    testing::Values(
        ScriptCase{"UnknownControl", {"ShipFuel_Slider=4"}, 2, "there is no control ShipFuel_Slider on the tabs", ""},
        ScriptCase{"MenuIsNoControlOfTheTabs", {"Menu13"}, 2, "there is no control Menu13", ""},
        ScriptCase{"DisabledControl", {"PlanetarySystem=Sol"}, 2, "PlanetarySystem is disabled", ""},
        ScriptCase{"ControlOfAHiddenStatusFrame",
                   {"ShipName=Tern", "ShipLandingTree>Earth/Canaveral/Landing pad 1"},
                   2,
                   "ShipLandingTree is not shown",
                   ""},
        ScriptCase{"UnknownEntry", {"ShipName=Nobody"}, 2, "ShipName has no entry \"Nobody\"", ""},
        ScriptCase{"UnknownTreePath", {"ShipLandingTree>Earth/Canaveral/Landing pad 99"}, 2, "has no node", ""},
        ScriptCase{"NoSuchTab", {"tab=3"}, 2, "there is no tab 3", ""},
        ScriptCase{"NotAStep", {"ShipName=Tern", "+Command4"}, 2, "\"+Command4\" is not a step", ""},
        ScriptCase{"SliderOutOfRange", {"ShipName=Tern", "ShipFuelSlider=101"}, 2, "from 0 to 100", ""},
        ScriptCase{"DayTheMonthLacks", {"Calendar=2023-02-29"}, 2, "YYYY-MM-DD", ""},
        ScriptCase{"CheckBoxTakesZeroOrOne", {"Check2=yes"}, 2, "cleared with 0", ""},
        ScriptCase{"OptionNotClearedByAClick", {"LandedShipOption=0"}, 2, "another option of its group", ""},
        ScriptCase{"ButtonGivenAValue", {"Command4=1"}, 2, "Command4 takes NAME", ""},
        ScriptCase{"TypingIntoAFixedList", {"Hour:=25"}, 2, "Hour takes NAME=ENTRY", ""},
        ScriptCase{"LabelOnlyShows", {"ShipFocus"}, 2, "only shows a text", ""}),
    [](const testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.label); });

TEST(ScriptCommand, ResaveIsAScriptWithoutSteps) {
    if (!platform::fileExists(welcome))
        GTEST_SKIP() << "no sample installation";
    TempFolder temp;
    ASSERT_EQ(0, runTool(temp, {"resave", sample, welcome, temp / "resaved.scn"}).status);
    ASSERT_EQ(0, runTool(temp, {"script", sample, welcome, temp / "scripted.scn"}).status);
    EXPECT_EQ(temp.read("resaved.scn"), temp.read("scripted.scn"));

    const ToolRun tooFew = runTool(temp, {"script", sample, welcome});
    EXPECT_EQ(2, tooFew.status);
    EXPECT_NE(std::string::npos, tooFew.err.find("Usage: vantrel-scn script"));
    EXPECT_EQ(1, runTool(temp, {"script", sample, temp / "missing.scn", temp / "out.scn", "tab=1"}).status);
    EXPECT_FALSE(platform::fileExists(temp / "out.scn"));
}

// --help lists the controls from the tabs themselves; the README's list must follow it.
TEST(ScriptCommand, HelpListsTheTabsControlsAndTheReadmeNamesEachOfThem) {
    TempFolder temp;
    const ToolRun help = runTool(temp, {"--help"});
    ASSERT_EQ(0, help.status);
    const size_t list = help.out.find("Controls of the tabs for script steps");
    ASSERT_NE(std::string::npos, list);
    for (const char* name : {"ShipFuelSlider (0..100)", "StationSemiMajorAxis", "ShipLandingTree", "Calendar",
                             "StationOrbitalRefTime", "DockedShipOption", "Command4"})
        EXPECT_NE(std::string::npos, help.out.find(name, list)) << name;
    for (const char* hidden : {"ShipIndex", "StationIndex", "Menu13", "SSTab1"})
        EXPECT_EQ(std::string::npos, help.out.find(hidden, list)) << hidden;

    const std::string readme = platform::readFile(std::string(VANTREL_SOURCE_DIR) + "/README.md").value_or("");
    ASSERT_FALSE(readme.empty());
    for (const std::string& line : linesOf(help.out.substr(list)))
        if (line.rfind("    ", 0) == 0) {
            EXPECT_NE(std::string::npos, readme.find(line)) << "the README lacks the --help line\n" << line;
        }
}

} // namespace
} // namespace vantrel::test
