#pragma once

// What the main window's status line says about the edited scenario: its path, whether a save
// would write something other than what was last loaded or saved, and the last thing that
// happened (a save, a validation, a refusal or an error shown in a message box).

#include "core/ui/Services.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace vantrel {

class MainWindowParts;

class ScenarioStatus {
public:
    explicit ScenarioStatus(MainWindowParts& main);

    // The path of the edited scenario file; empty while none is loaded, and once it was deleted.
    std::string path() const;
    // The edited scenario's file was deleted: the scenario stays open, unsaved, and the next
    // save asks where to write it. A load or a save gives it a file again.
    void fileRemoved() { fileRemoved_ = true; }
    bool hasFile() const { return !fileRemoved_; }
    // The layout the scenario is read and edited in ("Today's scenario format"); empty while
    // none is loaded.
    std::string format() const;

    // True while a save would write other bytes than the last load or save read or wrote, and
    // while the scenario has no file. Every edit that reaches the saved text sets it, and taking
    // the edit back clears it again. Fields of a station or ship not yet validated are not in
    // the saved text, so they do not count.
    bool unsavedChanges() const;
    // The scenario now stands as it was just loaded or saved.
    void markSaved();

    // Tells what just happened; onReport shows it.
    void report(const std::string& message);
    const std::string& lastReport() const { return lastReport_; }
    std::function<void(const std::string&)> onReport;

    // Message boxes pass through here on their way to the screen: a box that only informs (an
    // error, a refusal, a warning) is reported too, so the status line still says it once the
    // box is gone. Questions are not: their answer is what happens next.
    ui::Dialogs& dialogs(ui::Dialogs& shown);

private:
    class ReportingDialogs : public ui::Dialogs {
    public:
        explicit ReportingDialogs(ScenarioStatus& status) : status_(status) {}
        int msgBox(const std::string& text, int style, const std::string& title) override;
        std::string inputBox(const std::string& prompt, const std::string& title,
                             const std::string& defaultText) override;
        ui::Dialogs* shown = nullptr;

    private:
        ScenarioStatus& status_;
    };

    MainWindowParts& w_;
    ReportingDialogs dialogs_{*this};
    std::string lastReport_;
    bool fileRemoved_ = false;
};

} // namespace vantrel
