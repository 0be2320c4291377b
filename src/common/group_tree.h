#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace fennick {

// The tree of games and their groups that both browsers show, in creation
// order: game nodes with the keys "Q1", "Q2" and "Q3" and their built-in
// groups (each with a key), and the user's groups, which have no key and are
// added under their game when a record of a new group arrives. A group is
// addressed by its path: the game's text, "\" and the group's text.
class GroupTree {
public:
    struct Node {
        QString key;  // empty for a user group
        QString text; // "Quake 3 Arena", "Recent", "My clan"
        int parent = -1;
        int image = 1; // the picture's number in the window's image list
    };

    const QVector<Node>& nodes() const { return nodes_; }
    int nodeWithKey(const QString& key) const; // -1 when none
    bool isGameNode(int node) const;
    // "Quake 3 Arena\Internet" for a group node.
    QString groupPath(int node) const;
    // "Quake 3 Arena - Internet": the caption of a shown group.
    QString caption(int node) const;

    // The node that shows a group: from the group's game node on, the
    // first node whose text ends the path. -1 when the path names no game
    // or no node ends it.
    int nodeForGroup(const QString& group) const;
    // nodeForGroup, adding a user group (image 1) under the game when none
    // is found. -1 when the path names no game.
    int ensureGroupNode(const QString& group);

    // The texts of the user groups beside a node, in node order.
    QStringList userGroupsBeside(int node) const;

    // Adds a node under the node with `parentKey` (none for a game node).
    int add(const QString& key, const QString& text, const QString& parentKey, int image = 1);

private:
    int gameNodeOf(const QString& group) const;

    QVector<Node> nodes_;
};

} // namespace fennick
