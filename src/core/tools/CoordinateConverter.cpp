#include "core/tools/CoordinateConverter.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

CoordinateConverter::CoordinateConverter(Vantrel& main) : ui::Window("CoordinateConverter", "Sperical cartesian coordinate converter"), main_(main) {}

} // namespace vantrel
