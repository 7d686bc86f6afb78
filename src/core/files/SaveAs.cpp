#include "core/files/SaveAs.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

SaveAs::SaveAs(Vantrel& main) : ui::Window("SaveAs", "Save as"), main_(main) {}

} // namespace vantrel
