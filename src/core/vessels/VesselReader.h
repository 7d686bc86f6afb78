#pragma once

// Reads the vessel list of a today's scenario file as today's simulator reads it.

#include "core/vessels/Vessel.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::vessels {

// The vessels of the file's first BEGIN_SHIPS section (a line starting with it in column 0,
// in any case), in file order. Every line up to one that reads END_SHIPS is a vessel's head
// (`name[:class]`, split at the first colon), and its block runs to the first line that reads
// END; a comment after `;` and blanks or tabs around do not count. A block without END runs to
// the end of the file and ends the list.
//
// `bodyNames` are the bodies of the file's planetary system, the first star first; a STATUS
// body the system lacks (names are compared with their case) resolves to the first one, with a
// note. A file without the section gives an empty list with hasShipsSection false; no input
// makes it fail, and a line it cannot read leaves a note.
VesselList readVessels(std::string_view bytes, const std::vector<std::string>& bodyNames);

// A line as the simulator cleans it before reading it: cut at the first ";", then blanks and tabs
// stripped at both ends.
std::string_view cleanedLine(std::string_view line);

} // namespace vantrel::vessels
