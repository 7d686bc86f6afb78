#pragma once

// Reading the configuration folder: each file read once per scan, the fields of the body files
// kept between lookups, and the key scan that finds the files carrying one key and collects the
// values of another.

#include "core/catalogue/Catalogue.h"
#include "core/platform/FileSystem.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// The lines of configuration files, each file read once while the cache lives. A file not
// found under its exact name is found again ignoring letter case.
class LineCache {
public:
    // A cache that lives longer than one scan checks, once per scan, each file's time and size
    // before it answers from memory; one scan's cache reads each file once and asks nothing more.
    enum class Check { None, TimeAndSize };
    explicit LineCache(Check check = Check::None) : check_(check) {}

    // Starts a scan: what a checked cache answers stays as it is until the next one.
    void beginScan() { ++scan_; }
    // Null when the file cannot be read.
    const std::vector<std::string>* lines(const std::string& path);

private:
    struct Cached {
        // Time and size when known, so that a later scan may trust the lines.
        std::optional<platform::FileStamp> stamp;
        unsigned long long scan = 0;
        std::optional<std::vector<std::string>> lines;
    };
    Check check_;
    unsigned long long scan_ = 0;
    std::map<std::string, Cached> files_;
};

// The fields of configuration files (as configFields gives them), each kept while its file keeps
// its time and size. The editors look up the body files on every validation.
class FieldCache {
public:
    // Null when the file cannot be read; a file that could not be read is tried again next time.
    const std::vector<std::string>* fields(const std::string& path);

private:
    struct CachedFields {
        std::optional<platform::FileStamp> stamp;
        std::vector<std::string> fields;
    };
    std::map<std::string, CachedFields> files_;
};

// What a key scan found: the files, once per line that carries the first key; the values of
// every line that starts with the second key, file by file; and for each entry of files the
// first value its file gave.
struct FoundData {
    std::vector<std::string> files;
    std::vector<std::string> values;
    std::vector<std::optional<std::string>> firstValues;

    struct FileValue {
        std::string file;
        std::optional<std::string> value;
    };
    // Each file once, in order, with the first value it gave.
    std::vector<FileValue> distinct() const;
};

// Scans the named files of folder (its path followed by the separator): a file is listed once
// for every trimmed line that starts with flag1 (case counts); a trimmed line that starts with
// flag2 gives its value, the line without the key, " = " (flag2's length + 3). A value line too
// short to cut ends that file's values and counts as a file that cannot be read. Unreadable
// files are added to unreadable, once per pass, and skipped.
FoundData findData(const std::string& folder, const std::vector<std::string>& names, const std::string& flag1,
                   const std::string& flag2, LineCache& cache, UnreadableFiles& unreadable);

} // namespace vantrel
