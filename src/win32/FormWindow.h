#pragma once

// A top-level window whose common controls are placed as its form describes (Forms.h), named
// after the core controls they show. The form's places are at 96 dots per inch: they are scaled
// to the window's dots per inch, and stretched with the window when it is larger than the form.

#include "core/ui/FormDescription.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::ui {
class Window;
}

namespace vantrel::win32 {

class Binder;

class FormWindow {
public:
    // Makes the window (hidden) with every control of the form. `owner` is the window it stays
    // over; `bottomMargin` is room kept under the form (the main window's status bar).
    FormWindow(ui::Window& window, const ui::FormDescription& form, HWND owner, DWORD style, int bottomMargin = 0);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    ui::Window& window() const { return window_; }
    Binder& binder() const { return *binder_; }
    // The control of a name and the kind of widget it is (FormItem::widget); nullptr when none.
    HWND control(const std::string& name) const;
    const std::string& widgetOf(HWND control) const;
    // The page windows of a tab control, in order.
    const std::vector<HWND>& pages(HWND tabs) const;

    // Binds the controls to the core window's (after the owner has added its own controls).
    void bind();
    // Places every control for the window's present size and dots per inch.
    void layout();
    // The size the window takes to show its form whole on this screen, within the work area.
    SIZE naturalSize() const;
    int dpi() const;
    // Room kept under the form, at the window's dots per inch (the main window's status bar).
    void setBottomMargin(int pixels) { bottomMargin_ = pixels; }

    // What the owner adds to the window procedure: menus, the status bar, the close box. Return
    // true when the message was handled (`result` then holds the answer).
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)> handler;
    // The close box or Alt+F4, and Escape when closesOnEscape is set (a side window).
    std::function<void()> onClose;
    bool closesOnEscape = false;
    // After every layout: the owner places its own parts (the status bar).
    std::function<void()> onLayout;

    // The FormWindow of a top-level window made here, or nullptr.
    static FormWindow* of(HWND hwnd);
    static void registerClasses(HINSTANCE instance);

private:
    struct Placed {
        HWND hwnd;
        ui::FormItem item;
        HWND page;   // the page or window it lies on
        HWND parent; // its frame, or the page or window
    };
    static LRESULT CALLBACK formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK pageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND make(const ui::FormItem& item, HWND parent);
    void applyFont();

    ui::Window& window_;
    const ui::FormDescription& form_;
    HWND hwnd_ = nullptr;
    HWND holder_ = nullptr;
    HFONT font_ = nullptr;
    HFONT bold_ = nullptr;
    int bottomMargin_ = 0;
    std::vector<Placed> placed_;
    std::map<std::string, HWND> byName_;
    std::map<HWND, std::string> widgetKind_;
    std::map<HWND, std::vector<HWND>> pages_;
    std::unique_ptr<Binder> binder_;
};

// Forwards the notifications of a page's controls to the window the page lies in.
LRESULT forwardToForm(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace vantrel::win32
