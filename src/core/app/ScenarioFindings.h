#pragma once

// The main window's list of what today's simulator would do wrong with the open scenario: the
// simulator check of the bytes a save would write, shown under the tabs with a count, worked out
// after a load and again once the scenario has changed.

#include "core/vessels/SimulatorCheck.h"

#include <string>
#include <vector>

namespace vantrel {

class MainWindowParts;

// What the check needs of the installation the window has loaded.
vessels::CheckInstallation checkInstallation(MainWindowParts& main);

class ScenarioFindings {
public:
    explicit ScenarioFindings(MainWindowParts& main);

    // The scenario changed (loaded, validated, an entry added or deleted): the list is out of
    // date until the next refresh.
    void changed() { stale_ = true; }
    bool stale() const { return stale_; }
    // Works the findings out again when the scenario changed since they were; the desktop calls
    // it once edits pause, so an edit of a huge scenario does not pay for the whole check.
    void refreshIfStale();
    // Works them out now: for a today's file, or any file of an installation of today's
    // simulator; none otherwise.
    void refresh();
    const std::vector<vessels::Finding>& findings() const { return findings_; }

    // A double-click on an entry shows its vessel in its tab.
    void Findings_DblClick();

private:
    MainWindowParts& w_;
    std::vector<vessels::Finding> findings_;
    bool stale_ = false;
};

} // namespace vantrel
