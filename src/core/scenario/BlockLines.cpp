#include "core/scenario/BlockLines.h"

#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <optional>

namespace vantrel {

namespace {

// A text that is a number as a whole (blanks around allowed): "45", "-1.5e2"; not "Toto".
bool wholeNumber(const std::string& text) { return plainNumberValue(trimmed(text)).has_value(); }

std::string number(const std::string& text) { return writtenNumber(text); }

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

} // namespace

void OwnedLines::put(Keyword keyword, std::initializer_list<std::string_view> pieces) {
    if (count_ == lines_.size())
        lines_.emplace_back();
    Owned& line = lines_[count_++];
    line.keyword = BlockLine(keyword, {});
    line.text.clear();
    for (std::string_view piece : pieces)
        line.text += piece;
}

int OwnedLines::find(const BlockLine& keyword) const {
    for (size_t k = 0; k < count_; ++k)
        if (lines_[k].keyword.sameKeyword(keyword))
            return static_cast<int>(k);
    return -1;
}

std::string keyOf(std::string_view line) {
    const std::string_view text = trimmed(clearedOfComments(line));
    return upper(text.substr(0, text.find(' ')));
}

const char* competing(std::string_view keyword) {
    if (keyword == "FUEL")
        return "PRPLEVEL";
    if (keyword == "RPOS" || keyword == "RVEL")
        return "ELEMENTS";
    if (keyword == "BASE")
        return "POS";
    return nullptr;
}

namespace {

bool sameElements(const StationRow& a, const StationRow& b) {
    return a.StationSemiMajorAxisTable == b.StationSemiMajorAxisTable &&
           a.StationExcentricityTable == b.StationExcentricityTable &&
           a.StationInclinationTable == b.StationInclinationTable &&
           a.StationAscendingNodeLongitudeTable == b.StationAscendingNodeLongitudeTable &&
           a.StationPeriapsisLongitudeTable == b.StationPeriapsisLongitudeTable &&
           a.StationMeanLongitudeTable == b.StationMeanLongitudeTable;
}

bool sameEpoch(const StationRow& a, const StationRow& b) {
    return a.StationOrbitalRefDate == b.StationOrbitalRefDate &&
           a.StationOrbitalRefHourTable == b.StationOrbitalRefHourTable &&
           a.StationOrbitalRefMinTable == b.StationOrbitalRefMinTable;
}

// The last of a block's lines of that keyword, as read.
std::optional<std::string_view> stationLineAsRead(const StationRow& s, Keyword keyword) {
    std::optional<std::string_view> found;
    for (const BlockLine& line : s.StationBlockLines)
        if (line.is(keyword))
            found = line.text();
    return found;
}

// A today's station: STATUS with its body, its elements with their epoch (or the position and
// velocity it was placed by, while its orbit is as read), its attitude and its spin.
void todaysStationOwnedLines(const StationRow& s, OwnedLines& owned) {
    const StationRow* read = s.StationTodayAsRead.get();
    owned.put("STATUS", {"  STATUS Orbiting ", trimmed(s.StationRefTable)});
    const bool orbitAsRead = read && sameElements(s, *read) && sameEpoch(s, *read);
    const std::optional<std::string_view> rpos = stationLineAsRead(s, "RPOS");
    const std::optional<std::string_view> rvel = stationLineAsRead(s, "RVEL");
    if (s.StationPlacedByVector && orbitAsRead && rpos && rvel) {
        owned.put("RPOS", {*rpos});
        owned.put("RVEL", {*rvel});
    } else {
        std::string epoch;
        if (read && read->StationEpochMjd && sameEpoch(s, *read))
            epoch = numberText(*read->StationEpochMjd);
        else if (s.StationOrbitalRefDate)
            epoch = numberText(mjdFromDayTime(*s.StationOrbitalRefDate, leadingNumberValue(s.StationOrbitalRefHourTable),
                                              leadingNumberValue(s.StationOrbitalRefMinTable)));
        else if (s.StationEpochMjd)
            epoch = numberText(*s.StationEpochMjd);
        owned.put("ELEMENTS", {"  ELEMENTS ", trimmed(s.StationSemiMajorAxisTable), " ", trimmed(s.StationExcentricityTable),
                               " ", trimmed(s.StationInclinationTable), " ",
                               trimmed(s.StationAscendingNodeLongitudeTable), " ",
                               trimmed(s.StationPeriapsisLongitudeTable), " ", trimmed(s.StationMeanLongitudeTable),
                               epoch.empty() ? "" : " ", epoch});
    }
    const std::string_view angles[] = {trimmed(s.StationXAngleTable), trimmed(s.StationYAngleTable),
                                       trimmed(s.StationZAngleTable)};
    if (std::any_of(std::begin(angles), std::end(angles), [](std::string_view v) { return !v.empty(); }))
        owned.put("AROT", {"  AROT ", angles[0], " ", angles[1], " ", angles[2]});
    // VROT is in degrees a second about the vessel's own axes; the tab edits turns a second about
    // its Z axis. Without VROT the station does not spin: today's simulator ignores the class's
    // frequency.
    if (s.StationSpinAsRead) {
        if (const std::optional<std::string_view> vrot = stationLineAsRead(s, "VROT"))
            owned.put("VROT", {*vrot});
    } else if (!s.StationUseClassFrequency && !trimmed(s.StationRotationFrequencyTable).empty()) {
        owned.put("VROT", {"  VROT 0 0 ", numberText(leadingNumberValue(s.StationRotationFrequencyTable) * 360)});
    }
}

} // namespace

void stationOwnedLines(const StationRow& s, OwnedLines& owned) {
    owned.clear();
    if (s.StationToday) {
        todaysStationOwnedLines(s, owned);
        return;
    }
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
}

void shipOwnedLines(const ShipRow& s, OwnedLines& owned) {
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
        if (s.ShipFuelByTank) {
            // Tank 0's token takes the level, or a "0:" token goes first; the others stay.
            if (const std::optional<std::string_view> read = lineAsRead(s, "PRPLEVEL")) {
                std::string line = "  PRPLEVEL";
                bool zero = false;
                std::string_view rest = trimmed(clearedOfComments(*read));
                rest = rest.substr(std::min(rest.size(), rest.find(' ')));
                std::vector<std::string_view> tokens;
                while (!trimmed(rest).empty()) {
                    rest = trimmed(rest);
                    tokens.push_back(rest.substr(0, rest.find(' ')));
                    rest = rest.substr(tokens.back().size());
                }
                const std::string level = "0:" + number(s.ShipFuelTable);
                for (std::string_view token : tokens) {
                    const bool isZero = startsWith(token, "0:");
                    zero = zero || isZero;
                    line += ' ';
                    line += isZero ? std::string_view(level) : token;
                }
                if (!zero)
                    line = "  PRPLEVEL " + level + line.substr(std::string_view("  PRPLEVEL").size());
                owned.put("PRPLEVEL", {line});
            }
        } else if (wanted("FUEL")) {
            owned.put("FUEL", {"  FUEL ", number(s.ShipFuelTable)});
        }
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
        // A today's ship landed by coordinates stands where POS says, after its BASE line.
        if (!trimmed(s.ShipLandedLongitudeTable).empty())
            owned.put("POS", {"  POS ", trimmed(s.ShipLandedLongitudeTable), " ", trimmed(s.ShipLandedLatitudeTable)});
        // The blank heading of a ship read without one is no heading at all.
        if (wholeNumber(s.ShipLandedHeadingTable))
            owned.put("HEADING", {"  HEADING ", trimmed(s.ShipLandedHeadingTable)});
        fuelAndEngines();
        // The editor shows no attitude for a landed ship; the simulator reads it, and then
        // ignores HEADING while its first angle is at most 4 rad: a new heading of a today's
        // ship takes that attitude away.
        const auto headingCounts = [&] {
            const std::optional<std::string> heading = valueAsRead(s, "HEADING");
            if (!s.ShipToday || !heading || !wholeNumber(s.ShipLandedHeadingTable) ||
                sameShipValue(*heading, s.ShipLandedHeadingTable))
                return false;
            const std::string_view arot = trimmed(clearedOfComments(*lineAsRead(s, "AROT")));
            const std::string_view values = trimmed(arot.substr(std::min(arot.size(), arot.find_first_of(" \t"))));
            return leadingNumberValue(std::string(values.substr(0, values.find_first_of(" \t")))) <= 229.18;
        };
        if (readAs("Landed") && had("AROT") && !headingCounts())
            owned.put("AROT", {*lineAsRead(s, "AROT")});
    } else if (equalsIgnoringCase(status, "Orbiting")) {
        owned.put("STATUS", {"  STATUS ", status, " ", planet});
        fuelAndEngines();
        // A today's ship placed by its elements: ELEMENTS takes the place of RPOS and RVEL.
        if (s.ShipByElements) {
            owned.put("ELEMENTS", {"  ELEMENTS ", trimmed(s.ShipElementsTable)});
        } else {
            vector("RPOS", s.ShipRposXTable, s.ShipRposYTable, s.ShipRposZTable);
            vector("RVEL", s.ShipRvelXTable, s.ShipRvelYTable, s.ShipRvelZTable);
        }
        vector("AROT", s.ShipArotXTable, s.ShipArotYTable, s.ShipArotZTable);
        // The editor shows only the first of three spin values: unchanged, the line
        // stays as read.
        if (had("VROT") && !changed("VROT"))
            owned.put("VROT", {*lineAsRead(s, "VROT")});
        else if (wanted("VROT"))
            owned.put("VROT", {"  VROT ", number(s.ShipVrotTable)});
    } else if (equalsIgnoringCase(status, "Docked") && s.ShipToday) {
        // Today's simulator docks by DOCKINFO (written with the other vessels' tokens) and knows
        // no status "Docked". The ship's own placement stays, ignored while it follows the
        // station; that of a landed ship goes.
        owned.put("STATUS", {"  STATUS Orbiting ", planet});
        fuelAndEngines();
        for (Keyword keyword : {Keyword("RPOS"), Keyword("RVEL"), Keyword("ELEMENTS"), Keyword("VROT")})
            if (had(keyword))
                owned.put(keyword, {*lineAsRead(s, keyword)});
        if (had("AROT") && !readAs("Landed"))
            owned.put("AROT", {*lineAsRead(s, "AROT")});
    } else if (equalsIgnoringCase(status, "Docked")) {
        owned.put("STATUS", {"  STATUS ", status, " ", planet, ":", trimmed(s.ShipDockedStationTable), ":",
                             trimmed(s.ShipDockedPortTable)});
        fuelAndEngines();
    }
}

