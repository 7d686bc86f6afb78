#include "core/tools/OrbiterFolderSearch.h"

#include "core/catalogue/Catalogue.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/ui/MainWindowParts.h"

namespace vantrel {

OrbiterFolderSearch::OrbiterFolderSearch(MainWindowParts& main)
    : ui::Window("OrbiterFolderSearch", "Orbiter folder search"), main_(main) {
    add(Drive1, Dir1, Label1, Label2, Command1);
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    Dir1.onClick = [this] { Dir1_Change(); };
    Command1.onClick = [this] { Command1_Click(); };
}

void OrbiterFolderSearch::Form_Load() {
    loading_ = true;
    Label1.setCaption("Label1");
    Command1.setEnabled(false);
    std::string start = main_.cat.currentFolder;
    if (start.empty() || !platform::folderExists(start))
        start = platform::currentFolder();
    Dir1.setPath(start);
    Drive1.setDrive(Drive1.driveOf(Dir1.path()));
    loading_ = false;
}

void OrbiterFolderSearch::Drive1_Change() {
    if (loading_ || restoringDrive_)
        return;
    if (Dir1.setPath(Drive1.drive()))
        return;
    // The drive cannot be read: go back to the drive of the folder shown.
    restoringDrive_ = true;
    Drive1.setDrive(Drive1.driveOf(Dir1.path()));
    restoringDrive_ = false;
}

void OrbiterFolderSearch::Dir1_Change() {
    if (loading_)
        return;
    const std::string& path = Dir1.path();
    Label1.setCaption(path);
    // A folder of today's simulator may have no "orbiter.cfg" yet: its Config and Scenarios
    // folders tell it as well.
    Command1.setEnabled(isSimulatorFolder(path));
}

void OrbiterFolderSearch::Command1_Click() {
    auto& dialogs = main_.services.dialogs;
    const std::string target = main_.cat.StartFolderPath + CatalogueState::SettingsFileName;
    const std::string failure = platform::writeFileAtomically(target, Label1.caption() + "\r\n");
    if (!failure.empty()) {
        // Nothing was changed; the person may choose another folder or close the window.
        dialogs.msgBox("The location could not be saved in " + target + ": " + failure + ".", ui::MsgCritical,
                       "Orbiter folder search");
        return;
    }
    dialogs.msgBox(SavedMessage, ui::MsgInformation, "Information");
    main_.services.screen.unload(*this);
}

} // namespace vantrel
