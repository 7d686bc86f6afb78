#include "core/tools/PlanetarySystemInformation.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

PlanetarySystemInformation::PlanetarySystemInformation(Vantrel& main) : ui::Window("PlanetarySystemInformation", "Planetary system information"), main_(main) { add(Planet); }

} // namespace vantrel
