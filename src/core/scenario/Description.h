#pragma once

// The description blocks of a scenario file or a folder's "description.txt". The simulator takes
// the first "BEGIN_DESC" that opens a line anywhere in the file, up to "END_DESC"; today's files
// often describe themselves instead in HTML (a HYPERDESC block) or name a page of the help
// (a URLDESC block), and may carry a DESC block after that.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel {

// The first and last line index of the file's description block: the first line that starts
// with "BEGIN_DESC" in its first column (any letter case, nothing but blanks after it), up to
// the next line that reads "END_DESC" once trimmed (any letter case). A block without its end
// line runs to the last line. Nothing when no line opens a block; an indented "BEGIN_DESC" does
// not open one.
std::optional<std::pair<size_t, size_t>> descriptionBlockLines(const std::vector<std::string_view>& lines);

// The last line index of the file's first HYPERDESC or URLDESC block (whichever comes first),
// found as descriptionBlockLines finds the DESC block. Nothing when the file has neither.
std::optional<size_t> htmlBlockEnd(const std::vector<std::string_view>& lines);

// The description text of a file's bytes: the lines inside the description block, each
// followed by CR LF, kept exactly as read. Empty when the file has no DESC block.
std::string descriptionOf(std::string_view bytes);

// What a file says of itself besides its DESC block.
struct HtmlDescription {
    enum class Kind { None, Hyper, Url };
    Kind kind = Kind::None;
    // HYPERDESC: the text with its tags removed and its entities decoded, lines parted by CR LF,
    // without the blank lines around it. URLDESC: the help page named, trimmed.
    std::string text;
};
// The file's first HYPERDESC or URLDESC block read as above; Kind::None when it has neither.
HtmlDescription htmlDescriptionOf(std::string_view bytes);
// HTML as plain text: tags (also across lines) removed, character entities (&amp; &#233;
// &#xE9; ...) decoded, numeric ones as UTF-8. An unknown entity stays as written.
std::string plainTextOfHtml(std::string_view html);

// The description block as written into a file: "BEGIN_DESC", the text with its line breaks
// made CR LF, a line break unless the text already ends with one, "END_DESC" and CR LF. An
// empty text gives one empty line between the markers (read back as CR LF). Reading the block
// back gives the text unchanged when it ends with a line break.
std::string descriptionBlock(const std::string& text);

// The file's bytes with its description text replaced, every other byte kept. The DESC block
// keeps its marker lines as written and the line end of each; only the lines between them
// change, taking the line end of the BEGIN_DESC line. A file without a DESC block gets one
// just after its HTML block, or at its start when it has none, with the file's most common
// line end (CR LF on a tie). The text's own line breaks may be CR LF, LF or CR.
std::string withDescription(std::string_view bytes, std::string_view text);

} // namespace vantrel
