#pragma once

// Scripted services: they record every message box, input box, window and program start,
// answer from queues, and run a registered script when a window is shown modally. Tests use
// them, and so does the command-line tool, which has no screen.

#include "core/ui/Services.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vantrel::ui {

class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        std::string text;
        std::string title; // as shown: "Vantrel" when none was given
        int style = 0;
    };

    int msgBox(const std::string& text, int style = MsgOk, const std::string& title = {}) override;
    std::string inputBox(const std::string& prompt, const std::string& title = {},
                         const std::string& defaultText = {}) override;

    // Answers given in turn; without a queued answer a box is answered with its first button
    // (OK, or Yes).
    void queueAnswer(int answer) { answers_.push_back(answer); }
    void queueInput(std::string text) { inputs_.push_back(std::move(text)); }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<std::string>& prompts() const { return prompts_; }
    void clear() { messages_.clear(); prompts_.clear(); }

    // Called for every message box after it is recorded (the command-line tool prints them).
    std::function<void(const Message&)> onMessage;

private:
    std::deque<int> answers_;
    std::deque<std::string> inputs_;
    std::vector<Message> messages_;
    std::vector<std::string> prompts_;
};

class ScriptedScreen : public Screen {
public:
    using Script = std::function<void(Window&)>;

    void showModal(Window& window) override;
    void showModeless(Window& window) override;
    void hide(Window& window) override;
    void unload(Window& window) override;
    void setEnabled(Window& window, bool enabled) override;
    void setBusy(bool busy) override;

    // The script run when the named window is shown modally (it plays the person's part).
    void onModal(const std::string& windowName, Script script) { scripts_[windowName] = std::move(script); }

    // What happened, in order: "modal X", "modeless X", "hide X", "unload X", "enable X",
    // "disable X", "busy", "idle".
    const std::vector<std::string>& log() const { return log_; }
    int busyDepth() const { return busyDepth_; }
    bool isShown(const std::string& windowName) const;

private:
    std::map<std::string, Script> scripts_;
    std::vector<std::string> log_;
    std::map<std::string, bool> shown_;
    int busyDepth_ = 0;
};

class ScriptedLauncher : public Launcher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        bool minimized = false;
    };
    bool start(const std::string& program, const std::vector<std::string>& arguments, bool minimized) override;
    bool openDocument(const std::string& path) override;
    bool available(const std::string& program) override;

    std::vector<Start> starts;
    std::vector<std::string> documents;
    std::vector<std::string> availablePrograms; // what available() finds
    bool succeed = true;
};

// The three scripted services together, ready to hand to a window.
struct ScriptedServices {
    ScriptedDialogs dialogs;
    ScriptedScreen screen;
    ScriptedLauncher launcher;
    Services services() { return Services{dialogs, screen, launcher}; }
};

} // namespace vantrel::ui
