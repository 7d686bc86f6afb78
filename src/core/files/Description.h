#pragma once

// The description block that begins a scenario file or a folder's "description.txt":
// "BEGIN_DESC" on the first line, the text, "END_DESC".

#include "core/scenario/Description.h"

#include <optional>
#include <string>

namespace vantrel {

// The description text of a file: the lines between "BEGIN_DESC" and "END_DESC" (markers
// compared trimmed and ignoring letter case), each followed by CR LF, kept exactly as read. A
// file whose first line is not "BEGIN_DESC" has an empty description; a block without its end
// line gives what stands up to the end of the file. A file that cannot be read gives an empty
// description.
std::string GetDescription(const std::string& path);

// The same, but nothing when the file is missing or cannot be read.
std::optional<std::string> readDescription(const std::string& path);


} // namespace vantrel
