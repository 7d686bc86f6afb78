#include "core/files/DeleteFile.h"

#include "core/files/Description.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/ui/MainWindowParts.h"

namespace vantrel {

DeleteFile::DeleteFile(MainWindowParts& main) : ui::Window("DeleteFile", "Delete a scenario file"), main_(main) {
    FileListtoDelete.setToolTip("List of the scenario files installed in the Orbiter configuration");
    Command1.setToolTip("Delete the selected scenario file. Both standard scenario files (Current save and quick "
                        "save) are protected from deleting in order to ensure to keep at least a scenario when "
                        "starting Orbiter ");
    Command2.setToolTip("Return to the Vantrel main windows without deleting the selected scenario");
    add(Dir1, Label1, Text2, Label2, FileListtoDelete, Label3, Text1, Command1, Command2);

    Dir1.onChange = [this] { Dir1_Change(); };
    Dir1.onClick = [this] { Dir1_Click(); };
    FileListtoDelete.onClick = [this] { FileListtoDelete_Click(); };
    FileListtoDelete.onDblClick = [this] { FileListtoDelete_DblClick(); };
    FileListtoDelete.onKeyPress = [this](int key) { FileListtoDelete_KeyPress(key); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

bool DeleteFile::IsProtected(const std::string& fileName) {
    return fileName == "(Current state).scn" || fileName == "(Quicksave state).scn";
}

void DeleteFile::Form_Load() {
    main_.services.screen.setEnabled(main_, false);
    Text1.setText({});
    Text2.setText({});
    FileListtoDelete.setPattern("*.scn");
    FileListtoDelete.setPath(main_.state.ScnDir.caption());
    openFolder(Dir1, main_.state.ScnDir.caption(), scenarioRoot(main_));
    scenarioRootFound(main_);
}

void DeleteFile::Form_Unload() { main_.services.screen.setEnabled(main_, true); }

void DeleteFile::Dir1_Change() {
    const std::string root = scenarioRoot(main_);
    if (confineFolderList(Dir1, root))
        return;
    Text1.setText({});
    if (!folderListUsable(Dir1, root)) {
        FileListtoDelete.setPath({});
        Text2.setText({});
        return;
    }
    FileListtoDelete.setPath(Dir1.path());
    Text2.setText(folderDescriptionPreview(Dir1.path()));
}

void DeleteFile::FileListtoDelete_Click() {
    if (FileListtoDelete.listIndex() < 0)
        return;
    Text1.setText(descriptionPreview(pathIn(Dir1.path(), FileListtoDelete.fileName())));
}

void DeleteFile::FileListtoDelete_DblClick() { DeleteSelected(ui::MsgOkCancelQuestion, ui::AnswerOk, false); }

void DeleteFile::FileListtoDelete_KeyPress(int keyAscii) {
    if (keyAscii == ui::KeyEnter)
        DeleteSelected(ui::MsgOkCancelQuestion, ui::AnswerOk, true);
}

void DeleteFile::Command1_Click() { DeleteSelected(ui::MsgYesNoQuestion, ui::AnswerYes, true); }

void DeleteFile::Command2_Click() { main_.services.screen.unload(*this); }

void DeleteFile::DeleteSelected(int questionStyle, int goOnAnswer, bool selectFirstAfter) {
    auto& dialogs = main_.services.dialogs;
    const std::string name = FileListtoDelete.fileName();
    if (FileListtoDelete.listIndex() < 0 || name.empty() || !folderListUsable(Dir1, scenarioRoot(main_)))
        return;
    if (IsProtected(name)) {
        dialogs.msgBox("This file must not be deleted !", ui::MsgExclamation, "Warning");
        return;
    }
    if (dialogs.msgBox("Are you sure ?", questionStyle, "Confirmation before deleting") != goOnAnswer)
        return;
    const std::string folder = Dir1.path();
    const std::string path = pathIn(folder, name);
    const std::string edited = main_.status.path();
    if (const std::string error = platform::removeFile(path); !error.empty())
        dialogs.msgBox("The file \"" + name + "\" could not be deleted: " + error, ui::MsgCritical,
                       "Deletion failed");
    else if (!edited.empty() && platform::normalPath(edited) == platform::normalPath(path))
        main_.status.fileRemoved(); // the open scenario stays, now without a file
    FileListtoDelete.refresh();
    if (selectFirstAfter && FileListtoDelete.listCount() > 0)
        FileListtoDelete.setListIndex(0);
    const std::string shown = FileListtoDelete.fileName();
    Text1.setText(shown.empty() ? std::string() : descriptionPreview(pathIn(folder, shown)));
}

} // namespace vantrel
