#include "core/vessels/SimulatorCheck.h"

#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/scenario/LineEdits.h"
#include "core/scenario/FileFormat.h"
#include "core/text/TextHelpers.h"
#include "core/vessels/VesselReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <unordered_map>

namespace vantrel::vessels {

namespace {

std::string_view cleaned(std::string_view line) { return cleanedLine(line); }

std::string_view afterKey(std::string_view line, std::string_view key) {
    const std::string_view rest = line.substr(std::min(line.size(), key.size()));
    const size_t first = firstNotBlankOrTab(rest);
    return first == std::string_view::npos ? std::string_view() : rest.substr(first);
}

std::optional<double> firstNumber(std::string_view text) {
    const size_t first = firstNotBlankOrTab(text);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    return value;
}

class Check {
public:
    Check(std::string_view bytes, const std::string& fileName, const CheckInstallation& installation)
        : bytes_(bytes), fileName_(fileName), in_(installation), lines_(platform::lineViews(bytes)) {}

    std::vector<Finding> run() {
        extension();
        sections();
        if (fileFormatOf(bytes_, true) == FileFormat::Early && in_.vesselsFolder) {
            early();
            return sorted();
        }
        const std::string system = environmentValue("SYSTEM");
        const bool systemKnown = !system.empty() && in_.systemExists && in_.systemExists(system);
        if (!systemKnown) {
            // The simulator stops there: nothing of the vessels counts.
            add(systemLine_ ? systemLine_ : 1, Severity::Error, "no-system", "",
                system.empty() ? "The file has no System line: the simulator stops; add \"System Sol\" to "
                                 "BEGIN_ENVIRONMENT"
                               : "No planetary system \"" + system + "\" in the installation: the simulator stops");
            return sorted();
        }
        bodies_ = systemKnown && in_.bodyNames ? in_.bodyNames(system) : std::vector<std::string>();
        list_ = readVessels(bytes_, bodies_);
        for (const Note& note : list_.notes)
            if (!note.code.empty())
                add(note.line + 1, note.severity, note.code, "", note.text);
        for (const Vessel& v : list_.vessels) {
            for (const Note& note : v.notes)
                if (!note.code.empty())
                    add((note.line == NoLine ? v.headLine : note.line) + 1, note.severity, note.code, v.name,
                        note.text);
            vessel(v);
        }
        names();
        docking();
        focusAndCamera();
        return sorted();
    }

private:
    void add(size_t line, Severity severity, std::string code, std::string vessel, std::string text) {
        findings_.push_back({line, severity, std::move(code), std::move(vessel), std::move(text)});
    }

    std::vector<Finding> sorted() {
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
        return std::move(findings_);
    }

    // The value of a line of BEGIN_ENVIRONMENT (its key in any case), or empty.
    std::string environmentValue(std::string_view key) {
        bool inside = false;
        for (size_t k = 0; k < lines_.size(); ++k) {
            const std::string_view line = cleaned(lines_[k]);
            if (startsWithIgnoringCase(lines_[k], "BEGIN_ENVIRONMENT")) {
                inside = true;
            } else if (inside && startsWithIgnoringCase(line, "END_ENVIRONMENT")) {
                break;
            } else if (inside && startsWithIgnoringCase(line, key)) {
                systemLine_ = k + 1;
                return std::string(afterKey(line, key));
            }
        }
        return {};
    }

    void extension() {
        const size_t dot = fileName_.rfind('.');
        if (dot != std::string::npos && equalsIgnoringCase(fileName_.substr(dot), ".scn") && fileName_.substr(dot) != ".scn")
            add(1, Severity::Note, "extension-case", "",
                "The extension \"" + fileName_.substr(dot) + "\" is not \".scn\": the simulator's scenario list "
                "does not show the file; rename it to end in .scn");
    }

