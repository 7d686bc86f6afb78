// The reference cases of the simulator's orbit conventions: elements to state and state to
// elements, with the numbers the simulator's own conversions give (10 significant digits).

#include "core/orbit/Figures.h"
#include "core/orbit/Orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace vantrel::orbit {
namespace {

constexpr double Earth = 398600439968871.2;
constexpr double Moon = 4902801056000;
constexpr double Jupiter = 1.2668653439749e17;
constexpr double Venus = 324858629999866;
constexpr double Mars = 42828299163780;
constexpr double Inf = std::numeric_limits<double>::infinity();

double relativeDistance(Vector got, Vector want) { return length(got - want) / length(want); }

// The difference of two angles in degrees, modulo 360.
double angleDifference(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

struct ToState {
    const char* name;
    double mu;
    Elements elements;
    double mjd;
    StateVector expected;
};
void PrintTo(const ToState& c, std::ostream* os) { *os << c.name; }

class OrbitElementsToState : public testing::TestWithParam<ToState> {};

TEST_P(OrbitElementsToState, GivesTheSimulatorsState) {
    const ToState& c = GetParam();
    const auto state = stateFromElements(c.elements, c.mu, c.mjd);
    ASSERT_TRUE(state) << state.reason();
    EXPECT_LE(relativeDistance(state->position, c.expected.position), 1e-9);
    EXPECT_LE(relativeDistance(state->velocity, c.expected.velocity), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    OrbitReference, OrbitElementsToState,
    testing::Values(
        ToState{"circular equatorial", Earth, {7000000, 0, 0, 0, 0, 0, 51544.5}, 51544.5,
                {{7000000, 0, 0}, {0, 0, 7546.053273}}},
        ToState{"polar elliptic", Earth, {8000000, 0.1, 90, 30, 75, 200, 51544.5}, 51544.5,
                {{-7366370.793, 189489.6178, -4252976.16}, {-571.2653795, -6590.848141, -329.8202206}}},
        ToState{"retrograde, half a day on", Earth, {12000000, 0.3, 150, 250, 10, 45, 51544.5}, 51545,
                {{11363666.76, -7490481.138, -6711710.249}, {-1549.738259, 28.67690138, -4112.645946}}},
        ToState{"mean longitude beyond 360", Earth, {7000000, 0.05, 20, 10, 60, 528.4193, 51544.5}, 51544.5,
                {{-7062604.5, 682317.2346, 658242.9838}, {-1224.126071, -2397.748817, -6905.234013}}},
        ToState{"the same less 360", Earth, {7000000, 0.05, 20, 10, 60, 168.4193, 51544.5}, 51544.5,
                {{-7062604.5, 682317.2346, 658242.9838}, {-1224.126071, -2397.748817, -6905.234013}}},
        ToState{"hyperbolic, propagated", Earth, {-20000000, 1.5, 30, 40, 100, 110, 51544.5}, 51544.55,
                {{-32682655.11, 5616495.538, -14724929.11}, {-4473.984856, -401.0396215, -4660.88236}}},
        ToState{"hyperbolic, 360 further", Earth, {-20000000, 1.5, 30, 40, 100, 470, 51544.5}, 51544.55,
                {{-130255060.1, -8162036.382, -127751596.3}, {-3153.307671, -491.1330699, -3756.406768}}},
        ToState{"equatorial, node ignored", Earth, {9000000, 0.2, 0, 123, 200, 250, 51544.5}, 51544.5,
                {{61722.43871, 0, -8097465.526}, {7256.642435, 0, -1224.748788}}},
        ToState{"circular band", Earth, {7000000, 5e-09, 45, 0, 30, 100, 51544.5}, 51544.5,
                {{-1215537.242, 4874549.674, 4874549.674}, {-7431.411787, -926.5632869, -926.5632869}}},
        ToState{"ISS", Earth, {6734919, 0.0009, 74.513, 169.034, 328.305, 122, 51544.5}, 51982.029,
                {{2132259.564, 6024202.507, -2113389.495}, {7162.047025, -2754.790628, -610.2559423}}},
        ToState{"Mir", Earth, {6671000, 0.0006, 3.5, 0, 0, 0, 51544.5}, 51982.029,
                {{-6364687.548, 122765.6612, 2007200.818}, {-2328.819334, -449.6899452, -7352.365613}}},
        ToState{"polar circular around the Moon", Moon, {2238000, 0, 90, 0, 0, 0, 51544.5}, 51982.029,
                {{2232582.762, -155622.009, -9.52909976e-12}, {102.9207707, 1476.520834, 9.041082568e-14}}}));

struct ToElements {
    const char* name;
    double mu;
    double mjd;
    StateVector state;
    Elements expected; // the epoch is the date of the state
    double periapsis, apoapsis, period;
};
void PrintTo(const ToElements& c, std::ostream* os) { *os << c.name; }

class OrbitStateToElements : public testing::TestWithParam<ToElements> {};

TEST_P(OrbitStateToElements, GivesTheSimulatorsElements) {
    const ToElements& c = GetParam();
    const auto el = elementsFromState(c.state, c.mu, c.mjd);
    ASSERT_TRUE(el) << el.reason();
    EXPECT_NEAR(el->semiMajorAxis, c.expected.semiMajorAxis, 1e-9 * std::abs(c.expected.semiMajorAxis));
    EXPECT_NEAR(el->eccentricity, c.expected.eccentricity, std::max(1e-9 * c.expected.eccentricity, 1e-15));
    EXPECT_LE(angleDifference(el->inclination, c.expected.inclination), 1e-7);
    EXPECT_LE(angleDifference(el->ascendingNode, c.expected.ascendingNode), 1e-7);
    EXPECT_LE(angleDifference(el->periapsisLongitude, c.expected.periapsisLongitude), 1e-7);
    EXPECT_LE(angleDifference(el->meanLongitude, c.expected.meanLongitude), 1e-7);
    EXPECT_EQ(el->epoch, c.mjd);

    const auto f = orbitFigures(*el, c.mu, 0);
    ASSERT_TRUE(f) << f.reason();
    EXPECT_NEAR(f->periapsisRadius, c.periapsis, 1e-9 * c.periapsis);
    if (std::isinf(c.apoapsis)) {
        EXPECT_FALSE(f->closed);
        EXPECT_EQ(f->apoapsisRadius, Inf);
        EXPECT_EQ(f->period, Inf);
    } else {
        EXPECT_NEAR(f->apoapsisRadius, c.apoapsis, 1e-9 * c.apoapsis);
        EXPECT_NEAR(f->period, c.period, 1e-9 * c.period);
    }
}

INSTANTIATE_TEST_SUITE_P(
    OrbitReference, OrbitStateToElements,
    testing::Values(
        ToElements{"textbook example, mapped", 3.986e14, 51544.5,
                   {{-6045000, 2500000, -3490000}, {-3457, 2533, 6618}},
                   {8788095.117, 0.1712123463, 153.2492285, 255.2792853, 275.347602, 295.4185122, 0},
                   7283464.733, 10292725.5, 8198.857617},
        ToElements{"geostationary", Earth, 53635.3057385266,
                   {{-36552871.67, -8363596.59, 19280950.64}, {-1532.567, 1060.723, -2445.33}},
                   {42164166.02, 1.904627892e-07, 23.44999548, 180.0000065, 269.9445483, 150.102445, 0},
                   42164157.99, 42164174.05, 86164.07964},
        ToElements{"hyperbolic past Jupiter", Jupiter, 43936.1666767072,
                   {{1047088471.06, -1690682.11, -1758670958.77}, {-3268.245, -330.516, 15127.316}},
                   {-1093676471, 1.318564456, 3.975443341, 120.087962, 58.09857859, -7.03828766, 0},
                   348406450.2, Inf, Inf},
        ToElements{"node close to 360", Venus, 51982.9068993519,
                   {{6236406.28, 310155.03, 324218.75}, {-506.157, 5053.116, 5282.246}},
                   {6468649.644, 0.03351899663, 43.72998821, 359.9999996, 359.3575128, 3.804310453, 0},
                   6251826.999, 6685472.29, 5735.259967},
        ToElements{"around Mars", Mars, 53750.7997510719,
                   {{8134620.87, -3995668.89, -2113610.8}, {478.532, -107.855, 2096.38}},
                   {9373984.196, 0.009000878785, 25.62899965, 83.14299921, 23.00402818, 346.8002801, 0},
                   9289610.1, 9458358.291, 27555.02314},
        ToElements{"retrograde equatorial", Earth, 51544.5, {{7000000, 0, 0}, {0, 0, -7546.053272774651}},
                   {7000000, 0, 180, 0, 0, 0, 0}, 7000000, 7000000, 5828.516651}));

// An open orbit keeps the sign of its mean anomaly, so that its L is the one that gives the
// same state again (L + 360 would be another point of the hyperbola).
TEST(OrbitOpenOrbits, KeepTheirMeanLongitudeUnreduced) {
    const auto el = elementsFromState({{1047088471.06, -1690682.11, -1758670958.77}, {-3268.245, -330.516, 15127.316}},
                                      Jupiter, 43936.1666767072);
    ASSERT_TRUE(el);
    EXPECT_NEAR(el->meanLongitude, -7.03828766, 1e-7);
}

} // namespace
} // namespace vantrel::orbit
