#include "core/scenario/ScenarioFile.h"

#include "core/platform/TextFile.h"
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

// Splits blank-separated values the way ELEMENTS and a station's AROT are read: each value but
// the last runs up to and including the next blank, and the text after that blank is trimmed;
// without a blank the value is empty and the text stays for the next one.
std::vector<std::string> splitValues(std::string_view text, size_t count) {
    std::vector<std::string> values;
    for (size_t i = 0; i + 1 < count; ++i) {
        const size_t blank = text.find(' ');
        if (blank == std::string_view::npos) {
            values.emplace_back();
            text = trimmed(text);
            continue;
        }
        values.emplace_back(text.substr(0, blank + 1));
        text = trimmed(text.substr(blank + 1));
    }
    values.emplace_back(text);
    return values;
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
    if (!r.start)
        r.dateEntry = "The start date of the file " + path + " is out of range. ";
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
            return false;
        }
        s.StationBlockLines.push_back({key, l.raw});
        if (what.keyword == "REF") {
            s.StationRefTable = trimmed(*value);
        } else if (what.keyword == "EL_MJD") {
            const std::optional<DayTime> epoch = splitDate(dateFromMjd(leadingNumberValue(std::string(*value))));
            if (!epoch) {
                r.stationEntries.push_back("An orbital element date of the file " + path + " is out of range. ");
                continue;
            }
            r.lastEpochDay = epoch->day;
            s.StationOrbitalRefDate = epoch->day;
            s.StationOrbitalRefHourTable = std::to_string(epoch->hour);
            s.StationOrbitalRefMinTable = std::to_string(epoch->minute);
        } else if (what.keyword == "ELEMENTS") {
            std::vector<std::string> v = splitValues(*value, 6);
            s.StationSemiMajorAxisTable = std::move(v[0]);
            s.StationExcentricityTable = std::move(v[1]);
            s.StationInclinationTable = std::move(v[2]);
            s.StationAscendingNodeLongitudeTable = std::move(v[3]);
            s.StationPeriapsisLongitudeTable = std::move(v[4]);
            s.StationMeanLongitudeTable = std::move(v[5]);
        } else if (what.keyword == "ZROT_FREQ" || what.keyword == "ZROT_FREQUENCY") {
            s.StationRotationFrequencyTable = *value;
            s.StationUseClassFrequency = false;
            r.lastFrequency = std::string(*value);
        } else if (what.keyword == "AROT") {
            std::vector<std::string> v = splitValues(*value, 3);
            s.StationXAngleTable = std::move(v[0]);
            s.StationYAngleTable = std::move(v[1]);
            s.StationZAngleTable = std::move(v[2]);
        }
    }
    // A section that never ends is cut off.
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
            if (ship.ShipBlockLines.empty())
                ship.ShipSource.reset();
            ship.ShipFromFile = true;
            ship.ShipLinesNotTaken = linesUpTo(lines, at, "END_SHIPS");
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
            if (m.validShip(row))
                m.ships[static_cast<size_t>(row)].ShipFromFile = true;
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
    return !inSection;
}

// ---------------------------------------------------------------------------------------------
// Writing.

std::string stationsText(const Scenario& m);
void shipsText(const Scenario& m, std::string& text);

class Lines {
public:
    Lines() : text_(own_) {}
    // Lines appended to a text of the caller's.
    explicit Lines(std::string& text) : text_(text) {}
    void line(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }
    void line(std::initializer_list<std::string_view> pieces) {
        for (std::string_view piece : pieces)
            text_ += piece;
        text_ += "\r\n";
    }
    std::string take() { return std::move(text_); }

private:
    std::string own_;
    std::string& text_;
};

// A text that is a number as a whole (blanks around allowed): "45", "-1.5e2"; not "Toto".
bool wholeNumber(const std::string& text) { return plainNumberValue(trimmed(text)).has_value(); }

std::string number(const std::string& text) { return writtenNumber(text); }

// A line's keyword or marker: its first word, upper-cased, without comment.
std::string keyOf(const std::string& line) {
    const std::string text = upper(trim(ClearComments(line)));
    return text.substr(0, text.find(' '));
}

