#pragma once

// The folder search window: the person browses to the simulator folder (the one holding
// "orbiter.cfg") and validates it; the choice is written to the settings file and takes
// effect at the next start.

#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/Window.h"

#include <string>

namespace vantrel {

class MainWindowParts;

class OrbiterFolderSearch : public ui::Window {
public:
    explicit OrbiterFolderSearch(MainWindowParts& main);

    static constexpr const char* Instruction =
        "Select (and open by double clicking) the folder where Orbiter is installed and click on Validate";
    static constexpr const char* SavedMessage =
        "This location will be taken into account when you start again Vantrel.";

    ui::DriveList Drive1{"Drive1"};
    ui::FolderList Dir1{"Dir1"};
    ui::Label Label1{"Label1", "Label1"};
    ui::Label Label2{"Label2", Instruction};
    ui::Button Command1{"Command1", "Validate"};

    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click();

protected:
    void Form_Load() override;

private:
    MainWindowParts& main_;
    // Set while the window fills itself, so that its own path changes are not a person's.
    bool loading_ = false;
    bool restoringDrive_ = false;
};

} // namespace vantrel
