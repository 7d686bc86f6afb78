#include "core/platform/FileSystem.h"
#include "core/platform/NativePath.h"
#include "core/platform/TextFile.h"
#include "support/TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

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

// Is writing to the file refused? Not to root, who may write anything.
bool refusesWriting(const std::string& path) {
    std::FILE* f = openFile(path, "ab");
    if (f)
        std::fclose(f);
    return !f;
}

TEST(TextFile, AtomicWriteReplacesTheFileOrLeavesItAsItWas) {
    test::TempFolder temp;
    const std::string target = temp.write("a.scn", "old");
    EXPECT_EQ(writeFileAtomically(target, "new\r\n"), "");
    EXPECT_EQ(temp.read("a.scn"), "new\r\n");

    EXPECT_NE(writeFileAtomically(temp / "missing/a.scn", "x"), "");

    std::filesystem::permissions(nativePath(target), std::filesystem::perms::owner_read);
    if (refusesWriting(target)) {
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
    std::error_code ec;
    fs::create_symlink(target, temp / "link.scn", ec);
    if (ec)
        GTEST_SKIP() << "this system makes no links: " << ec.message();

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
    temp.write("Config/Earth.cfg", "Earth");
    EXPECT_EQ(readFile(resolveIgnoringCase(temp / "Config/earth.cfg")), "Earth");
    EXPECT_EQ(resolveIgnoringCase(temp / "Config/Mars.cfg"), temp / "Config/Mars.cfg");
    EXPECT_EQ(nativeSeparators(".\\Config\\"), "." + separatorText() + "Config" + separatorText());
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

// Names outside every ANSI code page: Windows must be asked in UTF-16 for them.
TEST(FileSystem, NamesOutsideTheAnsiCodePageAreFilesLikeAnyOther) {
    test::TempFolder temp;
    const std::string folder = temp.makeFolder("Scénarios");
    const std::string greek = folder + separatorText() + "\xce\x96-1.scn";       // Zeta-1
    const std::string moon = folder + separatorText() + "\xe6\x9c\x88\xe9\x9d\xa2.scn"; // "moon surface"
    EXPECT_EQ(writeFileAtomically(greek, "BEGIN_DESC\r\nEND_DESC\n"), "");
    EXPECT_EQ(writeFileAtomically(moon, "x"), "");
    EXPECT_EQ(writeFileAtomically(moon, "y\r\n"), ""); // replacing it too
    EXPECT_EQ(readFile(greek), "BEGIN_DESC\r\nEND_DESC\n");
    EXPECT_EQ(readFile(moon), "y\r\n");
    EXPECT_TRUE(fileExists(moon));
    EXPECT_EQ(fileStamp(moon)->size, 3u);
    EXPECT_EQ(listFiles(folder, "*.scn"), (std::vector<std::string>{"\xce\x96-1.scn", "\xe6\x9c\x88\xe9\x9d\xa2.scn"}));
    EXPECT_EQ(listFolders(temp.path()), std::vector<std::string>{"Scénarios"});
    EXPECT_EQ(parentFolder(moon), normalPath(folder));
    EXPECT_EQ(removeFile(greek), "");
    EXPECT_FALSE(fileExists(greek));
}

} // namespace
} // namespace vantrel::platform