    // A second section of one name, and section lines the simulator does not see for their
    // indentation.
    void sections() {
        std::set<std::string> seen;
        // The section open, by the name after BEGIN_: lines inside it (a camera's BEGIN_PRESET) are
        // its own.
        std::string open;
        for (size_t k = 0; k < lines_.size(); ++k) {
            const std::string_view raw = lines_[k];
            const std::string_view line = cleaned(raw);
            if (!open.empty()) {
                if (equalsIgnoringCase(line, "END_" + open)) {
                    if (open == "DESC" && firstNotBlankOrTab(raw) != 0)
                        add(k + 1, Severity::Warning, "header-indented", "",
                            "\"" + std::string(line) + "\" does not begin in column 0: the simulator does not see "
                            "the section's end; remove the blanks before it");
                    open.clear();
                }
                continue;
            }
            const bool header = startsWithIgnoringCase(line, "BEGIN_");
            if (!header)
                continue;
            open = upper(line.substr(6));
            if (firstNotBlankOrTab(raw) != 0) {
                add(k + 1, Severity::Warning, "header-indented", "",
                    "\"" + std::string(line) + "\" does not begin in column 0: the simulator does not see it; "
                    "remove the blanks before it");
                continue;
            }
            if (startsWithIgnoringCase(line, "BEGIN_") && !seen.insert(upper(line)).second)
                add(k + 1, Severity::Warning, "duplicate-section", "",
                    "A second " + std::string(line) + " section: the simulator reads only the first; merge them");
        }
    }

    void early() {
        size_t at = 1;
        for (size_t k = 0; k < lines_.size(); ++k) {
            const std::string_view line = cleaned(lines_[k]);
            if (startsWithIgnoringCase(lines_[k], "BEGIN_STATIONS") ||
                (startsWithIgnoringCase(line, "STATUS") && startsWithIgnoringCase(afterKey(line, "STATUS"), "Docked"))) {
                at = k + 1;
                break;
            }
        }
        add(at, Severity::Error, "early-format", "",
            "An early scenario (BEGIN_STATIONS or STATUS Docked): today's simulator ignores its stations and sends "
            "its docked ships around the star; write the stations as vessels and dock by DOCKINFO");
    }

    // What one vessel's class, base and lines say.
    void vessel(const Vessel& v) {
        // Each class file is read once, however many vessels it has.
        auto known = classByName_.find(v.className);
        if (known == classByName_.end())
            known = classByName_.emplace(v.className, in_.vesselClass ? in_.vesselClass(v.className) : std::nullopt).first;
        const std::optional<VesselClassInfo>& info = known->second;
        if (known->second && known->second->indentedDockListEnd && reportedClasses_.insert(known->first).second)
            findings_.push_back({info->indentedDockListEnd, Severity::Warning, "header-indented", v.name,
                                 "END_DOCKLIST does not begin in column 0: the simulator does not see it and takes "
                                 "every line after it for a port; remove the blanks before it",
                                 info->file});
        classes_.emplace(v.name, info);
        if (!info)
            add(v.headLine + 1, Severity::Error, "missing-class-file", v.name,
                "No class file \"" + v.className + ".cfg\" in Config/Vessels or Config: the simulator stops; "
                "check the class after \":\" in the head, blanks included");
        // The head and, without a module to read them, every line of the block are read into a
        // buffer of 256 bytes.
        const size_t last = v.endLine == NoLine ? lines_.size() - 1 : v.endLine;
        for (size_t k = v.headLine; k <= last && k < lines_.size(); ++k) {
            if (k != v.headLine && (!info || info->module))
                break;
            if (lines_[k].size() >= 256) {
                add(k + 1, Severity::Error, "long-line", v.name,
                    "A line of " + std::to_string(lines_[k].size()) +
                        " bytes: the simulator reads 255 at most and overruns its buffer; shorten it");
            }
        }
        landed(v);
        attitude(v, last);
        if (v.placement.kind == PlacementKind::Vector && v.status.bodyKnown && in_.bodyRadius) {
            const std::optional<double> radius = in_.bodyRadius(v.status.body);
            const orbit::Vector& r = v.placement.state.position;
            const double distance = std::sqrt(r.x * r.x + r.y * r.y + r.z * r.z);
            if (radius && distance < *radius)
                add(v.placement.positionLine == NoLine ? v.headLine + 1 : v.placement.positionLine + 1,
                    Severity::Warning, "below-surface", v.name,
                    "RPOS is " + std::to_string(static_cast<long long>(*radius - distance)) + " m below the surface of " +
                        v.status.body + ": the simulator lifts the vessel to the surface");
        }
    }

