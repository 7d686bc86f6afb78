#include "core/vessels/TodaysStations.h"

#include "core/platform/Beside.h"
#include "core/platform/TextFile.h"
#include "core/scenario/BlockLines.h"
#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <future>
#include <unordered_set>

namespace vantrel::vessels {

namespace {

// The words of a line after its keyword, without comment.
std::vector<std::string_view> valuesOf(std::string_view line) {
    line = line.substr(0, line.find(';'));
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    if (!words.empty())
        words.erase(words.begin());
    return words;
}

// A line's first word without comment, which is its keyword when it has one; `keyIs` compares
// it with a keyword as keyOf would, without making a text of it.
std::string_view firstWord(std::string_view line) {
    const std::string_view text = trimmed(clearedOfComments(line));
    return text.substr(0, text.find(' '));
}

bool keyIs(std::string_view line, std::string_view keyword) {
    // Most lines differ from the keyword at their first letter, which is cheap to find.
    const size_t first = line.find_first_not_of(' ');
    if (!keyword.empty() && (first == std::string_view::npos || asciiUpper(line[first]) != asciiUpper(keyword[0])))
        return false;
    return equalsIgnoringCase(firstWord(line), keyword);
}

bool isStationClass(const std::string& className, const std::vector<std::string>& stationClasses) {
    const std::string_view name = trimmed(className);
    return std::any_of(stationClasses.begin(), stationClasses.end(),
                       [&](const std::string& c) { return equalsIgnoringCase(trimmed(c), name); });
}

void setEpoch(StationRow& s, double mjd) {
    s.StationEpochMjd = mjd;
    if (const std::optional<DayTime> epoch = splitDate(dateFromMjd(mjd))) {
        s.StationOrbitalRefDate = epoch->day;
        s.StationOrbitalRefHourTable = std::to_string(epoch->hour);
        s.StationOrbitalRefMinTable = std::to_string(epoch->minute);
    }
}

// The block's lines with the keywords of a today's station; of a keyword that repeats, the last
// line is the one the simulator takes.
std::vector<BlockLine> stationLines(const std::vector<BlockLine>& shipLines) {
    static constexpr Keyword Kept[] = {"STATUS", "ELEMENTS", "RPOS", "RVEL", "AROT", "VROT"};
    std::vector<BlockLine> lines;
    lines.reserve(shipLines.size());
    for (const BlockLine& line : shipLines) {
        const std::string_view word = firstWord(line.text());
        const Keyword* keyword = std::find_if(std::begin(Kept), std::end(Kept),
                                              [&](Keyword k) { return equalsIgnoringCase(word, k.text()); });
        const bool kept = keyword != std::end(Kept);
        if (kept)
            for (BlockLine& earlier : lines)
                if (earlier.is(*keyword))
                    earlier.clearKeyword();
        lines.push_back(kept ? BlockLine(*keyword, line.text()) : BlockLine(Keyword::find(""), line.text()));
    }
    return lines;
}

// The station row of a vessel, or nothing when its orbit cannot be shown.
// The last of a block's lines whose keyword is `key`, as read.
std::optional<std::string_view> lastLine(const ShipRow& ship, std::string_view key) {
    std::optional<std::string_view> found;
    for (const BlockLine& line : ship.ShipBlockLines)
        if (keyIs(line.text(), key))
            found = line.text();
    return found;
}

std::optional<StationRow> stationOf(const ShipRow& ship, const Vessel& v, const SystemBodies& bodies,
                                    double scenarioMjd) {
    StationRow s;
    s.StationToday = true;
    s.StationNameTable = ship.ShipNameTable;
    s.StationClassTable = ship.ShipClassTable;
    s.StationRefTable = v.status.body;
    auto text = [](double value) { return numberText(value); };
    if (v.placement.kind == PlacementKind::Elements) {
        const std::vector<std::string_view> words = valuesOf(lastLine(ship, "ELEMENTS").value_or(""));
        const orbit::Elements& e = v.placement.elements;
        const double values[] = {e.semiMajorAxis, e.eccentricity, e.inclination, e.ascendingNode,
                                 e.periapsisLongitude, e.meanLongitude};
        std::string* fields[] = {&s.StationSemiMajorAxisTable, &s.StationExcentricityTable,
                                 &s.StationInclinationTable, &s.StationAscendingNodeLongitudeTable,
                                 &s.StationPeriapsisLongitudeTable, &s.StationMeanLongitudeTable};
        for (size_t k = 0; k < 6; ++k)
            *fields[k] = k < words.size() ? std::string(words[k]) : text(values[k]);
        setEpoch(s, e.epoch);
    } else {
        const Body* body = bodies.find(v.status.body);
        const std::optional<double> mu = body ? body->mu() : std::nullopt;
        if (!mu)
            return std::nullopt;
        const orbit::Result<orbit::Elements> e = orbit::elementsFromState(v.placement.state, *mu, scenarioMjd);
        if (!e)
            return std::nullopt;
        s.StationSemiMajorAxisTable = text(e->semiMajorAxis);
        s.StationExcentricityTable = text(e->eccentricity);
        s.StationInclinationTable = text(e->inclination);
        s.StationAscendingNodeLongitudeTable = text(e->ascendingNode);
        s.StationPeriapsisLongitudeTable = text(e->periapsisLongitude);
        s.StationMeanLongitudeTable = text(e->meanLongitude);
        s.StationPlacedByVector = true;
        setEpoch(s, scenarioMjd);
    }
    s.StationXAngleTable = ship.ShipArotXTable;
    s.StationYAngleTable = ship.ShipArotYTable;
    s.StationZAngleTable = ship.ShipArotZTable;

    s.StationBlockLines = stationLines(ship.ShipBlockLines);
    s.StationUseClassFrequency = true;
    for (const BlockLine& line : s.StationBlockLines)
        if (line.is("VROT")) {
            const std::vector<std::string_view> words = valuesOf(line.text());
            double spin[3] = {0, 0, 0};
            for (size_t k = 0; k < 3 && k < words.size(); ++k)
                spin[k] = leadingNumberValue(std::string(words[k]));
            s.StationUseClassFrequency = false;
            s.StationRotationFrequencyTable = text(spin[2] / 360);
            s.StationSpinAsRead = spin[0] != 0 || spin[1] != 0;
        }
    s.StationCameraTarget = ship.ShipCameraTarget;
    // What the fields do not say.
    std::vector<std::string> notes;
    if (s.StationPlacedByVector)
        notes.emplace_back("placed by position and velocity");
    if (s.StationUseClassFrequency)
        notes.emplace_back("No VROT: today's simulator ignores the class's rotation frequency, so the station does not spin.");
    else if (s.StationSpinAsRead)
        notes.emplace_back("Its VROT turns it about other axes than its own Z: the spin is kept as read.");
    for (const std::string& note : notes)
        s.StationNote += (s.StationNote.empty() ? "" : "\n") + note;
    s.StationSource = ship.ShipSource;
    s.StationHeadLine = ship.ShipHeadLine;
    s.StationValuesAsRead = stationValuesMark(s);
    // The row as read, without its lines and their bytes.
    std::vector<BlockLine> lines = std::move(s.StationBlockLines);
    SourceBytes source = std::move(s.StationSource);
    s.StationBlockLines.clear();
    s.StationTodayAsRead = std::make_shared<const StationRow>(s);
    s.StationBlockLines = std::move(lines);
    s.StationSource = std::move(source);
    return s;
}

// The last of a block's lines with that keyword, made the editor's line of it; nothing when the
// block has none.
const BlockLine* takeLastLine(ShipRow& ship, const char* key) {
    BlockLine* last = nullptr;
    for (BlockLine& line : ship.ShipBlockLines)
        if (keyIs(line.text(), key))
            last = &line;
    if (last)
        *last = BlockLine(Keyword::find(key), last->text());
    return last;
}

// The vessel whose block starts at a row's head line. The rows and the vessels are both in file
// order, one for one in a file that reads cleanly: the vessel of the row's own number is tried
// first, then a search.
const Vessel* vesselOf(const std::vector<Vessel>& vessels, size_t row, int32_t head) {
    if (head < 0)
        return nullptr;
    const size_t line = static_cast<size_t>(head);
    if (row < vessels.size() && vessels[row].headLine == line)
        return &vessels[row];
    const auto found = std::lower_bound(vessels.begin(), vessels.end(), line,
                                        [](const Vessel& v, size_t l) { return v.headLine < l; });
    return found != vessels.end() && found->headLine == line ? &*found : nullptr;
}

TodaysPlacement placementOf(PlacementKind kind) {
    switch (kind) {
    case PlacementKind::Attached: return TodaysPlacement::Attached;
    case PlacementKind::Pad: return TodaysPlacement::Pad;
    case PlacementKind::Coordinates: return TodaysPlacement::Coordinates;
    case PlacementKind::Docked: return TodaysPlacement::Docked;
    case PlacementKind::Elements: return TodaysPlacement::Elements;
    case PlacementKind::Vector: return TodaysPlacement::Vector;
    case PlacementKind::None: break;
    }
    return TodaysPlacement::None;
}

// A row whose vessel has DOCKINFO tokens, with its vessel; `valuesRead` when its mark of values
// as read is still to be made.
struct DockingRow {
    size_t row;
    const Vessel* vessel;
    bool valuesRead;
};

// The stations among some rows of the ship table, in order, and the rows they come from.
struct RowsTaken {
    std::vector<StationRow> stations;
    std::vector<size_t> moved;
    // The other rows whose vessels have DOCKINFO tokens.
    std::vector<DockingRow> docking;
};

// Fewer rows than this are not worth a second thread.
constexpr size_t RowsWorthAThread = 2000;

// Work shared by two threads is handed out in runs of this many rows, every second run to each:
// rows next to each other share memory, which two threads writing them would pass to and fro.
constexpr size_t RowsInARun = 64;

// The rows of every step-th run from run `first` before `end`.
template <class Each>
void forRuns(size_t first, size_t step, size_t end, const Each& each) {
    for (size_t run = first * RowsInARun; run < end; run += step * RowsInARun)
        for (size_t k = run; k < std::min(end, run + RowsInARun); ++k)
            each(k);
}

// Gives the rows of every step-th run from run `first` before `end` of the ship table what the
// vessel list knows of them (placement, notes, tanks), and makes a station row of each station
// among them; touches no other row.
RowsTaken takeRows(Scenario& doc, size_t first, size_t end, size_t step, const VesselList& list,
                   const std::vector<std::string>& stationClasses, const SystemBodies& bodies, double scenarioMjd) {
    RowsTaken taken;
    forRuns(first, step, end, [&](size_t k) {
        ShipRow& ship = doc.ships[k];
        if (!ship.ShipFromFile || ship.ShipHeadLine < 0 || ship.ShipSource != doc.source)
            return;
        const Vessel* found = vesselOf(list.vessels, k, ship.ShipHeadLine);
        if (!found)
            return;
        const Vessel& v = *found;
        ship.ShipToday = true;
        ship.ShipPlacement = placementOf(v.placement.kind);
        // The values read here are values as read too.
        bool valuesRead = false;
        // The coordinates of POS, or the orbit of ELEMENTS, from the last such line.
        for (const auto& [kind, key] :
             {std::pair{PlacementKind::Coordinates, "POS"}, std::pair{PlacementKind::Elements, "ELEMENTS"}})
            if (v.placement.kind == kind)
                if (const BlockLine* line = takeLastLine(ship, key)) {
                    readShipLine(ship, Keyword::find(key), trimmed(clearedOfComments(line->text())));
                    valuesRead = true;
                }
        if (v.placement.kind == PlacementKind::Attached) {
            ship.ShipNote = "Attached to " + v.placement.parent;
            ship.ShipAttachedTo = v.placement.parent;
        }
        else if (v.placement.kind == PlacementKind::Docked && !v.placement.partner.vessel.empty())
            ship.ShipNote = "docked to " + v.placement.partner.vessel + " (port " +
                            std::to_string(v.placement.partner.port + 1) + ")";
        else if (!v.docking.empty())
            ship.ShipNote = "docked to " + v.docking.front().partner.vessel + " (port " +
                            std::to_string(v.docking.front().partner.port + 1) + ")";
        // Without FUEL or PRPLEVEL the tanks start empty, but a pad fills them.
        if (v.tanks.form == TankForm::None && v.placement.kind == PlacementKind::Pad)
            ship.ShipNote += std::string(ship.ShipNote.empty() ? "" : "\n") +
                             "No fuel level: the simulator starts the tanks empty, and fills them on the pad "
                             "unless RefuelOnPad is off in its settings.";
        // Tanks given by PRPLEVEL, the later of it and FUEL: the fuel shown is tank 0's.
        if (v.tanks.form == TankForm::PrpLevel)
            if (const BlockLine* last = takeLastLine(ship, "PRPLEVEL")) {
                ship.ShipFuelByTank = true;
                ship.ShipFuelTable = tankZeroLevel(last->text());
                valuesRead = true;
            }
        std::optional<StationRow> station;
        if (ship.ShipLinesNotTaken.empty() && isStationClass(ship.ShipClassTable, stationClasses) &&
            (v.placement.kind == PlacementKind::Elements || v.placement.kind == PlacementKind::Vector))
            station = stationOf(ship, v, bodies, scenarioMjd);
        if (station) {
            // The row leaves the ship table.
            taken.stations.push_back(std::move(*station));
            taken.moved.push_back(k);
        } else if (!v.docking.empty()) {
            // Its mark waits for its dock.
            taken.docking.push_back({k, &v, valuesRead});
        } else if (valuesRead) {
            ship.ShipValuesAsRead = shipValuesMark(ship);
        }
    });
    return taken;
}

// A ship whose DOCKINFO names a station of the tab is docked there: the tab shows it "Docked"
// at that station's port, counted from 1 as the dock tree counts. Its other links (to ships,
// or a second station) stay in its note and its tokens.
// This gives the rows of every step-th run of `docking` from run `first` their dock, and their
// mark of values as read when that changed or was put off.
void dockToStations(Scenario& doc, const std::vector<DockingRow>& docking, size_t first, size_t step,
                    const std::unordered_set<std::string_view>& stations) {
    forRuns(first, step, docking.size(), [&](size_t k) {
        const DockingRow& entry = docking[k];
        ShipRow& ship = doc.ships[entry.row];
        bool docked = false;
        for (const DockToken& token : entry.vessel->docking) {
            if (ship.ShipPlacement == TodaysPlacement::Attached || !stations.count(token.partner.vessel))
                continue;
            ship.ShipStatusTable = "Docked";
            ship.ShipDockedStationTable = token.partner.vessel;
            ship.ShipDockedPortTable = std::to_string(token.partner.port + 1);
            ship.ShipDockedStationAsRead = ship.ShipDockedStationTable;
            ship.ShipDockedPortAsRead = ship.ShipDockedPortTable;
            ship.ShipOwnPortAsRead = token.port;
            // The note the reading gave, "docked to NAME (port N)", says no more than the tab now.
            const std::string_view note = ship.ShipNote;
            constexpr std::string_view DockedTo = "docked to ";
            const std::string_view partner = token.partner.vessel;
            if (startsWith(note, DockedTo) && startsWith(note.substr(DockedTo.size()), partner) &&
                note.size() > DockedTo.size() + partner.size() && note[DockedTo.size() + partner.size()] == ' ')
                ship.ShipNote.clear();
            docked = true;
            break;
        }
        if (docked || entry.valuesRead)
            ship.ShipValuesAsRead = shipValuesMark(ship);
    });
}

// Calls work(0, 2) here and work(1, 2) on a thread of its own when `split`, otherwise work(0, 1):
// the work's rows are taken each apart from the others.
template <class Work>
void inTwo(bool split, const Work& work) {
    if (!split) {
        work(size_t{0}, size_t{1});
        return;
    }
    std::future<void> odd = platform::startBeside(true, [&work] { work(size_t{1}, size_t{2}); });
    work(size_t{0}, size_t{2});
    odd.get();
}

} // namespace

int takeTodaysStations(ScenarioReading& read, FileLayout& layout, const std::vector<std::string>& stationClasses,
                       const SystemBodies& bodies, double scenarioMjd, const VesselList& list) {
    Scenario& doc = read.scenario;
    if (read.shipHeads <= 0 || !doc.source)
        return 0;

    // The rows are read from their own blocks, each apart from the others: a huge table is taken
    // by two threads, each every second run of rows (stations often stand together).
    size_t rows = 0;
    while (rows < static_cast<size_t>(read.shipHeads) && doc.validShip(static_cast<int>(rows)))
        ++rows;
    RowsTaken parts[2];
    inTwo(rows >= RowsWorthAThread, [&](size_t first, size_t step) {
        parts[first] = takeRows(doc, first, rows, step, list, stationClasses, bodies, scenarioMjd);
    });
    // The stations in file order, from both threads' runs.
    RowsTaken taken;
    RowsTaken &even = parts[0], &odd = parts[1];
    taken.stations.reserve(even.stations.size() + odd.stations.size());
    for (size_t e = 0, o = 0; e < even.moved.size() || o < odd.moved.size();) {
        const bool fromEven = o == odd.moved.size() || (e < even.moved.size() && even.moved[e] < odd.moved[o]);
        RowsTaken& from = fromEven ? even : odd;
        size_t& at = fromEven ? e : o;
        taken.stations.push_back(std::move(from.stations[at]));
        taken.moved.push_back(from.moved[at]);
        ++at;
    }
    taken.docking = std::move(even.docking);
    taken.docking.insert(taken.docking.end(), odd.docking.begin(), odd.docking.end());

    std::vector<StationRow>& stations = taken.stations;
    std::unordered_set<std::string_view> stationNames;
    for (const StationRow& s : stations)
        stationNames.insert(s.StationNameTable);
    inTwo(taken.docking.size() >= RowsWorthAThread, [&](size_t first, size_t step) {
        dockToStations(doc, taken.docking, first, step, stationNames);
    });
    if (stations.empty())
        return 0;
    std::vector<bool> moved(static_cast<size_t>(read.shipHeads), false);
    for (size_t k : taken.moved)
        moved[k] = true;

    // The ship table and its names keep the other vessels, in order; the blocks follow their rows.
    // They close up in place: the rows are already in memory, a new table of them would not be.
    std::vector<ShipRow>& ships = doc.ships;
    std::vector<std::string>& shipNames = read.shipNames;
    size_t keptRows = 0, keptNames = 0;
    std::vector<uint32_t> heads;
    for (size_t k = 0; k < ships.size(); ++k) {
        if (k < moved.size() && moved[k]) {
            heads.push_back(static_cast<uint32_t>(ships[k].ShipHeadLine));
            continue;
        }
        if (k < shipNames.size() && k < moved.size()) {
            if (keptNames != k)
                shipNames[keptNames] = std::move(shipNames[k]);
            ++keptNames;
        }
        if (keptRows != k)
            ships[keptRows] = std::move(ships[k]);
        ++keptRows;
    }
    const int count = static_cast<int>(stations.size());
    ships.erase(ships.begin() + static_cast<std::ptrdiff_t>(keptRows), ships.end());
    shipNames.resize(keptNames);
    read.shipHeads -= count;
    read.shipRow = std::max(0, read.shipRow - count);

    auto& shipBlocks = layout.shipBlocks;
    auto& stationBlocks = layout.stationBlocks;
    std::sort(heads.begin(), heads.end());
    // One pass that keeps the order of both: erasing the blocks one by one would move the rest
    // of a huge list for every station.
    auto kept = shipBlocks.begin();
    for (const BlockSpan& block : shipBlocks) {
        if (std::binary_search(heads.begin(), heads.end(), block.head))
            stationBlocks.push_back(block);
        else
            *kept++ = block;
    }
    shipBlocks.erase(kept, shipBlocks.end());
    std::sort(stationBlocks.begin(), stationBlocks.end(),
              [](const BlockSpan& a, const BlockSpan& b) { return a.head < b.head; });

    read.stationNames.clear();
    for (const StationRow& s : stations)
        read.stationNames.push_back(s.StationNameTable);
    read.stationHeads = count;
    stations.emplace_back();
    stations.back().StationUseClassFrequency = true;
    stations.back().StationToday = true;
    doc.stations = std::move(stations);
    return count;
}

} // namespace vantrel::vessels
