#include "core/scenario/ScenarioFile.h"

#include "core/platform/TextFile.h"
#include "core/scenario/BlockLines.h"
#include "core/scenario/Description.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <utility>

namespace vantrel {

namespace {

constexpr std::string_view NoData = "No Data";

// ---------------------------------------------------------------------------------------------
// Reading. Lines are views into the bytes; a value is copied only when the document keeps it.

// A line without its comment (`line`), and that trimmed (`text`).
struct Line {
    std::string_view raw;
    std::string_view line;
    std::string_view text;
};

Line lineOf(std::string_view raw) {
    const std::string_view line = clearedOfComments(raw);
    return {raw, line, trimmed(line)};
}

bool is(std::string_view text, std::string_view marker) { return equalsIgnoringCase(text, marker); }

// What one line of a station or ship section is. Each line is exactly one of these, decided
// in this order: the block's end, a keyword line, a head, anything else.
enum class LineKind { Empty, End, Keyword, Head, Other };

constexpr std::array<std::string_view, 6> StationKeywords = {"REF", "EL_MJD", "ELEMENTS", "ZROT_FREQUENCY",
                                                             "ZROT_FREQ", "AROT"};
constexpr std::array<std::string_view, 10> ShipKeywords = {"STATUS", "BASE", "HEADING", "RPOS", "RVEL",
                                                           "AROT", "VROT", "FUEL", "ENGINE_MAIN", "ENGINE_HOVR"};

// The keyword a line stands for: its trimmed text is the keyword alone or begins with it and a
// blank, ignoring letter case. The longer of two keywords sharing a beginning is listed first.
template <size_t N>
std::string_view keywordOf(std::string_view text, const std::array<std::string_view, N>& keywords) {
    for (std::string_view k : keywords)
        if (text.size() >= k.size() && asciiUpper(text[0]) == k[0] && is(text.substr(0, k.size()), k) &&
            (text.size() == k.size() || text[k.size()] == ' '))
            return k;
    return {};
}

struct SectionLine {
    LineKind kind = LineKind::Other;
    std::string_view keyword;
};

// A head stands unindented in the file: an indented line whose comment was cut off and trimmed
// ("  PRPLEVEL 0:1 ; tanks") is still a line of the block, not a new ship or station.
template <size_t N>
SectionLine classify(const Line& l, const std::array<std::string_view, N>& keywords) {
    if (l.text.empty())
        return {LineKind::Empty, {}};
    if (is(l.text, "END"))
        return {LineKind::End, {}};
    if (std::string_view k = keywordOf(l.text, keywords); !k.empty())
        return {LineKind::Keyword, k};
    if (l.line.front() != ' ' && l.line.back() != ' ' && l.raw.front() != ' ')
        return {LineKind::Head, {}};
    return {LineKind::Other, {}};
}

// A keyword line's value: the line without the keyword and the one character after it. A line
// that is the keyword alone has no value and cannot be read.
std::optional<std::string_view> rest(std::string_view text, std::string_view keyword) {
    if (text.size() < keyword.size() + 1)
        return std::nullopt;
    return text.substr(keyword.size() + 1);
}

// A key's comma fields on a line: the last field that begins with the key, without comment and
// surrounding blanks, replaces the answer.
void takeField(std::string_view raw, std::string_view key, std::string& answer) {
    // Only a line that holds the key anywhere can give it; most lines do not.
    bool holds = false;
    for (size_t i = 0; !holds && i + key.size() <= raw.size(); ++i)
        holds = is(raw.substr(i, key.size()), key);
    if (!holds)
        return;
    for (const std::string& field : platform::commaFields(std::string(raw))) {
        std::string f = ClearComments(trim(field));
        if (startsWithIgnoringCase(f, key))
            answer = std::move(f);
    }
}

// The answers of the environment's and the focus's keys.
struct Answers {
    std::string date{NoData};
    std::string system{NoData};
    std::string ship{NoData};
};

// The lines a section's pass must walk: from the first line that starts such a section to the
// last line that starts or ends one (to the end when that one starts a section). Outside them a
// pass finds nothing to do.
struct Span {
    size_t from = 0;
    size_t to = 0;
    void mark(size_t i, bool begins, size_t count) {
        if (begins && from >= to)
            from = i;
        to = begins ? count : i + 1;
    }
};

struct Counting {
    Answers answers;
    bool environmentFound = false;
    bool focusFound = false;
    int stations = 0;
    int ships = 0;
    Span stationLines;
    Span shipLines;
};

// One walk over the lines: the environment's and focus's keys, each in its own section so that a
// ship named "Shipyard" or a description line beginning with "Date" cannot stand in for it, and
// the heads of the stations' and ships' sections. Every line that directly follows a section's
// start or an "END" inside it is one head, whatever it holds; lines empty of everything but
// comments are passed over.
Counting countAndLookUp(const std::vector<std::string_view>& lines, std::vector<std::string>& candidates) {
    Counting c;
    bool inEnvironment = false, inFocus = false;
    bool inStations = false, afterStationEnd = false;
    bool inShips = false, afterShipEnd = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view raw = lines[i];
        // Most lines of a huge scenario are a block's lines, which hold no marker: their first
        // character says so, and nothing but the counting needs them.
        if (!inEnvironment && !inFocus) {
            const size_t first = raw.find_first_not_of(' ');
            const unsigned char head = first == std::string_view::npos ? 0 : static_cast<unsigned char>(raw[first]);
            const char lowered = asciiLower(static_cast<char>(head));
            if (head > ' ' && head != ';' && lowered != 'b' && lowered != 'e') {
                // The line is not empty once its comment is gone, and it is neither END nor a
                // section's start or end.
                if (inStations && afterStationEnd)
                    ++c.stations;
                afterStationEnd = false;
                if (inShips && afterShipEnd) {
                    ++c.ships;
                    candidates.emplace_back(lineOf(raw).text);
                }
                afterShipEnd = false;
                continue;
            }
        }
        const Line l = lineOf(raw);
        const std::string_view t = l.text;
        if (is(t, "BEGIN_STATIONS") || is(t, "END_STATIONS"))
            c.stationLines.mark(i, is(t, "BEGIN_STATIONS"), lines.size());
        if (is(t, "BEGIN_SHIPS") || is(t, "END_SHIPS"))
            c.shipLines.mark(i, is(t, "BEGIN_SHIPS"), lines.size());
        if (is(t, "BEGIN_ENVIRONMENT")) {
            inEnvironment = c.environmentFound = true;
        } else if (is(t, "END_ENVIRONMENT")) {
            inEnvironment = false;
        } else if (is(t, "BEGIN_FOCUS")) {
            inFocus = c.focusFound = true;
        } else if (is(t, "END_FOCUS")) {
            inFocus = false;
        } else {
            if (inEnvironment) {
                takeField(raw, "Date", c.answers.date);
                takeField(raw, "System", c.answers.system);
            }
            if (inFocus)
                takeField(raw, "Ship", c.answers.ship);
        }

        const bool end = is(t, "END");
        if (!(inStations && t.empty())) {
            if (is(t, "END_STATIONS"))
                inStations = false;
            if (inStations && afterStationEnd)
                ++c.stations;
            afterStationEnd = false;
            if (is(t, "BEGIN_STATIONS"))
                inStations = afterStationEnd = true;
            if (end)
                afterStationEnd = true;
        }
        if (!(inShips && t.empty())) {
            if (is(t, "END_SHIPS"))
                inShips = false;
            if (inShips && afterShipEnd) {
                ++c.ships;
                candidates.emplace_back(t);
            }
            afterShipEnd = false;
            if (is(t, "BEGIN_SHIPS"))
                inShips = afterShipEnd = true;
            if (end)
                afterShipEnd = true;
        }
    }
    // A file without the section: the key is looked up over the whole file, as in a
    // configuration file.
    if (!c.environmentFound || !c.focusFound)
        for (std::string_view raw : lines) {
            if (!c.environmentFound) {
                takeField(raw, "Date", c.answers.date);
                takeField(raw, "System", c.answers.system);
            }
            if (!c.focusFound)
                takeField(raw, "Ship", c.answers.ship);
        }
    return c;
}

// The start time of a Date answer ("Date MJD 51982.5", "Date JD ...", "Date JE ...").
void readStartDate(const std::string& answer, const std::string& path, ScenarioReading& r) {
    // Without a date the current start date stays.
    if (answer == NoData)
        return;
    const std::string line = trim(answer);
    const std::string kind = trim(line.substr(std::min<size_t>(5, line.size()), 3));
    const double value = leadingNumberValue(trim(dropLeft(line, 8)));
    double mjd = value;
    if (kind == "JD")
        mjd = mjdFromJulianDate(value);
    else if (kind == "JE")
        mjd = mjdFromJulianEpoch(value);
    r.start = splitDate(dateFromMjd(mjd));
    if (r.start)
        r.scenario.startMjdAsRead = mjd;
    else
        r.dateEntry = "The start date of the file " + path + " is out of range. ";
}

// The line of the first END from `from` on, or the one before the section's end line or the
// next section's start (the last line without either): where a block that could not be read, or
// that its section left unended, ends.
uint32_t blockEnd(const std::vector<std::string_view>& lines, size_t from, std::string_view endMarker) {
    size_t i = from;
    for (; i < lines.size(); ++i) {
        const std::string_view text = lineOf(lines[i]).text;
        if (is(text, "END"))
            return static_cast<uint32_t>(i);
        if (is(text, endMarker) || startsWithIgnoringCase(lines[i], "BEGIN_"))
            break;
    }
    return static_cast<uint32_t>(i > 0 ? i - 1 : 0);
}

// The lines from `from` up to the section's end line, as read.
std::vector<std::string> linesUpTo(const std::vector<std::string_view>& lines, size_t from, std::string_view endMarker) {
    std::vector<std::string> taken;
    for (size_t i = from; i < lines.size() && !is(lineOf(lines[i]).text, endMarker); ++i)
        taken.emplace_back(lines[i]);
    return taken;
}

bool readStations(const std::vector<std::string_view>& lines, Span span, const std::string& path,
                  ScenarioReading& r) {
    Scenario& m = r.scenario;
    int row = 0;
    bool inSection = false;
    // Comment lines between blocks go to just after the next head, or, after the last block,
    // to the end of that block: the simulator would take one for a nameless station.
    std::vector<std::string_view> between;
    for (size_t i = span.from; i < span.to; ++i) {
        const Line l = lineOf(lines[i]);
        if (!inSection) {
            inSection = is(l.text, "BEGIN_STATIONS");
            continue;
        }
        if (is(l.text, "END_STATIONS")) {
            inSection = false;
            if (m.validStation(row - 1) && !m.stations[static_cast<size_t>(row - 1)].StationNameTable.empty())
                for (std::string_view comment : between)
                    m.stations[static_cast<size_t>(row - 1)].StationBlockLines.push_back({{}, comment});
            between.clear();
            continue;
        }
        const SectionLine what = classify(l, StationKeywords);
        if (what.kind == LineKind::End) {
            if (m.validStation(row) && m.stations[static_cast<size_t>(row)].StationHeadLine >= 0)
                m.layout.stationBlocks.push_back(
                    {static_cast<uint32_t>(m.stations[static_cast<size_t>(row)].StationHeadLine), static_cast<uint32_t>(i)});
            ++row;
            m.StationTableBlanking(row);
            continue;
        }
        if (!m.validStation(row))
            continue;
        StationRow& s = m.stations[static_cast<size_t>(row)];
        if (what.kind == LineKind::Head) {
            const size_t colon = l.text.find(':');
            s.StationNameTable = l.text.substr(0, colon);
            s.StationClassTable = colon == std::string_view::npos ? l.text : l.text.substr(colon + 1);
            s.StationHeadLine = static_cast<int32_t>(i);
            r.stationNames.push_back(s.StationNameTable);
            for (std::string_view comment : between)
                s.StationBlockLines.push_back({{}, comment});
            between.clear();
            continue;
        }
        if (what.kind == LineKind::Empty && s.StationNameTable.empty() &&
            firstNotBlankOrTab(l.raw) != std::string_view::npos) {
            between.push_back(l.raw);
            continue;
        }
        if (what.kind != LineKind::Keyword) {
            // Lines the editor does not know, comments included, stay in their place.
            if (!s.StationNameTable.empty() && firstNotBlankOrTab(l.raw) != std::string_view::npos)
                s.StationBlockLines.push_back({{}, l.raw});
            continue;
        }
        // Of a keyword that repeats, the last line is the one read; an earlier one stays as read.
        const std::string_view key = what.keyword == "ZROT_FREQ" ? std::string_view("ZROT_FREQUENCY") : what.keyword;
        for (BlockLine& earlier : s.StationBlockLines)
            if (earlier.keyword() == key)
                earlier.clearKeyword();
        const std::optional<std::string_view> value = rest(l.text, what.keyword);
        if (!value) {
            // The pass stops here; this line and the rest of the section stay with the station,
            // as read, so that saving loses none of the stations after it.
            s.StationLinesNotTaken = linesUpTo(lines, i, "END_STATIONS");
            if (s.StationHeadLine >= 0)
                m.layout.stationBlocks.push_back(
                    {static_cast<uint32_t>(s.StationHeadLine), blockEnd(lines, i, "END_STATIONS")});
            return false;
        }
        s.StationBlockLines.push_back({key, l.raw});
        if (!readStationLine(s, what.keyword, *value)) {
            r.stationEntries.push_back("An orbital element date of the file " + path + " is out of range. ");
            continue;
        }
        if (what.keyword == "EL_MJD")
            r.lastEpochDay = s.StationOrbitalRefDate;
        else if (what.keyword == "ZROT_FREQ" || what.keyword == "ZROT_FREQUENCY")
            r.lastFrequency = std::string(*value);
    }
    // A section that never ends is cut off.
    if (inSection && m.validStation(row) && m.stations[static_cast<size_t>(row)].StationHeadLine >= 0)
        m.layout.stationBlocks.push_back({static_cast<uint32_t>(m.stations[static_cast<size_t>(row)].StationHeadLine),
                                          blockEnd(lines, static_cast<size_t>(m.stations[static_cast<size_t>(row)].StationHeadLine) + 1, "END_STATIONS")});
    return !inSection;
}

// The table's rows are made as the pass reaches them, while they are in the cache, rather than
// all at once before it; the caller makes those it never reaches.
bool readShips(const std::vector<std::string_view>& lines, Span span, const SourceBytes& source, ScenarioReading& r) {
    Scenario& m = r.scenario;
    int& row = r.shipRow;
    // A row with lines as read keeps the bytes they lie in alive.
    auto keep = [&](ShipRow& ship, BlockLine line) {
        if (ship.ShipBlockLines.empty())
            ship.ShipSource = source;
        ship.ShipBlockLines.push_back(line);
    };
    bool inSection = false;
    // The line that directly follows the section's start or an "END" is the one the counting
    // took for a ship.
    bool blockStart = false;
    // Comment lines between blocks: the simulator would take one for a nameless ship, so they
    // go to just after the next head.
    std::vector<std::string_view> between;
    // A line that cannot be read stops the pass: it and the rest of the section stay with the
    // ship being read, as read, so that saving loses none of the ships after it.
    auto stop = [&](size_t at) {
        if (m.validShip(row)) {
            ShipRow& ship = m.ships[static_cast<size_t>(row)];
            // The line itself was taken for one of the editor's lines before it failed.
            if (!ship.ShipBlockLines.empty() && ship.ShipBlockLines.back().text() == lines[at])
                ship.ShipBlockLines.pop_back();
            ship.ShipFromFile = true;
            ship.ShipLinesNotTaken = linesUpTo(lines, at, "END_SHIPS");
            if (ship.ShipHeadLine >= 0)
                m.layout.shipBlocks.push_back({static_cast<uint32_t>(ship.ShipHeadLine), blockEnd(lines, at, "END_SHIPS")});
        }
        return false;
    };
    for (size_t i = span.from; i < span.to; ++i) {
        const Line l = lineOf(lines[i]);
        const std::string_view raw = l.raw;
        if (!inSection) {
            inSection = blockStart = is(l.text, "BEGIN_SHIPS");
            continue;
        }
        if (is(l.text, "END_SHIPS")) {
            inSection = false;
            // Comments after the last block stay at the end of that block.
            if (m.validShip(row - 1) && !m.ships[static_cast<size_t>(row - 1)].ShipNameTable.empty())
                for (std::string_view comment : between)
                    keep(m.ships[static_cast<size_t>(row - 1)], {{}, comment});
            between.clear();
            continue;
        }
        const SectionLine what = classify(l, ShipKeywords);
        if (what.kind == LineKind::Empty) {
            if (firstNotBlankOrTab(raw) == std::string_view::npos)
                continue;
            if (blockStart)
                between.emplace_back(raw);
            else if (m.validShip(row) && !m.ships[static_cast<size_t>(row)].ShipNameTable.empty())
                keep(m.ships[static_cast<size_t>(row)], {{}, raw});
            continue;
        }
        const bool startsBlock = std::exchange(blockStart, what.kind == LineKind::End);
        if (what.kind == LineKind::End) {
            if (m.validShip(row)) {
                ShipRow& ended = m.ships[static_cast<size_t>(row)];
                ended.ShipFromFile = true;
                if (ended.ShipHeadLine >= 0)
                    m.layout.shipBlocks.push_back({static_cast<uint32_t>(ended.ShipHeadLine), static_cast<uint32_t>(i)});
            }
            ++row;
            if (row <= r.shipHeads) {
                // Rows are read in order, so the row after an END is new: its blank values are
                // all ShipTableBlanking would store.
                m.ships.emplace_back();
                blankShipValues(m.ships.back());
            }
            continue;
        }
        if (!m.validShip(row))
            continue;
        ShipRow& s = m.ships[static_cast<size_t>(row)];
        const std::string_view text = l.text;
        // A block starts with its head, the line the counting took for a ship, indented or not
        // ("  GL-01:DeltaGlider" in the simulator's own scenarios). It names the class after ":";
        // a head with its name alone ("Mir") is a ship of that class. Anywhere else a line is a
        // line of the block, unindented or holding ":" as it may be ("PRPLEVEL 0:0.43 1:0.56"
        // was taken for a ship, renaming the ship and adding an empty one).
        if (startsBlock) {
            const size_t colon = text.find(':');
            s.ShipNameTable = text.substr(0, colon);
            s.ShipClassTable = colon == std::string_view::npos ? text : text.substr(colon + 1);
            s.ShipHeadLine = static_cast<int32_t>(i);
            r.shipNames.push_back(s.ShipNameTable);
            for (std::string_view comment : between)
                keep(s, {{}, comment});
            between.clear();
            continue;
        }
        if (what.kind != LineKind::Keyword) {
            // Lines the editor does not know are kept for the ship and written back as they
            // were; a row without a name (no head where its block starts) keeps none.
            // A line whose comment was cut off keeps its indentation, so that it is written
            // back as a line of the block and never read again as a ship's head.
            if (!s.ShipNameTable.empty()) {
                if (!s.ShipExtraLines.empty())
                    s.ShipExtraLines += "\r\n";
                s.ShipExtraLines += raw.substr(0, raw.find_first_not_of(' '));
                const std::string_view line = l.line;
                s.ShipExtraLines += line.substr(std::min(line.find_first_not_of(' '), line.size()));
                keep(s, {{}, raw}); // comment included
            }
            continue;
        }
        const Keyword k = Keyword::find(what.keyword);
        // Of a keyword that repeats, the last line is the one read; an earlier one stays as read.
        for (BlockLine& earlier : s.ShipBlockLines)
            if (earlier.is(k))
                earlier.clearKeyword();
        keep(s, {k, raw});
        if (!readShipLine(s, k, text))
            return stop(i);
    }
    // A section that never ends: the block being read runs to the last line.
    if (inSection && m.validShip(row) && m.ships[static_cast<size_t>(row)].ShipHeadLine >= 0)
        m.layout.shipBlocks.push_back({static_cast<uint32_t>(m.ships[static_cast<size_t>(row)].ShipHeadLine),
                                       blockEnd(lines, static_cast<size_t>(m.ships[static_cast<size_t>(row)].ShipHeadLine) + 1, "END_SHIPS")});
    return !inSection;
}

// Marks the blocks of the rows past those in use.
template <typename Row, typename Head>
void markListed(const std::vector<Row>& rows, int count, std::vector<BlockSpan>& blocks, Head head) {
    for (size_t i = static_cast<size_t>(std::max(count, 0)); i < rows.size(); ++i)
        for (BlockSpan& block : blocks)
            if (head(rows[i]) >= 0 && block.head == static_cast<uint32_t>(head(rows[i])))
                block.listed = false;
}

} // namespace

