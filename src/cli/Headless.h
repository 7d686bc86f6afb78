#pragma once

// The main window without a screen, for the commands of vantrel-scn: scripted services (every
// message box is recorded and answered with its first button) and the start-up run on a given
// simulator folder, without the settings file and without the folder search.

#include "core/ui/ScriptedServices.h"
#include "core/app/Vantrel.h"

#include <memory>
#include <string>

namespace vantrel::cli {

// A message box's text on one line, as the commands print it: each line end (CR LF, CR or LF)
// becomes " | ".
std::string oneLine(const std::string& text);

class Headless {
public:
    // Makes the main window on orbiterFolder and runs its start-up.
    explicit Headless(const std::string& orbiterFolder);

    Vantrel& main() { return *main_; }
    ui::ScriptedServices& scripted() { return scripted_; }

    // Did the start-up take its failure path ("The Orbiter folder was not correctly located")?
    bool startupFailed() const;
    // The warning the start-up showed on failure; empty otherwise.
    std::string failureMessage() const;

private:
    ui::ScriptedServices scripted_;
    std::unique_ptr<Vantrel> main_;
};

} // namespace vantrel::cli
