#include "support/LineDiff.h"

#include <algorithm>

namespace vantrel::test {

namespace {

std::vector<std::string> linesWithEnds(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        else
            end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

} // namespace

std::vector<std::string> lineDiff(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = linesWithEnds(before), b = linesWithEnds(after);
    // The longest common run of lines from each pair of positions on.
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1));
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<std::string> diff;
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (i < a.size() && (j == b.size() || common[i + 1][j] >= common[i][j + 1])) {
            diff.push_back("-" + a[i++]);
        } else {
            diff.push_back("+" + b[j++]);
        }
    }
    return diff;
}

} // namespace vantrel::test
