#include "core/platform/Settings.h"

#include "core/platform/FileSystem.h"
#include "core/platform/NativePath.h"

#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <cstdio>
#include <windows.h>
#endif

namespace vantrel::platform {

namespace {
const char* const SettingsFileName = "vantrel.cfg";

// Opening for appending writes nothing, and fails as a rewrite would: a read-only file, a
// read-only medium, a file another program holds locked.
bool writable(const std::string& file) {
    std::FILE* f = openFile(file, "ab");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}
} // namespace

std::string userSettingsFolder() {
#ifdef _WIN32
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !*appData)
        return {};
    return pathText(std::filesystem::path(appData) / L"Vantrel");
#else
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::string(config) + "/vantrel";
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.config/vantrel";
#endif
}

SettingsPlace settingsPlace(const std::string& programFolder, const std::string& userFolder) {
    const std::string portable = withTrailingSeparator(programFolder) + SettingsFileName;
    const bool portableCopy = fileExists(portable);
    if (portableCopy && writable(portable))
        return {programFolder, {}};
    if (userFolder.empty())
        return {programFolder, {}};
    std::error_code ec;
    std::filesystem::create_directories(nativePath(userFolder), ec);
    SettingsPlace place{userFolder, {}};
    if (portableCopy)
        place.note = "The settings file \"" + portable + "\" cannot be written; the settings are kept in \"" +
                     withTrailingSeparator(userFolder) + SettingsFileName + "\".";
    return place;
}

} // namespace vantrel::platform
