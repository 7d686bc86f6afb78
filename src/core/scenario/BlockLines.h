#pragma once

// The editor's lines of a station's or ship's block: what it writes for a row's values, in the
// order it writes them. The writer of a new file writes them whole; a save of a file read
// compares them with those of the values as read and edits only the lines that differ.

#include "core/scenario/Scenario.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The lines of one block. The slots are reused from block to block, so that writing a huge
// scenario does not allocate a text per line.
class OwnedLines {
public:
    void clear() { count_ = 0; }
    void put(Keyword keyword, std::initializer_list<std::string_view> pieces);
    size_t size() const { return count_; }
    BlockLine operator[](size_t k) const { return lines_[k].keyword.withText(lines_[k].text); }
    // The index of the line of that keyword, or -1.
    int find(const BlockLine& keyword) const;

private:
    struct Owned {
        BlockLine keyword; // the keyword alone
        std::string text;
    };
    std::vector<Owned> lines_;
    size_t count_ = 0;
};

// A line's keyword or marker: its first word, upper-cased, without comment.
std::string keyOf(std::string_view line);

// The simulator lets a later line win over an earlier one: a line the block lacked goes after
// the line it competes with ("PRPLEVEL" for "FUEL"), or nothing.
const char* competing(std::string_view keyword);

// The editor's lines for a station's and a ship's values, each indented by two blanks. A ship
// the file gave gets a line its block lacked only when the value changed.
void stationOwnedLines(const StationRow& station, OwnedLines& owned);
void shipOwnedLines(const ShipRow& ship, OwnedLines& owned);

// Reads the value of one of a station's keyword lines ("REF", "EL_MJD", "ELEMENTS",
// "ZROT_FREQUENCY", "AROT") into the row. False, leaving the row's epoch as it was, for an
// EL_MJD out of the calendar's range.
bool readStationLine(StationRow& station, std::string_view keyword, std::string_view value);

// A block as the writer of a new file writes it: its head, its lines and END (or the lines a read
// could not take), each line ending with CR LF.
std::string newStationBlock(const StationRow& station);
std::string newShipBlock(const ShipRow& ship);

} // namespace vantrel
