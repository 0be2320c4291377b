#include "browser/server_browser.h"

#include "browser/browser_work.h"
#include "browser/servers_file.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "platform/text_file.h"

#include <QSet>

namespace fennick {

namespace {

const QString kChooseFirst = QStringLiteral("Choose a server first: click one or type its address");

} // namespace

ServerBrowser::ServerBrowser(const BrowserServices& services, QObject* parent)
    : QObject(parent), services_(services) {
    connect(&rows_, &ServerRows::nameEdited, this, &ServerBrowser::renameServer);
}

ServerBrowser::~ServerBrowser() = default;

platform::Clock& ServerBrowser::clock() const {
    return services_.clock;
}

std::function<void()> ServerBrowser::yielder() const {
    UiHost* ui = &services_.ui;
    return [ui] { ui->yieldOnce(); };
}

QString ServerBrowser::serversPath() const {
    return services_.programPath(QStringLiteral("servers.lst"));
}

StatusContext ServerBrowser::statusContext() const {
    return {&services_.enums, services_.game.currentGame, services_.clock.secondsSinceMidnight(),
            typesByGroupGame_};
}

void ServerBrowser::open() {
    work_ = std::make_unique<BrowserWork>(*this, services_);
    Q_EMIT workStarted(work_.get());
    work_->start();
    list_.clear();
    tree_ = ServerTree();
    rows_.clear();
    shown_ = {};
    Q_EMIT treeChanged();
    rows_.setFilter(ServerFilter::load(services_.ini));
    LoadServers();
    const QString prefix = gameFacts(services_.game.currentGame).prefix.toUpper(); // "Q3"
    if (!prefix.isEmpty())
        selectNode(tree_.nodeWithKey(prefix + QLatin1Char('R')));
}

bool ServerBrowser::close() {
    if (work_) {
        work_->stop();
        filter().save(services_.ini);
        QString error;
        if (!services_.ini.save(&error))
            services_.console.ConsolePrint(QStringLiteral("Could not save fennick.ini: ") + error);
    }
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
    if (tree_.ensureGroupNode(record.group))
        Q_EMIT treeChanged();
    if (record.group == shown_.group)
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
    list_.removeGroup(group);
    RefreshServerList();
}

void ServerBrowser::RefreshServerList() {
    QVector<ServerRecord> rows = list_.groupRecords(shown_.group);
    if (filter().findsInAllGroups()) {
        QSet<QString> shown;
        for (const ServerRecord& record : std::as_const(rows))
            shown.insert(record.ip);
        for (const ServerRecord& record : list_.records())
            if (record.group != shown_.group && isShown(record.group) &&
                !shown.contains(record.ip)) {
                rows.append(record);
                shown.insert(record.ip);
            }
    }
    rows_.assign(std::move(rows));
    showRowCount();
}

bool ServerBrowser::isShown(const QString& group) const {
    if (group == shown_.group)
        return true;
    const qsizetype slash = shown_.group.indexOf(QLatin1Char('\\'));
    return filter().findsInAllGroups() && slash > 0 &&
           group.startsWith(QStringView(shown_.group).left(slash + 1));
}

void ServerBrowser::setFilter(const ServerFilter& filter) {
    const bool regroup = filter.findsInAllGroups() != this->filter().findsInAllGroups();
    rows_.setFilter(filter);
    if (regroup)
        RefreshServerList();
    else
        showRowCount();
}

QStringList ServerBrowser::filterChoices(QString ServerRecord::*field) const {
    QStringList values;
    for (int row = 0; row < rows_.rowCount(); ++row)
        values.append(rows_.row(row).*field);
    return fennick::filterChoices(values);
}

void ServerBrowser::ShowServerInList(const ServerRecord& record) {
    rows_.append(record);
    showRowCount();
}

void ServerBrowser::UpdateServerInList(const ServerRecord& record) {
    if (isShown(record.group) && rows_.update(record) && filter().active())
        showRowCount(); // the row may pass or fail now
}

// With a filter the count says how many of the rows pass: "42 of 310
// servers (filtered)".
void ServerBrowser::showRowCount() {
    if (statusHold_ > 0)
        return;
    const QString all = QString::number(rows_.rowCount());
    if (!filter().active())
        return setStatusText(all + QStringLiteral(" servers"));
    setStatusText(QString::number(rows_.passingCount()) + QStringLiteral(" of ") + all +
                  QStringLiteral(" servers (filtered)"));
}

void ServerBrowser::tickStatus() {
    if (statusHold_ > 0)
        --statusHold_;
    showRowCount();
}

void ServerBrowser::showNotice(const QString& text, int ticks) {
    setStatusText(text);
    statusHold_ = std::max(ticks, 0);
}

void ServerBrowser::reportFailure(const QString& text) {
    services_.console.ConsolePrint(text);
    showNotice(text);
}

void ServerBrowser::LoadServers() {
    const QVector<ServerRecord> records = servers_file::read(serversPath());
    list_.reserve(std::min(list_.count() + int(records.size()), ServerList::kMaxRecords));
    for (const ServerRecord& record : records)
        AddOrUpdateServer(record);
}

bool ServerBrowser::SaveServers() {
    const double today = services_.clock.daySerial();
    QStringList lines;
    for (const ServerRecord& record : list_.records())
        if (servers_file::keptAt(record, today))
            lines.append(servers_file::lineOf(record));
    QString error;
    if (platform::writeTextLines(serversPath(), lines, &error, platform::TextEncoding::Latin1))
        return true;
    services_.console.ConsolePrint(QStringLiteral("Could not save servers.lst: ") + error);
    return false;
}

void ServerBrowser::selectNode(int node) {
    GroupTree::Shown shown = tree_.show(node);
    if (shown.node < 0)
        return;
    shown_ = std::move(shown);
    statusHold_ = 0;
    Q_EMIT selectionChanged();
    RefreshServerList();
    if (work_)
        work_->groupSelected();
    sortForGroup();
}

// A Recent group shows the newest first; elsewhere a sort by the added day
// gives way to the user's sort (the ping until they chose one), any other
// sort stays.
void ServerBrowser::sortForGroup() {
    const int added = ServerRows::ColumnIndex(QStringLiteral("addtime"));
    if (shown_.group.endsWith(QLatin1String("Recent"))) {
        sort_.newestFirst(added);
    } else if (sort_.column == added || sort_.column < 0) {
        const bool own = sort_.userColumn >= 0 && sort_.userColumn != added;
        sort_.column = own ? sort_.userColumn : ServerRows::ColumnIndex(QStringLiteral("ping"));
        sort_.order = own ? sort_.userOrder : Qt::AscendingOrder;
    } else {
        return;
    }
    Q_EMIT sortChanged();
}

void ServerBrowser::sortClicked(int column) {
    sort_.click(column, int(ServerRows::columns().size()));
    Q_EMIT sortChanged();
}

void ServerBrowser::rememberSort(int column, Qt::SortOrder order) {
    sort_.remember(column, order, int(ServerRows::columns().size()));
}

// The stored texts are the servers' bytes: a typed text is looked for as
// it is and as the bytes UTF-8 gives it, so "Café" finds a server that
// sends its name in UTF-8 as well as one that sends Latin-1.
int ServerBrowser::searchRow(const QString& text, const QVector<int>& shownOrder) const {
    const QString asSent = QString::fromLatin1(text.toUtf8());
    for (int row : shownOrder) {
        if (row < 0 || row >= rows_.rowCount())
            continue;
        const ServerRecord& r = rows_.row(row);
        for (const QString* field : {&r.hostname, &r.ip, &r.playernames, &r.map, &r.mod})
            if (field->contains(text) || field->contains(asSent))
                return row;
    }
    return -1;
}

bool ServerBrowser::isNoAddress(const QString& address) {
    const QString host = address.section(QLatin1Char(':'), 0, 0).trimmed();
    return host.isEmpty() || host == QLatin1String("0.0.0.0");
}

// A password belongs to the server it was typed for: with the box empty,
// one left from an earlier join is dropped, so it never goes to this one.
bool ServerBrowser::connectToServer() {
    if (isNoAddress(connectTo_)) {
        showNotice(kChooseFirst);
        return false;
    }
    // The address is one word of the "connect" line: from a list file or a
    // master it must not carry a second command.
    if (breaksCommandWord(connectTo_) || connectTo_.contains(QLatin1Char(' '))) {
        services_.console.ConsolePrint(leftOutNotice(QStringLiteral("server"), connectTo_));
        showNotice(QStringLiteral("This address cannot be used"));
        return false;
    }
    services_.interpreter.ExecuteLine(QStringLiteral("fenkit_mp 3"), true);
    if (isGameId(services_.game.currentGame)) {
        if (passwordBox_.isEmpty())
            services_.cvars.DeleteCvar(QStringLiteral("password"));
        else
            services_.cvars.SetCvar(QStringLiteral("password"), passwordBox_, 0, 0,
                                    QStringLiteral("set"));
        services_.interpreter.ExecuteLine(QStringLiteral("connect ") + connectTo_, true);
    }
    selected_.addtime = services_.clock.daySerial();
    if (const GameFacts* game = gameOfText(shown_.caption))
        selected_.group = game->displayName + QStringLiteral("\\Recent");
    AddOrUpdateServer(selected_);
    Q_EMIT closeRequested();
    return true;
}

void ServerBrowser::storeInPlace(const ServerRecord& record) {
    if (!list_.find(record.ip, record.group))
        return;
    list_.store(record);
    UpdateServerInList(record);
}

bool ServerBrowser::addPending(const QString& entry) {
    if (pendingSeen_.contains(entry))
        return false;
    pendingSeen_.insert(entry);
    pending_.append(entry);
    return true;
}

QStringList ServerBrowser::takePending() {
    return std::exchange(pending_, {});
}

void ServerBrowser::setStatusText(const QString& text) {
    statusHold_ = 0;
    statusText_ = text;
    Q_EMIT statusChanged();
}

GroupSave ServerBrowser::saveIntoGroup(const QString& groupName) {
    const GroupSave check = checkGroupSave(groupName, !selected_.ip.isEmpty());
    if (check != GroupSave::Saved)
        return check;
    selected_.group = GroupTree::groupBeside(shown_.group, groupName);
    selectNode(tree_.nodeForGroup(shown_.group));
    AddOrUpdateServer(selected_);
    RefreshServerList();
    return GroupSave::Saved;
}

QString ServerBrowser::messageOf(GroupSave result) {
    return groupSaveMessage(
        result,
        QStringLiteral("You have to specify an IP adress in the Connect To checkbox first"));
}

void ServerBrowser::renameServer(const QString& ip, const QString& name) {
    ServerRecord record;
    record.ip = ip;
    record.group = shown_.group;
    GetServer(record);
    record.hostname = name;
    AddOrUpdateServer(record);
}

void ServerBrowser::deleteServer(const QString& ip) {
    ServerRecord record;
    record.ip = ip;
    record.group = shown_.group;
    RemoveServer(record);
    RefreshServerList();
}

void ServerBrowser::setConnectTo(const QString& address) {
    if (statusText_ == kChooseFirst) {
        statusHold_ = 0; // a server is being chosen: the request is answered
        showRowCount();
    }
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
    const QString group = rows_.row(row).group; // another group's, in a find in all groups
    setConnectTo(rows_.row(row).ip);
    selected_.group = group;
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
    record.group = shown_.group;
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
