#include "core/files/Description.h"

#include "core/text/TextHelpers.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

namespace vantrel {

std::optional<std::string> readDescription(const std::string& path) {
    const std::optional<std::string> bytes = platform::readFile(platform::resolveIgnoringCase(path));
    if (!bytes)
        return std::nullopt;
    const std::vector<std::string> lines = platform::splitLines(*bytes);
    std::string text;
    if (lines.empty() || upper(trim(lines.front())) != "BEGIN_DESC")
        return text;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (upper(trim(lines[i])) == "END_DESC")
            break;
        text += lines[i];
        text += "\r\n";
    }
    return text;
}

std::string GetDescription(const std::string& path) { return readDescription(path).value_or(std::string()); }

std::string descriptionBlock(const std::string& text) {
    std::string block = "BEGIN_DESC\r\n";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            block += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            block += "\r\n";
        } else {
            block += c;
        }
    }
    if (text.empty() || (text.back() != '\n' && text.back() != '\r'))
        block += "\r\n";
    block += "END_DESC\r\n";
    return block;
}

} // namespace vantrel
