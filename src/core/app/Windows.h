#pragma once

// The windows the main window opens. They are made once with the main window and live as
// long as it does; loading and unloading them runs their handlers.

#include <memory>
#include <vector>

namespace vantrel {

namespace ui {
class Window;
}

class Vantrel;
class LoadFile;
class SaveAs;
class DeleteFile;
class FolderManagement;
class OrbiterFolderSearch;
class PlanetarySystemInformation;
class CoordinateConverter;
class ErrorLog;
class About;

class Windows {
public:
    explicit Windows(Vantrel& main);
    ~Windows();

    LoadFile& loadFile() { return *loadFile_; }
    SaveAs& saveAs() { return *saveAs_; }
    DeleteFile& deleteFile() { return *deleteFile_; }
    FolderManagement& folderManagement() { return *folderManagement_; }
    OrbiterFolderSearch& orbiterFolderSearch() { return *orbiterFolderSearch_; }
    PlanetarySystemInformation& planetarySystemInformation() { return *planetarySystemInformation_; }
    CoordinateConverter& coordinateConverter() { return *coordinateConverter_; }
    ErrorLog& errorLog() { return *errorLog_; }
    About& about() { return *about_; }
    // Every one of them, in the order of the accessors above.
    std::vector<ui::Window*> all();

private:
    std::unique_ptr<LoadFile> loadFile_;
    std::unique_ptr<SaveAs> saveAs_;
    std::unique_ptr<DeleteFile> deleteFile_;
    std::unique_ptr<FolderManagement> folderManagement_;
    std::unique_ptr<OrbiterFolderSearch> orbiterFolderSearch_;
    std::unique_ptr<PlanetarySystemInformation> planetarySystemInformation_;
    std::unique_ptr<CoordinateConverter> coordinateConverter_;
    std::unique_ptr<ErrorLog> errorLog_;
    std::unique_ptr<About> about_;
};

} // namespace vantrel
