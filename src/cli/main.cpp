// vantrel-scn: the scenario tools of Vantrel on the command line, over the same core.

#include "cli/Commands.h"

#include "core/platform/Console.h"

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
    "  script ORBITER_FOLDER IN.scn OUT.scn [STEP]...\n"
    "      Opens IN.scn as the load window does, takes each STEP on the main window's tabs as a\n"
    "      person would, then saves the scenario as OUT.scn as File/Save does. A STEP is one of:\n"
    "        NAME=VALUE   types VALUE into a text field, chooses the entry of a list whose trimmed\n"
    "                     text is VALUE, moves a slider to VALUE, sets (1) or clears (0) a check\n"
    "                     box, sets (1) an option, gives a calendar the day VALUE (YYYY-MM-DD)\n"
    "        NAME:=TEXT   types TEXT into an editable list (ShipName, StationName): a rename\n"
    "        NAME         clicks a button, an option or a check box\n"
    "        NAME>PATH    double-clicks the node of a tree whose captions from the top, joined\n"
    "                     by \"/\", are PATH (blanks in a caption count as one)\n"
    "        tab=N        shows tab N, counting from 0 (a step on a control shows its tab too)\n"
    "      Every message box is printed to standard error as \"box<TAB>title<TAB>text\" and\n"
    "      answered with its first button (OK or Yes). A refused validation stops the run with\n"
    "      status 1; a step naming no control of the tabs, a control that is hidden or disabled,\n"
    "      an entry or a tree node that is not there stops it with status 2. Only status 0\n"
    "      writes OUT.scn.\n"
    "  check [--fix] [--format=gcc] ORBITER_FOLDER [FILE.scn|FOLDER]...\n"
    "      Opens each scenario and validates every station and ship without changing them, and\n"
    "      says what today's simulator would do wrong with it; prints one line per finding,\n"
    "      FILE LINE SEVERITY CODE VESSEL TEXT separated by TABs, or FILE:LINE: SEVERITY: TEXT\n"
    "      [CODE] with --format=gcc. Status 0: nothing above notes; 1: an error or a warning.\n"
    "      --fix first makes the safe fixes in place (blank lines in the vessel list, a body's\n"
    "      letter case, a missing reciprocal DOCKINFO token) and prints each one.\n"
    "      A FOLDER stands for the scenarios in it and its sub-folders; with no file, every\n"
    "      scenario of the installation is checked.\n"
    "  vessels ORBITER_FOLDER FILE.scn\n"
    "      Prints where the simulator puts each vessel of the file's ship list, one TAB-separated\n"
    "      line per vessel in list order: name, class, status (Landed, Orbiting or unknown), body\n"
    "      and placement (elements, vector, pad, coordinates, docked, attached or none), then\n"
    "        elements, vector  a (m), e, i, node, longitude of periapsis, mean longitude at the\n"
    "                          scenario date (degrees), periapsis and apoapsis altitude (m) and\n"
    "                          period (s); inf for an open orbit's apoapsis and period\n"
    "        pad               the base and the pad number\n"
    "        coordinates       longitude and latitude (degrees), and the base when one is named\n"
    "        docked, attached  the partner's name\n"
    "      The scenario date is the Date line's, to full precision; without a Date line, or with\n"
    "      one that gives no number, it is the moment of the run. The bodies are those of the\n"
    "      system the file's System line names. A vessel whose orbit cannot be worked out has the\n"
    "      reason instead of the figures.\n"
    "      An early file (one with a BEGIN_STATIONS section or a STATUS Docked line) lists its\n"
    "      stations first, each Orbiting by its elements at its EL_MJD (at the scenario date\n"
    "      without one), then its ships as the editor reads them: Landed on a pad, Orbiting by\n"
    "      vector, or Docked with placement docked and the station and port number as written;\n"
    "      a status the editor does not know is unknown, with no body, placed none.\n"
    "  --help\n"
    "      Shows this text.\n"
    "\n"
    "Exit status: 0 success, 1 a failure or a finding, 2 a usage error.\n";

const char* scriptControlsHeading = "\nControls of the tabs for script steps (NAME stands for each name):\n";

} // namespace

static int run(std::vector<std::string> args) {
    if (args.empty()) {
        std::cerr << usage;
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << usage << scriptControlsHeading << vantrel::cli::scriptControlList();
        return 0;
    }
    if (command == "catalogue")
        return vantrel::cli::runCatalogue(args, std::cout, std::cerr);
    if (command == "resave")
        return vantrel::cli::runResave(args, std::cout, std::cerr);
    if (command == "script")
        return vantrel::cli::runScript(args, std::cout, std::cerr);
    if (command == "check")
        return vantrel::cli::runCheck(args, std::cout, std::cerr);
    if (command == "vessels")
        return vantrel::cli::runVessels(args, std::cout, std::cerr);
    std::cerr << "vantrel-scn: unknown command '" << command << "'\n\n" << usage;
    return 2;
}

int main(int argc, char** argv) {
    vantrel::platform::useUtf8Output();
    const int status = run(vantrel::platform::programArguments(argc, argv));
    // Output that could not be written (a full disk) is no success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vantrel-scn: the output could not be written\n";
        return status == 0 ? 1 : status;
    }
    return status;
}