// The simulator lets a later line win over an earlier one: a line the block lacked goes after
// the line it competes with.
const char* competing(std::string_view keyword) {
    if (keyword == "FUEL")
        return "PRPLEVEL";
    if (keyword == "RPOS" || keyword == "RVEL")
        return "ELEMENTS";
    if (keyword == "BASE")
        return "POS";
    return nullptr;
}

// The editor's lines of one block, in the order it writes them. The slots are reused from block to
// block, so that writing a huge scenario does not allocate a text per line.
class OwnedLines {
public:
    void clear() { count_ = 0; }
    void put(Keyword keyword, std::initializer_list<std::string_view> pieces) {
        if (count_ == lines_.size())
            lines_.emplace_back();
        Owned& line = lines_[count_++];
        line.keyword = BlockLine(keyword, {});
        line.text.clear();
        for (std::string_view piece : pieces)
            line.text += piece;
    }
    size_t size() const { return count_; }
    BlockLine operator[](size_t k) const { return lines_[k].keyword.withText(lines_[k].text); }

private:
    struct Owned {
        BlockLine keyword; // the keyword alone
        std::string text;
    };
    std::vector<Owned> lines_;
    size_t count_ = 0;
};

// A station's or ship's lines after its head. One the file gave keeps every line in its place:
// the editor's lines stand where the block had them (the ones it no longer writes go), the
// others as read, and an editor's line the block lacked follows the editor's lines before it
// and the line it competes with. Any other: the editor's lines, then its other lines.
void writeBlock(Lines& out, const std::vector<BlockLine>& asRead, std::string_view others, const OwnedLines& owned,
                std::vector<BlockLine>& lines) {
    lines.clear();
    if (asRead.empty()) {
        for (size_t k = 0; k < owned.size(); ++k)
            lines.push_back(owned[k]);
        if (!others.empty())
            lines.push_back({{}, others});
    } else {
        // Which of the editor's lines found their place, when there are few enough to count.
        uint64_t found = 0;
        for (const BlockLine& line : asRead) {
            if (!line.hasKeyword()) {
                lines.push_back(line);
                continue;
            }
            for (size_t k = 0; k < owned.size(); ++k)
                if (owned[k].sameKeyword(line)) {
                    lines.push_back(owned[k]);
                    if (k < 64)
                        found |= uint64_t{1} << k;
                    break;
                }
        }
        // When every one of the editor's lines found its place, none is left to place.
        if (owned.size() < 64 && found == (uint64_t{1} << owned.size()) - 1) {
            for (const BlockLine& line : lines)
                out.line(line.text());
            return;
        }
        auto placed = [&](const BlockLine& keyword) {
            for (size_t i = 0; i < lines.size(); ++i)
                if (lines[i].sameKeyword(keyword))
                    return static_cast<int>(i);
            return -1;
        };
        for (size_t k = 0; k < owned.size(); ++k) {
            const BlockLine add = owned[k];
            if (placed(add) >= 0)
                continue;
            size_t at = 0;
            for (size_t j = 0; j < k; ++j)
                at = std::max(at, static_cast<size_t>(placed(owned[j]) + 1));
            if (const char* other = competing(add.keyword()))
                for (size_t i = 0; i < lines.size(); ++i)
                    if (!lines[i].hasKeyword() && keyOf(std::string(lines[i].text())) == other)
                        at = std::max(at, i + 1);
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), add);
        }
    }
    for (const BlockLine& line : lines)
        out.line(line.text());
}

int today() {
    using namespace std::chrono;
    const sys_days now = floor<days>(system_clock::now());
    return static_cast<int>(now.time_since_epoch().count()) + 25569;
}

std::string descriptionText(const Scenario& m) { return descriptionBlock(m.description); }

