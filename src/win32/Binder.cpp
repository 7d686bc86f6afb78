#include "Binder.h"

#include "FormWindow.h"

#include "core/ui/Window.h"

#include <commctrl.h>

namespace vantrel::win32 {

namespace {

// Keys typed into a bound control reach its binder: Enter, Backspace, Escape and the typed
// characters, as the core's key codes. A text field or list takes Enter itself rather than
// leaving it to the window.
LRESULT CALLBACK keySubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* binder = reinterpret_cast<Binder*>(data);
    switch (message) {
    case WM_GETDLGCODE:
        if (lParam && reinterpret_cast<MSG*>(lParam)->message == WM_KEYDOWN &&
            reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN)
            return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        break;
    case WM_CHAR: {
        HWND bound = hwnd;
        // The edit field inside an editable combo box speaks for the combo box.
        wchar_t cls[16];
        HWND parent = GetParent(hwnd);
        if (parent && GetClassNameW(parent, cls, 16) && std::wstring(cls) == L"ComboBox")
            bound = parent;
        const int code = wParam == VK_RETURN ? 13 : static_cast<int>(wParam);
        const bool swallow = wParam == VK_RETURN && !(GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE);
        LRESULT result = 0;
        if (!swallow)
            result = DefSubclassProc(hwnd, message, wParam, lParam);
        if (code == 13 || code == 8 || code == 27 || code >= 32)
            binder->key(bound, code);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, keySubclass, 1);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

void Adapter::refreshWindow() {
    const bool shown = control_.visible();
    if ((GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != (shown ? WS_VISIBLE : 0)) {
        ShowWindow(hwnd_, shown ? SW_SHOWNA : SW_HIDE);
        shownOrHidden_ = true;
    }
    if (static_cast<bool>(IsWindowEnabled(hwnd_)) != control_.enabled())
        EnableWindow(hwnd_, control_.enabled());
}

Binder::Binder(FormWindow& form) : form_(form) {}

Binder::~Binder() {
    for (const auto& b : bindings_)
        if (b->adapter->control().observer() == this)
            b->adapter->control().setObserver(nullptr);
}

void Binder::bindAll() {
    for (ui::Control* control : form_.window().controls()) {
        if (byControl_.count(control))
            continue;
        HWND hwnd = form_.control(control->name());
        std::unique_ptr<Adapter> adapter = hwnd ? makeAdapter(*control, hwnd, form_.widgetOf(hwnd), form_) : nullptr;
        if (!adapter) {
            if (control->kind() != ui::ControlKind::MenuItem)
                missing_.push_back(control->name());
            continue;
        }
        add(std::move(adapter));
    }
}

void Binder::add(std::unique_ptr<Adapter> adapter) {
    auto binding = std::make_unique<Binding>();
    Binding& b = *binding;
    b.adapter = std::move(adapter);
    b.act = [this, &b](const std::function<void()>& action) { userAction(b, action); };
    ui::Control& control = b.adapter->control();
    byControl_[&control] = &b;
    if (HWND hwnd = b.adapter->hwnd()) {
        byWindow_[hwnd] = &b;
        wchar_t cls[32] = L"";
        GetClassNameW(hwnd, cls, 32);
        const std::wstring name = cls;
        if (name == L"Edit" || name == L"ListBox")
            SetWindowSubclass(hwnd, keySubclass, 1, reinterpret_cast<DWORD_PTR>(this));
        if (name == L"ComboBox")
            if (HWND edit = FindWindowExW(hwnd, nullptr, L"Edit", nullptr))
                SetWindowSubclass(edit, keySubclass, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    bindings_.push_back(std::move(binding));
    control.setObserver(this);
    refresh(b);
}

void Binder::controlChanged(ui::Control& control) {
    const auto it = byControl_.find(&control);
    if (it != byControl_.end())
        markDirty(*it->second);
}

void Binder::markDirty(Binding& binding) {
    binding.dirty = true;
    if (flushQueued_ || userDepth_ > 0)
        return;
    flushQueued_ = true;
    PostMessageW(form_.hwnd(), WM_VANTREL_FLUSH, 0, 0);
}

void Binder::flush() {
    flushQueued_ = false;
    bool any = false;
    bool relayout = false;
    for (const auto& b : bindings_)
        if (b->dirty) {
            b->dirty = false;
            refresh(*b);
            any = true;
            relayout = b->adapter->takeShownOrHidden() || relayout;
        }
    // A control shown or hidden on the window itself gives its room to its neighbour, or takes it.
    if (relayout)
        form_.layout();
    if (any && onRefreshed)
        onRefreshed();
}

void Binder::userAction(Binding& binding, const std::function<void()>& action) {
    ++userDepth_;
    action();
    --userDepth_;
    // Whatever the handler did (or refused), the control shows the core's state again.
    binding.dirty = true;
    if (userDepth_ == 0)
        flush();
}

void Binder::refresh(Binding& binding) { binding.adapter->refresh(); }

Binder::Binding* Binder::bindingOf(HWND hwnd) {
    const auto it = byWindow_.find(hwnd);
    return it == byWindow_.end() ? nullptr : it->second;
}

bool Binder::command(HWND control, int code) {
    Binding* b = bindingOf(control);
    if (!b)
        return false;
    b->adapter->command(code, b->act);
    return true;
}

bool Binder::notify(NMHDR* header, LRESULT& result) {
    Binding* b = bindingOf(header->hwndFrom);
    return b && b->adapter->notify(header, b->act, result);
}

bool Binder::scroll(HWND control) {
    Binding* b = bindingOf(control);
    if (!b)
        return false;
    b->adapter->scroll(b->act);
    return true;
}

bool Binder::key(HWND control, int code) {
    Binding* b = bindingOf(control);
    if (!b)
        return false;
    b->adapter->key(code, b->act);
    return true;
}

bool Binder::menuCommand(int id) {
    for (const auto& b : bindings_)
        if (!b->adapter->hwnd() && b->adapter->control().kind() == ui::ControlKind::MenuItem) {
            // Menu adapters have no window; they answer to their command identifier.
            b->adapter->command(id, b->act);
        }
    return id >= 1000;
}

} // namespace vantrel::win32
