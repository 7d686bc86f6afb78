// The bodies of a planetary system as typed data: the sample's Sol against its files, a written
// installation with the faults body files have, and the simulator's own Sol when
// ../shared/corpus is there.

#include "CatalogueFixture.h"

#include "core/catalogue/Bodies.h"
#include "core/orbit/Orbit.h"

#include <cmath>
#include <filesystem>
#include <numbers>

namespace vantrel::test {
namespace {

using Kind = Body::Kind;

constexpr double Degree = std::numbers::pi / 180;

// Angles compared modulo a full turn.
double angleGap(double a, double b) {
    return std::abs(std::remainder(a - b, 2 * std::numbers::pi));
}

std::string sampleConfig() {
    return std::string(VANTREL_SAMPLE_DIR) + "/Config/";
}

struct ExpectedBody {
    const char* name;
    Kind kind;
    const char* parent;
    std::optional<double> mass;
    std::optional<double> radius;
    double atmosphere;
};

void expectBodies(const SystemBodies& read, const std::vector<ExpectedBody>& expected) {
    ASSERT_EQ(read.bodies.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Body& b = read.bodies[i];
        const ExpectedBody& e = expected[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(b.name, e.name);
        EXPECT_EQ(b.kind, e.kind);
        EXPECT_EQ(b.parent, e.parent);
        EXPECT_EQ(b.mass, e.mass);
        EXPECT_EQ(b.radius, e.radius);
        EXPECT_EQ(b.atmosphereHeight, e.atmosphere);
    }
}

// ---------------------------------------------------------------------------------------------
// The sample installation (early layout)

TEST(BodiesOfTheSample, SolGivesEveryBodyWithTheValuesOfItsFile) {
    const SystemBodies sol = readSystemBodies(sampleConfig(), sampleConfig() + "Sol.cfg");
    // The sample has no file for its star: the Sun is listed, without data.
    expectBodies(sol, {{"Sun", Kind::Star, "", std::nullopt, std::nullopt, 0},
                       {"Mercury", Kind::Planet, "Sun", 3.3011e23, 2.4397e6, 0},
                       {"Venus", Kind::Planet, "Sun", 4.8675e24, 6.0518e6, 250e3},
                       {"Earth", Kind::Planet, "Sun", 5.9722e24, 6.371e6, 200e3},
                       {"Moon", Kind::Moon, "Earth", 7.342e22, 1.7374e6, 0},
                       {"Mars", Kind::Planet, "Sun", 6.4171e23, 3.3895e6, 150e3},
                       {"Phobos", Kind::Moon, "Mars", 1.0659e16, 11266.7, 0},
                       {"Deimos", Kind::Moon, "Mars", 1.4762e15, 6200, 0}});
    EXPECT_FALSE(sol.bodies[0].fileRead);
    ASSERT_EQ(sol.problems.size(), 1u);
    EXPECT_NE(sol.problems[0].find("Sun.cfg: cannot be read"), std::string::npos);
    EXPECT_EQ(sol.firstStar(), &sol.bodies[0]);
    EXPECT_EQ(sol.find("Earth")->mu(), orbit::GravitationalConstant * 5.9722e24);
    EXPECT_EQ(sol.find("Sun")->mu(), std::nullopt);
    // STATUS lines name bodies with their letter case.
    EXPECT_EQ(sol.find("earth"), nullptr);
    // Without rotation keys the equator is the ecliptic.
    EXPECT_EQ(sol.find("Mars")->equatorAt(60000).obliquity, 0);
}

class BodiesOfTheChosenSystem : public CatalogueFixture {};

TEST_F(BodiesOfTheChosenSystem, ChoosingASystemKeepsItsBodiesAsTheValidationReadsThem) {
    start(VANTREL_SAMPLE_DIR);
    ASSERT_TRUE(catalogueLoader().startupSucceeded());
    catalogueLoader().ExtractPlanet(main->state.CfgDir.caption() + "Sol.cfg");
    const SystemBodies& bodies = main->cat.bodies;
    ASSERT_EQ(bodies.bodies.size(), 8u);
    // The early files' validation reads Size and AtmAltLimit from the files itself; both
    // readings agree on every body that has a file.
    for (const Body& body : bodies.bodies) {
        if (!body.fileRead)
            continue;
        SCOPED_TRACE(body.name);
        EXPECT_EQ(body.radius.value_or(0), main->numberOf(body.file, "Size"));
        EXPECT_EQ(body.atmosphereHeight, main->numberOf(body.file, "AtmAltLimit"));
    }
    // The star the sample lacks is not a scan-log entry.
    EXPECT_EQ(main->model.ScanLog, "");
}

// ---------------------------------------------------------------------------------------------
// A written installation: today's layout, a body in a sub-folder, and faulty files

class BodiesOfAWrittenSystem : public ::testing::Test {
protected:
    std::string config() const { return temp / "Config/"; }
    TempFolder temp;
};

TEST_F(BodiesOfAWrittenSystem, KeysAreReadAsTheSimulatorReadsThemAndFaultsStayWithTheirBody) {
    temp.write("Config/Twin.cfg",
               crlf({"; two stars", "Name = Twin", "Star1 = Alpha", "Star2 = Beta",
                     "Planet1 = Worlds\\Rock ; in a sub-folder", "Rock:Moon1 = Pebble",
                     "Rock:Moon1:Moon1 = Grain", "Planet2 = Ghost", "Ghost:Moon1 = Shade",
                     "Nowhere:Moon1 = Stray", "Planet3 =", "END_PARSE", "Planet4 = Late"}));
    temp.write("Config/Alpha.cfg", crlf({"Name = Alpha", "Mass = 2e30", "Size = 7e8"}));
    temp.write("Config/Beta.cfg", crlf({"Name = Beta", "Mass = heavy", "Size = +5e8 m"}));
    temp.write("Config/Worlds/Rock.cfg",
               crlf({"Name = Rock", "\tmass = 6e24\t; tab-indented, any letter case", "Mass = 1",
                     ";AtmAltLimit = 100e3", "SizeX = 1", "Size =", "Size = 6e6", "AtmAltLimit = 90e3",
                     "Obliquity = 0.5", "LAN = 0.25", "END_PARSE", "AtmAltLimit = 120e3"}));
    temp.write("Config/Pebble.cfg", crlf({"Mass = 7e22", "Size = 1.7e6", "AtmAltLimit = 1e3abc"}));
    temp.write("Config/Grain.cfg", crlf({"Name = Grain", "Mass = 1e12", "Size = NaN", "AtmAltLimit = x"}));
    temp.write("Config/Shade.cfg", crlf({"Name = Shade", "Mass = 1e20", "Size = 5e5"}));

    const SystemBodies twin = readSystemBodies(config(), config() + "Twin.cfg");
    // The first line with a key decides, even an empty one (Rock's Size); a body without a Name
    // is known by its file's name; a moon of an unknown body and lines after END_PARSE are no body.
    expectBodies(twin, {{"Alpha", Kind::Star, "", 2e30, 7e8, 0},
                        {"Beta", Kind::Star, "", std::nullopt, 5e8, 0},
                        {"Rock", Kind::Planet, "Alpha", 6e24, std::nullopt, 90e3},
                        {"Pebble", Kind::Moon, "Rock", 7e22, 1.7e6, 1e3},
                        {"Grain", Kind::Moon, "Pebble", 1e12, std::nullopt, 0},
                        {"Ghost", Kind::Planet, "Alpha", std::nullopt, std::nullopt, 0},
                        {"Shade", Kind::Moon, "Ghost", 1e20, 5e5, 0}});
    const Body& rock = twin.bodies[2];
    EXPECT_EQ(rock.obliquity, 0.5);
    EXPECT_EQ(rock.lan, 0.25);
    EXPECT_EQ(rock.lanMjd, 51544.5);
    EXPECT_FALSE(twin.bodies[5].fileRead);

    const std::vector<std::string> problems = {
        config() + "Beta.cfg: Mass is not a number: heavy", config() + "Grain.cfg: Size is not a number: NaN",
        config() + "Grain.cfg: AtmAltLimit is not a number: x", config() + "Ghost.cfg: cannot be read"};
    EXPECT_EQ(twin.problems, problems);
}

TEST_F(BodiesOfAWrittenSystem, EarlyMoonLinesFollowTheirPlanetAndAMissingSystemGivesNoBody) {
    temp.write("Config/Early.cfg",
               crlf({"Earth1 = Orphan", "Star1 = Sun", "Planet1 = Earth", "Earth1 = Moon", "earth2 = Lower",
                     "Planet2 = Mars", "Earth3 = Late", "Mars1 = Phobos"}));
    const SystemBodies early = readSystemBodies(config(), config() + "Early.cfg");
    std::vector<std::pair<std::string, std::string>> parents;
    for (const Body& b : early.bodies)
        parents.emplace_back(b.name, b.parent);
    EXPECT_EQ(parents,
              (std::vector<std::pair<std::string, std::string>>{
                  {"Sun", ""}, {"Earth", "Sun"}, {"Moon", "Earth"}, {"Mars", "Sun"}, {"Phobos", "Mars"}}));

    const SystemBodies none = readSystemBodies(config(), config() + "Missing.cfg");
    EXPECT_TRUE(none.bodies.empty());
    EXPECT_EQ(none.problems, std::vector<std::string>{config() + "Missing.cfg: cannot be read"});
    EXPECT_EQ(none.firstStar(), nullptr);
}

// ---------------------------------------------------------------------------------------------
// The simulator's own Sol (today's layout)

class BodiesOfTheCorpus : public ::testing::Test {
protected:
    void SetUp() override {
        const auto folder = std::filesystem::path(VANTREL_CORPUS_DIR) / "orbiter-2016" / "Config";
        if (!std::filesystem::exists(folder / "Sol.cfg"))
            GTEST_SKIP() << "no corpus at " << folder;
        config = folder.string() + "/";
        sol = readSystemBodies(config, config + "Sol.cfg");
    }
    const Body& body(const std::string& name) {
        const Body* b = sol.find(name);
        EXPECT_NE(b, nullptr) << name;
        return b ? *b : empty;
    }
    std::string config;
    SystemBodies sol;
    Body empty;
};

TEST_F(BodiesOfTheCorpus, EarthAndTheSunAreReadWithTheirValues) {
    EXPECT_TRUE(sol.problems.empty()) << sol.problems.front();
    ASSERT_EQ(sol.bodies.size(), 33u); // one star, nine planets (Vesta among them), 23 moons
    const Body& sun = sol.bodies.front();
    EXPECT_EQ(sun.name, "Sun");
    EXPECT_EQ(sun.kind, Kind::Star);
    EXPECT_EQ(sun.mass, 1.9889194444e30);
    EXPECT_EQ(sun.radius, 6.96e8);

    const Body& earth = body("Earth");
    EXPECT_EQ(earth.parent, "Sun");
    EXPECT_EQ(earth.mass, 5.973698968e24);
    // The equatorial radius is commented out, and so is the atmosphere height.
    EXPECT_EQ(earth.radius, 6.37101e6);
    EXPECT_EQ(earth.atmosphereHeight, 0);
    EXPECT_EQ(earth.obliquity, 0.4090928023);
    EXPECT_EQ(body("Mars").atmosphereHeight, 280e3);
    EXPECT_EQ(body("Titan").parent, "Saturn");
    EXPECT_EQ(body("Moon").kind, Kind::Moon);
}

TEST_F(BodiesOfTheCorpus, MuIsGTimesTheMassOfTheFile) {
    // The figures the orbit reference gives for the shipped files.
    const std::vector<std::pair<const char*, double>> cases = {
        {"Earth", 398600439968871.2}, {"Moon", 4902801056000},         {"Mars", 42828299163780},
        {"Venus", 324858629999866},   {"Jupiter", 1.2668653439749e17}, {"Sun", 1.3271243995508995e20}};
    for (const auto& [name, mu] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(body(name).mu());
        EXPECT_NEAR(*body(name).mu() / mu, 1.0, 1e-15);
    }
}

TEST_F(BodiesOfTheCorpus, TheEquatorPrecessesAndFollowsATiltedReference) {
    // Earth at the date of Docked at ISS.scn, from the orbit reference; the Moon and Mars at
    // LAN_MJD against the ecliptic values their files note in comments.
    struct Case {
        const char* name;
        double mjd;
        double obliquity;
        double node;
        double tolerance;
    };
    const std::vector<Case> cases = {{"Earth", 51982.029, 23.439291 * Degree, -0.0167332 * Degree, 1e-9},
                                     {"Moon", 51544.5, 0.02691360345, 2.179855677, 1e-9},
                                     {"Mars", 51544.5, 0.4663171564, 4.588603922, 1e-9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EquatorOrientation e = body(c.name).equatorAt(c.mjd);
        EXPECT_NEAR(e.obliquity, c.obliquity, c.tolerance);
        EXPECT_LT(angleGap(e.node, c.node), c.tolerance);
    }
}

} // namespace
} // namespace vantrel::test