std::string environmentText(const Scenario& m, const SectionAsRead* asRead) {
    // A calendar without a date (it always has one once the window is open) starts today.
    const int day = m.start.day.value_or(today());
    const double startMjd = mjdFromDayTime(day, leadingNumberValue(m.start.hour), leadingNumberValue(m.start.minute));
    const std::string system = "  System " + trim(m.system);
    const std::string date = "  Date MJD " + numberText(startMjd);
    // A start time nobody changed is written as the file had it: its form, its digits and its
    // seconds, and "Date MJD ;" (the simulator's "now") stays "now".
    const bool changed = !m.layout.read || !(m.start == m.startAsRead);

    Lines out;
    out.line("BEGIN_ENVIRONMENT");
    std::vector<std::string> inner;
    if (asRead) {
        inner.assign(asRead->lines.begin() + 1, asRead->lines.end());
        if (!inner.empty() && keyOf(inner.back()) == "END_ENVIRONMENT")
            inner.pop_back();
    }
    // The last System and Date lines are the ones the simulator takes; earlier ones stay as read.
    int systemAt = -1, dateAt = -1;
    for (size_t j = 0; j < inner.size(); ++j) {
        const std::string key = keyOf(inner[j]);
        if (key == "SYSTEM")
            systemAt = static_cast<int>(j);
        else if (key == "DATE")
            dateAt = static_cast<int>(j);
    }
    auto systemAndNewDate = [&] {
        out.line(system);
        if (dateAt < 0 && changed)
            out.line(date);
    };
    if (systemAt < 0)
        systemAndNewDate();
    for (size_t j = 0; j < inner.size(); ++j) {
        if (static_cast<int>(j) == systemAt)
            systemAndNewDate();
        else if (static_cast<int>(j) == dateAt && changed)
            out.line(date);
        else
            out.line(inner[j]);
    }
    out.line("END_ENVIRONMENT");
    return out.take();
}

std::string focusText(const Scenario& m) {
    Lines out;
    out.line("BEGIN_FOCUS");
    out.line("  Ship " + trim(m.focus));
    out.line("END_FOCUS");
    return out.take();
}

std::string viewText(const Scenario& m, const std::string& key) {
    Lines out;
    if (key == "CAMERA") {
        out.line("BEGIN_CAMERA");
        out.line("  Target " + trim(m.focus));
        out.line("  MODE Extern");
        out.line("  POS 40 -115.88 -24.15");
        out.line("  TRACKMODE TargetRelative");
        out.line("  FOV 20#");
        out.line("END_CAMERA");
    } else if (key == "HUD") {
        out.line("BEGIN_HUD");
        out.line("  Type Surface");
        out.line("END_HUD");
    } else {
        out.line(key == "MFD LEFT" ? "BEGIN_MFD Left" : "BEGIN_MFD Right");
        out.line(key == "MFD LEFT" ? "  Type Surface" : "  Type Launch");
        out.line("END_MFD");
    }
    return out.take();
}

std::string cameraText(const Scenario& m, const SectionAsRead& asRead) {
    // The author's camera, as read; a ship it targeted is followed through a rename, and once
    // deleted the camera targets the user-controlled ship.
    std::string target;
    if (m.cameraTargetIsShip) {
        target = trim(m.focus);
        for (int k = 0; k < m.shipCount && m.validShip(k); ++k)
            if (m.ships[static_cast<size_t>(k)].ShipCameraTarget) {
                target = trim(m.ships[static_cast<size_t>(k)].ShipNameTable);
                break;
            }
    }
    const std::optional<std::string> read = sectionValue(asRead, "TARGET");
    Lines out;
    for (const std::string& line : asRead.lines) {
        if (m.cameraTargetIsShip && keyOf(line) == "TARGET" && read && target != *read)
            out.line(line.substr(0, line.find_first_not_of(" \t")) + "TARGET " + target);
        else
            out.line(line);
    }
    return out.take();
}

