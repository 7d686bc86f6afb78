#pragma once

// The binder pairs every control of a core window with the common control of the same name on
// its form window and keeps the two in step, by the same rule as the Qt desktop's:
//  - a core change marks the control dirty; dirty controls are refreshed once per turn of the
//    message loop (filling a tree of 40,000 nodes is one refresh), and at once after a person's
//    action, so the screen answers the keystroke that caused it;
//  - what the binder writes to a control never counts as a person's action (the adapters skip
//    the notifications their own writes cause);
//  - a person's action calls the control's user* method, which raises the control's event once.

#include "core/ui/Control.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::win32 {

class FormWindow;

// Shows one core control on one window and forwards what a person does there.
class Adapter {
public:
    // Runs a person's action on the control, then shows its outcome at once.
    using Act = std::function<void(const std::function<void()>&)>;

    Adapter(ui::Control& control, HWND hwnd) : control_(control), hwnd_(hwnd) {}
    virtual ~Adapter() = default;
    Adapter(const Adapter&) = delete;
    Adapter& operator=(const Adapter&) = delete;

    ui::Control& control() const { return control_; }
    HWND hwnd() const { return hwnd_; }

    virtual void refresh() = 0;
    // WM_COMMAND's notification code, WM_NOTIFY, WM_HSCROLL and a key (13 Enter, 8, 27 or a
    // typed character's byte) from the control.
    virtual void command(int /*code*/, const Act& /*act*/) {}
    virtual bool notify(NMHDR* /*header*/, const Act& /*act*/, LRESULT& /*result*/) { return false; }
    virtual void scroll(const Act& /*act*/) {}
    virtual void key(int /*code*/, const Act& /*act*/) {}

protected:
    // Visibility and enabled state, which every control shows the same way.
    void refreshWindow();

public:
    // Whether the last refresh showed or hid the control (the window then lays itself out again).
    bool takeShownOrHidden() {
        const bool changed = shownOrHidden_;
        shownOrHidden_ = false;
        return changed;
    }

protected:
    bool shownOrHidden_ = false;

    ui::Control& control_;
    HWND hwnd_;
    // Set while the adapter writes to the control: the notifications that causes are not a
    // person's.
    bool writing_ = false;
};

class Binder : private ui::ControlObserver {
public:
    explicit Binder(FormWindow& form);
    ~Binder() override;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // Binds every control of the form's window that has a control of its name on the form.
    void bindAll();
    // Binds a control to an adapter of the owner's making (a menu command, a status bar part).
    void add(std::unique_ptr<Adapter> adapter);
    // The names of the controls that found nothing to show them.
    const std::vector<std::string>& missingControls() const { return missing_; }

    // Refreshes every dirty control now.
    void flush();
    // Messages from the form's controls; false when the control is not bound.
    bool command(HWND control, int code);
    bool notify(NMHDR* header, LRESULT& result);
    bool scroll(HWND control);
    bool key(HWND control, int code);
    // A menu command chosen (its identifier).
    bool menuCommand(int id);

    // After a refresh: the owner shows what depends on the whole window (the status bar).
    std::function<void()> onRefreshed;

private:
    struct Binding {
        std::unique_ptr<Adapter> adapter;
        bool dirty = false;
        Adapter::Act act;
    };
    void controlChanged(ui::Control& control) override;
    void markDirty(Binding& binding);
    void userAction(Binding& binding, const std::function<void()>& action);
    void refresh(Binding& binding);
    Binding* bindingOf(HWND hwnd);

    FormWindow& form_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::map<const ui::Control*, Binding*> byControl_;
    std::map<HWND, Binding*> byWindow_;
    std::vector<std::string> missing_;
    bool flushQueued_ = false;
    int userDepth_ = 0;
};

// The message a form window gets when its binder has dirty controls to refresh.
constexpr UINT WM_VANTREL_FLUSH = WM_APP + 1;
// A control was made a child of a page: it reaches its form through forwardToForm.
std::unique_ptr<Adapter> makeAdapter(ui::Control& control, HWND hwnd, const std::string& widget, FormWindow& form);

} // namespace vantrel::win32
