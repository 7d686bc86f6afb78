#include "core/catalogue/SystemChoice.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

SystemChoice::SystemChoice(Vantrel& main) : w_(main) {}

} // namespace vantrel
