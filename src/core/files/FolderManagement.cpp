#include "core/files/FolderManagement.h"

#include "core/files/Description.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/ui/MainWindowParts.h"

namespace vantrel {

namespace {
const char* const CreationRefused = "A folder with the same name already exists..";
}

FolderManagement::FolderManagement(MainWindowParts& main)
    : ui::Window("FolderManagement", "Scenario folder management"), main_(main) {
    Dir1.setToolTip("Displys the scenario folders and sub folders");
    Text1.setToolTip("Displays the selected folder description");
    Command1.setToolTip("Create a sub folder in the selected folder");
    Command2.setToolTip("Delete the selected folder");
    Command3.setToolTip("Save the scenario description");
    Command4.setToolTip("Close the scenario folder management windows");
    DescriptionHtml.setVisible(false);
    add(Label1, Dir1, Label2, Text1, DescriptionHtml, Command1, Command2, Command3, Command4);

    Dir1.onChange = [this] { Dir1_Change(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
}

void FolderManagement::Form_Load() {
    // The main window stays enabled here; the menu shows this window modally.
    Text1.setText({});
    const std::string root = scenarioRoot(main_);
    openFolder(Dir1, root, root);
    scenarioRootFound(main_);
}

void FolderManagement::Dir1_Change() {
    const std::string root = scenarioRoot(main_);
    if (confineFolderList(Dir1, root))
        return;
    // A folder without a description shows none, so saving never copies another folder's text.
    const bool usable = folderListUsable(Dir1, root);
    Text1.setText(usable ? folderDescription(Dir1.path()) : std::string());
    ShowHtmlDescription(usable ? Dir1.path() : std::string());
}

void FolderManagement::ShowHtmlDescription(const std::string& folder) {
    std::string shown;
    if (!folder.empty()) {
        const std::string bytes = platform::readFile(folderDescriptionPath(folder)).value_or(std::string());
        const HtmlDescription html = htmlDescriptionOf(bytes);
        if (html.kind == HtmlDescription::Kind::Url)
            shown = helpPageText(html.text);
        else if (html.kind == HtmlDescription::Kind::Hyper)
            shown = html.text;
    }
    DescriptionHtml.setCaption(shown);
    DescriptionHtml.setVisible(!shown.empty());
}

bool FolderManagement::OpenFolderUsable() {
    const std::string root = scenarioRoot(main_);
    if (folderListUsable(Dir1, root))
        return true;
    main_.services.dialogs.msgBox("The scenario folder \"" + root + "\" cannot be found.", ui::MsgExclamation,
                                  "Folder not found");
    return false;
}

void FolderManagement::Command1_Click() {
    auto& dialogs = main_.services.dialogs;
    const std::string answer =
        dialogs.inputBox("Please, enter the folder name.", "Making a nex scenario sub folder", "New scenario folder");
    if (answer.empty())
        return;
    if (!OpenFolderUsable())
        return;
    // A separator, "." or ".." would make the folder somewhere else than in the open folder.
    if (!isPlainName(answer) || !platform::makeFolder(pathIn(Dir1.path(), answer)).empty()) {
        dialogs.msgBox(CreationRefused, ui::MsgCritical, "Operation aborted !");
        return;
    }
    Dir1.refresh();
}

void FolderManagement::Command2_Click() {
    auto& dialogs = main_.services.dialogs;
    if (!OpenFolderUsable())
        return;
    const std::string folder = Dir1.path();
    const std::string root = scenarioRoot(main_);
    if (platform::normalPath(folder) == platform::normalPath(root)) {
        dialogs.msgBox("The scenario root folder cannot be deleted. Operation aborted", ui::MsgCritical,
                       "You may only delete an empty folder !");
        return;
    }
    // Look before touching anything: a folder with scenarios or sub-folders keeps all of it.
    if (!holdsOnlyDescription(folder)) {
        dialogs.msgBox("This folder contains files. Operation aborted", ui::MsgCritical,
                       "You may only delete an empty folder !");
        return;
    }
    if (dialogs.msgBox("Are you sure ?", ui::MsgYesNoQuestion, "Confirmation before deleting") != ui::AnswerYes)
        return;
    const std::string descriptionFile = folderDescriptionPath(folder);
    const std::optional<std::string> description = platform::readFile(descriptionFile);
    if (description)
        platform::removeFile(descriptionFile);
    if (const std::string error = platform::removeEmptyFolder(folder); !error.empty()) {
        // The folder stays, and so does its description file, byte for byte.
        if (description)
            platform::writeFileAtomically(descriptionFile, *description);
        Dir1.refresh();
        dialogs.msgBox("The folder could not be deleted: " + error + ". Operation aborted", ui::MsgCritical,
                       "You may only delete an empty folder !");
        return;
    }
    Dir1.setPath(platform::parentFolder(folder));
}

void FolderManagement::Command3_Click() {
    if (!OpenFolderUsable())
        return;
    // The box shows only the DESC text: left blank, it must not replace the HYPERDESC or the
    // DESC the file has.
    if (isBlankDescription(Text1.text()) && folderDescribed(Dir1.path())) {
        main_.services.dialogs.msgBox("The description box is empty: the folder keeps the description it has.",
                                      ui::MsgInformation, "Save folder description");
        return;
    }
    if (const std::string error = saveFolderDescription(Dir1.path(), Text1.text()); !error.empty())
        main_.services.dialogs.msgBox("The folder description could not be saved: " + error, ui::MsgCritical,
                                      "Save folder description");
}

void FolderManagement::Command4_Click() { main_.services.screen.unload(*this); }

} // namespace vantrel
