#include "core/scenario/Description.h"

#include "core/platform/TextFile.h"
#include "core/text/TextHelpers.h"

namespace vantrel {

std::string descriptionOf(std::string_view bytes) {
    const std::vector<std::string_view> lines = platform::lineViews(bytes);
    std::string text;
    if (lines.empty() || !equalsIgnoringCase(trimmed(lines.front()), "BEGIN_DESC"))
        return text;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (equalsIgnoringCase(trimmed(lines[i]), "END_DESC"))
            break;
        text += lines[i];
        text += "\r\n";
    }
    return text;
}

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