    void landed(const Vessel& v) {
        if (v.status.status != Status::Landed || !v.status.bodyKnown || !in_.basePads)
            return;
        const Placement& p = v.placement;
        const std::string base = p.kind == PlacementKind::Pad ? p.pad.base : p.base;
        if (base.empty())
            return;
        const size_t line = p.kind == PlacementKind::Pad || p.base.empty() ? p.line : baseLineOf(v);
        const std::optional<long long> pads = in_.basePads(v.status.body, base);
        if (!pads) {
            add(line + 1, Severity::Error, "unknown-base", v.name,
                v.status.body + " has no base named \"" + base + "\" (case counts): the simulator stops");
            return;
        }
        if (p.kind == PlacementKind::Pad && p.pad.pad > *pads)
            add(line + 1, Severity::Error, "pad-out-of-range", v.name,
                base + " has " + std::to_string(*pads) + " pads, not " + std::to_string(p.pad.pad) +
                    ": the simulator reads beyond them; choose a pad from 1 to " + std::to_string(*pads));
    }

    size_t baseLineOf(const Vessel& v) const {
        const size_t last = v.endLine == NoLine ? lines_.size() : v.endLine;
        size_t found = v.headLine;
        for (size_t k = v.headLine + 1; k < last && k < lines_.size(); ++k)
            if (startsWithIgnoringCase(cleaned(lines_[k]), "BASE"))
                found = k;
        return found;
    }

    // ALT counts only with a landed AROT, and shares its place with VROT's first value.
    void attitude(const Vessel& v, size_t last) {
        size_t alt = NoLine, vrot = NoLine;
        bool landedArot = false;
        for (size_t k = v.headLine + 1; k <= last && k < lines_.size(); ++k) {
            const std::string_view line = cleaned(lines_[k]);
            if (startsWithIgnoringCase(line, "ALT"))
                alt = k;
            else if (startsWithIgnoringCase(line, "VROT"))
                vrot = k;
            else if (startsWithIgnoringCase(line, "AROT")) {
                const std::optional<double> first = firstNumber(afterKey(line, "AROT"));
                landedArot = first && *first <= 229.18;
            }
        }
        if (alt == NoLine)
            return;
        if (vrot != NoLine)
            add(alt + 1, Severity::Warning, "alt-without-arot", v.name,
                "ALT and VROT share one value in the simulator: ALT overwrites VROT's first value; keep one of them");
        else if (v.status.status != Status::Landed || !landedArot)
            add(alt + 1, Severity::Warning, "alt-without-arot", v.name,
                "ALT counts only with a landed AROT (first angle at most 4 rad): the simulator ignores it");
    }

    void names() {
        std::set<std::string> seen;
        for (const Vessel& v : list_.vessels)
            if (!seen.insert(v.name).second)
                add(v.headLine + 1, Severity::Warning, "duplicate-name", v.name,
                    "Another vessel is named \"" + v.name +
                        "\": DOCKINFO, ATTACHED and FOCUS find the first of them; rename one");
    }

    // The first vessel of that name, as the simulator finds it.
    const Vessel* named(const std::string& name) {
        if (byName_.empty())
            for (const Vessel& v : list_.vessels)
                byName_.emplace(v.name, &v);
        const auto found = byName_.find(name);
        return found == byName_.end() ? nullptr : found->second;
    }

    std::optional<int> portsOf(const std::string& vessel) const {
        const auto found = classes_.find(vessel);
        if (found == classes_.end() || !found->second || found->second->module)
            return std::nullopt;
        return found->second->ports;
    }

