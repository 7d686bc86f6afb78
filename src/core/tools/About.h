#pragma once

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

#include <string>

namespace vantrel {

class MainWindowParts;

// The program's version, as the build names it (the project version).
const char* programVersion();

// The About box: who made the program and how to reach them. It gives the main window back its
// input when it goes, however it is closed.
class About : public ui::Window {
public:
    explicit About(MainWindowParts& main);

    ui::Image Image1{"Image1", "about"};
    ui::Label Label1{"Label1", "Vantrel"};
    ui::Label Label2{"Label2", "Scenario editor for the Orbiter space flight simulator"};
    ui::Label Label3{"Label3", "Written by the Vantrel developers"};
    ui::Label Label4{"Label4", "Contact: the Vantrel project's issue tracker"};
    ui::Label Label5{"Label5", std::string("Version ") + programVersion()};
    ui::Button Command1{"Command1", "OK"};

    void Command1_Click();

protected:
    void Form_Unload() override;

private:
    MainWindowParts& main_;
};

} // namespace vantrel
