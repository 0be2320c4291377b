#include "browser/server_browser.h"

#include "app/program.h"
#include "browser/servers_file.h"
#include "common/game_ids.h"
#include "platform/text_file.h"

namespace fennick {

ServerBrowser::ServerBrowser(Program& program, QObject* parent)
    : QObject(parent), program_(program) {
    connect(&rows_, &ServerRows::nameEdited, this, &ServerBrowser::renameServer);
}

QString ServerBrowser::serversPath() const {
    return program_.programPath(QStringLiteral("servers.lst"));
}

StatusContext ServerBrowser::statusContext() const {
    return {&program_.enums, program_.game.currentGame, program_.clock.secondsSinceMidnight()};
}

void ServerBrowser::open() {
    list_.clear();
    tree_ = ServerTree();
    rows_.clear();
    currentNode_ = -1;
    currentGroup_.clear();
    caption_.clear();
    Q_EMIT treeChanged();
    LoadServers();
    const QString prefix = gamePrefix(program_.game.currentGame).toUpper(); // "Q3"
    if (!prefix.isEmpty())
        selectNode(tree_.nodeWithKey(prefix + QLatin1Char('R')));
}

bool ServerBrowser::close() {
    return SaveServers();
}

void ServerBrowser::AddOrUpdateServer(const ServerRecord& record) {
    const bool known = list_.find(record.ip, record.group) != 0;
    if (!list_.store(record))
        return;
    if (known) {
        if (selected_.group == record.group && selected_.ip == record.ip)
            selected_ = record;
        UpdateServerInList(record);
        return;
    }
    const int before = int(tree_.nodes().size());
    tree_.ensureGroupNode(record.group);
    if (tree_.nodes().size() != before)
        Q_EMIT treeChanged();
    if (record.group == currentGroup_)
        ShowServerInList(record);
}

void ServerBrowser::GetServer(ServerRecord& record) const {
    if (const int slot = list_.find(record.ip, record.group))
        record = list_.at(slot);
}

void ServerBrowser::RemoveServer(const ServerRecord& record) {
    list_.removeSlot(list_.find(record.ip, record.group));
}

void ServerBrowser::RemoveServerGroup(const QString& group) {
    for (int slot = 1; slot <= list_.count();) {
        if (list_.at(slot).group == group)
            list_.removeSlot(slot);
        else
            ++slot;
    }
    RefreshServerList();
}

void ServerBrowser::RefreshServerList() {
    rows_.clear();
    for (int slot = 1; slot <= list_.count(); ++slot)
        if (list_.at(slot).group == currentGroup_)
            rows_.append(list_.at(slot));
    showRowCount();
}

void ServerBrowser::ShowServerInList(const ServerRecord& record) {
    rows_.append(record);
    showRowCount();
}

void ServerBrowser::UpdateServerInList(const ServerRecord& record) {
    if (record.group == currentGroup_)
        rows_.update(record);
}

void ServerBrowser::showRowCount() {
    statusText_ = QString::number(rows_.rowCount()) + QStringLiteral(" servers");
    Q_EMIT statusChanged();
}

void ServerBrowser::LoadServers() {
    for (const ServerRecord& record : servers_file::read(serversPath()))
        AddOrUpdateServer(record);
}

bool ServerBrowser::SaveServers() {
    const double today = program_.clock.daySerial();
    QStringList lines;
    for (int slot = 1; slot <= list_.count(); ++slot)
        if (servers_file::keptAt(list_.at(slot), today))
            lines.append(servers_file::lineOf(list_.at(slot)));
    QString error;
    if (platform::writeTextLines(serversPath(), lines, &error))
        return true;
    program_.console.ConsolePrint(QStringLiteral("Could not save servers.lst: ") + error);
    return false;
}

void ServerBrowser::selectNode(int node) {
    if (node < 0 || node >= tree_.nodes().size())
        return;
    if (tree_.isGameNode(node)) {
        selectNode(tree_.nodeWithKey(tree_.nodes()[node].key + QLatin1Char('R')));
        return;
    }
    currentNode_ = node;
    caption_ = tree_.caption(node);
    currentGroup_ = tree_.groupPath(node);
    groupBox_ = tree_.userGroupsBeside(node);
    Q_EMIT selectionChanged();
    RefreshServerList();
}

QString ServerBrowser::captionGroup() const {
    QString group = caption_;
    return group.replace(QStringLiteral(" - "), QStringLiteral("\\"));
}

ServerBrowser::SaveResult ServerBrowser::saveIntoGroup(const QString& groupName) {
    if (isBuiltInGroupName(groupName))
        return SaveResult::BuiltInGroup;
    if (selected_.ip.isEmpty())
        return SaveResult::NoAddress;
    if (groupName.isEmpty())
        return SaveResult::NoGroupName;
    const qsizetype slash = currentGroup_.indexOf(QLatin1Char('\\'));
    selected_.group = currentGroup_.left(slash + 1) + groupName;
    selectNode(tree_.nodeForGroup(currentGroup_));
    AddOrUpdateServer(selected_);
    RefreshServerList();
    return SaveResult::Saved;
}

QString ServerBrowser::messageOf(SaveResult result) {
    switch (result) {
    case SaveResult::BuiltInGroup:
        return QStringLiteral("You cannot add a server to these groups");
    case SaveResult::NoAddress:
        return QStringLiteral("You have to specify an IP adress in the Connect To checkbox first");
    case SaveResult::NoGroupName:
        return QStringLiteral("You  must specify a group name in the drop down list.\r\n"
                              "Type a new name if you want to add a new group.");
    case SaveResult::Saved:
        break;
    }
    return {};
}

void ServerBrowser::renameServer(const QString& ip, const QString& name) {
    ServerRecord record;
    record.ip = ip;
    record.group = captionGroup();
    GetServer(record);
    record.hostname = name;
    AddOrUpdateServer(record);
}

void ServerBrowser::deleteServer(const QString& ip) {
    ServerRecord record;
    record.ip = ip;
    record.group = captionGroup();
    RemoveServer(record);
    RefreshServerList();
}

void ServerBrowser::setConnectTo(const QString& address) {
    connectTo_ = address;
    selected_ = ServerRecord{};
    selected_.ip = address;
    nameBox_.clear();
    passwordBox_.clear();
    Q_EMIT chosenChanged();
}

void ServerBrowser::rowClicked(int row) {
    if (row < 0 || row >= rows_.rowCount())
        return;
    setConnectTo(rows_.row(row).ip);
    selected_.group = currentGroup_;
    GetServer(selected_);
    nameBox_ = selected_.hostname;
    passwordBox_ = selected_.password;
    Q_EMIT chosenChanged();
}

void ServerBrowser::nameTyped(const QString& name) {
    nameBox_ = name;
    typedIntoBox(&ServerRecord::hostname, name);
}

void ServerBrowser::passwordTyped(const QString& password) {
    passwordBox_ = password;
    typedIntoBox(&ServerRecord::password, password);
}

// A typed name or password goes to the chosen server, and is kept in the
// list only for a user group.
void ServerBrowser::typedIntoBox(QString ServerRecord::*field, const QString& text) {
    ServerRecord record;
    record.ip = connectTo_;
    record.group = captionGroup();
    GetServer(record);
    record.*field = text;
    selected_.*field = text;
    const QString group = record.group;
    if (!group.endsWith(QLatin1String("LAN Network")) &&
        !group.endsWith(QLatin1String("Internet")) && !group.endsWith(QLatin1String("Recent")))
        AddOrUpdateServer(record);
}

void ServerBrowser::queryAnswered(const ServerRecord& record) {
    datagramArrived();
    AddOrUpdateServer(record);
}

void ServerBrowser::datagramArrived() {
    setOnlineMode(true);
}

void ServerBrowser::setOnlineMode(bool online) {
    if (online_ == online)
        return;
    online_ = online;
    Q_EMIT onlineChanged();
}

} // namespace fennick
