#include "core/files/SaveAs.h"

#include "core/text/TextHelpers.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/ui/MainWindowParts.h"

namespace vantrel {

namespace {
const char* const InitialName = "NewScenario";
}

SaveAs::SaveAs(MainWindowParts& main) : ui::Window("SaveAs", "Save the scenario file as ..."), main_(main) {
    Dir1.setToolTip("Scenario Folder display");
    Text1.setToolTip("Selected scenario folder description");
    ScenarioFileList.setToolTip("List of the scenario files already exusting");
    FileToSave.setToolTip("Name of the scenario file to save");
    Command1.setToolTip("Save the file");
    Command2.setToolTip("Cancel the saving and close the windows");
    FileToSave.setText(InitialName);
    add(Dir1, Label1, Text1, ScenarioFileList, Label2, FileToSave, Command1, Command2);

    Dir1.onChange = [this] { Dir1_Change(); };
    ScenarioFileList.onClick = [this] { ScenarioFileList_Click(); };
    FileToSave.onKeyPress = [this](int key) { FileToSave_KeyPress(key); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void SaveAs::Form_Load() {
    saved_ = false;
    main_.services.screen.setEnabled(main_, false);
    const std::string root = scenarioRoot(main_);
    FileToSave.setText(InitialName);
    Text1.setText({});
    ScenarioFileList.setPattern("*.scn");
    ScenarioFileList.setPath(main_.state.ScnDir.caption());
    openFolder(Dir1, main_.state.ScnDir.caption(), root);
    scenarioRootFound(main_);
}

void SaveAs::Form_Unload() { main_.services.screen.setEnabled(main_, true); }

void SaveAs::Dir1_Change() {
    const std::string root = scenarioRoot(main_);
    if (confineFolderList(Dir1, root))
        return;
    if (!folderListUsable(Dir1, root)) {
        ScenarioFileList.setPath({});
        Text1.setText({});
        return;
    }
    ScenarioFileList.setPath(Dir1.path());
    Text1.setText(folderDescriptionPreview(Dir1.path()));
}

void SaveAs::ScenarioFileList_Click() {
    if (ScenarioFileList.listIndex() >= 0)
        FileToSave.setText(ScenarioFileList.fileName());
}

void SaveAs::FileToSave_KeyPress(int keyAscii) {
    if (keyAscii == ui::KeyEnter)
        SaveScenario(ui::MsgOkCancelQuestion, ui::AnswerOk);
}

void SaveAs::Command1_Click() { SaveScenario(ui::MsgYesNoQuestion, ui::AnswerYes); }

void SaveAs::Command2_Click() { main_.services.screen.unload(*this); }

std::string SaveAs::CompletedName(const std::string& typed) {
    std::string name = trim(typed);
    if (!equalsIgnoringCase(right(name, 4), ".scn"))
        name += ".scn";
    return name;
}

void SaveAs::SaveScenario(int questionStyle, int goOnAnswer) {
    auto& dialogs = main_.services.dialogs;
    const std::string name = CompletedName(FileToSave.text());
    // The name must stay in the folder shown: a separator or a "." / ".." would write elsewhere.
    if (!isPlainName(name)) {
        dialogs.msgBox("The name \"" + trim(FileToSave.text()) +
                           "\" cannot be used: a scenario file name must not contain \"/\" or \"\\\".",
                       ui::MsgExclamation, "Invalid file name");
        return;
    }
    const std::string root = scenarioRoot(main_);
    if (!folderListUsable(Dir1, root)) {
        dialogs.msgBox("The scenario folder \"" + root + "\" cannot be found. Nothing was saved.",
                       ui::MsgExclamation, "Folder not found");
        return;
    }
    const std::string folder = Dir1.path();
    const std::string path = pathIn(folder, name);
    if (platform::fileExists(path) &&
        dialogs.msgBox("Do you want to overwrite it ?", questionStyle, "This file already exists.") != goOnAnswer)
        return;
    ui::BusyPointer busy(main_.services.screen);
    // The writer tells the person why a save failed; the window then stays open.
    if (!main_.ScenarioFileSaving(path))
        return;
    saved_ = true;
    main_.state.scnfile.setCaption(name);
    // File/Save writes from now on the file just saved, wherever it lies.
    main_.state.ScnDir.setCaption(platform::withTrailingSeparator(folder));
    main_.status.markSaved();
    main_.status.report("Saved " + path);
    main_.services.screen.unload(*this);
}

} // namespace vantrel
