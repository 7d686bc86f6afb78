#include "core/orbit/Orbit.h"

#include "core/orbit/Angles.h"

#include <algorithm>
#include <numbers>

namespace vantrel::orbit {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double SecondsPerDay = 86400.0;

// The simulator's components and the right-handed ones swap y and z; the map is its own inverse.
Vector swapped(Vector v) { return {v.x, v.z, v.y}; }

Vector cross(Vector a, Vector b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// The signed angle from `from` to `to` turning about `axis` (a unit vector), in (−π, π].
double angleAbout(Vector axis, Vector from, Vector to) { return std::atan2(dot(axis, cross(from, to)), dot(from, to)); }

// x − sin x and sinh x − x without the loss of digits of the subtraction near 0, where Kepler's
// equation for e close to 1 needs them.
double xMinusSin(double x) {
    if (std::abs(x) >= 0.5)
        return x - std::sin(x);
    const double x2 = x * x;
    double term = x * x2 / 6, sum = 0;
    for (int k = 4; std::abs(term) > 1e-18 * std::abs(x); k += 2) {
        sum += term;
        term *= -x2 / (k * (k + 1));
    }
    return sum;
}

double sinhMinusX(double x) {
    if (std::abs(x) >= 0.5)
        return std::sinh(x) - x;
    const double x2 = x * x;
    double term = x * x2 / 6, sum = 0;
    for (int k = 4; std::abs(term) > 1e-18 * std::abs(x); k += 2) {
        sum += term;
        term *= x2 / (k * (k + 1));
    }
    return sum;
}

// The direction of the point at argument of latitude u on an orbit of node Ω and inclination i,
// right-handed.
Vector inPlane(double node, double inclination, double u) {
    const double cn = std::cos(node), sn = std::sin(node), cu = std::cos(u), su = std::sin(u);
    const double ci = std::cos(inclination), si = std::sin(inclination);
    return {cn * cu - sn * su * ci, sn * cu + cn * su * ci, su * si};
}

} // namespace

double solveKepler(double meanAnomaly, double e) {
    // E − e sin E − M rises with E. Reduce M to [0, π] by the symmetry E(2π − M) = 2π − E(M):
    // there the function is convex, so Newton's method started at a point above the root comes
    // down to it without overshooting, and stops when a step no longer lowers E.
    double m = std::fmod(meanAnomaly, 2 * Pi);
    if (m < 0)
        m += 2 * Pi;
    const bool mirrored = m > Pi;
    if (mirrored)
        m = 2 * Pi - m;
    double E = std::min(m + e, Pi);
    for (int i = 0; i < 200; ++i) {
        const double f = (1 - e) * E + e * xMinusSin(E) - m;
        const double next = E - f / (1 - e * std::cos(E));
        if (!(next < E))
            break;
        E = std::max(next, 0.0);
    }
    if (mirrored)
        E = 2 * Pi - E;
    return E >= 2 * Pi ? 0.0 : E;
}

double solveHyperbolicKepler(double meanAnomaly, double e) {
    // e sinh H − H − M is odd in (H, M) and convex for H ≥ 0; since it is at least (e − 1) sinh H,
    // H = asinh(M / (e − 1)) lies above the root, and Newton's method comes down from there.
    const double m = std::abs(meanAnomaly);
    double H = std::asinh(m / (e - 1));
    for (int i = 0; i < 500; ++i) {
        const double f = (e - 1) * H + e * sinhMinusX(H) - m;
        const double next = H - f / (e * std::cosh(H) - 1);
        if (!(next < H))
            break;
        H = std::max(next, 0.0);
    }
    return meanAnomaly < 0 ? -H : H;
}

std::optional<std::string> elementsProblem(const Elements& el) {
    for (double v : {el.semiMajorAxis, el.eccentricity, el.inclination, el.ascendingNode, el.periapsisLongitude,
                     el.meanLongitude, el.epoch})
        if (!std::isfinite(v))
            return "An orbital element is not a number.";
    const double a = el.semiMajorAxis, e = el.eccentricity;
    if (e < 0)
        return "The eccentricity is negative.";
    if (e == 1)
        return "An eccentricity of exactly 1 is a parabola, which the elements cannot describe.";
    if (e > 1 && !(a < 0))
        return "A hyperbolic orbit (eccentricity above 1) needs a negative semi-major axis.";
    if (e < 1 && !(a > 0))
        return "A closed orbit (eccentricity below 1) needs a positive semi-major axis.";
    return std::nullopt;
}

namespace {

std::optional<std::string> inputProblem(const Elements& el, double mu, double mjd) {
    if (auto problem = elementsProblem(el))
        return problem;
    if (!(mu > 0) || !std::isfinite(mu))
        return "The body's gravitational parameter is not a positive number.";
    if (!std::isfinite(mjd))
        return "The date is not a number.";
    return std::nullopt;
}

// The true anomaly in radians at `mjd` of valid elements.
double trueAnomalyRadians(const Elements& el, double mu, double mjd) {
    const double a = el.semiMajorAxis, e = el.eccentricity;
    const double n = std::sqrt(mu / std::abs(a * a * a));
    const double M = radians(el.meanLongitude) + n * SecondsPerDay * (mjd - el.epoch) - radians(el.periapsisLongitude);
    if (e < CircularEccentricity)
        return std::remainder(M, 2 * Pi);
    if (e < 1) {
        const double E = solveKepler(M, e);
        return 2 * std::atan2(std::sqrt(1 + e) * std::sin(E / 2), std::sqrt(1 - e) * std::cos(E / 2));
    }
    const double H = solveHyperbolicKepler(M, e);
    return 2 * std::atan2(std::sqrt(e + 1) * std::sinh(H / 2), std::sqrt(e - 1) * std::cosh(H / 2));
}

} // namespace

Result<double> trueAnomaly(const Elements& el, double mu, double mjd) {
    if (auto problem = inputProblem(el, mu, mjd))
        return Result<double>::refused(*problem);
    return degrees(trueAnomalyRadians(el, mu, mjd));
}

Result<StateVector> stateFromElements(const Elements& el, double mu, double mjd) {
    if (auto problem = inputProblem(el, mu, mjd))
        return Result<StateVector>::refused(*problem);

    const double a = el.semiMajorAxis, e = el.eccentricity;
    const double i = radians(el.inclination), node = radians(el.ascendingNode);
    const double omega = radians(el.periapsisLongitude) - node;
    const double nu = trueAnomalyRadians(el, mu, mjd);

    const double p = a * (1 - e * e);
    const double r = p / (1 + e * std::cos(nu));
    const Vector towardsPeriapsis = inPlane(node, i, omega);
    const Vector ahead = inPlane(node, i, omega + Pi / 2);
    const double s = std::sqrt(mu / p);
    StateVector state;
    state.position = swapped(r * inPlane(node, i, omega + nu));
    state.velocity = swapped(-s * std::sin(nu) * towardsPeriapsis + s * (e + std::cos(nu)) * ahead);
    return state;
}

Result<Elements> elementsFromState(const StateVector& state, double mu, double mjd) {
    if (!(mu > 0) || !std::isfinite(mu))
        return Result<Elements>::refused("The body's gravitational parameter is not a positive number.");
    const Vector r = swapped(state.position), v = swapped(state.velocity);
    for (double c : {r.x, r.y, r.z, v.x, v.y, v.z, mjd})
        if (!std::isfinite(c))
            return Result<Elements>::refused("A number of the position, the velocity or the date is not finite.");
    const double rn = length(r);
    if (rn == 0)
        return Result<Elements>::refused("The position is at the centre of the body.");
    const Vector h = cross(r, v);
    const double hn = length(h);
    if (length(v) == 0)
        return Result<Elements>::refused("The velocity is zero: the path is a straight fall, with no orbit plane.");
    if (!(hn > 1e-12 * rn * length(v)))
        return Result<Elements>::refused("The velocity points along the position: the path has no orbit plane.");

    const double v2 = dot(v, v), rv = dot(r, v);
    const double energyTerm = 2 / rn - v2 / mu;
    if (energyTerm == 0)
        return Result<Elements>::refused("The speed is exactly the escape speed: the path is a parabola.");
    const double a = 1 / energyTerm;
    const Vector eVector = (1 / mu) * ((v2 - mu / rn) * r - rv * v);
    const double e = length(eVector);
    if (e == 1 || (e > 1) != (a < 0))
        return Result<Elements>::refused("The path is too close to a parabola to give elements.");

    const Vector axis = (1 / hn) * h;
    const double sinI = std::hypot(h.x, h.y) / hn;
    const double i = std::atan2(std::hypot(h.x, h.y), h.z);
    const bool equatorial = sinI <= EquatorialInclination;
    const Vector nodeLine = equatorial ? Vector{1, 0, 0} : Vector{-h.y / (sinI * hn), h.x / (sinI * hn), 0};
    const double node = equatorial ? 0.0 : std::atan2(nodeLine.y, nodeLine.x);

    const bool circular = e < CircularEccentricity;
    const double omega = circular ? 0.0 : angleAbout(axis, nodeLine, eVector);
    const double nu = angleAbout(axis, circular ? nodeLine : eVector, r);

    double M;
    if (circular) {
        M = nu; // the inverse of the circular rule of stateFromElements
    } else if (e < 1) {
        // E from ν rather than from r·v and 1 − r/a: for a small e these carry the orbit's
        // shape in their last digits, while L = ϖ + ν − (ν − M) keeps the well-known ϖ + ν.
        const double E = 2 * std::atan2(std::sqrt(1 - e) * std::sin(nu / 2), std::sqrt(1 + e) * std::cos(nu / 2));
        M = E - e * std::sin(E);
    } else {
        const double H = std::asinh(rv / (e * std::sqrt(-mu * a)));
        M = e * std::sinh(H) - H;
    }

    Elements el;
    el.semiMajorAxis = a;
    el.eccentricity = e;
    el.inclination = degrees(i);
    el.ascendingNode = degreesIn360(node);
    el.periapsisLongitude = degreesIn360(node + omega);
    // An open orbit's mean longitude is not reduced: L − ϖ is its mean anomaly, with its sign.
    el.meanLongitude = e < 1 ? degreesIn360(node + omega + M) : el.periapsisLongitude + degrees(M);
    el.epoch = mjd;
    return el;
}

Result<StateVector> propagate(const StateVector& state, double mu, double fromMjd, double toMjd) {
    const auto el = elementsFromState(state, mu, fromMjd);
    if (!el)
        return Result<StateVector>::refused(el.reason());
    return stateFromElements(*el, mu, toMjd);
}

StateVector liftedOntoSurface(const StateVector& state, double bodyRadius) {
    StateVector lifted = state;
    if (length(lifted.position) == 0)
        lifted.position = {0, 0, 1};
    const double r = length(lifted.position);
    if (r < bodyRadius)
        lifted.position = (bodyRadius / r) * lifted.position;
    return lifted;
}

} // namespace vantrel::orbit
