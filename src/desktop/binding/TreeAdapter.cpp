#include "binding/Adapters.h"

#include "binding/DisplayText.h"
#include "binding/Pictures.h"

#include <QTreeWidget>

namespace vantrel::desktop {

namespace {

const int PositionRole = Qt::UserRole + 1;

bool sameNode(const ui::TreeView::Node& a, const ui::TreeView::Node& b) {
    return a.text == b.text && a.image == b.image && a.parent == b.parent;
}

} // namespace

bool TreeAdapter::refreshChanged(const ui::PendingChanges& changes) {
    auto& t = ctl();
    const auto& nodes = t.nodes();
    if (changes.all() || items_.size() != nodes.size() || shownNodes_.size() != nodes.size())
        return false;
    for (int position : changes.entries()) {
        if (position < 1 || static_cast<size_t>(position) > nodes.size())
            return false;
        const auto& node = nodes[static_cast<size_t>(position - 1)];
        auto& shown = shownNodes_[static_cast<size_t>(position - 1)];
        QTreeWidgetItem* item = items_[static_cast<size_t>(position - 1)];
        if (node.parent != shown.parent) {
            if (node.parent < 1 || static_cast<size_t>(node.parent) > items_.size() || !item->parent())
                return false;
            // The moved node goes among its new siblings in position order, as a rebuild puts it.
            QTreeWidgetItem* parent = items_[static_cast<size_t>(node.parent - 1)];
            item->parent()->removeChild(item);
            int index = 0;
            while (index < parent->childCount() && parent->child(index)->data(0, PositionRole).toInt() < position)
                ++index;
            parent->insertChild(index, item);
        }
        if (node.text != shown.text)
            item->setText(0, toDisplay(node.text));
        if (node.image != shown.image)
            item->setIcon(0, treeIcon(node.image));
        if (node.expanded && !item->isExpanded())
            item->setExpanded(true);
        shown = node;
    }
    return true;
}

void TreeAdapter::refresh() {
    QTreeWidget* tree = w();
    refreshWidget(*tree);
    auto& t = ctl();
    const auto& nodes = t.nodes();
    // A node moved or expanded is shown alone: a tree of 40,000 nodes is not walked for it.
    if (refreshChanged(t.takeNodeChanges())) {
        if (t.selected() >= 1 && static_cast<size_t>(t.selected()) <= items_.size())
            tree->setCurrentItem(items_[static_cast<size_t>(t.selected() - 1)]);
        else
            tree->setCurrentItem(nullptr);
        return;
    }
    // Nodes added at the end become new items; any other change fills the tree afresh.
    size_t same = 0;
    while (same < nodes.size() && same < shownNodes_.size() && sameNode(nodes[same], shownNodes_[same]))
        ++same;
    tree->setUpdatesEnabled(false);
    if (same < shownNodes_.size()) {
        tree->clear();
        items_.clear();
        shownNodes_.clear();
        same = 0;
    }
    QList<QTreeWidgetItem*> topLevel;
    for (size_t i = same; i < nodes.size(); ++i) {
        const auto& node = nodes[i];
        auto* item = new QTreeWidgetItem(QStringList{toDisplay(node.text)});
        item->setIcon(0, treeIcon(node.image));
        item->setData(0, PositionRole, static_cast<int>(i + 1));
        if (node.parent >= 1 && static_cast<size_t>(node.parent) <= items_.size())
            items_[static_cast<size_t>(node.parent - 1)]->addChild(item);
        else
            topLevel.append(item);
        items_.push_back(item);
    }
    tree->addTopLevelItems(topLevel);
    for (size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].expanded && !items_[i]->isExpanded())
            items_[i]->setExpanded(true);
    shownNodes_ = nodes;
    if (t.selected() >= 1 && static_cast<size_t>(t.selected()) <= items_.size())
        tree->setCurrentItem(items_[static_cast<size_t>(t.selected() - 1)]);
    else
        tree->setCurrentItem(nullptr);
    tree->setUpdatesEnabled(true);
}

void TreeAdapter::wire(QObject& receiver, const Act& act, const Watch&) {
    QTreeWidget* tree = w();
    // A double-click only chooses: were it also to fold the node, the rows below would move
    // under the pointer and the next double-click would land on another port. Nodes fold with
    // their arrows and the arrow keys.
    tree->setExpandsOnDoubleClick(false);
    // Activation is a double-click, or Enter on the current node, so a port can be chosen from
    // the keyboard as well.
    auto& t = ctl();
    QObject::connect(tree, &QTreeWidget::itemActivated, &receiver, [act, &t](QTreeWidgetItem* item) {
        const int position = item->data(0, PositionRole).toInt();
        act([&t, position] { t.userDoubleClick(position); });
    });
}

} // namespace vantrel::desktop
