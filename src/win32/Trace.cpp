#include "Trace.h"

#include "FormWindow.h"

#include "core/ui/Control.h"
#include "core/ui/Window.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>

namespace vantrel::win32 {

namespace {

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    return text;
}

} // namespace

std::unique_ptr<Trace> Trace::fromEnvironment() {
    wchar_t path[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableW(L"VANTREL_TRACE", path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2)
        return nullptr;
    return std::unique_ptr<Trace>(new Trace(std::wstring(path, length)));
}

void Trace::line(const std::string& text) {
    // Appended and closed at once, so the test reads every line as soon as it is written.
    if (FILE* file = _wfopen(path_.c_str(), L"ab")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

void Trace::controls(const FormWindow& form) {
    auto rect = [](HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right - r.left) + ' ' +
               std::to_string(r.bottom - r.top);
    };
    std::string text;
    for (const ui::Control* control : form.window().controls()) {
        HWND hwnd = form.control(control->name());
        if (!hwnd)
            continue;
        text += "control " + control->name() + ' ' + rect(hwnd) + ' ' + (IsWindowVisible(hwnd) ? '1' : '0') + '\n';
        if (control->kind() == ui::ControlKind::TabControl)
            for (int i = 0; i < TabCtrl_GetItemCount(hwnd); ++i) {
                RECT r;
                TabCtrl_GetItemRect(hwnd, i, &r);
                MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
                wchar_t caption[128] = L"";
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = caption;
                item.cchTextMax = 128;
                TabCtrl_GetItem(hwnd, i, &item);
                char utf8[512] = "";
                WideCharToMultiByte(CP_UTF8, 0, caption, -1, utf8, sizeof(utf8), nullptr, nullptr);
                text += "tab " + std::to_string(i) + ' ' + std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' +
                        std::to_string(r.right - r.left) + ' ' + std::to_string(r.bottom - r.top) + ' ' + utf8 + '\n';
            }
    }
    text += "shown " + form.window().name();
    line(text);
}

int TracedDialogs::msgBox(const std::string& text, int style, const std::string& title) {
    if (trace_)
        trace_->line("box " + std::to_string(style) + ' ' + oneLine(title) + '\t' + oneLine(text));
    return shown_.msgBox(text, style, title);
}

std::string TracedDialogs::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    if (trace_)
        trace_->line("input " + oneLine(title) + '\t' + oneLine(prompt));
    return shown_.inputBox(prompt, title, defaultText);
}

} // namespace vantrel::win32
