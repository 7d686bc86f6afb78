#include "Dialogs.h"

#include "BusyCursor.h"
#include "Text.h"

#include "core/platform/NativePath.h"
#include "core/platform/Programs.h"

#include <shellapi.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace vantrel::win32 {

namespace {

std::wstring titleOf(const std::string& title) {
    return toWide(title.empty() ? std::string(ui::DefaultMessageTitle) : title);
}

// The core's styles are Windows' own values; only the buttons and icons it knows are passed
// on, so every answer is one the core understands.
UINT boxStyle(int style) {
    UINT buttons = MB_OK;
    switch (style & 7) {
    case MB_OKCANCEL:
        buttons = MB_OKCANCEL;
        break;
    case MB_YESNOCANCEL:
        buttons = MB_YESNOCANCEL;
        break;
    case MB_YESNO:
        buttons = MB_YESNO;
        break;
    default:
        break;
    }
    UINT icon = 0;
    switch (style & 0xF0) {
    case MB_ICONHAND:
    case MB_ICONQUESTION:
    case MB_ICONEXCLAMATION:
    case MB_ICONASTERISK:
        icon = static_cast<UINT>(style & 0xF0);
        break;
    default:
        break;
    }
    return buttons | icon;
}

// A box that could not be shown answers as its Escape key would.
int escapeAnswer(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        return ui::AnswerCancel;
    case MB_YESNO:
        return ui::AnswerNo;
    default:
        return ui::AnswerOk;
    }
}

// The input box: a dialog template with no controls (they are made and placed on
// WM_INITDIALOG, in pixels for the window's DPI and in the system's message font).
struct InputBox {
    std::wstring prompt;
    std::wstring title;
    std::wstring text;
    HFONT font = nullptr;
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
};

enum : int { IdPrompt = 100, IdText = 101 };

HFONT messageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            return nullptr;
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                                static_cast<int>(GetDpiForSystem()));
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

