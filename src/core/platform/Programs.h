#pragma once

// Other programs: the ones the menus start, and running a program to its end.

#include <string>
#include <vector>

namespace vantrel::platform {

// The calculators the Tools menu tries, in order of preference.
std::vector<std::string> calculatorPrograms();

// The folder of the running program's executable (no trailing separator), or an empty text
// when the system does not say.
std::string programFolder();

// Runs a program with these arguments, passed as they are (no shell reads them), and waits for
// it. Its standard output and error go to the files named, replaced; an empty name sends them
// nowhere. Its standard input is empty. The exit status, or -1 when it could not be started or
// did not end by itself.
int runProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& outputFile, const std::string& errorFile);

#ifdef _WIN32
// Starts a program with these arguments, passed as they are, and does not wait for it; with
// `minimized`, its window opens minimized and active. False when it could not be started.
// (The Qt desktop starts programs through Qt on every system.)
bool startProgram(const std::string& program, const std::vector<std::string>& arguments, bool minimized);
#endif

} // namespace vantrel::platform
