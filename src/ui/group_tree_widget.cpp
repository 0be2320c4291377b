#include "ui/group_tree_widget.h"

#include "common/group_tree.h"

#include <QComboBox>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace fennick {

void fillGroupTree(QTreeWidget* tree, const GroupTree& groups,
                   const std::function<QStyle::StandardPixmap(int node)>& pictureOf) {
    tree->clear();
    const QVector<GroupTree::Node>& nodes = groups.nodes();
    QVector<QTreeWidgetItem*> items(nodes.size(), nullptr);
    for (int i = 0; i < nodes.size(); ++i) {
        const int parent = nodes[i].parent;
        auto* item = parent < 0 ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(items[parent]);
        item->setText(0, nodes[i].text);
        item->setIcon(0, tree->style()->standardIcon(pictureOf(i)));
        item->setData(0, Qt::UserRole, i);
        items[i] = item;
    }
    tree->expandAll();
}

void selectGroupNode(QTreeWidget* tree, int node) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == node) {
            tree->setCurrentItem(*it);
            tree->scrollToItem(*it);
        }
}

void refillGroupBox(QComboBox* box, const QStringList& groups) {
    const QString typed = box->currentText();
    box->clear();
    box->addItems(groups);
    box->setEditText(typed);
}

} // namespace fennick
