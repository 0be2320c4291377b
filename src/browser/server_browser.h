#pragma once

#include "browser/browser_services.h"
#include "browser/server_list.h"
#include "browser/server_rows.h"
#include "browser/server_tree.h"
#include "browser/status_parser.h"
#include "common/list_sort.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>

namespace fennick {

class BrowserWork;
namespace platform {
class Clock;
}

// The server browser as a model: every stored server with its groups, the
// tree, the rows of the shown group, the chosen server and the texts the
// window shows. The window forwards its events here and draws what it
// finds; the command-line tool uses the same model without a window.
class ServerBrowser : public QObject {
    Q_OBJECT
public:
    explicit ServerBrowser(const BrowserServices& services, QObject* parent = nullptr);

    ~ServerBrowser() override;

    // Window open: the query sockets and the timer started, a fresh tree,
    // "servers.lst" loaded, the current game's Recent group shown. Window
    // close: the timer stopped and "servers.lst" saved.
    void open();
    bool close();
    // The working side while the window is open; null before.
    BrowserWork* work() { return work_.get(); }

    void AddOrUpdateServer(const ServerRecord& record);
    void GetServer(ServerRecord& record) const;
    void RemoveServer(const ServerRecord& record);
    void RemoveServerGroup(const QString& group);
    void RefreshServerList();
    void ShowServerInList(const ServerRecord& record);
    void UpdateServerInList(const ServerRecord& record);
    void LoadServers();
    bool SaveServers();

    // A tree node was chosen: a game node shows its Recent group.
    void selectNode(int node);

    // "Save" into the group the group box names.
    GroupSave saveIntoGroup(const QString& groupName);
    static QString messageOf(GroupSave result);

    // The user's edits of the shown group.
    void renameServer(const QString& ip, const QString& name);
    void deleteServer(const QString& ip);
    // "Connect To" typed or set: a new chosen server with only an address.
    void setConnectTo(const QString& address);
    // A row was clicked: it becomes the chosen server.
    void rowClicked(int row);
    // The name and password boxes, typed by the user.
    void nameTyped(const QString& name);
    void passwordTyped(const QString& password);

    // OK: the next launch connects to the chosen server, which goes into
    // its game's Recent group; then the browser closes. With no server
    // chosen (no address, or 0.0.0.0) nothing is set, the status label
    // says so and the browser stays open; false then.
    bool connectToServer();
    static bool isNoAddress(const QString& address);

    // The list's sort (see ListSort): a Recent group shows the newest
    // first. Leaving it for another group gives the user's own sort back,
    // else the ping.
    void sortClicked(int column);
    const ListSort& sort() const { return sort_; }
    void rememberSort(int column, Qt::SortOrder order);

    // The filters of the list. A find in all groups shows the records of
    // the game's other groups too, one row per address (the shown group's
    // first). The window keeps them in "fennick.ini" from open to close.
    const ServerFilter& filter() const { return rows_.filter(); }
    void setFilter(const ServerFilter& filter);
    // The drop-down choices of a field among the shown rows, "any" first.
    QStringList filterChoices(QString ServerRecord::*field) const;

    // The first of the rows (in the order shown) whose name, address,
    // players, map or mod holds the text, letter case exact; -1 for none.
    int searchRow(const QString& text, const QVector<int>& shownOrder) const;

    // A status reply on a query socket sent for `group`.
    void queryAnswered(const ServerRecord& record);
    // Any datagram on any of the browser's sockets.
    void datagramArrived();

    // A stored record changed where it is (a refresh): the list and its row.
    void storeInPlace(const ServerRecord& record);
    void setSelectedServer(const ServerRecord& record) { selected_ = record; }

    // The pending list of addresses found by the master servers, each
    // "address\\group". Adding an address that is there already does nothing.
    bool addPending(const QString& entry);
    int pendingCount() const { return int(pending_.size()); }
    QStringList takePending();
    void clearPending() {
        pending_.clear();
        pendingSeen_.clear();
    }

    void setStatusText(const QString& text);
    // A message the status label keeps for `ticks` timer ticks before the
    // row count comes back (a new status text or group replaces it sooner).
    void showNotice(const QString& text, int ticks = kNoticeTicks);
    // A failure the user waits for: the console and the status label.
    void reportFailure(const QString& text);
    // The row count, unless a notice is being held.
    void showRowCount();
    // The timer's second: a held notice ages, then the row count shows.
    void tickStatus();
    static constexpr int kNoticeTicks = 8;

    platform::Clock& clock() const;
    std::function<void()> yielder() const;

    StatusContext statusContext() const;
    // Replies name their game types by the enumerations of their group's
    // game rather than the current game's: for fennick-cli, which has none.
    void nameTypesByGroupGame() { typesByGroupGame_ = true; }
    QString serversPath() const;

    const ServerList& list() const { return list_; }
    const ServerTree& tree() const { return tree_; }
    ServerRows& rows() { return rows_; }

    int currentNode() const { return shown_.node; }
    const QString& CurrentServerGroup() const { return shown_.group; }
    const QString& caption() const { return shown_.caption; }
    const QStringList& groupBox() const { return shown_.groupBox; }
    const QString& statusText() const { return statusText_; }
    const ServerRecord& SelectedServer() const { return selected_; }
    const QString& connectTo() const { return connectTo_; }
    const QString& nameBox() const { return nameBox_; }
    const QString& passwordBox() const { return passwordBox_; }
    bool OnlineMode() const { return online_; }
    void setOnlineMode(bool online);

Q_SIGNALS:
    void treeChanged();                  // a node was added or the tree was rebuilt
    void sortChanged();                  // the list's sort column or order
    void closeRequested();               // OK was pressed: the window closes
    void workStarted(BrowserWork* work); // open() made the working side
    void selectionChanged();             // the shown group, its caption and the group box
    void statusChanged();                // the status label
    void chosenChanged();                // the "Connect To", name and password boxes
    void onlineChanged();

private:
    // A record of the shown group, or of another group of its game while
    // a find looks in all groups.
    bool isShown(const QString& group) const;
    void typedIntoBox(QString ServerRecord::*field, const QString& text);
    void sortForGroup();

    BrowserServices services_;
    ServerList list_;
    ServerTree tree_;
    ServerRows rows_;
    GroupTree::Shown shown_;
    QString statusText_ = QStringLiteral("0 servers");
    int statusHold_ = 0;
    ServerRecord selected_;
    QString connectTo_ = QStringLiteral("0.0.0.0");
    QString nameBox_;
    QString passwordBox_;
    bool online_ = true;
    bool typesByGroupGame_ = false;
    QStringList pending_;
    QSet<QString> pendingSeen_;
    ListSort sort_{-1, Qt::DescendingOrder};
    std::unique_ptr<BrowserWork> work_;
};

} // namespace fennick
