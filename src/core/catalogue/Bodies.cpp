#include "core/catalogue/Bodies.h"

#include "core/catalogue/ConfigFiles.h"
#include "core/orbit/Orbit.h"
#include "core/platform/FileSystem.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <numbers>

namespace vantrel {

namespace {

// Blanks and tabs off both ends, as the simulator trims a line.
std::string_view trimBlanksAndTabs(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The line without its comment, trimmed.
std::string_view contentOf(std::string_view line) {
    return trimBlanksAndTabs(line.substr(0, line.find(';')));
}

// The leading number of a value ("6.37101e6", "200e3 m"); none when it does not start with one
// or the number is not finite. Read without the locale: the desktop sets one.
std::optional<double> leadingNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A key made of `word` and a number ("Planet3", "Moon12"), the word in any letter case.
bool isNumberedKey(std::string_view key, std::string_view word) {
    if (key.size() <= word.size() || !startsWithIgnoringCase(key, word))
        return false;
    return key.substr(word.size()).find_first_not_of("0123456789") == std::string_view::npos;
}

std::string fileOfEntry(const std::string& configFolder, const std::string& entry) {
    return configFolder + platform::nativeSeparators(entry) + ".cfg";
}

} // namespace

std::optional<std::string> bodyFileValue(const std::vector<std::string>& lines, const std::string& key) {
    for (const std::string& line : lines) {
        const std::string_view content = contentOf(line);
        if (equalsIgnoringCase(content, "END_PARSE"))
            return std::nullopt;
        const size_t eq = content.find('=');
        if (!equalsIgnoringCase(trimBlanksAndTabs(content.substr(0, eq)), key))
            continue;
        // The first line with the key decides, even when it gives nothing.
        const std::string_view value =
            eq == std::string_view::npos ? std::string_view() : trimBlanksAndTabs(content.substr(eq + 1));
        if (value.empty())
            return std::nullopt;
        return std::string(value);
    }
    return std::nullopt;
}

Body bodyFromLines(const std::vector<std::string>& lines, const std::string& file,
                   std::vector<std::string>& problems) {
    Body body;
    body.file = file;
    body.fileRead = true;
    if (auto name = bodyFileValue(lines, "Name"))
        body.name = *name;
    auto number = [&](const char* key) -> std::optional<double> {
        const auto value = bodyFileValue(lines, key);
        if (!value)
            return std::nullopt;
        const auto n = leadingNumber(*value);
        if (!n)
            problems.push_back(file + ": " + key + " is not a number: " + *value);
        return n;
    };
    body.mass = number("Mass");
    body.radius = number("Size");
    body.atmosphereHeight = number("AtmAltLimit").value_or(0.0);
    body.obliquity = number("Obliquity").value_or(body.obliquity);
    body.lan = number("LAN").value_or(body.lan);
    body.lanMjd = number("LAN_MJD").value_or(body.lanMjd);
    body.precessionPeriod = number("PrecessionPeriod").value_or(body.precessionPeriod);
    body.precessionObliquity = number("PrecessionObliquity").value_or(body.precessionObliquity);
    body.precessionLan = number("PrecessionLAN").value_or(body.precessionLan);
    return body;
}

std::optional<double> Body::mu() const {
    if (!mass)
        return std::nullopt;
    return orbit::GravitationalConstant * *mass;
}

EquatorOrientation Body::equatorAt(double mjd) const {
    // The axis turns about the precession reference at a steady rate; the reference itself is
    // tilted from the ecliptic pole by PrecessionObliquity towards PrecessionLAN. Components in
    // the simulator's frame (y to the ecliptic pole).
    const double turned =
        lan + (precessionPeriod != 0 ? 2 * std::numbers::pi * (mjd - lanMjd) / precessionPeriod : 0.0);
    orbit::Vector axis{-std::sin(turned) * std::sin(obliquity), std::cos(obliquity),
                       std::cos(turned) * std::sin(obliquity)};
    if (precessionObliquity != 0) {
        const double ce = std::cos(precessionObliquity), se = std::sin(precessionObliquity);
        const double cl = std::cos(precessionLan), sl = std::sin(precessionLan);
        const orbit::Vector tilted{axis.x, ce * axis.y - se * axis.z, se * axis.y + ce * axis.z};
        axis = {cl * tilted.x - sl * tilted.z, tilted.y, sl * tilted.x + cl * tilted.z};
    }
    return {std::acos(std::clamp(axis.y, -1.0, 1.0)), std::atan2(-axis.x, axis.z)};
}

const Body* SystemBodies::find(const std::string& name) const {
    for (const Body& body : bodies)
        if (body.name == name)
            return &body;
    return nullptr;
}

const Body* SystemBodies::firstStar() const {
    for (const Body& body : bodies)
        if (body.kind == Body::Kind::Star)
            return &body;
    return nullptr;
}

std::vector<std::string> SystemBodies::namesStarFirst() const {
    std::vector<std::string> names;
    if (const Body* star = firstStar())
        names.push_back(star->name);
    for (const Body& body : bodies)
        if (names.empty() || body.name != names.front())
            names.push_back(body.name);
    return names;
}

SystemBodies readSystemBodies(const std::string& configFolder, const std::string& systemFile) {
    LineCache cache;
    return readSystemBodies(configFolder, systemFile, cache);
}

SystemBodies readSystemBodies(const std::string& configFolder, const std::string& systemFile,
                              LineCache& cache) {
    SystemBodies result;
    cache.beginScan();
    const auto* lines = cache.lines(systemFile);
    if (!lines) {
        result.problems.push_back(systemFile + ": cannot be read");
        return result;
    }
    // What a moon line names as its parent ("Earth" of "Earth:Moon1", "Earth:Moon1" of
    // "Earth:Moon1:Moon1"), to the parent's body name.
    std::map<std::string, std::string, std::less<>> prefixes;
    std::string firstStar;
    // The latest planet as its system file names it and as its own file names it: an early moon
    // line ("Earth1 = Moon") starts with one of them.
    std::string planetEntry;
    std::string planet;
    auto isEarlyMoonKey = [&](std::string_view key) {
        for (const std::string& name : {planetEntry, planet})
            if (!name.empty() && startsWith(key, name) && isNumberedKey(key, name))
                return true;
        return false;
    };
    for (const std::string& line : *lines) {
        const std::string_view content = contentOf(line);
        if (equalsIgnoringCase(content, "END_PARSE"))
            break;
        const size_t eq = content.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = trimBlanksAndTabs(content.substr(0, eq));
        const std::string entry(trimBlanksAndTabs(content.substr(eq + 1)));
        if (entry.empty())
            continue;

        Body::Kind kind;
        std::string parent;
        const size_t colon = key.rfind(':');
        if (isNumberedKey(key, "Star")) {
            kind = Body::Kind::Star;
        } else if (isNumberedKey(key, "Planet")) {
            kind = Body::Kind::Planet;
            parent = firstStar;
        } else if (colon != std::string_view::npos && isNumberedKey(key.substr(colon + 1), "Moon")) {
            const auto known = prefixes.find(key.substr(0, colon));
            if (known == prefixes.end())
                continue;
            kind = Body::Kind::Moon;
            parent = known->second;
        } else if (isEarlyMoonKey(key)) {
            kind = Body::Kind::Moon;
            parent = planet;
        } else {
            continue;
        }

        const std::string file = fileOfEntry(configFolder, entry);
        Body body;
        if (const auto* bodyLines = cache.lines(file)) {
            body = bodyFromLines(*bodyLines, file, result.problems);
        } else {
            body.file = file;
            result.problems.push_back(file + ": cannot be read");
        }
        // An entry may name a sub-folder; the body is known by its file's name.
        if (body.name.empty()) {
            const size_t slash = entry.find_last_of("\\/");
            body.name = slash == std::string::npos ? entry : entry.substr(slash + 1);
        }
        body.kind = kind;
        body.parent = parent;

        if (kind == Body::Kind::Star && firstStar.empty())
            firstStar = body.name;
        if (kind == Body::Kind::Planet) {
            planetEntry = entry;
            planet = body.name;
            prefixes.emplace(entry, body.name);
            prefixes.emplace(body.name, body.name);
        }
        if (kind == Body::Kind::Moon)
            prefixes.emplace(std::string(key), body.name);
        result.bodies.push_back(std::move(body));
    }
    return result;
}

} // namespace vantrel
