#pragma once

// What today's simulator will do wrong with a scenario file, said before it is launched: each
// finding names the line, how much it matters, a code, the vessel and what to do.

#include "core/vessels/Vessel.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::vessels {

struct Finding {
    size_t line = 0; // 1-based
    Severity severity = Severity::Note;
    std::string code;
    std::string vessel; // empty when the finding is about no vessel
    std::string text;
    // The file the line is in when it is not the scenario: a vessel's class file.
    std::string file;
    bool operator==(const Finding&) const = default;
};

// A vessel class as its file gives it.
struct VesselClassInfo {
    // The class defines its ports in the code of its Module: their number is unknown.
    bool module = false;
    // The ports of its dock list, blank lines included; nothing when unknown.
    std::optional<int> ports;
    // The class file, and the 1-based line of an END_DOCKLIST the simulator does not see for the
    // blanks before it (0 for none).
    std::string file;
    size_t indentedDockListEnd = 0;
};

// What the check needs to know of the installation.
struct CheckInstallation {
    // The configuration folder has a Vessels folder: the simulator is today's.
    bool vesselsFolder = true;
    // The planetary system named by the file, when there is such a system file.
    std::function<bool(const std::string& system)> systemExists;
    // The system's bodies, the first star first, with their mean radius when known.
    std::function<std::vector<std::string>(const std::string& system)> bodyNames;
    std::function<std::optional<double>(const std::string& body)> bodyRadius;
    // A class by the name the head gives it, as the simulator splits the head; nothing when no
    // class file has that name (letter case ignored, as on Windows).
    std::function<std::optional<VesselClassInfo>(const std::string& className)> vesselClass;
    // The pads of a base of a body, by the base's Name (case counts); nothing for no such base.
    std::function<std::optional<long long>(const std::string& body, const std::string& base)> basePads;
    // Whether a body or base of the system has that name, letter case ignored (camera targets).
    std::function<bool(const std::string& name)> bodyOrBaseNamed;
};

std::string severityName(Severity severity);

// A class file of the configuration folder ("Vessels/<class>.cfg", else "<class>.cfg", letter
// case ignored): whether it names a Module, and the ports of its dock list (a BEGIN_DOCKLIST in
// column 0, then every line up to one beginning with END_DOCKLIST, blank ones included). A class
// built on a BaseClass has ports this file does not count: their number is unknown. Nothing when
// there is no such file.
std::optional<VesselClassInfo> readVesselClass(const std::string& configFolder, const std::string& className);

// The findings for one scenario file's bytes, in line order. `fileName` is the file's name as
// given (its extension matters to the simulator's scenario list).
std::vector<Finding> simulatorFindings(std::string_view bytes, const std::string& fileName,
                                       const CheckInstallation& installation);

// The safe fixes of a file's findings, made on its bytes so that only the fixed lines change:
//   - a blank line in the vessel list goes, and a comment there moves into the nearest block
//     (just after the next head, or before the previous END);
//   - a STATUS body right but for its letter case takes the body's name, when exactly one body
//     matches;
//   - a link only one side lists gets the other side's token, when that port of the partner is
//     free and its class counts it.
struct Fixed {
    std::string bytes;
    std::vector<Finding> changes; // what was fixed, one per change, at the line of the file read
};
Fixed fixedScenario(std::string_view bytes, const std::string& fileName, const CheckInstallation& installation);

} // namespace vantrel::vessels
