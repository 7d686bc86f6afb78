#include "core/catalogue/Catalogue.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

Catalogue::Catalogue(Vantrel& main) : w_(main) {}

} // namespace vantrel

namespace vantrel {

void Catalogue::Form_Load() {}

} // namespace vantrel
