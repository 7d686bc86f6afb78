#pragma once

// A temporary folder for one test, removed with everything in it when the test ends, and
// helpers to write small installations and scenarios into it.

#include <string>

namespace vantrel::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, without a trailing separator.
    const std::string& path() const { return path_; }
    // path() + "/" + relative, every "/" in the native separator.
    std::string operator/(const std::string& relative) const;
    // Writes a file (creating its folders) with exactly these bytes; returns its full path.
    std::string write(const std::string& relative, const std::string& bytes) const;
    // Makes a folder (and its parents); returns its full path.
    std::string makeFolder(const std::string& relative) const;
    // The bytes of a file, empty when it cannot be read.
    std::string read(const std::string& relative) const;

private:
    std::string path_;
};

// Joins lines with CR LF after each, as the simulator's files are written.
std::string crlf(std::initializer_list<const char*> lines);

} // namespace vantrel::test
