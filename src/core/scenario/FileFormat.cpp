#include "core/scenario/FileFormat.h"

#include "core/scenario/ScenarioFile.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

// A line's first word, without comment, blanks or tabs around.
std::string_view firstWord(std::string_view line) {
    line = line.substr(0, line.find(';'));
    const size_t start = firstNotBlankOrTab(line);
    if (start == std::string_view::npos)
        return {};
    line = line.substr(start);
    size_t end = 0;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r')
        ++end;
    return line.substr(0, end);
}

constexpr std::array<std::string_view, 5> TodaysKeywords = {"ELEMENTS", "DOCKINFO", "PRPLEVEL", "POS", "ATTACHED"};

} // namespace

FileFormat fileFormatOf(std::string_view bytes, bool installationHasVesselsFolder) {
    if (isEarlyScenario(bytes))
        return FileFormat::Early;
    bool inShips = false;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view word = firstWord(bytes.substr(start, end - start));
        start = end + 1;
        if (word.empty())
            continue;
        if (equalsIgnoringCase(word, "BEGIN_SHIPS"))
            inShips = true;
        else if (equalsIgnoringCase(word, "END_SHIPS"))
            inShips = false;
        else if (inShips && std::any_of(TodaysKeywords.begin(), TodaysKeywords.end(),
                                        [&](std::string_view k) { return equalsIgnoringCase(word, k); }))
            return FileFormat::Today;
    }
    return installationHasVesselsFolder ? FileFormat::Today : FileFormat::Early;
}

std::string_view fileFormatName(FileFormat format) {
    return format == FileFormat::Today ? "Today's scenario format" : "Early scenario format";
}

} // namespace vantrel
