#include "core/document/ScenarioWriter.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

ScenarioWriter::ScenarioWriter(Vantrel& main) : w_(main) {}

} // namespace vantrel
