#pragma once

#include <string>

namespace vantrel {

// Why a station or ship name would not read back from a scenario file as the same name, as the
// validation message (ending with the character 13), or an empty text when it would. A block
// head is cut at its first ":" into name and class and at ";" into text and comment, and a
// blank head is no vessel at all. `kind` is "station" or "ship".
std::string vesselNameErrors(const std::string& name, const std::string& kind);

} // namespace vantrel
