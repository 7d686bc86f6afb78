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

void TreeAdapter::refresh() {
    QTreeWidget* tree = w();
    refreshWidget(*tree);
    auto& t = ctl();
    const auto& nodes = t.nodes();
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
