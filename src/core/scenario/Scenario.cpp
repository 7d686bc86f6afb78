#include "core/scenario/Scenario.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

namespace {

// The keywords of shipValue, in the order ShipValuesAsRead holds their values.
constexpr std::string_view ValueKeywords[] = {"FUEL", "RPOS", "RVEL", "AROT", "VROT",
                                              "ENGINE_MAIN", "ENGINE_HOVR", "STATUS", "BASE"};

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
    else if (keyword == "BASE") {
        out += row.ShipLandedBaseTable;
        out += '|';
        out += row.ShipLandedPadTable;
    }
}

} // namespace

std::string shipValue(const ShipRow& row, std::string_view keyword) {
    std::string value;
    appendValue(value, row, keyword);
    return value;
}

void rememberShipValues(ShipRow& row) {
    std::string values;
    for (std::string_view keyword : ValueKeywords) {
        appendValue(values, row, keyword);
        values += '\n';
    }
    row.ShipValuesAsRead = std::move(values);
}

std::optional<std::string_view> valueAsRead(const ShipRow& row, std::string_view keyword) {
    if (!shipFromFile(row))
        return std::nullopt;
    std::string_view values = row.ShipValuesAsRead;
    for (std::string_view k : ValueKeywords) {
        const size_t end = values.find('\n');
        if (k == keyword)
            return values.substr(0, end);
        values.remove_prefix(end + 1);
    }
    return std::nullopt;
}

std::optional<std::string_view> lineAsRead(const ShipRow& row, std::string_view keyword) {
    for (const BlockLine& line : row.ShipBlockLines)
        if (line.keyword == keyword)
            return line.text;
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

void Scenario::logScanError(const std::string& entry) {
    ScanLog += entry;
    ScanErrorsFound = true;
}

void Scenario::StationTableRedim(int t) {
    stations.assign(static_cast<size_t>(std::max(t, -1) + 1), StationRow{});
}

void Scenario::StationTableRedimPreserve(int t) { stations.resize(static_cast<size_t>(std::max(t, -1) + 1)); }

void Scenario::StationTableBlanking(int iIndex) {
    if (!validStation(iIndex))
        return;
    StationRow blank;
    blank.StationUseClassFrequency = true;
    stations[static_cast<size_t>(iIndex)] = blank;
}

void Scenario::ShipTableRedim(int t) { ships.assign(static_cast<size_t>(std::max(t, -1) + 1), ShipRow{}); }

void Scenario::ShipTableRedimPreserve(int t) { ships.resize(static_cast<size_t>(std::max(t, -1) + 1)); }

void Scenario::ShipTableBlanking(int iIndex) {
    if (!validShip(iIndex))
        return;
    ShipRow& row = ships[static_cast<size_t>(iIndex)];
    ShipRow blank;
    blank.ShipNameTable = std::move(row.ShipNameTable);
    blank.ShipExtraLines = std::move(row.ShipExtraLines);
    blank.ShipLandedHeadingTable = BlankHeading;
    for (std::string* field : {&blank.ShipRposXTable, &blank.ShipRposYTable, &blank.ShipRposZTable,
                               &blank.ShipRvelXTable, &blank.ShipRvelYTable, &blank.ShipRvelZTable,
                               &blank.ShipArotXTable, &blank.ShipArotYTable, &blank.ShipArotZTable,
                               &blank.ShipVrotTable, &blank.ShipFuelTable, &blank.ShipMainEngineTable,
                               &blank.ShipHoverEngineTable})
        *field = "0";
    row = std::move(blank);
}

} // namespace vantrel