bool readStationLine(StationRow& s, std::string_view keyword, std::string_view value) {
    if (keyword == "REF") {
        s.StationRefTable = trimmed(value);
    } else if (keyword == "EL_MJD") {
        const std::optional<DayTime> epoch = splitDate(dateFromMjd(leadingNumberValue(std::string(value))));
        if (!epoch)
            return false;
        s.StationOrbitalRefDate = epoch->day;
        s.StationOrbitalRefHourTable = std::to_string(epoch->hour);
        s.StationOrbitalRefMinTable = std::to_string(epoch->minute);
    } else if (keyword == "ELEMENTS") {
        std::vector<std::string> v = splitValues(value, 6);
        s.StationSemiMajorAxisTable = std::move(v[0]);
        s.StationExcentricityTable = std::move(v[1]);
        s.StationInclinationTable = std::move(v[2]);
        s.StationAscendingNodeLongitudeTable = std::move(v[3]);
        s.StationPeriapsisLongitudeTable = std::move(v[4]);
        s.StationMeanLongitudeTable = std::move(v[5]);
    } else if (keyword == "ZROT_FREQ" || keyword == "ZROT_FREQUENCY") {
        s.StationRotationFrequencyTable = value;
        s.StationUseClassFrequency = false;
    } else if (keyword == "AROT") {
        std::vector<std::string> v = splitValues(value, 3);
        s.StationXAngleTable = std::move(v[0]);
        s.StationYAngleTable = std::move(v[1]);
        s.StationZAngleTable = std::move(v[2]);
    }
    return true;
}

} // namespace vantrel
