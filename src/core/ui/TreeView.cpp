#include "core/ui/TreeView.h"

namespace vantrel::ui {

TreeView::TreeView(std::string name) : Control(std::move(name)) {}

int TreeView::root(int position) const {
    while (position > 0 && node(position).parent != 0)
        position = node(position).parent;
    return position;
}

void TreeView::clear() {
    ++revision_;
    pendingNodes_.everything();
    nodes_.clear();
    selected_ = 0;
    changed();
}

int TreeView::add(int parent, std::string text, int image) {
    if (parent < 0 || parent > count())
        parent = 0;
    ++revision_;
    pendingNodes_.everything();
    nodes_.push_back(Node{std::move(text), image, parent, 0, false});
    if (parent != 0)
        ++nodes_[static_cast<size_t>(parent - 1)].children;
    changed();
    return count();
}

void TreeView::remove(int position) {
    if (position < 1 || position > count())
        return;
    std::vector<bool> gone(nodes_.size() + 1, false);
    gone[static_cast<size_t>(position)] = true;
    compact(gone);
}

void TreeView::removeIf(const std::function<bool(const Node&)>& test) {
    std::vector<bool> gone(nodes_.size() + 1, false);
    for (int p = 1; p <= count(); ++p)
        gone[static_cast<size_t>(p)] = test(node(p));
    compact(gone);
}

void TreeView::compact(std::vector<bool>& gone) {
    // Children always come after their parent, so one forward pass finds every descendant.
    bool any = false;
    for (int p = 1; p <= count(); ++p) {
        if (node(p).parent != 0 && gone[static_cast<size_t>(node(p).parent)])
            gone[static_cast<size_t>(p)] = true;
        any = any || gone[static_cast<size_t>(p)];
    }
    if (!any)
        return;
    // The nodes that stay move up in place; a parent always moves before its children.
    std::vector<int> newPosition(nodes_.size() + 1, 0);
    size_t kept = 0;
    for (int p = 1; p <= count(); ++p) {
        if (gone[static_cast<size_t>(p)])
            continue;
        Node& n = nodes_[static_cast<size_t>(p - 1)];
        n.parent = n.parent == 0 ? 0 : newPosition[static_cast<size_t>(n.parent)];
        n.children = 0;
        if (kept != static_cast<size_t>(p - 1))
            nodes_[kept] = std::move(n);
        newPosition[static_cast<size_t>(p)] = static_cast<int>(++kept);
    }
    nodes_.erase(nodes_.begin() + static_cast<std::ptrdiff_t>(kept), nodes_.end());
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].parent != 0)
            ++nodes_[static_cast<size_t>(nodes_[i].parent - 1)].children;
    selected_ = selected_ > 0 ? newPosition[static_cast<size_t>(selected_)] : 0;
    ++revision_;
    pendingNodes_.everything();
    changed();
}

void TreeView::expand(int position) {
    if (position < 1 || position > count())
        return;
    Node& n = nodes_[static_cast<size_t>(position - 1)];
    if (n.expanded)
        return;
    n.expanded = true;
    pendingNodes_.touch(position);
    changed();
}

bool TreeView::moveLeaf(int position, int parent, std::string text) {
    if (position < 1 || position > count() || parent < 1 || parent >= position)
        return false;
    Node& n = nodes_[static_cast<size_t>(position - 1)];
    if (n.children != 0)
        return false;
    if (n.parent != 0)
        --nodes_[static_cast<size_t>(n.parent - 1)].children;
    n.parent = parent;
    n.text = std::move(text);
    ++nodes_[static_cast<size_t>(parent - 1)].children;
    ++revision_;
    pendingNodes_.touch(position);
    changed();
    return true;
}

void TreeView::setSelected(int position) {
    if (position < 0 || position > count())
        position = 0;
    if (selected_ == position)
        return;
    selected_ = position;
    changed();
}

void TreeView::userDoubleClick(int position) {
    setSelected(position);
    if (onDblClick)
        onDblClick();
}

} // namespace vantrel::ui
