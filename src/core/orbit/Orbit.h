#pragma once

// Orbits as scenario files give them, around the centre of one body (two-body motion only).
//
// Frame and units, for everything in this folder:
// - Vectors are in the simulator's own components: x to the vernal equinox of J2000, y to the
//   ecliptic north pole, z = y × x (a left-handed frame whose axes do not turn with the body).
//   Positions in metres, velocities in metres per second. That is what RPOS and RVEL hold.
// - Elements are ecliptic, with the seven numbers of an ELEMENTS line: semi-major axis in
//   metres (negative for a hyperbola), eccentricity, inclination, longitude of the ascending
//   node, longitude of periapsis (node + argument of periapsis) and mean longitude (longitude of
//   periapsis + mean anomaly) in degrees, and the epoch, in MJD, at which the mean longitude holds.
// - μ is the body's gravitational parameter in m³/s² (G times the body's mass); dates are MJD.
//
// Internally the components are mapped to a right-handed frame (X = x, Y = z, Z = y), where
// every element has its textbook meaning; nothing outside this folder sees that frame.

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace vantrel::orbit {

// The gravitational constant the simulator uses, in m³ kg⁻¹ s⁻².
inline constexpr double GravitationalConstant = 6.67259e-11;

// Below this eccentricity an orbit is circular: the true anomaly is taken equal to the mean
// anomaly, and no argument of periapsis is measured.
inline constexpr double CircularEccentricity = 1e-8;

// Below this inclination (in radians, or that close to 180°) an orbit is equatorial: its node is
// taken on +x, so that only the longitude of periapsis describes the orbit's turn.
inline constexpr double EquatorialInclination = 1e-8;

struct Vector {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vector operator+(Vector a, Vector b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector operator-(Vector a, Vector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector operator*(double k, Vector a) { return {k * a.x, k * a.y, k * a.z}; }
inline double dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double length(Vector a) { return std::sqrt(dot(a, a)); }

// A position and a velocity, as RPOS and RVEL give them.
struct StateVector {
    Vector position;
    Vector velocity;
};

// The seven numbers of an ELEMENTS line, as written: no angle is reduced.
struct Elements {
    double semiMajorAxis = 0;        // m; negative for a hyperbola
    double eccentricity = 0;         //
    double inclination = 0;          // deg, 0…180
    double ascendingNode = 0;        // deg
    double periapsisLongitude = 0;   // deg
    double meanLongitude = 0;        // deg, at the epoch
    double epoch = 0;                // MJD
};

// Either a value or the reason there is none, in words a person can read.
template <class T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result refused(std::string reason) {
        Result r;
        r.reason_ = std::move(reason);
        return r;
    }
    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // The value; only when ok().
    const T& value() const { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    // Empty when there is a value.
    const std::string& reason() const { return reason_; }

private:
    Result() = default;
    std::optional<T> value_;
    std::string reason_;
};

// Nothing when the elements describe an orbit; otherwise why they do not: a number that is not
// finite, e < 0, e = 1 (a parabola, which has no semi-major axis), a hyperbola (e > 1) without
// a negative semi-major axis, or an ellipse (e < 1) without a positive one.
std::optional<std::string> elementsProblem(const Elements& elements);

// The state at the date `mjd` of a vessel moving on the orbit of `elements` around a body of
// gravitational parameter `mu`, the mean longitude running on from the epoch at the mean motion.
// A closed orbit repeats every 360° of mean longitude; an open one does not (L + 360 is further
// out on the hyperbola). Refused when elementsProblem() names a problem or mu is not positive.
Result<StateVector> stateFromElements(const Elements& elements, double mu, double mjd);

// The true anomaly in degrees (the angle from the periapsis in the sense of motion; for a closed
// orbit in (−180, 180]) at the date `mjd` on the orbit of `elements`; refused as
// stateFromElements() refuses. Circular orbits take it equal to the mean anomaly.
Result<double> trueAnomaly(const Elements& elements, double mu, double mjd);

// The elements of the orbit through `state` around a body of gravitational parameter `mu`, with
// their epoch at `mjd` (the date of the state). Ω and ϖ come out in [0, 360); L too for a closed
// orbit, while an open one keeps the sign of its mean anomaly. An equatorial orbit (prograde or
// retrograde) has its node at 0; a circular one has its periapsis at the node. Refused for a
// position at the centre, a velocity along the position (no orbit plane), and a parabola.
Result<Elements> elementsFromState(const StateVector& state, double mu, double mjd);

// The state `state` (at `fromMjd`) reaches at `toMjd` by two-body motion, going through the
// elements and Kepler's equation; refused as elementsFromState() refuses.
Result<StateVector> propagate(const StateVector& state, double mu, double fromMjd, double toMjd);

// The state as the simulator places a vessel that a file puts below the surface of a body of
// radius `bodyRadius` (terrain ignored): a position at the centre is taken as (0, 0, 1) m, and
// one closer than the radius is moved outward along itself onto it. The velocity is kept.
StateVector liftedOntoSurface(const StateVector& state, double bodyRadius);

// The eccentric anomaly E (radians, in [0, 2π)) with E − e sin E = M, for 0 ≤ e < 1 and any M.
double solveKepler(double meanAnomaly, double eccentricity);

// The hyperbolic anomaly H with e sinh H − H = M, for e > 1 and any M.
double solveHyperbolicKepler(double meanAnomaly, double eccentricity);

} // namespace vantrel::orbit
