#pragma once

// What a person wants to know of an orbit: how low and how high it goes, how long it takes,
// whether it meets the body or its atmosphere, its tilt to the body's equator, and its shape in
// its own plane for a picture. Frame and units as in Orbit.h.

#include "core/orbit/Orbit.h"

#include <vector>

namespace vantrel::orbit {

struct Figures {
    bool closed = true;          // e < 1
    double periapsisRadius = 0;  // m from the body's centre
    double apoapsisRadius = 0;   // m; infinite for an open orbit
    double periapsisAltitude = 0; // m above the radius the figures were asked for
    double apoapsisAltitude = 0; // m; infinite for an open orbit
    double period = 0;           // s; infinite for an open orbit
};

// The apsides and period of the orbit of `elements` around a body of gravitational parameter
// `mu` and radius `bodyRadius` (altitudes are above that radius). Refused as stateFromElements()
// refuses.
Result<Figures> orbitFigures(const Elements& elements, double mu, double bodyRadius);

// The speed at distance `radius` from the centre on an orbit of semi-major axis `semiMajorAxis`
// (negative for a hyperbola), by the vis-viva equation; NaN where the orbit does not reach.
double speedAt(double radius, double semiMajorAxis, double mu);

enum class Clearance {
    Clear,            // the periapsis is at or above the top of the atmosphere
    EntersAtmosphere, // the periapsis is below R + H but not below R
    HitsSurface,      // the periapsis is below R
};

// Whether the orbit of `elements` dips below the body's radius `bodyRadius`, or below the top of
// its atmosphere `bodyRadius + atmosphereHeight` (a height of 0 means no atmosphere). The whole
// orbit counts, so a hyperbola whose periapsis is behind the vessel counts too. Refused as
// stateFromElements() refuses.
Result<Clearance> clearance(const Elements& elements, double bodyRadius, double atmosphereHeight);

// The inclination in degrees, 0…180, of the orbit of `elements` to the equator of a body whose
// axis is tilted by `obliquity` (degrees) from the ecliptic pole, with its equator crossing the
// ecliptic at longitude `equatorNode` (degrees), as the body's configuration gives them at the
// date of interest. Only the inclination and node of `elements` are used.
double equatorialInclination(const Elements& elements, double obliquity, double equatorNode);

// A point of the orbit's plane, in metres: the body's centre at the origin, the periapsis on +x,
// and the direction of motion turning from +x to +y (seen from the side of the orbit's north).
struct PlanePoint {
    double x = 0;
    double y = 0;
};

// The orbit of `elements` as a polyline of its plane with `count` points (at least 8), for a
// picture. A closed orbit comes back to its first point, and the points are denser where it
// bends most; an open one runs out to `reach` metres from the centre on either side of the
// periapsis (to 3 periapsis radii if `reach` is less than that). Empty when elementsProblem()
// names a problem.
std::vector<PlanePoint> orbitOutline(const Elements& elements, double reach, int count = 256);

// Where the vessel on the orbit of `elements` is at the date `mjd`, in the plane of
// orbitOutline(). Refused as stateFromElements() refuses.
Result<PlanePoint> positionInPlane(const Elements& elements, double mu, double mjd);

} // namespace vantrel::orbit
