#pragma once

#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/Window.h"

#include <string>

namespace vantrel {

class MainWindowParts;

// "Save the scenario file as ...": writes the edited scenario under a name typed or picked in a
// folder of the scenario tree, asking before it replaces a file.
class SaveAs : public ui::Window {
public:
    explicit SaveAs(MainWindowParts& main);

    ui::FolderList Dir1{"Dir1"};
    ui::Label Label1{"Label1", "Scenario folder description"};
    ui::TextField Text1{"Text1", true};
    ui::FileList ScenarioFileList{"ScenarioFileList", "*.scn"};
    ui::Label Label2{"Label2", "Scenarion name"};
    ui::TextField FileToSave{"FileToSave"};
    ui::Button Command1{"Command1", "Save as"};
    ui::Button Command2{"Command2", "Cancel"};

    void Dir1_Change();
    void ScenarioFileList_Click();
    void FileToSave_KeyPress(int keyAscii);
    void Command1_Click();
    void Command2_Click();

    // The file name a typed name stands for: trimmed, with ".scn" added unless it already ends
    // with it in any letter case (a blank name gives ".scn").
    static std::string CompletedName(const std::string& typed);

    // Whether the window wrote the scenario since it was last shown.
    bool saved() const { return saved_; }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    // The save shared by the button (Yes/No question) and the Enter key (OK/Cancel question).
    void SaveScenario(int questionStyle, int goOnAnswer);

    MainWindowParts& main_;
    bool saved_ = false;
};

} // namespace vantrel
