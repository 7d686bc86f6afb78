#pragma once

// The drive, folder and file lists of the file windows.

#include "core/ui/Control.h"
#include "core/ui/Controls.h"

#include <string>
#include <vector>

namespace vantrel::ui {

// The drives (file-system roots) a person can choose. Where there are no drive letters the
// list holds the root "/" and the home folder.
class DriveList : public Control {
public:
    ControlKind kind() const override { return ControlKind::DriveList; }
    explicit DriveList(std::string name);
    const std::vector<std::string>& drives() const { return drives_; }
    const std::string& drive() const { return drive_; }
    // Sets the drive; raises onChange when it differs.
    void setDrive(std::string drive);
    void userSetDrive(std::string drive);
    // The drive that holds a path (the longest drive that is a prefix of it).
    std::string driveOf(const std::string& path) const;
    Event onChange;

private:
    std::vector<std::string> drives_;
    std::string drive_;
};

// A folder list: a path and the sub-folders shown below it. Changing the path raises onChange
// only when the path differs; a click on an entry raises onClick.
class FolderList : public Control {
public:
    ControlKind kind() const override { return ControlKind::FolderList; }
    explicit FolderList(std::string name);
    const std::string& path() const { return path_; }
    // Sets the path (no trailing separator except at a root); false when the folder does not
    // exist, and the path then stays as it was.
    bool setPath(const std::string& path);
    // The sub-folders of the path, sorted; read again on every refresh.
    const std::vector<std::string>& subFolders() const { return subFolders_; }
    // The folders from the top down to the path, as a folder list shows them above the
    // sub-folders: the top one by its whole path, the others by their own names.
    struct ShownFolder {
        std::string path;
        std::string name;
        bool operator==(const ShownFolder&) const = default;
    };
    std::vector<ShownFolder> chain() const;
    void refresh();

    // A person opens a folder (double-click on a sub-folder or on a parent in the chain).
    void userOpen(const std::string& path);
    void userClick();
    void userKeyPress(int keyCode);
    Event onChange;
    Event onClick;
    KeyEvent onKeyPress;

private:
    std::string path_;
    std::vector<std::string> subFolders_;
};

// A file list: a folder, a pattern such as "*.scn", the matching names sorted by name, and the
// selected entry.
class FileList : public Control {
public:
    ControlKind kind() const override { return ControlKind::FileList; }
    explicit FileList(std::string name, std::string pattern = "*.*");
    const std::string& path() const { return path_; }
    void setPath(std::string path);
    const std::string& pattern() const { return pattern_; }
    void setPattern(std::string pattern);
    // Reads the folder again; the selection is kept when the same name is still there.
    void refresh();

    int listCount() const { return static_cast<int>(names_.size()); }
    const std::string& list(int index) const;
    const std::vector<std::string>& names() const { return names_; }
    int listIndex() const { return listIndex_; }
    // The selected name, empty with no selection.
    const std::string& fileName() const;
    // Selects an entry; raises onClick for an entry, nothing for -1.
    void setListIndex(int index);

    void userSelect(int index);
    void userDoubleClick(int index);
    void userKeyPress(int keyCode);
    Event onClick;
    Event onDblClick;
    KeyEvent onKeyPress;

private:
    std::string path_;
    std::string pattern_;
    std::vector<std::string> names_;
    int listIndex_ = -1;
};

} // namespace vantrel::ui
