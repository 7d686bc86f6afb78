#include "core/app/ScenarioReader.h"

#include "core/app/CatalogueLoader.h"
#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/editing/SelectionTrees.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/StationDisplay.h"
#include "core/platform/TextFile.h"
#include "core/tools/ErrorLog.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"

#include <array>
#include <string_view>
#include <utility>

namespace vantrel {

namespace {

constexpr const char* NoData = "No Data";

// What one line of a station or ship section is. Each line is exactly one of these, decided
// in this order: the block's end, a keyword line, a head, anything else.
enum class LineKind { Empty, End, Keyword, Head, Other };

constexpr std::array<std::string_view, 6> StationKeywords = {"REF", "EL_MJD", "ELEMENTS", "ZROT_FREQUENCY",
                                                             "ZROT_FREQ", "AROT"};
constexpr std::array<std::string_view, 10> ShipKeywords = {"STATUS", "BASE", "HEADING", "RPOS", "RVEL",
                                                           "AROT", "VROT", "FUEL", "ENGINE_MAIN", "ENGINE_HOVR"};

// The keyword a line stands for: its trimmed, upper-cased text is the keyword alone or begins
// with it and a blank. The longer of two keywords sharing a beginning is listed first.
template <size_t N>
std::string_view keywordOf(const std::string& upperTrimmed, const std::array<std::string_view, N>& keywords) {
    for (std::string_view k : keywords)
        if (upperTrimmed.size() >= k.size() && upperTrimmed.compare(0, k.size(), k) == 0 &&
            (upperTrimmed.size() == k.size() || upperTrimmed[k.size()] == ' '))
            return k;
    return {};
}

// A section line after ClearComments: its kind, and the keyword of a keyword line.
struct SectionLine {
    LineKind kind = LineKind::Other;
    std::string_view keyword;
};

// A head stands unindented in the file: an indented line whose comment made ClearComments trim
// it ("  PRPLEVEL 0:1 ; tanks") is still a line of the block, not a new ship or station.
template <size_t N>
SectionLine classify(const std::string& raw, const std::string& line, const std::string& upperTrimmed,
                     const std::array<std::string_view, N>& keywords) {
    if (upperTrimmed.empty())
        return {LineKind::Empty, {}};
    if (upperTrimmed == "END")
        return {LineKind::End, {}};
    if (std::string_view k = keywordOf(upperTrimmed, keywords); !k.empty())
        return {LineKind::Keyword, k};
    if (line.front() != ' ' && line.back() != ' ' && raw.front() != ' ')
        return {LineKind::Head, {}};
    return {LineKind::Other, {}};
}

// A keyword line's value: the line without the keyword and the one character after it. A line
// that is the keyword alone has no value and cannot be read.
std::optional<std::string> rest(const std::string& line, std::string_view keyword) {
    if (line.size() < keyword.size() + 1)
        return std::nullopt;
    return line.substr(keyword.size() + 1);
}

// Splits blank-separated values the way ELEMENTS and a station's AROT are read: each value but
// the last runs up to and including the next blank, and the text after that blank is trimmed;
// without a blank the value is empty and the text stays for the next one.
std::vector<std::string> splitValues(std::string text, size_t count) {
    std::vector<std::string> values;
    for (size_t i = 0; i + 1 < count; ++i) {
        const size_t blank = text.find(' ');
        if (blank == std::string::npos) {
            values.emplace_back();
            text = trim(text);
            continue;
        }
        values.push_back(text.substr(0, blank + 1));
        text = trim(text.substr(blank + 1));
    }
    values.push_back(text);
    return values;
}

// Splits "x y z" of a ship's RPOS, RVEL and AROT; nothing when a blank is missing.
std::optional<std::array<std::string, 3>> splitVector(const std::string& value) {
    std::string r = trim(value);
    const size_t first = r.find(' ');
    if (first == std::string::npos)
        return std::nullopt;
    std::array<std::string, 3> xyz;
    xyz[0] = r.substr(0, first);
    r = r.substr(first + 1);
    const size_t second = r.find(' ');
    if (second == std::string::npos)
        return std::nullopt;
    xyz[1] = r.substr(0, second);
    xyz[2] = r.substr(second + 1);
    return xyz;
}

} // namespace

std::optional<std::string> scenarioFileRefusal(const std::string& path) {
    const std::optional<std::string> bytes = platform::readFile(path);
    if (!bytes)
        return "The file " + path + " can not be read, so it was not opened.";
    if (bytes->find('\0') != std::string::npos)
        return "The file " + path + " is not a scenario file (it holds a NUL byte), so it was not opened.";
    for (const std::string& line : platform::splitLines(*bytes)) {
        const std::string clean = ClearComments(line);
        const size_t first = clean.find_first_not_of(" \t");
        if (first != std::string::npos && startsWithIgnoringCase(std::string_view(clean).substr(first), "BEGIN_"))
            return std::nullopt;
    }
    return "The file " + path + " is not a scenario file (it has no BEGIN_ line), so it was not opened.";
}

ScenarioReader::ScenarioReader(Vantrel& main) : w_(main) {}

std::string ScenarioReader::lookup(const std::vector<std::string>* lines, const std::string& path,
                                   const char* beginMarker, const char* endMarker, const char* key) {
    if (lines) {
        // The key is looked up in its own section, so a ship named "Shipyard" or a description
        // line beginning with "Date" cannot stand in for it.
        bool inSection = false;
        bool sectionFound = false;
        std::string answer = NoData;
        for (const std::string& line : *lines) {
            const std::string marker = upper(trim(ClearComments(line)));
            if (marker == beginMarker) {
                inSection = sectionFound = true;
                continue;
            }
            if (marker == endMarker) {
                inSection = false;
                continue;
            }
            if (!inSection)
                continue;
            for (const std::string& field : platform::commaFields(line)) {
                std::string f = ClearComments(trim(field));
                if (startsWithIgnoringCase(f, key))
                    answer = std::move(f);
            }
        }
        if (sectionFound)
            return answer;
    }
    return w_.catalogueLoader().GetData(path, key);
}

void ScenarioReader::readStartDate(const std::string& answer, const std::string& path) {
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
    const std::optional<DayTime> start = splitDate(dateFromMjd(mjd));
    if (!start) {
        w_.model.logScanError("The start date of the file " + path + " is out of range. ");
        return;
    }
    w_.env.Calendar.setDate(start->day);
    w_.env.Hour.setListIndex(start->hour);
    w_.env.Minute.setListIndex(start->minute);
}

void ScenarioReader::selectSystem(const std::string& name) {
    ui::ComboBox& systems = w_.env.PlanetarySystem;
    int index = -1;
    for (int i = 0; i < systems.listCount(); ++i)
        if (systems.list(i) == name) {
            index = i;
            break;
        }
    if (index < 0) {
        systems.addItem(name);
        w_.state.PlanetarySystemFile.addItem(name + ".cfg");
        index = systems.listCount() - 1;
    }
    systems.setListIndex(index);
    {
        ui::BusyPointer busy(w_.services.screen);
        w_.state.PlanetarySystemFile.setListIndex(index);
        w_.catalogueLoader().ExtractPlanet(w_.state.CfgDir.caption() + w_.state.PlanetarySystemFile.text());
    }
    w_.catalogueLoader().BaseUpDate();
}

int ScenarioReader::countHeads(const std::vector<std::string>& lines, const char* beginMarker,
                               const char* endMarker, bool candidates) {
    // Every line that directly follows the section's start or an "END" inside it is one head,
    // whatever it holds; lines empty of everything but comments are passed over.
    int count = 0;
    bool inSection = false;
    bool afterEnd = false;
    for (const std::string& line : lines) {
        const std::string cleared = ClearComments(line);
        const std::string t = upper(trim(cleared));
        if (inSection && t.empty())
            continue;
        if (t == endMarker)
            inSection = false;
        if (inSection && afterEnd) {
            ++count;
            if (candidates)
                w_.env.PossibleShipFocus.addItem(trim(cleared));
        }
        afterEnd = false;
        if (t == beginMarker)
            inSection = afterEnd = true;
        if (t == "END")
            afterEnd = true;
    }
    return count;
}

bool ScenarioReader::readStations(const std::vector<std::string>& lines, const std::string& path) {
    Scenario& m = w_.model;
    int row = 0;
    bool inSection = false;
    for (const std::string& raw : lines) {
        const std::string line = ClearComments(raw);
        const std::string l = trim(line);
        const std::string t = upper(l);
        if (!inSection) {
            inSection = t == "BEGIN_STATIONS";
            continue;
        }
        if (t == "END_STATIONS") {
            inSection = false;
            continue;
        }
        const SectionLine what = classify(raw, line, t, StationKeywords);
        if (what.kind == LineKind::End) {
            ++row;
            m.StationTableBlanking(row);
            continue;
        }
        if (!m.validStation(row))
            continue;
        StationRow& s = m.stations[static_cast<size_t>(row)];
        if (what.kind == LineKind::Head) {
            const size_t colon = l.find(':');
            s.StationNameTable = l.substr(0, colon);
            s.StationClassTable = colon == std::string::npos ? l : l.substr(colon + 1);
            w_.stationTab.StationName.addItem(s.StationNameTable);
            continue;
        }
        if (what.kind != LineKind::Keyword) {
            // Lines the editor does not know, comments included, stay in their place.
            if (!s.StationNameTable.empty() && raw.find_first_not_of(" \t") != std::string::npos)
                s.StationBlockLines.push_back({"", raw});
            continue;
        }
        // Of a keyword that repeats, the last line is the one read; an earlier one stays as read.
        const std::string key = what.keyword == "ZROT_FREQ" ? "ZROT_FREQUENCY" : std::string(what.keyword);
        for (BlockLine& earlier : s.StationBlockLines)
            if (earlier.keyword == key)
                earlier.keyword.clear();
        s.StationBlockLines.push_back({key, raw});
        const std::optional<std::string> value = rest(l, what.keyword);
        if (!value) {
            // The pass stops here; this line and the rest of the section stay with the station,
            // as read, so that saving loses none of the stations after it.
            s.StationBlockLines.pop_back();
            for (size_t i = static_cast<size_t>(&raw - lines.data());
                 i < lines.size() && upper(trim(ClearComments(lines[i]))) != "END_STATIONS"; ++i)
                s.StationLinesNotTaken.push_back(lines[i]);
            return false;
        }
        if (what.keyword == "REF") {
            s.StationRefTable = trim(*value);
        } else if (what.keyword == "EL_MJD") {
            const std::optional<DayTime> epoch = splitDate(dateFromMjd(leadingNumberValue(*value)));
            if (!epoch) {
                m.logScanError("An orbital element date of the file " + path + " is out of range. ");
                continue;
            }
            w_.stationTab.StationOrbitalRefTime.setDate(epoch->day);
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
            w_.stationTab.StationRotationFrequency.setText(*value);
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

bool ScenarioReader::readShips(const std::vector<std::string>& lines, int& row) {
    Scenario& m = w_.model;
    bool inSection = false;
    // The line that directly follows the section's start or an "END" is the one the counting
    // took for a ship.
    bool blockStart = false;
    // Comment lines between blocks: the simulator would take one for a nameless ship, so they
    // go to just after the next head.
    std::vector<std::string> between;
    // A line that cannot be read stops the pass: it and the rest of the section stay with the
    // ship being read, as read, so that saving loses none of the ships after it.
    auto stop = [&](const std::string& at) {
        if (m.validShip(row)) {
            ShipRow& ship = m.ships[static_cast<size_t>(row)];
            // The line itself was taken for one of the editor's lines before it failed.
            if (!ship.ShipBlockLines.empty() && ship.ShipBlockLines.back().text == at) {
                ship.ShipLinesAsRead.erase(ship.ShipBlockLines.back().keyword);
                ship.ShipBlockLines.pop_back();
            }
            rememberShipValues(ship);
            std::vector<std::string>& rest = ship.ShipLinesNotTaken;
            for (size_t i = static_cast<size_t>(&at - lines.data());
                 i < lines.size() && upper(trim(ClearComments(lines[i]))) != "END_SHIPS"; ++i)
                rest.push_back(lines[i]);
        }
        return false;
    };
    for (const std::string& raw : lines) {
        const std::string line = ClearComments(raw);
        const std::string l = trim(line);
        const std::string t = upper(l);
        if (!inSection) {
            inSection = blockStart = t == "BEGIN_SHIPS";
            continue;
        }
        if (t == "END_SHIPS") {
            inSection = false;
            continue;
        }
        const SectionLine what = classify(raw, line, t, ShipKeywords);
        if (what.kind == LineKind::Empty) {
            if (raw.find_first_not_of(" \t") == std::string::npos)
                continue;
            if (blockStart)
                between.push_back(raw);
            else if (m.validShip(row) && !m.ships[static_cast<size_t>(row)].ShipNameTable.empty())
                m.ships[static_cast<size_t>(row)].ShipBlockLines.push_back({"", raw});
            continue;
        }
        const bool startsBlock = std::exchange(blockStart, what.kind == LineKind::End);
        if (what.kind == LineKind::End) {
            if (m.validShip(row))
                rememberShipValues(m.ships[static_cast<size_t>(row)]);
            ++row;
            m.ShipTableBlanking(row);
            continue;
        }
        if (!m.validShip(row))
            continue;
        ShipRow& s = m.ships[static_cast<size_t>(row)];
        // A block starts with its head, the line the counting took for a ship, indented or not
        // ("  GL-01:DeltaGlider" in the simulator's own scenarios). It names the class after ":";
        // a head with its name alone ("Mir") is a ship of that class. Anywhere else a line is a
        // line of the block, unindented or holding ":" as it may be ("PRPLEVEL 0:0.43 1:0.56"
        // was taken for a ship, renaming the ship and adding an empty one).
        if (startsBlock) {
            const size_t colon = l.find(':');
            s.ShipNameTable = l.substr(0, colon);
            s.ShipClassTable = colon == std::string::npos ? l : l.substr(colon + 1);
            w_.shipTab.ShipName.addItem(s.ShipNameTable);
            for (std::string& comment : between)
                s.ShipBlockLines.push_back({"", std::move(comment)});
            between.clear();
            continue;
        }
        if (what.kind != LineKind::Keyword) {
            // Lines the editor does not know are kept for the ship and written back as they
            // were; a row without a name (no head where its block starts) keeps none.
            // A line whose comment was cut off keeps its indentation, so that it is written
            // back as a line of the block and never read again as a ship's head.
            if (!s.ShipNameTable.empty()) {
                const std::string kept = raw.substr(0, raw.find_first_not_of(' ')) + trimLeft(line);
                if (!s.ShipExtraLines.empty())
                    s.ShipExtraLines += "\r\n";
                s.ShipExtraLines += kept;
                s.ShipBlockLines.push_back({"", raw}); // comment included
            }
            continue;
        }
        const std::string_view k = what.keyword;
        // Of a keyword that repeats, the last line is the one read; an earlier one stays as read.
        for (BlockLine& earlier : s.ShipBlockLines)
            if (earlier.keyword == k)
                earlier.keyword.clear();
        s.ShipBlockLines.push_back({std::string(k), raw});
        s.ShipLinesAsRead[std::string(k)] = raw;
        if (k == "ENGINE_MAIN" || k == "ENGINE_HOVR") {
            if (l.size() < 12)
                return stop(raw);
            (k == "ENGINE_MAIN" ? s.ShipMainEngineTable : s.ShipHoverEngineTable) = trim(dropLeft(l, 12));
            continue;
        }
        if (k == "HEADING") {
            const size_t blank = l.find(' ');
            if (blank == std::string::npos)
                return stop(raw);
            s.ShipLandedHeadingTable = l.substr(blank + 1);
            continue;
        }
        const std::optional<std::string> value = rest(l, k);
        if (!value)
            return stop(raw);
        if (k == "STATUS") {
            const std::string status = trim(*value);
            const size_t blank = status.find(' ');
            if (blank == std::string::npos)
                return stop(raw);
            const std::string word = status.substr(0, blank);
            const std::string after = status.substr(blank + 1);
            if (equalsIgnoringCase(word, "Landed") || equalsIgnoringCase(word, "Orbiting")) {
                s.ShipPlanetTable = after;
            } else if (equalsIgnoringCase(word, "Docked")) {
                const std::string d = trim(after);
                const size_t first = d.find(':');
                if (first == std::string::npos)
                    return stop(raw);
                const size_t second = d.find(':', first + 1);
                if (second == std::string::npos)
                    return stop(raw);
                s.ShipPlanetTable = d.substr(0, first);
                s.ShipDockedStationTable = d.substr(first + 1, second - first - 1);
                s.ShipDockedPortTable = d.substr(second + 1);
            }
            s.ShipStatusTable = word;
        } else if (k == "BASE") {
            // The simulator's own scenarios also land a ship on a base without naming a pad
            // ("BASE Habana"): the pad is then empty, and the ships after it are still read.
            const std::string b = trim(*value);
            const size_t colon = b.find(':');
            s.ShipLandedBaseTable = b.substr(0, colon);
            s.ShipLandedPadTable = colon == std::string::npos ? std::string() : b.substr(colon + 1);
        } else if (k == "RPOS" || k == "RVEL" || k == "AROT") {
            const std::optional<std::array<std::string, 3>> xyz = splitVector(*value);
            if (!xyz)
                return stop(raw);
            std::string* fields[3] = {&s.ShipRposXTable, &s.ShipRposYTable, &s.ShipRposZTable};
            if (k == "RVEL")
                fields[0] = &s.ShipRvelXTable, fields[1] = &s.ShipRvelYTable, fields[2] = &s.ShipRvelZTable;
            else if (k == "AROT")
                fields[0] = &s.ShipArotXTable, fields[1] = &s.ShipArotYTable, fields[2] = &s.ShipArotZTable;
            for (int i = 0; i < 3; ++i)
                *fields[i] = (*xyz)[static_cast<size_t>(i)];
        } else if (k == "VROT") {
            s.ShipVrotTable = *value;
        } else if (k == "FUEL") {
            const std::string fuel = trim(*value);
            s.ShipFuelTable = leadingNumberValue(fuel) == 0.0 ? "0" : fuel;
        }
    }
    return !inSection;
}

void ScenarioReader::TabSettings() {
    Scenario& m = w_.model;
    ui::TextField& logText = w_.windows().errorLog().Text1;
    const std::string path = w_.state.ScnDir.caption() + w_.state.scnfile.caption();

    {
        ui::BusyPointer busy(w_.services.screen);

        m.ScanLog.clear();
        m.ScanErrorsFound = false;
        logText.setText({});

        // The file is read once; every pass below goes over these lines.
        const std::optional<std::vector<std::string>> read = platform::readLines(path);
        const std::vector<std::string>* lines = read ? &*read : nullptr;
        const std::string cannotOpen = "Can not open the file " + path;
        m.layout = lines ? scanLayout(*lines) : FileLayout{};
        m.descriptionAsRead = w_.env.Description.text();

        readStartDate(lookup(lines, path, "BEGIN_ENVIRONMENT", "END_ENVIRONMENT", "Date"), path);
        m.startAsRead = {w_.env.Calendar.date(), w_.env.Hour.text(), w_.env.Minute.text()};

        const std::string ship = lookup(lines, path, "BEGIN_FOCUS", "END_FOCUS", "Ship");
        w_.env.ShipFocus.setCaption(ship == NoData ? std::string() : trim(dropLeft(ship, 4)));

        selectSystem(trim(dropLeft(lookup(lines, path, "BEGIN_ENVIRONMENT", "END_ENVIRONMENT", "System"), 7)));

        int stations = 0;
        if (lines)
            stations = countHeads(*lines, "BEGIN_STATIONS", "END_STATIONS", false);
        else
            m.logScanError(cannotOpen);

        w_.env.PossibleShipFocus.clear();
        int ships = 0;
        if (lines)
            ships = countHeads(*lines, "BEGIN_SHIPS", "END_SHIPS", true);
        else
            m.logScanError(cannotOpen);
        if (w_.env.PossibleShipFocus.listCount() > 0)
            w_.env.PossibleShipFocus.setListIndex(0);

        w_.stationDisplay().StationTabReset();
        if (stations > 0) {
            m.StationTableRedim(stations);
            m.StationTableBlanking(0);
            w_.stationTab.StationName.clear();
            if (!readStations(*lines, path))
                m.logScanError(cannotOpen);
            if (w_.stationTab.StationName.listCount() > 0) {
                w_.stationTab.StationName.setListIndex(0);
                w_.stationDisplay().StationParameterDisplay();
            }
        }

        w_.trees().StationTreeUpdate();
        w_.trees().BaseTreeUpdate();

        w_.shipTab.ShipName.clear();
        if (ships > 0) {
            m.ShipTableRedim(ships);
            m.ShipTableBlanking(0);
            int row = 0;
            if (!readShips(*lines, row))
                m.logScanError(cannotOpen);
            w_.shipTab.ShipIndex.setCaption(std::to_string(row) + ":" + std::to_string(ships));
        }
        m.cameraTargetIsShip = false;
        if (const SectionAsRead* camera = m.layout.find("CAMERA"))
            if (const std::optional<std::string> target = sectionValue(*camera, "TARGET"))
                for (int k = 0; k < w_.shipCount() && m.validShip(k) && !m.cameraTargetIsShip; ++k)
                    if (trim(m.ships[static_cast<size_t>(k)].ShipNameTable) == *target)
                        m.cameraTargetIsShip = m.ships[static_cast<size_t>(k)].ShipCameraTarget = true;

        if (w_.shipTab.ShipName.listCount() > 0) {
            w_.shipTab.ShipName.setListIndex(0);
            if (w_.shipTab.Spacecraft.listCount() > 0)
                w_.shipTab.Spacecraft.setListIndex(0);
            w_.shipDisplay().ShipParameterDisplay();
            w_.shipTab.ShipName.setListIndex(0);
        } else {
            // No ship to show: the previous scenario's ship must not stay on the tab.
            w_.shipDisplay().ShipTabReset();
            if (w_.shipTab.Spacecraft.listCount() > 0)
                w_.shipTab.Spacecraft.setListIndex(0);
        }
        w_.shipTab.ShipDockedTree.setVisible(true);
        w_.shipTab.ShipLandingTree.setVisible(true);
        w_.env.Description.setVisible(true);
        w_.env.PossibleShipFocus.setVisible(true);
        if (w_.stationTab.StationRef.listCount() > 0)
            w_.stationTab.StationRef.setListIndex(0);
        if (w_.shipTab.OrbitingRef.listCount() > 0)
            w_.shipTab.OrbitingRef.setListIndex(0);
        w_.trees().StationDockTreeUpdate();
        w_.trees().BasePadTreeUpdate();
    }

    if (m.ScanErrorsFound) {
        logText.setText(m.ScanLog);
        w_.services.dialogs.msgBox(
            "Errors were found during file scanning; you can display them through the menu Tools/Error Log !",
            ui::MsgExclamation, "Warning");
    } else {
        logText.setText("No errors were found during file scanning for this scenario.");
    }
}

} // namespace vantrel
