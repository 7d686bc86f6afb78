#include "core/tools/ErrorLog.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

ErrorLog::ErrorLog(Vantrel& main) : ui::Window("ErrorLog", "Error log"), main_(main) {}

} // namespace vantrel
