#include "core/vessels/VesselOrbit.h"

#include <cmath>
#include <numbers>

namespace vantrel::vessels {

namespace {
constexpr double SecondsPerDay = 86400.0;
} // namespace

double meanLongitudeAt(const orbit::Elements& elements, double mu, double mjd) {
    const double a = std::abs(elements.semiMajorAxis);
    const double motion = std::sqrt(mu / (a * a * a)) * 180.0 / std::numbers::pi; // degrees per second
    const double longitude = elements.meanLongitude + motion * (mjd - elements.epoch) * SecondsPerDay;
    if (elements.eccentricity >= 1)
        return longitude;
    const double reduced = std::fmod(longitude, 360.0);
    return reduced < 0 ? reduced + 360.0 : reduced;
}

orbit::Result<OrbitAtDate> orbitAtDate(const Placement& placement, double mu, double bodyRadius, double mjd) {
    OrbitAtDate at;
    if (placement.kind == PlacementKind::Elements) {
        at.elements = placement.elements;
    } else if (placement.kind == PlacementKind::Vector) {
        const orbit::Result<orbit::Elements> converted = orbit::elementsFromState(placement.state, mu, mjd);
        if (!converted)
            return orbit::Result<OrbitAtDate>::refused(converted.reason());
        at.elements = *converted;
    } else {
        return orbit::Result<OrbitAtDate>::refused("not placed by an orbit");
    }
    const orbit::Result<orbit::Figures> figures = orbit::orbitFigures(at.elements, mu, bodyRadius);
    if (!figures)
        return orbit::Result<OrbitAtDate>::refused(figures.reason());
    at.figures = *figures;
    at.meanLongitude = meanLongitudeAt(at.elements, mu, mjd);
    return at;
}

} // namespace vantrel::vessels
