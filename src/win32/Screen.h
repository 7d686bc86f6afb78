#pragma once

// The screen service on Windows: every window of the program shown as a form window (the main
// window with its menus and status bar), modal windows with their own message loop, and the
// busy pointer.

#include "core/ui/Services.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace vantrel::win32 {

class FormWindow;

class Win32Screen : public ui::Screen {
public:
    // Makes the view of a window: the main window's maker is given by main(), the others are
    // plain form windows.
    using Maker = std::function<std::unique_ptr<FormWindow>(ui::Window& window, HWND owner)>;

    explicit Win32Screen(Maker makeMain) : makeMain_(std::move(makeMain)) {}
    ~Win32Screen() override;

    void showModal(ui::Window& window) override;
    void showModeless(ui::Window& window) override;
    void hide(ui::Window& window) override;
    // Runs the unload handler and closes the view. When the main window goes, the program ends.
    void unload(ui::Window& window) override;
    void setEnabled(ui::Window& window, bool enabled) override;
    void setBusy(bool busy) override;

    // The view of a window, made when `make` is set and none exists yet.
    FormWindow* viewOf(ui::Window& window, bool make = false);
    void setMainWindow(ui::Window& window) { main_ = &window; }
    // Runs the program's message loop until the main window has gone.
    int run(HACCEL accelerators);
    // Deletes the views closed since (never while a person's action in them may still run).
    void collect();
    // Closes every view at once; call before the core windows go away.
    void releaseViews();

private:
    struct Entry {
        std::unique_ptr<FormWindow> view;
        bool hiddenByProgram = false;
    };
    // Runs the load handler and gives the window's view, made when needed; nullptr when loading
    // unloaded the window, or, with a message, when it has no form.
    FormWindow* loadedView(ui::Window& window);
    // One message through the accelerators and the keyboard navigation of the window in front.
    void dispatch(MSG& message, HACCEL accelerators);
    void place(FormWindow& view);
    void closeView(ui::Window& window);

    Maker makeMain_;
    ui::Window* main_ = nullptr;
    std::map<ui::Window*, Entry> views_;
    std::vector<std::unique_ptr<FormWindow>> closed_;
    HACCEL accelerators_ = nullptr;
    int busyDepth_ = 0;
};

} // namespace vantrel::win32
