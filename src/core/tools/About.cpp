#include "core/tools/About.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

About::About(Vantrel& main) : ui::Window("About", "About"), main_(main) {}

} // namespace vantrel
