// The orbit pictures of the station and ship tabs, on the sample installation: the figures a
// person reads, and what the picture says while the fields give no orbit or an odd one.

#include "support/TempFolder.h"

#include "core/app/ScenarioReader.h"
#include "core/app/Vantrel.h"
#include "core/editing/OrbitPictures.h"
#include "core/files/Description.h"
#include "core/platform/FileSystem.h"
#include "core/text/TextHelpers.h"
#include "core/ui/ScriptedServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::test {
namespace {

// The entry of a body list that names the body, -1 when none does.
int entry(const ui::ListControl& list, const std::string& body) {
    for (int i = 0; i < list.listCount(); ++i)
        if (trim(list.list(i)) == body)
            return i;
    return -1;
}

std::vector<std::string> texts(const ui::OrbitDrawing& d) {
    std::vector<std::string> out;
    for (const auto& label : d.labels)
        out.push_back(label.warning ? "!" + label.text : label.text);
    return out;
}

class OrbitPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        Vantrel::Options options;
        options.startFolder = temp.makeFolder("Start");
        options.orbiterFolder = VANTREL_SAMPLE_DIR;
        main = std::make_unique<Vantrel>(scripted.services(), options);
        main->load();
        scripted.dialogs.clear();
    }

    void open(const std::string& path) {
        const std::string folder = platform::withTrailingSeparator(platform::parentFolder(path));
        main->state.ScnDir.setCaption(folder);
        main->state.scnfile.setCaption(path.substr(folder.size()));
        main->env.Description.setText(GetDescription(path));
        main->reader().TabSettings();
    }

    const ui::OrbitDrawing& station() const { return main->stationTab.StationOrbitPicture.drawing(); }
    const ui::OrbitDrawing& ship() const { return main->shipTab.ShipOrbitPicture.drawing(); }

    TempFolder temp;
    ui::ScriptedServices scripted;
    std::unique_ptr<Vantrel> main;
};

TEST_F(OrbitPictureTest, AStationOfTheSampleShowsItsApsidesAndPeriod) {
    open(std::string(VANTREL_SAMPLE_DIR) + "/Scenarios/Earth orbit/Meridian yard.scn");
    ASSERT_EQ("Meridian", main->stationTab.StationName.text());
    // a = 6778137 m, e = 0.0004 over Earth's 6371 km: 404.4 and 409.8 km, about 92.6 minutes.
    EXPECT_EQ((std::vector<std::string>{"Periapsis 404.4 km", "Apoapsis 409.8 km", "Period 1:32:34",
                                        "i 51.6\xC2\xB0 to the ecliptic"}),
              texts(station()));
    EXPECT_DOUBLE_EQ(6371e3, station().bodyRadius);
    EXPECT_DOUBLE_EQ(6571e3, station().atmosphereRadius);
    ASSERT_TRUE(station().periapsis && station().apoapsis && station().vessel);
    EXPECT_NEAR(6775425.7, station().periapsis->x, 0.1);
    EXPECT_NEAR(-6780848.3, station().apoapsis->x, 0.1);
    EXPECT_GT(station().outline.size(), 8u);
    EXPECT_GT(station().extent, 6780848.3);
}

TEST_F(OrbitPictureTest, OrbitPictureFollowsTheFieldsAsTheyAreTyped) {
    open(std::string(VANTREL_SAMPLE_DIR) + "/Scenarios/Earth orbit/Meridian yard.scn");
    auto& t = main->stationTab;

    t.StationSemiMajorAxis.userSetText("abc");
    EXPECT_EQ((std::vector<std::string>{"No orbit"}), texts(station()));
    EXPECT_TRUE(station().outline.empty());
    t.StationSemiMajorAxis.userSetText("6500000 m"); // the leading number counts
    EXPECT_EQ("Periapsis 126.4 km", texts(station()).front());
    EXPECT_EQ("!Enters the atmosphere", texts(station()).back());
    t.StationSemiMajorAxis.userSetText("6300000");
    EXPECT_EQ("!Hits the surface", texts(station()).back());

    // A hyperbola is drawn out to a few body radii.
    t.StationSemiMajorAxis.userSetText("-8000000");
    t.StationExcentricity.userSetText("2.5");
    EXPECT_EQ((std::vector<std::string>{"Periapsis 5629.0 km", "Escapes", "i 51.6\xC2\xB0 to the ecliptic"}),
              texts(station()));
    EXPECT_FALSE(station().apoapsis);
    EXPECT_NEAR(3 * 12e6, std::hypot(station().outline.front().x, station().outline.front().y), 1);

    t.StationExcentricity.userSetText("1");
    EXPECT_EQ("No orbit", texts(station()).front());
    EXPECT_EQ(2u, station().labels.size()) << "with the reason";
}

TEST_F(OrbitPictureTest, OrbitPictureOfAMoonStationAndLongPeriods) {
    open(std::string(VANTREL_SAMPLE_DIR) + "/Scenarios/Earth orbit/Meridian yard.scn");
    main->stationTab.StationName.userSelect(2); // Lantern, around the Moon
    const std::vector<std::string> labels = texts(station());
    EXPECT_EQ("Atmosphere height not given", labels.back());
    EXPECT_EQ(0, station().atmosphereRadius);

    main->stationTab.StationName.userSelect(0);
    main->stationTab.StationSemiMajorAxis.userSetText("384400000");
    EXPECT_EQ("Period 27 d 10:55:41", texts(station())[2]);
}

