// The figures of an orbit against the numbers the simulator gives for vessels of its own
// scenarios, and the shape of an orbit in its plane.

#include "core/orbit/Figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace vantrel::orbit {
namespace {

constexpr double EarthMass = 5.973698968e24;
constexpr double EarthRadius = 6.37101e6;

struct FigureCase {
    const char* name;
    double mu;
    double radius;
    Elements elements;
    double periapsisAltitude, apoapsisAltitude, period;
    double atmosphere;
    Clearance clearance;
};
void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.name; }

class OrbitFigures : public testing::TestWithParam<FigureCase> {};

TEST_P(OrbitFigures, GiveTheSimulatorsAltitudesAndPeriod) {
    const FigureCase& c = GetParam();
    const auto f = orbitFigures(c.elements, c.mu, c.radius);
    ASSERT_TRUE(f) << f.reason();
    EXPECT_NEAR(f->periapsisAltitude, c.periapsisAltitude, 1e-6 * std::abs(c.periapsisAltitude) + 1e-3);
    EXPECT_NEAR(f->apoapsisAltitude, c.apoapsisAltitude, 1e-6 * std::abs(c.apoapsisAltitude) + 1e-3);
    EXPECT_NEAR(f->period, c.period, 1e-9 * c.period);
    const auto clear = clearance(c.elements, c.radius, c.atmosphere);
    ASSERT_TRUE(clear);
    EXPECT_EQ(*clear, c.clearance);
}

INSTANTIATE_TEST_SUITE_P(
    OrbitScenarios, OrbitFigures,
    testing::Values(
        FigureCase{"ISS", GravitationalConstant * EarthMass, EarthRadius,
                   {6734919, 0.0009, 74.513, 169.034, 328.305, 122, 51544.5},
                   357847.5729, 369970.4271, 5500.593443, 0, Clearance::Clear},
        FigureCase{"Mir, under an atmosphere of 2500 km", GravitationalConstant * EarthMass, EarthRadius,
                   {6671000, 0.0006, 3.5, 0, 0, 0, 51544.5},
                   295987.4, 303992.6, 5422.472928, 2500e3, Clearance::EntersAtmosphere},
        FigureCase{"a polar orbit of the Moon", 4902801056000, 1.738e6, {2238000, 0, 90, 0, 0, 0, 51544.5},
                   500000, 500000, 9500.530492, 0, Clearance::Clear},
        FigureCase{"lifted onto the surface of Mars", 42828299163780, 3.39e6,
                   {1698692.912, 0.9956520547, 35.16491908, 64.02700835, 293.0448327, 113.0448377, 51544.5},
                   -3382614.176, 0, 2125.625574, 280e3, Clearance::HitsSurface}));

TEST(OrbitFigures, SpeedFollowsVisViva) {
    const double mu = GravitationalConstant * EarthMass;
    EXPECT_NEAR(speedAt(6730821.781, 6734919, mu), 7697.804967, 1e-6);
    EXPECT_NEAR(speedAt(6674816.411, 6671000, mu), 7725.470902, 1e-6);
    EXPECT_TRUE(std::isnan(speedAt(3e7, 1e7, mu))); // beyond the apoapsis
    const auto open = orbitFigures({-2e7, 1.5, 0, 0, 0, 0, 0}, mu, EarthRadius);
    ASSERT_TRUE(open);
    EXPECT_FALSE(open->closed);
    EXPECT_TRUE(std::isinf(open->period));
    EXPECT_TRUE(std::isinf(open->apoapsisAltitude));
    EXPECT_FALSE(orbitFigures({7e6, 1.0, 0, 0, 0, 0, 0}, mu, EarthRadius));
}

// The ecliptic elements of the file against the equator of the Earth, whose axis precesses.
TEST(OrbitFigures, InclinationToTheEquator) {
    const double obliquity = 23.439291;
    const auto equatorNode = [](double mjd) { return 360 * (mjd - 51544.5) / -9413040.4; };
    EXPECT_NEAR(equatorNode(51982.029), -0.0167332, 1e-7);
    const Elements iss{6734919, 0.0009, 74.513, 169.034, 328.305, 122, 51544.5};
    EXPECT_NEAR(equatorialInclination(iss, obliquity, equatorNode(51982.029)), 51.586, 1e-3);
    const Elements geostationary{42164166.02, 1.904627892e-07, 23.44999548, 180.0000065, 269.9445483, 150.102445,
                                 53635.3057385266};
    EXPECT_NEAR(equatorialInclination(geostationary, obliquity, equatorNode(53635.3057385266)), 0.034, 1e-3);
    // Round the other way along the equator.
    const Elements retrograde{7e6, 0, 180 - obliquity, 0, 0, 0, 51544.5};
    EXPECT_NEAR(equatorialInclination(retrograde, obliquity, 0), 180, 1e-9);
}

TEST(OrbitOutline, AClosedOrbitRunsFromPeriapsisToApoapsisAndBack) {
    const Elements el{8e6, 0.3, 40, 10, 70, 70, 51544.5}; // at periapsis at the epoch
    const auto points = orbitOutline(el, 0, 101);
    ASSERT_EQ(points.size(), 101u);
    EXPECT_EQ(points.front().x, points.back().x);
    EXPECT_EQ(points.front().y, points.back().y);
    EXPECT_NEAR(points.front().x, 8e6 * 0.7, 1e-6);
    EXPECT_NEAR(points[50].x, -8e6 * 1.3, 1e-6);
    EXPECT_GT(points[25].y, 0); // the motion turns from +x to +y

    const double mu = GravitationalConstant * EarthMass;
    const auto atEpoch = positionInPlane(el, mu, 51544.5);
    ASSERT_TRUE(atEpoch);
    EXPECT_NEAR(atEpoch->x, 8e6 * 0.7, 1e-6);
    EXPECT_NEAR(atEpoch->y, 0, 1e-6);
    const auto f = orbitFigures(el, mu, 0);
    const auto halfWay = positionInPlane(el, mu, 51544.5 + f->period / 2 / 86400);
    ASSERT_TRUE(halfWay);
    // A date near MJD 51544 is only good to a microsecond or so.
    EXPECT_NEAR(halfWay->x, -8e6 * 1.3, 1e-2);
    EXPECT_NEAR(halfWay->y, 0, 1e-2);
}

TEST(OrbitOutline, AnOpenOrbitStopsAtTheReach) {
    const Elements el{-2e7, 1.5, 30, 40, 100, 110, 51544.5}; // periapsis 10000 km
    for (auto [reach, end] : {std::pair{4e7, 4e7}, std::pair{1e7, 3e7}}) {
        const auto points = orbitOutline(el, reach, 64);
        ASSERT_EQ(points.size(), 64u);
        EXPECT_NEAR(std::hypot(points.front().x, points.front().y), end, 1e-3);
        EXPECT_NEAR(std::hypot(points.back().x, points.back().y), end, 1e-3);
        EXPECT_LT(points.front().y, 0); // coming in from below the axis
        for (const PlanePoint& p : points)
            EXPECT_LE(std::hypot(p.x, p.y), end + 1e-3);
    }
    EXPECT_TRUE(orbitOutline({2e7, 1.5, 0, 0, 0, 0, 0}, 4e7).empty());
    EXPECT_FALSE(positionInPlane({2e7, 1.5, 0, 0, 0, 0, 0}, 1e14, 0));
}

} // namespace
} // namespace vantrel::orbit
