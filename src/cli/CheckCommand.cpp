// vantrel-scn check [--format=gcc] ORBITER_FOLDER FILE.scn...: opens each scenario as the load
// window does, then selects every station and presses "Station parameter validation", and every
// ship and presses "Ship parameter validation", without editing anything. Each message box shown
// on the way is a finding; so is each thing today's simulator would do wrong with the file.
// Nothing is ever saved.

#include "cli/Commands.h"
#include "cli/Headless.h"

#include "core/app/ScenarioFindings.h"
#include "core/files/LoadFile.h"
#include "core/files/Description.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/scenario/FileFormat.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"
#include "core/vessels/SimulatorCheck.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vantrel::cli {

namespace {

// The scenario files of a folder and its sub-folders, in the order the load window lists them.
// A folder reached again through a link is listed once, so a link back up the tree cannot send
// the walk round for ever.
void collectScenarios(const std::string& folder, std::vector<std::string>& files,
                      std::set<std::string>& visited) {
    if (!visited.insert(platform::realPath(folder)).second)
        return;
    const std::string base = platform::withTrailingSeparator(folder);
    for (const std::string& name : platform::listFiles(folder, "*.scn"))
        files.push_back(base + name);
    for (const std::string& sub : platform::listFolders(folder))
        collectScenarios(base + sub, files, visited);
}

void collectScenarios(const std::string& folder, std::vector<std::string>& files) {
    std::set<std::string> visited;
    collectScenarios(folder, files, visited);
}

// A message box's text on one line: its lines joined by " | ", without the line end that closes
// the last.
std::string messageLine(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    return oneLine(text);
}

} // namespace

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    // --format=gcc prints FILE:LINE: SEVERITY: TEXT [CODE], which editors and CI annotate.
    bool gcc = false;
    // --fix makes the safe fixes in each file first, then checks what is left.
    bool fix = false;
    std::vector<std::string> args;
    for (const std::string& argument : arguments) {
        if (argument == "--fix")
            fix = true;
        else if (argument == "--format=gcc")
            gcc = true;
        else if (argument == "--format=tab")
            gcc = false;
        else
            args.push_back(argument);
    }
    if (args.empty() || args[0].empty()) {
        err << "vantrel-scn: check needs the Orbiter folder\n"
               "Usage: vantrel-scn check [--fix] [--format=gcc] ORBITER_FOLDER [FILE.scn|FOLDER]...\n";
        return 2;
    }
    if (!platform::folderExists(args[0])) {
        err << "vantrel-scn: the Orbiter folder " << args[0] << " does not exist\n";
        return 2;
    }

    Headless headless(args[0]);
    if (headless.startupFailed()) {
        err << headless.failureMessage() << "\n";
        return 2;
    }
    Vantrel& w = headless.main();
    auto& dialogs = headless.scripted().dialogs;
    const vessels::CheckInstallation installation = checkInstallation(w);

    // The files to check: those named, a named folder's scenarios, or without any name every
    // scenario below the installation's scenario folder.
    std::vector<std::string> files;
    if (args.size() == 1) {
        collectScenarios(scenarioRoot(w), files);
    } else {
        for (size_t k = 1; k < args.size(); ++k) {
            if (!args[k].empty() && platform::folderExists(args[k]))
                collectScenarios(args[k], files);
            else
                files.push_back(args[k]);
        }
    }

    bool findings = false;
    bool unreadable = false;
    // A file's findings, printed in line order once it is checked, after what --fix changed.
    std::vector<vessels::Finding> found;
    std::vector<vessels::Finding> fixes;
    auto report = [&](const std::string&, size_t line, vessels::Severity severity, const std::string& code,
                      const std::string& vessel, const std::string& text) {
        found.push_back({line, severity, code, vessel, text});
    };
    auto print = [&](const std::string& file, size_t line, vessels::Severity severity, const std::string& code,
                     const std::string& vessel, const std::string& text) {
        if (gcc)
            out << file << ':' << line << ": " << vessels::severityName(severity) << ": " << text << " [" << code
                << "]\n";
        else
            out << file << '\t' << line << '\t' << vessels::severityName(severity) << '\t' << code << '\t' << vessel
                << '\t' << text << "\n";
        findings = findings || severity != vessels::Severity::Note;
    };
    auto checkOne = [&](const std::string& file) {
        const std::string path = platform::normalPath(file);
        const std::optional<std::string> bytes =
            file.empty() || platform::folderExists(path) ? std::nullopt : platform::readFile(path);
        if (!bytes) {
            err << "vantrel-scn: cannot read the scenario file " << file << "\n";
            unreadable = true;
            return;
        }
        // The load window refuses such a file; checking it would only report an empty scenario.
        if (const std::optional<std::string> refusal = scenarioFileRefusal(path)) {
            report(file, 1, vessels::Severity::Error, "refused", "", *refusal);
            return;
        }
        std::string_view checked = *bytes;
        vessels::Fixed fixed;
        if (fix && fileFormatOf(*bytes, w.cat.VesselsFolder) == FileFormat::Today) {
            // The window chooses the file's system first: the fixes need its bodies.
            const std::string folder = platform::withTrailingSeparator(platform::parentFolder(path));
            w.state.ScnDir.setCaption(folder);
            w.state.scnfile.setCaption(path.substr(folder.size()));
            w.TabSettings();
            dialogs.clear();
            fixed = vessels::fixedScenario(*bytes, file, installation);
            if (!fixed.changes.empty()) {
                if (const std::string failure = platform::writeFileAtomically(path, fixed.bytes); !failure.empty()) {
                    err << "vantrel-scn: cannot write the fixed file " << file << ": " << failure << "\n";
                    unreadable = true;
                    return;
                }
                for (const vessels::Finding& change : fixed.changes)
                    fixes.push_back(change);
                checked = fixed.bytes;
            }
        }

        // What choosing the file in the load window does: folder, name, description, the read.
        const std::string folder = platform::withTrailingSeparator(platform::parentFolder(path));
        w.state.ScnDir.setCaption(folder);
        w.state.scnfile.setCaption(path.substr(folder.size()));
        w.env.Description.setText(GetDescription(path));
        w.TabSettings();
        dialogs.clear();
        if (!w.model.ScanLog.empty())
            report(file, 1, vessels::Severity::Warning, "scanlog", "", messageLine(w.model.ScanLog));

        // The editor's findings: what its validation refuses, at the vessel's head line.
        auto pressEach = [&](ui::ListControl& list, ui::Button& button, auto headOf) {
            for (int row = 0; row < list.listCount(); ++row) {
                list.userSelect(row);
                const std::string name = list.list(row);
                button.userClick();
                for (const auto& message : dialogs.messages())
                    report(file, headOf(row), vessels::Severity::Error, "editor", name, messageLine(message.text));
                dialogs.clear();
            }
        };
        auto line = [](int32_t head) { return head >= 0 ? static_cast<size_t>(head) + 1 : size_t{1}; };
        pressEach(w.stationTab.StationName, w.stationTab.Command1, [&](int row) {
            return line(w.model.validStation(row) ? w.model.stations[static_cast<size_t>(row)].StationHeadLine : -1);
        });
        pressEach(w.shipTab.ShipName, w.shipTab.Command4, [&](int row) {
            return line(w.model.validShip(row) ? w.model.ships[static_cast<size_t>(row)].ShipHeadLine : -1);
        });

        // What today's simulator makes of the file.
        if (w.cat.VesselsFolder || w.model.format == FileFormat::Today)
            for (const vessels::Finding& f : vessels::simulatorFindings(checked, file, installation))
                found.push_back(f);
    };
    for (const std::string& file : files) {
        checkOne(file);
        for (const vessels::Finding& f : fixes) {
            if (gcc)
                out << file << ':' << f.line << ": fixed: " << f.text << " [" << f.code << "]\n";
            else
                out << file << '\t' << f.line << "\tfixed\t" << f.code << '\t' << f.vessel << '\t' << f.text << "\n";
        }
        fixes.clear();
        std::stable_sort(found.begin(), found.end(),
                         [](const vessels::Finding& a, const vessels::Finding& b) { return a.line < b.line; });
        for (const vessels::Finding& f : found)
            print(f.file.empty() ? file : f.file, f.line, f.severity, f.code, f.vessel, f.text);
        found.clear();
    }
    out.flush();
    if (unreadable)
        return 2;
    return findings ? 1 : 0;
}

} // namespace vantrel::cli
