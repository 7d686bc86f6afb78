#include "core/text/TextHelpers.h"

#include "core/text/NumberText.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

std::string ClearComments(std::string mot) {
    if (mot.empty())
        return mot;
    if (const size_t semicolon = mot.find(';'); semicolon != std::string::npos)
        mot = trim(std::string_view(mot).substr(0, semicolon));
    while (!mot.empty() && static_cast<unsigned char>(mot.back()) < 32)
        mot.pop_back();
    return mot;
}

std::string_view clearedOfComments(std::string_view line) {
    if (line.empty())
        return line;
    if (const size_t semicolon = line.find(';'); semicolon != std::string_view::npos)
        line = trimmed(line.substr(0, semicolon));
    while (!line.empty() && static_cast<unsigned char>(line.back()) < 32)
        line.remove_suffix(1);
    return line;
}

std::string GetNumberValue(const std::string& mot) {
    std::string digits;
    for (char c : mot)
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    const size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return "0";
    digits.erase(0, firstSignificant);
    if (digits.size() <= 15)
        return digits;
    // Too many digits for an exact number: the text of the nearest double, as a number reads.
    return trim(displayForm(leadingNumberValue(digits)));
}

bool IsANumber(const std::string& mot) {
    std::string text = trim(mot);
    if (!text.empty() && text.front() == '-')
        text.erase(0, 1);
    if (text.empty())
        return false;
    int points = 0;
    for (char c : text) {
        if (c == '.') {
            if (++points > 1)
                return false;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::string trimLeft(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string trimRight(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// ASCII letters only, whatever locale the process runs in (the desktop takes the user's):
// files are compared the same way everywhere, and fast, since readers compare every line.
std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = asciiUpper(c);
    return out;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

std::string dropLeft(std::string_view text, size_t n) {
    return n >= text.size() ? std::string() : std::string(text.substr(n));
}

std::string left(std::string_view text, size_t n) { return std::string(text.substr(0, std::min(n, text.size()))); }

std::string right(std::string_view text, size_t n) {
    return n >= text.size() ? std::string(text) : std::string(text.substr(text.size() - n));
}

} // namespace vantrel
