// The Tools windows: planetary information values, the converter's numbers, the error log and
// the About box.

#include "support/TempFolder.h"

#include "core/tools/About.h"
#include "core/platform/TextFile.h"
#include "core/tools/CoordinateConverter.h"
#include "core/tools/ErrorLog.h"
#include "core/tools/PlanetarySystemInformation.h"
#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"

#include <gtest/gtest.h>

#include <regex>

namespace vantrel {
namespace {

using Info = PlanetarySystemInformation;

TEST(PlanetaryInformationValues, RotationPeriodInHoursMinutesAndWholeSeconds) {
    EXPECT_EQ(Info::rotationPeriodText(-20997), "5h49min57sec");
    EXPECT_EQ(Info::rotationPeriodText(59.9), "0h0min59sec");
    EXPECT_EQ(Info::rotationPeriodText(3725.5), "1h2min5sec");
    EXPECT_EQ(Info::rotationPeriodText(86164.1), "23h56min4sec");
    EXPECT_EQ(Info::rotationPeriodText(0), "0h0min0sec");
}

TEST(PlanetaryInformationValues, WholeNumbersGroupedByThousands) {
    EXPECT_EQ(Info::groupedWhole(999.6, ","), "1,000");
    EXPECT_EQ(Info::groupedWhole(6.37101e6, ","), "6,371,010");
    EXPECT_EQ(Info::groupedWhole(6.37101e6, "."), "6.371.010");
    EXPECT_EQ(Info::groupedWhole(0, ","), "0");
    EXPECT_EQ(Info::groupedWhole(-0.4, ","), "0");
    EXPECT_EQ(Info::groupedWhole(-1234567, ","), "-1,234,567");
    EXPECT_EQ(Info::groupedWhole(100, ","), "100");
}

class PlanetaryInformationTest : public ::testing::Test {
protected:
    PlanetaryInformationTest() : w(scripted.services(), Vantrel::Options{}) {
        temp.write("Config/Earth.cfg", test::crlf({"Name = Earth", "Mass = 5.976e24 ; kg", "Size = 6.37101e6",
                                                   "SidRotPeriod = 86164.10", "AtmAltLimit = 200e3"}));
        temp.write("Config/Moon.cfg", test::crlf({"Name = Moon", "Mass = 7.35e22", "Size = 999.6",
                                                  "SidRotPeriod = -20997"}));
        temp.write("Config/Bare.cfg", test::crlf({"Name = Bare"}));
        w.state.CfgDir.setCaption(temp / "Config/");
        for (const char* body : {"Earth", "   Moon", "Bare"})
            w.stationTab.StationRef.addItem(body);
        w.stationTab.StationRef.setListIndex(1);
    }

    test::TempFolder temp;
    ui::ScriptedServices scripted;
    Vantrel w;
};

TEST_F(PlanetaryInformationTest, ShowsTheValuesOfTheSelectedBody) {
    Info& info = w.windows().planetarySystemInformation();
    w.menu.Menu31.setEnabled(true);
    info.load();
    EXPECT_EQ(info.Planet.items(), w.stationTab.StationRef.items());
    EXPECT_EQ(w.stationTab.StationRef.listIndex(), 1);
    EXPECT_EQ(info.Planet.listIndex(), 0);
    EXPECT_EQ(info.PlanetMass.caption(), " 5.976e24 kg");
    EXPECT_EQ(info.PlanetMeanRadius.caption(), "6,371,010 m");
    EXPECT_EQ(info.PlanetSideralRotationPeriod.caption(), "23h56min4sec");
    EXPECT_EQ(info.PlanetAtmosphereLimit.caption(), "200,000 m");

    // A moon entry reads the file of the trimmed name.
    info.Planet.userSelect(1);
    EXPECT_EQ(info.PlanetMeanRadius.caption(), "1,000 m");
    EXPECT_EQ(info.PlanetSideralRotationPeriod.caption(), "5h49min57sec");
    EXPECT_EQ(info.PlanetAtmosphereLimit.caption(), "0 m");

    info.Planet.userSelect(2);
    EXPECT_EQ(info.PlanetMass.caption(), "No Data");
    EXPECT_EQ(info.PlanetMeanRadius.caption(), "0 m");
    EXPECT_EQ(info.PlanetSideralRotationPeriod.caption(), "No Data");
    EXPECT_EQ(info.PlanetAtmosphereLimit.caption(), "0 m");
}

TEST_F(PlanetaryInformationTest, CloseHidesAndKeepsTheList) {
    Info& info = w.windows().planetarySystemInformation();
    w.menu.Menu31.setEnabled(true);
    scripted.screen.showModeless(info);
    info.Planet.userSelect(1);
    info.Command1.userClick();
    EXPECT_TRUE(info.loaded());
    EXPECT_FALSE(scripted.screen.isShown("PlanetarySystemInformation"));
    EXPECT_EQ(info.Planet.listIndex(), 1);
    EXPECT_EQ(info.Planet.listCount(), 3);
}

TEST_F(PlanetaryInformationTest, StartsEmptyBeforeAnyScenario) {
    Info& info = w.windows().planetarySystemInformation();
    info.load();
    EXPECT_EQ(info.Planet.listCount(), 0);
    EXPECT_EQ(info.PlanetMass.caption(), "");
}

TEST(ConverterNumbers, AnglesAreWholeDegreesWithHalvesToEvenAndTheirSignKept) {
    EXPECT_EQ(CoordinateConverter::wholeDegrees("45.5"), 46);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("44.5"), 44);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("-370"), -10);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("450"), 90);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("abc"), 0);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("12 degrees"), 12);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("2147483647"), 2147483647 % 360);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("2147483648"), std::nullopt);
    EXPECT_EQ(CoordinateConverter::wholeDegrees("-1e12"), std::nullopt);
}