std::string scenarioText(const Scenario& m) {
    // The editor's sections in the order it writes them; any other section is written as read.
    static const std::vector<std::string> own = {"DESC",     "ENVIRONMENT", "FOCUS",    "CAMERA", "HUD",
                                                 "MFD LEFT", "MFD RIGHT",   "STATIONS", "SHIPS"};
    const FileLayout& layout = m.layout;
    // Each chunk is a section with the comments before it; a blank line parts them. One text is
    // built, chunk after chunk, so that a huge scenario is never held twice.
    std::string text;
    text.reserve(m.sizeAsRead + 65536);
    bool first = true;
    auto chunk = [&]() -> std::string& {
        if (!first)
            text += "\r\n";
        first = false;
        return text;
    };

    // A section the file lacked takes its place among the editor's sections. A description is
    // only written when there is one: the simulator shows DESC before HYPERDESC, so an empty one
    // would hide the other.
    auto lacking = [&](const std::string& key) {
        if (key == "DESC") {
            if (!layout.read || !m.description.empty())
                chunk() += (descriptionText(m));
        } else if (key == "ENVIRONMENT") {
            chunk() += (environmentText(m, nullptr));
        } else if (key == "FOCUS") {
            chunk() += (focusText(m));
        } else if (key == "STATIONS") {
            chunk() += (stationsText(m));
        } else if (key == "SHIPS") {
            shipsText(m, chunk());
        } else {
            chunk() += (viewText(m, key));
        }
    };
    auto asRead = [](const std::vector<std::string>& lines) {
        Lines out;
        for (const std::string& line : lines)
            out.line(line);
        return out.take();
    };

    // Sections the file lacked go right after the editor's section before them, or before the
    // first one the file has.
    size_t nextOwn = 0;
    auto lackingUpTo = [&](size_t upTo) {
        for (; nextOwn < upTo; ++nextOwn)
            if (!layout.read || !layout.find(own[nextOwn]))
                lacking(own[nextOwn]);
    };
    auto lackingAfter = [&] {
        while (nextOwn < own.size() && !layout.find(own[nextOwn]))
            lacking(own[nextOwn++]);
    };
    for (const SectionAsRead& section : layout.sections) {
        const auto found = std::find(own.begin(), own.end(), section.key);
        // A section of the editor's written once already (a second ENVIRONMENT) stays as read.
        if (found == own.end() || layout.find(section.key) != &section) {
            chunk() += (asRead(section.comments) + asRead(section.lines));
            continue;
        }
        const size_t index = static_cast<size_t>(found - own.begin());
        lackingUpTo(index);
        std::string& out = chunk();
        out += asRead(section.comments);
        if (section.key == "DESC")
            out += m.description == m.descriptionAsRead ? asRead(section.lines) : descriptionText(m);
        else if (section.key == "ENVIRONMENT")
            out += environmentText(m, &section);
        else if (section.key == "FOCUS")
            out += focusText(m);
        else if (section.key == "STATIONS")
            out += stationsText(m);
        else if (section.key == "SHIPS")
            shipsText(m, out);
        else if (section.key == "CAMERA")
            out += cameraText(m, section);
        else
            out += asRead(section.lines); // the author's HUD and MFD set-up
        nextOwn = std::max(nextOwn, index + 1);
        lackingAfter();
    }
    lackingUpTo(own.size());
    if (!layout.after.empty())
        chunk() += (asRead(layout.after));

    return text;
}

