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

// The scenario as the writer of a new file writes it: every section in its own form, every line
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
