#pragma once

// Writes the forms of the program's windows, as Qt lays them out, into the toolkit-neutral
// description the Windows program places its controls by (core/ui/FormDescription.h).
//
// A Qt layout moves widgets when others show or hide; fixed places cannot. So every widget is
// described where it lies with every control shown, except the widgets that take turns in one
// place (the ship's three status frames, the orbit's two forms): a widget that takes turns
// carries the property "vantrelTurn" = "<place>/<turn>", and each turn is described with only
// that turn shown. A tab page is described as Qt lays it out in its scroll area, which may be
// taller than the page: the Windows pages scroll too.

#include "core/ui/FormDescription.h"

#include <QString>

#include <vector>

class QWidget;

namespace vantrel {
class Vantrel;
}

namespace vantrel::ui {
class Window;
}

namespace vantrel::desktop {

// The description of one view bound to its window. `root` is the widget whose client the
// controls are placed in (a dialog, or the main window's central widget).
ui::FormDescription describeForm(const ui::Window& window, QWidget* root);

// Every window of the program, the main window first.
std::vector<ui::Window*> programWindows(Vantrel& main);

// Makes the view of every window of the program, describes it and writes them all to `path`.
// With a scenario (a file in the Scenarios folder of an installation), the views are described
// with it open. False, with the reason in `error`, when the scenario could not be opened or the
// file could not be written.
bool exportForms(const QString& path, const QString& scenario, QString& error);

} // namespace vantrel::desktop
