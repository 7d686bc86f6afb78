#include "core/text/TextNumbers.h"

#include <functional>

namespace vantrel {

void TextNumbers::clear() {
    chars_.clear();
    ends_.clear();
    hashes_.clear();
    slots_.assign(slots_.size(), Slot{});
}

void TextNumbers::reserve(size_t texts) {
    ends_.reserve(texts);
    hashes_.reserve(texts);
    if (slots_.size() < 2 * texts) {
        size_t n = 16;
        while (n < 2 * texts)
            n *= 2;
        slots_.assign(n, Slot{});
        for (size_t i = 0; i < hashes_.size(); ++i)
            slots_[slotOf(text(static_cast<int>(i)), hashes_[i])] = {static_cast<int>(i), static_cast<uint32_t>(hashes_[i] >> 32)};
    }
}

std::string_view TextNumbers::text(int number) const {
    const size_t n = static_cast<size_t>(number);
    const size_t begin = n == 0 ? 0 : ends_[n - 1];
    return std::string_view(chars_).substr(begin, ends_[n] - begin);
}

size_t TextNumbers::slotOf(std::string_view text, size_t hash) const {
    const size_t mask = slots_.size() - 1;
    const uint32_t part = static_cast<uint32_t>(hash >> 32);
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.number < 0 || (slot.hash == part && this->text(slot.number) == text))
            return i;
    }
}

int TextNumbers::find(std::string_view text) const {
    if (slots_.empty())
        return -1;
    return slots_[slotOf(text, std::hash<std::string_view>{}(text))].number;
}

void TextNumbers::grow() { reserve(slots_.empty() ? 8 : slots_.size()); }

int TextNumbers::add(std::string_view text) {
    if (2 * (hashes_.size() + 1) > slots_.size())
        grow();
    const size_t hash = std::hash<std::string_view>{}(text);
    const size_t slot = slotOf(text, hash);
    if (slots_[slot].number >= 0)
        return slots_[slot].number;
    const int number = size();
    chars_ += text;
    ends_.push_back(static_cast<uint32_t>(chars_.size()));
    hashes_.push_back(hash);
    slots_[slot] = {number, static_cast<uint32_t>(hash >> 32)};
    return number;
}

} // namespace vantrel
