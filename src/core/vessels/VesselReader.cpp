#include "core/vessels/VesselReader.h"

#include "core/platform/TextFile.h"
#include "core/text/TextHelpers.h"
#include "core/text/TextNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>
#include <optional>
#include <unordered_set>

namespace vantrel::vessels {
namespace {

// The readers below use plain loops: every line of a huge list passes through them, and
// std::string_view's searches for one of a set of characters are several times slower.
bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// A line as the simulator cleans it before reading it: cut at the first ";", then spaces and
// tabs (only those) stripped at both ends.
std::string_view cleaned(std::string_view line) {
    line = line.substr(0, line.find(';'));
    const size_t first = firstNotBlankOrTab(line);
    if (first == std::string_view::npos)
        return {};
    size_t end = line.size();
    while (isBlankOrTab(line[end - 1]))
        --end;
    return line.substr(first, end - first);
}

std::string_view skipBlanks(std::string_view text) {
    const size_t first = firstNotBlankOrTab(text);
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

// A number at the start of `text` (after blanks), as the simulator's scanf reads one; moves
// `text` past it.
std::optional<double> takeNumber(std::string_view& text) {
    text = skipBlanks(text);
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-')
            return std::nullopt;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc())
        return std::nullopt;
    text = text.substr(static_cast<size_t>(stop - text.data()));
    return value;
}

std::optional<int> takeInteger(std::string_view& text) {
    text = skipBlanks(text);
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc())
        return std::nullopt;
    text = text.substr(static_cast<size_t>(stop - text.data()));
    return value;
}

bool takeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

// `a:b,name`, as DOCKINFO and ATTACHED write a link.
struct Link {
    int first = 0;
    int second = 0;
    std::string name;
};
std::optional<Link> readLink(std::string_view token) {
    const auto a = takeInteger(token);
    if (!a || !takeChar(token, ':'))
        return std::nullopt;
    const auto b = takeInteger(token);
    if (!b || !takeChar(token, ','))
        return std::nullopt;
    size_t end = 0;
    while (end < token.size() && !isBlankOrTab(token[end]))
        ++end;
    token = token.substr(0, end);
    if (token.empty())
        return std::nullopt;
    return Link{*a, *b, std::string(token)};
}

// The words of a line's value, each with where it starts in the line.
std::vector<std::pair<std::string_view, size_t>> words(std::string_view line, std::string_view value) {
    std::vector<std::pair<std::string_view, size_t>> out;
    size_t at = 0;
    while (at < value.size()) {
        size_t start = at;
        while (start < value.size() && isBlankOrTab(value[start]))
            ++start;
        if (start == value.size())
            break;
        size_t end = start;
        while (end < value.size() && !isBlankOrTab(value[end]))
            ++end;
        out.emplace_back(value.substr(start, end - start),
                         static_cast<size_t>(value.data() + start - line.data()));
        at = end;
    }
    return out;
}

// The keys the simulator knows, in the order it tries them: each is matched as a prefix of the
// line, in any case, so "POSITION" is read as POS.
enum class Key {
    Status,
    Base,
    Pos,
    Heading,
    PrpLevel,
    Fuel,
    ThLevel,
    EngineMain,
    EngineHovr,
    DockInfo,
    Rpos,
    Rvel,
    Arot,
    Vrot,
    Alt,
    Elements,
    Ids,
    NavFreq,
    Xpdr,
    RcsMode,
    AfcMode,
    Attached,
    FlightData,
    Other
};
constexpr std::array<std::pair<std::string_view, Key>, 23> Keys = {{
    {"STATUS", Key::Status},
    {"BASE", Key::Base},
    {"POS", Key::Pos},
    {"HEADING", Key::Heading},
    {"PRPLEVEL", Key::PrpLevel},
    {"FUEL", Key::Fuel},
    {"THLEVEL", Key::ThLevel},
    {"ENGINE_MAIN", Key::EngineMain},
    {"ENGINE_HOVR", Key::EngineHovr},
    {"DOCKINFO", Key::DockInfo},
    {"RPOS", Key::Rpos},
    {"RVEL", Key::Rvel},
    {"AROT", Key::Arot},
    {"VROT", Key::Vrot},
    {"ALT", Key::Alt},
    {"ELEMENTS", Key::Elements},
    {"IDS", Key::Ids},
    {"NAVFREQ", Key::NavFreq},
    {"XPDR", Key::Xpdr},
    {"RCSMODE", Key::RcsMode},
    {"AFCMODE", Key::AfcMode},
    {"ATTACHED", Key::Attached},
    {"FLIGHTDATA", Key::FlightData},
}};

Key keyOf(std::string_view line, std::string_view& value) {
    if (line.empty())
        return Key::Other;
    // Most keys differ in their first letter: comparing it first spares a comparison per key.
    const char first = asciiUpper(line.front());
    for (const auto& [name, key] : Keys)
        if (name.front() == first && startsWithIgnoringCase(line, name)) {
            value = line.substr(name.size());
            return key;
        }
    return Key::Other;
}

// Is line a later than line b (a line the block lacks is earlier than any)?
bool later(size_t a, size_t b) {
    return a != NoLine && (b == NoLine || a > b);
}

// What one block says beside its vessel's facts, before the vessels are seen together.
struct BlockReading {
    std::optional<Link> attached;
    size_t attachedLine = NoLine;
    // The last BASE line with a pad, the last BASE line, the last POS line.
    PadRef pad;
    size_t padLine = NoLine;
    std::string base;
    size_t baseLine = NoLine;
    double longitude = 0, latitude = 0;
    size_t posLine = NoLine;
    orbit::Elements elements;
    size_t elementsLine = NoLine;
    orbit::StateVector state;
    size_t rposLine = NoLine, rvelLine = NoLine;
    size_t dockLine = NoLine;
};

void note(Vessel& vessel, size_t line, std::string text) {
    vessel.notes.push_back({line, std::move(text), {}, Severity::Note});
}

// A note the check reports under `code`.
void note(Vessel& vessel, size_t line, const char* code, Severity severity, std::string text) {
    vessel.notes.push_back({line, std::move(text), code, severity});
}

orbit::Vector readVector(Vessel& vessel, size_t line, std::string_view value, const char* key) {
    double v[3] = {0, 0, 0};
    for (double& component : v) {
        const auto number = takeNumber(value);
        if (!number) {
            note(vessel, line,
                 std::string(key) + " has fewer than 3 numbers: the missing ones are taken as 0");
            break;
        }
        component = *number;
    }
    return {v[0], v[1], v[2]};
}

void readStatus(Vessel& vessel, size_t line, std::string_view value, const std::vector<std::string>& bodyNames) {
    value = skipBlanks(value);
    Status status;
    if (startsWithIgnoringCase(value, "LANDED")) {
        status = Status::Landed;
        value.remove_prefix(6);
    } else if (startsWithIgnoringCase(value, "ORBITING")) {
        status = Status::Orbiting;
        value.remove_prefix(8);
    } else {
        note(vessel, line, "unknown-status", Severity::Warning,
             "The simulator knows no status \"" + std::string(value) +
                 "\": the vessel flies free around the first star; write Landed or Orbiting");
        return;
    }
    StatusFact& fact = vessel.status;
    fact.status = status;
    fact.line = line;
    fact.word = status == Status::Landed ? "Landed" : "Orbiting";
    fact.bodyAsWritten = std::string(cleaned(value));
    fact.bodyKnown = std::find(bodyNames.begin(), bodyNames.end(), fact.bodyAsWritten) != bodyNames.end();
    if (fact.bodyKnown)
        fact.body = fact.bodyAsWritten;
}

void readBase(Vessel& vessel, BlockReading& r, size_t line, std::string_view value) {
    const size_t colon = value.find(':');
    const std::string name(cleaned(value.substr(0, colon)));
    r.base = name;
    r.baseLine = line;
    if (colon == std::string_view::npos)
        return;
    std::string_view padText = value.substr(colon + 1);
    const auto pad = takeInteger(padText);
    if (!pad || *pad < 0) {
        note(vessel, line, "The pad of this BASE line is not a pad number");
        return;
    }
    if (*pad == 0)
        note(vessel, line, "Pad 0 is the base's own reference point: the vessel occupies no pad");
    r.pad = {name, *pad};
    r.padLine = line;
}

void readTanks(Vessel& vessel, Key key, size_t line, std::string_view value) {
    Tanks& tanks = vessel.tanks;
    if (tanks.line != NoLine)
        note(vessel, line, "competing-lines", Severity::Note,
             "This line replaces the tank levels of line " + std::to_string(tanks.line + 1) + ": the later one counts");
    tanks = Tanks{};
    tanks.line = line;
    if (key == Key::Fuel) {
        tanks.form = TankForm::Fuel;
        tanks.fuel = takeNumber(value).value_or(0);
        return;
    }
    tanks.form = TankForm::PrpLevel;
    for (auto [word, offset] : words(value, value)) {
        const auto tank = takeInteger(word);
        const auto level = tank && takeChar(word, ':') ? takeNumber(word) : std::nullopt;
        if (level)
            tanks.levels.push_back({*tank, *level});
        else
            note(vessel, line, "\"" + std::string(word) + "\" is not a tank level");
    }
}

void readDockInfo(Vessel& vessel, BlockReading& r, size_t line, std::string_view raw, std::string_view value) {
    if (r.dockLine != NoLine)
        note(vessel, line, "This DOCKINFO line replaces that of line " + std::to_string(r.dockLine + 1));
    r.dockLine = line;
    vessel.docking.clear();
    for (auto [word, offset] : words(raw, value)) {
        const auto link = readLink(word);
        if (!link) {
            note(vessel, line, "dockinfo-form", Severity::Error,
                 "\"" + std::string(word) +
                     "\" is not a port:port,name token: the simulator misreads the line; write each link as "
                     "myPort:otherPort,Name");
            continue;
        }
        vessel.docking.push_back({link->first, {link->name, link->second}, line, offset});
    }
}

void readElements(Vessel& vessel, BlockReading& r, size_t line, std::string_view value) {
    // The simulator turns ELEMENTS into a position at once, around the body STATUS named:
    // before a STATUS with a body it knows, there is nothing to turn them around.
    if (vessel.status.line == NoLine || !vessel.status.bodyKnown) {
        note(vessel, line, vessel.status.line == NoLine ? "elements-form" : "",
             vessel.status.line == NoLine ? Severity::Warning : Severity::Note,
             "ELEMENTS before a STATUS line with a known body: the simulator ignores it; put it after STATUS");
        return;
    }
    double* fields[] = {&r.elements.semiMajorAxis, &r.elements.eccentricity,       &r.elements.inclination,
                        &r.elements.ascendingNode, &r.elements.periapsisLongitude, &r.elements.meanLongitude,
                        &r.elements.epoch};
    r.elements = {};
    for (double* field : fields) {
        const auto number = takeNumber(value);
        if (!number) {
            note(vessel, line, "elements-form", Severity::Error,
                 "ELEMENTS has fewer than 7 numbers: the simulator reads undefined values for the rest; write "
                 "a, e, i, node, periapsis and mean longitudes and the epoch MJD");
            r.elementsLine = line;
            return;
        }
        *field = *number;
    }
    if (takeNumber(value))
        note(vessel, line, "elements-form", Severity::Warning,
             "ELEMENTS has more than 7 numbers: the simulator reads the first 7 and ignores the rest");
    r.elementsLine = line;
}

// Reads the block whose head is at `head`, up to the first line that reads END; returns where
// that line is (the number of lines when there is none).
size_t readBlock(const std::vector<std::string_view>& lines, size_t head, const std::vector<std::string>& bodyNames,
                 Vessel& v, BlockReading& r) {
    const std::string_view headText = cleaned(lines[head]);
    const size_t colon = headText.find(':');
    v.name = std::string(headText.substr(0, colon));
    v.className = colon == std::string_view::npos ? v.name : std::string(headText.substr(colon + 1));
    v.headLine = head;
    // The first BASE, ELEMENTS, HEADING or AROT line, which the simulator reads against the status.
    size_t needsStatus = NoLine;
    size_t k = head + 1;
    for (; k < lines.size(); ++k) {
        const std::string_view line = cleaned(lines[k]);
        if (equalsIgnoringCase(line, "END"))
            break;
        std::string_view value;
        const Key key = keyOf(line, value);
        if ((key == Key::Base || key == Key::Elements || key == Key::Heading || key == Key::Arot) &&
            needsStatus == NoLine && v.status.line == NoLine)
            needsStatus = k;
        switch (key) {
        case Key::Status:
            readStatus(v, k, value, bodyNames);
            break;
        case Key::Base:
            readBase(v, r, k, value);
            break;
        case Key::Pos: {
            const auto lon = takeNumber(value);
            const auto lat = lon ? takeNumber(value) : std::nullopt;
            if (!lat)
                note(v, k, "POS has fewer than 2 numbers: the missing ones are taken as 0");
            r.longitude = lon.value_or(0);
            r.latitude = lat.value_or(0);
            r.posLine = k;
            break;
        }
        case Key::PrpLevel:
        case Key::Fuel:
            readTanks(v, key, k, value);
            break;
        case Key::DockInfo:
            readDockInfo(v, r, k, lines[k], value);
            break;
        case Key::Rpos:
            r.state.position = readVector(v, k, value, "RPOS");
            r.rposLine = k;
            break;
        case Key::Rvel:
            r.state.velocity = readVector(v, k, value, "RVEL");
            r.rvelLine = k;
            break;
        case Key::Elements:
            readElements(v, r, k, value);
            break;
        case Key::Attached:
            if (auto link = readLink(skipBlanks(value))) {
                r.attached = std::move(link);
                r.attachedLine = k;
            } else {
                note(v, k, "attached-form", Severity::Warning,
                     "ATTACHED needs the form child:parent,name: the simulator ignores this line");
            }
            break;
        default:
            break;
        }
    }
    v.endLine = k < lines.size() ? k : NoLine;
    if (v.status.line == NoLine)
        note(v, head, "status-order", Severity::Warning,
             "No STATUS line the simulator knows: the vessel flies free around the first star; add STATUS "
             "Landed or Orbiting with its body");
    else if (needsStatus != NoLine && needsStatus < v.status.line)
        note(v, v.status.line, "status-order", Severity::Warning,
             "STATUS comes after line " + std::to_string(needsStatus + 1) +
                 ", which the simulator reads against the status before it; move STATUS up to just after the head");
    if (v.status.line != NoLine && !v.status.bodyKnown) {
        const auto sameInAnyCase = std::find_if(bodyNames.begin(), bodyNames.end(), [&](const std::string& body) {
            return equalsIgnoringCase(body, v.status.bodyAsWritten);
        });
        if (sameInAnyCase != bodyNames.end())
            note(v, v.status.line, "body-case", Severity::Warning,
                 "The system has no body \"" + v.status.bodyAsWritten + "\" (names are case-sensitive): write \"" +
                     *sameInAnyCase + "\"; the simulator uses the first star");
        else
            note(v, v.status.line, "unknown-body",
                 v.status.status == Status::Landed && r.baseLine != NoLine ? Severity::Error : Severity::Warning,
                 "The system has no body \"" + v.status.bodyAsWritten +
                     "\" (names are case-sensitive): the simulator uses the first star");
    }
    if (!v.status.bodyKnown && !bodyNames.empty())
        v.status.body = bodyNames.front();
    return k;
}

// The vessels linked by DOCKINFO tokens that name a vessel of the file.
struct DockedGroups {
    // For each vessel, the first vessel (in file order) of its group; its own index when it is
    // in no group.
    std::vector<size_t> first;
    // For each token of each vessel, the index of the vessel it names; NoLine for none.
    std::vector<std::vector<size_t>> named;
    // For each vessel, the port it is mated to: that of its own first token naming a vessel of
    // the file, otherwise that of the first token of another vessel naming it.
    std::vector<std::optional<PortRef>> partner;
};

DockedGroups dockedGroups(const std::vector<Vessel>& vessels) {
    DockedGroups groups;
    std::vector<std::vector<size_t>>& partners = groups.named;
    std::vector<size_t> root(vessels.size());
    std::iota(root.begin(), root.end(), size_t{0});
    auto find = [&](size_t i) {
        while (root[i] != i)
            i = root[i] = root[root[i]];
        return i;
    };
    // The simulator looks a name up in file order, with its case; the first vessel of a name wins.
    TextNumbers names;
    names.reserve(vessels.size());
    std::vector<size_t> firstNamed;
    for (size_t i = 0; i < vessels.size(); ++i)
        if (names.add(vessels[i].name) == static_cast<int>(firstNamed.size()))
            firstNamed.push_back(i);
    partners.assign(vessels.size(), {});
    for (size_t i = 0; i < vessels.size(); ++i)
        for (const DockToken& token : vessels[i].docking) {
            const int name = names.find(token.partner.vessel);
            const size_t named = name < 0 ? NoLine : firstNamed[static_cast<size_t>(name)];
            if (named == NoLine || named == i) {
                partners[i].push_back(NoLine);
                continue;
            }
            partners[i].push_back(named);
            // The smaller index is the root, so that a group's root is its first vessel.
            const size_t a = find(i), b = find(named);
            root[std::max(a, b)] = std::min(a, b);
        }
    groups.first.resize(vessels.size());
    for (size_t i = 0; i < vessels.size(); ++i)
        groups.first[i] = find(i);
    groups.partner.resize(vessels.size());
    std::vector<std::optional<PortRef>> namedBy(vessels.size());
    for (size_t i = 0; i < vessels.size(); ++i)
        for (size_t t = 0; t < partners[i].size(); ++t) {
            const size_t j = partners[i][t];
            if (j == NoLine)
                continue;
            const DockToken& token = vessels[i].docking[t];
            if (!groups.partner[i])
                groups.partner[i] = token.partner;
            if (!namedBy[j])
                namedBy[j] = PortRef{vessels[i].name, token.port};
        }
    for (size_t i = 0; i < vessels.size(); ++i)
        if (!groups.partner[i])
            groups.partner[i] = namedBy[i];
    return groups;
}

void placeLanded(Vessel& v, const BlockReading& r) {
    Placement& p = v.placement;
    if (r.padLine != NoLine && r.posLine != NoLine)
        note(v, std::max(r.padLine, r.posLine), "competing-lines", Severity::Note,
             std::string("BASE with a pad and POS both place the vessel: the later line counts, here ") +
                 (later(r.padLine, r.posLine) ? "the pad" : "POS"));
    if (later(r.padLine, r.posLine)) {
        p.kind = PlacementKind::Pad;
        p.line = r.padLine;
        p.pad = r.pad;
        return;
    }
    p.kind = PlacementKind::Coordinates;
    p.base = r.base;
    if (r.posLine != NoLine) {
        p.line = r.posLine;
        p.longitude = r.longitude;
        p.latitude = r.latitude;
    } else if (r.baseLine != NoLine) {
        p.line = r.baseLine;
        note(v, r.baseLine, "base-without-position", Severity::Warning,
             "BASE without a pad and no POS: the simulator puts the vessel at 0°/0°; give the pad (BASE name:n) "
             "or a POS line");
    } else {
        p.line = v.status.line;
        note(v, v.status.line,
             "Landed without BASE or POS: the simulator puts the vessel at 0°/0°");
    }
}

// Its own ELEMENTS or RPOS/RVEL, the later winning one vector at a time; false when it has none.
bool placeByOwnLines(Vessel& v, const BlockReading& r) {
    Placement& p = v.placement;
    const size_t lastVector = later(r.rposLine, r.rvelLine) ? r.rposLine : r.rvelLine;
    if (later(r.elementsLine, lastVector)) {
        p.kind = PlacementKind::Elements;
        p.line = r.elementsLine;
        p.elements = r.elements;
        if (lastVector != NoLine)
            note(v, r.elementsLine, "competing-lines", Severity::Note,
                 "ELEMENTS after RPOS/RVEL: the simulator places the vessel by its elements, the later lines");
        return true;
    }
    if (lastVector == NoLine)
        return false;
    p.kind = PlacementKind::Vector;
    p.line = lastVector;
    p.state = r.state;
    p.positionLine = r.rposLine;
    p.velocityLine = r.rvelLine;
    if (r.elementsLine != NoLine) {
        const char* which = later(r.rposLine, r.elementsLine)
                                ? (later(r.rvelLine, r.elementsLine) ? nullptr : "velocity")
                                : "position";
        if (which)
            note(v, r.elementsLine, "competing-lines", Severity::Note,
                 std::string("The simulator takes the ") + which +
                     " from this ELEMENTS line, not from RPOS/RVEL");
    }
    return true;
}

} // namespace

