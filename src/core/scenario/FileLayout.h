#pragma once

// The sections of a scenario file as read, so that what the editor does not own is written back
// where it stood.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One section: the lines that are not blank between the previous section and this one
// (comments, which go with what follows them), its "BEGIN_" line and every line up to and
// including its end line.
struct SectionAsRead {
    // The marker after "BEGIN_", upper-cased, with single blanks: "DESC", "MFD LEFT", "EXTMFD".
    std::string key;
    std::vector<std::string> comments;
    std::vector<std::string> lines;
    // The line numbers (0-based) of its "BEGIN_" line and of its last line.
    size_t first = 0;
    size_t last = 0;
};

// A station's or ship's block as read: the line numbers of its head and of its END (of the last
// line of its section when it has none), and whether its row was one of those in use (a head
// the list did not take leaves the rows after it out).
struct BlockSpan {
    uint32_t head = 0;
    uint32_t end = 0;
    bool listed = true;
};

struct FileLayout {
    // False until a file has been read: the writer then writes every section in its own form.
    bool read = false;
    std::vector<SectionAsRead> sections;
    // Lines that are not blank after the last section.
    std::vector<std::string> after;
    // Every block of the first stations' and ships' sections that the reader made a row of.
    std::vector<BlockSpan> stationBlocks;
    std::vector<BlockSpan> shipBlocks;

    // The first section with this key, or null.
    const SectionAsRead* find(const std::string& key) const;
};

// Cuts a file's lines into sections. A section starts at an unindented line beginning with
// "BEGIN_" and runs to its "END_" line ("END_MFD" for "BEGIN_MFD Left"). A section with no such
// line before the next section (a plugin's, as "BEGIN_ExtMFD") runs to its first bare "END", or
// up to the next section when it has none.
//
// The first stations' and ships' sections are the editor's tables; with ExceptTables only their
// first and last lines are kept, since the writer writes them from the tables.
enum class SectionBodies { All, ExceptTables };
FileLayout scanLayout(const std::vector<std::string_view>& lines, SectionBodies bodies = SectionBodies::All);
FileLayout scanLayout(const std::vector<std::string>& lines);

} // namespace vantrel
