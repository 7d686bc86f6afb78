#include "core/editing/ShipDisplay.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

ShipDisplay::ShipDisplay(Vantrel& main) : w_(main) {}

} // namespace vantrel
