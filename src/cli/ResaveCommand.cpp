// vantrel-scn resave ORBITER_FOLDER IN.scn OUT.scn: opens a scenario as the load window does
// (its description taken from its description block) and saves it under another name.

#include "cli/Commands.h"
#include "cli/Headless.h"

#include "core/files/LoadFile.h"
#include "core/app/ScenarioWriter.h"
#include "core/files/Description.h"
#include "core/platform/FileSystem.h"

#include <optional>

namespace vantrel::cli {

int runResave(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    if (args.size() != 3 || args[0].empty() || args[1].empty() || args[2].empty()) {
        err << "vantrel-scn: resave takes three arguments\n"
               "Usage: vantrel-scn resave ORBITER_FOLDER IN.scn OUT.scn\n";
        return 2;
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

    // What choosing the file in the load window does: folder, name, description, then the read.
    const std::string folder = platform::parentFolder(in);
    w.state.ScnDir.setCaption(platform::withTrailingSeparator(folder));
    w.state.scnfile.setCaption(in.substr(platform::withTrailingSeparator(folder).size()));
    w.env.Description.setText(GetDescription(in));
    w.TabSettings();
    if (!w.model.ScanLog.empty())
        err << "scanlog\t" << w.model.ScanLog << "\n";

    if (w.shipCount() == 0) {
        err << "You must have at least one ship in the scenario !\n";
        return 1;
    }
    headless.scripted().dialogs.clear();
    if (!w.writer().ScenarioFileSaving(out)) {
        const auto& messages = headless.scripted().dialogs.messages();
        std::string reason = messages.empty() ? "the scenario could not be saved" : messages.back().text;
        for (char& c : reason)
            if (c == '\r' || c == '\n')
                c = ' ';
        err << "vantrel-scn: " << reason << "\n";
        return 1;
    }
    return 0;
}

} // namespace vantrel::cli
