#include "core/scenario/Scenario.h"

#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

std::string shipValue(const ShipRow& row, const std::string& keyword) {
    if (keyword == "FUEL")
        return row.ShipFuelTable;
    if (keyword == "RPOS")
        return row.ShipRposXTable + "|" + row.ShipRposYTable + "|" + row.ShipRposZTable;
    if (keyword == "RVEL")
        return row.ShipRvelXTable + "|" + row.ShipRvelYTable + "|" + row.ShipRvelZTable;
    if (keyword == "AROT")
        return row.ShipArotXTable + "|" + row.ShipArotYTable + "|" + row.ShipArotZTable;
    if (keyword == "VROT")
        return row.ShipVrotTable;
    if (keyword == "ENGINE_MAIN")
        return row.ShipMainEngineTable;
    if (keyword == "ENGINE_HOVR")
        return row.ShipHoverEngineTable;
    if (keyword == "STATUS")
        return row.ShipStatusTable;
    if (keyword == "BASE")
        return row.ShipLandedBaseTable + "|" + row.ShipLandedPadTable;
    return {};
}

void rememberShipValues(ShipRow& row) {
    for (const char* keyword : {"FUEL", "RPOS", "RVEL", "AROT", "VROT", "ENGINE_MAIN", "ENGINE_HOVR", "STATUS", "BASE"})
        row.ShipValuesAsRead[keyword] = shipValue(row, keyword);
}

bool sameShipValue(const std::string& a, const std::string& b) {
    auto beginsWithNumber = [](const std::string& text) {
        const std::string t = trim(text);
        const size_t first = t.find_first_not_of("+-");
        return first != std::string::npos && (std::isdigit(static_cast<unsigned char>(t[first])) || t[first] == '.');
    };
    size_t i = 0, j = 0;
    while (true) {
        const size_t ai = std::min(a.find('|', i), a.size());
        const size_t bj = std::min(b.find('|', j), b.size());
        const std::string x = trim(std::string_view(a).substr(i, ai - i));
        const std::string y = trim(std::string_view(b).substr(j, bj - j));
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
