#include "core/orbit/Figures.h"

#include "core/orbit/Angles.h"

#include <algorithm>
#include <limits>
#include <numbers>

namespace vantrel::orbit {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Infinity = std::numeric_limits<double>::infinity();

} // namespace

Result<Figures> orbitFigures(const Elements& el, double mu, double bodyRadius) {
    if (auto problem = elementsProblem(el))
        return Result<Figures>::refused(*problem);
    if (!(mu > 0) || !std::isfinite(mu))
        return Result<Figures>::refused("The body's gravitational parameter is not a positive number.");
    const double a = el.semiMajorAxis, e = el.eccentricity;
    Figures f;
    f.closed = e < 1;
    f.periapsisRadius = a * (1 - e);
    f.apoapsisRadius = f.closed ? a * (1 + e) : Infinity;
    f.periapsisAltitude = f.periapsisRadius - bodyRadius;
    f.apoapsisAltitude = f.apoapsisRadius - bodyRadius;
    f.period = f.closed ? 2 * Pi * std::sqrt(a * a * a / mu) : Infinity;
    return f;
}

double speedAt(double radius, double semiMajorAxis, double mu) {
    const double v2 = mu * (2 / radius - 1 / semiMajorAxis);
    return v2 >= 0 ? std::sqrt(v2) : std::numeric_limits<double>::quiet_NaN();
}

Result<Clearance> clearance(const Elements& el, double bodyRadius, double atmosphereHeight) {
    if (auto problem = elementsProblem(el))
        return Result<Clearance>::refused(*problem);
    const double periapsis = el.semiMajorAxis * (1 - el.eccentricity);
    if (periapsis < bodyRadius)
        return Clearance::HitsSurface;
    if (periapsis < bodyRadius + std::max(atmosphereHeight, 0.0))
        return Clearance::EntersAtmosphere;
    return Clearance::Clear;
}

double equatorialInclination(const Elements& el, double obliquity, double equatorNode) {
    // Both poles in the right-handed ecliptic frame: the orbit's from its inclination and node,
    // the body's tilted by the obliquity away from the ecliptic pole, towards the longitude
    // 90° behind its equator's node.
    const double i = radians(el.inclination), node = radians(el.ascendingNode);
    const double eps = radians(obliquity), lambda = radians(equatorNode);
    const Vector orbitPole{std::sin(i) * std::sin(node), -std::sin(i) * std::cos(node), std::cos(i)};
    const Vector bodyPole{-std::sin(lambda) * std::sin(eps), std::cos(lambda) * std::sin(eps), std::cos(eps)};
    const Vector c{orbitPole.y * bodyPole.z - orbitPole.z * bodyPole.y,
                   orbitPole.z * bodyPole.x - orbitPole.x * bodyPole.z,
                   orbitPole.x * bodyPole.y - orbitPole.y * bodyPole.x};
    return degrees(std::atan2(length(c), dot(orbitPole, bodyPole)));
}

std::vector<PlanePoint> orbitOutline(const Elements& el, double reach, int count) {
    std::vector<PlanePoint> points;
    if (elementsProblem(el))
        return points;
    count = std::max(count, 8);
    points.reserve(static_cast<size_t>(count));
    const double a = el.semiMajorAxis, e = el.eccentricity;
    if (e < 1) {
        // Even steps of the eccentric anomaly put the points closer where the ellipse bends most.
        const double b = a * std::sqrt(1 - e * e);
        for (int k = 0; k < count; ++k) {
            const double E = 2 * Pi * k / (count - 1);
            points.push_back({a * (std::cos(E) - e), b * std::sin(E)});
        }
        points.back() = points.front();
        return points;
    }
    // Even steps of the hyperbolic anomaly, out to the reach on either side.
    const double periapsis = a * (1 - e);
    const double r = std::max(reach, 3 * periapsis);
    const double limit = std::acosh((1 - r / a) / e); // r = a (1 − e cosh H)
    const double b = -a * std::sqrt(e * e - 1);
    for (int k = 0; k < count; ++k) {
        const double H = -limit + 2 * limit * k / (count - 1);
        points.push_back({a * (std::cosh(H) - e), b * std::sinh(H)});
    }
    return points;
}

Result<PlanePoint> positionInPlane(const Elements& el, double mu, double mjd) {
    const auto nu = trueAnomaly(el, mu, mjd);
    if (!nu)
        return Result<PlanePoint>::refused(nu.reason());
    const double e = el.eccentricity, p = el.semiMajorAxis * (1 - e * e);
    const double v = radians(*nu);
    const double r = p / (1 + e * std::cos(v));
    return PlanePoint{r * std::cos(v), r * std::sin(v)};
}

} // namespace vantrel::orbit
