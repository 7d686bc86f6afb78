#include "core/scenario/ScenarioEdits.h"

#include "core/scenario/BlockLines.h"
#include "core/scenario/Description.h"
#include "core/scenario/LineEdits.h"
#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>

namespace vantrel {

namespace {

constexpr size_t None = static_cast<size_t>(-1);

// A line cut into its indentation, its words up to a comment, and the rest: the blanks before
// the comment, the comment and any trailing blanks.
struct LineParts {
    std::string_view indent;
    std::string_view body;
    std::string_view rest;
};

bool blankOrTab(char c) { return c == ' ' || c == '\t'; }

LineParts partsOf(std::string_view raw) {
    const size_t first = firstNotBlankOrTab(raw);
    if (first == std::string_view::npos)
        return {raw, {}, {}};
    size_t end = std::min(raw.find(';'), raw.size());
    while (end > first && blankOrTab(raw[end - 1]))
        --end;
    return {raw.substr(0, first), raw.substr(first, end - first), raw.substr(end)};
}

// The words of a line's body, each with the blanks before it.
struct Word {
    std::string_view before;
    std::string_view text;
};

std::vector<Word> wordsOf(std::string_view body) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < body.size()) {
        const size_t start = i;
        while (i < body.size() && blankOrTab(body[i]))
            ++i;
        const size_t word = i;
        while (i < body.size() && !blankOrTab(body[i]))
            ++i;
        if (i > word)
            words.push_back({body.substr(start, word - start), body.substr(word, i - word)});
    }
    return words;
}

bool sameNumber(std::string_view a, std::string_view b) {
    const std::optional<double> x = plainNumberValue(a);
    const std::optional<double> y = plainNumberValue(b);
    return x && y && *x == *y;
}

// A line of the file given a new text (one of the editor's lines, or "KEYWORD value"), written
// as the person would have edited it: its indentation, its keyword as spelled, its blanks, its
// comment and its line end stay, and so does each value whose text, or number when `numbers`,
// is still the same.
std::string respelled(std::string_view raw, std::string_view text, bool numbers) {
    const LineParts old = partsOf(raw);
    const std::vector<Word> was = wordsOf(old.body);
    const std::vector<Word> now = wordsOf(partsOf(text).body);
    std::string line(old.indent);
    if (was.empty() || now.empty()) {
        line += partsOf(text).body;
    } else {
        line += was[0].text;
        for (size_t i = 1; i < now.size(); ++i) {
            const bool kept = i < was.size() && was.size() == now.size() &&
                              (was[i].text == now[i].text || (numbers && sameNumber(was[i].text, now[i].text)));
            line += i < was.size() ? was[i].before : std::string_view(" ");
            line += kept ? was[i].text : now[i].text;
        }
    }
    line += old.rest;
    return line;
}

// A line of a block or section given with the editor's two blanks, taking another indentation.
std::string indented(std::string_view text, std::string_view indent) {
    const size_t first = firstNotBlankOrTab(text);
    std::string line(indent);
    line += first == std::string_view::npos ? std::string_view() : text.substr(first);
    return line;
}

// The number of the last line of a section, between its first and last, whose keyword is key.
size_t lastWithKey(const LineEdits& edits, const SectionAsRead& section, std::string_view key) {
    size_t found = None;
    for (size_t i = section.first + 1; i < section.last && i < edits.lineCount(); ++i)
        if (keyOf(edits.line(i)) == key)
            found = i;
    return found;
}

// The indentation of a section's first line that says something, two blanks when it has none.
std::string_view indentIn(const LineEdits& edits, const SectionAsRead& section) {
    for (size_t i = section.first + 1; i < section.last && i < edits.lineCount(); ++i)
        if (firstNotBlankOrTab(edits.line(i)) != std::string_view::npos)
            return partsOf(edits.line(i)).indent;
    return "  ";
}

int today() {
    using namespace std::chrono;
    const sys_days now = floor<days>(system_clock::now());
    return static_cast<int>(now.time_since_epoch().count()) + 25569;
}

class Editor {
public:
    Editor(const Scenario& m) : m_(m), edits_(*m.source) {}

    std::string run() {
        description();
        environment();
        focus();
        camera();
        stations();
        ships();
        if (m_.format == FileFormat::Today) {
            docking();
            references();
        }
        return edits_.apply();
    }

private:
    // The editor's sections in the order a new file has them.
    static constexpr std::string_view Order[] = {"DESC", "ENVIRONMENT", "FOCUS", "CAMERA", "HUD",
                                                "MFD LEFT", "MFD RIGHT", "STATIONS", "SHIPS"};

