#include "core/editing/OrbitPictures.h"

#include "core/orbit/Figures.h"
#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/ui/MainWindowParts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace vantrel {

namespace {

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;
// How far out, in body radii, an open orbit is drawn.
constexpr double OpenOrbitReach = 4.0;

std::string formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string kilometres(double metres) { return formatted("%.1f km", metres / 1000.0); }

// h:mm:ss, with the whole days before it when there are any ("2 d 3:04:05").
std::string duration(double seconds) {
    const long long total = std::llround(seconds);
    const long long days = total / 86400;
    const long long rest = total % 86400;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", rest / 3600, rest / 60 % 60, rest % 60);
    return days > 0 ? std::to_string(days) + " d " + buffer : std::string(buffer);
}

// Whether the body's file tilts its equator from the ecliptic at all.
bool givesObliquity(const Body& body) { return body.obliquity != 0 || body.precessionObliquity != 0; }

} // namespace

std::optional<double> fieldNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        return std::nullopt;
    return leadingNumberValue(text);
}

ui::OrbitDrawing noOrbitDrawing(const std::string& reason) {
    ui::OrbitDrawing d;
    d.labels.push_back({"No orbit"});
    if (!reason.empty())
        d.labels.push_back({reason});
    return d;
}

ui::OrbitDrawing orbitDrawing(const orbit::Elements& elements, const Body* body, double mjd) {
    if (!body)
        return noOrbitDrawing("Unknown body");
    const std::optional<double> mu = body->mu();
    if (!mu || !body->radius || *body->radius <= 0)
        return noOrbitDrawing(body->name + " has no mass or radius");
    const double radius = *body->radius;
    const double atmosphere = body->atmosphereHeight;
    const orbit::Result<orbit::Figures> figures = orbit::orbitFigures(elements, *mu, radius);
    if (!figures)
        return noOrbitDrawing(figures.reason());

    ui::OrbitDrawing d;
    d.bodyRadius = radius;
    d.atmosphereRadius = atmosphere > 0 ? radius + atmosphere : 0;
    const double reach = std::max(OpenOrbitReach * radius, 3 * figures->periapsisRadius);
    for (const orbit::PlanePoint& p : orbit::orbitOutline(elements, reach))
        d.outline.push_back({p.x, p.y});
    d.periapsis = ui::OrbitDrawing::Point{figures->periapsisRadius, 0};
    if (figures->closed)
        d.apoapsis = ui::OrbitDrawing::Point{-figures->apoapsisRadius, 0};
    if (const auto at = orbit::positionInPlane(elements, *mu, mjd))
        d.vessel = ui::OrbitDrawing::Point{at->x, at->y};
    const double outermost = figures->closed ? figures->apoapsisRadius : reach;
    d.extent = 1.1 * std::max({outermost, radius + atmosphere});

    d.labels.push_back({"Periapsis " + kilometres(figures->periapsisAltitude)});
    if (figures->closed) {
        d.labels.push_back({"Apoapsis " + kilometres(figures->apoapsisAltitude)});
        d.labels.push_back({"Period " + duration(figures->period)});
    } else {
        d.labels.push_back({"Escapes"});
    }
    std::string inclination = "i " + formatted("%.1f\xC2\xB0", elements.inclination) + " to the ecliptic";
    if (givesObliquity(*body)) {
        const EquatorOrientation equator = body->equatorAt(mjd);
        const double toEquator = orbit::equatorialInclination(elements, equator.obliquity * DegreesPerRadian,
                                                              equator.node * DegreesPerRadian);
        inclination += " (" + formatted("%.1f\xC2\xB0", toEquator) + " to the equator)";
    }
    d.labels.push_back({inclination});
    if (const auto met = orbit::clearance(elements, radius, atmosphere)) {
        if (*met == orbit::Clearance::HitsSurface)
            d.labels.push_back({"Hits the surface", true});
        else if (*met == orbit::Clearance::EntersAtmosphere)
            d.labels.push_back({"Enters the atmosphere", true});
    }
    if (atmosphere <= 0)
        d.labels.push_back({"Atmosphere height not given"});
    return d;
}

