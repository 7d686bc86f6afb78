#include "CatalogueFixture.h"

#include <vector>

namespace vantrel::test {
namespace {

class StationDocks : public CatalogueFixture {
protected:
    void SetUp() override {
        make();
        main->state.CfgDir.setCaption(temp.makeFolder("Config") + "/");
    }
    // Scans the given class files as the start-up hands them over.
    void scan(std::initializer_list<const char*> files) {
        main->state.Buffer.clear();
        for (const char* f : files)
            main->state.Buffer.addItem(f);
        catalogueLoader().StationDockScan();
    }
    const std::vector<std::string>& counts() const { return main->cat.StationClassDockCounts; }
};

TEST_F(StationDocks, PortsAreTheLinesBetweenTheDockListMarkers) {
    temp.write("Config/Three.cfg", crlf({"Meshname = Three", "BEGIN_DOCKLIST", "a", "", "; a comment", "END_DOCKLIST",
                                         "Size = 1"}));
    temp.write("Config/Two.cfg", crlf({"BEGIN_DOCKLIST", "a", "b", "END_DOCKLIST", "BEGIN_DOCKLIST", "c", "d", "e",
                                       "  end_docklist  "}));
    temp.write("Config/Open.cfg", crlf({"x", "  begin_docklist", "a", "b", "c", "d"}));
    temp.write("Config/None.cfg", crlf({"Meshname = None"}));
    scan({"Three.cfg", "Two.cfg", "Open.cfg", "None.cfg"});
    EXPECT_EQ(main->cat.StationClassCount, 4);
    EXPECT_EQ(main->cat.StationClassNames, (std::vector<std::string>{"Three", "Two", "Open", "None", ""}));
    // Two lists of 2 and 3 lines count 6; a list never closed counts every line after it, minus one.
    EXPECT_EQ(counts(), (std::vector<std::string>{" 3", " 6", " 3", "-1", ""}));
    EXPECT_FALSE(main->model.ScanErrorsFound);
}

TEST_F(StationDocks, AnUnreadableClassFileCountsMinusOneAndIsLogged) {
    temp.write("Config/ISS.cfg", crlf({"BEGIN_DOCKLIST", "a", "END_DOCKLIST"}));
    scan({"Gone.cfg", "ISS.cfg"});
    EXPECT_EQ(counts(), (std::vector<std::string>{"-1", " 1", ""}));
    EXPECT_EQ(main->model.ScanLog, "Can not open the file " + main->state.CfgDir.caption() + "Gone.cfg. ");
    EXPECT_EQ(main->StationDockNumberDisplay("Gone"), -1);
}

TEST_F(StationDocks, NumberDisplayMatchesTrimmedNamesIgnoringCase) {
    EXPECT_EQ(main->StationDockNumberDisplay("ISS"), 0); // nothing scanned yet
    temp.write("Config/ISS.cfg", crlf({"BEGIN_DOCKLIST", "a", "b", "END_DOCKLIST"}));
    scan({"ISS.cfg"});
    EXPECT_EQ(main->StationDockNumberDisplay("  iss "), 2);
    EXPECT_EQ(main->StationDockNumberDisplay("Mir"), 0);
    EXPECT_EQ(main->StationDockNumberDisplay(""), 0);

    // An empty scan leaves the table as it was.
    scan({});
    EXPECT_EQ(main->cat.StationClassCount, 0);
    EXPECT_EQ(main->StationDockNumberDisplay("ISS"), 0);
}

TEST_F(StationDocks, ALowerCaseDockListCountsButDoesNotMakeAClass) {
    const auto mini = writeMiniInstallation(temp);
    temp.write("Orbiter/Config/Quiet.cfg", crlf({"begin_docklist", "a", "END_DOCKLIST"}));
    start(mini.folder);
    EXPECT_EQ(main->stationTab.StationClass.items(), MiniInstallation::stationClasses());
    // Counted all the same when a class file is handed over.
    main->state.CfgDir.setCaption(mini.configFolder);
    scan({"Quiet.cfg"});
    EXPECT_EQ(counts().front(), " 1");
}

} // namespace
} // namespace vantrel::test
