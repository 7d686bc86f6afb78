#pragma once

// Which of the simulator's two layouts a scenario file is written in. Early files give stations a
// section of their own and dock a ship by its STATUS line; today's files list every vessel in the
// ships' section and join them by DOCKINFO tokens. The two are read and edited each in its own way.

#include <string_view>

namespace vantrel {

enum class FileFormat { Early, Today };

// The first rule that applies decides: a file with a BEGIN_STATIONS section or a "STATUS Docked"
// line is early; one whose vessel blocks use ELEMENTS, DOCKINFO, PRPLEVEL, POS or ATTACHED is
// today's; any other file is today's when the installation has a Config/Vessels folder (today's
// simulator), early otherwise.
FileFormat fileFormatOf(std::string_view bytes, bool installationHasVesselsFolder);

// What the status line says of it.
std::string_view fileFormatName(FileFormat format);

} // namespace vantrel
