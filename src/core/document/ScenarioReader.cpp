#include "core/document/ScenarioReader.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

ScenarioReader::ScenarioReader(Vantrel& main) : w_(main) {}

} // namespace vantrel
