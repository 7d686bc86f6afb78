#pragma once

// The forms of the program's windows, as the Qt desktop lays them out (vantrel --export-forms),
// built into the program.

#include "core/ui/FormDescription.h"

#include <string>

namespace vantrel::win32 {

// The form of a window, or nullptr when the program has none for it.
const ui::FormDescription* formOf(const std::string& windowName);

} // namespace vantrel::win32
