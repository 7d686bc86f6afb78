#include "core/files/FolderManagement.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

FolderManagement::FolderManagement(Vantrel& main) : ui::Window("FolderManagement", "Scenario folder management"), main_(main) {}

} // namespace vantrel
