#include "core/files/LoadFile.h"

#include "core/files/Description.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/scenario/ScenarioFile.h"
#include "core/ui/MainWindowParts.h"

#include <optional>
#include <string>

namespace vantrel {

std::optional<std::string> scenarioFileRefusal(const std::string& path) {
    const std::optional<std::string> bytes = platform::readFile(path);
    if (!bytes)
        return "The file " + path + " can not be read, so it was not opened.";
    return scenarioRefusal(*bytes, path);
}

LoadFile::LoadFile(MainWindowParts& main) : ui::Window("LoadFile", "Load a scenario"), main_(main) {
    Text2.setToolTip("Selected folder scenario description");
    FilelisttoLoad.setToolTip("List of the scenario files installed in the Orbiter configuration");
    Text1.setToolTip("Selected scenario description");
    Command1.setToolTip("Load the selected scenario");
    Command2.setToolTip("Return the the main Vantrel without loading the seleted scenario");
    add(Dir1, Label1, Text2, Label2, FilelisttoLoad, Label3, Text1, Command1, Command2);

    Dir1.onChange = [this] { Dir1_Change(); };
    FilelisttoLoad.onClick = [this] { FilelisttoLoad_Click(); };
    FilelisttoLoad.onDblClick = [this] { FilelisttoLoad_DblClick(); };
    FilelisttoLoad.onKeyPress = [this](int key) { FilelisttoLoad_KeyPress(key); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void LoadFile::Form_Load() {
    main_.services.screen.setEnabled(main_, false);
    const std::string root = scenarioRoot(main_);
    Text1.setText({});
    Text2.setText({});
    FilelisttoLoad.setPattern("*.scn");
    FilelisttoLoad.setPath(root);
    openFolder(Dir1, main_.state.ScnDir.caption(), root);
    scenarioRootFound(main_);
}

void LoadFile::Form_Unload() { main_.services.screen.setEnabled(main_, true); }

void LoadFile::Dir1_Change() {
    const std::string root = scenarioRoot(main_);
    // Moving the list back to the root raises this handler again, which shows the root.
    if (confineFolderList(Dir1, root))
        return;
    Text1.setText({});
    if (!folderListUsable(Dir1, root)) {
        Text2.setText({});
        FilelisttoLoad.setPath({});
        return;
    }
    Text2.setText(folderDescriptionPreview(Dir1.path()));
    FilelisttoLoad.setPath(Dir1.path());
}

void LoadFile::FilelisttoLoad_Click() {
    if (FilelisttoLoad.listIndex() < 0)
        return;
    // A file without a DESC block is previewed by its HYPERDESC text or help page.
    Text1.setText(descriptionPreview(pathIn(FilelisttoLoad.path(), FilelisttoLoad.fileName())));
}

void LoadFile::FilelisttoLoad_DblClick() {
    // A double-click shows the busy pointer even where it finds no file.
    ui::BusyPointer busy(main_.services.screen);
    if (FilelisttoLoad.listIndex() < 0)
        return;
    LoadSelected();
}

void LoadFile::FilelisttoLoad_KeyPress(int keyAscii) {
    if (keyAscii != ui::KeyEnter || FilelisttoLoad.listIndex() < 0)
        return;
    ui::BusyPointer busy(main_.services.screen);
    LoadSelected();
}

void LoadFile::Command1_Click() {
    if (FilelisttoLoad.listIndex() < 0)
        return;
    ui::BusyPointer busy(main_.services.screen);
    LoadSelected();
}

void LoadFile::Command2_Click() { main_.services.screen.unload(*this); }

void LoadFile::VantrelSetting() { main_.state.scnfile.setCaption(FilelisttoLoad.fileName()); }

void LoadFile::LoadSelected() {
    // The first tab's description field gets the DESC text alone, never the HTML preview.
    const std::string chosen = pathIn(FilelisttoLoad.path(), FilelisttoLoad.fileName());
    if (showScenario(main_, FilelisttoLoad.path(), FilelisttoLoad.fileName(), GetDescription(chosen)))
        main_.services.screen.unload(*this);
}

bool LoadFile::showScenario(MainWindowParts& main, const std::string& folder, const std::string& fileName,
                            const std::string& description) {
    // A file that is not a scenario would replace the open one with an empty scenario.
    const std::string chosen = platform::withTrailingSeparator(folder) + fileName;
    if (const std::optional<std::string> refusal = scenarioFileRefusal(chosen)) {
        main.services.dialogs.msgBox(*refusal, ui::MsgExclamation, "Warning");
        return false;
    }
    auto& state = main.state;
    auto& menu = main.menu;
    menu.Menu13.setEnabled(true);
    menu.Menu14.setEnabled(true);
    state.Label9.setCaption("Scenario file");
    state.Label9.setVisible(true);
    state.scnfile.setVisible(true);
    state.Image5.setVisible(false);
    // The main window's folder follows the browsing only now that a file is really loaded, so
    // File/Save always writes where the edited file came from.
    state.ScnDir.setCaption(platform::withTrailingSeparator(folder));
    state.scnfile.setCaption(fileName);
    main.env.Description.setText(description);
    main.TabSettings();
    main.status.markSaved();
    if (!state.SSTab1.visible())
        state.SSTab1.setVisible(true);
    menu.Menu31.setEnabled(true);
    menu.Menu35.setEnabled(true);
    menu.Menu12.setEnabled(true);
    return true;
}

} // namespace vantrel
