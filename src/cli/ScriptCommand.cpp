// vantrel-scn script ORBITER_FOLDER IN.scn OUT.scn STEP...: opens a scenario as the load window
// does, plays the steps on the main window's tabs as a person would, then saves it as Save does.
// resave is a script without steps.

#include "cli/Commands.h"
#include "cli/Headless.h"

#include "core/app/MainMenu.h"
#include "core/app/ScenarioWriter.h"
#include "core/editing/ShipEditor.h"
#include "core/editing/StationEditor.h"
#include "core/files/Description.h"
#include "core/files/LoadFile.h"
#include "core/platform/FileSystem.h"
#include "core/text/Dates.h"
#include "core/text/TextHelpers.h"
#include "core/ui/ControlLookup.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

namespace vantrel::cli {

namespace {

enum class StepKind {
    Set,         // NAME=VALUE
    Type,        // NAME:=TEXT
    Click,       // NAME
    DoubleClick, // NAME>PATH
    ShowTab,     // tab=N
};

struct Step {
    std::string text; // as given, for the messages
    StepKind kind = StepKind::Click;
    std::string name;
    std::string value;
};

bool isNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// A step's name runs up to its first character that cannot be in a control name; what follows
// says what the step does. Nothing for a text that is not a step.
std::optional<Step> parseStep(const std::string& text) {
    size_t end = 0;
    while (end < text.size() && isNameChar(text[end]))
        ++end;
    if (end == 0)
        return std::nullopt;
    Step step{text, StepKind::Click, text.substr(0, end), {}};
    const std::string_view rest = std::string_view(text).substr(end);
    if (rest.empty())
        return step;
    if (rest.substr(0, 2) == ":=") {
        step.kind = StepKind::Type;
        step.value = rest.substr(2);
    } else if (rest.front() == '=') {
        step.kind = step.name == "tab" ? StepKind::ShowTab : StepKind::Set;
        step.value = rest.substr(1);
    } else if (rest.front() == '>') {
        step.kind = StepKind::DoubleClick;
        step.value = rest.substr(1);
    } else {
        return std::nullopt;
    }
    return step;
}

// A whole decimal integer, an optional minus sign included; nothing for any other text.
std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The calendar day of a "YYYY-MM-DD" text in the years the calendar shows; nothing for a text
// of another form or a day the month does not have.
std::optional<int> calendarDay(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const int year = *wholeNumber(std::string_view(text).substr(0, 4));
    const int month = *wholeNumber(std::string_view(text).substr(5, 2));
    const int dayOfMonth = *wholeNumber(std::string_view(text).substr(8, 2));
    if (year < 100 || month < 1 || month > 12 || dayOfMonth < 1)
        return std::nullopt;
    const int day = dayFromCivil(year, month, dayOfMonth);
    const CivilDate back = civilFromDay(day);
    if (back.year != year || back.month != month || back.day != dayOfMonth)
        return std::nullopt;
    return day;
}

// What a step does with each kind of control, as --help and the refusals say it.
std::string stepForm(const ui::Control& control) {
    switch (control.kind()) {
    case ui::ControlKind::TextField:
        return "NAME=TEXT";
    case ui::ControlKind::ComboBox:
    case ui::ControlKind::ListBox:
        return static_cast<const ui::ListControl&>(control).editable() ? "NAME=ENTRY, NAME:=TEXT" : "NAME=ENTRY";
    case ui::ControlKind::Slider:
        return "NAME=POSITION";
    case ui::ControlKind::CheckBox:
        return "NAME=0|1, NAME";
    case ui::ControlKind::OptionButton:
        return "NAME, NAME=1";
    case ui::ControlKind::MonthCalendar:
        return "NAME=YYYY-MM-DD";
    case ui::ControlKind::TreeView:
        return "NAME>CAPTION/CAPTION/...";
    case ui::ControlKind::Button:
    case ui::ControlKind::MenuItem:
        return "NAME";
    default:
        return {};
    }
}

// Plays the steps on the main window. Each method returns the reason a step cannot be taken,
// nothing when it was.
class StepPlayer {
public:
    explicit StepPlayer(Vantrel& main) : w_(main) {}

    std::optional<std::string> play(const Step& step) {
        if (step.kind == StepKind::ShowTab)
            return showTab(step.value);
        const ui::TabControlPlace place = ui::tabControl(w_, step.name);
        if (!place.control)
            return "there is no control " + step.name + " on the tabs (vantrel-scn --help lists them)";
        ui::Control& control = *place.control;
        if (stepForm(control).empty())
            return step.name + " only shows a text: no step acts on it";
        if (!ui::reachable(w_, control))
            return step.name + (control.enabled() ? " is not shown" : " is disabled");
        // A person shows a control's tab before using the control.
        w_.state.SSTab1.userSetCurrentTab(place.tab);
        switch (step.kind) {
        case StepKind::Set:
            return set(control, step.value);
        case StepKind::Type:
            return type(control, step.value);
        case StepKind::Click:
            return click(control);
        case StepKind::DoubleClick:
            return doubleClick(control, step.value);
        case StepKind::ShowTab:
            break;
        }
        return std::nullopt;
    }

private:
    static std::string wrongStep(const ui::Control& control) {
        return control.name() + " takes " + stepForm(control) + " (NAME stands for " + control.name() + ")";
    }

