#pragma once

#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/Window.h"

#include <optional>
#include <string>

namespace vantrel {

// Why the file at `path` cannot be opened as a scenario, as the message that refuses it, or
// nothing when it can: it cannot be read, it holds a NUL byte (it is not text), or no line of
// it begins a section ("BEGIN_..."). Opening such a file would empty the open scenario and
// leave nothing in its place.
std::optional<std::string> scenarioFileRefusal(const std::string& path);

class MainWindowParts;

// "Load a scenario": browses the scenario tree with its folder and file descriptions and hands
// the chosen file to the main window, whose reader fills the tabs.
class LoadFile : public ui::Window {
public:
    explicit LoadFile(MainWindowParts& main);

    ui::FolderList Dir1{"Dir1"};
    ui::Label Label1{"Label1", "Scenario folder description"};
    ui::TextField Text2{"Text2", true};
    ui::Label Label2{"Label2", "Scenario file to load"};
    ui::FileList FilelisttoLoad{"FilelisttoLoad", "*.scn"};
    ui::Label Label3{"Label3", "Scenario description"};
    ui::TextField Text1{"Text1", true};
    ui::Button Command1{"Command1", "Load"};
    ui::Button Command2{"Command2", "Cancel"};

    void Dir1_Change();
    void FilelisttoLoad_Click();
    void FilelisttoLoad_DblClick();
    void FilelisttoLoad_KeyPress(int keyAscii);
    void Command1_Click();
    void Command2_Click();
    // Hands the chosen file name to the main window.
    void VantrelSetting();

    // Shows a scenario file in the main window as a load does. Its folder becomes the main
    // window's folder, so File/Save writes back where the file came from, inside the scenario
    // folder or not. A file that is not a scenario is refused with a message naming it, and
    // false is returned: the open scenario stays as it was.
    static bool showScenario(MainWindowParts& main, const std::string& folder, const std::string& fileName,
                             const std::string& description);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    // The work shared by the Load button, the double-click and the Enter key.
    void LoadSelected();

    MainWindowParts& main_;
};

} // namespace vantrel
