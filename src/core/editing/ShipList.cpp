#include "core/editing/ShipList.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

ShipList::ShipList(Vantrel& main) : w_(main) {}

} // namespace vantrel
