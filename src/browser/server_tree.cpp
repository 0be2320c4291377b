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
    add(QStringLiteral("Q1"), QStringLiteral("Quake 1"), {});
    add(QStringLiteral("Q1R"), kRecent, QStringLiteral("Q1"));
    add(QStringLiteral("Q2"), QStringLiteral("Quake 2"), {});
    add(QStringLiteral("Q2R"), kRecent, QStringLiteral("Q2"));
    add(QStringLiteral("Q2L"), kLan, QStringLiteral("Q2"));
    add(QStringLiteral("Q3"), QStringLiteral("Quake 3 Arena"), {});
    add(QStringLiteral("Q3R"), kRecent, QStringLiteral("Q3"));
    add(QStringLiteral("Q3M"), kInternet, QStringLiteral("Q3"));
    add(QStringLiteral("Q3L"), kLan, QStringLiteral("Q3"));
}

} // namespace fennick
