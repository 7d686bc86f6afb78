#pragma once

// The dialogs and the launcher of the Windows desktop: message boxes are Windows' own (the
// core's styles and answers are its MB_ and ID values), the input box is a small dialog made
// in code, and programs and documents start through the system.

#include "core/ui/Services.h"

#include <windows.h>

namespace vantrel::win32 {

class Win32Dialogs : public ui::Dialogs {
public:
    int msgBox(const std::string& text, int style = ui::MsgOk, const std::string& title = {}) override;
    std::string inputBox(const std::string& prompt, const std::string& title = {},
                         const std::string& defaultText = {}) override;

    // The window the boxes belong to; without one (or once it is gone), the active window. A
    // box is modal to the window in front of its owner: the modal dialog it shows, if any.
    void setOwner(HWND owner) { owner_ = owner; }
    HWND ownerWindow() const;

private:
    HWND owner_ = nullptr;
};

class Win32Launcher : public ui::Launcher {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               bool minimized = false) override;
    // Opens the document with the program Windows associates with it (the help page: the
    // default browser).
    bool openDocument(const std::string& path) override;
    // A name with a folder must be an existing file; a bare name is looked for where Windows
    // looks when starting it (the program's folder, the current folder, the system folders and
    // the PATH), ".exe" added when it has no extension.
    bool available(const std::string& program) override;
};

} // namespace vantrel::win32
