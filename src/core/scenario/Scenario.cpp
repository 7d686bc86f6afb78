#include "core/scenario/Scenario.h"

#include "core/platform/GccWarnings.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <functional>

namespace vantrel {

namespace {

void appendValue(std::string& out, const ShipRow& row, std::string_view keyword) {
    auto three = [&](const std::string& x, const std::string& y, const std::string& z) {
        out += x;
        out += '|';
        out += y;
        out += '|';
        out += z;
    };
    if (keyword == "FUEL")
        out += row.ShipFuelTable;
    else if (keyword == "RPOS")
        three(row.ShipRposXTable, row.ShipRposYTable, row.ShipRposZTable);
    else if (keyword == "RVEL")
        three(row.ShipRvelXTable, row.ShipRvelYTable, row.ShipRvelZTable);
    else if (keyword == "AROT")
        three(row.ShipArotXTable, row.ShipArotYTable, row.ShipArotZTable);
    else if (keyword == "VROT")
        out += row.ShipVrotTable;
    else if (keyword == "ENGINE_MAIN")
        out += row.ShipMainEngineTable;
    else if (keyword == "ENGINE_HOVR")
        out += row.ShipHoverEngineTable;
    else if (keyword == "STATUS")
        out += row.ShipStatusTable;
    else if (keyword == "HEADING")
        out += row.ShipLandedHeadingTable;
    else if (keyword == "BASE") {
        out += row.ShipLandedBaseTable;
        out += '|';
        out += row.ShipLandedPadTable;
    }
}

// Splits "x y z" of a ship's RPOS, RVEL and AROT; false when a blank is missing.
bool splitVector(std::string_view value, std::string& x, std::string& y, std::string& z) {
    std::string_view r = trimmed(value);
    const size_t first = r.find(' ');
    if (first == std::string_view::npos)
        return false;
    const std::string_view after = r.substr(first + 1);
    const size_t second = after.find(' ');
    if (second == std::string_view::npos)
        return false;
    x.assign(r.substr(0, first));
    y.assign(after.substr(0, second));
    z.assign(after.substr(second + 1));
    return true;
}

} // namespace

std::string tankZeroLevel(std::string_view prplevel) {
    std::string_view rest = trimmed(clearedOfComments(prplevel));
    rest = rest.substr(std::min(rest.size(), rest.find(' ')));
    while (!rest.empty()) {
        rest = trimmed(rest);
        const std::string_view token = rest.substr(0, rest.find(' '));
        rest = rest.substr(token.size());
        const size_t colon = token.find(':');
        if (colon != std::string_view::npos && leadingNumberValue(std::string(token.substr(0, colon))) == 0 &&
            !trimmed(token.substr(0, colon)).empty())
            return std::string(token.substr(colon + 1));
    }
    return "0";
}

bool readShipLine(ShipRow& s, Keyword k, std::string_view text) {
    const auto is = [k](Keyword word) { return k == word; };
    if (is("PRPLEVEL")) {
        s.ShipFuelTable = tankZeroLevel(text);
        return true;
    }
    if (is("ELEMENTS")) {
        // The seven numbers, one blank between.
        s.ShipElementsTable.clear();
        std::string_view rest = trimmed(text.substr(std::min(text.size(), size_t(8))));
        while (!rest.empty()) {
            const size_t blank = std::min(rest.find_first_of(" \t"), rest.size());
            s.ShipElementsTable += (s.ShipElementsTable.empty() ? "" : " ") + std::string(rest.substr(0, blank));
            rest = trimmed(rest.substr(blank));
        }
        s.ShipByElements = true;
        return true;
    }
    if (is("POS")) {
        // "POS longitude latitude", in degrees.
        std::string_view rest = trimmed(text.substr(std::min(text.size(), size_t(3))));
        const size_t blank = rest.find_first_of(" \t");
        s.ShipLandedLongitudeTable = rest.substr(0, blank);
        s.ShipLandedLatitudeTable = blank == std::string_view::npos ? std::string_view() : trimmed(rest.substr(blank));
        return true;
    }
    if (is("ENGINE_MAIN") || is("ENGINE_HOVR")) {
        if (text.size() < 12)
            return false;
        (is("ENGINE_MAIN") ? s.ShipMainEngineTable : s.ShipHoverEngineTable) = trimmed(text.substr(12));
        return true;
    }
    if (is("HEADING")) {
        const size_t blank = text.find(' ');
        if (blank == std::string_view::npos)
            return false;
        s.ShipLandedHeadingTable = text.substr(blank + 1);
        return true;
    }
    const std::optional<std::string_view> value =
        text.size() < k.text().size() + 1 ? std::nullopt : std::optional<std::string_view>(text.substr(k.text().size() + 1));
    if (!value)
        return false;
    if (is("STATUS")) {
        const std::string_view status = trimmed(*value);
        const size_t blank = status.find(' ');
        if (blank == std::string_view::npos)
            return false;
        const std::string_view word = status.substr(0, blank);
        const std::string_view after = status.substr(blank + 1);
        if (equalsIgnoringCase(word, "Landed") || equalsIgnoringCase(word, "Orbiting")) {
            s.ShipPlanetTable = after;
        } else if (equalsIgnoringCase(word, "Docked")) {
            const std::string_view d = trimmed(after);
            const size_t first = d.find(':');
            if (first == std::string_view::npos)
                return false;
            const size_t second = d.find(':', first + 1);
            if (second == std::string_view::npos)
                return false;
            s.ShipPlanetTable = d.substr(0, first);
            s.ShipDockedStationTable = d.substr(first + 1, second - first - 1);
            s.ShipDockedPortTable = d.substr(second + 1);
        }
        s.ShipStatusTable = word;
    } else if (is("BASE")) {
        // The simulator's own scenarios also land a ship on a base without naming a pad
        // ("BASE Habana"): the pad is then empty, and the ships after it are still read.
        const std::string_view b = trimmed(*value);
        const size_t colon = b.find(':');
        s.ShipLandedBaseTable = b.substr(0, colon);
        s.ShipLandedPadTable = colon == std::string_view::npos ? std::string_view() : b.substr(colon + 1);
    } else if (is("RPOS") || is("RVEL") || is("AROT")) {
        const bool split = is("RPOS")   ? splitVector(*value, s.ShipRposXTable, s.ShipRposYTable, s.ShipRposZTable)
                           : is("RVEL") ? splitVector(*value, s.ShipRvelXTable, s.ShipRvelYTable, s.ShipRvelZTable)
                                         : splitVector(*value, s.ShipArotXTable, s.ShipArotYTable, s.ShipArotZTable);
        if (!split)
            return false;
    } else if (is("VROT")) {
        s.ShipVrotTable = *value;
    } else if (is("FUEL")) {
        const std::string fuel = trim(*value);
        s.ShipFuelTable = leadingNumberValue(fuel) == 0.0 ? "0" : fuel;
    }
    return true;
}

namespace {

// The keywords of each length, by number: every line read asks for its keyword's number, so only
// those of its length are compared.
constexpr size_t LongestKeyword = 15;
constexpr auto KeywordsByLength = [] {
    std::array<std::array<uint8_t, std::size(BlockKeywords)>, LongestKeyword + 1> table{};
    for (size_t k = 1; k < std::size(BlockKeywords); ++k) {
        auto& sameLength = table[BlockKeywords[k].size()];
        size_t slot = 0;
        while (sameLength[slot] != 0)
            ++slot;
        sameLength[slot] = static_cast<uint8_t>(k);
    }
    return table;
}();
static_assert(std::size(BlockKeywords) < 256);

} // namespace

Keyword Keyword::find(std::string_view text) {
    if (text.empty() || text.size() > LongestKeyword)
        return Keyword(uint8_t{0});
    for (uint8_t k : KeywordsByLength[text.size()]) {
        if (k == 0)
            break;
        if (BlockKeywords[k][0] == text[0] && BlockKeywords[k] == text)
            return Keyword(k);
    }
    return Keyword(uint8_t{0});
}

void blankShipValues(ShipRow& row) {
    row.ShipLandedHeadingTable = BlankHeading;
    for (std::string* field : {&row.ShipRposXTable, &row.ShipRposYTable, &row.ShipRposZTable, &row.ShipRvelXTable,
                               &row.ShipRvelYTable, &row.ShipRvelZTable, &row.ShipArotXTable, &row.ShipArotYTable,
                               &row.ShipArotZTable, &row.ShipVrotTable, &row.ShipFuelTable, &row.ShipMainEngineTable,
                               &row.ShipHoverEngineTable}) {
        VANTREL_STRING_COPY_WARNING_OFF
        *field = "0";
        VANTREL_STRING_COPY_WARNING_ON
    }
}

namespace {

// A mark of the texts, taken eight bytes at a time (every row of a huge scenario is marked as it
// is read). Each step is one-to-one in the mark for a given word, and each text is closed by its
// length, so that texts split differently mark differently.
uint64_t markStep(uint64_t mark, uint64_t word) {
    mark = (mark ^ word) * 0x9E3779B97F4A7C15ull;
    return mark ^ (mark >> 32);
}

uint64_t markOfTexts(std::initializer_list<const std::string*> texts, uint64_t mark = 14695981039346656037ull) {
    for (const std::string* text : texts) {
        const char* bytes = text->data();
        size_t left = text->size();
        for (; left >= 8; left -= 8, bytes += 8) {
            uint64_t word;
            std::memcpy(&word, bytes, 8);
            mark = markStep(mark, word);
        }
        if (left > 0) {
            // Byte by byte in a register: a word stored in pieces and read back whole waits for
            // the stores.
            uint64_t word = 0;
            for (size_t k = 0; k < left; ++k)
                word |= uint64_t{static_cast<unsigned char>(bytes[k])} << (8 * k);
            mark = markStep(mark, word);
        }
        mark = markStep(mark, text->size() | 0xA000000000000000ull);
    }
    return mark == 0 ? 1 : mark;
}

} // namespace

const std::string ByElements = "elements";
const std::string ByVector = "vector";

uint64_t shipValuesMark(const ShipRow& row) {
    return markOfTexts({&row.ShipNameTable, &row.ShipClassTable, &row.ShipStatusTable, &row.ShipPlanetTable,
                        &row.ShipLandedBaseTable, &row.ShipLandedPadTable, &row.ShipLandedHeadingTable,
                        &row.ShipDockedStationTable, &row.ShipDockedPortTable, &row.ShipRposXTable, &row.ShipRposYTable,
                        &row.ShipRposZTable, &row.ShipRvelXTable, &row.ShipRvelYTable, &row.ShipRvelZTable,
                        &row.ShipArotXTable, &row.ShipArotYTable, &row.ShipArotZTable, &row.ShipVrotTable,
                        &row.ShipFuelTable, &row.ShipMainEngineTable, &row.ShipHoverEngineTable,
                        &row.ShipLandedLongitudeTable, &row.ShipLandedLatitudeTable, &row.ShipElementsTable,
                        row.ShipByElements ? &ByElements : &ByVector});
}

uint64_t stationValuesMark(const StationRow& row) {
    const std::string epoch = row.StationOrbitalRefDate ? std::to_string(*row.StationOrbitalRefDate) : std::string("-");
    const std::string own = row.StationUseClassFrequency ? "class" : "own";
    return markOfTexts({&row.StationNameTable, &row.StationClassTable, &row.StationRefTable,
                        &row.StationSemiMajorAxisTable, &row.StationExcentricityTable, &row.StationInclinationTable,
                        &row.StationAscendingNodeLongitudeTable, &row.StationPeriapsisLongitudeTable,
                        &row.StationMeanLongitudeTable, &epoch, &row.StationOrbitalRefHourTable,
                        &row.StationOrbitalRefMinTable, &row.StationXAngleTable, &row.StationYAngleTable,
                        &row.StationZAngleTable, &row.StationRotationFrequencyTable, &own});
}

std::string shipValue(const ShipRow& row, std::string_view keyword) {
    std::string value;
    appendValue(value, row, keyword);
    return value;
}

std::optional<std::string> valueAsRead(const ShipRow& row, std::string_view keyword) {
    if (!shipFromFile(row))
        return std::nullopt;
    // Each value comes from its own keyword's line only, so the line alone gives it back; a
    // block without the line had the blank value.
    const std::optional<std::string_view> line = lineAsRead(row, Keyword::find(keyword));
    if (!line) {
        if (keyword == "RPOS" || keyword == "RVEL" || keyword == "AROT")
            return "0|0|0";
        if (keyword == "STATUS")
            return std::string();
        if (keyword == "BASE")
            return "|";
        return "0";
    }
    // The two the writer asks most, straight from the line.
    const std::string_view text = trimmed(clearedOfComments(*line));
    if (keyword == "VROT")
        return std::string(text.size() < 5 ? std::string_view("0") : text.substr(5));
    if (keyword == "STATUS") {
        const std::string_view status = text.size() < 7 ? std::string_view() : trimmed(text.substr(7));
        const size_t blank = status.find(' ');
        if (text.size() < 7 || blank == std::string_view::npos)
            return std::string();
        const std::string_view word = status.substr(0, blank);
        if (equalsIgnoringCase(word, "Docked")) {
            const std::string_view d = trimmed(status.substr(blank + 1));
            const size_t first = d.find(':');
            if (first == std::string_view::npos || d.find(':', first + 1) == std::string_view::npos)
                return std::string();
        }
        return std::string(word);
    }
    ShipRow read;
    blankShipValues(read);
    readShipLine(read, Keyword::find(keyword), trimmed(clearedOfComments(*line)));
    return shipValue(read, keyword);
}

std::optional<std::string_view> lineAsRead(const ShipRow& row, Keyword keyword) {
    for (const BlockLine& line : row.ShipBlockLines)
        if (line.is(keyword))
            return line.text();
    return std::nullopt;
}

bool sameShipValue(std::string_view a, std::string_view b) {
    auto beginsWithNumber = [](std::string_view t) {
        const size_t first = t.find_first_not_of("+-");
        return first != std::string_view::npos && (std::isdigit(static_cast<unsigned char>(t[first])) || t[first] == '.');
    };
    size_t i = 0, j = 0;
    while (true) {
        const size_t ai = std::min(a.find('|', i), a.size());
        const size_t bj = std::min(b.find('|', j), b.size());
        const std::string_view x = trimmed(a.substr(i, ai - i));
        const std::string_view y = trimmed(b.substr(j, bj - j));
        if (x != y && !(beginsWithNumber(x) && beginsWithNumber(y) && leadingNumberValue(x) == leadingNumberValue(y)))
            return false;
        if (ai == a.size() || bj == b.size())
            return ai == a.size() && bj == b.size();
        i = ai + 1;
        j = bj + 1;
    }
}

std::optional<std::string> sectionValue(const SectionAsRead& section, const std::string& keyword) {
    std::optional<std::string> value;
    for (const std::string& line : section.lines) {
        const std::string text = trim(ClearComments(line));
        const size_t blank = text.find(' ');
        if (equalsIgnoringCase(text.substr(0, blank), keyword))
            value = blank == std::string::npos ? std::string() : trim(text.substr(blank + 1));
    }
    return value;
}

Scenario::Mark Scenario::markOf(std::string_view bytes) { return {bytes.size(), std::hash<std::string_view>{}(bytes)}; }

void Scenario::markSaved(std::string_view bytes) { saved_ = markOf(bytes); }

bool Scenario::differsFromSaved(std::string_view bytes) const { return saved_ && !(markOf(bytes) == *saved_); }

void passLinesNotTaken(const std::vector<std::string>& deleted, std::vector<std::string>& keeper) {
    const auto end = std::find_if(deleted.begin(), deleted.end(), [](const std::string& line) {
        return equalsIgnoringCase(trimmed(clearedOfComments(line)), "END");
    });
    if (end == deleted.end() || end + 1 == deleted.end())
        return;
    // The keeper's own END, unless it already ends with lines as read.
    if (keeper.empty())
        keeper.emplace_back("END");
    keeper.insert(keeper.end(), end + 1, deleted.end());
}

void Scenario::logScanError(const std::string& entry) {
    ScanLog += entry;
    ScanErrorsFound = true;
}

void Scenario::StationTableRedim(int t) {
    stations.clear();
    stations.resize(static_cast<size_t>(std::max(t, -1) + 1));
}

void Scenario::StationTableRedimPreserve(int t) { stations.resize(static_cast<size_t>(std::max(t, -1) + 1)); }

void Scenario::StationTableBlanking(int iIndex) {
    if (!validStation(iIndex))
        return;
    StationRow blank;
    blank.StationUseClassFrequency = true;
    stations[static_cast<size_t>(iIndex)] = blank;
}

void Scenario::ShipTableRedim(int t) {
    ships.clear();
    ships.resize(static_cast<size_t>(std::max(t, -1) + 1));
}

void Scenario::ShipTableRedimPreserve(int t) { ships.resize(static_cast<size_t>(std::max(t, -1) + 1)); }

void Scenario::ShipTableBlanking(int iIndex) {
    if (!validShip(iIndex))
        return;
    ShipRow& row = ships[static_cast<size_t>(iIndex)];
    ShipRow blank;
    blank.ShipNameTable = std::move(row.ShipNameTable);
    blank.ShipExtraLines = std::move(row.ShipExtraLines);
    blankShipValues(blank);
    row = std::move(blank);
}

} // namespace vantrel
