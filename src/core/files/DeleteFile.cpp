#include "core/files/DeleteFile.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

DeleteFile::DeleteFile(Vantrel& main) : ui::Window("DeleteFile", "Delete a scenario file"), main_(main) {}

} // namespace vantrel