std::string stationsText(const Scenario& m) {
    Lines out;
    const int stations = m.stationCount;
    if (stations > 0) {
        out.line("BEGIN_STATIONS");
        OwnedLines owned;
        std::vector<BlockLine> scratch;
        for (int i = 0; i < stations && m.validStation(i); ++i) {
            const StationRow& s = m.stations[static_cast<size_t>(i)];
            out.line({trimmed(s.StationNameTable), ":", trimmed(s.StationClassTable)});
            owned.clear();
            // A keyword line without any value could not be read back (and would end the
            // reading of every station after it), so it is left out.
            if (!trimmed(s.StationRefTable).empty())
                owned.put("REF", {"  REF ", trimmed(s.StationRefTable)});
            // A station never given an epoch has none to write; the simulator then takes the
            // scenario's start.
            if (s.StationOrbitalRefDate)
                owned.put("EL_MJD", {"  EL_MJD ", numberText(mjdFromDayTime(*s.StationOrbitalRefDate,
                                                                            leadingNumberValue(s.StationOrbitalRefHourTable),
                                                                            leadingNumberValue(s.StationOrbitalRefMinTable)))});
            const std::string_view elements[] = {
                trimmed(s.StationSemiMajorAxisTable),          trimmed(s.StationExcentricityTable),
                trimmed(s.StationInclinationTable),            trimmed(s.StationAscendingNodeLongitudeTable),
                trimmed(s.StationPeriapsisLongitudeTable),     trimmed(s.StationMeanLongitudeTable)};
            if (std::any_of(std::begin(elements), std::end(elements), [](std::string_view v) { return !v.empty(); }))
                owned.put("ELEMENTS", {"  ELEMENTS ", elements[0], " ", elements[1], " ", elements[2], " ",
                                       elements[3], " ", elements[4], " ", elements[5]});
            const std::string_view angles[] = {trimmed(s.StationXAngleTable), trimmed(s.StationYAngleTable),
                                               trimmed(s.StationZAngleTable)};
            // A station with its own frequency keeps its angles too: without them it read back
            // with empty angles, which validation refuses.
            if (!s.StationUseClassFrequency && !trimmed(s.StationRotationFrequencyTable).empty())
                owned.put("ZROT_FREQUENCY", {"  ZROT_FREQUENCY ", trimmed(s.StationRotationFrequencyTable)});
            if (std::any_of(std::begin(angles), std::end(angles), [](std::string_view v) { return !v.empty(); }))
                owned.put("AROT", {"  AROT ", angles[0], " ", angles[1], " ", angles[2]});
            writeBlock(out, s.StationBlockLines, {}, owned, scratch);
            if (s.StationLinesNotTaken.empty())
                out.line("END");
            for (const std::string& line : s.StationLinesNotTaken)
                out.line(line);
        }
        out.line("END_STATIONS");
    }
    return out.take();
}

