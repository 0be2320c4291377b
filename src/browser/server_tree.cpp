#include "browser/server_tree.h"

namespace fennick {

namespace {

const QString kRecent = QStringLiteral("Recent");
const QString kLan = QStringLiteral("LAN Network");
const QString kInternet = QStringLiteral("Internet");

} // namespace

bool isBuiltInGroupName(const QString& name) {
    return name == kRecent || name == kInternet || name == kLan;
}

ServerTree::ServerTree() {
    const int q1 = add(QStringLiteral("Q1"), QStringLiteral("Quake 1"), -1);
    add(QStringLiteral("Q1R"), kRecent, q1);
    const int q2 = add(QStringLiteral("Q2"), QStringLiteral("Quake 2"), -1);
    add(QStringLiteral("Q2R"), kRecent, q2);
    add(QStringLiteral("Q2L"), kLan, q2);
    const int q3 = add(QStringLiteral("Q3"), QStringLiteral("Quake 3 Arena"), -1);
    add(QStringLiteral("Q3R"), kRecent, q3);
    add(QStringLiteral("Q3M"), kInternet, q3);
    add(QStringLiteral("Q3L"), kLan, q3);
}

int ServerTree::add(const QString& key, const QString& text, int parent) {
    nodes_.append({key, text, parent});
    return int(nodes_.size()) - 1;
}

int ServerTree::nodeWithKey(const QString& key) const {
    for (int i = 0; i < nodes_.size(); ++i)
        if (!key.isEmpty() && nodes_[i].key == key)
            return i;
    return -1;
}

bool ServerTree::isGameNode(int node) const {
    return node >= 0 && node < nodes_.size() && nodes_[node].parent < 0;
}

QString ServerTree::groupPath(int node) const {
    if (node < 0 || node >= nodes_.size() || nodes_[node].parent < 0)
        return {};
    return nodes_[nodes_[node].parent].text + QLatin1Char('\\') + nodes_[node].text;
}

QString ServerTree::caption(int node) const {
    if (node < 0 || node >= nodes_.size() || nodes_[node].parent < 0)
        return {};
    return nodes_[nodes_[node].parent].text + QStringLiteral(" - ") + nodes_[node].text;
}

int ServerTree::gameNodeOf(const QString& group) const {
    if (group.startsWith(QLatin1String("Quake 1")))
        return nodeWithKey(QStringLiteral("Q1"));
    if (group.startsWith(QLatin1String("Quake 2")))
        return nodeWithKey(QStringLiteral("Q2"));
    if (group.startsWith(QLatin1String("Quake 3 Arena")))
        return nodeWithKey(QStringLiteral("Q3"));
    return -1;
}

int ServerTree::nodeForGroup(const QString& group) const {
    const int game = gameNodeOf(group);
    if (game < 0)
        return -1;
    for (int i = game; i < nodes_.size(); ++i)
        if (group.endsWith(nodes_[i].text))
            return i;
    return -1;
}

int ServerTree::ensureGroupNode(const QString& group) {
    const int game = gameNodeOf(group);
    if (game < 0)
        return -1;
    if (const int found = nodeForGroup(group); found >= 0)
        return found;
    const qsizetype slash = group.indexOf(QLatin1Char('\\'));
    return add(QString(), slash < 0 ? QString() : group.mid(slash + 1), game);
}

QStringList ServerTree::userGroupsBeside(int node) const {
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