TEST(ConverterNumbers, GeneralFormShowsFifteenDigitsAndAPlainZero) {
    EXPECT_EQ(CoordinateConverter::generalForm(43.30127018922193), "43.3012701892219");
    EXPECT_EQ(CoordinateConverter::generalForm(75.00000000000001), "75");
    EXPECT_EQ(CoordinateConverter::generalForm(0.5), "0.5");
    EXPECT_EQ(CoordinateConverter::generalForm(-0.25), "-0.25");
    EXPECT_EQ(CoordinateConverter::generalForm(-0.0), "0");
    EXPECT_EQ(CoordinateConverter::generalForm(6.123233995736766e-15), "6.12323399573677E-15");
}

class ConverterTest : public ::testing::Test {
protected:
    ConverterTest() : w(scripted.services(), Vantrel::Options{}) {}
    ui::ScriptedServices scripted;
    Vantrel w;
};

// cos(90 degrees) is not quite 0, and its last digits are the maths library's: the x87 cosine
// of mingw's differs from glibc's from the fourth digit on. The form is the program's.
bool nearlyZero(const std::string& caption, const std::string& exponent) {
    return caption.size() == 16 + exponent.size() && caption.compare(0, 5, "6.123") == 0 &&
           caption.compare(16, std::string::npos, exponent) == 0;
}

TEST_F(ConverterTest, OpensWithItsExampleAndFollowsTyping) {
    CoordinateConverter& c = w.windows().coordinateConverter();
    scripted.screen.showModeless(c);
    EXPECT_EQ(c.X.caption(), "43.3012701892219");
    EXPECT_EQ(c.Y.caption(), "75");
    EXPECT_EQ(c.Z.caption(), "50");

    c.Azimuth.userSetText("90");
    c.Elevation.userSetText("0");
    EXPECT_TRUE(nearlyZero(c.X.caption(), "E-15")) << c.X.caption();
    EXPECT_EQ(c.Y.caption(), "100");
    EXPECT_EQ(c.Z.caption(), "0");

    c.Elevation.userSetText("450");
    EXPECT_EQ(c.Z.caption(), "100");
    c.Radius.userSetText("");
    EXPECT_EQ(c.X.caption(), "0");
    EXPECT_EQ(c.Y.caption(), "0");
    EXPECT_EQ(c.Z.caption(), "0");

    c.Radius.userSetText("10");
    c.Azimuth.userSetText("9e99");
    EXPECT_EQ(c.Y.caption(), "0");
    c.Azimuth.userSetText("0");
    EXPECT_TRUE(nearlyZero(c.X.caption(), "E-16")) << c.X.caption();

    // Closing unloads it; it opens again with its example.
    c.Command1.userClick();
    EXPECT_FALSE(c.loaded());
    scripted.screen.showModeless(c);
    EXPECT_EQ(c.Y.caption(), "75");
}

TEST_F(ConverterTest, ErrorLogShowsTheScanLogOrSaysThereIsNone) {
    ErrorLog& log = w.windows().errorLog();
    log.load();
    EXPECT_EQ(log.Text1.text(), "No errors were found during file scanning for this scenario.");
    log.Command1.userClick();
    EXPECT_FALSE(log.loaded());
    w.model.ScanLog = "Can not open the file x.cfg. ";
    log.load();
    EXPECT_EQ(log.Text1.text(), "Can not open the file x.cfg. ");
}

TEST_F(ConverterTest, ClosingTheAboutBoxGivesTheMainWindowBack) {
    About& about = w.windows().about();
    scripted.screen.setEnabled(w, false);
    about.load();
    about.Command1.userClick();
    EXPECT_TRUE(w.enabled());
    scripted.screen.setEnabled(w, false);
    about.load();
    scripted.screen.unload(about); // the close box
    EXPECT_TRUE(w.enabled());
}

TEST_F(ConverterTest, AboutBoxShowsTheProjectVersion) {
    const auto build = platform::readFile(std::string(VANTREL_SOURCE_DIR) + "/CMakeLists.txt");
    ASSERT_TRUE(build);
    std::smatch version;
    ASSERT_TRUE(std::regex_search(*build, version, std::regex(R"(project\(Vantrel VERSION ([0-9.]+))")));
    EXPECT_EQ(w.windows().about().Label5.caption(), "Version " + version[1].str());
}

} // namespace
} // namespace vantrel
