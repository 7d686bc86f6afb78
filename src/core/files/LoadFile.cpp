#include "core/files/LoadFile.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

LoadFile::LoadFile(Vantrel& main) : ui::Window("LoadFile", "Load a scenario"), main_(main) {}

} // namespace vantrel
