#include "InstallationGenerator.h"

#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::bench {
namespace {

struct Body {
    const char* name;
    const char* planet; // the planet of a moon, null for a planet
    const char* mass;
    double radius;
    double atmosphere;
    const char* period;
};

// Public values of the inner planets and their moons.
const std::vector<Body> kBodies = {
    {"Mercury", nullptr, "3.3011e23", 2.4397e6, 0, "5067032"},
    {"Venus", nullptr, "4.8675e24", 6.0518e6, 250e3, "-20997152"},
    {"Earth", nullptr, "5.9722e24", 6.371e6, 200e3, "86164.0905"},
    {"Moon", "Earth", "7.342e22", 1.7374e6, 0, "2360591.5"},
    {"Mars", nullptr, "6.4171e23", 3.3895e6, 150e3, "88642.663"},
    {"Phobos", "Mars", "1.0659e16", 11266.7, 0, "27553.8"},
    {"Deimos", "Mars", "1.4762e15", 6200, 0, "109123.2"},
};

struct StationClass {
    const char* name;
    int ports;
};
const std::vector<StationClass> kStationClasses = {{"Beacon", 1}, {"Outpost", 4}, {"Drydock", 12}};
const std::vector<const char*> kShipClasses = {"Hauler", "Skiff", "Courier", "Lander"};

std::string number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string numbered(const char* stem, int n) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%05d", stem, n);
    return text;
}

void line(std::string& out, const std::string& text) {
    out += text;
    out += "\r\n";
}

int dockedCount(const GeneratorOptions& o) { return o.ships / 3; }
int landedCount(const GeneratorOptions& o) { return o.ships / 3; }
int baseCount(const GeneratorOptions& o) { return (landedCount(o) + o.padsPerBase - 1) / o.padsPerBase; }

// The base number b (0-based) lies on body b % bodies, the n-th base of that body.
std::string baseName(int b) { return numbered(kBodies[b % kBodies.size()].name, b / int(kBodies.size()) + 1); }

// A made-up pseudo-random sequence, the same on every run.
struct Sequence {
    unsigned state = 12345;
    double next() { // 0 <= value < 1
        state = state * 1103515245u + 12345u;
        return double((state >> 8) & 0xFFFF) / 65536.0;
    }
};

// The lines of the k-th ship landed on a pad, and of ship i in orbit (placed by RPOS and RVEL)
// after its STATUS line, the same in both kinds of scenario but for the rotation's form.
void padShipLines(std::string& out, const GeneratorOptions& o, int k, Sequence& random) {
    const int base = k / o.padsPerBase;
    line(out, std::string("  STATUS Landed ") + kBodies[base % kBodies.size()].name);
    line(out, "  BASE " + baseName(base) + ":" + std::to_string(k % o.padsPerBase + 1));
    line(out, "  HEADING " + number(360 * random.next()));
    line(out, "  FUEL 1.00");
}

void orbitingShipLines(std::string& out, int i, Sequence& random, const char* vrot) {
    const Body& body = kBodies[i % kBodies.size()];
    const double r = (body.radius + body.atmosphere) * (1.1 + random.next());
    line(out, std::string("  STATUS Orbiting ") + body.name);
    line(out, "  RPOS " + number(r * 0.6) + " " + number(r * 0.8) + " 0.00");
    line(out, "  RVEL " + number(-4000 * random.next()) + " " + number(3000 * random.next()) + " 0.00");
    line(out, "  AROT 0.00 " + number(180 * random.next()) + " 0.00");
    line(out, std::string("  VROT ") + vrot);
}

