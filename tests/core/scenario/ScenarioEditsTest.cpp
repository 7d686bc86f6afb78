// An edit made through the main window's controls changes the lines that hold what changed and
// nothing else: each case opens a scenario of tests/data, makes one edit as a person would,
// validates it, and compares the saved file with the one read, line by line.

#include "ScenarioFixture.h"

#include "core/platform/TextFile.h"

#include <functional>

namespace vantrel::test {
namespace {

// The lines of a text with their line ends, so that a changed line end shows as a change.
std::vector<std::string> linesWithEnds(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        else
            end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// The lines that differ, in order: "-" and the line read, "+" and the line saved.
std::vector<std::string> lineDiff(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = linesWithEnds(before), b = linesWithEnds(after);
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1));
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<std::string> diff;
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (i < a.size() && (j == b.size() || common[i + 1][j] >= common[i][j + 1])) {
            diff.push_back("-" + a[i++]);
        } else {
            diff.push_back("+" + b[j++]);
        }
    }
    return diff;
}

struct EditCase {
    const char* name;
    const char* data; // the folder of tests/data
    std::function<void(Vantrel&)> edit;
    std::vector<std::string> diff;
};

class ScenarioEditsTest : public ScenarioFixture, public ::testing::WithParamInterface<EditCase> {};

TEST_P(ScenarioEditsTest, ChangesOnlyTheLinesOfTheEdit) {
    const EditCase& c = GetParam();
    const std::string input =
        platform::readFile(std::string(VANTREL_TEST_DATA_DIR) + "/" + c.data + "/input.scn").value_or("");
    ASSERT_FALSE(input.empty());
    open(temp.write(std::string("Scenarios/") + c.data + ".scn", input));
    scripted.dialogs.clear();
    c.edit(*main);
    for (const auto& message : scripted.dialogs.messages())
        EXPECT_EQ(std::string::npos, message.title.find("not accepted")) << message.text;
    EXPECT_EQ(c.diff, lineDiff(input, saved()));
}

void showShip(Vantrel& w, int row) { w.shipTab.ShipName.userSelect(row); }
void showStation(Vantrel& w, int row) { w.stationTab.StationName.userSelect(row); }

const EditCase cases[] = {
    {"FuelOfALandedShip", "basic",
     [](Vantrel& w) {
         w.shipTab.ShipFuelSlider.userSetValue(25);
         w.shipTab.Command4.userClick();
     },
     {"-  FUEL 0.50\r\n", "+  FUEL 0.25\r\n"}},
    {"OneCoordinateKeepsTheSpellingOfTheOthers", "basic",
     [](Vantrel& w) {
         showShip(w, 2);
         w.shipTab.ShipOrbitingRposX.userSetText("1838100");
         w.shipTab.Command4.userClick();
     },
     {"-  RPOS 1838000.5 -200.25 3e3\r\n", "+  RPOS 1838100 -200.25 3e3\r\n"}},
    {"ValidatedUnchangedKeepsEveryLine", "basic",
     [](Vantrel& w) {
         showShip(w, 2);
         w.shipTab.Command4.userClick();
         w.stationTab.Command1.userClick();
     },
     {}},
    {"StartDay", "basic", [](Vantrel& w) { w.env.Calendar.userSetDate(*w.env.Calendar.date() + 1); },
     {"-  Date MJD 51982.4381944444\r\n", "+  Date MJD 51983.4381944444\r\n"}},
    {"StartHourKeepsTheSeconds", "kept-as-read", [](Vantrel& w) { w.env.Hour.userSelect(3); },
     {"-  Date MJD 51982.0290000\n", "+  Date MJD 51982.154\n"}},
    {"RenameFollowedByFocusAndCamera", "basic",
     [](Vantrel& w) {
         w.shipTab.ShipName.userSetText("GL-09");
         w.shipTab.Command4.userClick();
     },
     {"-  Ship GL-01\r\n", "+  Ship GL-09\r\n", "-  TARGET GL-01\r\n", "+  TARGET GL-09\r\n", "-GL-01:DeltaGlider\r\n",
      "+GL-09:DeltaGlider\r\n"}},
    {"RenameOfANameOnlyHeadKeepsItsClass", "kept-as-read",
     [](Vantrel& w) {
         w.shipTab.ShipName.userSetText("Mir-2");
         w.shipTab.Command4.userClick();
     },
     {"-  Ship Mir\n", "+  Ship Mir-2\n", "-Mir\n", "+Mir-2:Mir\n"}},
    {"DeletionRemovesTheBlockAlone", "basic",
     [](Vantrel& w) {
         showShip(w, 1);
         w.shipTab.Command6.userClick();
     },
     {"-Tug:Dragonfly\r\n", "-  STATUS Docked Earth:Alpha:3\r\n", "-  FUEL 0.25\r\n", "-  ENGINE_MAIN 0.5\r\n", "-END\r\n"}},
    {"StationElementKeepsItsBlanks", "basic",
     [](Vantrel& w) {
         w.stationTab.StationInclination.userSetText("52");
         w.stationTab.Command1.userClick();
     },
     {"-  ELEMENTS 6778137 0.0005 51.6  120.5 10.25 33\r\n", "+  ELEMENTS 6778137 0.0005 52  120.5 10.25 33\r\n"}},
    {"FrequencyKeepsItsKeywordAndComment", "basic",
     [](Vantrel& w) {
         showStation(w, 1);
         w.stationTab.StationRotationFrequency.userSetText("0.06");
         w.stationTab.Command1.userClick();
     },
     {"-  ZROT_FREQ 0.05 ; slow spin\r\n", "+  ZROT_FREQ 0.06 ; slow spin\r\n"}},
    {"ALineTheBlockLackedTakesItsIndentationAndTheFilesLineEnd", "kept-as-read",
     [](Vantrel& w) {
         showShip(w, 3);
         w.shipTab.MainEngineStatusSlider.userSetValue(50);
         w.shipTab.Command4.userClick();
     },
     {"+ENGINE_MAIN 0.5\n"}},
};

INSTANTIATE_TEST_SUITE_P(Edits, ScenarioEditsTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vantrel::test
