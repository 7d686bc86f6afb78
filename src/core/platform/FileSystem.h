#pragma once

// Folders, paths and files as the program sees them. Paths are plain text; the separator is
// the native one, and a "\" written by the simulator's Windows tools is read as a separator.

#include <optional>
#include <string>
#include <vector>

namespace vantrel::platform {

// The native folder separator.
char separator();
std::string separatorText();

// Replaces every "\" with the native separator.
std::string nativeSeparators(std::string path);

// The path followed by the separator, unless it already ends with one.
std::string withTrailingSeparator(std::string path);

// The process's working folder at this moment (no trailing separator).
std::string currentFolder();

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

// A file's last change and size, asked of the system in one call: caches compare them to tell
// whether a file they hold changed. Nothing when the path is not a file that can be asked.
struct FileStamp {
    long long changed = 0; // nanoseconds since the epoch
    unsigned long long size = 0;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> fileStamp(const std::string& path);

// Ignoring letter case, does a name match a pattern with "*" and "?" wildcards?
bool matchesPattern(const std::string& name, const std::string& pattern);

// Compares two names ignoring letter case (ASCII), then exactly: the order of file lists.
bool nameLess(const std::string& a, const std::string& b);

// The names of the files of a folder that match a pattern such as "*.cfg" (ignoring letter
// case), sorted ignoring letter case. An unreadable or missing folder gives no name.
std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern);

// The names of the sub-folders of a folder, sorted ignoring letter case.
std::vector<std::string> listFolders(const std::string& folder);

// Both at once, from one walk of the folder: its files matching a pattern and its sub-folders.
struct FolderEntries {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};
FolderEntries listEntries(const std::string& folder, const std::string& pattern);

// A file named by the data: the path itself when it exists, otherwise the first file of the
// same folder whose name equals it ignoring letter case (installations copied from Windows),
// otherwise the path unchanged.
std::string resolveIgnoringCase(const std::string& path);

// The name of a file in a folder that equals name ignoring letter case, if any.
std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name);

// Returns an empty text on success, otherwise the reason.
std::string removeFile(const std::string& path);
std::string makeFolder(const std::string& path);
std::string removeEmptyFolder(const std::string& path);

// The path made absolute and normal (".", ".." and doubled separators resolved), without
// a trailing separator except for the root.
std::string normalPath(const std::string& path);

// Is path the folder root or inside it? Both are normalised first.
bool isInside(const std::string& path, const std::string& root);

// The parent folder of a path (no trailing separator), or the path itself at the root.
std::string parentFolder(const std::string& path);

// Every entry of a folder, in the system's order, and whether it is a plain file (a link to one
// counts); nothing when the folder cannot be read to its end.
struct FolderEntry {
    std::string name;
    bool regularFile = false;
};
std::optional<std::vector<FolderEntry>> readFolder(const std::string& folder);

// Does the path name its place without the working folder (on Windows, with its drive)?
bool isAbsolute(const std::string& path);

// The path with every link and "." or ".." resolved; the path unchanged when it does not exist.
std::string realPath(const std::string& path);

// The file-system roots a person can choose from: "/" here, the drives on Windows.
std::vector<std::string> driveRoots();

// The person's home folder, or an empty text when the system names none.
std::string homeFolder();

// A new, empty folder of its own in the system's temporary folder, its name starting with
// prefix; an empty text when none could be made.
std::string makeTemporaryFolder(const std::string& prefix);

} // namespace vantrel::platform