// Stations and ships of today's simulator, all in the ship list: the stations first, so that each
// places the group of ships docked to it.
void todayVessels(std::string& out, const GeneratorOptions& o, Sequence& random) {
    struct Port {
        int station;
        int port; // 0-based
    };
    std::vector<Port> ports;
    for (int s = 0; s < o.stations; ++s)
        for (int p = 0; p < kStationClasses[s % kStationClasses.size()].ports; ++p)
            ports.push_back({s, p});
    const int docked = std::min<int>(dockedCount(o), int(ports.size()));
    const int onPads = landedCount(o) / 2;
    const int atCoordinates = landedCount(o) - onPads;

    line(out, "BEGIN_SHIPS");
    size_t nextPort = 0; // the ports are handed out in order, so a station's docked ships follow on
    for (int s = 0; s < o.stations; ++s) {
        const Body& body = kBodies[s % kBodies.size()];
        const double a = (body.radius + body.atmosphere) * (1.15 + 0.5 * random.next());
        line(out, numbered("Station", s + 1) + ":" + kStationClasses[s % kStationClasses.size()].name);
        line(out, std::string("  STATUS Orbiting ") + body.name);
        line(out, "  ELEMENTS " + number(a) + " 0.00" + std::to_string(s % 10) + " " + number(90 * random.next()) +
                      " " + number(360 * random.next()) + " " + number(360 * random.next()) + " " +
                      number(360 * random.next()) + " " + number(60300 + s % 10));
        line(out, "  AROT 0 " + std::to_string(s % 90) + " 0");
        if (s % 4 == 0)
            line(out, "  VROT 0 0 " + std::to_string(1 + s % 9));
        std::string tokens;
        for (; nextPort < size_t(docked) && ports[nextPort].station == s; ++nextPort)
            tokens += " " + std::to_string(ports[nextPort].port) + ":0," + numbered("Craft", int(nextPort) + 1);
        if (!tokens.empty())
            line(out, "  DOCKINFO" + tokens);
        line(out, "END");
    }
    for (int i = 0; i < o.ships; ++i) {
        line(out, numbered("Craft", i + 1) + ":" + kShipClasses[i % kShipClasses.size()]);
        if (i < docked) {
            const Port& port = ports[size_t(i)];
            line(out, std::string("  STATUS Orbiting ") + kBodies[port.station % kBodies.size()].name);
            line(out, "  DOCKINFO 0:" + std::to_string(port.port) + "," + numbered("Station", port.station + 1));
            line(out, "  PRPLEVEL 0:0.750000");
        } else if (i < docked + onPads) {
            padShipLines(out, o, i - docked, random);
        } else if (i < docked + onPads + atCoordinates) {
            line(out, std::string("  STATUS Landed ") + kBodies[i % kBodies.size()].name);
            line(out, "  POS " + number(360 * random.next() - 180) + " " + number(180 * random.next() - 90));
            line(out, "  HEADING " + number(360 * random.next()));
            line(out, "  PRPLEVEL 0:1.000000 1:0.500000");
        } else {
            orbitingShipLines(out, i, random, "0.00 0.00 0.00");
            line(out, "  FUEL " + number(random.next()));
            if (i % 5 == 0)
                line(out, "  XPDR " + std::to_string(i % 100));
        }
        line(out, "END");
    }
    line(out, "END_SHIPS");
}

} // namespace

std::string scenarioText(const GeneratorOptions& o) {
    std::string out;
    out.reserve(size_t(o.stations) * 160 + size_t(o.ships) * 140 + 1024);
    Sequence random;

    line(out, "BEGIN_DESC");
    line(out, "A crowded inner system written by the benchmark generator.");
    line(out, "END_DESC");
    line(out, "");
    line(out, "BEGIN_ENVIRONMENT");
    line(out, "  System Sol");
    line(out, "  Date MJD 60310.5");
    line(out, "END_ENVIRONMENT");
    line(out, "");
    line(out, "BEGIN_FOCUS");
    line(out, "  Ship " + numbered("Craft", 1));
    line(out, "END_FOCUS");
    line(out, "");
    if (o.today) {
        todayVessels(out, o, random);
        return out;
    }

    // Stations go round the bodies; their ports are handed out to docked ships in order.
    struct Port {
        int station;
        int port;
    };
    std::vector<Port> ports;
    if (o.stations > 0) {
        line(out, "BEGIN_STATIONS");
        for (int s = 0; s < o.stations; ++s) {
            const Body& body = kBodies[s % kBodies.size()];
            const StationClass& cls = kStationClasses[s % kStationClasses.size()];
            for (int p = 1; p <= cls.ports; ++p)
                ports.push_back({s, p});
            const double a = (body.radius + body.atmosphere) * (1.15 + 0.5 * random.next());
            line(out, numbered("Station", s + 1) + ":" + cls.name);
            line(out, std::string("  REF ") + body.name);
            line(out, "  EL_MJD " + number(60300 + s % 10));
            line(out, "  ELEMENTS " + number(a) + " 0.00" + std::to_string(s % 10) + " " + number(90 * random.next()) +
                          " " + number(360 * random.next()) + " " + number(360 * random.next()) + " " +
                          number(360 * random.next()));
            if (s % 4 == 0)
                line(out, "  ZROT_FREQ 0.0" + std::to_string(1 + s % 9));
            line(out, "  AROT 0 " + std::to_string(s % 90) + " 0");
            line(out, "END");
        }
        line(out, "END_STATIONS");
        line(out, "");
    }

    line(out, "BEGIN_SHIPS");
    const int docked = std::min<int>(dockedCount(o), int(ports.size()));
    const int landed = landedCount(o);
    for (int i = 0; i < o.ships; ++i) {
        line(out, numbered("Craft", i + 1) + ":" + kShipClasses[i % kShipClasses.size()]);
        if (i < docked) {
            const Port& port = ports[size_t(i)];
            line(out, std::string("  STATUS Docked ") + kBodies[port.station % kBodies.size()].name + ":" +
                          numbered("Station", port.station + 1) + ":" + std::to_string(port.port));
            line(out, "  FUEL 0.75");
        } else if (i < docked + landed) {
            padShipLines(out, o, i - docked, random);
        } else {
            orbitingShipLines(out, i, random, "0.00");
            line(out, "  FUEL " + number(random.next()));
            line(out, "  ENGINE_MAIN 0.00");
            if (i % 5 == 0)
                line(out, "  XPDR " + std::to_string(i % 100));
        }
        line(out, "END");
    }
    line(out, "END_SHIPS");
    return out;
}

