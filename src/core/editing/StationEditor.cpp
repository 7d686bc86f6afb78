#include "core/editing/StationEditor.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

StationEditor::StationEditor(Vantrel& main) : w_(main) {}

} // namespace vantrel
