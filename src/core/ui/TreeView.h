#pragma once

#include "core/ui/Control.h"
#include "core/ui/Controls.h"
#include "core/ui/PendingChanges.h"

#include <functional>
#include <string>
#include <vector>

namespace vantrel::ui {

// A tree of nodes kept in insertion order and addressed by their 1-based position.
// Removing a node removes its descendants too, and later nodes move up.
class TreeView : public Control {
public:
    ControlKind kind() const override { return ControlKind::TreeView; }
    struct Node {
        std::string text;
        int image = 0;
        int parent = 0; // position of the parent, 0 for a top-level node
        int children = 0;
        bool expanded = false;
    };

    explicit TreeView(std::string name);

    int count() const { return static_cast<int>(nodes_.size()); }
    // The node at a 1-based position; the caller keeps positions within 1..count().
    const Node& node(int position) const { return nodes_[static_cast<size_t>(position - 1)]; }
    const std::vector<Node>& nodes() const { return nodes_; }
    // The top-level node above a node (the node itself when it has no parent).
    int root(int position) const;

    void clear();
    // Adds a node as the last child of parent (0: top level); returns its position.
    int add(int parent, std::string text, int image);
    // Room for n nodes in all.
    void reserve(size_t n) { nodes_.reserve(n); }
    // Removes the node at a position together with its descendants.
    void remove(int position);
    // Removes every node for which the test holds, with its descendants, in one pass.
    void removeIf(const std::function<bool(const Node&)>& test);
    void expand(int position);
    // Moves a node without children under another parent and gives it a new text. The parent
    // must come before the node, as every parent does; false (nothing changed) otherwise.
    bool moveLeaf(int position, int parent, std::string text);

    // Grows by one on every change of the nodes' structure or texts (not of expansion or
    // selection), so that an index kept beside the tree can tell whether it is still true.
    unsigned long long revision() const { return revision_; }
    // The nodes changed since the observer last took them (1-based positions): every node after
    // a change of structure, or the nodes moved or expanded.
    PendingChanges takeNodeChanges() { return pendingNodes_.take(); }

    // Selected node (0: none).
    int selected() const { return selected_; }
    void setSelected(int position);
    // A person double-clicks a node: it becomes the selected node and onDblClick is raised.
    void userDoubleClick(int position);
    Event onDblClick;

private:
    void compact(std::vector<bool>& gone);
    std::vector<Node> nodes_;
    int selected_ = 0;
    unsigned long long revision_ = 0;
    PendingChanges pendingNodes_;
};

} // namespace vantrel::ui
