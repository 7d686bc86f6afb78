#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vantrel::platform {
namespace {

TEST(TextFile, LinesEndAtCrLfLfOrCr) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(TextFile, CommaFieldsSkipLeadingBlanksAndLoseTheirQuotes) {
    EXPECT_EQ(commaFields("ConfigDir = .\\Config\\"), std::vector<std::string>{"ConfigDir = .\\Config\\"});
    EXPECT_EQ(commaFields("a,  b ,c"), (std::vector<std::string>{"a", "b ", "c"}));
    EXPECT_EQ(commaFields("\"x, y\" , z"), (std::vector<std::string>{"x, y", "z"}));
    EXPECT_EQ(commaFields(""), std::vector<std::string>{""});
    EXPECT_EQ(commaFields("a,"), (std::vector<std::string>{"a", ""}));
}

TEST(TextFile, AMissingFileReadsAsNothing) {
    test::TempFolder temp;
    EXPECT_FALSE(readLines(temp / "missing.cfg"));
    EXPECT_FALSE(readFile(temp.path())); // a folder is not a file
}

TEST(TextFile, AtomicWriteReplacesTheFileOrLeavesItAsItWas) {
    test::TempFolder temp;
    const std::string target = temp.write("a.scn", "old");
    EXPECT_EQ(writeFileAtomically(target, "new\r\n"), "");
    EXPECT_EQ(temp.read("a.scn"), "new\r\n");

    EXPECT_NE(writeFileAtomically(temp / "missing/a.scn", "x"), "");

    if (getuid() != 0) { // root may write anything
        std::filesystem::permissions(target, std::filesystem::perms::owner_read);
        EXPECT_NE(writeFileAtomically(target, "lost"), "");
        EXPECT_EQ(temp.read("a.scn"), "new\r\n");
    }
    // No temporary file is left behind.
    EXPECT_EQ(listFiles(temp.path(), "*").size(), 1u);
}

TEST(TextFile, AtomicWriteKeepsPermissionsAndWritesThroughALink) {
    namespace fs = std::filesystem;
    test::TempFolder temp;
    const std::string target = temp.write("Real/a.scn", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, temp / "link.scn");

    EXPECT_EQ(writeFileAtomically(temp / "link.scn", "new"), "");
    EXPECT_TRUE(fs::is_symlink(temp / "link.scn"));
    EXPECT_EQ(temp.read("Real/a.scn"), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(FileSystem, PatternsAndNamesIgnoreLetterCase) {
    EXPECT_TRUE(matchesPattern("Sol.CFG", "*.cfg"));
    EXPECT_TRUE(matchesPattern("(Current state).scn", "*.scn"));
    EXPECT_FALSE(matchesPattern("Sol.cfg.bak", "*.cfg"));
    EXPECT_TRUE(matchesPattern("a1.cfg", "a?.cfg"));

    test::TempFolder temp;
    temp.write("Config/Earth.cfg", "");
    EXPECT_EQ(resolveIgnoringCase(temp / "Config/earth.cfg"), temp / "Config/Earth.cfg");
    EXPECT_EQ(resolveIgnoringCase(temp / "Config/Mars.cfg"), temp / "Config/Mars.cfg");
    EXPECT_EQ(nativeSeparators(".\\Config\\"), "./Config/");
}

TEST(FileSystem, ContainmentComparesNormalisedPaths) {
    test::TempFolder temp;
    const std::string root = temp.makeFolder("Scenarios");
    temp.makeFolder("Scenarios2");
    EXPECT_TRUE(isInside(root, root));
    EXPECT_TRUE(isInside(root + "/Demo/../Demo", root));
    EXPECT_FALSE(isInside(temp / "Scenarios2", root)); // a longer name beside the root is outside
    EXPECT_FALSE(isInside(root + "/..", root));
    EXPECT_EQ(parentFolder(root), temp.path());
}

} // namespace
} // namespace vantrel::platform
