#include "core/platform/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace vantrel::platform {

namespace {
char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lower(x) == lower(y);
           });
}

bool wildcardMatch(const char* name, const char* pattern) {
    // Iterative matching with back-tracking on the last "*".
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pattern == '?' || (*pattern != '*' && lower(*pattern) == lower(*name))) {
            ++name;
            ++pattern;
        } else if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}
} // namespace

char separator() { return static_cast<char>(fs::path::preferred_separator); }

std::string separatorText() { return std::string(1, separator()); }

std::string nativeSeparators(std::string path) {
    std::replace(path.begin(), path.end(), '\\', separator());
    return path;
}

std::string withTrailingSeparator(std::string path) {
    if (path.empty() || path.back() != separator())
        path.push_back(separator());
    return path;
}

std::string currentFolder() {
    std::error_code ec;
    auto p = fs::current_path(ec);
    return ec ? std::string() : p.string();
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
                     static_cast<unsigned long long>(st.st_size)};
}

bool folderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool matchesPattern(const std::string& name, const std::string& pattern) {
    return wildcardMatch(name.c_str(), pattern.c_str());
}

bool nameLess(const std::string& a, const std::string& b) {
    // One pass: the first difference ignoring case decides, then the length, then the exact text.
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char x = lower(a[i]);
        const char y = lower(b[i]);
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

FolderEntries listEntries(const std::string& folder, const std::string& pattern) {
    FolderEntries entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            entries.folders.push_back(it->path().filename().string());
        } else if (it->is_regular_file(typeError)) {
            std::string name = it->path().filename().string();
            if (matchesPattern(name, pattern))
                entries.files.push_back(std::move(name));
        }
    }
    std::sort(entries.files.begin(), entries.files.end(), nameLess);
    std::sort(entries.folders.begin(), entries.folders.end(), nameLess);
    return entries;
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (matchesPattern(name, pattern))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

std::vector<std::string> listFolders(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    std::optional<std::string> found;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (equalIgnoringCase(candidate, name) && (!found || nameLess(candidate, *found)))
            found = std::move(candidate);
    }
    return found;
}

std::string resolveIgnoringCase(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec))
        return path;
    const fs::path p(path);
    const std::string folder = p.has_parent_path() ? p.parent_path().string() : std::string();
    auto found = findIgnoringCase(folder, p.filename().string());
    if (!found)
        return path;
    return folder.empty() ? *found : (fs::path(folder) / *found).string();
}

std::string removeFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return "the file does not exist";
    fs::remove(path, ec);
    return ec ? ec.message() : std::string();
}

std::string makeFolder(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec))
        return "a file or folder of that name already exists";
    fs::create_directory(path, ec);
    return ec ? ec.message() : std::string();
}

std::string removeEmptyFolder(const std::string& path) {
    std::error_code ec;
    if (!fs::is_directory(path, ec))
        return "the folder does not exist";
    if (!fs::is_empty(path, ec))
        return "the folder is not empty";
    fs::remove(path, ec);
    return ec ? ec.message() : std::string();
}

std::string normalPath(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(path.empty() ? "." : path), ec);
    p = p.lexically_normal();
    std::string text = p.string();
    while (text.size() > 1 && text.back() == separator())
        text.pop_back();
    return text;
}

bool isInside(const std::string& path, const std::string& root) {
    const std::string p = normalPath(path);
    const std::string r = normalPath(root);
    if (p == r)
        return true;
    const std::string prefix = withTrailingSeparator(r);
    return p.size() > prefix.size() && p.compare(0, prefix.size(), prefix) == 0;
}

std::string parentFolder(const std::string& path) {
    const std::string p = normalPath(path);
    const fs::path parent = fs::path(p).parent_path();
    return parent.empty() ? p : parent.string();
}

} // namespace vantrel::platform