    std::optional<std::string> showTab(const std::string& value) {
        const std::optional<int> tab = wholeNumber(value);
        const int tabs = static_cast<int>(w_.state.SSTab1.tabs().size());
        if (!tab || *tab < 0 || *tab >= tabs)
            return "there is no tab " + value + " (the tabs count from 0 to " + std::to_string(tabs - 1) + ")";
        w_.state.SSTab1.userSetCurrentTab(*tab);
        return std::nullopt;
    }

    std::optional<std::string> set(ui::Control& control, const std::string& value) {
        switch (control.kind()) {
        case ui::ControlKind::TextField:
            static_cast<ui::TextField&>(control).userSetText(value);
            return std::nullopt;
        case ui::ControlKind::ComboBox:
        case ui::ControlKind::ListBox: {
            auto& list = static_cast<ui::ListControl&>(control);
            const std::string wanted = trim(value);
            for (int i = 0; i < list.listCount(); ++i)
                if (trim(list.list(i)) == wanted) {
                    list.userSelect(i);
                    return std::nullopt;
                }
            return control.name() + " has no entry \"" + value + "\"";
        }
        case ui::ControlKind::Slider: {
            auto& slider = static_cast<ui::Slider&>(control);
            const std::optional<int> position = wholeNumber(value);
            if (!position || *position < slider.min() || *position > slider.max())
                return control.name() + " takes a whole position from " + std::to_string(slider.min()) + " to " +
                       std::to_string(slider.max()) + ", not \"" + value + "\"";
            slider.userSetValue(*position);
            return std::nullopt;
        }
        case ui::ControlKind::CheckBox: {
            auto& box = static_cast<ui::CheckBox&>(control);
            if (value != "0" && value != "1")
                return control.name() + " is set with 1 and cleared with 0, not \"" + value + "\"";
            if (box.value() != (value == "1" ? 1 : 0))
                box.userToggle();
            return std::nullopt;
        }
        case ui::ControlKind::OptionButton: {
            auto& option = static_cast<ui::OptionButton&>(control);
            if (value == "1") {
                option.userSelect();
                return std::nullopt;
            }
            // A click never clears an option; choosing another of its group does.
            if (value == "0" && !option.value())
                return std::nullopt;
            if (value == "0")
                return control.name() + " is cleared by choosing another option of its group";
            return control.name() + " is set with 1, not \"" + value + "\"";
        }
        case ui::ControlKind::MonthCalendar: {
            const std::optional<int> day = calendarDay(value);
            if (!day)
                return control.name() + " takes a day as YYYY-MM-DD, not \"" + value + "\"";
            static_cast<ui::MonthCalendar&>(control).userSetDate(*day);
            return std::nullopt;
        }
        default:
            return wrongStep(control);
        }
    }

    std::optional<std::string> type(ui::Control& control, const std::string& text) {
        if (control.kind() != ui::ControlKind::ComboBox || !static_cast<ui::ListControl&>(control).editable())
            return wrongStep(control);
        static_cast<ui::ListControl&>(control).userSetText(text);
        return std::nullopt;
    }

    std::optional<std::string> click(ui::Control& control) {
        switch (control.kind()) {
        case ui::ControlKind::Button:
        case ui::ControlKind::MenuItem:
            static_cast<ui::Button&>(control).userClick();
            return std::nullopt;
        case ui::ControlKind::OptionButton:
            static_cast<ui::OptionButton&>(control).userSelect();
            return std::nullopt;
        case ui::ControlKind::CheckBox:
            static_cast<ui::CheckBox&>(control).userToggle();
            return std::nullopt;
        default:
            return wrongStep(control);
        }
    }

    std::optional<std::string> doubleClick(ui::Control& control, const std::string& path) {
        if (control.kind() != ui::ControlKind::TreeView)
            return wrongStep(control);
        auto& tree = static_cast<ui::TreeView&>(control);
        const int node = ui::nodeAtPath(tree, path);
        if (node == 0)
            return control.name() + " has no node \"" + path + "\"";
        tree.userDoubleClick(node);
        return std::nullopt;
    }

