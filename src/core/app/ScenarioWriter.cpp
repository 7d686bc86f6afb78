#include "core/app/ScenarioWriter.h"

#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/files/Description.h"
#include "core/platform/TextFile.h"
#include "core/app/Vantrel.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace vantrel {

namespace {

class Lines {
public:
    void line(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// A text that is a number as a whole (blanks around allowed): "45", "-1.5e2"; not "Toto".
bool wholeNumber(const std::string& text) { return plainNumberValue(trim(text)).has_value(); }

std::string number(const std::string& text) { return numberText(leadingNumberValue(trim(text))); }

// A line's keyword or marker: its first word, upper-cased, without comment.
std::string keyOf(const std::string& line) {
    const std::string text = upper(trim(ClearComments(line)));
    return text.substr(0, text.find(' '));
}

// The simulator lets a later line win over an earlier one: a line the block lacked goes after
// the line it competes with.
const char* competing(const std::string& keyword) {
    if (keyword == "FUEL")
        return "PRPLEVEL";
    if (keyword == "RPOS" || keyword == "RVEL")
        return "ELEMENTS";
    if (keyword == "BASE")
        return "POS";
    return nullptr;
}

// A station's or ship's lines after its head. One the file gave keeps every line in its place:
// the editor's lines stand where the block had them (the ones it no longer writes go), the
// others as read, and an editor's line the block lacked follows the editor's lines before it
// and the line it competes with. Any other: the editor's lines, then its other lines.
std::vector<std::string> blockLines(const std::vector<BlockLine>& asRead, const std::string& others,
                                    const std::vector<BlockLine>& owned) {
    std::vector<BlockLine> lines;
    if (asRead.empty()) {
        lines = owned;
        if (!others.empty())
            lines.push_back({"", others});
    } else {
        for (const BlockLine& line : asRead) {
            if (line.keyword.empty()) {
                lines.push_back(line);
                continue;
            }
            const auto mine = std::find_if(owned.begin(), owned.end(),
                                           [&](const BlockLine& o) { return o.keyword == line.keyword; });
            if (mine != owned.end())
                lines.push_back(*mine);
        }
        auto placed = [&](const std::string& keyword) {
            for (size_t i = 0; i < lines.size(); ++i)
                if (lines[i].keyword == keyword)
                    return static_cast<int>(i);
            return -1;
        };
        for (size_t k = 0; k < owned.size(); ++k) {
            const BlockLine& add = owned[k];
            if (placed(add.keyword) >= 0)
                continue;
            size_t at = 0;
            for (size_t j = 0; j < k; ++j)
                at = std::max(at, static_cast<size_t>(placed(owned[j].keyword) + 1));
            if (const char* other = competing(add.keyword))
                for (size_t i = 0; i < lines.size(); ++i)
                    if (lines[i].keyword.empty() && keyOf(lines[i].text) == other)
                        at = std::max(at, i + 1);
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), add);
        }
    }
    std::vector<std::string> texts;
    for (BlockLine& line : lines)
        texts.push_back(std::move(line.text));
    return texts;
}

int today() {
    using namespace std::chrono;
    const sys_days now = floor<days>(system_clock::now());
    return static_cast<int>(now.time_since_epoch().count()) + 25569;
}

} // namespace

ScenarioWriter::ScenarioWriter(Vantrel& main) : w_(main) {}

std::string ScenarioWriter::descriptionText() const { return descriptionBlock(w_.env.Description.text()); }

