#include "core/ui/ScenarioStatus.h"

#include "core/ui/MainWindowParts.h"

namespace vantrel {

ScenarioStatus::ScenarioStatus(MainWindowParts& main) : w_(main) {}

std::string ScenarioStatus::path() const {
    const std::string& file = w_.state.scnfile.caption();
    return file.empty() || fileRemoved_ ? std::string() : w_.state.ScnDir.caption() + file;
}

std::string ScenarioStatus::format() const {
    if (w_.state.scnfile.caption().empty())
        return {};
    return std::string(fileFormatName(w_.model.format));
}

bool ScenarioStatus::unsavedChanges() const {
    // Before any load or save there is nothing to compare with, and nothing to write.
    if (w_.state.scnfile.caption().empty())
        return false;
    if (fileRemoved_)
        return true;
    if (!w_.model.hasSavedMark())
        return false;
    return w_.model.differsFromSaved(w_.scenarioText());
}

void ScenarioStatus::markSaved() {
    fileRemoved_ = false;
    w_.model.markSaved(w_.scenarioText());
}

void ScenarioStatus::report(const std::string& message) {
    lastReport_ = message;
    if (onReport)
        onReport(message);
}

ui::Dialogs& ScenarioStatus::dialogs(ui::Dialogs& shown) {
    dialogs_.shown = &shown;
    return dialogs_;
}

int ScenarioStatus::ReportingDialogs::msgBox(const std::string& text, int style, const std::string& title) {
    const int answer = shown->msgBox(text, style, title);
    const bool question =
        style == ui::MsgYesNoQuestion || style == ui::MsgOkCancelQuestion || style == ui::MsgYesNoCancelQuestion;
    if (!question) {
        // The first line: a list of refused fields reads as its first refusal.
        std::string line = text.substr(0, text.find_first_of("\r\n"));
        if (text.find_first_not_of("\r\n ", line.size()) != std::string::npos)
            line += " ...";
        status_.report(title.empty() || title == ui::DefaultMessageTitle ? line : title + ": " + line);
    }
    return answer;
}

std::string ScenarioStatus::ReportingDialogs::inputBox(const std::string& prompt, const std::string& title,
                                                       const std::string& defaultText) {
    return shown->inputBox(prompt, title, defaultText);
}

} // namespace vantrel
