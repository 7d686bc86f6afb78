#pragma once

// Reading and writing text files as bytes, with the classic line and comma-field rules.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::platform {

// The whole content of a file; nullopt when it cannot be opened or read.
std::optional<std::string> readFile(const std::string& path);

// Splits text into lines: a line ends at CR LF, LF or CR. A last line without an end is a
// line; an empty text has no line.
std::vector<std::string> splitLines(const std::string& text);
// The same lines as views into the text, which must outlive them.
std::vector<std::string_view> lineViews(std::string_view text);
// The line that starts at `start` (a view into the text) and moves `start` past its end; the
// same lines as lineViews, one at a time. Call it while start < text.size().
std::string_view nextLine(std::string_view text, size_t& start);

// The lines of a file; nullopt when it cannot be opened or read.
std::optional<std::vector<std::string>> readLines(const std::string& path);

// Splits one line into comma-separated fields: leading blanks of a field are skipped, a field
// in double quotes loses them (a comma inside the quotes stays). A line without commas is one
// field; an empty line is one empty field.
std::vector<std::string> commaFields(const std::string& line);

// The fields of every line of a file, in order; nullopt when it cannot be opened or read.
std::optional<std::vector<std::string>> readFields(const std::string& path);

// Writes bytes to a file through a temporary file in the same folder, renamed over the target
// only when complete. Returns an empty text on success, otherwise the reason it failed; the
// target is then left as it was.
std::string writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace vantrel::platform