void shipsText(const Scenario& m, std::string& text) {
    Lines out(text);
    const int ships = m.shipCount;
    if (ships > 0) {
        out.line("BEGIN_SHIPS");
        OwnedLines owned;
        std::vector<BlockLine> scratch;
        for (int i = 0; i < ships && m.validShip(i); ++i) {
            const ShipRow& s = m.ships[static_cast<size_t>(i)];
            out.line({trimmed(s.ShipNameTable), ":", trimmed(s.ShipClassTable)});
            const std::string_view status = trimmed(s.ShipStatusTable);
            const std::string_view planet = trimmed(s.ShipPlanetTable);
            // A ship the file gave keeps the lines it had; a line it lacked is written only when
            // the person changed its value, so nothing is made up for a ship placed by ELEMENTS
            // or docked by DOCKINFO (the simulator lets the first of a docked group place it).
            const bool fromFile = shipFromFile(s);
            owned.clear();
            auto had = [&](Keyword keyword) { return lineAsRead(s, keyword).has_value(); };
            auto changed = [&](Keyword keyword) {
                const std::optional<std::string> read = valueAsRead(s, keyword.text());
                return !read || !sameShipValue(*read, shipValue(s, keyword.text()));
            };
            auto wanted = [&](Keyword keyword) { return !fromFile || had(keyword) || changed(keyword); };
            auto vector = [&](Keyword keyword, const std::string& x, const std::string& y, const std::string& z) {
                if (wanted(keyword))
                    owned.put(keyword, {"  ", keyword.text(), " ", trimmed(x), " ", trimmed(y), " ", trimmed(z)});
            };
            auto fuelAndEngines = [&] {
                if (wanted("FUEL"))
                    owned.put("FUEL", {"  FUEL ", number(s.ShipFuelTable)});
                // Engine levels: those the file had, and any other than 0 the person set.
                for (Keyword engine : {Keyword("ENGINE_MAIN"), Keyword("ENGINE_HOVR")}) {
                    const std::string& level = engine == Keyword("ENGINE_MAIN") ? s.ShipMainEngineTable : s.ShipHoverEngineTable;
                    if (had(engine) || (changed(engine) && leadingNumberValue(trimmed(level)) != 0))
                        owned.put(engine, {"  ", engine.text(), " ", number(level)});
                }
            };
            const auto readAs = [&](std::string_view word) {
                const std::optional<std::string> read = valueAsRead(s, "STATUS");
                return read && equalsIgnoringCase(trimmed(*read), word);
            };
            if (equalsIgnoringCase(status, "Landed")) {
                owned.put("STATUS", {"  STATUS ", status, " ", planet});
                // A base without a pad is written as the simulator writes it ("BASE Habana"). A
                // ship landed by POS has no base until the person gives it one.
                const std::string_view base = trimmed(s.ShipLandedBaseTable);
                const std::string_view pad = trimmed(s.ShipLandedPadTable);
                if (wanted("BASE")) {
                    if (pad.empty() && !base.empty())
                        owned.put("BASE", {"  BASE ", base});
                    else
                        owned.put("BASE", {"  BASE ", base, ":", pad});
                }
                // The blank heading of a ship read without one is no heading at all.
                if (wholeNumber(s.ShipLandedHeadingTable))
                    owned.put("HEADING", {"  HEADING ", trimmed(s.ShipLandedHeadingTable)});
                fuelAndEngines();
                // The editor shows no attitude for a landed ship; the simulator reads it.
                if (readAs("Landed") && had("AROT"))
                    owned.put("AROT", {*lineAsRead(s, "AROT")});
            } else if (equalsIgnoringCase(status, "Orbiting")) {
                owned.put("STATUS", {"  STATUS ", status, " ", planet});
                fuelAndEngines();
                vector("RPOS", s.ShipRposXTable, s.ShipRposYTable, s.ShipRposZTable);
                vector("RVEL", s.ShipRvelXTable, s.ShipRvelYTable, s.ShipRvelZTable);
                vector("AROT", s.ShipArotXTable, s.ShipArotYTable, s.ShipArotZTable);
                // The editor shows only the first of three spin values: unchanged, the line
                // stays as read.
                if (had("VROT") && !changed("VROT"))
                    owned.put("VROT", {*lineAsRead(s, "VROT")});
                else if (wanted("VROT"))
                    owned.put("VROT", {"  VROT ", number(s.ShipVrotTable)});
            } else if (equalsIgnoringCase(status, "Docked")) {
                owned.put("STATUS", {"  STATUS ", status, " ", planet, ":", trimmed(s.ShipDockedStationTable), ":",
                                     trimmed(s.ShipDockedPortTable)});
                fuelAndEngines();
            }
            writeBlock(out, s.ShipBlockLines, s.ShipExtraLines, owned, scratch);
            if (s.ShipLinesNotTaken.empty())
                out.line("END");
            for (const std::string& line : s.ShipLinesNotTaken)
                out.line(line);
        }
        out.line("END_SHIPS");
    }
}

} // namespace

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

std::string writeScenario(const Scenario& scenario) { return scenarioText(scenario); }

ScenarioReading readScenario(std::string bytes, const std::string& path) {
    ScenarioReading r;
    Scenario& m = r.scenario;
    const SourceBytes source = std::make_shared<const std::string>(std::move(bytes));
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
    // The rows' lines as read lie in the bytes; each station that has some keeps them alive (the
    // ship pass does the same for its rows).
    for (StationRow& row : m.stations)
        if (!row.StationBlockLines.empty())
            row.StationSource = source;
    m.stationCount = static_cast<int>(r.stationNames.size());
    m.shipCount = static_cast<int>(r.shipNames.size());

    m.cameraTargetIsShip = false;
    if (const SectionAsRead* camera = m.layout.find("CAMERA"))
        if (const std::optional<std::string> target = sectionValue(*camera, "TARGET"))
            for (int k = 0; k < m.shipCount && m.validShip(k) && !m.cameraTargetIsShip; ++k)
                if (trim(m.ships[static_cast<size_t>(k)].ShipNameTable) == *target)
                    m.cameraTargetIsShip = m.ships[static_cast<size_t>(k)].ShipCameraTarget = true;
    return r;
}

} // namespace vantrel
