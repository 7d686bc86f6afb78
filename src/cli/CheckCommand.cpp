// vantrel-scn check ORBITER_FOLDER FILE.scn...: opens each scenario as the load window does,
// then selects every station and presses "Station parameter validation", and every ship and
// presses "Ship parameter validation", without editing anything. Each message box shown on
// the way is a finding; nothing is ever saved.

#include "cli/Commands.h"
#include "cli/Headless.h"

#include "core/files/LoadFile.h"
#include "core/files/Description.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

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

} // namespace

int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0].empty()) {
        err << "vantrel-scn: check needs the Orbiter folder\n"
               "Usage: vantrel-scn check ORBITER_FOLDER [FILE.scn|FOLDER]...\n";
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
    for (const std::string& file : files) {
        const std::string path = platform::normalPath(file);
        if (file.empty() || platform::folderExists(path) || !platform::readFile(path)) {
            err << "vantrel-scn: cannot read the scenario file " << file << "\n";
            unreadable = true;
            continue;
        }
        // The load window refuses such a file; checking it would only report an empty scenario.
        if (const std::optional<std::string> refusal = scenarioFileRefusal(path)) {
            out << file << "\trefused\t" << *refusal << "\n";
            findings = true;
            continue;
        }

        // What choosing the file in the load window does: folder, name, description, the read.
        const std::string folder = platform::withTrailingSeparator(platform::parentFolder(path));
        w.state.ScnDir.setCaption(folder);
        w.state.scnfile.setCaption(path.substr(folder.size()));
        w.env.Description.setText(GetDescription(path));
        w.TabSettings();
        dialogs.clear();
        if (!w.model.ScanLog.empty()) {
            out << file << "\tscanlog\t" << oneLine(w.model.ScanLog) << "\n";
            findings = true;
        }

        auto pressEach = [&](const char* kind, ui::ListControl& list, ui::Button& button) {
            for (int row = 0; row < list.listCount(); ++row) {
                list.userSelect(row);
                const std::string name = list.list(row);
                button.userClick();
                for (const auto& message : dialogs.messages()) {
                    out << file << '\t' << kind << '\t' << row << '\t' << name << '\t' << oneLine(message.text)
                        << "\n";
                    findings = true;
                }
                dialogs.clear();
            }
        };
        pressEach("station", w.stationTab.StationName, w.stationTab.Command1);
        pressEach("ship", w.shipTab.ShipName, w.shipTab.Command4);
    }
    out.flush();
    if (unreadable)
        return 2;
    return findings ? 1 : 0;
}

} // namespace vantrel::cli
