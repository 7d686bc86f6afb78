#include "cli/Headless.h"

#include "core/app/CatalogueLoader.h"

namespace vantrel::cli {

Headless::Headless(const std::string& orbiterFolder) {
    Vantrel::Options options;
    options.orbiterFolder = orbiterFolder;
    main_ = std::make_unique<Vantrel>(scripted_.services(), options);
    main_->load();
}

bool Headless::startupFailed() const { return !main_->catalogueLoader().startupSucceeded(); }

std::string Headless::failureMessage() const { return startupFailed() ? CatalogueLoader::FolderNotLocatedMessage : std::string(); }

} // namespace vantrel::cli
