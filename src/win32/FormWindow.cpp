#include "FormWindow.h"

#include "Binder.h"
#include "BusyCursor.h"
#include "Resources.h"
#include "Text.h"

#include "core/ui/Controls.h"
#include "core/ui/Window.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

namespace vantrel::win32 {

namespace {

constexpr const wchar_t* formClass = L"VantrelForm";
constexpr const wchar_t* pageClass = L"VantrelPage";
// A frame is a window of this class holding its group box (identifier 1) and its controls, so
// that hiding the frame hides them, as in Qt.
constexpr const wchar_t* frameClass = L"VantrelFrame";
constexpr int frameBoxId = 1;
const std::vector<HWND> noPages;
const std::string noWidget;

// Controls that keep their height when the window stretches.
bool fixedHeight(const std::string& widget) {
    static const std::set<std::string> fixed = {"static", "label", "value", "edit", "combo", "combo-edit",
                                                "button", "check", "option", "slider"};
    return fixed.count(widget) > 0;
}

HFONT messageFont(int dpi, bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return nullptr;
    LOGFONTW font = metrics.lfMessageFont;
    // The metrics are at the system's dots per inch; the window may be on another screen.
    const int systemDpi = GetDpiForSystem();
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi ? systemDpi : 96);
    if (bold)
        font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
}

bool inside(const ui::FormItem& inner, const ui::FormItem& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// The form's items, with the labels as wide as their place allows. Qt laid the labels out for
// the captions they had when the form was described, and a caption set later (a file name, a
// result) may be longer; a label reaches to the next control on its right, or to the edge of
// its frame or page.
std::vector<ui::FormItem> widenedLabels(const ui::FormDescription& form) {
    std::vector<ui::FormItem> items = form.items;
    for (auto& item : items) {
        if (item.place == "-" || (item.widget != "static" && item.widget != "label" && item.widget != "note"))
            continue;
        int limit = form.width - 8;
        if (const auto colon = item.place.rfind(':'); colon != std::string::npos)
            if (const ui::FormItem* tabs = form.item(item.place.substr(0, colon)))
                limit = tabs->width - 12;
        for (const auto& other : form.items) {
            if (&other == &item || other.place != item.place || (other.name == item.name && other.x == item.x))
                continue;
            if (other.widget == "group" && inside(item, other)) {
                limit = std::min(limit, other.x + other.width - 8);
                continue;
            }
            const bool rightOf = other.x >= item.x + item.width;
            const bool sameRows = other.y < item.y + item.height && item.y < other.y + other.height;
            if (rightOf && sameRows)
                limit = std::min(limit, other.x - 4);
        }
        item.width = std::max(item.width, limit - item.x);
    }
    return items;
}

} // namespace

void FormWindow::registerClasses(HINSTANCE instance) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANTREL));
    form.hIconSm = form.hIcon;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = formClass;
    RegisterClassExW(&form);

    WNDCLASSEXW page = form;
    page.lpfnWndProc = pageProc;
    page.hIcon = page.hIconSm = nullptr;
    page.lpszClassName = pageClass;
    RegisterClassExW(&page);

    WNDCLASSEXW frame = page;
    frame.lpfnWndProc = frameProc;
    frame.lpszClassName = frameClass;
    RegisterClassExW(&frame);
}

