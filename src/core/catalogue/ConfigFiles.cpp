#include "core/catalogue/ConfigFiles.h"

#include "core/text/TextHelpers.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <set>

namespace vantrel {

const std::vector<std::string>* LineCache::lines(const std::string& path) {
    auto it = files_.find(path);
    if (check_ == Check::None) {
        if (it == files_.end())
            it = files_.emplace(path, Cached{std::nullopt, 0, platform::readLines(platform::resolveIgnoringCase(path))}).first;
        return it->second.lines ? &*it->second.lines : nullptr;
    }
    // Within one scan a file is answered as first read, so that what was handed out stays valid.
    if (it != files_.end() && it->second.scan == scan_)
        return it->second.lines ? &*it->second.lines : nullptr;
    // A file found only by its letter case, or missing, has no time to trust: it is read again.
    const std::optional<platform::FileStamp> stamp = platform::fileStamp(path);
    if (stamp && it != files_.end() && it->second.lines && it->second.stamp == stamp) {
        it->second.scan = scan_;
        return &*it->second.lines;
    }
    Cached& entry = files_[path];
    entry = Cached{stamp, scan_, platform::readLines(platform::resolveIgnoringCase(path))};
    return entry.lines ? &*entry.lines : nullptr;
}

const std::vector<std::string>* FieldCache::fields(const std::string& path) {
    const std::optional<platform::FileStamp> stamp = platform::fileStamp(path);
    if (stamp) {
        const auto it = files_.find(path);
        if (it != files_.end() && it->second.stamp == stamp)
            return &it->second.fields;
    }
    auto fields = configFields(path);
    if (!fields) {
        files_.erase(path);
        return nullptr;
    }
    return &(files_[path] = CachedFields{stamp, std::move(*fields)}).fields;
}

std::vector<FoundData::FileValue> FoundData::distinct() const {
    std::vector<FileValue> result;
    std::set<std::string> seen;
    for (size_t i = 0; i < files.size(); ++i)
        if (seen.insert(files[i]).second)
            result.push_back(FileValue{files[i], i < firstValues.size() ? firstValues[i] : std::nullopt});
    return result;
}

FoundData findData(const std::string& folder, const std::vector<std::string>& names, const std::string& flag1,
                   const std::string& flag2, LineCache& cache, UnreadableFiles& unreadable) {
    FoundData found;
    const std::string key1 = trim(flag1);
    const std::string key2 = trim(flag2);

    for (const std::string& name : names) {
        const auto* lines = cache.lines(folder + name);
        if (!lines) {
            unreadable.push_back(folder + name);
            continue;
        }
        for (const std::string& line : *lines)
            if (startsWith(trim(line), key1))
                found.files.push_back(name);
    }

    for (const std::string& name : found.files) {
        std::optional<std::string> first;
        if (const auto* lines = cache.lines(folder + name)) {
            for (const std::string& line : *lines) {
                const std::string trimmed = trim(line);
                if (!startsWith(trimmed, key2))
                    continue;
                if (trimmed.size() < flag2.size() + 3) {
                    unreadable.push_back(folder + name);
                    break;
                }
                std::string value = dropLeft(trimmed, flag2.size() + 3);
                if (!first)
                    first = value;
                found.values.push_back(std::move(value));
            }
        } else {
            unreadable.push_back(folder + name);
        }
        found.firstValues.push_back(std::move(first));
    }
    return found;
}

} // namespace vantrel
