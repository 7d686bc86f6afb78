#pragma once

// The orbit of a vessel placed by its elements or by its position and velocity, worked out at
// the scenario date: what `vantrel-scn vessels` prints and what the editors show of it.

#include "core/orbit/Figures.h"
#include "core/orbit/Orbit.h"
#include "core/vessels/Vessel.h"

namespace vantrel::vessels {

struct OrbitAtDate {
    // The elements as written, or those of the state vector converted at the date.
    orbit::Elements elements;
    // The mean longitude at the date, degrees: in [0, 360) for a closed orbit, unreduced for an
    // open one, since L + 360 is another point of a hyperbola.
    double meanLongitude = 0;
    orbit::Figures figures;
};

// The mean longitude at `mjd` on the orbit of `elements` around a body of gravitational
// parameter `mu`, running on from the epoch at the mean motion (see OrbitAtDate::meanLongitude).
double meanLongitudeAt(const orbit::Elements& elements, double mu, double mjd);

// The orbit of an `elements` or `vector` placement around a body of gravitational parameter
// `mu` and radius `bodyRadius`, at the date `mjd`. Elements are kept as written, so that no
// rounding of a round trip through a state is added; a vector is converted at the date. Refused
// with the reason when the numbers give no orbit, or for any other kind of placement.
orbit::Result<OrbitAtDate> orbitAtDate(const Placement& placement, double mu, double bodyRadius, double mjd);

} // namespace vantrel::vessels
