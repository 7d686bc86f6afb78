#pragma once

// Where the settings file "vantrel.cfg" lives.

#include <string>

namespace vantrel::platform {

struct SettingsPlace {
    std::string folder; // no trailing separator
    // Empty, or what the person is told: a copy beside the program that cannot be rewritten.
    std::string note;
};

// The person's own settings folder: %APPDATA%\Vantrel on Windows, $XDG_CONFIG_HOME/vantrel
// (by default ~/.config/vantrel) elsewhere; an empty text when the system names no such place.
std::string userSettingsFolder();

// A "vantrel.cfg" beside the program makes a portable copy, whose settings stay with it: that
// folder is used while the file can be rewritten. Otherwise the person's own folder is used,
// made when missing; when the file beside the program is read-only, the note says so. Without
// a user folder the program's folder is all there is.
SettingsPlace settingsPlace(const std::string& programFolder, const std::string& userFolder);

} // namespace vantrel::platform
