#include "core/app/Windows.h"

#include "core/app/Vantrel.h"
#include "core/tools/OrbiterFolderSearch.h"
#include "core/files/DeleteFile.h"
#include "core/files/FolderManagement.h"
#include "core/files/LoadFile.h"
#include "core/files/SaveAs.h"
#include "core/tools/About.h"
#include "core/tools/CoordinateConverter.h"
#include "core/tools/ErrorLog.h"
#include "core/tools/PlanetarySystemInformation.h"

namespace vantrel {

Windows::Windows(Vantrel& main)
    : loadFile_(std::make_unique<LoadFile>(main)), saveAs_(std::make_unique<SaveAs>(main)),
      deleteFile_(std::make_unique<DeleteFile>(main)), folderManagement_(std::make_unique<FolderManagement>(main)),
      orbiterFolderSearch_(std::make_unique<OrbiterFolderSearch>(main)),
      planetarySystemInformation_(std::make_unique<PlanetarySystemInformation>(main)),
      coordinateConverter_(std::make_unique<CoordinateConverter>(main)),
      errorLog_(std::make_unique<ErrorLog>(main)), about_(std::make_unique<About>(main)) {}

Windows::~Windows() = default;

std::vector<ui::Window*> Windows::all() {
    return {loadFile_.get(),           saveAs_.get(),         deleteFile_.get(),
            folderManagement_.get(),   orbiterFolderSearch_.get(), planetarySystemInformation_.get(),
            coordinateConverter_.get(), errorLog_.get(),       about_.get()};
}

} // namespace vantrel
