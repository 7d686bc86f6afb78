#include "core/ui/MainMenu.h"

#include "core/ui/Vantrel.h"

namespace vantrel {

MainMenu::MainMenu(Vantrel& main) : w_(main) {}

} // namespace vantrel

namespace vantrel {

void MainMenu::Form_Unload() {}

} // namespace vantrel
