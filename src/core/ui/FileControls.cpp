#include "core/ui/FileControls.h"

#include "core/platform/FileSystem.h"

#include <algorithm>

namespace vantrel::ui {

namespace {
const std::string emptyText;
}

DriveList::DriveList(std::string name) : Control(std::move(name)) {
    drives_ = platform::driveRoots();
    if (const std::string home = platform::homeFolder(); !home.empty() && home != platform::separatorText())
        drives_.push_back(home);
    drive_ = drives_.front();
}

void DriveList::setDrive(std::string drive) {
    if (drive_ == drive)
        return;
    drive_ = std::move(drive);
    changed();
    if (onChange)
        onChange();
}

void DriveList::userSetDrive(std::string drive) { setDrive(std::move(drive)); }

std::string DriveList::driveOf(const std::string& path) const {
    std::string best = drives_.empty() ? std::string() : drives_.front();
    for (const auto& d : drives_)
        if (d.size() > best.size() && platform::isInside(path, d))
            best = d;
    return best;
}

FolderList::FolderList(std::string name) : Control(std::move(name)) {}

bool FolderList::setPath(const std::string& path) {
    if (!platform::folderExists(path))
        return false;
    std::string normal = platform::normalPath(path);
    if (normal == path_) {
        refresh();
        return true;
    }
    path_ = std::move(normal);
    subFolders_ = platform::listFolders(path_);
    changed();
    if (onChange)
        onChange();
    return true;
}

std::vector<FolderList::ShownFolder> FolderList::chain() const {
    std::vector<ShownFolder> chain;
    if (path_.empty())
        return chain;
    for (std::string p = path_;;) {
        chain.insert(chain.begin(), {p, {}});
        const std::string up = platform::parentFolder(p);
        if (up == p || up.empty())
            break;
        p = up;
    }
    for (size_t i = 0; i < chain.size(); ++i) {
        const auto cut = chain[i].path.find_last_of(platform::separatorText());
        chain[i].name = i == 0 || cut == std::string::npos ? chain[i].path : chain[i].path.substr(cut + 1);
    }
    return chain;
}

void FolderList::refresh() {
    subFolders_ = platform::listFolders(path_);
    changed();
}

void FolderList::userOpen(const std::string& path) { setPath(path); }

void FolderList::userClick() {
    if (onClick)
        onClick();
}

void FolderList::userKeyPress(int keyCode) {
    if (onKeyPress)
        onKeyPress(keyCode);
}

FileList::FileList(std::string name, std::string pattern) : Control(std::move(name)), pattern_(std::move(pattern)) {}

void FileList::setPath(std::string path) {
    path_ = std::move(path);
    listIndex_ = -1;
    refresh();
}

void FileList::setPattern(std::string pattern) {
    pattern_ = std::move(pattern);
    listIndex_ = -1;
    refresh();
}

void FileList::refresh() {
    const std::string selected = fileName();
    names_ = path_.empty() ? std::vector<std::string>() : platform::listFiles(path_, pattern_);
    listIndex_ = -1;
    if (!selected.empty()) {
        auto it = std::find(names_.begin(), names_.end(), selected);
        if (it != names_.end())
            listIndex_ = static_cast<int>(it - names_.begin());
    }
    changed();
}

const std::string& FileList::list(int index) const {
    if (index < 0 || index >= listCount())
        return emptyText;
    return names_[static_cast<size_t>(index)];
}

const std::string& FileList::fileName() const { return list(listIndex_); }

void FileList::setListIndex(int index) {
    if (index < 0 || index >= listCount()) {
        if (listIndex_ != -1) {
            listIndex_ = -1;
            changed();
        }
        return;
    }
    listIndex_ = index;
    changed();
    if (onClick)
        onClick();
}

void FileList::userSelect(int index) { setListIndex(index); }

void FileList::userDoubleClick(int index) {
    if (index != listIndex_)
        setListIndex(index);
    if (onDblClick)
        onDblClick();
}

void FileList::userKeyPress(int keyCode) {
    if (onKeyPress)
        onKeyPress(keyCode);
}

} // namespace vantrel::ui
