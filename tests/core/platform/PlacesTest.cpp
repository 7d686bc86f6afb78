#include "core/platform/FileSystem.h"
#include "core/platform/NativePath.h"
#include "core/platform/Programs.h"
#include "core/platform/Settings.h"
#include "support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace vantrel::platform {
namespace {

// A portable copy keeps its settings beside the program while it may rewrite them; otherwise they
// go to the person's folder, and a portable file that could not be used is said.
TEST(SettingsPlace, BesideTheProgramOnlyWhileThatFileCanBeRewritten) {
    test::TempFolder temp;
    const std::string program = temp.makeFolder("Program");
    const std::string user = temp / "User/Vantrel";

    SettingsPlace place = settingsPlace(program, user);
    EXPECT_EQ(place.folder, user);
    EXPECT_EQ(place.note, "");
    EXPECT_TRUE(folderExists(user)); // made for the settings to be written there

    const std::string portable = temp.write("Program/vantrel.cfg", "C:\\Orbiter\r\n");
    place = settingsPlace(program, user);
    EXPECT_EQ(place.folder, program);
    EXPECT_EQ(place.note, "");
    EXPECT_EQ(temp.read("Program/vantrel.cfg"), "C:\\Orbiter\r\n"); // asking wrote nothing

    // Without a folder of the person's own, the program's is all there is.
    EXPECT_EQ(settingsPlace(temp / "Elsewhere", "").folder, temp / "Elsewhere");

    std::filesystem::permissions(nativePath(portable), std::filesystem::perms::owner_read);
    std::FILE* probe = openFile(portable, "ab");
    if (probe) { // root may write anything
        std::fclose(probe);
        return;
    }
    place = settingsPlace(program, user);
    EXPECT_EQ(place.folder, user);
    EXPECT_EQ(place.note, "The settings file \"" + portable + "\" cannot be written; the settings are kept in \"" +
                              withTrailingSeparator(user) + "vantrel.cfg\".");
    EXPECT_EQ(temp.read("Program/vantrel.cfg"), "C:\\Orbiter\r\n");
}

TEST(SettingsPlace, ThePersonsFolderAndTheProgramsFolderAreNamed) {
    EXPECT_FALSE(userSettingsFolder().empty());
    EXPECT_TRUE(isAbsolute(userSettingsFolder()));
    // The test program is built inside the project's folder.
    EXPECT_TRUE(isInside(programFolder(), VANTREL_SOURCE_DIR)) << programFolder();
}

#ifdef _WIN32
// The Windows desktop starts the calculator without waiting: the arguments reach the program as
// they are, blanks and accents included.
TEST(StartProgram, StartsWithoutWaitingAndSaysWhenItCannot) {
    test::TempFolder temp;
    const std::string folder = temp / "made by cmd \xC3\xA9t\xC3\xA9";
    ASSERT_TRUE(startProgram("cmd.exe", {"/c", "mkdir", folder}, true));
    for (int i = 0; i < 300 && !folderExists(folder); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(folderExists(folder));
    EXPECT_FALSE(startProgram(temp / "no such program.exe", {}, false));
}
#endif

} // namespace
} // namespace vantrel::platform