std::string_view cleanedLine(std::string_view line) { return cleaned(line); }

VesselList readVessels(std::string_view bytes, const std::vector<std::string>& bodyNames) {
    VesselList list;
    const std::vector<std::string_view> lines = platform::lineViews(bytes);
    size_t k = 0;
    while (k < lines.size() && !startsWithIgnoringCase(lines[k], "BEGIN_SHIPS"))
        ++k;
    if (k == lines.size())
        return list;
    list.hasShipsSection = true;

    // Room for every block at once: a huge list grown step by step spends most of its time
    // moving blocks and touching fresh memory. A block has a few lines at least. The vessels go
    // straight to the list; what only placing them needs stays beside it.
    std::vector<Vessel>& vessels = list.vessels;
    std::vector<BlockReading> blocks;
    const size_t room = (lines.size() - k) / 4 + 1;
    vessels.reserve(room);
    blocks.reserve(room);
    for (++k; k < lines.size(); ++k) {
        const std::string_view head = cleaned(lines[k]);
        if (equalsIgnoringCase(head, "END_SHIPS"))
            break;
        if (head.empty()) {
            // The simulator takes such a line for a vessel without a name, finds no class for it
            // and stops; reading the next line as a head keeps the vessels after it.
            list.notes.push_back({k,
                                  "A blank or comment line in the vessel list: the simulator reads it as a vessel "
                                  "without a name and stops; remove it, or move a comment into a block",
                                  "line-between-vessels", Severity::Error});
            continue;
        }
        const size_t end = readBlock(lines, k, bodyNames, vessels.emplace_back(), blocks.emplace_back());
        if (end == lines.size()) {
            list.notes.push_back({k,
                                  "The block of " + vessels.back().name +
                                      " has no END before END_SHIPS: the simulator reads on to the end of the "
                                      "file; add END",
                                  "missing-end", Severity::Error});
            break;
        }
        k = end;
    }

    const DockedGroups groups = dockedGroups(vessels);
    const std::vector<std::vector<size_t>>& partners = groups.named;
    // The simulator finds an attachment's parent by name in any case; most files attach nothing.
    std::unordered_set<std::string> namesInAnyCase;
    if (std::any_of(blocks.begin(), blocks.end(), [](const BlockReading& r) { return r.attached.has_value(); }))
        for (const Vessel& v : vessels)
            namesInAnyCase.insert(lower(v.name));
    for (size_t i = 0; i < blocks.size(); ++i) {
        const BlockReading& r = blocks[i];
        Vessel& v = vessels[i];
        Placement& p = v.placement;
        for (size_t t = 0; t < v.docking.size(); ++t)
            if (partners[i][t] == NoLine)
                note(v, v.docking[t].line, "dock-unknown-vessel", Severity::Warning,
                     "No other vessel is named \"" + v.docking[t].partner.vessel + "\": port " +
                         std::to_string(v.docking[t].port) + " stays free");
        const std::optional<PortRef>& partner = groups.partner[i];
        if (r.attached && !namesInAnyCase.count(lower(r.attached->name)))
            note(v, r.attachedLine, "attach-unknown-parent", Severity::Warning,
                 "No vessel is named \"" + r.attached->name + "\": the simulator ignores the attachment");
        else if (r.attached) {
            p.kind = PlacementKind::Attached;
            p.line = r.attachedLine;
            p.childPoint = r.attached->first;
            p.parentPoint = r.attached->second;
            p.parent = r.attached->name;
            continue;
        }
        if (v.status.status == Status::Landed) {
            placeLanded(v, r);
            continue;
        }
        if (groups.first[i] != i) {
            p.kind = PlacementKind::Docked;
            p.line = r.dockLine;
            p.partner = partner.value_or(PortRef{});
            p.placedBy = vessels[groups.first[i]].name;
            if (r.elementsLine != NoLine || r.rposLine != NoLine || r.rvelLine != NoLine)
                note(v, r.dockLine,
                     "Docked after " + p.placedBy +
                         ", which places the group: the simulator ignores "
                         "this vessel's own position lines");
            continue;
        }
        if (placeByOwnLines(v, r))
            continue;
        if (!v.docking.empty()) {
            p.kind = PlacementKind::Docked;
            p.line = r.dockLine;
            p.partner = partner.value_or(v.docking.front().partner);
            if (partner)
                note(v, r.dockLine, "group-without-position", Severity::Warning,
                     "The first vessel of its docked group has no position: the group has none; give it RPOS "
                     "and RVEL or ELEMENTS, or list a vessel that has them first");
            else
                note(v, r.dockLine,
                     "Its DOCKINFO names no other vessel of the file, and it has no position of its own");
        }
    }
    return list;
}

} // namespace vantrel::vessels
