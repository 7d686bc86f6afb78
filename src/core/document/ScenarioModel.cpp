#include "core/document/ScenarioModel.h"

#include <algorithm>

namespace vantrel {

void ScenarioModel::logScanError(const std::string& entry) {
    ScanLog += entry;
    ScanErrorsFound = true;
}

void ScenarioModel::StationTableRedim(int t) {
    stations.assign(static_cast<size_t>(std::max(t, -1) + 1), StationRow{});
}

void ScenarioModel::StationTableRedimPreserve(int t) { stations.resize(static_cast<size_t>(std::max(t, -1) + 1)); }

void ScenarioModel::StationTableBlanking(int iIndex) {
    if (!validStation(iIndex))
        return;
    StationRow blank;
    blank.StationUseClassFrequency = true;
    stations[static_cast<size_t>(iIndex)] = blank;
}

void ScenarioModel::ShipTableRedim(int t) { ships.assign(static_cast<size_t>(std::max(t, -1) + 1), ShipRow{}); }

void ScenarioModel::ShipTableRedimPreserve(int t) { ships.resize(static_cast<size_t>(std::max(t, -1) + 1)); }

void ScenarioModel::ShipTableBlanking(int iIndex) {
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
