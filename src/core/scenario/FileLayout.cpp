#include "core/scenario/FileLayout.h"

#include "core/text/TextHelpers.h"

namespace vantrel {

namespace {

// What a line says once its comment and its surrounding blanks and tabs are gone.
std::string_view plain(std::string_view line) {
    const std::string_view text = clearedOfComments(line);
    const size_t first = firstNotBlankOrTab(text);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Does a line say the word once its comment and blanks are gone? Most lines are told apart by
// their first character, without looking for a comment.
bool says(std::string_view line, std::string_view word) {
    const size_t first = firstNotBlankOrTab(line);
    if (first == std::string_view::npos || asciiLower(line[first]) != asciiLower(word.front()))
        return false;
    return equalsIgnoringCase(plain(line), word);
}

bool blank(std::string_view line) { return firstNotBlankOrTab(line) == std::string_view::npos; }

bool startsSection(std::string_view line) { return startsWithIgnoringCase(line, "BEGIN_"); }

// "BEGIN_MFD   Left ; comment" gives "MFD LEFT".
std::string keyOf(std::string_view line) {
    std::string key;
    bool blank = false;
    for (char c : upper(plain(line).substr(6))) {
        if (c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !key.empty())
            key += ' ';
        blank = false;
        key += c;
    }
    return key;
}

} // namespace

const SectionAsRead* FileLayout::find(const std::string& key) const {
    for (const SectionAsRead& s : sections)
        if (s.key == key)
            return &s;
    return nullptr;
}

FileLayout scanLayout(const std::vector<std::string_view>& lines, SectionBodies bodies) {
    FileLayout layout;
    layout.read = true;
    std::vector<std::string> comments;
    bool stationsSeen = false, shipsSeen = false;
    size_t i = 0;
    while (i < lines.size()) {
        if (!startsSection(lines[i])) {
            if (!blank(lines[i]))
                comments.emplace_back(lines[i]);
            ++i;
            continue;
        }
        SectionAsRead section;
        section.key = keyOf(lines[i]);
        section.comments = std::move(comments);
        comments.clear();
        const std::string endMarker = "END_" + section.key.substr(0, section.key.find(' '));
        size_t next = i + 1;
        while (next < lines.size() && !startsSection(lines[next]) && !says(lines[next], endMarker))
            ++next;
        size_t last; // the section's last line
        if (next < lines.size() && !startsSection(lines[next])) {
            last = next;
        } else {
            last = next - 1;
            for (size_t j = i + 1; j < next; ++j)
                if (says(lines[j], "END")) {
                    last = j;
                    break;
                }
        }
        bool& seen = section.key == "STATIONS" ? stationsSeen : shipsSeen;
        if (bodies == SectionBodies::ExceptTables && (section.key == "STATIONS" || section.key == "SHIPS") && !seen) {
            seen = true;
            section.lines = {std::string(lines[i]), std::string(lines[last])};
        } else {
            section.lines.assign(lines.begin() + static_cast<std::ptrdiff_t>(i),
                                 lines.begin() + static_cast<std::ptrdiff_t>(last + 1));
        }
        section.first = i;
        section.last = last;
        layout.sections.push_back(std::move(section));
        i = last + 1;
    }
    layout.after = std::move(comments);
    return layout;
}

FileLayout scanLayout(const std::vector<std::string>& lines) {
    return scanLayout(std::vector<std::string_view>(lines.begin(), lines.end()));
}

} // namespace vantrel
