#include "core/platform/TextFile.h"

#include "core/platform/GccWarnings.h"
#include "core/platform/NativePath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vantrel::platform {

namespace {

// Reads the rest of a file onto bytes; false when reading stopped at an error.
bool readAll(std::FILE* f, std::string& bytes) {
    char chunk[65536];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    return !std::ferror(f);
}

} // namespace

std::optional<std::string> readFile(const std::string& path) {
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(nativePath(path), ec))
        return std::nullopt;
    std::FILE* f = openFile(path, "rb");
    if (!f)
        return std::nullopt;
    std::string bytes;
    // Straight into a buffer of the size the system reports; whatever the file grew by since
    // comes after it.
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        std::rewind(f);
        if (size > 0) {
            bytes.resize(static_cast<size_t>(size));
            bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
        }
    }
    const bool complete = readAll(f, bytes);
    std::fclose(f);
    if (!complete)
        return std::nullopt;
    return bytes;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text, start, i - start);
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.emplace_back(text, start, n - start);
    return lines;
}

std::string_view nextLine(std::string_view text, size_t& start) {
    // The same rules as splitLines, found with memchr: a huge scenario is mostly line text.
    const char* data = text.data();
    const size_t n = text.size();
    const void* lf = std::memchr(data + start, '\n', n - start);
    const size_t end = lf ? static_cast<size_t>(static_cast<const char*>(lf) - data) : n;
    const size_t from = start;
    if (const void* cr = std::memchr(data + start, '\r', end - start)) {
        const size_t at = static_cast<size_t>(static_cast<const char*>(cr) - data);
        start = at + 1 < n && data[at + 1] == '\n' ? at + 2 : at + 1;
        return text.substr(from, at - from);
    }
    start = end + 1;
    return text.substr(from, end - from);
}

std::vector<std::string_view> lineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    // Room for lines of four characters on average, rather than a pass that counts them: a
    // scenario's lines are longer, and room never written to costs no memory.
    lines.reserve(text.size() / 4 + 1);
    for (size_t start = 0; start < text.size();)
        lines.push_back(nextLine(text, start));
    return lines;
}

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    auto bytes = readFile(path);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

std::vector<std::string> commaFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t i = 0;
    const size_t n = line.size();
    while (true) {
        while (i < n && line[i] == ' ')
            ++i;
        std::string field;
        if (i < n && line[i] == '"') {
            const size_t close = line.find('"', i + 1);
            if (close == std::string::npos) {
                field = line.substr(i + 1);
                i = n;
            } else {
                field = line.substr(i + 1, close - i - 1);
                i = close + 1;
                // What follows the closing quote up to the comma is not part of the field.
                while (i < n && line[i] != ',')
                    ++i;
            }
        } else {
            const size_t comma = line.find(',', i);
            const size_t end = comma == std::string::npos ? n : comma;
            field = line.substr(i, end - i);
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= n)
            break;
        ++i; // the comma
    }
    return fields;
}

std::optional<std::vector<std::string>> readFields(const std::string& path) {
    auto lines = readLines(path);
    if (!lines)
        return std::nullopt;
    std::vector<std::string> fields;
    fields.reserve(lines->size());
    for (const auto& line : *lines)
        for (auto& f : commaFields(line))
            fields.push_back(std::move(f));
    return fields;
}

namespace {

// Why an existing file may not be replaced, or an empty text.
#ifdef _WIN32
std::string replacingRefused(const std::filesystem::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    return readOnly ? std::strerror(EACCES) : std::string();
}

bool flushToDisk(std::FILE* f) { return std::fflush(f) == 0 && ::_commit(::_fileno(f)) == 0; }

// MoveFileExW replaces the target in one step, or leaves it as it was when it fails.
std::string replaceWith(const std::filesystem::path& temp, const std::filesystem::path& target) {
    if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return std::error_code(static_cast<int>(GetLastError()), std::system_category()).message();
}
#else
std::string replacingRefused(const std::filesystem::path& file) {
    return ::access(file.c_str(), W_OK) != 0 ? std::strerror(errno) : std::string();
}

bool flushToDisk(std::FILE* f) { return std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0; }

std::string replaceWith(const std::filesystem::path& temp, const std::filesystem::path& target) {
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    return ec ? ec.message() : std::string();
}
#endif

} // namespace

std::string writeFileAtomically(const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // A link is written through: the file it points at gets the new content and the link stays.
    fs::path target = nativePath(path);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec)
            return ec.message();
        target = resolved;
    }
    if (fs::is_directory(target, ec))
        return "it is a folder";
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        return "the folder " + pathText(folder) + " does not exist";
    // A read-only file stays read-only: replacing it by a rename would bypass that.
    if (fs::exists(target, ec)) {
        if (std::string refused = replacingRefused(target); !refused.empty())
            return refused;
    }

    std::random_device rd;
    VANTREL_STRING_COPY_WARNING_OFF
    const std::string temp = pathText(
        folder / nativePath("." + pathText(target.filename()) + "." + std::to_string(rd()) + ".tmp"));
    VANTREL_STRING_COPY_WARNING_ON
    std::FILE* f = openFile(temp, "wb");
    if (!f)
        return std::strerror(errno);
    const size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), f);
    const int writeError = written == bytes.size() ? 0 : errno;
    // On the disk before the rename, so that a crash leaves the old file or the whole new one.
    const bool flushed = flushToDisk(f);
    const int flushError = flushed ? 0 : errno;
    const bool closed = std::fclose(f) == 0;
    if (written != bytes.size() || !flushed || !closed) {
        const int err = writeError ? writeError : (flushError ? flushError : errno);
        fs::remove(nativePath(temp), ec);
        return err ? std::strerror(err) : "the file could not be written completely";
    }
    // The replaced file keeps who may read and write it.
    const fs::file_status before = fs::status(target, ec);
    if (!ec && fs::exists(before))
        fs::permissions(nativePath(temp), before.permissions(), ec);
    const std::string failure = replaceWith(nativePath(temp), target);
    if (!failure.empty()) {
        std::error_code ignored;
        fs::remove(nativePath(temp), ignored);
        return failure;
    }
    return {};
}

} // namespace vantrel::platform