    Vantrel& w_;
};

const char* const scriptUsage = "Usage: vantrel-scn script ORBITER_FOLDER IN.scn OUT.scn [STEP]...\n";

} // namespace

int runScript(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    if (args.size() < 3 || args[0].empty() || args[1].empty() || args[2].empty()) {
        err << "vantrel-scn: script takes a simulator folder, a scenario file and the file to save it as\n"
            << scriptUsage;
        return 2;
    }
    // Every step is read before anything runs, so that a mistyped one changes nothing.
    std::vector<Step> steps;
    for (size_t i = 3; i < args.size(); ++i) {
        std::optional<Step> step = parseStep(args[i]);
        if (!step) {
            err << "vantrel-scn: \"" << args[i]
                << "\" is not a step (NAME=VALUE, NAME:=TEXT, NAME, NAME>PATH or tab=N)\n";
            return 2;
        }
        steps.push_back(std::move(*step));
    }

    const std::string in = platform::normalPath(args[1]);
    const std::string out = platform::normalPath(args[2]);
    if (!platform::fileExists(in)) {
        err << "vantrel-scn: the scenario file " << args[1] << " does not exist\n";
        return 1;
    }
    // The load window refuses such a file instead of opening it as an empty scenario.
    if (const std::optional<std::string> refusal = scenarioFileRefusal(in)) {
        err << "vantrel-scn: " << *refusal << "\n";
        return 1;
    }

    Headless headless(args[0]);
    if (headless.startupFailed()) {
        err << headless.failureMessage() << "\n";
        return 1;
    }
    Vantrel& w = headless.main();

    // From here on every message box is shown to the person running the script, and a refused
    // validation ends the run.
    bool refused = false;
    headless.scripted().dialogs.onMessage = [&err, &refused](const ui::ScriptedDialogs::Message& box) {
        err << "box\t" << oneLine(box.title) << "\t" << oneLine(box.text) << "\n";
        if (box.title == ShipEditor::NotAcceptedTitle || box.title == StationEditor::NotAcceptedTitle)
            refused = true;
    };

    const std::string folder = platform::parentFolder(in);
    const std::string fileName = in.substr(platform::withTrailingSeparator(folder).size());
    if (!LoadFile::showScenario(w, folder, fileName, GetDescription(in)))
        return 1;
    if (!w.model.ScanLog.empty())
        err << "scanlog\t" << w.model.ScanLog << "\n";

    StepPlayer player(w);
    for (size_t i = 0; i < steps.size(); ++i) {
        if (const std::optional<std::string> reason = player.play(steps[i])) {
            err << "vantrel-scn: step " << i + 1 << " (" << steps[i].text << "): " << *reason
                << "; nothing was saved\n";
            return 2;
        }
        if (refused) {
            err << "vantrel-scn: step " << i + 1 << " (" << steps[i].text
                << "): the validation was not accepted; nothing was saved\n";
            return 1;
        }
    }

    if (w.shipCount() == 0) {
        err << "You must have at least one ship in the scenario !\n";
        return 1;
    }
    // Save's own question about fields typed but not validated, answered Yes like every box.
    if (!w.mainMenu().ValidateShownEdits() || refused) {
        err << "vantrel-scn: the validation before saving was not accepted; nothing was saved\n";
        return 1;
    }
    const size_t boxesBefore = headless.scripted().dialogs.messages().size();
    if (!w.writer().ScenarioFileSaving(out)) {
        const auto& messages = headless.scripted().dialogs.messages();
        const std::string reason =
            messages.size() > boxesBefore ? oneLine(messages.back().text) : "the scenario could not be saved";
        err << "vantrel-scn: " << reason << "\n";
        return 1;
    }
    return 0;
}

std::string scriptControlList() {
    // A main window's tabs as they are made, before any scenario fills them.
    ui::EnvironmentTab env;
    ui::StationTab station;
    ui::ShipTab ship;
    ui::MainWindowState state;
    const std::vector<std::vector<ui::Control*>> tabs{env.all(), station.all(), ship.all()};

    std::ostringstream list;
    for (size_t tab = 0; tab < tabs.size(); ++tab) {
        list << "  tab=" << tab << "  " << state.SSTab1.tabs()[tab] << "\n";
        // One line per step form, naming its controls in the tab's order.
        std::vector<std::pair<std::string, std::string>> forms;
        for (const ui::Control* control : tabs[tab]) {
            const std::string form = stepForm(*control);
            if (form.empty())
                continue;
            std::string name = control->name();
            if (control->kind() == ui::ControlKind::Slider) {
                const auto& slider = static_cast<const ui::Slider&>(*control);
                name += " (" + std::to_string(slider.min()) + ".." + std::to_string(slider.max()) + ")";
            }
            auto it = std::find_if(forms.begin(), forms.end(), [&](const auto& f) { return f.first == form; });
            if (it == forms.end())
                forms.emplace_back(form, name);
            else
                it->second += ", " + name;
        }
        // The names wrap into a column beside their step forms.
        constexpr size_t column = 30;
        constexpr size_t width = 100;
        for (const auto& [form, names] : forms) {
            std::string line = "    " + form;
            line += std::string(line.size() < column ? column - line.size() : 1, ' ');
            size_t start = 0;
            while (start < names.size()) {
                size_t end = names.find(", ", start);
                end = end == std::string::npos ? names.size() : end + 1;
                const std::string name = names.substr(start, end - start);
                if (line.size() > column && line.size() + 1 + name.size() > width) {
                    list << line << "\n";
                    line = std::string(column, ' ');
                } else if (line.size() > column) {
                    line += ' ';
                }
                line += name;
                start = end + (end < names.size() ? 1 : 0);
            }
            list << line << "\n";
        }
    }
    return list.str();
}

} // namespace vantrel::cli
