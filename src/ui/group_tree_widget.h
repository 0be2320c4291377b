#pragma once

#include <QStringList>
#include <QStyle>
#include <functional>

class QComboBox;
class QSortFilterProxyModel;
class QSplitter;
class QTreeView;
class QTreeWidget;
class QWidget;

namespace fennick {

class GroupTree;
struct ListSort;

// The parts of the server and map browsers' windows that are the same.

// The tree of groups ("TreeView1"): a click on an item hands its node
// number to `chosen`.
QTreeWidget* makeGroupTree(QWidget* parent, std::function<void(int node)> chosen);
// The list of records ("ListView1"): whole rows, one chosen at a time.
QTreeView* makeRecordList(QWidget* parent);
// The tree and the rest of the window side by side ("splitter"), the rest
// taking what the window gains.
QSplitter* makeBrowserSplitter(QWidget* window, QWidget* tree, QWidget* rest, int restWidth);
// Sorts the list as the browser says and shows it in the header.
void showListSort(QTreeView* list, QSortFilterProxyModel* sorted, const ListSort& sort);
// The row of the model behind the list's first selected row; -1 for none.
int selectedSourceRow(const QTreeView* list, const QSortFilterProxyModel* sorted);
// A message box that holds nothing up: the browser's timers, sockets and
// scans go on while it is open.
void openBrowserMessage(QWidget* window, const char* name, bool warning, const QString& text);

// The tree and group box that the server and map browsers share. Each tree
// item carries its node number (Qt::UserRole); `pictureOf` names the
// standard picture of a node.
void fillGroupTree(QTreeWidget* tree, const GroupTree& groups,
                   const std::function<QStyle::StandardPixmap(int node)>& pictureOf);
// Makes the item of a node the current one and scrolls to it.
void selectGroupNode(QTreeWidget* tree, int node);
// Puts the groups into the "Save in" box, keeping the text the user typed.
void refillGroupBox(QComboBox* box, const QStringList& groups);

} // namespace fennick
