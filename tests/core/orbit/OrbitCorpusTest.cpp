// A vessel of the simulator's own scenarios that the file puts below the surface of Mars: lifted
// onto the surface as the simulator lifts it, its orbit has the simulator's elements.

#include "core/orbit/Figures.h"
#include "core/orbit/Orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vantrel::orbit {
namespace {

// The numbers after `key` on the first line of the block of `vessel` that has it (the whole
// file when `vessel` is empty).
bool readNumbers(const std::string& text, const std::string& vessel, const std::string& key, double* out, int count) {
    std::istringstream in(text);
    bool inBlock = vessel.empty();
    for (std::string line; std::getline(in, line);) {
        if (!vessel.empty() && line.rfind(vessel + ":", 0) == 0)
            inBlock = true;
        const size_t start = line.find_first_not_of(" \t");
        if (!inBlock || start == std::string::npos || line.compare(start, key.size() + 1, key + " ") != 0)
            continue;
        std::istringstream words(line.substr(start + key.size()));
        for (int k = 0; k < count; ++k)
            if (!(words >> out[k]))
                return false;
        return true;
    }
    return false;
}

TEST(OrbitCorpus, AVesselBelowTheSurfaceIsLiftedOntoIt) {
    const auto file = std::filesystem::path(VANTREL_CORPUS_DIR) / "orbiter-2016" / "Scenarios" / "The Solar System" /
                      "Earth" / "In low orbit over Africa.scn";
    std::ifstream in(file, std::ios::binary);
    if (!in)
        GTEST_SKIP() << "no simulator scenarios at " << file;
    std::stringstream text;
    text << in.rdbuf();

    double date[1], rpos[3], rvel[3];
    ASSERT_TRUE(readNumbers(text.str(), "", "Date MJD", date, 1));
    ASSERT_TRUE(readNumbers(text.str(), "GL-02", "RPOS", rpos, 3));
    ASSERT_TRUE(readNumbers(text.str(), "GL-02", "RVEL", rvel, 3));
    const double marsMu = 42828299163780, marsRadius = 3.39e6;
    const StateVector read{{rpos[0], rpos[1], rpos[2]}, {rvel[0], rvel[1], rvel[2]}};
    ASSERT_LT(length(read.position), marsRadius);

    const StateVector lifted = liftedOntoSurface(read, marsRadius);
    EXPECT_NEAR(length(lifted.position), marsRadius, 1e-6);
    const Vector turn = (1 / length(lifted.position)) * lifted.position - (1 / length(read.position)) * read.position;
    EXPECT_LE(length(turn), 1e-12); // straight up
    const auto el = elementsFromState(lifted, marsMu, date[0]);
    ASSERT_TRUE(el) << el.reason();
    EXPECT_NEAR(el->semiMajorAxis, 1698692.912, 1e-3);
    EXPECT_NEAR(el->eccentricity, 0.9956520547, 1e-10);
    EXPECT_NEAR(el->inclination, 35.16491908, 1e-7);
    EXPECT_NEAR(el->ascendingNode, 64.02700835, 1e-7);
    EXPECT_NEAR(el->periapsisLongitude, 293.0448327, 1e-7);
    EXPECT_NEAR(el->meanLongitude, 113.0448377, 1e-7);
    const auto f = orbitFigures(*el, marsMu, marsRadius);
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->periapsisAltitude, -3382614.176, 1e-3);
    EXPECT_NEAR(f->apoapsisAltitude, 0, 1e-3); // the lifted point is the apoapsis
    EXPECT_NEAR(f->period, 2125.625574, 1e-6);

    // A position at the centre is taken 1 m up +z before the lift.
    const StateVector centre = liftedOntoSurface({{0, 0, 0}, {1, 2, 3}}, marsRadius);
    EXPECT_EQ(centre.position.z, marsRadius);
    EXPECT_EQ(centre.velocity.z, 3);
}

} // namespace
} // namespace vantrel::orbit
