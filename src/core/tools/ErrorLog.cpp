#include "core/tools/ErrorLog.h"

#include "core/ui/MainWindowParts.h"

namespace vantrel {

ErrorLog::ErrorLog(MainWindowParts& main) : ui::Window("ErrorLog", "Error Log"), main_(main) {
    add(Text1, Command1);
    Command1.onClick = [this] { Command1_Click(); };
}

void ErrorLog::Form_Load() {
    Text1.setText(main_.model.ScanLog);
    if (Text1.text().empty())
        Text1.setText("No errors were found during file scanning for this scenario.");
}

void ErrorLog::Command1_Click() { main_.services.screen.unload(*this); }

} // namespace vantrel
