#pragma once

// The description block that begins a scenario file or a folder's "description.txt":
// "BEGIN_DESC" on the first line, the text, "END_DESC".

#include <string>
#include <string_view>

namespace vantrel {

// The description text of a file's bytes: the lines between "BEGIN_DESC" and "END_DESC"
// (markers compared trimmed and ignoring letter case), each followed by CR LF, kept exactly as
// read. A file whose first line is not "BEGIN_DESC" has an empty description; a block without
// its end line gives what stands up to the end of the file.
std::string descriptionOf(std::string_view bytes);

// The description block as written into a file: "BEGIN_DESC", the text with its line breaks
// made CR LF, a line break unless the text already ends with one, "END_DESC" and CR LF. An
// empty text gives one empty line between the markers. Reading the block back gives the text
// unchanged when it is empty or ends with a line break.
std::string descriptionBlock(const std::string& text);

} // namespace vantrel
