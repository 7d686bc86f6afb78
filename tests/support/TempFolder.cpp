#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vantrel::test {

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vantrel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempFolder::operator/(const std::string& relative) const { return path_ + "/" + relative; }

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const {
    const fs::path p = fs::path(path_) / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.string();
}

std::string TempFolder::makeFolder(const std::string& relative) const {
    const fs::path p = fs::path(path_) / relative;
    fs::create_directories(p);
    return p.string();
}

std::string TempFolder::read(const std::string& relative) const {
    std::ifstream in(fs::path(path_) / relative, std::ios::binary);
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
