#include "core/platform/NativePath.h"

namespace vantrel::platform {

#ifdef _WIN32

std::filesystem::path nativePath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::FILE* openFile(const std::string& path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(nativePath(path).c_str(), wideMode.c_str());
}

#else

std::filesystem::path nativePath(const std::string& path) { return std::filesystem::path(path); }

std::string pathText(const std::filesystem::path& path) { return path.string(); }

std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

#endif

} // namespace vantrel::platform
