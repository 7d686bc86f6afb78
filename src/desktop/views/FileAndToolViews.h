#pragma once

// The views of the scenario-file windows (load, save as, delete, folder management) and of the
// Tools and About windows, and the help document the program ships.

#include <string>

namespace vantrel::desktop {

// Registers the views of those windows in the ViewRegistry.
void registerFileAndToolViews();

// Writes the bundled help document to the program's data folder (once per version of the
// text) and returns its path, or an empty text when it cannot be written.
std::string helpDocumentPath();

} // namespace vantrel::desktop
