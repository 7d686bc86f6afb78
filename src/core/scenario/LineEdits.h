#pragma once

// Edits of a text's lines: a line replaced, erased, or followed by new lines. Every byte of a
// line nobody edited is the text's own, its line end included, so a text with no edit comes
// back byte for byte.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class LineEdits {
public:
    // Where new lines go before the first line.
    static constexpr std::ptrdiff_t BeforeFirst = -1;

    // The text must outlive the edits; its lines are cut by the classic rules (CR LF, LF or CR),
    // when they are first asked for: a save that edits nothing never cuts them.
    explicit LineEdits(std::string_view text) : text_(text) {}

    size_t lineCount() const { return lines().size(); }
    // A line without its line end, and its line end ("" for a last line without one).
    std::string_view line(size_t i) const { return lines()[i]; }
    std::string_view ending(size_t i) const;
    const std::vector<std::string_view>& lines() const;
    // The number of the line a view into the text starts in.
    size_t lineAt(std::string_view within) const;
    // The line end new lines take: the text's most common one, CR LF on a tie or when it has none.
    std::string_view newLineEnd() const;

    // A line gets another text and keeps its line end. Replacing an erased line does nothing.
    void replace(size_t i, std::string text);
    // Lines first..last go, line ends included.
    void erase(size_t first, size_t last);
    bool erased(size_t i) const;
    // A new line after line i (BeforeFirst: before the first line); lines added after the same
    // line keep the order they were added in. Each takes newLineEnd().
    void insertAfter(std::ptrdiff_t i, std::string text);

    // Lines first..last, with their edits and the lines added after them, go after line `after`
    // and the lines added after it; `after` lies outside them.
    void moveAfter(size_t first, size_t last, size_t after);

    bool empty() const { return replaced_.empty() && erasedCount_ == 0 && inserted_.empty() && moves_.empty(); }
    // The text with every edit applied.
    std::string apply() const;

private:
    std::string_view text_;
    mutable std::vector<std::string_view> lines_;
    mutable bool cut_ = false;
    std::map<size_t, std::string> replaced_;
    std::vector<bool> erased_;
    size_t erasedCount_ = 0;
    std::map<std::ptrdiff_t, std::vector<std::string>> inserted_;
    // By the line they follow: the ranges of lines moved there.
    std::map<size_t, std::vector<std::pair<size_t, size_t>>> moves_;
};

} // namespace vantrel
