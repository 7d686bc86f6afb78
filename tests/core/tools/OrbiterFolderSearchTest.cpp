#include "../catalogue/CatalogueFixture.h"

#include "core/tools/OrbiterFolderSearch.h"
#include "core/platform/FileSystem.h"
#include "core/app/Windows.h"

namespace vantrel::test {
namespace {

class FolderSearch : public CatalogueFixture {
protected:
    void SetUp() override {
        make();
        main->cat.StartFolderPath = startFolder() + "/";
        main->cat.currentFolder = temp.path();
        search().load();
    }
    OrbiterFolderSearch& search() { return main->windows().orbiterFolderSearch(); }
};

TEST_F(FolderSearch, OpensOnTheWorkingFolderWithValidateDisabled) {
    temp.write("orbiter.cfg", "ConfigDir = .\\Config\\\r\n");
    auto& s = search();
    EXPECT_EQ(s.caption(), "Orbiter folder search");
    EXPECT_EQ(s.Dir1.path(), temp.path());
    EXPECT_EQ(s.Label1.caption(), "Label1");
    EXPECT_EQ(s.Label2.caption(),
              "Select (and open by double clicking) the folder where Orbiter is installed and click on Validate");
    EXPECT_EQ(s.Command1.caption(), "Validate");
    EXPECT_FALSE(s.Command1.enabled());
    // A click on the folder shown checks it.
    s.Dir1.userClick();
    EXPECT_TRUE(s.Command1.enabled());
    EXPECT_EQ(s.Label1.caption(), temp.path());
}

TEST_F(FolderSearch, ValidateIsEnabledOnlyWhereOrbiterCfgIsInAnyLetterCase) {
    temp.write("Sim/ORBITER.CFG", "");
    temp.makeFolder("Sim/Config");
    temp.makeFolder("Sim/Odd/orbiter.cfg"); // a folder of that name is not the file
    auto& s = search();
    s.Dir1.userOpen(temp / "Sim");
    EXPECT_TRUE(s.Command1.enabled());
    EXPECT_EQ(s.Label1.caption(), temp / "Sim");
    s.Dir1.userOpen(temp / "Sim/Config");
    EXPECT_FALSE(s.Command1.enabled());
    s.Dir1.userOpen(temp / "Sim/Odd");
    EXPECT_FALSE(s.Command1.enabled());

    // Today's simulator may have no "orbiter.cfg" yet: a Config and a Scenarios folder tell it.
    temp.makeFolder("Today/Config");
    s.Dir1.userOpen(temp / "Today");
    EXPECT_FALSE(s.Command1.enabled());
    temp.makeFolder("Today/Scenarios");
    s.Dir1.userOpen(temp / "Sim");
    s.Dir1.userOpen(temp / "Today");
    EXPECT_TRUE(s.Command1.enabled());
}

TEST_F(FolderSearch, ValidateWritesTheSettingsFileAndCloses) {
    temp.write("Sim/orbiter.cfg", "");
    auto& s = search();
    s.Dir1.userOpen(temp / "Sim");
    s.Command1.userClick();
    EXPECT_EQ(temp.read("Start/vantrel.cfg"), temp / "Sim" + "\r\n");
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u);
    EXPECT_EQ(scripted.dialogs.messages()[0].text, "This location will be taken into account when you start again Vantrel.");
    EXPECT_EQ(scripted.dialogs.messages()[0].title, "Information");
    EXPECT_EQ(scripted.dialogs.messages()[0].style, 64);
    EXPECT_FALSE(s.loaded());
    // The folders in use do not change until the next start.
    EXPECT_EQ(main->cat.OrbiterFolder, "");
}

TEST_F(FolderSearch, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStays) {
    temp.write("Sim/orbiter.cfg", "");
    main->cat.StartFolderPath = temp / "Missing/";
    auto& s = search();
    s.Dir1.userOpen(temp / "Sim");
    s.Command1.userClick();
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u);
    EXPECT_EQ(scripted.dialogs.messages()[0].style, 16);
    EXPECT_NE(scripted.dialogs.messages()[0].text.find(temp / "Missing/vantrel.cfg"), std::string::npos);
    EXPECT_TRUE(s.loaded());
}

TEST_F(FolderSearch, ADriveThatCannotBeOpenedGoesBackToTheDriveShown) {
    auto& s = search();
    const std::string before = s.Dir1.path();
    s.Drive1.userSetDrive(temp / "NoSuchDrive");
    EXPECT_EQ(s.Dir1.path(), before);
    EXPECT_EQ(s.Drive1.drive(), s.Drive1.driveOf(before));

    for (const std::string& drive : s.Drive1.drives()) {
        if (drive == s.Drive1.drive())
            continue;
        s.Drive1.userSetDrive(drive);
        EXPECT_EQ(s.Dir1.path(), platform::normalPath(drive));
        EXPECT_EQ(s.Label1.caption(), s.Dir1.path());
    }
}

} // namespace
} // namespace vantrel::test