std::string hugeScenarioPath(const std::string& folder) { return folder + "/Scenarios/Huge.scn"; }

std::string makeScratchFolder(const std::string& prefix) {
    const std::string folder = platform::makeTemporaryFolder(prefix);
    if (folder.empty())
        throw std::runtime_error("cannot make a scratch folder");
    return folder;
}

std::string writeInstallation(const std::string& folder, const GeneratorOptions& o) {
    using platform::makeFolder;
    using platform::writeFileAtomically;
    // Today's layout keeps the vessel classes in a folder of their own.
    const std::string classes = o.today ? "Config/Vessels/" : "Config/";
    for (const std::string& sub : {std::string(), std::string("/Config"), std::string("/Scenarios"),
                                   o.today ? std::string("/Config/Vessels") : std::string()}) {
        if (!platform::folderExists(folder + sub)) {
            const std::string failed = makeFolder(folder + sub);
            if (!failed.empty())
                return failed;
        }
    }
    std::vector<std::pair<std::string, std::string>> files;
    auto add = [&](const std::string& relative, const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines)
            line(text, l);
        files.emplace_back(relative, std::move(text));
    };

    add("orbiter.cfg", {"; Written by the Vantrel benchmark generator", "ConfigDir = .\\Config\\",
                        "ScenarioDir = .\\Scenarios\\"});

    std::vector<std::string> system = {"; Sol for the benchmarks", "Name = Sol", "Star1 = Sun"};
    int planets = 0, moons = 0;
    for (const Body& b : kBodies) {
        if (!b.planet) {
            system.push_back("Planet" + std::to_string(++planets) + " = " + b.name);
            moons = 0;
        } else {
            system.push_back(std::string(b.planet) + std::to_string(++moons) + " = " + b.name);
        }
    }
    add("Config/Sol.cfg", system);

    const int bases = baseCount(o);
    for (size_t i = 0; i < kBodies.size(); ++i) {
        const Body& b = kBodies[i];
        std::vector<std::string> lines = {std::string("; ") + b.name, std::string("Mass = ") + b.mass,
                                          "Size = " + number(b.radius), std::string("SidRotPeriod = ") + b.period};
        if (b.atmosphere > 0)
            lines.push_back("AtmAltLimit = " + number(b.atmosphere));
        int n = 0;
        for (int base = int(i); base < bases; base += int(kBodies.size()))
            lines.push_back("Base" + std::to_string(++n) + " = " + baseName(base) + " " + std::to_string(base % 360 - 180) +
                            " " + std::to_string(base % 160 - 80));
        add(std::string("Config/") + b.name + ".cfg", lines);
    }
    for (int base = 0; base < bases; ++base) {
        std::vector<std::string> lines = {"Name = " + baseName(base)};
        for (int p = 1; p <= o.padsPerBase; ++p)
            lines.push_back("LPAD" + std::to_string(p) + " = " + std::to_string(p * 100) + " 0");
        add("Config/" + baseName(base) + ".cfg", lines);
    }
    for (const StationClass& cls : kStationClasses) {
        std::vector<std::string> lines = {std::string("Meshname = ") + cls.name, "BEGIN_DOCKLIST"};
        for (int p = 0; p < cls.ports; ++p)
            lines.push_back("0 0 " + std::to_string(10 + p) + " 0 0 1 0 1 0");
        lines.push_back("END_DOCKLIST");
        add(classes + cls.name + ".cfg", lines);
    }
    for (const char* cls : kShipClasses)
        add(classes + cls + ".cfg", {std::string("ClassName = ") + cls, "Size = 10"});

    files.emplace_back("Scenarios/Huge.scn", scenarioText(o));
    for (const auto& [relative, text] : files) {
        const std::string failed = writeFileAtomically(folder + "/" + relative, text);
        if (!failed.empty())
            return failed;
    }
    return {};
}

} // namespace vantrel::bench
