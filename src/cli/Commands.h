#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrel::cli {

// Each command takes its arguments (without the command name) and returns the exit status:
// 0 success, 1 failure or findings, 2 usage error.
int runCatalogue(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runResave(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// vessels ORBITER_FOLDER FILE.scn: 0 listed, 1 a folder, file or system that cannot be read,
// 2 a usage error.
int runVessels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// script ORBITER_FOLDER IN.scn OUT.scn STEP...: 0 saved, 1 not opened, a refused validation or a
// failed save, 2 a usage error or a step that cannot be taken; nothing is written unless 0.
int runScript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The controls of the main window's tabs that script steps act on, grouped by tab and by the
// form of step each takes, as --help shows them.
std::string scriptControlList();

} // namespace vantrel::cli
