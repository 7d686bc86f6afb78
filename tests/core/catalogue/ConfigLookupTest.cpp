#include "CatalogueFixture.h"

#include <vector>

namespace vantrel::test {
namespace {

class ConfigLookup : public CatalogueFixture {
protected:
    void SetUp() override { make(); }
    // Points the lookup at temp / "Config" and lists its "*.cfg" files.
    void useConfigFolder() {
        const std::string folder = temp.makeFolder("Config") + "/";
        main->state.CfgDir.setCaption(folder);
        main->state.BufferList.setPattern("*.cfg");
        main->state.BufferList.setPath(folder);
    }
    std::vector<std::string> buffer() const { return main->state.Buffer.items(); }
    std::vector<std::string> nbuffer() const { return main->state.NBuffer.items(); }
};

TEST_F(ConfigLookup, GetDataMatchesAPrefixIgnoringCaseAndTheLastFieldWins) {
    const std::string file = temp.write("Earth.cfg", crlf({"; Earth", "MASS = 1", "  Mass = 5.976e24 ; kg",
                                                           "SizeX = 3", "Size = 6.37e6", "Mass = 2, Size = 7"}));
    // "Mass = 2" is a field of its own; "Size = 7" after the comma is another.
    EXPECT_EQ(catalogueLoader().GetData(file, "mass"), "Mass = 2");
    EXPECT_EQ(catalogueLoader().GetData(file, "Size"), "Size = 7");
    EXPECT_EQ(catalogueLoader().GetData(file, "SizeX"), "SizeX = 3");
    EXPECT_EQ(catalogueLoader().GetData(file, "AtmAltLimit"), "No Data");
    EXPECT_FALSE(main->model.ScanErrorsFound);
}

TEST_F(ConfigLookup, GetDataTrimsAndStripsTheCommentOfTheMatchingField) {
    const std::string file = temp.write("Moon.cfg", crlf({"   Mass = 7.35e22   ; the moon", "Size = 1.738e6\t"}));
    EXPECT_EQ(catalogueLoader().GetData(file, "Mass"), "Mass = 7.35e22");
    EXPECT_EQ(catalogueLoader().GetData(file, "Size"), "Size = 1.738e6");
}

TEST_F(ConfigLookup, GetDataOnAMissingFileLogsItAndAnswersNoData) {
    const std::string file = temp / "Nowhere.cfg";
    EXPECT_EQ(catalogueLoader().GetData(file, "Mass"), "No Data");
    EXPECT_TRUE(main->model.ScanErrorsFound);
    EXPECT_EQ(main->model.ScanLog, "Can not open the file " + file + ". ");
}

TEST_F(ConfigLookup, GetDataFindsAFileNamedInAnotherLetterCase) {
    temp.write("Config/MARS.CFG", crlf({"Mass = 6.4e23"}));
    EXPECT_EQ(catalogueLoader().GetData(temp / "Config/Mars.cfg", "Mass"), "Mass = 6.4e23");
    EXPECT_FALSE(main->model.ScanErrorsFound);
}

TEST_F(ConfigLookup, FindDataCountsCaseAndKeepsComments) {
    temp.write("Config/Sol.cfg", crlf({"Name = Sol ; the sun", "  Star1 = Sun"}));
    temp.write("Config/Lower.cfg", crlf({"star1 = Sun", "Name = Lower"}));
    temp.write("Config/Other.cfg", crlf({"name = Other", "Star1 = X"}));
    useConfigFolder();
    catalogueLoader().FindData("Star1", "Name");
    EXPECT_EQ(buffer(), (std::vector<std::string>{"Other.cfg", "Sol.cfg"}));
    // "name" is not "Name", and the comment stays in the value.
    EXPECT_EQ(nbuffer(), (std::vector<std::string>{"Sol ; the sun"}));
    EXPECT_FALSE(main->model.ScanErrorsFound);
}

TEST_F(ConfigLookup, FindDataListsAFileOncePerKeyLineAndEveryValue) {
    temp.write("Config/Twice.cfg", crlf({"Star1 = A", "Name = First", "Name = Second"}));
    temp.write("Config/Wheel.cfg", crlf({"BEGIN_DOCKLIST", "1", "END_DOCKLIST", "BEGIN_DOCKLIST", "END_DOCKLIST"}));
    useConfigFolder();
    catalogueLoader().FindData("Star1", "Name");
    EXPECT_EQ(buffer(), (std::vector<std::string>{"Twice.cfg"}));
    EXPECT_EQ(nbuffer(), (std::vector<std::string>{"First", "Second"}));
    catalogueLoader().FindData("BEGIN_DOCKLIST", "Meshname");
    EXPECT_EQ(buffer(), (std::vector<std::string>{"Wheel.cfg", "Wheel.cfg"}));
    EXPECT_TRUE(nbuffer().empty());
}

TEST_F(ConfigLookup, FindDataLogsAValueLineTooShortToCutAndGoesOn) {
    temp.write("Config/A.cfg", crlf({"Star1 = A", "Name = Alpha", "Name", "Name = Lost"}));
    temp.write("Config/B.cfg", crlf({"Star1 = B", "Name = Beta"}));
    useConfigFolder();
    catalogueLoader().FindData("Star1", "Name");
    EXPECT_EQ(nbuffer(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(main->model.ScanLog, "Can not open the file " + main->state.CfgDir.caption() + "A.cfg. ");
}

TEST_F(ConfigLookup, FindDataOnAnEmptyFolderFindsAndLogsNothing) {
    useConfigFolder();
    main->state.Buffer.addItem("stale");
    catalogueLoader().FindData("Star1", "Name");
    EXPECT_TRUE(buffer().empty());
    EXPECT_TRUE(nbuffer().empty());
    EXPECT_FALSE(main->model.ScanErrorsFound);
}

} // namespace
} // namespace vantrel::test

namespace vantrel::test {
namespace {

// The body and base files stay in memory from one opened scenario to the next: a file that
// changes is read again at the next scan, and what one scan handed out stays valid through it.
TEST(CheckedLineCache, ReadsAChangedFileAgainAtTheNextScanOnly) {
    TempFolder temp;
    const std::string file = temp.write("Earth.cfg", "Base1 = Habana\r\n");
    LineCache cache(LineCache::Check::TimeAndSize);
    cache.beginScan();
    const std::vector<std::string>* first = cache.lines(file);
    ASSERT_NE(first, nullptr);
    temp.write("Earth.cfg", "Base1 = Habana\r\nBase2 = Cape Canaveral\r\n");
    EXPECT_EQ(cache.lines(file), first);
    EXPECT_EQ(first->size(), 1u);
    cache.beginScan();
    const std::vector<std::string>* second = cache.lines(file);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->size(), 2u);
    cache.beginScan();
    EXPECT_EQ(cache.lines(temp / "Missing.cfg"), nullptr);
}

} // namespace
} // namespace vantrel::test
