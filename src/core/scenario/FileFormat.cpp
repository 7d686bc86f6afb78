#include "core/scenario/FileFormat.h"

#include "core/text/TextHelpers.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

// A line's first word and the text after it, without comment, blanks or tabs around.
struct Words {
    std::string_view first;
    std::string_view rest;
};

Words wordsOf(std::string_view line) {
    line = line.substr(0, line.find(';'));
    const size_t start = firstNotBlankOrTab(line);
    if (start == std::string_view::npos)
        return {};
    line = line.substr(start);
    size_t end = 0;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t')
        ++end;
    std::string_view rest = line.substr(end);
    const size_t next = firstNotBlankOrTab(rest);
    return {line.substr(0, end), next == std::string_view::npos ? std::string_view() : rest.substr(next)};
}

constexpr std::array<std::string_view, 5> TodaysKeywords = {"ELEMENTS", "DOCKINFO", "PRPLEVEL", "POS", "ATTACHED"};

} // namespace

FileFormat fileFormatOf(std::string_view bytes, bool installationHasVesselsFolder) {
    bool inShips = false;
    bool todaysLine = false;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const Words w = wordsOf(line);
        if (w.first.empty())
            continue;
        if (equalsIgnoringCase(w.first, "BEGIN_STATIONS"))
            return FileFormat::Early;
        if (equalsIgnoringCase(w.first, "STATUS") && w.rest.size() >= 6 &&
            equalsIgnoringCase(w.rest.substr(0, 6), "Docked"))
            return FileFormat::Early;
        if (equalsIgnoringCase(w.first, "BEGIN_SHIPS"))
            inShips = true;
        else if (equalsIgnoringCase(w.first, "END_SHIPS"))
            inShips = false;
        else if (inShips && std::any_of(TodaysKeywords.begin(), TodaysKeywords.end(),
                                        [&](std::string_view k) { return equalsIgnoringCase(w.first, k); }))
            todaysLine = true;
    }
    if (todaysLine)
        return FileFormat::Today;
    return installationHasVesselsFolder ? FileFormat::Today : FileFormat::Early;
}

std::string_view fileFormatName(FileFormat format) {
    return format == FileFormat::Today ? "Today's scenario format" : "Early scenario format";
}

} // namespace vantrel