std::string ScenarioWriter::environmentText(const SectionAsRead* asRead) const {
    const ui::EnvironmentTab& env = w_.env;
    const Scenario& m = w_.model;
    // A calendar without a date (it always has one once the window is open) starts today.
    const int day = env.Calendar.date().value_or(today());
    const double startMjd =
        mjdFromDayTime(day, leadingNumberValue(env.Hour.text()), leadingNumberValue(env.Minute.text()));
    const std::string system = "  System " + trim(env.PlanetarySystem.text());
    const std::string date = "  Date MJD " + numberText(startMjd);
    // A start time nobody changed is written as the file had it: its form, its digits and its
    // seconds, and "Date MJD ;" (the simulator's "now") stays "now".
    const bool changed = !m.layout.read || !(StartTime{env.Calendar.date(), env.Hour.text(), env.Minute.text()} ==
                                             m.startAsRead);

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

std::string ScenarioWriter::focusText() const {
    Lines out;
    out.line("BEGIN_FOCUS");
    out.line("  Ship " + trim(w_.env.ShipFocus.caption()));
    out.line("END_FOCUS");
    return out.take();
}

std::string ScenarioWriter::viewText(const std::string& key) const {
    Lines out;
    if (key == "CAMERA") {
        out.line("BEGIN_CAMERA");
        out.line("  Target " + trim(w_.env.ShipFocus.caption()));
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

std::string ScenarioWriter::cameraText(const SectionAsRead& asRead) const {
    // The author's camera, as read; a ship it targeted is followed through a rename, and once
    // deleted the camera targets the user-controlled ship.
    std::string target;
    if (w_.model.cameraTargetIsShip) {
        target = trim(w_.env.ShipFocus.caption());
        for (int k = 0; k < w_.shipCount() && w_.model.validShip(k); ++k)
            if (w_.model.ships[static_cast<size_t>(k)].ShipCameraTarget) {
                target = trim(w_.model.ships[static_cast<size_t>(k)].ShipNameTable);
                break;
            }
    }
    const std::optional<std::string> read = sectionValue(asRead, "TARGET");
    Lines out;
    for (const std::string& line : asRead.lines) {
        if (w_.model.cameraTargetIsShip && keyOf(line) == "TARGET" && read && target != *read)
            out.line(line.substr(0, line.find_first_not_of(" \t")) + "TARGET " + target);
        else
            out.line(line);
    }
    return out.take();
}

std::string ScenarioWriter::scenarioText() const {
    // The editor's sections in the order it writes them; any other section is written as read.
    static const std::vector<std::string> own = {"DESC",     "ENVIRONMENT", "FOCUS",    "CAMERA", "HUD",
                                                 "MFD LEFT", "MFD RIGHT",   "STATIONS", "SHIPS"};
    const FileLayout& layout = w_.model.layout;
    // Each chunk is a section with the comments before it; a blank line parts them.
    std::vector<std::string> chunks;

    // A section the file lacked takes its place among the editor's sections. A description is
    // only written when there is one: the simulator shows DESC before HYPERDESC, so an empty one
    // would hide the other.
    auto lacking = [&](const std::string& key) {
        if (key == "DESC") {
            if (!layout.read || !w_.env.Description.text().empty())
                chunks.push_back(descriptionText());
        } else if (key == "ENVIRONMENT") {
            chunks.push_back(environmentText(nullptr));
        } else if (key == "FOCUS") {
            chunks.push_back(focusText());
        } else if (key == "STATIONS") {
            chunks.push_back(stationsText());
        } else if (key == "SHIPS") {
            chunks.push_back(shipsText());
        } else {
            chunks.push_back(viewText(key));
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
            chunks.push_back(asRead(section.comments) + asRead(section.lines));
            continue;
        }
        const size_t index = static_cast<size_t>(found - own.begin());
        lackingUpTo(index);
        std::string text;
        if (section.key == "DESC")
            text = w_.env.Description.text() == w_.model.descriptionAsRead ? asRead(section.lines) : descriptionText();
        else if (section.key == "ENVIRONMENT")
            text = environmentText(&section);
        else if (section.key == "FOCUS")
            text = focusText();
        else if (section.key == "STATIONS")
            text = stationsText();
        else if (section.key == "SHIPS")
            text = shipsText();
        else if (section.key == "CAMERA")
            text = cameraText(section);
        else
            text = asRead(section.lines); // the author's HUD and MFD set-up
        chunks.push_back(asRead(section.comments) + text);
        nextOwn = std::max(nextOwn, index + 1);
        lackingAfter();
    }
    lackingUpTo(own.size());
    if (!layout.after.empty())
        chunks.push_back(asRead(layout.after));

    std::string text;
    for (size_t k = 0; k < chunks.size(); ++k) {
        if (k > 0)
            text += "\r\n";
        text += chunks[k];
    }
    return text;
}

std::string ScenarioWriter::stationsText() const {
    Lines out;
    const int stations = w_.stationCount();
    if (stations > 0) {
        out.line("BEGIN_STATIONS");
        for (int i = 0; i < stations && w_.model.validStation(i); ++i) {
            const StationRow& s = w_.model.stations[static_cast<size_t>(i)];
            out.line(trim(s.StationNameTable) + ":" + trim(s.StationClassTable));
            std::vector<BlockLine> owned; // in the order the editor writes them
            auto put = [&](const char* keyword, std::string text) { owned.push_back({keyword, std::move(text)}); };
            // A keyword line without any value could not be read back (and would end the
            // reading of every station after it), so it is left out.
            if (!trim(s.StationRefTable).empty())
                put("REF", "  REF " + trim(s.StationRefTable));
            // A station never given an epoch has none to write; the simulator then takes the
            // scenario's start.
            if (s.StationOrbitalRefDate)
                put("EL_MJD", "  EL_MJD " + numberText(mjdFromDayTime(*s.StationOrbitalRefDate,
                                                                 leadingNumberValue(s.StationOrbitalRefHourTable),
                                                                 leadingNumberValue(s.StationOrbitalRefMinTable))));
            const std::string elements =
                trim(s.StationSemiMajorAxisTable) + " " + trim(s.StationExcentricityTable) + " " +
                trim(s.StationInclinationTable) + " " + trim(s.StationAscendingNodeLongitudeTable) + " " +
                trim(s.StationPeriapsisLongitudeTable) + " " + trim(s.StationMeanLongitudeTable);
            if (!trim(elements).empty())
                put("ELEMENTS", "  ELEMENTS " + elements);
            const std::string angles =
                trim(s.StationXAngleTable) + " " + trim(s.StationYAngleTable) + " " + trim(s.StationZAngleTable);
            // A station with its own frequency keeps its angles too: without them it read back
            // with empty angles, which validation refuses.
            if (!s.StationUseClassFrequency && !trim(s.StationRotationFrequencyTable).empty())
                put("ZROT_FREQUENCY", "  ZROT_FREQUENCY " + trim(s.StationRotationFrequencyTable));
            if (!trim(angles).empty())
                put("AROT", "  AROT " + angles);
            for (const std::string& line : blockLines(s.StationBlockLines, {}, owned))
                out.line(line);
            if (s.StationLinesNotTaken.empty())
                out.line("END");
            for (const std::string& line : s.StationLinesNotTaken)
                out.line(line);
        }
        out.line("END_STATIONS");
    }
    return out.take();
}

std::string ScenarioWriter::shipsText() const {
    Lines out;
    const int ships = w_.shipCount();
    if (ships > 0) {
        out.line("BEGIN_SHIPS");
        for (int i = 0; i < ships && w_.model.validShip(i); ++i) {
            const ShipRow& s = w_.model.ships[static_cast<size_t>(i)];
            out.line(trim(s.ShipNameTable) + ":" + trim(s.ShipClassTable));
            const std::string status = trim(s.ShipStatusTable);
            const std::string planet = trim(s.ShipPlanetTable);
            // A ship the file gave keeps the lines it had; a line it lacked is written only when
            // the person changed its value, so nothing is made up for a ship placed by ELEMENTS
            // or docked by DOCKINFO (the simulator lets the first of a docked group place it).
            const bool fromFile = !s.ShipValuesAsRead.empty();
            std::vector<BlockLine> owned; // in the order the editor writes them
            auto put = [&](const char* keyword, std::string text) { owned.push_back({keyword, std::move(text)}); };
            auto had = [&](const char* keyword) { return s.ShipLinesAsRead.count(keyword) > 0; };
            auto changed = [&](const char* keyword) {
                const auto read = s.ShipValuesAsRead.find(keyword);
                return read == s.ShipValuesAsRead.end() || !sameShipValue(read->second, shipValue(s, keyword));
            };
            auto wanted = [&](const char* keyword) { return !fromFile || had(keyword) || changed(keyword); };
            auto vector = [&](const char* keyword, const std::string& x, const std::string& y, const std::string& z) {
                if (wanted(keyword))
                    put(keyword, std::string("  ") + keyword + " " + trim(x) + " " + trim(y) + " " + trim(z));
            };
            auto fuelAndEngines = [&] {
                if (wanted("FUEL"))
                    put("FUEL", "  FUEL " + number(s.ShipFuelTable));
                // Engine levels: those the file had, and any other than 0 the person set.
                for (const char* engine : {"ENGINE_MAIN", "ENGINE_HOVR"}) {
                    const std::string& level = shipValue(s, engine);
                    if (had(engine) || (changed(engine) && leadingNumberValue(trim(level)) != 0))
                        put(engine, std::string("  ") + engine + " " + number(level));
                }
            };
            const auto readAs = [&](const char* word) {
                const auto read = s.ShipValuesAsRead.find("STATUS");
                return read != s.ShipValuesAsRead.end() && equalsIgnoringCase(trim(read->second), word);
            };
            if (equalsIgnoringCase(status, "Landed")) {
                put("STATUS", "  STATUS " + status + " " + planet);
                // A base without a pad is written as the simulator writes it ("BASE Habana"). A
                // ship landed by POS has no base until the person gives it one.
                const std::string base = trim(s.ShipLandedBaseTable);
                const std::string pad = trim(s.ShipLandedPadTable);
                if (wanted("BASE"))
                    put("BASE", "  BASE " + base + (pad.empty() && !base.empty() ? "" : ":" + pad));
                // The blank heading of a ship read without one is no heading at all.
                if (wholeNumber(s.ShipLandedHeadingTable))
                    put("HEADING", "  HEADING " + trim(s.ShipLandedHeadingTable));
                fuelAndEngines();
                // The editor shows no attitude for a landed ship; the simulator reads it.
                if (readAs("Landed") && had("AROT"))
                    put("AROT", s.ShipLinesAsRead.at("AROT"));
            } else if (equalsIgnoringCase(status, "Orbiting")) {
                put("STATUS", "  STATUS " + status + " " + planet);
                fuelAndEngines();
                vector("RPOS", s.ShipRposXTable, s.ShipRposYTable, s.ShipRposZTable);
                vector("RVEL", s.ShipRvelXTable, s.ShipRvelYTable, s.ShipRvelZTable);
                vector("AROT", s.ShipArotXTable, s.ShipArotYTable, s.ShipArotZTable);
                // The editor shows only the first of three spin values: unchanged, the line
                // stays as read.
                if (had("VROT") && !changed("VROT"))
                    put("VROT", s.ShipLinesAsRead.at("VROT"));
                else if (wanted("VROT"))
                    put("VROT", "  VROT " + number(s.ShipVrotTable));
            } else if (equalsIgnoringCase(status, "Docked")) {
                put("STATUS", "  STATUS " + status + " " + planet + ":" + trim(s.ShipDockedStationTable) + ":" +
                         trim(s.ShipDockedPortTable));
                fuelAndEngines();
            }
            for (const std::string& line : blockLines(s.ShipBlockLines, s.ShipExtraLines, owned))
                out.line(line);
            if (s.ShipLinesNotTaken.empty())
                out.line("END");
            for (const std::string& line : s.ShipLinesNotTaken)
                out.line(line);
        }
        out.line("END_SHIPS");
    }
    return out.take();
}

bool ScenarioWriter::ScenarioFileSaving(const std::string& path) {
    const std::string reason = platform::writeFileAtomically(path, scenarioText());
    if (reason.empty())
        return true;
    w_.services.dialogs.msgBox("The scenario could not be saved to the file " + path + " : " + reason +
                                   "\rThe file was left as it was.",
                               ui::MsgExclamation, "Saving failed");
    return false;
}

} // namespace vantrel
