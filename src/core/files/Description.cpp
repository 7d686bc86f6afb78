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

std::string helpPageText(const std::string& page) { return "Description in the help page " + page; }

std::string descriptionPreview(const std::string& path) {
    const std::optional<std::string> bytes = platform::readFile(platform::resolveIgnoringCase(path));
    if (!bytes)
        return {};
    if (const auto lines = platform::lineViews(*bytes); descriptionBlockLines(lines))
        return descriptionOf(*bytes);
    const HtmlDescription html = htmlDescriptionOf(*bytes);
    switch (html.kind) {
    case HtmlDescription::Kind::Hyper:
        return html.text;
    case HtmlDescription::Kind::Url:
        return helpPageText(html.text);
    case HtmlDescription::Kind::None:
        break;
    }
    return {};
}

} // namespace vantrel
