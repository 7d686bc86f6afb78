#include "core/scenario/LineEdits.h"

#include "core/platform/TextFile.h"

#include <algorithm>

namespace vantrel {

const std::vector<std::string_view>& LineEdits::lines() const {
    if (!cut_) {
        lines_ = platform::lineViews(text_);
        cut_ = true;
    }
    return lines_;
}

std::string_view LineEdits::ending(size_t i) const {
    const size_t end = static_cast<size_t>(lines_[i].data() - text_.data()) + lines_[i].size();
    lines();
    const size_t next = i + 1 < lines_.size() ? static_cast<size_t>(lines_[i + 1].data() - text_.data()) : text_.size();
    return text_.substr(end, next - end);
}

size_t LineEdits::lineAt(std::string_view within) const {
    lines();
    const auto after = std::upper_bound(lines_.begin(), lines_.end(), within.data(),
                                        [](const char* p, std::string_view line) { return p < line.data(); });
    return after == lines_.begin() ? 0 : static_cast<size_t>(after - lines_.begin()) - 1;
}

std::string_view LineEdits::newLineEnd() const {
    size_t crlf = 0, lf = 0, cr = 0;
    lines();
    for (size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view end = ending(i);
        if (end == "\r\n")
            ++crlf;
        else if (end == "\n")
            ++lf;
        else if (end == "\r")
            ++cr;
    }
    if (lf > crlf && lf >= cr)
        return "\n";
    if (cr > crlf && cr > lf)
        return "\r";
    return "\r\n";
}

void LineEdits::replace(size_t i, std::string text) {
    if (!erased(i))
        replaced_[i] = std::move(text);
}

void LineEdits::erase(size_t first, size_t last) {
    if (erased_.empty())
        erased_.resize(lineCount());
    for (size_t i = first; i <= last && i < lines_.size(); ++i)
        if (!erased_[i]) {
            erased_[i] = true;
            ++erasedCount_;
            replaced_.erase(i);
        }
}

bool LineEdits::erased(size_t i) const { return !erased_.empty() && erased_[i]; }

void LineEdits::insertAfter(std::ptrdiff_t i, std::string text) { inserted_[i].push_back(std::move(text)); }

std::string LineEdits::apply() const {
    if (empty())
        return std::string(text_);
    const std::string_view newEnd = newLineEnd();
    lines();
    std::string out;
    out.reserve(text_.size() + text_.size() / 16 + 256);
    auto insertedAfter = [&](std::ptrdiff_t i) {
        const auto found = inserted_.find(i);
        if (found == inserted_.end())
            return false;
        for (const std::string& line : found->second) {
            out += line;
            out += newEnd;
        }
        return true;
    };
    insertedAfter(BeforeFirst);
    std::vector<bool> moved;
    if (!moves_.empty()) {
        moved.resize(lines_.size());
        for (const auto& [after, ranges] : moves_)
            for (const auto& [first, last] : ranges)
                for (size_t i = first; i <= last && i < lines_.size(); ++i)
                    moved[i] = true;
    }
    auto emit = [&](auto& self, size_t i) -> void {
        const auto movedHere = moves_.find(i);
        if (!erased(i)) {
            const auto replaced = replaced_.find(i);
            out += replaced == replaced_.end() ? lines_[i] : std::string_view(replaced->second);
            const std::string_view end = ending(i);
            // A last line without its line end gets one when new lines follow it.
            const bool followed = inserted_.count(static_cast<std::ptrdiff_t>(i)) || movedHere != moves_.end();
            out += end.empty() && followed ? newEnd : end;
        }
        insertedAfter(static_cast<std::ptrdiff_t>(i));
        if (movedHere != moves_.end())
            for (const auto& [first, last] : movedHere->second)
                for (size_t j = first; j <= last && j < lines_.size(); ++j)
                    self(self, j);
    };
    for (size_t i = 0; i < lines_.size(); ++i)
        if (moved.empty() || !moved[i])
            emit(emit, i);
    return out;
}

void LineEdits::moveAfter(size_t first, size_t last, size_t after) {
    if (after >= first && after <= last)
        return;
    moves_[after].emplace_back(first, last);
}

} // namespace vantrel