    void docking() {
        // Who claims each port: "vessel\nport" by the first token claiming it.
        std::map<std::pair<std::string, int>, std::string> claims;
        for (const Vessel& v : list_.vessels) {
            const std::optional<int> own = portsOf(v.name);
            for (const DockToken& token : v.docking) {
                const Vessel* partner = named(token.partner.vessel);
                if (own && token.port >= *own)
                    add(token.line + 1, Severity::Warning, "dock-port-range", v.name,
                        v.name + " has " + std::to_string(*own) + " ports, so no port " + std::to_string(token.port) +
                            " (they count from 0): the simulator ignores this link");
                if (!partner)
                    continue;
                const std::optional<int> remote = portsOf(partner->name);
                if (remote && token.partner.port >= *remote)
                    add(token.line + 1, Severity::Error, "dock-remote-port-range", v.name,
                        partner->name + " has " + std::to_string(*remote) + " ports, so no port " +
                            std::to_string(token.partner.port) +
                            " (they count from 0): the simulator reads beyond them");
                const auto claim = claims.emplace(std::make_pair(partner->name, token.partner.port), v.name);
                if (!claim.second && claim.first->second != v.name)
                    add(token.line + 1, Severity::Warning, "dock-conflict", v.name,
                        claim.first->second + " and " + v.name + " both claim port " +
                            std::to_string(token.partner.port) + " of " + partner->name +
                            ": only one can be docked there");
                const auto back = std::find_if(partner->docking.begin(), partner->docking.end(),
                                               [&](const DockToken& t) { return t.partner.vessel == v.name; });
                if (back == partner->docking.end())
                    add(token.line + 1, Severity::Note, "dock-one-sided", v.name,
                        partner->name + " lists no token for " + v.name +
                            ": the simulator docks them anyway; add " + std::to_string(token.partner.port) + ":" +
                            std::to_string(token.port) + "," + v.name + " to its DOCKINFO");
                else if (back->port != token.partner.port || back->partner.port != token.port)
                    add(token.line + 1, Severity::Warning, "dock-conflict", v.name,
                        v.name + " and " + partner->name + " name different ports for their link (" +
                            std::to_string(token.port) + ":" + std::to_string(token.partner.port) + " against " +
                            std::to_string(back->port) + ":" + std::to_string(back->partner.port) + ")");
            }
        }
    }

    void focusAndCamera() {
        std::string section;
        for (size_t k = 0; k < lines_.size(); ++k) {
            const std::string_view line = cleaned(lines_[k]);
            if (startsWithIgnoringCase(lines_[k], "BEGIN_")) {
                section = upper(line);
                continue;
            }
            if (section == "BEGIN_FOCUS" && startsWithIgnoringCase(line, "SHIP")) {
                const std::string name(afterKey(line, "SHIP"));
                if (!list_.vessels.empty() && !named(name))
                    add(k + 1, Severity::Warning, "focus-not-found", "",
                        "FOCUS names no vessel \"" + name + "\" (case counts): the simulator gives the focus to " +
                            list_.vessels.front().name);
            } else if (section == "BEGIN_CAMERA" && startsWithIgnoringCase(line, "TARGET")) {
                const std::string name(afterKey(line, "TARGET"));
                const bool vessel = named(name) ||
                                    std::any_of(list_.vessels.begin(), list_.vessels.end(),
                                                [&](const Vessel& v) { return equalsIgnoringCase(v.name, name); });
                if (!vessel && !(in_.bodyOrBaseNamed && in_.bodyOrBaseNamed(name)))
                    add(k + 1, Severity::Warning, "camera-target-unknown", "",
                        "CAMERA TARGET names no vessel, body or base \"" + name +
                            "\": the simulator points the camera at the focus vessel");
            }
        }
    }

