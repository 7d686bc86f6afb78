#pragma once

// Writing a document read from a file: the file's bytes with only the lines that hold what
// changed edited in place (LineEdits). Nothing changed gives the bytes read.

#include "core/scenario/Scenario.h"

#include <string>

namespace vantrel {

// The document's bytes; it must hold the bytes it was read from (Scenario::source).
std::string editedScenario(const Scenario& scenario);

} // namespace vantrel
