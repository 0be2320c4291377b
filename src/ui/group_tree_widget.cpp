#include "ui/group_tree_widget.h"

#include "common/group_tree.h"
#include "common/list_sort.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace fennick {

QTreeWidget* makeGroupTree(QWidget* parent, std::function<void(int node)> chosen) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QStringLiteral("TreeView1"));
    tree->setHeaderHidden(true);
    QObject::connect(tree, &QTreeWidget::itemClicked, parent,
                     [chosen = std::move(chosen)](QTreeWidgetItem* item) {
                         chosen(item->data(0, Qt::UserRole).toInt());
                     });
    return tree;
}

QTreeView* makeRecordList(QWidget* parent) {
    auto* list = new QTreeView(parent);
    list->setObjectName(QStringLiteral("ListView1"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionsClickable(true);
    return list;
}

QSplitter* makeBrowserSplitter(QWidget* window, QWidget* tree, QWidget* rest, int restWidth) {
    auto* splitter = new QSplitter(window);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->addWidget(tree);
    splitter->addWidget(rest);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, restWidth});
    return splitter;
}

void showListSort(QTreeView* list, QSortFilterProxyModel* sorted, const ListSort& sort) {
    sorted->sort(sort.column, sort.order);
    list->header()->setSortIndicatorShown(sort.column >= 0);
    list->header()->setSortIndicator(sort.column, sort.order);
}

int selectedSourceRow(const QTreeView* list, const QSortFilterProxyModel* sorted) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : sorted->mapToSource(rows.first()).row();
}

void openBrowserMessage(QWidget* window, const char* name, bool warning, const QString& text) {
    auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                                window->windowTitle(), text, QMessageBox::Ok, window);
    box->setObjectName(QLatin1String(name));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

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
