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

} // namespace vantrel::cli
