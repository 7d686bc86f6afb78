#pragma once

// A trace of what the program shows, for the smoke test that drives vantrel.exe from outside
// (tests/windows/smoke.sh): with the environment variable VANTREL_TRACE naming a file, the
// program writes there where each control of the main window lies on the screen, and the text
// of every message box before it shows. Without it nothing is written.

#include "core/ui/Services.h"

#include <memory>
#include <string>

namespace vantrel::win32 {

class FormWindow;

class Trace {
public:
    // The trace the environment asks for; nullptr when none.
    static std::unique_ptr<Trace> fromEnvironment();
    // "control NAME LEFT TOP WIDTH HEIGHT VISIBLE" for every control of the window, screen pixels,
    // and "tab INDEX LEFT TOP WIDTH HEIGHT CAPTION" for every tab of its tab controls.
    void controls(const FormWindow& form);
    void line(const std::string& text);

private:
    explicit Trace(std::wstring path) : path_(std::move(path)) {}
    std::wstring path_;
};

// Message boxes and input boxes that go into the trace before they show.
class TracedDialogs : public ui::Dialogs {
public:
    TracedDialogs(ui::Dialogs& shown, Trace* trace) : shown_(shown), trace_(trace) {}
    int msgBox(const std::string& text, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;

private:
    ui::Dialogs& shown_;
    Trace* trace_;
};

} // namespace vantrel::win32
