#pragma once

#include <string>
#include <vector>

namespace vantrel {

class Vantrel;

namespace ui {
class Window;
}

// The main window's menu commands, its states and its shutdown.
class MainMenu {
public:
    explicit MainMenu(Vantrel& main);

    void Menu12_Click(); // Files / Open
    void Menu13_Click(); // Files / Save
    void Menu14_Click(); // Files / Save as
    void Menu11_Click(); // Files / Delete a scenario file
    void Menu17_Click(); // Files / Scenario folder management
    void Menu16_Click(); // Files / Exit
    void Menu35_Click(); // Tools / Error Log
    void Menu32_Click(); // Tools / Orbiter Folder Search
    void Menu31_Click(); // Tools / Planetary system information
    void Menu34_Click(); // Tools / Spherical/cartesian converter
    void Menu33_Click(); // Tools / Windows Calculator
    void Menu21_Click(); // ? / Help
    void Menu22_Click(); // ? / About

    // Opens a scenario file named from outside the program (the command line, a file dropped on
    // the window) the way Open does: the offer to save the edited file first, then the file,
    // read from its own folder. A file that is not there is refused with a message; nothing
    // happens while Open is not available (no simulator folder was found). True when the file
    // was read.
    bool openFile(const std::string& path);
    // Is this the name of a file Open takes (".scn", in any letter case)?
    static bool opensAsScenario(const std::string& path);

    // Asks whether to leave (and whether to save first). True when the program may end; the
    // window's close box asks this too.
    bool QueryUnload();
    // Before a save: for the shown ship, then station, whose fields were typed but not
    // validated, asks whether to validate them (Yes validates, No saves without them). False
    // when the save should not go on: Cancel, or a validation that was not accepted.
    bool ValidateShownEdits();
    void Form_Unload();

    // The calculators looked for, in order; the first one found is started.
    static std::vector<std::string> calculatorPrograms();
    // The program's help document. The desktop sets it to the document it ships; when empty,
    // "vantrel-help.html" in the start folder is used.
    std::string helpDocument;

private:
    // Shows a window modally and makes sure it is unloaded afterwards, however it was closed.
    void showModal(ui::Window& window);
    // Offers to save the edited file in the save-as window, when there is something to save:
    // unsaved changes, or fields typed but not validated. False when the person wanted to save
    // but did not (a cancelled question, a refused validation, the save-as window left).
    bool OfferToSave();
    bool hasWorkToSave();

    Vantrel& w_;
};

} // namespace vantrel
