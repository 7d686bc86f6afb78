// vantrel-scn vessels ORBITER_FOLDER FILE.scn: one TAB-separated line per vessel of the file's
// ship list, in list order, saying where the simulator puts it: name, class, status, body and
// placement, then for an orbit its elements with the mean longitude at the scenario date and its
// figures, or for the others the pad, the coordinates or the partner. An early file (stations in
// their own section, ships docked by STATUS) is read as the editor reads it: its stations first,
// each an orbit by its elements, then its ships, landed on a pad, orbiting by position and
// velocity, or docked at a station's port.

#include "cli/Commands.h"
#include "cli/Headless.h"

#include "core/catalogue/Bodies.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/scenario/ScenarioFile.h"
#include "core/text/NumberText.h"
#include "core/text/Dates.h"
#include "core/text/TextHelpers.h"
#include "core/vessels/VesselOrbit.h"
#include "core/vessels/VesselReader.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

namespace {

constexpr double SecondsPerDay = 86400.0;

// Enough digits for every figure to be compared to ten significant ones.
std::string number(double value) {
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    if (value == 0)
        value = 0; // no "-0"
    char text[40];
    std::snprintf(text, sizeof text, "%.12g", value);
    return text;
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The first word of `text` and what follows it, trimmed.
std::pair<std::string_view, std::string_view> splitWord(std::string_view text) {
    const size_t end = text.find_first_of(" \t");
    if (end == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, end), trimmed(text.substr(end))};
}

// The System and Date lines of the environment section (of the whole file when it has none),
// the later line of each counting; a comment after ";" does not count.
struct Environment {
    std::string system;
    std::optional<std::string> date; // what follows "Date"
};

Environment readEnvironment(const std::string& bytes) {
    const std::vector<std::string_view> lines = platform::lineViews(bytes);
    bool hasSection = false;
    for (std::string_view raw : lines)
        hasSection = hasSection || equalsIgnoringCase(trimmed(raw.substr(0, raw.find(';'))), "BEGIN_ENVIRONMENT");
    Environment env;
    bool inside = !hasSection;
    for (std::string_view raw : lines) {
        const std::string_view text = trimmed(raw.substr(0, raw.find(';')));
        if (hasSection && equalsIgnoringCase(text, "BEGIN_ENVIRONMENT")) {
            inside = true;
            continue;
        }
        if (hasSection && equalsIgnoringCase(text, "END_ENVIRONMENT")) {
            inside = false;
            continue;
        }
        if (!inside)
            continue;
        const auto [key, value] = splitWord(text);
        if (equalsIgnoringCase(key, "System"))
            env.system = std::string(value);
        else if (equalsIgnoringCase(key, "Date"))
            env.date = std::string(value);
    }
    return env;
}

double nowMjd() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    // 1970-01-01 is MJD 40587.
    return 40587.0 + std::chrono::duration<double>(since).count() / SecondsPerDay;
}

// The date of "Date MJD x" (or JD, or JE) as read, to full precision; the moment of the run when
// the line has no number after its kind, or when there is no Date line, as the simulator takes it.
double scenarioDate(const std::optional<std::string>& date) {
    if (!date)
        return nowMjd();
    const auto [kind, rest] = splitWord(*date);
    const std::string value(rest);
    char* end = nullptr;
    const double read = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || !std::isfinite(read))
        return nowMjd();
    if (equalsIgnoringCase(kind, "JD"))
        return mjdFromJulianDate(read);
    if (equalsIgnoringCase(kind, "JE"))
        return mjdFromJulianEpoch(read);
    return read;
}

const char* statusWord(vessels::Status status) {
    switch (status) {
    case vessels::Status::Orbiting:
        return "Orbiting";
    case vessels::Status::Landed:
        return "Landed";
    case vessels::Status::Unknown:
        break;
    }
    return "unknown";
}

