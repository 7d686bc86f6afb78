#pragma once

// The description of a scenario file or a folder's "description.txt", read from the file.

#include "core/scenario/Description.h"

#include <optional>
#include <string>

namespace vantrel {

// The description text of a file: the lines of its first DESC block (descriptionOf), each
// followed by CR LF, kept exactly as read. A file without one, or one that cannot be read, gives
// an empty description.
std::string GetDescription(const std::string& path);

// The same, but nothing when the file is missing or cannot be read.
std::optional<std::string> readDescription(const std::string& path);

// What a window that only previews a file shows of it: its DESC text when it has one, else the
// text of its HYPERDESC, else "Description in the help page <name>" for a URLDESC; empty when
// it has none of them or cannot be read.
std::string descriptionPreview(const std::string& path);

// The line the first tab shows for a file's URLDESC block.
std::string helpPageText(const std::string& page);


} // namespace vantrel