    // A section the file lacks goes after the last of those before it in that order, a blank
    // line between; before the first section when none of them is there.
    void insertSection(std::string_view key, const std::vector<std::string>& lines) {
        const SectionAsRead* after = nullptr;
        for (std::string_view before : Order) {
            if (before == key)
                break;
            if (const SectionAsRead* s = m_.layout.find(std::string(before)); s && (!after || s->last > after->last))
                after = s;
        }
        if (after) {
            edits_.insertAfter(static_cast<std::ptrdiff_t>(after->last), "");
            for (const std::string& line : lines)
                edits_.insertAfter(static_cast<std::ptrdiff_t>(after->last), line);
            return;
        }
        const std::ptrdiff_t at = m_.layout.sections.empty() ? LineEdits::BeforeFirst
                                                              : static_cast<std::ptrdiff_t>(m_.layout.sections.front().first) - 1;
        for (const std::string& line : lines)
            edits_.insertAfter(at, line);
        edits_.insertAfter(at, "");
    }

    // A keyword line of a section given a new value; a section without one gets it after its
    // first line, or after the line `after` when there is one.
    void setSectionValue(const SectionAsRead& section, std::string_view key, const std::string& text, bool numbers,
                         size_t after = None) {
        const size_t at = lastWithKey(edits_, section, key);
        if (at != None)
            edits_.replace(at, respelled(edits_.line(at), text, numbers));
        else
            edits_.insertAfter(static_cast<std::ptrdiff_t>(after != None ? after : section.first),
                               indented(text, indentIn(edits_, section)));
    }

