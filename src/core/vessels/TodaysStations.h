#pragma once

// The station tab of a today's file: the vessels of its ships' section that are stations in
// orbit, taken out of the ship table.

#include "core/catalogue/Bodies.h"
#include "core/scenario/ScenarioFile.h"
#include "core/vessels/Vessel.h"

#include <string>
#include <vector>

namespace vantrel::vessels {

// Moves to the reading's station table, in file order, every vessel whose class is one of
// `stationClasses` (letter case ignored) and that the simulator places by ELEMENTS or by RPOS and
// RVEL; every other vessel stays a ship. A vessel placed by RPOS and RVEL shows the elements of
// that state at `scenarioMjd`, with that date as epoch; one whose body has no mass stays a ship.
// Their blocks move from the ship blocks of `layout` to its station blocks. `list` is the file's
// vessel list as readVessels reads it with the names of `bodies`. Returns how many vessels moved.
int takeTodaysStations(ScenarioReading& read, FileLayout& layout, const std::vector<std::string>& stationClasses,
                       const SystemBodies& bodies, double scenarioMjd, const VesselList& list);

} // namespace vantrel::vessels
