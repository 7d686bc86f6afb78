#pragma once

// Finding what a person points at on the main window by name: a control of the tabs, whether
// it can be reached there, and a node of a tree by the captions that lead to it. The command
// line's scripts use them; they read the controls only.

#include "core/ui/MainWindowParts.h"
#include "core/ui/TreeView.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::ui {

// A caption as a person reads it: trimmed of blanks and tabs, each run of them read as one
// blank ("Landing pad  1" reads "Landing pad 1").
std::string readCaption(std::string_view caption);

// The node at the end of a path of captions joined by "/" from a top-level node
// ("Earth/Harbor Point/Landing pad 1"), each compared as readCaption reads it. When two
// siblings read the same, the first one that leads to the whole path is taken. 0 when no node
// has that path (an empty path, an empty caption or a missing one).
int nodeAtPath(const TreeView& tree, std::string_view path);

// A control of the main window's three tabs and the tab it stands on (0, 1 or 2).
struct TabControlPlace {
    Control* control = nullptr;
    int tab = -1;
};

// The control of that name on one of the tabs; none (control null) for a name that is not
// one of theirs, the menus and the hidden working state included.
TabControlPlace tabControl(MainWindowParts& main, const std::string& name);

// The controls of each tab, in the order the tab lists them.
std::vector<std::vector<Control*>> tabControls(MainWindowParts& main);

// Can a person reach a control of the tabs: the tabs are shown, the control is visible and
// enabled, and so is the status frame of the ship tab that holds it (the landed, docked and
// orbiting fields show only for the chosen status)?
bool reachable(MainWindowParts& main, const Control& control);

} // namespace vantrel::ui
