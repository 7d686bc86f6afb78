#pragma once

// The program's paths are UTF-8 text; the system's are std::filesystem paths in its own encoding
// (UTF-16 on Windows, where the narrow conversions would use the ANSI code page and lose every
// name outside it). Every path handed to the system goes through these two.

#include <cstdio>
#include <filesystem>
#include <string>

namespace vantrel::platform {

std::filesystem::path nativePath(const std::string& path);
std::string pathText(const std::filesystem::path& path);

// std::fopen with a UTF-8 path (on Windows through _wfopen); mode as for fopen, "b" included.
std::FILE* openFile(const std::string& path, const char* mode);

} // namespace vantrel::platform
