// Each folder of tests/data holds a scenario as found ("input.scn") and, byte for byte, what
// reading and saving it must give ("expected.scn"), with the scan log it must leave
// ("scanlog.txt", absent when the read is clean). Saving the expected file again must give
// the same bytes. Run with VANTREL_UPDATE_EXPECTED=1 to write missing expected files.

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

TEST_P(ScenarioFilesTest, ReadAndSavedGivesTheExpectedBytesAndSavesAgainUnchanged) {
    // The case's file lies in a folder of its own name, as the load window would find it.
    const std::string input = temp.write("Scenarios/" + GetParam() + ".scn",
                                         platform::readFile(caseFile("input.scn")).value_or(""));
    open(input);
    const std::string written = saved();
    const std::string scanLog = main->model.ScanLog;

    const std::optional<std::string> expected = platform::readFile(caseFile("expected.scn"));
    if (!expected && std::getenv("VANTREL_UPDATE_EXPECTED")) {
        platform::writeFileAtomically(caseFile("expected.scn"), written);
        if (!scanLog.empty())
            platform::writeFileAtomically(caseFile("scanlog.txt"), scanLog);
        GTEST_SKIP() << "wrote the expected files of " << GetParam();
    }
    ASSERT_TRUE(expected) << "no expected.scn for " << GetParam();
    EXPECT_EQ(*expected, written);

    // Scan-log entries name the file read; the expected text names it "CASE".
    std::string expectedLog = platform::readFile(caseFile("scanlog.txt")).value_or("");
    for (size_t at; (at = expectedLog.find("CASE")) != std::string::npos;)
        expectedLog.replace(at, 4, input);
    EXPECT_EQ(expectedLog, scanLog);
    EXPECT_EQ(!scanLog.empty(), !scripted.dialogs.messages().empty());

    // A saved file reads back into the same scenario: saving it again changes nothing.
    const std::string again = temp.write("Scenarios/again.scn", written);
    open(again);
    EXPECT_EQ(written, saved());
    EXPECT_TRUE(main->model.ScanLog.empty()) << main->model.ScanLog;
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
