#pragma once

#include <QStringList>
#include <QStyle>
#include <functional>

class QComboBox;
class QTreeWidget;

namespace fennick {

class GroupTree;

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
