// vantrel-scn: the scenario tools of Vantrel on the command line, over the same core.

#include "cli/Commands.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* usage =
    "Usage: vantrel-scn COMMAND ARGUMENTS...\n"
    "\n"
    "Runs the scenario tools of Vantrel without a window.\n"
    "\n"
    "Commands:\n"
    "  catalogue ORBITER_FOLDER\n"
    "      Reads the simulator installation in ORBITER_FOLDER as Vantrel does at start-up and\n"
    "      prints its catalogue, one TAB-separated item per line: config, scenarios, system,\n"
    "      shipclass, stationclass, body, base and scanlog lines.\n"
    "  resave ORBITER_FOLDER IN.scn OUT.scn\n"
    "      Opens IN.scn as the load window does and saves it as OUT.scn.\n"
    "  check ORBITER_FOLDER [FILE.scn|FOLDER]...\n"
    "      Opens each scenario and validates every station and ship without changing them;\n"
    "      prints one TAB-separated line per finding. A FOLDER stands for the scenarios in it\n"
    "      and its sub-folders; with no file, every scenario of the installation is checked.\n"
    "  --help\n"
    "      Shows this text.\n"
    "\n"
    "Exit status: 0 success, 1 a failure or a finding, 2 a usage error.\n";

} // namespace

static int run(std::vector<std::string> args) {
    if (args.empty()) {
        std::cerr << usage;
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << usage;
        return 0;
    }
    if (command == "catalogue")
        return vantrel::cli::runCatalogue(args, std::cout, std::cerr);
    if (command == "resave")
        return vantrel::cli::runResave(args, std::cout, std::cerr);
    if (command == "check")
        return vantrel::cli::runCheck(args, std::cout, std::cerr);
    std::cerr << "vantrel-scn: unknown command '" << command << "'\n\n" << usage;
    return 2;
}

int main(int argc, char** argv) {
    const int status = run(std::vector<std::string>(argv + 1, argv + argc));
    // Output that could not be written (a full disk) is no success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vantrel-scn: the output could not be written\n";
        return status == 0 ? 1 : status;
    }
    return status;
}
