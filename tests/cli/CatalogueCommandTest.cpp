// vantrel-scn catalogue, run as a program on small installations.

#include "support/MiniInstallation.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
namespace vantrel::test {
namespace {

TEST(CatalogueCommand, PrintsTheCatalogueOfAnInstallation) {
    TempFolder temp;
    const auto mini = writeMiniInstallation(temp);
    const ToolRun run = runScn(temp, {"catalogue", mini.folder});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "config\t" + mini.configFolder + "\n" +
                           "scenarios\t" + mini.scenarioFolder + "\n" +
                           "system\tTau Ceti\tCeti.cfg\n"
                           "system\tSol\tSol.cfg\n"
                           "shipclass\tDeltaGlider\tDeltaGlider.cfg\n"
                           "shipclass\tDragonfly\tDragonfly.cfg\n"
                           "shipclass\tShuttleA\tShuttleA.cfg\n"
                           "shipclass\tShuttlePB\tShuttlePB.cfg\n"
                           "stationclass\tISS\t4\n"
                           "stationclass\tMir\t12\n"
                           "stationclass\tWheel\t1\n"
                           "body\tTau Ceti\tTceti\n"
                           "body\tTau Ceti\t   Pyrrha\n"
                           "body\tSol\tMercury\n"
                           "body\tSol\tVenus\n"
                           "body\tSol\tEarth\n"
                           "body\tSol\t   Moon\n"
                           "body\tSol\tMars\n"
                           "body\tSol\t   Phobos\n"
                           "body\tSol\t   Deimos\n"
                           "base\tSol\t Habana: 3:Earth\n"
                           "base\tSol\tCape: 1:Earth\n"
                           "base\tSol\t Brighton Beach: 12:Moon\n"
                           "base\tSol\t Olympus: 2:Mars\n");
    // The settings file belongs to the desktop program: the tool neither reads nor writes it.
    EXPECT_EQ(temp.read("vantrel.cfg"), "");
}

TEST(CatalogueCommand, PrintsBothLayoutsWithFilesRelativeToTheConfigurationFolder) {
    TempFolder temp;
    const auto mini = writeMiniInstallation(temp);
    temp.write("Orbiter/Config/Vessels/Sub/Probe.cfg", crlf({"ClassName = sub\\probe"}));
    temp.write("Orbiter/Config/Vessels/Mir.cfg", crlf({"BEGIN_DOCKLIST", "1", "2", "END_DOCKLIST"}));
    temp.write("Orbiter/Config/Venus/Base/Maxwell.cfg",
               crlf({"BASE-V2.0", "Name = Maxwell Port", "BEGIN_OBJECTLIST", "LPAD2", "\tPOS 0 0 0", "END",
                     "END_OBJECTLIST"}));
    const ToolRun run = runScn(temp, {"catalogue", mini.folder});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* line : {"\nshipclass\tDeltaGlider\tDeltaGlider.cfg\n", "\nshipclass\tMir\tVessels/Mir.cfg\n",
                             "\nshipclass\tsub\\probe\tVessels/Sub/Probe.cfg\n", "\nstationclass\tMir\t2\n",
                             "\nstationclass\tWheel\t1\n", "\nbase\tSol\tMaxwell Port: 1:Venus\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
    EXPECT_EQ(run.out.find("stationclass\tMir\t12"), std::string::npos);
}

TEST(CatalogueCommand, ReadsTheSimulatorsOwnInstallation) {
    const std::string corpus = std::string(VANTREL_CORPUS_DIR) + "/orbiter-2016";
    TempFolder temp;
    if (!std::ifstream(corpus + "/Config/Sol.cfg"))
        GTEST_SKIP() << "no corpus at " << corpus;
    const ToolRun run = runScn(temp, {"catalogue", corpus});
    ASSERT_EQ(run.status, 0) << run.err;
    auto count = [&run](const std::string& kind) {
        size_t n = 0;
        for (size_t at = run.out.find("\n" + kind + "\t"); at != std::string::npos; at = run.out.find("\n" + kind + "\t", at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("system"), 1u);
    EXPECT_EQ(count("shipclass"), 26u);
    EXPECT_EQ(count("stationclass"), 8u);
    EXPECT_EQ(count("body"), 32u);
    EXPECT_EQ(count("base"), 39u);
    for (const char* line : {"\nshipclass\tDeltaGlider\tVessels/Deltaglider.cfg\n", "\nstationclass\tModule2\t6\n",
                             "\nbody\tSol\t   Moon\n", "\nbase\tSol\tCape Canaveral: 10:Earth\n",
                             "\nbase\tSol\tBrighton Beach: 6:Moon\n", "\nbase\tSol\tOlympus: 3:Mars\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_EQ(run.out.find("scanlog"), std::string::npos);
}

TEST(CatalogueCommand, EndsWithTheScanLogWhenAFileCouldNotBeRead) {
    TempFolder temp;
    const auto mini = writeMiniInstallation(temp);
    temp.write("Orbiter/Config/Ceti.cfg", crlf({"Name = Tau Ceti", "Star1 = TauCeti", "Planet1 = Lost"}));
    const ToolRun run = runScn(temp, {"catalogue", mini.folder});
    EXPECT_EQ(run.status, 0);
    // The last line is the scan log: the body file that is missing, as often as it was asked for.
    const std::string entry = "Can not open the file " + mini.configFolder + "Lost.cfg. ";
    const size_t start = run.out.rfind("\nscanlog\t");
    ASSERT_NE(start, std::string::npos) << run.out;
    const std::string log = run.out.substr(start + 9);
    EXPECT_EQ(log.substr(0, entry.size()), entry);
    EXPECT_EQ(log.back(), '\n');
    EXPECT_EQ(log.find('\n'), log.size() - 1);
    EXPECT_NE(run.out.find("body\tTau Ceti\tLost\n"), std::string::npos);
}

TEST(CatalogueCommand, AFolderThatIsNoInstallationFailsWithTheWarning) {
    TempFolder temp;
    temp.makeFolder("Empty");
    const ToolRun run = runScn(temp, {"catalogue", temp / "Empty"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "The Orbiter folder was not correctly located. You must locate it using the folder "
                       "search in the menu Tools.\n");
}

TEST(CatalogueCommand, UsageErrorsExitWithTwoAndHelpNamesTheCommand) {
    TempFolder temp;
    EXPECT_EQ(runScn(temp, {"catalogue"}).status, 2);
    EXPECT_EQ(runScn(temp, {"catalogue", "a", "b"}).status, 2);
    const ToolRun help = runScn(temp, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("catalogue ORBITER_FOLDER"), std::string::npos);

    // A catalogue that could not be written out is not reported as done.
    if (std::ifstream("/dev/full")) {
        const auto mini = writeMiniInstallation(temp);
        const ToolRun full = runScn(temp, {"catalogue", mini.folder}, "/dev/full");
        EXPECT_EQ(full.status, 1);
        EXPECT_NE(full.err.find("could not be written"), std::string::npos);
    }
}

TEST(CatalogueCommand, ReadsTheSampleInstallation) {
    const std::string sample = VANTREL_SAMPLE_DIR;
    TempFolder temp;
    if (!std::ifstream(sample + "/orbiter.cfg"))
        GTEST_SKIP() << "no sample installation";
    const ToolRun run = runScn(temp, {"catalogue", sample});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nsystem\tSol\t"), std::string::npos);
    EXPECT_NE(run.out.find("\nstationclass\t"), std::string::npos);
    EXPECT_EQ(run.out.find("scanlog"), std::string::npos);
}

} // namespace
} // namespace vantrel::test
