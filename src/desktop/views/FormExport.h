#pragma once

// Writes the forms of the program's windows, as Qt lays them out, into the toolkit-neutral
// description the Windows program places its controls by (core/ui/FormDescription.h).
//
// A Qt layout moves widgets when others show or hide; fixed places cannot. So every widget is
// described where it lies with every control shown, except the widgets that take turns in one
// place (the ship's three status frames, the orbit's two forms): a widget that takes turns
// carries the property "vantrelTurn" = "<place>/<turn>", and each turn is described with only
// that turn shown.

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
// False, with the reason in `error`, when the file could not be written.
bool exportForms(const QString& path, QString& error);

} // namespace vantrel::desktop
