#include "core/scenario/ScenarioFile.h"

#include "core/scenario/BlockLines.h"
#include "core/scenario/ScenarioEdits.h"

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

// A scenario that has no file yet, written whole: every section in its own form, every line
// ending with CR LF, a blank line between sections. A document read from a file is written by
// editing its bytes instead (ScenarioEdits).

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

// The start time is written to the minute; a calendar without a date (it always has one once
// the window is open) starts today.
std::string environmentText(const Scenario& m) {
    const int day = m.start.day.value_or(today());
    const double startMjd = mjdFromDayTime(day, leadingNumberValue(m.start.hour), leadingNumberValue(m.start.minute));
    Lines out;
    out.line("BEGIN_ENVIRONMENT");
    out.line("  System " + trim(m.system));
    out.line("  Date MJD " + numberText(startMjd));
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

// Every section in the editor's order, a blank line between them.
std::string scenarioText(const Scenario& m) {
    std::string text;
    text.reserve(65536);
    for (const char* key : {"DESC", "ENVIRONMENT", "FOCUS", "CAMERA", "HUD", "MFD LEFT", "MFD RIGHT", "STATIONS", "SHIPS"}) {
        if (!text.empty())
            text += "\r\n";
        const std::string_view k = key;
        if (k == "DESC")
            text += descriptionBlock(m.description);
        else if (k == "ENVIRONMENT")
            text += environmentText(m);
        else if (k == "FOCUS")
            text += focusText(m);
        else if (k == "STATIONS")
            text += stationsText(m);
        else if (k == "SHIPS")
            shipsText(m, text);
        else
            text += viewText(m, key);
    }
    return text;
}

// Room reused from block to block.
struct BlockScratch {
    OwnedLines owned;
    std::vector<BlockLine> lines;
};

void stationBlock(Lines& out, const StationRow& s, BlockScratch& scratch) {
    out.line({trimmed(s.StationNameTable), ":", trimmed(s.StationClassTable)});
    stationOwnedLines(s, scratch.owned);
    writeBlock(out, s.StationBlockLines, {}, scratch.owned, scratch.lines);
    if (s.StationLinesNotTaken.empty())
        out.line("END");
    for (const std::string& line : s.StationLinesNotTaken)
        out.line(line);
}

void shipBlock(Lines& out, const ShipRow& s, BlockScratch& scratch) {
    out.line({trimmed(s.ShipNameTable), ":", trimmed(s.ShipClassTable)});
    shipOwnedLines(s, scratch.owned);
    writeBlock(out, s.ShipBlockLines, s.ShipExtraLines, scratch.owned, scratch.lines);
    // A new ship of a today's file docks by its port 0; the station's block gets the other token.
    const bool tokenRead = std::any_of(s.ShipBlockLines.begin(), s.ShipBlockLines.end(),
                                       [](const BlockLine& line) { return keyOf(line.text()) == "DOCKINFO"; });
    if (s.ShipToday && equalsIgnoringCase(trimmed(s.ShipStatusTable), "Docked") && !tokenRead)
        out.line({"  DOCKINFO 0:", std::to_string(static_cast<int>(leadingNumberValue(s.ShipDockedPortTable)) - 1), ",",
                  trimmed(s.ShipDockedStationTable)});
    if (s.ShipLinesNotTaken.empty())
        out.line("END");
    for (const std::string& line : s.ShipLinesNotTaken)
        out.line(line);
}

std::string stationsText(const Scenario& m) {
    Lines out;
    const int stations = m.stationCount;
    if (stations > 0) {
        out.line("BEGIN_STATIONS");
        BlockScratch scratch;
        for (int i = 0; i < stations && m.validStation(i); ++i)
            stationBlock(out, m.stations[static_cast<size_t>(i)], scratch);
        out.line("END_STATIONS");
    }
    return out.take();
}

void shipsText(const Scenario& m, std::string& text) {
    Lines out(text);
    const int ships = m.shipCount;
    if (ships > 0) {
        out.line("BEGIN_SHIPS");
        BlockScratch scratch;
        for (int i = 0; i < ships && m.validShip(i); ++i)
            shipBlock(out, m.ships[static_cast<size_t>(i)], scratch);
        out.line("END_SHIPS");
    }
}

} // namespace

std::string newStationBlock(const StationRow& station) {
    Lines out;
    BlockScratch scratch;
    stationBlock(out, station, scratch);
    return out.take();
}

std::string newShipBlock(const ShipRow& ship) {
    Lines out;
    BlockScratch scratch;
    shipBlock(out, ship, scratch);
    return out.take();
}

std::string writeScenario(const Scenario& scenario) {
    if (scenario.layout.read && scenario.source)
        return editedScenario(scenario);
    return scenarioText(scenario);
}

} // namespace vantrel