std::optional<double> shownStartMjd(const MainWindowParts& main) {
    const StartTime shown{main.env.Calendar.date(), main.env.Hour.text(), main.env.Minute.text()};
    if (main.model.startMjdAsRead && shown == main.model.startAsRead)
        return main.model.startMjdAsRead;
    if (!shown.day)
        return main.model.startMjdAsRead;
    return mjdFromDayTime(*shown.day, leadingNumberValue(shown.hour), leadingNumberValue(shown.minute));
}

ui::OrbitDrawing stationOrbitDrawing(const MainWindowParts& main) {
    const ui::StationTab& t = main.stationTab;
    const ui::TextField* fields[] = {&t.StationSemiMajorAxis, &t.StationExcentricity, &t.StationInclination,
                                     &t.StationAscendingNodeLongitude, &t.StationPeriapsisLongitude,
                                     &t.StationMeanLongitude};
    double values[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<double> value = fieldNumber(fields[i]->text());
        if (!value)
            return noOrbitDrawing();
        values[i] = *value;
    }
    const std::optional<double> start = shownStartMjd(main);
    const std::optional<int> day = t.StationOrbitalRefTime.date();
    // Without a reference time of its own, the elements hold at the start.
    const std::optional<double> epoch =
        day ? std::optional<double>(mjdFromDayTime(*day, leadingNumberValue(t.StationOrbitalRefHour.text()),
                                                   leadingNumberValue(t.StationOrbitalRefMin.text())))
            : start;
    const orbit::Elements elements{values[0], values[1], values[2], values[3], values[4], values[5], epoch.value_or(0)};
    return orbitDrawing(elements, main.cat.bodies.find(trim(t.StationRefPlanet.caption())),
                        start.value_or(elements.epoch));
}

ui::OrbitDrawing shipOrbitDrawing(const MainWindowParts& main) {
    const ui::ShipTab& t = main.shipTab;
    // A today's ship may be shown by its orbital elements, the others by position and velocity.
    const bool byElements = t.Frame13.visible() && t.ShipElementsOption.value();
    const std::vector<const ui::TextField*> fields =
        byElements ? std::vector<const ui::TextField*>{&t.ShipSemiMajorAxis, &t.ShipExcentricity, &t.ShipInclination,
                                                       &t.ShipAscendingNodeLongitude, &t.ShipPeriapsisLongitude,
                                                       &t.ShipMeanLongitude, &t.ShipElementsEpoch}
                   : std::vector<const ui::TextField*>{&t.ShipOrbitingRposX, &t.ShipOrbitingRposY, &t.ShipOrbitingRposZ,
                                                       &t.ShipOrbitingRvelX, &t.ShipOrbitingRvelY, &t.ShipOrbitingRvelZ};
    std::vector<double> values;
    for (const ui::TextField* field : fields) {
        const std::optional<double> value = fieldNumber(field->text());
        if (!value)
            return noOrbitDrawing();
        values.push_back(*value);
    }
    const Body* body = main.cat.bodies.find(trim(t.ShipOrbitingPlanet.caption()));
    if (!body)
        return noOrbitDrawing("Unknown body");
    const double mjd = shownStartMjd(main).value_or(0);
    if (byElements)
        return orbitDrawing({values[0], values[1], values[2], values[3], values[4], values[5], values[6]}, body, mjd);
    const std::optional<double> mu = body->mu();
    if (!mu)
        return noOrbitDrawing(body->name + " has no mass or radius");
    const orbit::StateVector state{{values[0], values[1], values[2]}, {values[3], values[4], values[5]}};
    const orbit::Result<orbit::Elements> elements = orbit::elementsFromState(state, *mu, mjd);
    if (!elements)
        return noOrbitDrawing(elements.reason());
    return orbitDrawing(*elements, body, mjd);
}

} // namespace vantrel