const char* placementWord(vessels::PlacementKind kind) {
    switch (kind) {
    case vessels::PlacementKind::Attached:
        return "attached";
    case vessels::PlacementKind::Pad:
        return "pad";
    case vessels::PlacementKind::Coordinates:
        return "coordinates";
    case vessels::PlacementKind::Docked:
        return "docked";
    case vessels::PlacementKind::Elements:
        return "elements";
    case vessels::PlacementKind::Vector:
        return "vector";
    case vessels::PlacementKind::None:
        break;
    }
    return "none";
}

// The orbit columns, or the reason there is no orbit.
std::string orbitColumns(const vessels::Placement& placement, const Body* body, double mjd) {
    if (!body)
        return "no body";
    const std::optional<double> mu = body->mu();
    if (!mu || !(*mu > 0))
        return "no mass for " + body->name;
    if (!body->radius)
        return "no radius for " + body->name;
    const auto at = vessels::orbitAtDate(placement, *mu, *body->radius, mjd);
    if (!at)
        return at.reason();
    const orbit::Elements& e = at->elements;
    return number(e.semiMajorAxis) + '\t' + number(e.eccentricity) + '\t' + number(e.inclination) + '\t' +
           number(e.ascendingNode) + '\t' + number(e.periapsisLongitude) + '\t' + number(at->meanLongitude) + '\t' +
           number(at->figures.periapsisAltitude) + '\t' + number(at->figures.apoapsisAltitude) + '\t' +
           number(at->figures.period);
}

std::string placementColumns(const vessels::Vessel& vessel, const Body* body, double mjd) {
    const vessels::Placement& p = vessel.placement;
    switch (p.kind) {
    case vessels::PlacementKind::Elements:
    case vessels::PlacementKind::Vector:
        return orbitColumns(p, body, mjd);
    case vessels::PlacementKind::Pad:
        return p.pad.base + '\t' + std::to_string(p.pad.pad);
    case vessels::PlacementKind::Coordinates:
        return number(p.longitude) + '\t' + number(p.latitude) + (p.base.empty() ? "" : '\t' + p.base);
    case vessels::PlacementKind::Docked:
        return p.partner.vessel;
    case vessels::PlacementKind::Attached:
        return p.parent;
    case vessels::PlacementKind::None:
        break;
    }
    return {};
}

// The exact epoch of an early station: its EL_MJD line as read, since the table keeps the epoch
// only to the minute and a minute of a low orbit is hundreds of kilometres. Nothing without one.
std::optional<double> stationEpoch(const StationRow& station) {
    for (const BlockLine& line : station.StationBlockLines)
        if (line.is("EL_MJD"))
            return leadingNumberValue(trimmed(trimmed(clearedOfComments(line.text())).substr(6)));
    return std::nullopt;
}

