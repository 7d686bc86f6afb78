// Each folder of tests/data holds a scenario as found ("input.scn") and the scan log reading it
// must leave ("scanlog.txt", absent when the read is clean). Opened and saved without an edit,
// it must come back byte for byte.

#include "ScenarioFixture.h"

#include "core/platform/TextFile.h"

#include <cctype>
#include <cstdlib>

namespace vantrel::test {
namespace {

std::vector<std::string> dataCases() {
    std::vector<std::string> cases;
    for (const std::string& name : platform::listFolders(VANTREL_TEST_DATA_DIR))
        if (platform::fileExists(std::string(VANTREL_TEST_DATA_DIR) + "/" + name + "/input.scn"))
            cases.push_back(name);
    return cases;
}

class ScenarioFilesTest : public ScenarioFixture, public ::testing::WithParamInterface<std::string> {
protected:
    std::string caseFile(const std::string& name) const {
        return std::string(VANTREL_TEST_DATA_DIR) + "/" + GetParam() + "/" + name;
    }
};

TEST_P(ScenarioFilesTest, OpenedAndSavedGivesTheBytesRead) {
    // The case's file lies in a folder of its own name, as the load window would find it.
    const std::string input = temp.write("Scenarios/" + GetParam() + ".scn",
                                         platform::readFile(caseFile("input.scn")).value_or(""));
    open(input);
    const std::string written = saved();
    const std::string scanLog = main->model.ScanLog;

    EXPECT_EQ(platform::readFile(caseFile("input.scn")).value_or(""), written);

    // Scan-log entries name the file read; the expected text names it "CASE".
    std::string expectedLog = platform::readFile(caseFile("scanlog.txt")).value_or("");
    for (size_t at; (at = expectedLog.find("CASE")) != std::string::npos;)
        expectedLog.replace(at, 4, input);
    EXPECT_EQ(expectedLog, scanLog);
    EXPECT_EQ(!scanLog.empty(), !scripted.dialogs.messages().empty());

    // Saving once more, with the window as the save left it, changes nothing either.
    EXPECT_EQ(written, saved());
}

INSTANTIATE_TEST_SUITE_P(Cases, ScenarioFilesTest, ::testing::ValuesIn(dataCases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace
} // namespace vantrel::test
