#include "CatalogueFixture.h"

#include "core/text/TextHelpers.h"
#include "core/platform/FileSystem.h"
#include "core/tools/PlanetarySystemInformation.h"
#include "core/app/Windows.h"

#include <vector>

namespace vantrel::test {
namespace {

class BodiesAndBases : public CatalogueFixture {
protected:
    void SetUp() override {
        make();
        main->state.CfgDir.setCaption(platform::withTrailingSeparator(temp.makeFolder("Config")));
    }
    std::string config(const std::string& name) const { return temp / ("Config/" + name); }
    ui::ComboBox& planet() { return main->windows().planetarySystemInformation().Planet; }
    void bodies(std::initializer_list<const char*> names) {
        main->stationTab.StationRef.clear();
        for (const char* name : names)
            main->stationTab.StationRef.addItem(name);
    }
    std::vector<std::string> bases() const {
        return std::vector<std::string>(main->cat.BaseTable.begin(), main->cat.BaseTable.begin() + main->cat.BaseCount);
    }
};

TEST_F(BodiesAndBases, TheSolarSystemListsPlanetsEachFollowedByItsMoons) {
    temp.write("Config/Sol.cfg", crlf({"Name = Sol", "Star1 = Sun", "Planet1 = Mercury", "Planet2 = Venus",
                                       "Planet3 = Earth", "Earth1 = Moon", "Planet4 = Mars", "Mars1 = Phobos",
                                       "Mars2 = Deimos"}));
    catalogueLoader().ExtractPlanet(config("Sol.cfg"));
    const auto& expected = MiniInstallation::solBodies();
    EXPECT_EQ(main->stationTab.StationRef.items(), expected);
    EXPECT_EQ(main->shipTab.OrbitingRef.items(), expected);
    EXPECT_EQ(planet().items(), expected);
    EXPECT_EQ(planet().listIndex(), 2);
    EXPECT_EQ(planet().text(), "Earth");
    EXPECT_EQ(main->state.Buffer.items(), expected);
}

TEST_F(BodiesAndBases, MoonLinesCountCaseAndComeOnlyAfterTheirPlanet) {
    temp.write("Config/Odd.cfg", crlf({"Nitchevo1 = Ghost", "Earth1 = Early", "Planet1 = Earth ; home",
                                       "earth1 = Lower", "  Earth2 = Indented", "  Earth3 = Commented ; note",
                                       "Earth4=Tight", "Planet2 = Mars"}));
    catalogueLoader().ExtractPlanet(config("Odd.cfg"));
    EXPECT_EQ(main->stationTab.StationRef.items(),
              (std::vector<std::string>{"   Ghost", "Earth", "   Commented", "   Tight", "Mars"}));
}

TEST_F(BodiesAndBases, ASmallSystemStartsTheInformationWindowOnItsFirstBody) {
    temp.write("Config/Tiny.cfg", crlf({"Planet1 = Solo"}));
    catalogueLoader().ExtractPlanet(config("Tiny.cfg"));
    EXPECT_EQ(planet().listIndex(), 0);
    EXPECT_EQ(planet().text(), "Solo");

    temp.write("Config/Void.cfg", crlf({"Name = Void", "Star1 = Nothing"}));
    catalogueLoader().ExtractPlanet(config("Void.cfg"));
    EXPECT_EQ(planet().listCount(), 0);
    EXPECT_EQ(planet().listIndex(), -1);
    EXPECT_EQ(main->stationTab.StationRef.listCount(), 0);
}

TEST_F(BodiesAndBases, AMissingSystemFileIsLoggedAndEmptiesTheLists) {
    bodies({"Earth"});
    catalogueLoader().ExtractPlanet(config("Gone.cfg"));
    EXPECT_EQ(main->model.ScanLog, "Can not open the file " + config("Gone.cfg") + ". ");
    EXPECT_EQ(main->stationTab.StationRef.listCount(), 0);
    EXPECT_EQ(main->shipTab.OrbitingRef.listCount(), 0);
}

TEST_F(BodiesAndBases, BasesCarryTheirDisplayNamePadCountAndBody) {
    temp.write("Config/Earth.cfg", crlf({"Mass = 5.976e24", "Base1 = Habana -82.3 23.0", "Base2 = Cape -80.6 28.6"}));
    temp.write("Config/Habana.cfg", crlf({"Name = Habana", "LPAD1 = 1", "lpad2 = 2", "  LPAD3 = 3 ; pad"}));
    temp.write("Config/Cape.cfg", crlf({"MAP = 1"}));
    temp.write("Config/Moon.cfg", crlf({"basement = Brighton 1 2 ; any line beginning with base"}));
    temp.write("Config/Brighton.cfg", crlf({"  Name = Brighton Beach ; moon", "Name = Brighton", "LPAD1 = 1"}));
    bodies({"Earth", "   Moon"});
    catalogueLoader().BaseUpDate();
    EXPECT_EQ(bases(), (std::vector<std::string>{" Habana: 3:Earth", "Cape: 0:Earth", " Brighton: 1:Moon"}));
    EXPECT_EQ(main->cat.BaseCount, 3);
    EXPECT_EQ(main->cat.BaseTable.size(), 4u);
    EXPECT_EQ(main->cat.BaseTable.back(), "");
    EXPECT_EQ(main->state.Transit.items(), bases());
    EXPECT_FALSE(main->model.ScanErrorsFound);
}

TEST_F(BodiesAndBases, AnIndentedBaseLineWithoutCommentIsNotABase) {
    temp.write("Config/Earth.cfg", crlf({"  Base1 = Habana -82.3 23.0", "  Base2 = Cape 1 2 ; indented with comment"}));
    temp.write("Config/Cape.cfg", crlf({"LPAD1 = 1"}));
    bodies({"Earth"});
    catalogueLoader().BaseUpDate();
    EXPECT_EQ(bases(), (std::vector<std::string>{"Cape: 1:Earth"}));
}

TEST_F(BodiesAndBases, AnUnreadableBaseSkipsTheRestOfItsBodyAndNamesTheBodyFile) {
    temp.write("Config/Earth.cfg", crlf({"Base1 = Cape 1 2", "Base2 = Gone 1 2", "Base3 = Cape 3 4"}));
    temp.write("Config/Cape.cfg", crlf({"LPAD1 = 1"}));
    temp.write("Config/Mars.cfg", crlf({"Base1 = Olympus", "Base2 = Cape 1 2"}));
    temp.write("Config/Moon.cfg", crlf({"Base1 = Cape 0 0"}));
    bodies({"Earth", "Mars", "Venus", "   Moon"});
    catalogueLoader().BaseUpDate();
    EXPECT_EQ(bases(), (std::vector<std::string>{"Cape: 1:Earth", "Cape: 1:Moon"}));
    EXPECT_EQ(main->model.ScanLog, "Can not open the file " + config("Earth.cfg") + ". " +
                                       "Can not open the file " + config("Mars.cfg") + ". " +
                                       "Can not open the file " + config("Venus.cfg") + ". ");
}

TEST_F(BodiesAndBases, FilesNamedInAnotherLetterCaseAreFound) {
    temp.write("Config/EARTH.cfg", crlf({"Base1 = habana 1 2"}));
    temp.write("Config/Habana.CFG", crlf({"LPAD1 = 1", "LPAD2 = 2"}));
    bodies({"Earth"});
    catalogueLoader().BaseUpDate();
    EXPECT_EQ(bases(), (std::vector<std::string>{"habana: 2:Earth"}));
}

TEST_F(BodiesAndBases, TheMiniInstallationGivesItsBasesInBodyOrder) {
    const auto mini = writeMiniInstallation(temp);
    main->state.CfgDir.setCaption(mini.configFolder);
    catalogueLoader().ExtractPlanet(mini.configFolder + "Sol.cfg");
    catalogueLoader().BaseUpDate();
    EXPECT_EQ(bases(), (std::vector<std::string>{" Habana: 3:Earth", "Cape: 1:Earth", " Brighton Beach: 12:Moon",
                                                 " Olympus: 2:Mars"}));
    EXPECT_FALSE(main->model.ScanErrorsFound);
}

TEST_F(BodiesAndBases, TheSimulatorsOwnSolarSystemReadsWithItsMoons) {
    const std::string config = std::string(VANTREL_CORPUS_DIR) + "/orbiter-2016/Config/";
    if (!platform::fileExists(config + "Sol.cfg"))
        GTEST_SKIP() << "no simulator files in " << config;
    main->state.CfgDir.setCaption(config);
    catalogueLoader().ExtractPlanet(config + "Sol.cfg");
    const auto& bodies = main->stationTab.StationRef.items();
    ASSERT_GE(bodies.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(bodies.begin(), bodies.begin() + 8),
              (std::vector<std::string>{"Mercury", "Venus", "Earth", "   Moon", "Mars", "   Phobos", "   Deimos", "Vesta"}));
    for (const std::string& body : bodies) {
        EXPECT_EQ(body.find('='), std::string::npos) << body;
        EXPECT_FALSE(trim(body).empty());
    }
    // The newer body files describe their bases elsewhere; reading them must simply go on.
    catalogueLoader().BaseUpDate();
    EXPECT_EQ(main->cat.BaseTable.size(), static_cast<size_t>(main->cat.BaseCount) + 1);
}

} // namespace
} // namespace vantrel::test