// The stations of an early file, then its ships, as the editor's tables hold them.
void printEarly(const std::string& bytes, const std::string& path, const SystemBodies& bodies, double mjd,
                std::ostream& out) {
    const Scenario doc = readScenario(bytes, path).scenario;
    for (int k = 0; k < doc.stationCount && doc.validStation(k); ++k) {
        const StationRow& s = doc.stations[static_cast<size_t>(k)];
        const std::string body = trim(s.StationRefTable);
        vessels::Placement placement;
        placement.kind = vessels::PlacementKind::Elements;
        // A station without an epoch of its own holds its elements at the start, as the tab shows.
        placement.elements = {leadingNumberValue(s.StationSemiMajorAxisTable),
                              leadingNumberValue(s.StationExcentricityTable),
                              leadingNumberValue(s.StationInclinationTable),
                              leadingNumberValue(s.StationAscendingNodeLongitudeTable),
                              leadingNumberValue(s.StationPeriapsisLongitudeTable),
                              leadingNumberValue(s.StationMeanLongitudeTable),
                              stationEpoch(s).value_or(mjd)};
        const std::string name = trim(s.StationNameTable);
        const std::string className = trim(s.StationClassTable);
        out << name << '\t' << (className.empty() ? name : className) << "\tOrbiting\t" << body << "\telements\t"
            << orbitColumns(placement, bodies.find(body), mjd) << '\n';
    }
    for (int k = 0; k < doc.shipCount && doc.validShip(k); ++k) {
        const ShipRow& s = doc.ships[static_cast<size_t>(k)];
        const std::string name = trim(s.ShipNameTable);
        const std::string className = trim(s.ShipClassTable);
        const std::string status = trim(s.ShipStatusTable);
        const std::string body = trim(s.ShipPlanetTable);
        out << name << '\t' << (className.empty() ? name : className) << '\t';
        if (equalsIgnoringCase(status, "Landed")) {
            out << "Landed\t" << body << "\tpad\t" << trim(s.ShipLandedBaseTable) << '\t'
                << trim(s.ShipLandedPadTable);
        } else if (equalsIgnoringCase(status, "Orbiting")) {
            vessels::Placement placement;
            placement.kind = vessels::PlacementKind::Vector;
            placement.state = {{leadingNumberValue(s.ShipRposXTable), leadingNumberValue(s.ShipRposYTable),
                                leadingNumberValue(s.ShipRposZTable)},
                               {leadingNumberValue(s.ShipRvelXTable), leadingNumberValue(s.ShipRvelYTable),
                                leadingNumberValue(s.ShipRvelZTable)}};
            out << "Orbiting\t" << body << "\tvector\t" << orbitColumns(placement, bodies.find(body), mjd);
        } else if (equalsIgnoringCase(status, "Docked")) {
            out << "Docked\t" << body << "\tdocked\t" << trim(s.ShipDockedStationTable) << '\t'
                << trim(s.ShipDockedPortTable);
        } else {
            out << "unknown\t" << body << "\tnone";
        }
        out << '\n';
    }
}

} // namespace

int runVessels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || args[0].empty() || args[1].empty()) {
        err << "vantrel-scn: vessels needs the Orbiter folder and one scenario file\n"
               "Usage: vantrel-scn vessels ORBITER_FOLDER FILE.scn\n";
        return 2;
    }
    if (!platform::folderExists(args[0])) {
        err << "vantrel-scn: the Orbiter folder " << args[0] << " does not exist\n";
        return 1;
    }
    const std::optional<std::string> bytes =
        platform::folderExists(args[1]) ? std::nullopt : platform::readFile(args[1]);
    if (!bytes) {
        err << "vantrel-scn: cannot read the scenario file " << args[1] << "\n";
        return 1;
    }

    Headless headless(args[0]);
    if (headless.startupFailed()) {
        err << headless.failureMessage() << "\n";
        return 1;
    }
    Vantrel& w = headless.main();

    const Environment env = readEnvironment(*bytes);
    if (env.system.empty()) {
        err << "vantrel-scn: the scenario file " << args[1] << " names no planetary system\n";
        return 1;
    }
    const std::string systemFile = w.resolveFile(w.state.CfgDir.caption() + env.system + ".cfg");
    if (!platform::fileExists(systemFile)) {
        err << "vantrel-scn: the planetary system " << env.system << " has no file " << systemFile << "\n";
        return 1;
    }
    const SystemBodies bodies = readSystemBodies(w.state.CfgDir.caption(), systemFile);

    const std::vector<std::string> names = bodies.namesStarFirst();

    const double mjd = scenarioDate(env.date);
    if (fileFormatOf(*bytes, w.cat.VesselsFolder) == FileFormat::Early) {
        printEarly(*bytes, args[1], bodies, mjd, out);
        out.flush();
        return 0;
    }
    const vessels::VesselList list = vessels::readVessels(*bytes, names);
    for (const vessels::Vessel& vessel : list.vessels) {
        const Body* body = bodies.find(vessel.status.body);
        out << vessel.name << '\t' << vessel.className << '\t' << statusWord(vessel.status.status) << '\t'
            << vessel.status.body << '\t' << placementWord(vessel.placement.kind);
        const std::string rest = placementColumns(vessel, body, mjd);
        if (!rest.empty())
            out << '\t' << rest;
        out << '\n';
    }
    out.flush();
    return 0;
}

} // namespace vantrel::cli