    // The text the person wrote replaces the lines inside the description block, its marker
    // lines kept; a file without one gets a block just after its HTML block (the simulator shows
    // DESC before HYPERDESC), or at its start.
    void description() {
        if (m_.description == m_.descriptionAsRead)
            return;
        std::vector<std::string> block;
        const std::string text = descriptionBlock(m_.description);
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find("\r\n", start);
            block.emplace_back(text.substr(start, end - start));
            start = end + 2;
        }
        const auto& lines = edits_.lines();
        if (const auto at = descriptionBlockLines(lines)) {
            const bool ended = at->second > at->first && keyOf(lines[at->second]) == "END_DESC";
            if (at->second > at->first)
                edits_.erase(at->first + 1, ended ? at->second - 1 : at->second);
            for (size_t k = 1; k + (ended ? 1 : 0) < block.size(); ++k)
                edits_.insertAfter(static_cast<std::ptrdiff_t>(at->first), std::move(block[k]));
        } else if (m_.description.empty()) {
            return;
        } else if (const auto html = htmlBlockEnd(lines)) {
            for (std::string& line : block)
                edits_.insertAfter(static_cast<std::ptrdiff_t>(*html), std::move(line));
        } else {
            block.emplace_back();
            for (std::string& line : block)
                edits_.insertAfter(LineEdits::BeforeFirst, std::move(line));
        }
    }

    void environment() {
        const bool systemChanged = trim(m_.system) != trim(m_.systemAsRead);
        const bool dateChanged = !(m_.start == m_.startAsRead);
        if (!systemChanged && !dateChanged)
            return;
        const std::string system = "System " + trim(m_.system);
        const std::string date = "Date MJD " + numberText(startMjd());
        const SectionAsRead* section = m_.layout.find("ENVIRONMENT");
        if (!section) {
            insertSection("ENVIRONMENT", {"BEGIN_ENVIRONMENT", "  " + system, "  " + date, "END_ENVIRONMENT"});
            return;
        }
        if (systemChanged)
            setSectionValue(*section, "SYSTEM", system, false);
        if (dateChanged)
            setSectionValue(*section, "DATE", date, true, lastWithKey(edits_, *section, "SYSTEM"));
    }

    // The start the person set, with the seconds of the file's Date line: the tab shows the
    // day, hour and minute only.
    double startMjd() const {
        const int day = m_.start.day.value_or(today());
        double mjd = mjdFromDayTime(day, leadingNumberValue(m_.start.hour), leadingNumberValue(m_.start.minute));
        if (m_.startMjdAsRead && m_.startAsRead.day) {
            const double seconds = *m_.startMjdAsRead - mjdFromDayTime(*m_.startAsRead.day, leadingNumberValue(m_.startAsRead.hour),
                                                                       leadingNumberValue(m_.startAsRead.minute));
            if (seconds > 0 && seconds < 1.0 / 1440)
                mjd += seconds;
        }
        return mjd;
    }

    void focus() {
        if (trim(m_.focus) == trim(m_.focusAsRead))
            return;
        const std::string ship = "Ship " + trim(m_.focus);
        if (const SectionAsRead* section = m_.layout.find("FOCUS"))
            setSectionValue(*section, "SHIP", ship, false);
        else
            insertSection("FOCUS", {"BEGIN_FOCUS", "  " + ship, "END_FOCUS"});
    }

    void camera() {
        // The camera follows the ship it targeted through a rename, and the user-controlled
        // ship once that ship is gone.
        const SectionAsRead* section = m_.layout.find("CAMERA");
        if (!m_.cameraTargetIsShip || !section)
            return;
        std::optional<std::string> target;
        for (int k = 0; k < m_.shipCount && m_.validShip(k) && !target; ++k)
            if (m_.ships[static_cast<size_t>(k)].ShipCameraTarget)
                target = trim(m_.ships[static_cast<size_t>(k)].ShipNameTable);
        // A today's file's stations are vessels the camera may follow too.
        for (int k = 0; k < m_.stationCount && m_.validStation(k) && !target; ++k)
            if (m_.stations[static_cast<size_t>(k)].StationCameraTarget)
                target = trim(m_.stations[static_cast<size_t>(k)].StationNameTable);
        if (!target)
            target = trim(m_.focus);
        const std::optional<std::string> read = sectionValue(*section, "TARGET");
        if (!read || *read == *target)
            return;
        if (const size_t at = lastWithKey(edits_, *section, "TARGET"); at != None)
            edits_.replace(at, respelled(edits_.line(at), "TARGET " + *target, false));
    }

    // ---- stations and ships

    // The line of one of the block's lines as read.
    size_t lineOf(const BlockLine& line) const { return edits_.lineAt(line.text()); }

    // Edits one block the file gave: its head when the name or class changed, and each of the
    // editor's lines whose text differs from the one its values as read give.
    void editBlock(size_t head, std::string_view name, std::string_view className, const std::vector<BlockLine>& asRead,
                   const OwnedLines& before, const OwnedLines& now) {
        const std::string_view headText = trimmed(clearedOfComments(edits_.line(head)));
        const size_t colon = headText.find(':');
        const std::string_view nameRead = trimmed(headText.substr(0, colon));
        const std::string_view classRead = trimmed(colon == std::string_view::npos ? headText : headText.substr(colon + 1));
        if (nameRead != trimmed(name))
            renamed_.emplace(std::string(nameRead), std::string(trimmed(name)));
        if (nameRead != trimmed(name) || classRead != trimmed(className)) {
            const LineParts parts = partsOf(edits_.line(head));
            std::string line(parts.indent);
            line += trimmed(name);
            line += ':';
            line += trimmed(className);
            line += parts.rest;
            edits_.replace(head, std::move(line));
        }

        // New lines take the indentation of the block's STATUS line, two blanks without one.
        std::string_view indent = "  ";
        for (const BlockLine& line : asRead)
            if (line.is("STATUS"))
                indent = partsOf(line.text()).indent;

        placed_.assign(now.size(), head);
        for (size_t k = 0; k < now.size(); ++k) {
            const BlockLine wanted = now[k];
            const auto read = std::find_if(asRead.begin(), asRead.end(), [&](const BlockLine& l) { return l.hasKeyword() && l.sameKeyword(wanted); });
            if (read != asRead.end()) {
                const size_t at = lineOf(*read);
                placed_[k] = at;
                const int was = before.find(wanted);
                if (was >= 0 && before[static_cast<size_t>(was)].text() == wanted.text())
                    continue;
                std::string line = respelled(read->text(), wanted.text(), true);
                if (line != read->text())
                    edits_.replace(at, std::move(line));
                continue;
            }
            // A line the block lacked follows the editor's lines before it and the line it
            // competes with, so that it is the one the simulator takes.
            size_t at = head;
            for (size_t j = 0; j < k; ++j)
                at = std::max(at, placed_[j]);
            if (const char* other = competing(wanted.keyword()))
                for (const BlockLine& line : asRead)
                    if (!line.hasKeyword() && keyOf(line.text()) == other)
                        at = std::max(at, lineOf(line));
            placed_[k] = at;
            edits_.insertAfter(static_cast<std::ptrdiff_t>(at), indented(wanted.text(), indent));
        }
        // The editor's lines it no longer writes go; lines it never wrote for these values
        // (a status it does not know) stay.
        for (const BlockLine& line : asRead)
            if (line.hasKeyword() && now.find(line) < 0 && before.find(line) >= 0)
                edits_.erase(lineOf(line), lineOf(line));
    }

    // New blocks go after the last block of the section that comes before them, or before the
    // section's end; their lines take the file's line end, and those of the editor the
    // indentation of the section's first STATUS line.
    void insertBlock(size_t after, const std::string& block, std::string_view indent) {
        for (size_t start = 0; start < block.size();) {
            const size_t end = block.find("\r\n", start);
            std::string_view line = std::string_view(block).substr(start, end - start);
            start = end + 2;
            edits_.insertAfter(static_cast<std::ptrdiff_t>(after),
                               startsWith(line, "  ") && !startsWith(line, "   ") ? indented(line, indent) : std::string(line));
        }
    }

    template <typename Row>
    void table(std::string_view key, const std::vector<Row>& rows, int count, const std::vector<BlockSpan>& blocks) {
        const SectionAsRead* section = m_.layout.find(std::string(key));
        std::vector<bool> kept(blocks.size());
        auto blockOf = [&](int32_t head) -> std::ptrdiff_t {
            if (head < 0)
                return -1;
            const auto found = std::lower_bound(blocks.begin(), blocks.end(), static_cast<uint32_t>(head),
                                                [](const BlockSpan& b, uint32_t h) { return b.head < h; });
            return found != blocks.end() && found->head == static_cast<uint32_t>(head) ? found - blocks.begin() : -1;
        };
        std::string_view indent = "  ";
        bool indentFound = false;
        std::vector<std::string> fresh; // blocks of new rows not yet placed
        auto placeFresh = [&](size_t after) {
            for (const std::string& block : fresh)
                insertBlock(after, block, indent);
            fresh.clear();
        };
        for (int i = 0; i < count && i < static_cast<int>(rows.size()); ++i) {
            const Row& row = rows[static_cast<size_t>(i)];
            const bool fromFile = sourceOf(row) == m_.source;
            // A row the reader made of lines without a head, or of a block it did not see to its
            // end, stays as the file has it.
            const std::ptrdiff_t block = fromFile ? blockOf(headOf(row)) : -1;
            if (fromFile && block < 0)
                continue;
            if (block < 0 || kept[static_cast<size_t>(block)]) {
                fresh.push_back(newBlock(row));
                continue;
            }
            kept[static_cast<size_t>(block)] = true;
            if (!indentFound)
                for (const BlockLine& line : linesOf(row))
                    if (line.is("STATUS") || line.is("REF")) {
                        indent = partsOf(line.text()).indent;
                        indentFound = true;
                        break;
                    }
            // New rows before this one go just before its head.
            placeFresh(static_cast<size_t>(headOf(row)) - 1);
            edit(row);
        }
        // A block of a row in use that no row in use holds any more was deleted.
        for (size_t b = 0; b < blocks.size(); ++b)
            if (!kept[b] && blocks[b].listed) {
                std::string name, className;
                readHead(blocks[b].head, name, className);
                deleted_.emplace_back(trimmed(name));
                edits_.erase(blocks[b].head, blocks[b].end);
            }
        if (fresh.empty())
            return;
        if (section) {
            placeFresh(section->last > section->first ? section->last - 1 : section->last);
            return;
        }
        std::vector<std::string> lines = {"BEGIN_" + std::string(key)};
        for (const std::string& block : fresh)
            for (size_t start = 0; start < block.size();) {
                const size_t end = block.find("\r\n", start);
                lines.emplace_back(block.substr(start, end - start));
                start = end + 2;
            }
        lines.push_back("END_" + std::string(key));
        insertSection(key, lines);
    }

    static const SourceBytes& sourceOf(const StationRow& row) { return row.StationSource; }
    static const SourceBytes& sourceOf(const ShipRow& row) { return row.ShipSource; }
    static int32_t headOf(const StationRow& row) { return row.StationHeadLine; }
    static int32_t headOf(const ShipRow& row) { return row.ShipHeadLine; }
    static const std::vector<BlockLine>& linesOf(const StationRow& row) { return row.StationBlockLines; }
    static const std::vector<BlockLine>& linesOf(const ShipRow& row) { return row.ShipBlockLines; }
    static std::string newBlock(const StationRow& row) { return newStationBlock(row); }
    static std::string newBlock(const ShipRow& row) { return newShipBlock(row); }

    static bool sameValues(const StationRow& a, const StationRow& b) {
        return a.StationRefTable == b.StationRefTable && a.StationSemiMajorAxisTable == b.StationSemiMajorAxisTable &&
               a.StationExcentricityTable == b.StationExcentricityTable &&
               a.StationInclinationTable == b.StationInclinationTable &&
               a.StationAscendingNodeLongitudeTable == b.StationAscendingNodeLongitudeTable &&
               a.StationPeriapsisLongitudeTable == b.StationPeriapsisLongitudeTable &&
               a.StationMeanLongitudeTable == b.StationMeanLongitudeTable &&
               a.StationOrbitalRefDate == b.StationOrbitalRefDate &&
               a.StationOrbitalRefHourTable == b.StationOrbitalRefHourTable &&
               a.StationOrbitalRefMinTable == b.StationOrbitalRefMinTable && a.StationXAngleTable == b.StationXAngleTable &&
               a.StationYAngleTable == b.StationYAngleTable && a.StationZAngleTable == b.StationZAngleTable &&
               a.StationRotationFrequencyTable == b.StationRotationFrequencyTable &&
               a.StationUseClassFrequency == b.StationUseClassFrequency &&
               a.StationNameTable == b.StationNameTable && a.StationClassTable == b.StationClassTable;
    }

    static bool sameValues(const ShipRow& a, const ShipRow& b) {
        return a.ShipStatusTable == b.ShipStatusTable && a.ShipPlanetTable == b.ShipPlanetTable &&
               a.ShipLandedBaseTable == b.ShipLandedBaseTable && a.ShipLandedPadTable == b.ShipLandedPadTable &&
               a.ShipLandedHeadingTable == b.ShipLandedHeadingTable &&
               a.ShipLandedLongitudeTable == b.ShipLandedLongitudeTable &&
               a.ShipLandedLatitudeTable == b.ShipLandedLatitudeTable &&
               a.ShipDockedStationTable == b.ShipDockedStationTable && a.ShipDockedPortTable == b.ShipDockedPortTable &&
               a.ShipRposXTable == b.ShipRposXTable && a.ShipRposYTable == b.ShipRposYTable &&
               a.ShipRposZTable == b.ShipRposZTable && a.ShipRvelXTable == b.ShipRvelXTable &&
               a.ShipRvelYTable == b.ShipRvelYTable && a.ShipRvelZTable == b.ShipRvelZTable &&
               a.ShipArotXTable == b.ShipArotXTable && a.ShipArotYTable == b.ShipArotYTable &&
               a.ShipArotZTable == b.ShipArotZTable && a.ShipVrotTable == b.ShipVrotTable &&
               a.ShipFuelTable == b.ShipFuelTable && a.ShipMainEngineTable == b.ShipMainEngineTable &&
               a.ShipHoverEngineTable == b.ShipHoverEngineTable && a.ShipNameTable == b.ShipNameTable &&
               a.ShipClassTable == b.ShipClassTable && a.ShipByElements == b.ShipByElements &&
               a.ShipElementsTable == b.ShipElementsTable;
    }

    // The head's name and class as read.
    void readHead(size_t head, std::string& name, std::string& className) const {
        const std::string_view text = trimmed(clearedOfComments(edits_.line(head)));
        const size_t colon = text.find(':');
        name = text.substr(0, colon);
        className = colon == std::string_view::npos ? text : text.substr(colon + 1);
    }

    void edit(const StationRow& row) {
        if (row.StationValuesAsRead != 0 && row.StationValuesAsRead == stationValuesMark(row))
            return;
        StationRow read;
        read.StationUseClassFrequency = true;
        if (row.StationToday && row.StationTodayAsRead) {
            // A today's vessel's values as read came from the reading of its block (the orbit of
            // a position and velocity at the scenario date among them).
            read = *row.StationTodayAsRead;
            if (sameValues(read, row))
                return;
            read.StationTodayAsRead = row.StationTodayAsRead;
            read.StationBlockLines = row.StationBlockLines;
            stationOwnedLines(read, before_);
            stationOwnedLines(row, now_);
            editBlock(static_cast<size_t>(row.StationHeadLine), row.StationNameTable, row.StationClassTable,
                      row.StationBlockLines, before_, now_);
            return;
        }
        readHead(static_cast<size_t>(row.StationHeadLine), read.StationNameTable, read.StationClassTable);
        for (const BlockLine& line : row.StationBlockLines) {
            if (!line.hasKeyword())
                continue;
            const std::string_view text = trimmed(clearedOfComments(line.text()));
            const size_t blank = text.find(' ');
            if (blank != std::string_view::npos)
                readStationLine(read, line.keyword(), text.substr(blank + 1));
        }
        // A station nobody changed keeps every line.
        if (sameValues(read, row))
            return;
        read.StationBlockLines = row.StationBlockLines;
        stationOwnedLines(read, before_);
        stationOwnedLines(row, now_);
        editBlock(static_cast<size_t>(row.StationHeadLine), row.StationNameTable, row.StationClassTable,
                  row.StationBlockLines, before_, now_);
    }

    void edit(const ShipRow& row) {
        // Most ships of a huge scenario are as read: their mark says so without reading their lines
        // again.
        if (row.ShipValuesAsRead != 0 && row.ShipValuesAsRead == shipValuesMark(row))
            return;
        blankShipValues(read_);
        for (std::string* field : {&read_.ShipStatusTable, &read_.ShipPlanetTable, &read_.ShipLandedBaseTable,
                                   &read_.ShipLandedPadTable, &read_.ShipDockedStationTable, &read_.ShipDockedPortTable})
            field->clear();
        readHead(static_cast<size_t>(row.ShipHeadLine), read_.ShipNameTable, read_.ShipClassTable);
        for (const BlockLine& line : row.ShipBlockLines)
            if (line.hasKeyword())
                readShipLine(read_, Keyword::find(line.keyword()), trimmed(clearedOfComments(line.text())));
        // A today's ship docked to a station was read "Docked" from its tokens.
        read_.ShipToday = row.ShipToday;
        read_.ShipByElements = false;
        read_.ShipElementsTable.clear();
        for (const BlockLine& line : row.ShipBlockLines)
            if (line.is("ELEMENTS"))
                readShipLine(read_, "ELEMENTS", trimmed(clearedOfComments(line.text())));
        if (row.ShipToday && !row.ShipDockedStationAsRead.empty()) {
            read_.ShipStatusTable = "Docked";
            read_.ShipDockedStationTable = row.ShipDockedStationAsRead;
            read_.ShipDockedPortTable = row.ShipDockedPortAsRead;
        }
        // A ship nobody changed keeps every line.
        if (sameValues(read_, row))
            return;
        read_.ShipFromFile = row.ShipFromFile;
        read_.ShipFuelByTank = row.ShipFuelByTank;
        read_.ShipLandedLongitudeTable.clear();
        read_.ShipLandedLatitudeTable.clear();
        for (const BlockLine& line : row.ShipBlockLines)
            if (line.is("POS"))
                readShipLine(read_, "POS", trimmed(clearedOfComments(line.text())));
        read_.ShipBlockLines = row.ShipBlockLines;
        shipOwnedLines(read_, before_);
        shipOwnedLines(row, now_);
        editBlock(static_cast<size_t>(row.ShipHeadLine), row.ShipNameTable, row.ShipClassTable, row.ShipBlockLines,
                  before_, now_);
        // ALT counts only with the landed attitude: when that goes, so does ALT.
        const BlockLine arot(Keyword("AROT"), {});
        if (row.ShipToday && equalsIgnoringCase(trimmed(read_.ShipStatusTable), "Landed") && before_.find(arot) >= 0 &&
            now_.find(arot) < 0)
            for (const BlockLine& line : row.ShipBlockLines)
                if (keyOf(line.text()) == "ALT")
                    edits_.erase(lineOf(line), lineOf(line));
    }

    // ---- a today's file's links between vessels

    // The changes to one block's DOCKINFO tokens: those naming a vessel of `drop` (as read) go,
    // and `add` follows the others.
    struct DockEdit {
        std::vector<std::string> drop;
        std::vector<std::string> add;
    };

    // The block of the file whose head is that line, or nothing.
    const BlockSpan* blockAt(int32_t head) const {
        if (head < 0)
            return nullptr;
        for (const std::vector<BlockSpan>* blocks : {&m_.layout.shipBlocks, &m_.layout.stationBlocks}) {
            const auto found = std::lower_bound(blocks->begin(), blocks->end(), static_cast<uint32_t>(head),
                                                [](const BlockSpan& b, uint32_t h) { return b.head < h; });
            if (found != blocks->end() && found->head == static_cast<uint32_t>(head))
                return &*found;
        }
        return nullptr;
    }

    // The tokens of the block's last DOCKINFO line, as read.
    std::vector<std::string_view> tokensOf(const BlockSpan& block) const {
        std::vector<std::string_view> tokens;
        for (size_t i = block.head + 1; i < block.end && i < edits_.lineCount(); ++i)
            if (keyOf(edits_.line(i)) == "DOCKINFO") {
                tokens.clear();
                const std::vector<Word> words = wordsOf(partsOf(edits_.line(i)).body);
                for (size_t k = 1; k < words.size(); ++k)
                    tokens.push_back(words[k].text);
            }
        return tokens;
    }

    static std::string_view partnerOf(std::string_view token) {
        const size_t comma = token.find(',');
        return comma == std::string_view::npos ? std::string_view() : token.substr(comma + 1);
    }

    // A ship docked to a station of the tab holds a token naming the station, and the station one
    // naming the ship. A ship docked, moved to another port or undocked changes both sides; a
    // ship listed before the station it docks to moves to just after it, so that the station
    // places the pair.
    void docking() {
        // The stations of the file by their names now, and their names as read.
        std::map<std::string, int32_t> headByName;
        std::map<std::string, std::string> nameNowByNameRead;
        for (int k = 0; k < m_.stationCount && m_.validStation(k); ++k) {
            const StationRow& station = m_.stations[static_cast<size_t>(k)];
            if (!station.StationToday || station.StationSource != m_.source || !blockAt(station.StationHeadLine))
                continue;
            std::string name, className;
            readHead(static_cast<size_t>(station.StationHeadLine), name, className);
            headByName.emplace(trim(station.StationNameTable), station.StationHeadLine);
            nameNowByNameRead.emplace(trim(name), trim(station.StationNameTable));
        }
        for (int k = 0; k < m_.shipCount && m_.validShip(k); ++k) {
            const ShipRow& ship = m_.ships[static_cast<size_t>(k)];
            if (!ship.ShipToday)
                continue;
            const BlockSpan* block = ship.ShipSource == m_.source ? blockAt(ship.ShipHeadLine) : nullptr;
            const bool docked = equalsIgnoringCase(trim(ship.ShipStatusTable), "Docked");
            const std::string station = docked ? trim(ship.ShipDockedStationTable) : std::string();
            const std::string port = docked ? trim(ship.ShipDockedPortTable) : std::string();
            const std::string stationRead = block ? ship.ShipDockedStationAsRead : std::string();
            const auto renamed = nameNowByNameRead.find(stationRead);
            const std::string stationReadNow = renamed != nameNowByNameRead.end() ? renamed->second : stationRead;
            if (station == stationReadNow && (!docked || port == ship.ShipDockedPortAsRead))
                continue;
            if (!block) {
                // A new ship's block carries its own token (port 0): the station gets the other.
                if (const auto to = headByName.find(station); docked && to != headByName.end())
                    dockEdits_[static_cast<size_t>(to->second)].add.push_back(
                        std::to_string(static_cast<int>(leadingNumberValue(port)) - 1) + ":0," + trim(ship.ShipNameTable));
                continue;
            }
            std::string nameRead, className;
            readHead(block->head, nameRead, className);
            nameRead = trim(nameRead);
            int own = ship.ShipOwnPortAsRead;
            if (!stationRead.empty()) {
                dockEdits_[block->head].drop.push_back(stationRead);
                if (const auto from = headByName.find(stationReadNow); from != headByName.end())
                    dockEdits_[static_cast<size_t>(from->second)].drop.push_back(nameRead);
            }
            if (!docked)
                continue;
            if (own < 0) {
                // The lowest port the ship's other links leave free.
                std::vector<int> used;
                for (std::string_view token : tokensOf(*block))
                    used.push_back(static_cast<int>(leadingNumberValue(std::string(token.substr(0, token.find(':'))))));
                own = 0;
                while (std::find(used.begin(), used.end(), own) != used.end())
                    ++own;
            }
            const int stationPort = static_cast<int>(leadingNumberValue(port)) - 1;
            dockEdits_[block->head].add.push_back(std::to_string(own) + ":" + std::to_string(stationPort) + "," + station);
            const auto to = headByName.find(station);
            if (to == headByName.end())
                continue;
            dockEdits_[static_cast<size_t>(to->second)].add.push_back(std::to_string(stationPort) + ":" +
                                                                      std::to_string(own) + "," + trim(ship.ShipNameTable));
            if (to->second > static_cast<int32_t>(block->head))
                if (const BlockSpan* stationBlock = blockAt(to->second))
                    edits_.moveAfter(block->head, block->end, stationBlock->end);
        }
    }

    // A today's file joins vessels by name: DOCKINFO tokens name the partner, ATTACHED the
    // parent. A renamed vessel's name follows in both; a deleted one's tokens go, and so do the
    // ATTACHED lines of its children. Then the docking changes: a block without a DOCKINFO line
    // gets one after the last line that places it.
    void references() {
        if (renamed_.empty() && deleted_.empty() && dockEdits_.empty())
            return;
        const SectionAsRead* section = m_.layout.find("SHIPS");
        if (!section)
            return;
        auto isDeleted = [&](std::string_view name) {
            return std::find(deleted_.begin(), deleted_.end(), name) != deleted_.end();
        };
        // The block each line lies in, found as the walk passes the heads.
        std::vector<const BlockSpan*> blocks;
        for (const std::vector<BlockSpan>* list : {&m_.layout.shipBlocks, &m_.layout.stationBlocks})
            for (const BlockSpan& b : *list)
                blocks.push_back(&b);
        std::sort(blocks.begin(), blocks.end(), [](const BlockSpan* a, const BlockSpan* b) { return a->head < b->head; });
        auto nextBlock = blocks.begin();
        const BlockSpan* block = nullptr;
        std::map<size_t, size_t> lastDockLine; // by block head
        auto dockEditOf = [&](const BlockSpan* b) -> const DockEdit* {
            if (!b)
                return nullptr;
            const auto found = dockEdits_.find(b->head);
            return found == dockEdits_.end() ? nullptr : &found->second;
        };
        std::vector<std::pair<size_t, const BlockSpan*>> linked; // DOCKINFO and ATTACHED lines
        for (size_t i = section->first + 1; i < section->last && i < edits_.lineCount(); ++i) {
            while (nextBlock != blocks.end() && (*nextBlock)->head <= i)
                block = *nextBlock++;
            const std::string key = keyOf(edits_.line(i));
            if (key != "DOCKINFO" && key != "ATTACHED")
                continue;
            const BlockSpan* within = block && i <= block->end ? block : nullptr;
            linked.emplace_back(i, within);
            if (key == "DOCKINFO" && within)
                lastDockLine[within->head] = i;
        }
        for (const auto& [i, within] : linked) {
            if (edits_.erased(i))
                continue;
            const std::string key = keyOf(edits_.line(i));
            if (key != "DOCKINFO" && key != "ATTACHED")
                continue;
            const bool lastDock = key == "DOCKINFO" && within && lastDockLine[within->head] == i;
            const DockEdit* dock = lastDock ? dockEditOf(within) : nullptr;
            const LineParts parts = partsOf(edits_.line(i));
            const std::vector<Word> words = wordsOf(parts.body);
            if (words.empty())
                continue;
            std::string line(parts.indent);
            line += words[0].text;
            bool changed = false;
            size_t kept = 0;
            for (size_t k = 1; k < words.size(); ++k) {
                const std::string_view token = words[k].text;
                const std::string_view partner = partnerOf(token);
                const bool dropped = dock && std::find(dock->drop.begin(), dock->drop.end(), partner) != dock->drop.end();
                if (!partner.empty() && (isDeleted(partner) || dropped)) {
                    changed = true;
                    continue;
                }
                line += words[k].before;
                const auto renamed = partner.empty() ? renamed_.end() : renamed_.find(std::string(partner));
                if (renamed != renamed_.end()) {
                    line += token.substr(0, token.size() - partner.size());
                    line += renamed->second;
                    changed = true;
                } else {
                    line += token;
                }
                ++kept;
            }
            if (dock)
                for (const std::string& token : dock->add) {
                    line += ' ';
                    line += token;
                    changed = true;
                    ++kept;
                }
            if (!changed)
                continue;
            if (kept == 0)
                edits_.erase(i, i);
            else
                edits_.replace(i, line + std::string(parts.rest));
        }
        // Blocks that gain a token and had no DOCKINFO line.
        for (const auto& [head, dock] : dockEdits_) {
            if (dock.add.empty() || lastDockLine.count(head))
                continue;
            const BlockSpan* b = blockAt(static_cast<int32_t>(head));
            if (!b)
                continue;
            size_t after = head;
            std::string_view indent = "  ";
            for (size_t i = head + 1; i < b->end && i < edits_.lineCount(); ++i) {
                const std::string k = keyOf(edits_.line(i));
                if (k == "STATUS")
                    indent = partsOf(edits_.line(i)).indent;
                if (k == "STATUS" || k == "RPOS" || k == "RVEL" || k == "ELEMENTS" || k == "BASE" || k == "POS")
                    after = i;
            }
            std::string line(indent);
            line += "DOCKINFO";
            for (const std::string& token : dock.add)
                line += " " + token;
            edits_.insertAfter(static_cast<std::ptrdiff_t>(after), std::move(line));
        }
    }

    void stations() {
        table(m_.format == FileFormat::Today ? "SHIPS" : "STATIONS", m_.stations, m_.stationCount,
              m_.layout.stationBlocks);
    }
    void ships() { table("SHIPS", m_.ships, m_.shipCount, m_.layout.shipBlocks); }

    const Scenario& m_;
    LineEdits edits_;
    // Room reused from block to block.
    OwnedLines before_, now_;
    ShipRow read_;
    std::vector<size_t> placed_;
    // Names as read of the vessels renamed and deleted.
    std::map<std::string, std::string> renamed_;
    std::vector<std::string> deleted_;
    // By the head line of the block they change.
    std::map<size_t, DockEdit> dockEdits_;
};

} // namespace

std::string editedScenario(const Scenario& scenario) { return Editor(scenario).run(); }

} // namespace vantrel