FormWindow::FormWindow(ui::Window& window, const ui::FormDescription& form, HWND owner, DWORD style, int bottomMargin)
    : window_(window), form_(form), bottomMargin_(bottomMargin) {
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, formClass, toWide(window.caption()).c_str(),
                            style, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, owner, nullptr,
                            GetModuleHandleW(nullptr), this);
    holder_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 0, 0, hwnd_, nullptr, nullptr, nullptr);

    // The pages each tab control has, as many as the form places controls on.
    std::map<std::string, int> pageCount;
    for (const auto& item : form.items)
        if (const auto colon = item.place.rfind(':'); colon != std::string::npos && item.place != "-")
            pageCount[item.place.substr(0, colon)] =
                std::max(pageCount[item.place.substr(0, colon)], std::atoi(item.place.c_str() + colon + 1) + 1);

    std::map<std::string, HWND> pageOf;
    std::map<std::string, HWND> frames;
    for (const auto& item : widenedLabels(form)) {
        HWND page = hwnd_;
        if (item.place == "-")
            page = holder_;
        else if (!item.place.empty())
            page = pageOf.count(item.place) ? pageOf[item.place] : hwnd_;
        HWND parent = item.place != "-" && frames.count(item.frame) ? frames[item.frame] : page;
        HWND control = make(item, parent);
        if (!control)
            continue;
        if (item.widget == "group")
            frames[item.name] = control;
        placed_.push_back({control, item, page, parent});
        if (!item.name.empty())
            byName_[item.name] = control;
        widgetKind_[control] = item.widget;
        if (item.widget == "tabs") {
            auto& pages = pages_[control];
            for (int i = 0; i < pageCount[item.name]; ++i) {
                HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, pageClass, L"",
                                            WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL, 0, 0, 0, 0, hwnd_, nullptr,
                                            nullptr, nullptr);
                pages.push_back(page);
                pageOf[item.name + ':' + std::to_string(i)] = page;
            }
        }
    }
    // Children made later lie under the earlier ones: the frames and tab controls go under
    // every control, or they would hide the controls they hold.
    for (const auto& p : placed_) {
        if (p.item.widget == "tabs")
            SetWindowPos(p.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (p.item.widget == "group")
            SetWindowPos(GetDlgItem(p.hwnd, frameBoxId), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    applyFont();
    binder_ = std::make_unique<Binder>(*this);
    const SIZE size = naturalSize();
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

FormWindow::~FormWindow() {
    binder_.reset();
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (font_)
        DeleteObject(font_);
    if (bold_)
        DeleteObject(bold_);
}

HWND FormWindow::make(const ui::FormItem& item, HWND parent) {
    const std::string& w = item.widget;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ex = 0;
    const wchar_t* cls = L"STATIC";
    std::wstring text = toWide(item.text);
    if (w == "static" || w == "label") {
        style |= SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX;
    } else if (w == "value") {
        style |= SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX | SS_SUNKEN | SS_ENDELLIPSIS;
    } else if (w == "note") {
        style |= SS_LEFT | SS_NOPREFIX;
    } else if (w == "image") {
        const auto* image = dynamic_cast<const ui::Image*>(window_.control(item.name));
        style |= SS_CENTERIMAGE | (image && image->picture() == "start" ? SS_BITMAP : SS_ICON);
    } else if (w == "edit") {
        cls = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        ex = WS_EX_CLIENTEDGE;
    } else if (w == "text") {
        cls = L"EDIT";
        style |= WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
        ex = WS_EX_CLIENTEDGE;
    } else if (w == "combo" || w == "combo-edit") {
        cls = L"COMBOBOX";
        style |= WS_TABSTOP | WS_VSCROLL | (w == "combo" ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL);
    } else if (w == "list") {
        cls = L"LISTBOX";
        style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        ex = WS_EX_CLIENTEDGE;
    } else if (w == "button") {
        cls = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON;
    } else if (w == "check") {
        cls = L"BUTTON";
        style |= WS_TABSTOP | BS_CHECKBOX;
    } else if (w == "option") {
        cls = L"BUTTON";
        style |= WS_TABSTOP | BS_RADIOBUTTON;
    } else if (w == "group") {
        HWND frame = CreateWindowExW(WS_EX_CONTROLPARENT, frameClass, L"", style, 0, 0, 0, 0, parent, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        CreateWindowExW(0, L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0, 0, frame,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(frameBoxId)), GetModuleHandleW(nullptr), nullptr);
        return frame;
    } else if (w == "slider") {
        cls = TRACKBAR_CLASSW;
        style |= WS_TABSTOP | TBS_HORZ | TBS_NOTICKS;
    } else if (w == "calendar") {
        cls = MONTHCAL_CLASSW;
        style |= WS_TABSTOP | MCS_NOTODAY;
    } else if (w == "tabs") {
        cls = WC_TABCONTROLW;
        style |= WS_TABSTOP;
    } else if (w == "tree") {
        cls = WC_TREEVIEWW;
        style |= WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
        ex = WS_EX_CLIENTEDGE;
    } else if (w == "orbit") {
        cls = L"VantrelOrbitPicture";
    } else {
        return nullptr;
    }
    // Controls start hidden; the binder shows the ones the core shows, and static texts show now.
    if (item.name.empty() && item.place != "-")
        style |= WS_VISIBLE;
    return CreateWindowExW(ex, cls, text.c_str(), style, 0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

void FormWindow::applyFont() {
    if (font_)
        DeleteObject(font_);
    if (bold_)
        DeleteObject(bold_);
    font_ = messageFont(dpi(), false);
    bold_ = messageFont(dpi(), true);
    for (const auto& p : placed_) {
        HWND target = p.item.widget == "group" ? GetDlgItem(p.hwnd, frameBoxId) : p.hwnd;
        SendMessageW(target, WM_SETFONT, reinterpret_cast<WPARAM>(p.item.name == "scnfile" ? bold_ : font_), FALSE);
    }
}

int FormWindow::dpi() const {
    const UINT d = hwnd_ ? GetDpiForWindow(hwnd_) : 0;
    return d ? static_cast<int>(d) : 96;
}

SIZE FormWindow::naturalSize() const {
    RECT r{0, 0, MulDiv(form_.width, dpi(), 96), MulDiv(form_.height, dpi(), 96) + bottomMargin_};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    AdjustWindowRectExForDpi(&r, style, GetMenu(hwnd_) != nullptr, 0, dpi());
    SIZE size{r.right - r.left, r.bottom - r.top};
    // Within the screen's work area.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
        size.cx = std::min<LONG>(size.cx, monitor.rcWork.right - monitor.rcWork.left);
        size.cy = std::min<LONG>(size.cy, monitor.rcWork.bottom - monitor.rcWork.top);
    }
    return size;
}

void FormWindow::layout() {
    RECT client;
    GetClientRect(hwnd_, &client);
    const double scale = dpi() / 96.0;
    const int width = client.right;
    const int height = std::max<int>(0, client.bottom - bottomMargin_);
    // The window's own places follow its size, smaller or larger than the form; the pages of
    // tab controls only grow, and scroll when they are smaller than what they hold.
    const double sx = width / (form_.width * scale);
    const double sy = height / (form_.height * scale);
    auto place = [&](const ui::FormItem& item, double x, double y, int dx, int dy) {
        RECT r{static_cast<LONG>(item.x * scale * x) - dx, static_cast<LONG>(item.y * scale * y) - dy,
               static_cast<LONG>((item.x + item.width) * scale * x) - dx,
               static_cast<LONG>((item.y + item.height) * scale * y) - dy};
        if (fixedHeight(item.widget))
            r.bottom = r.top + static_cast<LONG>(item.height * scale);
        if (item.widget == "combo" || item.widget == "combo-edit")
            r.bottom = r.top + static_cast<LONG>(300 * scale); // the height of the open list
        return r;
    };
    // A hidden control of the window itself (not of a page or frame) leaves its room to the
    // control right above it, as the Qt layouts do: the tabs take the room of the findings list
    // while there are no findings.
    std::map<HWND, int> grow;
    for (const auto& hidden : placed_) {
        if (hidden.page != hwnd_ || hidden.parent != hwnd_ || IsWindowVisible(hidden.hwnd) || !hidden.item.name.size())
            continue;
        // A control taking its turn in the same place keeps the room (the tabs, for the start picture).
        const bool taken = std::any_of(placed_.begin(), placed_.end(), [&](const Placed& other) {
            return other.hwnd != hidden.hwnd && other.parent == hwnd_ && other.item.x == hidden.item.x &&
                   other.item.y == hidden.item.y && IsWindowVisible(other.hwnd);
        });
        if (taken)
            continue;
        for (const auto& above : placed_) {
            const auto& a = above.item;
            const auto& h = hidden.item;
            const int gap = h.y - (a.y + a.height);
            if (above.parent == hwnd_ && above.hwnd != hidden.hwnd && IsWindowVisible(above.hwnd) && gap >= 0 &&
                gap <= 12 && a.x < h.x + h.width && h.x < a.x + a.width)
                grow[above.hwnd] = std::max(grow[above.hwnd], gap + h.height);
        }
    }
    auto placeOnWindow = [&](const Placed& p) {
        RECT r = place(p.item, sx, sy, 0, 0);
        if (const auto more = grow.find(p.hwnd); more != grow.end())
            r.bottom += static_cast<LONG>(more->second * scale * sy);
        return r;
    };
    // Each page: its size on screen, the size of what it holds, its scale and scroll position.
    struct PageFit {
        RECT rect{};
        double x = 1, y = 1;
    };
    std::map<HWND, PageFit> fits;
    for (const auto& p : placed_) {
        if (p.item.widget != "tabs")
            continue;
        RECT r = placeOnWindow(p);
        TabCtrl_AdjustRect(p.hwnd, FALSE, &r);
        for (HWND page : pages(p.hwnd))
            fits[page].rect = r;
    }
    for (auto& [page, fit] : fits) {
        int right = 0, bottom = 0;
        for (const auto& p : placed_)
            if (p.page == page) {
                right = std::max(right, p.item.x + p.item.width);
                bottom = std::max(bottom, p.item.y + p.item.height);
            }
        const double contentWidth = (right + 9) * scale;
        const double contentHeight = (bottom + 9) * scale;
        const double pageWidth = fit.rect.right - fit.rect.left;
        const double pageHeight = fit.rect.bottom - fit.rect.top;
        fit.x = std::max(1.0, pageWidth / contentWidth);
        fit.y = std::max(1.0, pageHeight / contentHeight);
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMin = 0;
        info.nMax = static_cast<int>(contentHeight);
        info.nPage = static_cast<UINT>(std::max(0.0, pageHeight));
        SetScrollInfo(page, SB_VERT, &info, TRUE);
    }
    HDWP batch = BeginDeferWindowPos(static_cast<int>(placed_.size()) + 4);
    // Where each frame lies on its page: the controls it holds are placed from its corner.
    std::map<HWND, RECT> frameRects;
    for (const auto& p : placed_) {
        if (p.item.place == "-")
            continue;
        RECT r;
        if (const auto fit = fits.find(p.page); fit != fits.end()) {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_POS;
            GetScrollInfo(p.page, SB_VERT, &info);
            r = place(p.item, fit->second.x, fit->second.y, 0, info.nPos);
        } else {
            r = p.parent == hwnd_ ? placeOnWindow(p) : place(p.item, sx, sy, 0, 0);
        }
        if (p.item.widget == "group") {
            frameRects[p.hwnd] = r;
            MoveWindow(GetDlgItem(p.hwnd, frameBoxId), 0, 0, r.right - r.left, r.bottom - r.top, FALSE);
        }
        if (const auto frame = frameRects.find(p.parent); frame != frameRects.end())
            OffsetRect(&r, -frame->second.left, -frame->second.top);
        if (batch)
            batch = DeferWindowPos(batch, p.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const auto& [page, fit] : fits)
        if (batch)
            batch = DeferWindowPos(batch, page, HWND_TOP, fit.rect.left, fit.rect.top, fit.rect.right - fit.rect.left,
                                   fit.rect.bottom - fit.rect.top, SWP_NOACTIVATE);
    if (batch)
        EndDeferWindowPos(batch);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (onLayout)
        onLayout();
}

HWND FormWindow::control(const std::string& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

const std::string& FormWindow::widgetOf(HWND control) const {
    const auto it = widgetKind_.find(control);
    return it == widgetKind_.end() ? noWidget : it->second;
}

const std::vector<HWND>& FormWindow::pages(HWND tabs) const {
    const auto it = pages_.find(tabs);
    return it == pages_.end() ? noPages : it->second;
}

void FormWindow::bind() { binder_->bindAll(); }

FormWindow* FormWindow::of(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    wchar_t name[32];
    if (!GetClassNameW(hwnd, name, 32) || std::wstring(name) != formClass)
        return nullptr;
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK FormWindow::formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        auto* self = static_cast<FormWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handler && handler(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CLOSE:
        if (onClose)
            onClose();
        return 0;
    case WM_SIZE:
        layout();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = MulDiv(320, dpi(), 96);
        info->ptMinTrackSize.y = MulDiv(240, dpi(), 96);
        return 0;
    }
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        applyFont();
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        layout();
        return 0;
    }
    case WM_SETCURSOR:
        if (keepBusyCursor(lParam))
            return TRUE;
        break;
    case WM_VANTREL_FLUSH:
        if (binder_)
            binder_->flush();
        return 0;
    case WM_COMMAND:
        // Escape, as the dialog navigation reports it.
        if (lParam == 0 && LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == 0) {
            if (closesOnEscape && onClose)
                onClose();
            return 0;
        }
        if (lParam == 0 && HIWORD(wParam) <= 1) {
            if (binder_ && binder_->menuCommand(LOWORD(wParam)))
                return 0;
        } else if (binder_ && binder_->command(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) {
            return 0;
        }
        break;
    case WM_NOTIFY:
        if (binder_ && binder_->notify(reinterpret_cast<NMHDR*>(lParam), result))
            return result;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam && binder_ && binder_->scroll(reinterpret_cast<HWND>(lParam)))
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT forwardToForm(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND form = GetAncestor(page, GA_ROOT);
    return form ? SendMessageW(form, message, wParam, lParam) : 0;
}

namespace {

// What a frame or a page passes on to its window: its controls' notifications, and the wait
// pointer while the program is busy. False when the message is the window's own.
bool passOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!lParam)
            return false;
        result = forwardToForm(hwnd, message, wParam, lParam);
        return true;
    case WM_SETCURSOR:
        result = TRUE;
        return keepBusyCursor(lParam);
    default:
        return false;
    }
}

} // namespace

LRESULT CALLBACK FormWindow::frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    return passOn(hwnd, message, wParam, lParam, result) ? result : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::pageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A page smaller than what it holds scrolls, with its scroll bar and the mouse wheel.
    auto scrollTo = [hwnd](int position) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(hwnd, SB_VERT, &info);
        const int last = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
        position = std::clamp(position, 0, last);
        if (position == info.nPos)
            return;
        info.fMask = SIF_POS;
        info.nPos = position;
        SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
        if (FormWindow* form = FormWindow::of(GetAncestor(hwnd, GA_ROOT)))
            form->layout();
        InvalidateRect(hwnd, nullptr, TRUE);
    };
    SCROLLINFO now{};
    now.cbSize = sizeof(now);
    now.fMask = SIF_ALL;
    if (message == WM_VSCROLL && lParam == 0) {
        GetScrollInfo(hwnd, SB_VERT, &now);
        const int line = 24;
        const int page = static_cast<int>(now.nPage);
        switch (LOWORD(wParam)) {
        case SB_LINEUP: scrollTo(now.nPos - line); break;
        case SB_LINEDOWN: scrollTo(now.nPos + line); break;
        case SB_PAGEUP: scrollTo(now.nPos - page); break;
        case SB_PAGEDOWN: scrollTo(now.nPos + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: scrollTo(now.nTrackPos); break;
        case SB_TOP: scrollTo(0); break;
        case SB_BOTTOM: scrollTo(now.nMax); break;
        default: break;
        }
        return 0;
    }
    if (message == WM_MOUSEWHEEL) {
        GetScrollInfo(hwnd, SB_VERT, &now);
        scrollTo(now.nPos - GET_WHEEL_DELTA_WPARAM(wParam) * 48 / WHEEL_DELTA);
        return 0;
    }
    LRESULT result = 0;
    return passOn(hwnd, message, wParam, lParam, result) ? result : DefWindowProcW(hwnd, message, wParam, lParam);
}
} // namespace vantrel::win32