bool isEarlyScenario(std::string_view bytes) {
    for (size_t start = 0; start < bytes.size();) {
        const std::string_view raw = platform::nextLine(bytes, start);
        // What is left of a line once its comment and the blanks and tabs around are gone starts
        // with its first character that is neither: most lines can be passed over by that alone.
        const size_t first = firstNotBlankOrTab(raw);
        if (first == std::string_view::npos)
            continue;
        if (const char c = asciiUpper(raw[first]); c != 'B' && c != 'S')
            continue;
        std::string_view text = clearedOfComments(raw);
        text.remove_prefix(std::min(text.size(), firstNotBlankOrTab(text)));
        text = text.substr(0, text.find_last_not_of(" \t") + 1);
        if (is(text, "BEGIN_STATIONS"))
            return true;
        if (text.size() > 6 && is(text.substr(0, 6), "STATUS") && (text[6] == ' ' || text[6] == '\t')) {
            std::string_view status = text.substr(7);
            status.remove_prefix(std::min(status.size(), status.find_first_not_of(" \t")));
            if (is(status.substr(0, status.find_first_of(" \t")), "Docked"))
                return true;
        }
    }
    return false;
}

std::optional<std::string> scenarioRefusal(std::string_view bytes, const std::string& path) {
    if (bytes.find('\0') != std::string_view::npos)
        return "The file " + path + " is not a scenario file (it holds a NUL byte), so it was not opened.";
    // Line by line up to the first BEGIN_ line, which is near the top of any scenario.
    for (size_t start = 0; start < bytes.size();) {
        const std::string_view clean = clearedOfComments(platform::nextLine(bytes, start));
        const size_t first = firstNotBlankOrTab(clean);
        if (first != std::string_view::npos && startsWithIgnoringCase(clean.substr(first), "BEGIN_"))
            return std::nullopt;
    }
    return "The file " + path + " is not a scenario file (it has no BEGIN_ line), so it was not opened.";
}