    std::string_view bytes_;
    const std::string& fileName_;
    const CheckInstallation& in_;
    std::vector<std::string_view> lines_;
    std::vector<Finding> findings_;
    std::vector<std::string> bodies_;
    VesselList list_;
    size_t systemLine_ = 0;
    std::unordered_map<std::string, std::optional<VesselClassInfo>> classes_;
    std::unordered_map<std::string_view, const Vessel*> byName_;
    std::unordered_map<std::string, std::optional<VesselClassInfo>> classByName_;
    std::set<std::string> reportedClasses_;
};

} // namespace

std::optional<VesselClassInfo> readVesselClass(const std::string& configFolder, const std::string& className) {
    std::optional<std::string> text;
    VesselClassInfo info;
    for (const std::string& file : {configFolder + "Vessels" + platform::separatorText() + className + ".cfg",
                                    configFolder + className + ".cfg"})
        if (!text) {
            info.file = platform::resolveIgnoringCase(file);
            text = platform::readFile(info.file);
        }
    if (!text)
        return std::nullopt;
    bool inList = false;
    bool baseClass = false;
    int ports = 0;
    bool listed = false;
    const std::vector<std::string_view> lines = platform::lineViews(*text);
    for (size_t k = 0; k < lines.size(); ++k) {
        const std::string_view raw = lines[k];
        if (inList) {
            // Only an END_DOCKLIST in column 0 ends the list; the simulator takes any other line,
            // an indented END_DOCKLIST too, for one more port.
            if (startsWith(raw, "END_DOCKLIST"))
                inList = false;
            else
                ++ports;
            if (inList && !info.indentedDockListEnd && startsWith(trimmed(raw), "END_DOCKLIST"))
                info.indentedDockListEnd = k + 1;
            continue;
        }
        if (startsWith(raw, "BEGIN_DOCKLIST")) {
            inList = listed = true;
            continue;
        }
        const std::string_view line = cleaned(raw);
        const size_t equals = line.find('=');
        const std::string_view key = trimmed(line.substr(0, equals));
        if (equals == std::string_view::npos)
            continue;
        if (equalsIgnoringCase(key, "Module") && !trimmed(line.substr(equals + 1)).empty())
            info.module = true;
        if (equalsIgnoringCase(key, "BaseClass"))
            baseClass = true;
    }
    if (!info.module && !baseClass)
        info.ports = listed ? ports : 0;
    return info;
}

namespace {

// The System value of BEGIN_ENVIRONMENT, or empty.
std::string systemOf(const std::vector<std::string_view>& lines) {
    bool inside = false;
    for (const std::string_view raw : lines) {
        const std::string_view line = cleaned(raw);
        if (startsWithIgnoringCase(raw, "BEGIN_ENVIRONMENT"))
            inside = true;
        else if (inside && startsWithIgnoringCase(line, "END_ENVIRONMENT"))
            break;
        else if (inside && startsWithIgnoringCase(line, "SYSTEM"))
            return std::string(afterKey(line, "SYSTEM"));
    }
    return {};
}

// A line with one more word before its comment.
std::string withWord(std::string_view raw, const std::string& word) {
    const size_t comment = std::min(raw.find(';'), raw.size());
    size_t end = comment;
    while (end > 0 && (raw[end - 1] == ' ' || raw[end - 1] == '\t'))
        --end;
    std::string line(raw.substr(0, end));
    line += ' ';
    line += word;
    line += raw.substr(end);
    return line;
}

} // namespace

Fixed fixedScenario(std::string_view bytes, const std::string& fileName, const CheckInstallation& installation) {
    Fixed fixed;
    const std::vector<Finding> findings = simulatorFindings(bytes, fileName, installation);
    const std::vector<std::string_view> lines = platform::lineViews(bytes);
    const std::string system = systemOf(lines);
    const std::vector<std::string> bodies =
        installation.bodyNames && !system.empty() ? installation.bodyNames(system) : std::vector<std::string>();
    const VesselList list = readVessels(bytes, bodies);
    LineEdits edits(bytes);
    auto vesselNamed = [&](const std::string& name) -> const Vessel* {
        for (const Vessel& v : list.vessels)
            if (v.name == name)
                return &v;
        return nullptr;
    };
    std::map<size_t, std::vector<std::string>> tokensFor; // by the partner's head line
    std::map<size_t, std::set<int>> portsTaken;         // by head line: the ports given by the fixes
    for (const Finding& f : findings) {
        const size_t k = f.line - 1;
        if (f.code == "line-between-vessels" && k < lines.size()) {
            const std::string_view raw = lines[k];
            edits.erase(k, k);
            if (firstNotBlankOrTab(raw) != std::string_view::npos) {
                // A comment: just after the next head, or before the previous END.
                const Vessel* next = nullptr;
                const Vessel* previous = nullptr;
                for (const Vessel& v : list.vessels) {
                    if (v.headLine > k && !next)
                        next = &v;
                    if (v.headLine < k && v.endLine != NoLine && v.endLine < k)
                        previous = &v;
                }
                if (next)
                    edits.insertAfter(static_cast<std::ptrdiff_t>(next->headLine), std::string(raw));
                else if (previous)
                    edits.insertAfter(static_cast<std::ptrdiff_t>(previous->endLine) - 1, std::string(raw));
            }
            fixed.changes.push_back({f.line, Severity::Note, f.code, "",
                                     firstNotBlankOrTab(raw) == std::string_view::npos
                                         ? "Removed the blank line"
                                         : "Moved the comment into the nearest vessel block"});
        } else if (f.code == "body-case" && k < lines.size()) {
            const Vessel* v = vesselNamed(f.vessel);
            if (!v)
                continue;
            std::vector<std::string> matches;
            for (const std::string& body : bodies)
                if (equalsIgnoringCase(body, v->status.bodyAsWritten))
                    matches.push_back(body);
            const std::string_view raw = lines[k];
            const size_t at = raw.rfind(v->status.bodyAsWritten, std::min(raw.find(';'), raw.size()));
            if (matches.size() != 1 || at == std::string_view::npos)
                continue;
            std::string line(raw);
            line.replace(at, v->status.bodyAsWritten.size(), matches.front());
            edits.replace(k, std::move(line));
            fixed.changes.push_back({f.line, Severity::Note, f.code, f.vessel,
                                     "Wrote the body \"" + v->status.bodyAsWritten + "\" as \"" + matches.front() + "\""});
        } else if (f.code == "dock-one-sided") {
            const Vessel* v = vesselNamed(f.vessel);
            if (!v)
                continue;
            for (const DockToken& token : v->docking) {
                if (token.line != k)
                    continue;
                const Vessel* partner = vesselNamed(token.partner.vessel);
                if (!partner || std::any_of(partner->docking.begin(), partner->docking.end(),
                                            [&](const DockToken& t) { return t.partner.vessel == v->name; }))
                    continue;
                // The partner's port must be free and one its class counts.
                const std::optional<VesselClassInfo> info =
                    installation.vesselClass ? installation.vesselClass(partner->className) : std::nullopt;
                const int port = token.partner.port;
                const bool free = std::none_of(partner->docking.begin(), partner->docking.end(),
                                               [&](const DockToken& t) { return t.port == port; }) &&
                                  !portsTaken[partner->headLine].count(port);
                if (!info || info->module || !info->ports || port >= *info->ports || !free)
                    continue;
                portsTaken[partner->headLine].insert(port);
                const std::string added = std::to_string(port) + ":" + std::to_string(token.port) + "," + v->name;
                tokensFor[partner->headLine].push_back(added);
                fixed.changes.push_back({f.line, Severity::Note, f.code, f.vessel,
                                         "Added " + added + " to the DOCKINFO of " + partner->name});
            }
        }
    }
    // The tokens go on each partner's last DOCKINFO line, or on a new one after its position.
    for (const auto& [head, tokens] : tokensFor) {
        const Vessel* partner = nullptr;
        for (const Vessel& v : list.vessels)
            if (v.headLine == head)
                partner = &v;
        if (!partner)
            continue;
        const size_t last = partner->endLine == NoLine ? lines.size() : partner->endLine;
        size_t dock = NoLine, after = head;
        std::string indent = "  ";
        for (size_t k = head + 1; k < last && k < lines.size(); ++k) {
            const std::string_view line = cleaned(lines[k]);
            if (startsWithIgnoringCase(line, "DOCKINFO"))
                dock = k;
            if (startsWithIgnoringCase(line, "STATUS"))
                indent = std::string(lines[k].substr(0, firstNotBlankOrTab(lines[k])));
            for (const char* key : {"STATUS", "RPOS", "RVEL", "ELEMENTS", "BASE", "POS"})
                if (startsWithIgnoringCase(line, key))
                    after = k;
        }
        std::string line = dock != NoLine ? std::string(lines[dock]) : indent + "DOCKINFO";
        for (const std::string& token : tokens)
            line = withWord(line, token);
        if (dock != NoLine)
            edits.replace(dock, std::move(line));
        else
            edits.insertAfter(static_cast<std::ptrdiff_t>(after), std::move(line));
    }
    fixed.bytes = fixed.changes.empty() ? std::string(bytes) : edits.apply();
    return fixed;
}

std::string severityName(Severity severity) {
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: break;
    }
    return "note";
}

std::vector<Finding> simulatorFindings(std::string_view bytes, const std::string& fileName,
                                       const CheckInstallation& installation) {
    return Check(bytes, fileName, installation).run();
}

} // namespace vantrel::vessels
