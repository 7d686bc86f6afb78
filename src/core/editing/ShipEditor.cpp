#include "core/editing/ShipEditor.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

ShipEditor::ShipEditor(Vantrel& main) : w_(main) {}

} // namespace vantrel
