// Installations laid out as the simulator has laid them out since 2006 (classes under
// Config/Vessels, bases in folders of "BASE-V2.0" files, no "orbiter.cfg"), alone and mixed with
// the early layout; and the simulator's own installation files when they are at hand.

#include "CatalogueFixture.h"

#include "core/catalogue/Catalogue.h"
#include "core/app/ScenarioReader.h"
#include "core/platform/FileSystem.h"

#include <filesystem>
#include <fstream>
#include <regex>

namespace vantrel::test {
namespace {

std::string baseFile(const char* name, int pads) {
    std::string text = "BASE-V2.0\r\n";
    if (name)
        text += std::string("Name = ") + name + "\r\n";
    text += "Location = -80.6 +28.6\r\nBEGIN_NAVBEACON\r\nVOR UHA -82.5 +23.0 116.1 400\r\nEND_NAVBEACON\r\n"
            "BEGIN_OBJECTLIST\r\nBLOCK\r\n\tPOS 40 0 220\r\nEND\r\n";
    for (int i = 0; i < pads; ++i)
        text += std::string(i % 2 ? "LPAD2A" : "LPAD1") + "\r\n\tPOS 0 0 0\r\n\tTEX Lpad01\r\n\tNAV 132.20\r\nEND\r\n";
    return text + "END_OBJECTLIST\r\n";
}

class TodaysLayout : public CatalogueFixture {
protected:
    std::string config() const { return temp / "Orbiter/Config/"; }
    void file(const std::string& relative, const std::string& bytes) const { temp.write("Orbiter/" + relative, bytes); }
    Catalogue scan() {
        unreadable.clear();
        return Catalogue::scan(config(), unreadable);
    }
    std::vector<BaseEntry> bases(std::vector<std::string> bodies) {
        unreadable.clear();
        return readBases(config(), bodies, unreadable);
    }
    UnreadableFiles unreadable;
};

TEST_F(TodaysLayout, ASimulatorFolderHoldsOrbiterCfgOrAConfigAndAScenariosFolder) {
    temp.makeFolder("Today/Config");
    temp.makeFolder("Today/Scenarios");
    temp.makeFolder("Half/Config");
    temp.write("Early/ORBITER.CFG", crlf({"ConfigDir = .\\Cfg\\", "ScenarioDir = .\\Scn\\"}));
    temp.write("Bare/orbiter.cfg", crlf({"EchoAllParams = FALSE"}));
    temp.makeFolder("Bare/Config");
    temp.write("Short/orbiter.cfg", crlf({"ConfigDir = "}));

    EXPECT_TRUE(isSimulatorFolder(temp / "Today"));
    EXPECT_FALSE(isSimulatorFolder(temp / "Half"));
    EXPECT_FALSE(isSimulatorFolder(temp / "Nowhere"));
    EXPECT_TRUE(isSimulatorFolder(temp / "Early"));

    const std::string sep = platform::separatorText();
    auto folders = [&](const char* name) {
        auto f = readInstallationFolders(temp / name);
        return f ? f->configDir + "|" + f->scenarioDir : std::string("none");
    };
    EXPECT_EQ(folders("Today"), sep + "Config" + sep + "|" + sep + "Scenarios" + sep);
    EXPECT_EQ(folders("Bare"), sep + "Config" + sep + "|" + sep + "Scenarios" + sep);
    EXPECT_EQ(folders("Early"), sep + "Cfg" + sep + "|" + sep + "Scn" + sep);
    EXPECT_EQ(folders("Short"), "none");
    EXPECT_EQ(folders("Half"), "none");
}

TEST_F(TodaysLayout, AStartWithoutOrbiterCfgScansTheDefaultFoldersAndTheFolderSearchAcceptsIt) {
    file("Config/Sol.cfg", crlf({"Name = Sol", "Star1 = Sun", "Planet1 = Earth", "Earth:Moon1 = Moon"}));
    file("Config/Vessels/ISS.cfg", crlf({"MeshName = ISS", "BEGIN_DOCKLIST", "0 0 0", "0 0 1", "END_DOCKLIST"}));
    temp.makeFolder("Orbiter/Scenarios");
    start(temp / "Orbiter");
    EXPECT_TRUE(catalogueLoader().startupSucceeded());
    EXPECT_EQ(main->state.CfgDir.caption(), platform::normalPath(temp / "Orbiter") + platform::nativeSeparators("/Config/"));
    EXPECT_EQ(main->state.ScnDir.caption(), platform::normalPath(temp / "Orbiter") + platform::nativeSeparators("/Scenarios/"));
    EXPECT_EQ(main->stationTab.StationClass.items(), std::vector<std::string>{"ISS"});
    EXPECT_EQ(main->StationDockNumberDisplay("iss"), 2);
    EXPECT_EQ(main->env.PlanetarySystem.items(), std::vector<std::string>{"Sol"});
    EXPECT_TRUE(scripted.dialogs.messages().empty());
}

TEST_F(TodaysLayout, ClassesUnderVesselsAreNamedByTheirPathAndWinOverTheTopLevel) {
    file("Config/Vessels/Deltaglider.cfg", crlf({"; the glider", "ClassName = DeltaGlider", "Size = 10"}));
    file("Config/Vessels/Carina.cfg", crlf({"ClassName = carina"}));
    file("Config/Vessels/ScriptPB.cfg", crlf({"--[[", "ClassName = Other", "END_PARSE"}));
    file("Config/Vessels/Nameless.cfg", crlf({"Mass = 1"}));
    file("Config/Vessels/Sub/Probe.cfg", crlf({"ClassName = Sub\\Probe"}));
    file("Config/Vessels/Mir.cfg", crlf({"BEGIN_DOCKLIST", "a", "b", "c", "END_DOCKLIST"}));
    file("Config/Vessels/Shuttle.cfg", crlf({";BEGIN_DOCKLIST", "a", ";END_DOCKLIST"}));
    // The early layout beside it: a class listed twice, a station class listed twice.
    file("Config/Glider.cfg", crlf({"ClassName = DELTAGLIDER"}));
    file("Config/Atlas.cfg", crlf({"ClassName = Atlas"}));
    file("Config/MIR.cfg", crlf({"BEGIN_DOCKLIST", "a", "END_DOCKLIST"}));
    file("Config/Wheel.cfg", crlf({"BEGIN_DOCKLIST", "a", "b", "END_DOCKLIST"}));

    const Catalogue c = scan();
    const std::string v = "Vessels" + platform::separatorText();
    EXPECT_EQ(c.shipClasses, (std::vector<NamedFile>{{"Atlas", "Atlas.cfg"},
                                                     {"carina", v + "Carina.cfg"},
                                                     {"DeltaGlider", v + "Deltaglider.cfg"},
                                                     {"Mir", v + "Mir.cfg"},
                                                     {"Nameless", v + "Nameless.cfg"},
                                                     {"ScriptPB", v + "ScriptPB.cfg"},
                                                     {"Shuttle", v + "Shuttle.cfg"},
                                                     {"Sub\\Probe", v + "Sub" + platform::separatorText() + "Probe.cfg"}}));
    EXPECT_EQ(c.stationClasses, (std::vector<StationClassEntry>{{"Mir", 3}, {"Wheel", 2}}));
    EXPECT_EQ(c.docksOf(" mir "), 3);
    ASSERT_NE(c.shipClass("deltaglider"), nullptr);
    EXPECT_EQ(c.shipClass("deltaglider")->file, v + "Deltaglider.cfg");
    EXPECT_TRUE(unreadable.empty());
}

TEST_F(TodaysLayout, BasesComeFromBaseLinesThenSurfBaseFoldersElseTheBodysOwnBaseFolder) {
    const std::string sep = platform::separatorText();
    file("Config/Earth.cfg", crlf({"Name = Earth", "Base1 = Habana -82.3 23.0", "BEGIN_SURFBASE",
                                   "DIR Earth\\Base PERIOD 0 1e10 CONTEXT x", "DIR Missing\\Base", "END_SURFBASE"}));
    file("Config/Habana.cfg", crlf({"Name = Habana", "LPAD1 = 1", "LPAD2 = 2"}));
    file("Config/Earth/Base/canaveral.cfg", baseFile("Cape Canaveral", 10));
    file("Config/Earth/Base/Habana.cfg", baseFile("Habana", 4));
    file("Config/Earth/Base/Alpha.cfg", baseFile(nullptr, 0));
    // No list at all: the Moon's own Base folder.
    file("Config/Moon.cfg", crlf({"Name = Moon", "Size = 1.738e6"}));
    file("Config/Moon/Base/Brighton.cfg", baseFile("Brighton Beach", 6));
    // A DIR list of its own: the default folder is not read.
    file("Config/Mars.cfg", crlf({"BEGIN_SURFBASE", "DIR Red\\Bases", "END_SURFBASE"}));
    file("Config/Mars/Base/Ignored.cfg", baseFile("Ignored", 1));
    file("Config/Red/Bases/Olympus.cfg", baseFile("Olympus", 3));
    file("Config/Venus.cfg", crlf({"Name = Venus"}));

    // The folder bases give their Location, where a ship landed by coordinates starts.
    const std::pair<double, double> at{-80.6, 28.6};
    EXPECT_EQ(bases({"Earth", "   Moon", "Mars", "Venus"}),
              (std::vector<BaseEntry>{{" Habana", 2, "Earth"},
                                      {"Alpha", 0, "Earth", at},
                                      {"Cape Canaveral", 10, "Earth", at},
                                      {"Brighton Beach", 6, "Moon", at},
                                      {"Olympus", 3, "Mars", at}}));
    EXPECT_TRUE(unreadable.empty()) << unreadable.front();

    // A missing body file is logged; a body without a Base folder is not.
    EXPECT_TRUE(bases({"Pluto"}).empty());
    EXPECT_EQ(unreadable, (UnreadableFiles{config() + "Pluto.cfg"}));
}

TEST_F(TodaysLayout, BothMoonFormsListTheMoonUnderItsPlanet) {
    file("Config/Sol.cfg", crlf({"Name = Sol", "Star1 = Sun", "Planet1 = Earth", "Earth:Moon1 = Moon",
                                 "Planet2 = Mars", "Mars1 = Phobos", "Mars:Moon2 = Deimos"}));
    UnreadableFiles none;
    EXPECT_EQ(readBodies(config() + "Sol.cfg", none),
              (std::vector<std::string>{"Earth", "   Moon", "Mars", "   Phobos", "   Deimos"}));
}

TEST_F(TodaysLayout, ConfigurationValuesAreTheTextAfterTheEqualsSign) {
    EXPECT_EQ(configValue("Size = 6.4e6"), " 6.4e6");
    EXPECT_EQ(configValue("Size=6.4e6"), "6.4e6");
    EXPECT_EQ(configValue("AtmAltLimit = 200e3"), " 200e3");
    EXPECT_EQ(configValue("No Data"), "");
    EXPECT_EQ(configValue("Name = a = b"), " a = b");
}

// ---------------------------------------------------------------------------------------------
// The simulator's own installation files

std::string corpus() { return std::string(VANTREL_CORPUS_DIR) + "/orbiter-2016"; }

TEST_F(TodaysLayout, TheSimulatorsOwnInstallationHasItsClassesStationsAndBases) {
    if (!platform::folderExists(corpus()))
        GTEST_SKIP() << "no corpus at " << corpus();
    UnreadableFiles log;
    const std::string cfg = platform::withTrailingSeparator(corpus()) + "Config/";
    const Catalogue c = Catalogue::scan(cfg, log);
    EXPECT_EQ(c.systems, (std::vector<NamedFile>{{"Sol", "Sol.cfg"}}));
    EXPECT_EQ(c.shipClasses.size(), 26u);
    EXPECT_NE(c.shipClass("DeltaGlider"), nullptr);
    EXPECT_EQ(c.stationClasses, (std::vector<StationClassEntry>{{"ISS", 3},
                                                                {"Leonardo_mplm", 1},
                                                                {"Mir", 3},
                                                                {"Module1", 2},
                                                                {"Module2", 6},
                                                                {"mplm", 2},
                                                                {"ProjectAlpha_ISS", 5},
                                                                {"Wheel", 2}}));
    const auto bodies = readBodies(cfg + "Sol.cfg", log);
    EXPECT_EQ(bodies.size(), 32u);
    const auto all = readBases(cfg, bodies, log);
    EXPECT_EQ(all.size(), 39u);
    auto pads = [&all](const std::string& name) {
        for (const BaseEntry& b : all)
            if (b.name == name)
                return b.body + " " + std::to_string(b.pads);
        return std::string("missing");
    };
    EXPECT_EQ(pads("Habana"), "Earth 4");
    EXPECT_EQ(pads("Cape Canaveral"), "Earth 10");
    EXPECT_EQ(pads("Brighton Beach"), "Moon 6");
    EXPECT_EQ(pads("Olympus"), "Mars 3");
    EXPECT_TRUE(log.empty()) << log.front();
}

TEST_F(TodaysLayout, EveryScenarioOfTheSimulatorOpensWithoutAFalseScanLogEntry) {
    if (!platform::folderExists(corpus()))
        GTEST_SKIP() << "no corpus at " << corpus();
    start(corpus());
    ASSERT_TRUE(catalogueLoader().startupSucceeded());
    const std::regex entry("Can not open the file (.*?)\\. ");
    int opened = 0;
    for (const auto& f : std::filesystem::recursive_directory_iterator(corpus())) {
        if (f.path().extension() != ".scn")
            continue;
        main->model.ScanLog.clear();
        main->model.ScanErrorsFound = false;
        const std::string folder = f.path().parent_path().string();
        main->state.ScnDir.setCaption(platform::withTrailingSeparator(folder));
        main->state.scnfile.setCaption(f.path().filename().string());
        main->reader().TabSettings();
        ++opened;
        const std::string log = main->model.ScanLog;
        for (std::sregex_iterator m(log.begin(), log.end(), entry), end; m != end; ++m)
            EXPECT_FALSE(platform::fileExists(platform::resolveIgnoringCase((*m)[1].str())))
                << f.path() << " logs a file that exists: " << (*m)[1].str();
    }
    EXPECT_GT(opened, 150);
}

} // namespace
} // namespace vantrel::test
