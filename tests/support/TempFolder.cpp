#include "support/TempFolder.h"

#include "core/platform/FileSystem.h"
#include "core/platform/NativePath.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vantrel::test {

TempFolder::TempFolder() {
    path_ = platform::makeTemporaryFolder("vantrel-test");
    if (path_.empty())
        throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::permissions(platform::nativePath(path_), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(platform::nativePath(path_), ec);
}

std::string TempFolder::operator/(const std::string& relative) const {
    // In the separator the program's own paths use, so tests compare with them as they are.
    std::string path = path_ + "/" + relative;
    std::replace(path.begin(), path.end(), '/', platform::separator());
    return path;
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const {
    const fs::path p = platform::nativePath(*this / relative);
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return *this / relative;
}

std::string TempFolder::makeFolder(const std::string& relative) const {
    const fs::path p = platform::nativePath(*this / relative);
    fs::create_directories(p);
    return *this / relative;
}

std::string TempFolder::read(const std::string& relative) const {
    std::ifstream in(platform::nativePath(*this / relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string crlf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace vantrel::test
