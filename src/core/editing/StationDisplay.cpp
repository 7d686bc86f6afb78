#include "core/editing/StationDisplay.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

StationDisplay::StationDisplay(Vantrel& main) : w_(main) {}

} // namespace vantrel
