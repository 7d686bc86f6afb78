#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Numbers texts 0, 1, 2... in the order they are first added, holding them all in one buffer.
// A huge scenario's trees look up tens of thousands of places: this finds each one without a
// map node or a string of its own, and clearing keeps the room for the next time.
class TextNumbers {
public:
    void clear();
    void reserve(size_t texts);
    int size() const { return static_cast<int>(hashes_.size()); }
    // The number of a text, or -1 when it was never added.
    int find(std::string_view text) const;
    // The number of a text, the next free one when it is new.
    int add(std::string_view text);
    std::string_view text(int number) const;

private:
    // The slot that holds the text, or the empty slot where it would go.
    size_t slotOf(std::string_view text, size_t hash) const;
    void grow();
    // Open addressing over a power-of-two table, at most half full. A slot keeps part of its
    // text's hash beside its number, so that a probe rarely has to look at a text.
    struct Slot {
        int number = -1; // -1: empty
        uint32_t hash = 0;
    };
    std::string chars_;
    std::vector<uint32_t> ends_;
    std::vector<size_t> hashes_;
    std::vector<Slot> slots_;
};

} // namespace vantrel
