#include "Screen.h"

#include "Binder.h"
#include "BusyCursor.h"
#include "Dialogs.h"
#include "FormWindow.h"
#include "Forms.h"
#include "Text.h"

#include "core/ui/Window.h"

namespace vantrel::win32 {

Win32Screen::~Win32Screen() { releaseViews(); }

FormWindow* Win32Screen::viewOf(ui::Window& window, bool make) {
    Entry& entry = views_[&window];
    if (entry.view || !make)
        return entry.view.get();
    HWND owner = nullptr;
    if (main_ && main_ != &window)
        if (FormWindow* mainView = viewOf(*main_))
            owner = mainView->hwnd();
    if (&window == main_ && makeMain_) {
        entry.view = makeMain_(window, owner);
    } else if (const ui::FormDescription* form = formOf(window.name())) {
        entry.view = std::make_unique<FormWindow>(window, *form, owner,
                                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
        FormWindow* view = entry.view.get();
        view->closesOnEscape = true;
        view->onClose = [this, &window] {
            // The close box or Escape unloads the window, as in every editor.
            if (window.loaded())
                unload(window);
        };
        view->bind();
    }
    if (entry.view)
        EnableWindow(entry.view->hwnd(), window.enabled());
    return entry.view.get();
}

void Win32Screen::place(FormWindow& view) {
    if (!main_ || &view.window() == main_)
        return;
    FormWindow* mainView = viewOf(*main_);
    if (!mainView || !IsWindowVisible(mainView->hwnd()))
        return;
    RECT outer, inner;
    GetWindowRect(mainView->hwnd(), &outer);
    GetWindowRect(view.hwnd(), &inner);
    const int width = inner.right - inner.left;
    const int height = inner.bottom - inner.top;
    SetWindowPos(view.hwnd(), nullptr, (outer.left + outer.right - width) / 2, (outer.top + outer.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

FormWindow* Win32Screen::loadedView(ui::Window& window) {
    window.load();
    if (!window.loaded())
        return nullptr;
    FormWindow* view = viewOf(window, true);
    if (!view) {
        Win32Dialogs().msgBox("The window \"" + window.caption() + "\" cannot be shown.", ui::MsgExclamation);
        return nullptr;
    }
    views_[&window].hiddenByProgram = false;
    return view;
}

void Win32Screen::showModal(ui::Window& window) {
    FormWindow* view = loadedView(window);
    if (!view)
        return;
    place(*view);
    HWND hwnd = view->hwnd();
    // The other windows take no input while this one is up.
    std::vector<HWND> disabled;
    for (auto& [w, entry] : views_)
        if (entry.view && entry.view->hwnd() != hwnd && IsWindowEnabled(entry.view->hwnd())) {
            EnableWindow(entry.view->hwnd(), FALSE);
            disabled.push_back(entry.view->hwnd());
        }
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    auto finished = [&] {
        const auto it = views_.find(&window);
        return !window.loaded() || it == views_.end() || !it->second.view || it->second.hiddenByProgram;
    };
    MSG message;
    bool quit = false;
    while (!finished()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            quit = true;
            break;
        }
        dispatch(message, nullptr);
    }
    for (HWND h : disabled)
        if (IsWindow(h))
            EnableWindow(h, TRUE);
    if (main_ && main_ != &window)
        if (FormWindow* mainView = viewOf(*main_))
            SetForegroundWindow(mainView->hwnd());
    if (quit)
        PostQuitMessage(static_cast<int>(message.wParam));
}

void Win32Screen::showModeless(ui::Window& window) {
    FormWindow* view = loadedView(window);
    if (!view)
        return;
    if (!IsWindowVisible(view->hwnd()))
        place(*view);
    ShowWindow(view->hwnd(), SW_SHOW);
    SetForegroundWindow(view->hwnd());
}

void Win32Screen::hide(ui::Window& window) {
    const auto it = views_.find(&window);
    if (it == views_.end() || !it->second.view)
        return;
    it->second.hiddenByProgram = true;
    ShowWindow(it->second.view->hwnd(), SW_HIDE);
}

void Win32Screen::closeView(ui::Window& window) {
    const auto it = views_.find(&window);
    if (it == views_.end())
        return;
    std::unique_ptr<FormWindow> view = std::move(it->second.view);
    views_.erase(it);
    if (!view)
        return;
    ShowWindow(view->hwnd(), SW_HIDE);
    // Deleted later: the person's action that unloaded the window may still be running in it.
    closed_.push_back(std::move(view));
    if (&window == main_)
        PostQuitMessage(0);
}

void Win32Screen::unload(ui::Window& window) {
    window.unload();
    closeView(window);
}

void Win32Screen::setEnabled(ui::Window& window, bool enabled) {
    window.setEnabled(enabled);
    const auto it = views_.find(&window);
    if (it != views_.end() && it->second.view)
        EnableWindow(it->second.view->hwnd(), enabled);
}

void Win32Screen::setBusy(bool busy) { setBusyCursor(busy); }

void Win32Screen::dispatch(MSG& message, HACCEL accelerators) {
    HWND front = GetAncestor(message.hwnd, GA_ROOT);
    const bool mainInFront = main_ && viewOf(*main_) && viewOf(*main_)->hwnd() == front;
    if (accelerators && mainInFront && TranslateAcceleratorW(front, accelerators, &message))
        return;
    // Tab, the arrows and the mnemonics move between the controls as in a dialog.
    if (front && FormWindow::of(front) && IsDialogMessageW(front, &message)) {
        collect();
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    collect();
}

int Win32Screen::run(HACCEL accelerators) {
    accelerators_ = accelerators;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(message, accelerators_);
    collect();
    return static_cast<int>(message.wParam);
}

void Win32Screen::collect() { closed_.clear(); }

void Win32Screen::releaseViews() {
    views_.clear();
    closed_.clear();
}

} // namespace vantrel::win32
