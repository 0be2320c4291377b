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
    if (group.startsWith(QLatin1String("Quake 1")))
        return nodeWithKey(QStringLiteral("Q1"));
    if (group.startsWith(QLatin1String("Quake 2")))
        return nodeWithKey(QStringLiteral("Q2"));
    if (group.startsWith(QLatin1String("Quake 3 Arena")))
        return nodeWithKey(QStringLiteral("Q3"));
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

int GroupTree::ensureGroupNode(const QString& group) {
    const int game = gameNodeOf(group);
    if (game < 0)
        return -1;
    if (const int found = nodeForGroup(group); found >= 0)
        return found;
    const qsizetype slash = group.indexOf(QLatin1Char('\\'));
    nodes_.append({QString(), slash < 0 ? QString() : group.mid(slash + 1), game, 1});
    return int(nodes_.size()) - 1;
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

} // namespace fennick
