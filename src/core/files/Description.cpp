#include "core/files/Description.h"

#include "core/text/TextHelpers.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

namespace vantrel {

std::optional<std::string> readDescription(const std::string& path) {
    const std::optional<std::string> bytes = platform::readFile(platform::resolveIgnoringCase(path));
    if (!bytes)
        return std::nullopt;
    return descriptionOf(*bytes);
}

std::string GetDescription(const std::string& path) { return readDescription(path).value_or(std::string()); }

} // namespace vantrel
