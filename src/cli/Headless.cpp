#include "cli/Headless.h"

#include "core/app/CatalogueLoader.h"

namespace vantrel::cli {

std::string oneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            line += " | ";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

Headless::Headless(const std::string& orbiterFolder) {
    Vantrel::Options options;
    options.orbiterFolder = orbiterFolder;
    main_ = std::make_unique<Vantrel>(scripted_.services(), options);
    main_->load();
}

bool Headless::startupFailed() const { return !main_->catalogueLoader().startupSucceeded(); }

std::string Headless::failureMessage() const { return startupFailed() ? CatalogueLoader::FolderNotLocatedMessage : std::string(); }

} // namespace vantrel::cli
