#pragma once

#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/Window.h"

#include <string>

namespace vantrel {

class MainWindowParts;

// "Scenario folder management": creates sub-folders, removes empty folders, and edits the
// description of the open folder.
class FolderManagement : public ui::Window {
public:
    explicit FolderManagement(MainWindowParts& main);

    ui::Label Label1{"Label1", "Scenario folder"};
    ui::FolderList Dir1{"Dir1"};
    ui::Label Label2{"Label2", "Open folder description"};
    ui::TextField Text1{"Text1", true};
    // What the folder's file says of itself in HTML or in the help, read-only and kept when the
    // description is saved; hidden when it says nothing there.
    ui::Label DescriptionHtml{"DescriptionHtml"};
    ui::Button Command1{"Command1", "Insert new folder"};
    ui::Button Command2{"Command2", "Delete folder"};
    ui::Button Command3{"Command3", "Save folder description"};
    ui::Button Command4{"Command4", "Close"};

    void Dir1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void Form_Load() override;

private:
    // Is the open folder one the commands may act on? Tells the person when it is not.
    bool OpenFolderUsable();
    // Shows the HYPERDESC text or the help page of the folder's file; nothing for no folder.
    void ShowHtmlDescription(const std::string& folder);

    MainWindowParts& main_;
};

} // namespace vantrel
