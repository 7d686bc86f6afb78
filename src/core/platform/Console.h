#pragma once

// The command line and the console as the program sees them: UTF-8 text on every system.

#include <string>
#include <vector>

namespace vantrel::platform {

// The program's arguments after its own name, as UTF-8 (on Windows read from the wide command
// line, which holds names outside the ANSI code page that argv has lost).
std::vector<std::string> programArguments(int argc, char** argv);

// Standard output and error take the program's bytes unchanged: UTF-8 in a Windows console, and
// no LF turned into CR LF on the way to a file or a pipe, so both systems print the same bytes.
void useUtf8Output();

} // namespace vantrel::platform
