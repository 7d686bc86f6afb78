#include "core/scenario/Description.h"

#include "core/platform/TextFile.h"
#include "core/text/TextHelpers.h"

namespace vantrel {

std::string descriptionOf(std::string_view bytes) {
    std::string text;
    size_t start = 0;
    if (start >= bytes.size() || !equalsIgnoringCase(trimmed(platform::nextLine(bytes, start)), "BEGIN_DESC"))
        return text;
    while (start < bytes.size()) {
        const std::string_view line = platform::nextLine(bytes, start);
        if (equalsIgnoringCase(trimmed(line), "END_DESC"))
            break;
        text += line;
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
