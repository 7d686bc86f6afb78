// vantrel-scn resave ORBITER_FOLDER IN.scn OUT.scn: opens a scenario as the load window does
// (its description taken from its description block) and saves it under another name: a script
// without steps.

#include "cli/Commands.h"

namespace vantrel::cli {

int runResave(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3 || args[0].empty() || args[1].empty() || args[2].empty()) {
        err << "vantrel-scn: resave takes three arguments\n"
               "Usage: vantrel-scn resave ORBITER_FOLDER IN.scn OUT.scn\n";
        return 2;
    }
    return runScript(args, out, err);
}

} // namespace vantrel::cli
