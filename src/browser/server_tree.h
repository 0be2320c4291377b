#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace fennick {

// The browser's tree of games and their groups, in creation order: the
// fixed nodes (games with keys "Q1", "Q2", "Q3" and their built-in groups)
// and the user groups, which have no key and are added when a server is
// stored in a new group.
class ServerTree {
public:
    struct Node {
        QString key;  // empty for a user group
        QString text; // "Quake 3 Arena", "Recent", "My clan"
        int parent = -1;
    };

    ServerTree(); // the fixed nodes

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
    // nodeForGroup, adding a user group under the game when none is found.
    // -1 when the path names no game.
    int ensureGroupNode(const QString& group);

    // The texts of the user groups beside a node, in node order.
    QStringList userGroupsBeside(int node) const;

private:
    int gameNodeOf(const QString& group) const;
    int add(const QString& key, const QString& text, int parent);

    QVector<Node> nodes_;
};

// The built-in groups, which the user cannot save servers into.
bool isBuiltInGroupName(const QString& name);

} // namespace fennick
