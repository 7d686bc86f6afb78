#include "core/catalogue/OrbiterFolderSearch.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

OrbiterFolderSearch::OrbiterFolderSearch(Vantrel& main) : ui::Window("OrbiterFolderSearch", "Orbiter folder search"), main_(main) {}

} // namespace vantrel
