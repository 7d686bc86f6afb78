// Conversions both ways over a grid of orbits, the degenerate ones included, and two-body motion
// keeping what it must keep.

#include "core/orbit/Orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <tuple>

namespace vantrel::orbit {
namespace {

constexpr double Earth = 398600439968871.2;
constexpr double Epoch = 51544.5;

double relativeDistance(Vector got, Vector want) { return length(got - want) / length(want); }
double angleDifference(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }
// Angular momentum in the simulator's components (the sign does not matter here).
Vector momentum(const StateVector& s) {
    const Vector r = s.position, v = s.velocity;
    return {r.y * v.z - r.z * v.y, r.z * v.x - r.x * v.z, r.x * v.y - r.y * v.x};
}
double energy(const StateVector& s, double mu) {
    return dot(s.velocity, s.velocity) / 2 - mu / length(s.position);
}

// e, i, Ω; the other numbers are fixed (ϖ = 300°, L = 77°, a of 8000 km, −20000 km when open).
using Grid = std::tuple<double, double, double>;

Elements gridElements(const Grid& g) {
    const auto [e, i, node] = g;
    return {e < 1 ? 8e6 : -2e7, e, i, node, 300, 77, Epoch};
}

std::string gridName(const testing::TestParamInfo<Grid>& info) {
    std::string name = "e" + std::to_string(std::get<0>(info.param)) + "_i" + std::to_string(std::get<1>(info.param)) +
                       "_node" + std::to_string(std::get<2>(info.param));
    for (char& c : name)
        if (c == '.' || c == '-')
            c = '_';
    return name + "_" + std::to_string(info.index); // 5e-9 prints as 0
}

class OrbitRoundTrip : public testing::TestWithParam<Grid> {};

TEST_P(OrbitRoundTrip, StateToElementsToStateAgrees) {
    const double date = Epoch + 0.37;
    const auto state = stateFromElements(gridElements(GetParam()), Earth, date);
    ASSERT_TRUE(state) << state.reason();
    const auto el = elementsFromState(*state, Earth, date);
    ASSERT_TRUE(el) << el.reason();
    const auto again = stateFromElements(*el, Earth, date);
    ASSERT_TRUE(again) << again.reason();
    // Inside the circular band the periapsis is dropped, as the simulator drops it: the radius
    // then moves by up to 2e of itself.
    const double e = std::get<0>(GetParam());
    const double tolerance = 1e-9 + (e < CircularEccentricity ? 2 * e : 0);
    EXPECT_LE(relativeDistance(again->position, state->position), tolerance);
    EXPECT_LE(relativeDistance(again->velocity, state->velocity), tolerance);
}

TEST_P(OrbitRoundTrip, ElementsToStateToElementsKeepsTheDefinedAngles) {
    const Elements in = gridElements(GetParam());
    const auto state = stateFromElements(in, Earth, Epoch);
    ASSERT_TRUE(state) << state.reason();
    const auto out = elementsFromState(*state, Earth, Epoch);
    ASSERT_TRUE(out) << out.reason();
    EXPECT_NEAR(out->semiMajorAxis, in.semiMajorAxis, 1e-9 * std::abs(in.semiMajorAxis));
    EXPECT_NEAR(out->eccentricity, in.eccentricity, 1e-9);
    EXPECT_NEAR(out->inclination, in.inclination, 1e-7);

    // Which angles an orbit defines: an equatorial one has no node (a retrograde one turns the
    // other way, so ϖ − 2Ω and L − 2Ω stay), a circular one no periapsis.
    const bool circular = in.eccentricity < CircularEccentricity;
    const double turn = in.inclination == 0 ? 0 : in.inclination == 180 ? 2 * in.ascendingNode : -1;
    if (turn < 0) {
        EXPECT_LE(angleDifference(out->ascendingNode, in.ascendingNode), 1e-7);
    }
    const double shift = turn < 0 ? 0 : turn;
    if (!circular) {
        EXPECT_LE(angleDifference(out->periapsisLongitude, in.periapsisLongitude - shift), 1e-7);
    }
    EXPECT_LE(angleDifference(out->meanLongitude, in.meanLongitude - shift), 1e-7);
    if (in.eccentricity > 1) { // the mean anomaly itself, not modulo 360
        EXPECT_NEAR(out->meanLongitude - out->periapsisLongitude, in.meanLongitude - in.periapsisLongitude, 1e-7);
    }
}

TEST_P(OrbitRoundTrip, PropagationKeepsEnergyAndAngularMomentum) {
    const auto start = stateFromElements(gridElements(GetParam()), Earth, Epoch);
    ASSERT_TRUE(start);
    const Vector h0 = momentum(*start);
    const double e0 = energy(*start, Earth);
    for (double days : {0.01, 0.3, 1.0, 7.5, -2.0}) {
        const auto later = propagate(*start, Earth, Epoch, Epoch + days);
        ASSERT_TRUE(later) << later.reason();
        EXPECT_LE(relativeDistance(momentum(*later), h0), 1e-10) << days << " days";
        EXPECT_NEAR(energy(*later, Earth), e0, 1e-10 * std::abs(e0)) << days << " days";
    }
}

INSTANTIATE_TEST_SUITE_P(OrbitGrid, OrbitRoundTrip,
                         testing::Combine(testing::Values(0.0, 5e-9, 0.001, 0.3, 0.95, 1.2, 3.0),
                                          testing::Values(0.0, 1e-6, 28.5, 90.0, 151.0, 180.0),
                                          testing::Values(0.0, 123.0, 290.0)),
                         gridName);

// Kepler's equation is solved to the last digits for eccentricities as close to 1 as doubles
// allow, both ways, and for mean anomalies of many turns or far out on a hyperbola.
TEST(OrbitKepler, SolvesCloseToAParabola) {
    for (double e : {0.0, 0.5, 0.99, 0.999999, 1 - 1e-12}) {
        for (double m : {0.0, 1e-12, 1e-6, 0.1, 1.0, 3.14159, 3.5, 6.2, 6.283185307179586, -1.0, 1000.0}) {
            const double E = solveKepler(m, e);
            EXPECT_GE(E, 0);
            EXPECT_LT(E, 2 * std::numbers::pi);
            const double reduced = m - 2 * std::numbers::pi * std::floor(m / (2 * std::numbers::pi));
            EXPECT_LE(std::abs(std::remainder(E - e * std::sin(E) - reduced, 2 * std::numbers::pi)), 1e-14 * std::max(1.0, std::abs(m)))
                << "e " << e << " M " << m;
        }
    }
    for (double e : {1 + 1e-12, 1.000001, 1.5, 30.0}) {
        for (double m : {0.0, 1e-12, 1e-3, 1.0, 50.0, -50.0, 1e8, -1e12}) {
            const double H = solveHyperbolicKepler(m, e);
            EXPECT_NEAR(e * std::sinh(H) - H, m, 1e-14 * std::max(1.0, std::abs(m)) + 1e-15 * e * std::cosh(H))
                << "e " << e << " M " << m;
        }
    }
}

// An orbit refused says why, in words.
TEST(OrbitRefusal, ImpossibleOrbitsAreRefusedWithAReason) {
    struct Case {
        Elements elements;
        const char* words;
    };
    const Case cases[] = {
        {{7e6, 1.0, 10, 0, 0, 0, Epoch}, "parabola"},
        {{7e6, 1.5, 10, 0, 0, 0, Epoch}, "negative semi-major axis"},
        {{-7e6, 0.5, 10, 0, 0, 0, Epoch}, "positive semi-major axis"},
        {{0, 0.0, 10, 0, 0, 0, Epoch}, "positive semi-major axis"},
        {{7e6, -0.1, 10, 0, 0, 0, Epoch}, "negative"},
        {{7e6, 0.1, std::nan(""), 0, 0, 0, Epoch}, "not a number"},
    };
    for (const Case& c : cases) {
        const auto state = stateFromElements(c.elements, Earth, Epoch);
        ASSERT_FALSE(state);
        EXPECT_NE(state.reason().find(c.words), std::string::npos) << state.reason();
    }
    EXPECT_FALSE(stateFromElements({7e6, 0.1, 10, 0, 0, 0, Epoch}, 0, Epoch));

    const struct {
        StateVector state;
        double mu;
        const char* words;
    } states[] = {
        {{{0, 0, 0}, {0, 0, 7000}}, Earth, "centre"},
        {{{7e6, 0, 0}, {3000, 0, 0}}, Earth, "no orbit plane"},
        {{{7e6, 0, 0}, {0, 0, 0}}, Earth, "no orbit plane"},
        {{{1, 0, 0}, {0, 0, 2}}, 2, "parabola"}, // exactly the escape speed
    };
    for (const auto& s : states) {
        const auto el = elementsFromState(s.state, s.mu, Epoch);
        ASSERT_FALSE(el);
        EXPECT_NE(el.reason().find(s.words), std::string::npos) << el.reason();
        EXPECT_FALSE(propagate(s.state, s.mu, Epoch, Epoch + 1));
    }
}

} // namespace
} // namespace vantrel::orbit
