#include "core/scenario/FileLayout.h"

#include "core/text/TextHelpers.h"

namespace vantrel {

namespace {

// What a line says once its comment, its surrounding blanks and tabs and its letter case are
// gone.
std::string plain(const std::string& line) {
    std::string text = ClearComments(line);
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return upper(std::string_view(text).substr(first, last - first + 1));
}

bool blank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

bool startsSection(const std::string& line) { return startsWithIgnoringCase(line, "BEGIN_"); }

// "BEGIN_MFD   Left ; comment" gives "MFD LEFT".
std::string keyOf(const std::string& line) {
    std::string key;
    bool blank = false;
    for (char c : plain(line).substr(6)) {
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

FileLayout scanLayout(const std::vector<std::string>& lines) {
    FileLayout layout;
    layout.read = true;
    std::vector<std::string> comments;
    size_t i = 0;
    while (i < lines.size()) {
        if (!startsSection(lines[i])) {
            if (!blank(lines[i]))
                comments.push_back(lines[i]);
            ++i;
            continue;
        }
        SectionAsRead section;
        section.key = keyOf(lines[i]);
        section.comments = std::move(comments);
        comments.clear();
        const std::string endMarker = "END_" + section.key.substr(0, section.key.find(' '));
        size_t next = i + 1;
        while (next < lines.size() && !startsSection(lines[next]) && plain(lines[next]) != endMarker)
            ++next;
        size_t last; // the section's last line
        if (next < lines.size() && !startsSection(lines[next])) {
            last = next;
        } else {
            last = next - 1;
            for (size_t j = i + 1; j < next; ++j)
                if (plain(lines[j]) == "END") {
                    last = j;
                    break;
                }
        }
        section.lines.assign(lines.begin() + static_cast<std::ptrdiff_t>(i),
                             lines.begin() + static_cast<std::ptrdiff_t>(last + 1));
        layout.sections.push_back(std::move(section));
        i = last + 1;
    }
    layout.after = std::move(comments);
    return layout;
}

} // namespace vantrel
