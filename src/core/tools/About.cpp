#include "core/tools/About.h"

#include "core/ui/MainWindowParts.h"

namespace vantrel {

const char* programVersion() { return VANTREL_VERSION; }

About::About(MainWindowParts& main) : ui::Window("About", "About"), main_(main) {
    add(Image1, Label1, Label2, Label3, Label4, Label5, Command1);
    Command1.onClick = [this] { Command1_Click(); };
}

void About::Command1_Click() { main_.services.screen.unload(*this); }

void About::Form_Unload() { main_.services.screen.setEnabled(main_, true); }

} // namespace vantrel
