#include "CatalogueFixture.h"

#include "core/tools/OrbiterFolderSearch.h"
#include "core/platform/FileSystem.h"
#include "core/app/Windows.h"

#include <vector>

namespace vantrel::test {
namespace {

const char* const NotLocated =
    "The Orbiter folder was not correctly located. You must locate it using the folder search in the menu Tools.";

class Startup : public CatalogueFixture {
protected:
    void expectFailure() {
        ASSERT_FALSE(scripted.dialogs.messages().empty());
        const auto& m = scripted.dialogs.messages().back();
        EXPECT_EQ(m.text, NotLocated);
        EXPECT_EQ(m.title, "Warning");
        EXPECT_EQ(m.style, 64);
        EXPECT_FALSE(main->menu.Menu12.enabled());
        EXPECT_FALSE(main->menu.Menu11.enabled());
        EXPECT_FALSE(catalogueLoader().startupSucceeded());
        // The time lists are filled before anything can fail.
        EXPECT_EQ(main->env.Hour.listCount(), 24);
        EXPECT_EQ(main->stationTab.StationOrbitalRefMin.listCount(), 60);
    }
    // The folder search script: browse to folder and validate.
    void validateOnSearch(const std::string& folder) {
        scripted.screen.onModal("OrbiterFolderSearch", [folder](ui::Window& w) {
            auto& search = static_cast<OrbiterFolderSearch&>(w);
            search.Dir1.userOpen(folder);
            search.Command1.userClick();
        });
    }
};

TEST_F(Startup, ReadsTheWholeCatalogueOfAnInstallation) {
    const auto mini = writeMiniInstallation(temp);
    writeSettingsFile(temp, "Start", mini.folder + " ; where the simulator lives");
    Vantrel& w = start();

    EXPECT_TRUE(scripted.dialogs.messages().empty());
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(w.cat.StartFolder, platform::withTrailingSeparator(startFolder()));
    EXPECT_EQ(w.cat.StartFolderPath, platform::withTrailingSeparator(startFolder()));
    EXPECT_EQ(w.cat.OrbiterFolder, mini.folder);
    EXPECT_EQ(w.cat.ConfigDir, platform::nativeSeparators("/Config/"));
    EXPECT_EQ(w.cat.ScenarioDir, platform::nativeSeparators("/Scenarios/"));
    EXPECT_EQ(w.state.CfgDir.caption(), mini.configFolder);
    EXPECT_EQ(w.state.ScnDir.caption(), mini.scenarioFolder);
    EXPECT_EQ(w.cat.currentFolder, mini.folder);

    EXPECT_EQ(w.env.PlanetarySystem.items(), MiniInstallation::systemNames());
    EXPECT_EQ(w.state.PlanetarySystemFile.items(), MiniInstallation::systemFiles());
    EXPECT_EQ(w.env.PlanetarySystem.listIndex(), -1);
    EXPECT_FALSE(w.env.PlanetarySystem.enabled());
    EXPECT_EQ(w.shipTab.Spacecraft.items(), MiniInstallation::shipClasses());
    EXPECT_EQ(w.state.SpacecraftFile.items(),
              (std::vector<std::string>{"DeltaGlider.cfg", "Dragonfly.cfg", "ShuttleA.cfg", "ShuttlePB.cfg"}));
    EXPECT_EQ(w.stationTab.StationClass.items(), MiniInstallation::stationClasses());
    EXPECT_EQ(w.stationTab.StationClass.listIndex(), 0);
    EXPECT_EQ(w.stationTab.StationClass.text(), "ISS");
    EXPECT_EQ(w.cat.StationClassCount, 3);
    EXPECT_EQ(w.cat.StationClassDockCounts, (std::vector<std::string>{" 4", " 12", " 1", ""}));
    EXPECT_TRUE(w.menu.Menu12.enabled());
    EXPECT_TRUE(w.menu.Menu11.enabled());

    EXPECT_EQ(w.env.Hour.items().front(), "0");
    EXPECT_EQ(w.env.Hour.items().back(), "23");
    EXPECT_EQ(w.env.Minute.listCount(), 60);
    EXPECT_EQ(w.env.Minute.list(7), "7");
    EXPECT_EQ(w.stationTab.StationOrbitalRefHour.listCount(), 24);

    // The settings file is rewritten with the folder alone, comment gone.
    EXPECT_EQ(temp.read("Start/vantrel.cfg"), mini.folder + "\r\n");
    EXPECT_FALSE(w.model.ScanErrorsFound);
}

TEST_F(Startup, ASettingsFileWithWindowsSeparatorsAndARelativeFolderIsUnderstood) {
    writeMiniInstallation(temp, "Sim/Orbiter");
    temp.makeFolder("Start");
    temp.write("Start/vantrel.cfg", "..\\Sim\\Orbiter\r\nignored second line\r\n");
    Vantrel& w = start();
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(w.cat.OrbiterFolder, platform::nativeSeparators("../Sim/Orbiter"));
    EXPECT_EQ(w.shipTab.Spacecraft.listCount(), 4);
    EXPECT_EQ(temp.read("Start/vantrel.cfg"), platform::nativeSeparators("../Sim/Orbiter") + "\r\n");
}

TEST_F(Startup, AFirstStartAsksForTheFolderAndGoesOnWithIt) {
    const auto mini = writeMiniInstallation(temp);
    validateOnSearch(mini.folder);
    Vantrel& w = start();

    EXPECT_EQ(scripted.screen.log().front(), "modal OrbiterFolderSearch");
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u);
    EXPECT_EQ(scripted.dialogs.messages()[0].text,
              "This location will be taken into account when you start again Vantrel.");
    EXPECT_EQ(scripted.dialogs.messages()[0].title, "Information");
    EXPECT_EQ(scripted.dialogs.messages()[0].style, 64);
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(w.cat.OrbiterFolder, mini.folder);
    EXPECT_EQ(w.env.PlanetarySystem.listCount(), 2);
    EXPECT_EQ(temp.read("Start/vantrel.cfg"), mini.folder + "\r\n");
}

TEST_F(Startup, AStoredFolderWithoutOrbiterCfgOpensTheSearch) {
    writeMiniInstallation(temp);
    writeSettingsFile(temp, "Start", temp / "Orbiter/Config");
    const auto mini = writeMiniInstallation(temp, "Other");
    validateOnSearch(mini.folder);
    Vantrel& w = start();
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(w.cat.OrbiterFolder, mini.folder);
}

TEST_F(Startup, ClosingTheSearchWithoutValidateEndsInTheWarning) {
    // An "orbiter.cfg" in the start folder itself must not pass for the simulator's.
    writeMiniInstallation(temp, "Start");
    Vantrel& w = start();
    EXPECT_EQ(scripted.screen.log().front(), "modal OrbiterFolderSearch");
    expectFailure();
    EXPECT_EQ(w.cat.OrbiterFolder, "");
    EXPECT_FALSE(platform::fileExists(temp / "Start/vantrel.cfg"));
    // Closed, the window is gone: the Tools menu opens it afresh, on the folder shown.
    EXPECT_FALSE(w.windows().orbiterFolderSearch().loaded());
}

TEST_F(Startup, AValidatedFolderThatVanishedEndsInTheWarning) {
    temp.makeFolder("Start");
    scripted.screen.onModal("OrbiterFolderSearch", [this](ui::Window&) {
        temp.write("Start/vantrel.cfg", "/no/such/folder\r\n");
    });
    start();
    expectFailure();
}

TEST_F(Startup, WithoutOrbiterCfgOrStationClassesTheStartupFails) {
    temp.makeFolder("Empty");
    start(temp / "Empty");
    expectFailure();
    // No folder search for a folder given from outside.
    EXPECT_EQ(scripted.screen.log(), (std::vector<std::string>{"busy", "idle"}));

    scripted.dialogs.clear();
    const auto mini = writeMiniInstallation(temp);
    for (const char* name : {"Wheel.cfg", "ISS.cfg", "Mir.cfg"})
        platform::removeFile(mini.configFolder + name);
    Vantrel& w = start(mini.folder);
    expectFailure();
    // What was read before the failing step stays.
    EXPECT_EQ(w.env.PlanetarySystem.listCount(), 2);
    EXPECT_EQ(w.shipTab.Spacecraft.listCount(), 4);
}

TEST_F(Startup, AFolderGivenFromOutsideLeavesTheSettingsFileAlone) {
    const auto mini = writeMiniInstallation(temp);
    writeSettingsFile(temp, "Start", "/somewhere/else");
    Vantrel& w = start(mini.folder);
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(w.state.CfgDir.caption(), mini.configFolder);
    EXPECT_EQ(temp.read("Start/vantrel.cfg"), "/somewhere/else\r\n");
}

TEST_F(Startup, OrbiterCfgEntriesAreCutByWidthAndTheLastOneWins) {
    const auto mini = writeMiniInstallation(temp);
    platform::removeFile(mini.folder + "/orbiter.cfg");
    temp.write("Orbiter/ORBITER.CFG", crlf({"ConfigDir = .\\Wrong\\", "ScenarioDir = .\\Scenarios\\ ; saved runs",
                                            "  ConfigDirectory = .\\Ignored\\, ConfigDir = .\\Config\\ ; comment"}));
    Vantrel& w = start(mini.folder);
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(w.cat.ConfigDir, platform::nativeSeparators("/Config/"));
    EXPECT_EQ(w.cat.ScenarioDir, platform::nativeSeparators("/Scenarios/"));
}

TEST_F(Startup, AnOrbiterCfgEntryShorterThanItsWidthFailsTheStartup) {
    const auto mini = writeMiniInstallation(temp);
    temp.write("Orbiter/orbiter.cfg", crlf({"ConfigDir = .\\Config\\", "ScenarioDir", "ScenarioDir = .\\Scenarios\\"}));
    start(mini.folder);
    expectFailure();
}

TEST_F(Startup, NamesStayWithTheirFilesWhenAFileHasTwoNamesOrNone) {
    const auto mini = writeMiniInstallation(temp);
    temp.write("Orbiter/Config/Alpha.cfg", crlf({"Star1 = A", "Name = Alpha", "Name = Alpha again"}));
    temp.write("Orbiter/Config/Beta.cfg", crlf({"Star1 = B"}));
    temp.write("Orbiter/Config/Atlantis.cfg", crlf({"ClassName = Atlantis", "ClassName = Atlantis2"}));
    temp.write("Orbiter/Config/Big.cfg", crlf({"BEGIN_DOCKLIST", "a", "b", "END_DOCKLIST", "BEGIN_DOCKLIST",
                                                 "c", "END_DOCKLIST"}));
    Vantrel& w = start(mini.folder);
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(w.env.PlanetarySystem.items(), (std::vector<std::string>{"Alpha", "Tau Ceti", "Sol"}));
    EXPECT_EQ(w.state.PlanetarySystemFile.items(), (std::vector<std::string>{"Alpha.cfg", "Ceti.cfg", "Sol.cfg"}));
    EXPECT_EQ(w.shipTab.Spacecraft.list(0), "Atlantis");
    EXPECT_EQ(w.state.SpacecraftFile.list(1), "DeltaGlider.cfg");
    EXPECT_EQ(w.shipTab.Spacecraft.list(1), "DeltaGlider");
    // A class with two dock lists is listed once.
    EXPECT_EQ(w.stationTab.StationClass.items(), (std::vector<std::string>{"Big", "ISS", "Mir", "Wheel"}));
    EXPECT_EQ(w.cat.StationClassCount, 4);
    EXPECT_EQ(main->StationDockNumberDisplay("Big"), 4);
}

} // namespace
} // namespace vantrel::test
