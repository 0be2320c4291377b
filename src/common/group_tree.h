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
    // "Quake 3 Arena\Internet" for a group node.
    QString groupPath(int node) const;
    // "Quake 3 Arena - Internet": the caption of a shown group.
    QString caption(int node) const;

    // The node that shows a group: from the group's game node on, the
    // first node whose text ends the path. -1 when the path names no game
    // or no node ends it.
    int nodeForGroup(const QString& group) const;
    // Adds a user group (image 1) under the game when no node shows the
    // group (nodeForGroup); true when it did. Nothing for a path that names
    // no game.
    bool ensureGroupNode(const QString& group);

    // What a browser shows for a chosen node: its group path, its caption
    // and the user groups beside it for the "Save in" box. A game node
    // stands for its Recent group (the node with its key and "R"); `node`
    // is -1 when the node is none.
    struct Shown {
        int node = -1;
        QString group;
        QString caption;
        QStringList groupBox;
    };
    Shown show(int node) const;

    // The group of the same game with another name: ("Quake 3
    // Arena\Recent", "Clan") gives "Quake 3 Arena\Clan".
    static QString groupBeside(const QString& group, const QString& name);

    // Adds a node under the node with `parentKey` (none for a game node).
    int add(const QString& key, const QString& text, const QString& parentKey, int image = 1);

private:
    bool isGameNode(int node) const;
    // The game node whose text starts the group path; -1 for none.
    int gameNodeOf(const QString& group) const;
    // The texts of the user groups beside a node, in node order.
    QStringList userGroupsBeside(int node) const;

    QVector<Node> nodes_;
};

// "Save" into the group the "Save in" box names, as both browsers answer
// it: refused for a built-in group, with nothing chosen, or with no name.
enum class GroupSave { Saved, BuiltInGroup, NothingChosen, NoGroupName };
GroupSave checkGroupSave(const QString& groupName, bool chosen);
// The message of a refused save; each browser says what to choose.
QString groupSaveMessage(GroupSave result, const QString& chooseFirst);

} // namespace fennick
