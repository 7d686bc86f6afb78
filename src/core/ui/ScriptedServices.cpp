#include "core/ui/ScriptedServices.h"

#include "core/ui/Window.h"

#include <algorithm>

namespace vantrel::ui {

int ScriptedDialogs::msgBox(const std::string& text, int style, const std::string& title) {
    messages_.push_back(Message{text, title.empty() ? DefaultMessageTitle : title, style});
    if (onMessage)
        onMessage(messages_.back());
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    const int buttons = style & 7;
    if (buttons == 4 || buttons == 3)
        return AnswerYes;
    return AnswerOk;
}

std::string ScriptedDialogs::inputBox(const std::string& prompt, const std::string&, const std::string&) {
    prompts_.push_back(prompt);
    if (inputs_.empty())
        return {};
    std::string text = std::move(inputs_.front());
    inputs_.pop_front();
    return text;
}

void ScriptedScreen::showModal(Window& window) {
    window.load();
    log_.push_back("modal " + window.name());
    shown_[window.name()] = true;
    auto it = scripts_.find(window.name());
    if (it != scripts_.end() && window.loaded())
        it->second(window);
    shown_[window.name()] = false;
}

void ScriptedScreen::showModeless(Window& window) {
    window.load();
    log_.push_back("modeless " + window.name());
    shown_[window.name()] = true;
}

void ScriptedScreen::hide(Window& window) {
    log_.push_back("hide " + window.name());
    shown_[window.name()] = false;
}

void ScriptedScreen::unload(Window& window) {
    log_.push_back("unload " + window.name());
    shown_[window.name()] = false;
    window.unload();
}

void ScriptedScreen::setEnabled(Window& window, bool enabled) {
    log_.push_back((enabled ? "enable " : "disable ") + window.name());
    window.setEnabled(enabled);
}

void ScriptedScreen::setBusy(bool busy) {
    busyDepth_ += busy ? 1 : -1;
    log_.push_back(busy ? "busy" : "idle");
}

bool ScriptedScreen::isShown(const std::string& windowName) const {
    auto it = shown_.find(windowName);
    return it != shown_.end() && it->second;
}

bool ScriptedLauncher::start(const std::string& program, const std::vector<std::string>& arguments, bool minimized) {
    starts.push_back(Start{program, arguments, minimized});
    return succeed;
}

bool ScriptedLauncher::openDocument(const std::string& path) {
    documents.push_back(path);
    return succeed;
}

bool ScriptedLauncher::available(const std::string& program) {
    return std::find(availablePrograms.begin(), availablePrograms.end(), program) != availablePrograms.end();
}

} // namespace vantrel::ui
