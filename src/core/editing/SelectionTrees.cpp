#include "core/editing/SelectionTrees.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

SelectionTrees::SelectionTrees(Vantrel& main) : w_(main) {}

} // namespace vantrel
