#pragma once

#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/Window.h"

#include <string>

namespace vantrel {

class MainWindowParts;

// "Delete a scenario file": removes scenario files of the scenario tree one at a time, after a
// confirmation. The simulator's two standard scenarios are never removed.
class DeleteFile : public ui::Window {
public:
    explicit DeleteFile(MainWindowParts& main);

    ui::FolderList Dir1{"Dir1"};
    ui::Label Label1{"Label1", "Scenario folder description"};
    ui::TextField Text2{"Text2", true};
    ui::Label Label2{"Label2", "Scenario file to delete"};
    ui::FileList FileListtoDelete{"FileListtoDelete", "*.scn"};
    ui::Label Label3{"Label3", "Scenario descripton"};
    ui::TextField Text1{"Text1", true};
    ui::Button Command1{"Command1", "Delete"};
    ui::Button Command2{"Command2", "Cancel"};

    void Dir1_Change();
    void Dir1_Click() {}
    void FileListtoDelete_Click();
    void FileListtoDelete_DblClick();
    void FileListtoDelete_KeyPress(int keyAscii);
    void Command1_Click();
    void Command2_Click();

    // The simulator's standard scenarios, compared exactly.
    static bool IsProtected(const std::string& fileName);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    // The deletion shared by the three triggers; the button and the Enter key select the first
    // remaining file afterwards, the double-click leaves the selection to the list.
    void DeleteSelected(int questionStyle, int goOnAnswer, bool selectFirstAfter);

    MainWindowParts& main_;
};

} // namespace vantrel