UINT dpiOf(HWND window) {
    const UINT dpi = GetDpiForWindow(window);
    return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

// Places the controls for the box's DPI and sizes the window to them. Sizes are those of a
// Windows dialog at 96 DPI, scaled.
void layOut(HWND dialog, InputBox& box, const RECT* suggested) {
    auto px = [&](int pixels) { return MulDiv(pixels, static_cast<int>(box.dpi), USER_DEFAULT_SCREEN_DPI); };
    HFONT font = messageFont(box.dpi);
    if (font) {
        for (int id : {int(IdPrompt), int(IdText), IDOK, IDCANCEL})
            SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (box.font)
            DeleteObject(box.font);
        box.font = font;
    }

    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, box.font ? static_cast<HGDIOBJ>(box.font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int margin = px(11);
    const int gap = px(7);
    const int buttonWidth = std::max(px(75), static_cast<int>(metrics.tmAveCharWidth) * 12);
    const int buttonHeight = std::max(px(23), static_cast<int>(metrics.tmHeight) + px(8));
    const int fieldHeight = static_cast<int>(metrics.tmHeight) + px(9);
    // The prompt wraps at a comfortable width; a longer line widens the box up to a limit.
    RECT line{0, 0, px(480), 0};
    DrawTextW(dc, box.prompt.c_str(), static_cast<int>(box.prompt.size()), &line,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    const int textWidth = std::clamp(static_cast<int>(line.right), px(300), px(480));
    RECT wrapped{0, 0, textWidth, 0};
    DrawTextW(dc, box.prompt.c_str(), static_cast<int>(box.prompt.size()), &wrapped,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);

    const int promptHeight = std::max(static_cast<int>(wrapped.bottom), static_cast<int>(metrics.tmHeight));
    int y = margin;
    MoveWindow(GetDlgItem(dialog, IdPrompt), margin, y, textWidth, promptHeight, FALSE);
    y += promptHeight + gap;
    MoveWindow(GetDlgItem(dialog, IdText), margin, y, textWidth, fieldHeight, FALSE);
    y += fieldHeight + margin;
    const int right = margin + textWidth;
    MoveWindow(GetDlgItem(dialog, IDCANCEL), right - buttonWidth, y, buttonWidth, buttonHeight, FALSE);
    MoveWindow(GetDlgItem(dialog, IDOK), right - 2 * buttonWidth - gap, y, buttonWidth, buttonHeight, FALSE);
    y += buttonHeight + margin;

    RECT frame{0, 0, right + margin, y};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, box.dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (suggested) {
        SetWindowPos(dialog, nullptr, suggested->left, suggested->top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        // Over the middle of the window it belongs to, inside the screen's work area.
        HWND owner = GetWindow(dialog, GW_OWNER);
        RECT over{};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
        if (!owner || !GetWindowRect(owner, &over))
            over = monitor.rcWork;
        int left = (over.left + over.right - width) / 2;
        int top = (over.top + over.bottom - height) / 2;
        const RECT& work = monitor.rcWork;
        left = std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
        top = std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
        SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(dialog, nullptr, TRUE);
}

HWND makeControl(HWND dialog, const wchar_t* kind, const wchar_t* text, DWORD style, DWORD exStyle, int id) {
    return CreateWindowExW(exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

INT_PTR CALLBACK inputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<InputBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        box = reinterpret_cast<InputBox*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        box->dpi = dpiOf(dialog);
        SetWindowTextW(dialog, box->title.c_str());
        makeControl(dialog, L"STATIC", box->prompt.c_str(), SS_LEFT | SS_NOPREFIX, 0, IdPrompt);
        HWND field = makeControl(dialog, L"EDIT", box->text.c_str(), WS_TABSTOP | ES_AUTOHSCROLL,
                                 WS_EX_CLIENTEDGE, IdText);
        makeControl(dialog, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK);
        makeControl(dialog, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL);
        layOut(dialog, *box, nullptr);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        return FALSE; // the focus is set
    }
    case WM_DPICHANGED:
        if (box) {
            box->dpi = HIWORD(wParam);
            layOut(dialog, *box, reinterpret_cast<const RECT*>(lParam));
        }
        return TRUE;
    case WM_SETCURSOR:
        // The box shows the normal pointer even while the program is busy behind it.
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            HWND field = GetDlgItem(dialog, IdText);
            std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
            text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
            box->text = std::move(text);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            break;
        }
        break;
    case WM_DESTROY:
        if (box && box->font) {
            DeleteObject(box->font);
            box->font = nullptr;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

// An in-memory dialog template: the header of a modal dialog with a caption and no controls.
// DLGTEMPLATE is followed by the menu, class and title arrays, here all empty (the title is
// set on WM_INITDIALOG); the whole must be DWORD-aligned.
struct EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

} // namespace

HWND Win32Dialogs::ownerWindow() const {
    HWND base = owner_ && IsWindow(owner_) ? owner_ : GetActiveWindow();
    if (!base)
        return nullptr;
    HWND front = GetLastActivePopup(GetAncestor(base, GA_ROOTOWNER));
    return front && IsWindowVisible(front) && IsWindowEnabled(front) ? front : base;
}

int Win32Dialogs::msgBox(const std::string& text, int style, const std::string& title) {
    HWND owner = ownerWindow();
    const UINT boxFlags = boxStyle(style) | (owner ? 0u : static_cast<UINT>(MB_TASKMODAL));
    ArrowWhileAsking arrow;
    const int answer = MessageBoxW(owner, toWideLines(text).c_str(), titleOf(title).c_str(), boxFlags);
    switch (answer) {
    case IDOK:
    case IDCANCEL:
    case IDYES:
    case IDNO:
        return answer;
    default:
        return escapeAnswer(boxFlags);
    }
}

std::string Win32Dialogs::inputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
    InputBox box;
    box.prompt = toWideLines(prompt);
    box.title = titleOf(title);
    box.text = toWide(defaultText);
    alignas(DWORD) EmptyDialogTemplate dialog{};
    dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    ArrowWhileAsking arrow;
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, ownerWindow(),
                                                   inputBoxProcedure, reinterpret_cast<LPARAM>(&box));
    return result == IDOK ? fromWide(box.text, defaultText) : std::string();
}

bool Win32Launcher::start(const std::string& program, const std::vector<std::string>& arguments, bool minimized) {
    return platform::startProgram(program, arguments, minimized);
}

bool Win32Launcher::openDocument(const std::string& path) {
    const std::wstring file = platform::nativePath(path).make_preferred().wstring();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32Launcher::available(const std::string& program) {
    const std::filesystem::path name = platform::nativePath(program);
    if (name.has_parent_path()) {
        std::error_code error;
        return std::filesystem::is_regular_file(name, error);
    }
    const std::wstring wide = name.wstring();
    wchar_t found[MAX_PATH];
    const DWORD length = SearchPathW(nullptr, wide.c_str(), L".exe", MAX_PATH, found, nullptr);
    return length > 0;
}

} // namespace vantrel::win32
