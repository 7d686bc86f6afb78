#include "core/app/MainMenu.h"

#include "core/app/CatalogueLoader.h"
#include "core/tools/OrbiterFolderSearch.h"
#include "core/app/ScenarioWriter.h"
#include "core/editing/ShipDisplay.h"
#include "core/editing/ShipEditor.h"
#include "core/editing/StationDisplay.h"
#include "core/editing/StationEditor.h"
#include "core/text/TextHelpers.h"
#include "core/files/DeleteFile.h"
#include "core/files/Description.h"
#include "core/files/FolderManagement.h"
#include "core/files/LoadFile.h"
#include "core/files/SaveAs.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Programs.h"
#include "core/platform/TextFile.h"
#include "core/tools/About.h"
#include "core/tools/CoordinateConverter.h"
#include "core/tools/ErrorLog.h"
#include "core/tools/PlanetarySystemInformation.h"
#include "core/app/Vantrel.h"
#include "core/app/Windows.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

namespace vantrel {

MainMenu::MainMenu(Vantrel& main) : w_(main) {
    auto& m = w_.menu;
    m.Menu12.onClick = [this] { Menu12_Click(); };
    m.Menu13.onClick = [this] { Menu13_Click(); };
    m.Menu14.onClick = [this] { Menu14_Click(); };
    m.Menu11.onClick = [this] { Menu11_Click(); };
    m.Menu17.onClick = [this] { Menu17_Click(); };
    m.Menu16.onClick = [this] { Menu16_Click(); };
    m.Menu35.onClick = [this] { Menu35_Click(); };
    m.Menu32.onClick = [this] { Menu32_Click(); };
    m.Menu31.onClick = [this] { Menu31_Click(); };
    m.Menu34.onClick = [this] { Menu34_Click(); };
    m.Menu33.onClick = [this] { Menu33_Click(); };
    m.Menu21.onClick = [this] { Menu21_Click(); };
    m.Menu22.onClick = [this] { Menu22_Click(); };
}

void MainMenu::showModal(ui::Window& window) {
    w_.services.screen.showModal(window);
    if (window.loaded())
        w_.services.screen.unload(window);
}

bool MainMenu::hasWorkToSave() {
    return w_.status.unsavedChanges() || w_.stationDisplay().hasUnvalidatedEdits() ||
           w_.shipDisplay().hasUnvalidatedEdits();
}

bool MainMenu::OfferToSave() {
    const std::string& file = w_.state.scnfile.caption();
    // Nothing to lose: neither a change a save would write nor a field typed but not validated.
    if (file.empty() || !hasWorkToSave())
        return true;
    if (w_.services.dialogs.msgBox("Do you wish to save " + file + " ?", ui::MsgYesNoQuestion, "Vantrel") !=
        ui::AnswerYes)
        return true;
    if (!ValidateShownEdits())
        return false;
    SaveAs& saveAs = w_.windows().saveAs();
    showModal(saveAs);
    return saveAs.saved();
}

bool MainMenu::ValidateShownEdits() {
    // The ship first: validating a station shows the ship tab again, which would drop what was
    // typed there.
    struct Tab {
        bool edited;
        std::string name;
        std::function<void()> validate;
        std::function<bool()> stillEdited;
    };
    const Tab tabs[] = {
        {w_.shipDisplay().hasUnvalidatedEdits(), w_.shipDisplay().shownName(),
         [this] { w_.shipEditor().Command4_Click(); }, [this] { return w_.shipDisplay().hasUnvalidatedEdits(); }},
        {w_.stationDisplay().hasUnvalidatedEdits(), w_.stationDisplay().shownName(),
         [this] { w_.stationEditor().Command1_Click(); },
         [this] { return w_.stationDisplay().hasUnvalidatedEdits(); }},
    };
    for (const Tab& tab : tabs) {
        if (!tab.edited)
            continue;
        const int answer = w_.services.dialogs.msgBox(
            tab.name + " has changes that are not validated. Validate them before saving?",
            ui::MsgYesNoCancelQuestion, "Vantrel");
        if (answer == ui::AnswerCancel)
            return false;
        if (answer != ui::AnswerYes)
            continue;
        tab.validate();
        // A refused validation has told the person why; the fields stay as typed, unsaved.
        if (tab.stillEdited())
            return false;
    }
    return true;
}

void MainMenu::Menu12_Click() {
    OfferToSave();
    showModal(w_.windows().loadFile());
}

bool MainMenu::opensAsScenario(const std::string& path) {
    return platform::matchesPattern(path, "*.scn");
}

bool MainMenu::openFile(const std::string& path) {
    if (!w_.loaded() || !w_.menu.Menu12.enabled())
        return false;
    const std::string file = platform::normalPath(path);
    const std::string folder = platform::parentFolder(file);
    const std::string name = file.substr(std::min(file.size(), platform::withTrailingSeparator(folder).size()));
    if (name.empty() || !platform::fileExists(file)) {
        w_.services.dialogs.msgBox("The scenario file \"" + path + "\" could not be found.", ui::MsgExclamation,
                                   "Open");
        return false;
    }
    OfferToSave();
    ui::BusyPointer busy(w_.services.screen);
    return LoadFile::showScenario(w_, folder, name, GetDescription(file));
}

namespace {
bool refuseWithoutShips(Vantrel& w) {
    if (w.shipCount() > 0)
        return false;
    w.services.dialogs.msgBox("You must have at least one ship in the scenario !", ui::MsgExclamation,
                              "Forbidden action");
    return true;
}
} // namespace

void MainMenu::Menu13_Click() {
    if (refuseWithoutShips(w_))
        return;
    // Save is only offered once a file is loaded; without a name there is nowhere to write.
    if (w_.state.scnfile.caption().empty())
        return;
    if (!ValidateShownEdits())
        return;
    // A scenario whose file was deleted while it was open: ask where to write it.
    if (!w_.status.hasFile()) {
        showModal(w_.windows().saveAs());
        return;
    }
    ui::BusyPointer busy(w_.services.screen);
    const std::string path = w_.state.ScnDir.caption() + w_.state.scnfile.caption();
    if (!w_.writer().ScenarioFileSaving(path))
        return;
    w_.status.markSaved();
    w_.status.report("Saved " + path);
}

void MainMenu::Menu14_Click() {
    if (refuseWithoutShips(w_))
        return;
    if (!ValidateShownEdits())
        return;
    showModal(w_.windows().saveAs());
}

void MainMenu::Menu11_Click() { showModal(w_.windows().deleteFile()); }

void MainMenu::Menu17_Click() { showModal(w_.windows().folderManagement()); }

bool MainMenu::QueryUnload() {
    if (w_.services.dialogs.msgBox("Are you sure you want to leave Vantrel?", ui::MsgYesNoQuestion,
                                   "Exit confirmation") != ui::AnswerYes)
        return false;
    // Yes to saving and then no save: the edits would be lost, so the program stays.
    return OfferToSave();
}

void MainMenu::Menu16_Click() {
    if (!QueryUnload())
        return;
    if (w_.windows().loadFile().loaded())
        w_.services.screen.unload(w_.windows().loadFile());
    w_.services.screen.unload(w_);
}

void MainMenu::Menu35_Click() { showModal(w_.windows().errorLog()); }

void MainMenu::Menu32_Click() {
    showModal(w_.windows().orbiterFolderSearch());
    auto& cat = w_.cat;
    // The new location is taken at once only when the settings file lies in the working folder,
    // that is when the program was started from the simulator folder; otherwise at the next start.
    if (!platform::fileExists(platform::withTrailingSeparator(cat.currentFolder) + "vantrel.cfg"))
        return;
    const auto lines = platform::readLines(cat.StartFolder + "vantrel.cfg");
    if (!lines || lines->empty())
        return;
    cat.OrbiterFolder = platform::nativeSeparators(ClearComments((*lines)[0]));
    // The working folder is always a real, absolute folder: a folder written relative to the
    // start folder is taken there, and one that does not exist leaves the working folder as it
    // was (the start-up reports it at the next start).
    const std::string folder = w_.catalogueLoader().absoluteFolder(cat.OrbiterFolder);
    if (!folder.empty() && platform::folderExists(folder))
        cat.currentFolder = platform::normalPath(folder);
}

void MainMenu::Menu31_Click() { w_.services.screen.showModeless(w_.windows().planetarySystemInformation()); }

void MainMenu::Menu34_Click() { w_.services.screen.showModeless(w_.windows().coordinateConverter()); }

std::vector<std::string> MainMenu::calculatorPrograms() { return platform::calculatorPrograms(); }

void MainMenu::Menu33_Click() {
    auto& launcher = w_.services.launcher;
    for (const std::string& program : calculatorPrograms()) {
        if (!launcher.available(program))
            continue;
        if (!launcher.start(program, {}, true))
            w_.services.dialogs.msgBox("The calculator \"" + program + "\" could not be started.",
                                       ui::MsgExclamation, "Calculator");
        return;
    }
    w_.services.dialogs.msgBox("No calculator was found on this computer.", ui::MsgInformation, "Calculator");
}

void MainMenu::Menu21_Click() {
    const std::string document =
        helpDocument.empty() ? platform::withTrailingSeparator(w_.cat.StartFolderPath) + "vantrel-help.html"
                             : helpDocument;
    if (!platform::fileExists(document) || !w_.services.launcher.openDocument(document))
        w_.services.dialogs.msgBox("The help document \"" + document + "\" could not be opened.",
                                   ui::MsgExclamation, "Help");
}

void MainMenu::Menu22_Click() {
    w_.services.screen.setEnabled(w_, false);
    showModal(w_.windows().about());
}

void MainMenu::Form_Unload() {
    w_.cat.currentFolder = w_.cat.StartFolder;
    for (ui::Window* window : std::initializer_list<ui::Window*>{&w_.windows().planetarySystemInformation(),
                                                                 &w_.windows().coordinateConverter(),
                                                                 &w_.windows().loadFile()})
        if (window->loaded())
            w_.services.screen.unload(*window);
}

} // namespace vantrel
