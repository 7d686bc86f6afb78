#pragma once

// The services through which the program reaches the screen and the system. The desktop
// implements them with Qt; tests and the command-line tool use the scripted doubles.

#include <string>
#include <vector>

namespace vantrel::ui {

class Window;

// Message-box styles and answers.
enum MsgStyle : int {
    MsgOk = 0,
    MsgCritical = 16,         // OK, critical icon
    MsgOkCancelQuestion = 33, // OK/Cancel, question icon
    MsgYesNoCancelQuestion = 35, // Yes/No/Cancel, question icon
    MsgYesNoQuestion = 36,    // Yes/No, question icon
    MsgExclamation = 48,      // OK, exclamation icon
    MsgInformation = 64,      // OK, information icon
};

enum MsgAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

// The caption of a message box shown without a title.
inline constexpr const char* DefaultMessageTitle = "Vantrel";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a message box and returns the button pressed (MsgAnswer).
    virtual int msgBox(const std::string& text, int style = MsgOk, const std::string& title = {}) = 0;
    // Asks for a text; returns it, or an empty text when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& title = {},
                                 const std::string& defaultText = {}) = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    // Loads the window when needed and shows it; returns when it has been unloaded or hidden.
    virtual void showModal(Window& window) = 0;
    // Loads the window when needed and shows it without waiting.
    virtual void showModeless(Window& window) = 0;
    // Hides a window shown without waiting, keeping its state.
    virtual void hide(Window& window) = 0;
    // Unloads the window (its unload handler runs) and closes it.
    virtual void unload(Window& window) = 0;
    // Enables or disables a window (a disabled window takes no input).
    virtual void setEnabled(Window& window, bool enabled) = 0;
    // Shows or restores the busy pointer.
    virtual void setBusy(bool busy) = 0;
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program without waiting; false when it could not be started.
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments,
                       bool minimized = false) = 0;
    // Opens a document (such as the help) with the system's viewer, without waiting.
    virtual bool openDocument(const std::string& path) = 0;
    // Is a program available to start (on the search path or at that path)?
    virtual bool available(const std::string& program) = 0;
};

struct Services {
    Dialogs& dialogs;
    Screen& screen;
    Launcher& launcher;
};

// Shows the busy pointer for the life of the object.
class BusyPointer {
public:
    explicit BusyPointer(Screen& screen) : screen_(screen) { screen_.setBusy(true); }
    ~BusyPointer() { screen_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Screen& screen_;
};

} // namespace vantrel::ui
