#include "common/group_tree.h"

namespace fennick {

int GroupTree::add(const QString& key, const QString& text, const QString& parentKey, int image) {
    const int parent = parentKey.isEmpty() ? -1 : nodeWithKey(parentKey);
    nodes_.append({key, text, parent, image});
    return int(nodes_.size()) - 1;
}

int GroupTree::nodeWithKey(const QString& key) const {
    for (int i = 0; i < nodes_.size(); ++i)
        if (!key.isEmpty() && nodes_[i].key == key)
            return i;
    return -1;
}

bool GroupTree::isGameNode(int node) const {
    return node >= 0 && node < nodes_.size() && nodes_[node].parent < 0;
}

QString GroupTree::groupPath(int node) const {
    if (node < 0 || node >= nodes_.size() || nodes_[node].parent < 0)
        return {};
    return nodes_[nodes_[node].parent].text + QLatin1Char('\\') + nodes_[node].text;
}

QString GroupTree::caption(int node) const {
    if (node < 0 || node >= nodes_.size() || nodes_[node].parent < 0)
        return {};
    return nodes_[nodes_[node].parent].text + QStringLiteral(" - ") + nodes_[node].text;
}

int GroupTree::gameNodeOf(const QString& group) const {
    for (int i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].parent < 0 && group.startsWith(nodes_[i].text))
            return i;
    return -1;
}

int GroupTree::nodeForGroup(const QString& group) const {
    const int game = gameNodeOf(group);
    if (game < 0)
        return -1;
    for (int i = game; i < nodes_.size(); ++i)
        if (group.endsWith(nodes_[i].text))
            return i;
    return -1;
}

bool GroupTree::ensureGroupNode(const QString& group) {
    const int game = gameNodeOf(group);
    if (game < 0 || nodeForGroup(group) >= 0)
        return false;
    const qsizetype slash = group.indexOf(QLatin1Char('\\'));
    nodes_.append({QString(), slash < 0 ? QString() : group.mid(slash + 1), game, 1});
    return true;
}

QStringList GroupTree::userGroupsBeside(int node) const {
    QStringList names;
    if (node < 0 || node >= nodes_.size())
        return names;
    const int parent = nodes_[node].parent;
    for (const Node& other : nodes_)
        if (other.key.isEmpty() && other.parent == parent && parent >= 0)
            names.append(other.text);
    return names;
}

namespace {

// The built-in groups' names: no record is saved into them by hand.
bool isBuiltInGroupName(const QString& name) {
    return name == QLatin1String("Recent") || name == QLatin1String("Internet") ||
           name == QLatin1String("LAN Network");
}

} // namespace

GroupSave checkGroupSave(const QString& groupName, bool chosen) {
    if (isBuiltInGroupName(groupName))
        return GroupSave::BuiltInGroup;
    if (!chosen)
        return GroupSave::NothingChosen;
    return groupName.isEmpty() ? GroupSave::NoGroupName : GroupSave::Saved;
}

QString groupSaveMessage(GroupSave result, const QString& chooseFirst) {
    switch (result) {
    case GroupSave::BuiltInGroup:
        return QStringLiteral("You cannot add a server to these groups");
    case GroupSave::NothingChosen:
        return chooseFirst;
    case GroupSave::NoGroupName:
        return QStringLiteral("You  must specify a group name in the drop down list.\r\n"
                              "Type a new name if you want to add a new group.");
    case GroupSave::Saved:
        break;
    }
    return {};
}

GroupTree::Shown GroupTree::show(int node) const {
    if (isGameNode(node))
        node = nodeWithKey(nodes_[node].key + QLatin1Char('R'));
    if (node < 0 || node >= nodes_.size())
        return {};
    return {node, groupPath(node), caption(node), userGroupsBeside(node)};
}

QString GroupTree::groupBeside(const QString& group, const QString& name) {
    return group.left(group.indexOf(QLatin1Char('\\')) + 1) + name;
}

} // namespace fennick