ScenarioReading readScenario(std::string bytes, const std::string& path) {
    return readScenario(std::make_shared<const std::string>(std::move(bytes)), path);
}

ScenarioReading readScenario(SourceBytes source, const std::string& path) {
    ScenarioReading r;
    Scenario& m = r.scenario;
    if (!source)
        source = std::make_shared<const std::string>();
    const std::vector<std::string_view> lines = platform::lineViews(*source);
    m.layout = scanLayout(lines, SectionBodies::ExceptTables);
    m.sizeAsRead = source->size();
    m.description = descriptionOf(*source);
    m.descriptionAsRead = m.description;

    const Counting counted = countAndLookUp(lines, r.focusCandidates);
    readStartDate(counted.answers.date, path, r);
    if (r.start)
        m.start = {r.start->day, std::to_string(r.start->hour), std::to_string(r.start->minute)};
    m.startAsRead = m.start;
    m.focus = counted.answers.ship == NoData ? std::string() : trim(dropLeft(counted.answers.ship, 4));
    m.system = trim(dropLeft(counted.answers.system, 7));
    m.systemAsRead = m.system;
    m.focusAsRead = m.focus;
    m.source = source;

    const std::string cannotOpen = "Can not open the file " + path;
    r.stationHeads = counted.stations;
    if (counted.stations > 0) {
        m.StationTableRedim(counted.stations);
        m.StationTableBlanking(0);
        if (!readStations(lines, counted.stationLines, path, r))
            r.stationEntries.push_back(cannotOpen);
    }
    r.shipHeads = counted.ships;
    if (counted.ships > 0) {
        m.ships.reserve(static_cast<size_t>(counted.ships) + 1);
        m.ships.emplace_back();
        m.ShipTableBlanking(0);
        const bool read = readShips(lines, counted.shipLines, source, r);
        m.ShipTableRedimPreserve(counted.ships);
        if (!read)
            r.shipEntries.push_back(cannotOpen);
    }
    // The rows' lines as read lie in the bytes, which every row the reader made keeps alive: a
    // save edits the lines of those rows only, and leaves a row without a head as the file has it.
    for (StationRow& row : m.stations) {
        row.StationSource = source;
        if (row.StationHeadLine >= 0)
            row.StationValuesAsRead = stationValuesMark(row);
    }
    for (ShipRow& row : m.ships) {
        row.ShipSource = source;
        if (row.ShipHeadLine >= 0)
            row.ShipValuesAsRead = shipValuesMark(row);
    }
    m.stationCount = static_cast<int>(r.stationNames.size());
    m.shipCount = static_cast<int>(r.shipNames.size());
    markListed(m.stations, m.stationCount, m.layout.stationBlocks, [](const StationRow& row) { return row.StationHeadLine; });
    markListed(m.ships, m.shipCount, m.layout.shipBlocks, [](const ShipRow& row) { return row.ShipHeadLine; });

    m.cameraTargetIsShip = false;
    if (const SectionAsRead* camera = m.layout.find("CAMERA"))
        if (const std::optional<std::string> target = sectionValue(*camera, "TARGET"))
            for (int k = 0; k < m.shipCount && m.validShip(k) && !m.cameraTargetIsShip; ++k)
                if (trim(m.ships[static_cast<size_t>(k)].ShipNameTable) == *target)
                    m.cameraTargetIsShip = m.ships[static_cast<size_t>(k)].ShipCameraTarget = true;
    return r;
}

} // namespace vantrel
