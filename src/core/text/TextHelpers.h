#pragma once

// Text helpers shared by every reader and every validation. Blanks are spaces (character 32);
// tabs and other control characters are not blanks.

#include <algorithm>
#include <string>
#include <string_view>

namespace vantrel {

// The meaningful part of a raw line: text from the first ";" on is dropped and what remains is
// trimmed (a line without ";" is not trimmed); then trailing control characters (code < 32)
// are removed.
std::string ClearComments(std::string mot);
// The same as a view into the line, for readers that walk many lines without copying them.
std::string_view clearedOfComments(std::string_view line);

// The digits of a text glued together and read as a whole number, as text: "Dock 12" gives
// "12", "Landing pad 03" gives "3", "1.5" gives "15", a text without digits gives "0".
std::string GetNumberValue(const std::string& mot);

// An optional minus, then digits and at most one point, blanks around allowed: " -12.5 " and
// "." are numbers; "", "-", "1.2.3", "1e5", "+1", "1,5" and "1 2" are not.
bool IsANumber(const std::string& mot);

// Text with leading and trailing blanks removed (blanks only, not tabs).
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);
// The position of the first character that is neither a blank nor a tab, npos when there is
// none. A plain loop: std::string_view's search for one of a set is several times slower, and
// readers ask this of every line.
inline size_t firstNotBlankOrTab(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] != ' ' && text[i] != '\t')
            return i;
    return std::string_view::npos;
}
inline std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// ASCII case conversions and comparisons. The comparisons are inline: readers ask them of
// every line, and most answers come from the lengths alone.
constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string upper(std::string_view text);
std::string lower(std::string_view text);
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}
// Do the first characters of text, as many as prefix has, equal prefix?
inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}
inline bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The text without its first n characters (empty when it is shorter), and its first n.
std::string dropLeft(std::string_view text, size_t n);
std::string left(std::string_view text, size_t n);
std::string right(std::string_view text, size_t n);

} // namespace vantrel
