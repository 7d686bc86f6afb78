#pragma once

// Running the real vantrel-scn program (VANTREL_SCN, defined for the command-line tests) as a
// person runs it, on every system.

#include "support/TempFolder.h"

#include "core/platform/Programs.h"

#include <string>
#include <vector>

namespace vantrel::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs vantrel-scn with these arguments and waits for it; what it prints to standard output and
// error goes to files of the temporary folder and is read back. With outputFile, standard output
// goes there instead and out stays empty.
inline ToolRun runScn(const TempFolder& temp, const std::vector<std::string>& arguments,
                      const std::string& outputFile = {}) {
    ToolRun run;
    run.status = platform::runProgram(VANTREL_SCN, arguments, outputFile.empty() ? temp / "stdout.txt" : outputFile,
                                      temp / "stderr.txt");
    if (outputFile.empty())
        run.out = temp.read("stdout.txt");
    run.err = temp.read("stderr.txt");
    return run;
}

} // namespace vantrel::test
