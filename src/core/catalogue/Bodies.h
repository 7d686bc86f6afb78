#pragma once

// The bodies of a planetary system as typed data: what orbit conversions and pictures need of a
// star, planet or moon (mass, radius, atmosphere height and the tilt of its equator), read from
// the body files once, when the system is chosen, and kept with the catalogue. Nothing here
// reads a file again during an edit.
//
// A body file is read as the simulator reads it: a line "Key = value", ";" starting a comment,
// the key compared whole and ignoring letter case, the first such line deciding, and nothing
// read after an "END_PARSE" line. A number is the leading number of its value.

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class LineCache;

// The orientation of a body's equator against the ecliptic at one date, in radians: the tilt of
// its rotation axis from the ecliptic pole, and the ecliptic longitude at which its equator
// crosses the ecliptic going north.
struct EquatorOrientation {
    double obliquity = 0;
    double node = 0;
};

struct Body {
    enum class Kind { Star, Planet, Moon };

    // The body's "Name" (what STATUS lines name, letter case counting), or the name its system
    // file gives when its file has none.
    std::string name;
    Kind kind = Kind::Planet;
    // The body it orbits: the first star for a planet, the planet (or moon) for a moon; empty
    // for a star, and for a planet of a system without a star.
    std::string parent;
    // The body file's path; the body is listed even when that file cannot be read.
    std::string file;
    bool fileRead = false;

    // "Mass" [kg] and "Size" (the mean radius) [m]; none when the key is missing or its value is
    // not a number.
    std::optional<double> mass;
    std::optional<double> radius;
    // "AtmAltLimit" [m], the top of the atmosphere; 0 when the key is missing or not a number.
    double atmosphereHeight = 0;

    // The rotation axis as the file gives it (radians, and days for the period), with the
    // simulator's values for missing keys: "Obliquity" and "LAN" of the axis against its
    // precession reference at "LAN_MJD" (J2000 when absent), "PrecessionPeriod" (0: the axis
    // does not precess), and the tilt of that reference from the ecliptic pole,
    // "PrecessionObliquity" and "PrecessionLAN" (0: the reference is the ecliptic pole).
    double obliquity = 0;
    double lan = 0;
    double lanMjd = 51544.5;
    double precessionPeriod = 0;
    double precessionObliquity = 0;
    double precessionLan = 0;

    // The gravitational parameter G·mass [m³/s²] with the simulator's G; none without a mass.
    std::optional<double> mu() const;
    // The equator's orientation against the ecliptic at the date `mjd`, the axis having
    // precessed from its LAN_MJD position.
    EquatorOrientation equatorAt(double mjd) const;
};

struct SystemBodies {
    // Stars, planets and moons in the order the system file lists them.
    std::vector<Body> bodies;
    // What could not be read, one line each ("Config/Venus.cfg: Mass is not a number: heavy"):
    // body files that cannot be read, values that are not numbers. Missing keys are no problem.
    std::vector<std::string> problems;

    // The body of that name, letter case counting as in STATUS lines; null when there is none.
    const Body* find(const std::string& name) const;
    // The first star, as the simulator takes for a body it does not know; null without one.
    const Body* firstStar() const;
    // Every body's name, the first star first: the names the vessel reader resolves STATUS
    // bodies against.
    std::vector<std::string> namesStarFirst() const;
};

// The bodies of the planetary system file `systemFile`, whose body files lie in `configFolder`
// (its path followed by the separator) as "<entry>.cfg", an entry possibly naming a sub-folder
// ("Sol\Earth", with either separator). A system file lists "Star1 = Sun", "Planet3 = Earth" and
// moons as "Earth:Moon1 = Moon" (today, "Earth:Moon1:Moon1" for a moon's moon) or "Earth1 = Moon"
// (early, after its planet). An unreadable system file gives no body and one problem.
SystemBodies readSystemBodies(const std::string& configFolder, const std::string& systemFile);
// The same, reading the files through a cache the caller keeps (the bases read them too).
SystemBodies readSystemBodies(const std::string& configFolder, const std::string& systemFile,
                              LineCache& cache);

// The body read from the lines of its file (name, kind and parent left to the caller). Values
// that are not numbers are added to problems, naming `file`.
Body bodyFromLines(const std::vector<std::string>& lines, const std::string& file,
                   std::vector<std::string>& problems);

// The value of `key` in a body file's lines by the simulator's rule (see above): trimmed, without
// its comment; none when no line holds the key before END_PARSE or the first line holding it has
// an empty value.
std::optional<std::string> bodyFileValue(const std::vector<std::string>& lines, const std::string& key);

} // namespace vantrel
