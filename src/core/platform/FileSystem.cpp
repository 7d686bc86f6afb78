#include "core/platform/FileSystem.h"

#include "core/platform/NativePath.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

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
    // Windows takes both; its captions show its own.
    std::replace(path.begin(), path.end(), '/', separator());
    return path;
}

std::string withTrailingSeparator(std::string path) {
    if (path.empty() || (path.back() != separator() && path.back() != '/'))
        path.push_back(separator());
    return path;
}

std::string currentFolder() {
    std::error_code ec;
    auto p = fs::current_path(ec);
    return ec ? std::string() : pathText(p);
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(nativePath(path), ec);
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    if (path.empty())
        return std::nullopt;
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(nativePath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    const FILETIME& written = data.ftLastWriteTime;
    const unsigned long long ticks =
        (static_cast<unsigned long long>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    // Windows counts 100 ns ticks since 1601.
    return FileStamp{(static_cast<long long>(ticks) - 116444736000000000LL) * 100, size};
#else
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
                     static_cast<unsigned long long>(st.st_size)};
#endif
}

bool folderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(nativePath(path), ec);
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
    for (fs::directory_iterator it(nativePath(folder.empty() ? "." : folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            entries.folders.push_back(pathText(it->path().filename()));
        } else if (it->is_regular_file(typeError)) {
            std::string name = pathText(it->path().filename());
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
    for (fs::directory_iterator it(nativePath(folder.empty() ? "." : folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = pathText(it->path().filename());
        if (matchesPattern(name, pattern))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

std::vector<std::string> listFolders(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(nativePath(folder.empty() ? "." : folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(pathText(it->path().filename()));
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    std::optional<std::string> found;
    for (fs::directory_iterator it(nativePath(folder.empty() ? "." : folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string candidate = pathText(it->path().filename());
        if (equalIgnoringCase(candidate, name) && (!found || nameLess(candidate, *found)))
            found = std::move(candidate);
    }
    return found;
}

std::string resolveIgnoringCase(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::exists(nativePath(path), ec))
        return path;
    const fs::path p = nativePath(path);
    const std::string folder = p.has_parent_path() ? pathText(p.parent_path()) : std::string();
    auto found = findIgnoringCase(folder, pathText(p.filename()));
    if (!found)
        return path;
    return folder.empty() ? *found : pathText(nativePath(folder) / nativePath(*found));
}

std::string removeFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(nativePath(path), ec))
        return "the file does not exist";
    fs::remove(nativePath(path), ec);
    return ec ? ec.message() : std::string();
}

std::string makeFolder(const std::string& path) {
    std::error_code ec;
    if (fs::exists(nativePath(path), ec))
        return "a file or folder of that name already exists";
    fs::create_directory(nativePath(path), ec);
    return ec ? ec.message() : std::string();
}

std::string removeEmptyFolder(const std::string& path) {
    std::error_code ec;
    if (!fs::is_directory(nativePath(path), ec))
        return "the folder does not exist";
    if (!fs::is_empty(nativePath(path), ec))
        return "the folder is not empty";
    fs::remove(nativePath(path), ec);
    return ec ? ec.message() : std::string();
}

std::string normalPath(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::absolute(nativePath(path.empty() ? "." : path), ec);
    p = p.lexically_normal();
    std::string text = pathText(p);
    // The root keeps its separator: "C:" alone would be a drive's working folder.
    const size_t root = pathText(p.root_path()).size();
    while (text.size() > std::max<size_t>(root, 1) && text.back() == separator())
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
    const fs::path parent = nativePath(p).parent_path();
    return parent.empty() ? p : pathText(parent);
}

std::optional<std::vector<FolderEntry>> readFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::error_code ec;
    fs::directory_iterator it(nativePath(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        entries.push_back({pathText(it->path().filename()), it->is_regular_file(typeError)});
    }
    if (ec)
        return std::nullopt;
    return entries;
}

bool isAbsolute(const std::string& path) { return nativePath(path).is_absolute(); }

std::string realPath(const std::string& path) {
    std::error_code ec;
    const fs::path real = fs::canonical(nativePath(path), ec);
    return ec ? path : pathText(real);
}

std::vector<std::string> driveRoots() {
#ifdef _WIN32
    std::vector<std::string> roots;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (drives & (1u << i))
            roots.push_back(std::string(1, static_cast<char>('A' + i)) + ":\\");
    if (roots.empty())
        roots.push_back(separatorText());
    return roots;
#else
    return {separatorText()};
#endif
}

std::string homeFolder() {
#ifdef _WIN32
    const wchar_t* home = _wgetenv(L"USERPROFILE");
    return home && *home ? pathText(fs::path(home)) : std::string();
#else
    const char* home = std::getenv("HOME");
    return home ? std::string(home) : std::string();
#endif
}

std::string makeTemporaryFolder(const std::string& prefix) {
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (ec)
        return {};
    // create_directory says whether it was this call that made the folder.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = temp / nativePath(prefix + "-" + std::to_string(random()));
        if (fs::create_directory(candidate, ec))
            return pathText(candidate);
    }
    return {};
}

} // namespace vantrel::platform