TEST_F(OrbitPictureTest, OrbitPictureOfAShipConvertsItsVectorAtTheStart) {
    open(std::string(VANTREL_SAMPLE_DIR) + "/Scenarios/Earth orbit/Meridian yard.scn");
    auto& t = main->shipTab;
    for (int i = 0; i < t.ShipName.listCount(); ++i) {
        t.ShipName.userSelect(i);
        if (t.OrbitingShipOption.value())
            break;
    }
    // A circular orbit 400 km up, whatever the ship of the sample is.
    const double r = 6771e3;
    const double v = std::sqrt(orbit::GravitationalConstant * 5.9722e24 / r);
    t.ShipOrbitingPlanet.setCaption("Earth");
    t.ShipOrbitingRposX.userSetText(std::to_string(r));
    t.ShipOrbitingRposY.userSetText("0");
    t.ShipOrbitingRposZ.userSetText("0");
    t.ShipOrbitingRvelX.userSetText("0");
    t.ShipOrbitingRvelY.userSetText("0");
    t.ShipOrbitingRvelZ.userSetText(std::to_string(v));
    const std::vector<std::string> labels = texts(ship());
    ASSERT_GE(labels.size(), 3u);
    EXPECT_EQ("Periapsis 400.0 km", labels[0]);
    EXPECT_EQ("Apoapsis 400.0 km", labels[1]);
    ASSERT_TRUE(ship().vessel);
    EXPECT_NEAR(r, std::hypot(ship().vessel->x, ship().vessel->y), 1);

    t.ShipOrbitingRvelZ.userSetText("-");
    EXPECT_EQ((std::vector<std::string>{"No orbit"}), texts(ship()));
}

// Each change that moves the orbit or the vessel on it draws the picture again at once, without
// the station or ship being shown anew: the first tab's date and time (the station is placed
// where it is at the start), the station's reference hour and minute (its epoch), and "Change
// Planet" on either tab (the body, with its mass and atmosphere).
TEST_F(OrbitPictureTest, OrbitPictureFollowsTheDatesAndTheBody) {
    open(std::string(VANTREL_SAMPLE_DIR) + "/Scenarios/Earth orbit/Meridian yard.scn");
    auto& t = main->stationTab;
    ASSERT_EQ("Meridian", t.StationName.text());
    auto where = [&] {
        EXPECT_TRUE(station().vessel);
        return station().vessel ? *station().vessel : ui::OrbitDrawing::Point{};
    };
    auto moved = [](ui::OrbitDrawing::Point a, ui::OrbitDrawing::Point b) {
        return std::hypot(a.x - b.x, a.y - b.y) > 1000; // a kilometre
    };

    struct Change {
        const char* what;
        std::function<void()> make;
    };
    const std::vector<Change> changes = {
        {"the start day", [&] { main->env.Calendar.userSetDate(*main->env.Calendar.date() + 1); }},
        {"the start hour", [&] { main->env.Hour.userSelect((main->env.Hour.listIndex() + 1) % 24); }},
        {"the start minute", [&] { main->env.Minute.userSelect((main->env.Minute.listIndex() + 7) % 60); }},
        {"the reference hour", [&] { t.StationOrbitalRefHour.userSelect((t.StationOrbitalRefHour.listIndex() + 1) % 24); }},
        {"the reference minute", [&] { t.StationOrbitalRefMin.userSelect((t.StationOrbitalRefMin.listIndex() + 7) % 60); }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        const auto before = where();
        const std::vector<std::string> labels = texts(station());
        change.make();
        EXPECT_TRUE(moved(before, where()));
        EXPECT_EQ(labels, texts(station())) << "the orbit itself stays";
    }

    // The station's body, by "Change Planet" alone.
    const int moon = entry(t.StationRef, "Moon");
    ASSERT_GE(moon, 0) << ::testing::PrintToString(t.StationRef.items());
    t.StationRef.userSelect(moon);
    EXPECT_DOUBLE_EQ(6371e3, station().bodyRadius) << "choosing in the list changes nothing yet";
    t.Command8.userClick();
    EXPECT_DOUBLE_EQ(1737.4e3, station().bodyRadius);
    EXPECT_EQ("Atmosphere height not given", texts(station()).back());

    // The ship's body, likewise.
    auto& s = main->shipTab;
    for (int i = 0; i < s.ShipName.listCount() && !s.OrbitingShipOption.value(); ++i)
        s.ShipName.userSelect(i);
    ASSERT_TRUE(s.OrbitingShipOption.value());
    const double earthRadius = ship().bodyRadius;
    const int mars = entry(s.OrbitingRef, "Mars");
    ASSERT_GE(mars, 0);
    s.OrbitingRef.userSelect(mars);
    s.Command11.userClick();
    EXPECT_NE(earthRadius, ship().bodyRadius);
    EXPECT_EQ("Mars", s.ShipOrbitingPlanet.caption());
}

TEST(OrbitPictureFields, OnlyATextBeginningWithANumberIsOne) {
    EXPECT_EQ(12.5, fieldNumber("  12.5 %"));
    EXPECT_EQ(-0.5, fieldNumber("-.5"));
    EXPECT_EQ(2000, fieldNumber("2E3"));
    EXPECT_FALSE(fieldNumber(""));
    EXPECT_FALSE(fieldNumber("-"));
    EXPECT_FALSE(fieldNumber("."));
    EXPECT_FALSE(fieldNumber("x1"));
}

} // namespace
} // namespace vantrel::test
