#pragma once

// The main window on Windows: the form of the main window under a menu bar built from the core's
// menus (same captions, same keys), a status bar with the edited file's path, the findings count,
// the file's reading and its unsaved state, and scenario files dropped from the Explorer.

#include <windows.h>

#include <memory>

namespace vantrel {
class Vantrel;
}

namespace vantrel::win32 {

class FormWindow;

// Makes the main window's view; `accelerators` receives the menu keys for the message loop.
std::unique_ptr<FormWindow> makeMainWindow(Vantrel& main, HACCEL& accelerators);

} // namespace vantrel::win32
