#pragma once

// What changed in a control's entries (list entries, tree nodes) since its observer last looked:
// every entry, or a few of them. An observer that shows thousands of entries sends only these.

#include <algorithm>
#include <vector>

namespace vantrel::ui {

class PendingChanges {
public:
    // Every entry changed (or the number of entries did).
    bool all() const { return all_; }
    // The entries that changed, in the order first changed; meaningless when all() holds.
    const std::vector<int>& entries() const { return entries_; }

    void everything() {
        all_ = true;
        entries_.clear();
    }
    void touch(int entry) {
        if (all_)
            return;
        if (std::find(entries_.begin(), entries_.end(), entry) != entries_.end())
            return;
        // Past a handful, sending everything costs no more than tracking each one.
        if (entries_.size() >= MostTracked) {
            everything();
            return;
        }
        entries_.push_back(entry);
    }
    // Hands the changes over and starts afresh with none.
    PendingChanges take() {
        PendingChanges taken = *this;
        all_ = false;
        entries_.clear();
        return taken;
    }

private:
    static constexpr size_t MostTracked = 64;
    // A new control has never been shown: everything is to be sent.
    bool all_ = true;
    std::vector<int> entries_;
};

} // namespace vantrel::ui
