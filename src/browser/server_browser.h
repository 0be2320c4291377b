#pragma once

#include "browser/server_list.h"
#include "browser/server_rows.h"
#include "browser/server_tree.h"
#include "browser/status_parser.h"

#include <QObject>
#include <QStringList>

namespace fennick {

class Program;

// The server browser as a model: every stored server with its groups, the
// tree, the rows of the shown group, the chosen server and the texts the
// window shows. The window forwards its events here and draws what it
// finds; the command-line tool uses the same model without a window.
class ServerBrowser : public QObject {
    Q_OBJECT
public:
    explicit ServerBrowser(Program& program, QObject* parent = nullptr);

    // Window open: a fresh tree, "servers.lst" loaded, the current game's
    // Recent group shown. Window close: "servers.lst" saved.
    void open();
    bool close();

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
    enum class SaveResult { Saved, BuiltInGroup, NoAddress, NoGroupName };
    SaveResult saveIntoGroup(const QString& groupName);
    static QString messageOf(SaveResult result);

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

    // A status reply on a query socket sent for `group`.
    void queryAnswered(const ServerRecord& record);
    // Any datagram on any of the browser's sockets.
    void datagramArrived();

    StatusContext statusContext() const;
    QString serversPath() const;

    const ServerList& list() const { return list_; }
    const ServerTree& tree() const { return tree_; }
    ServerRows& rows() { return rows_; }

    int currentNode() const { return currentNode_; }
    const QString& CurrentServerGroup() const { return currentGroup_; }
    const QString& caption() const { return caption_; }
    const QStringList& groupBox() const { return groupBox_; }
    const QString& statusText() const { return statusText_; }
    const ServerRecord& SelectedServer() const { return selected_; }
    const QString& connectTo() const { return connectTo_; }
    const QString& nameBox() const { return nameBox_; }
    const QString& passwordBox() const { return passwordBox_; }
    bool OnlineMode() const { return online_; }
    void setOnlineMode(bool online);

Q_SIGNALS:
    void treeChanged();      // a node was added or the tree was rebuilt
    void selectionChanged(); // the shown group, its caption and the group box
    void statusChanged();    // the status label
    void chosenChanged();    // the "Connect To", name and password boxes
    void onlineChanged();

private:
    // The shown group as its caption gives it ("Quake 3 Arena\Recent").
    QString captionGroup() const;
    void typedIntoBox(QString ServerRecord::*field, const QString& text);
    void showRowCount();

    Program& program_;
    ServerList list_;
    ServerTree tree_;
    ServerRows rows_;
    int currentNode_ = -1;
    QString currentGroup_;
    QString caption_;
    QStringList groupBox_;
    QString statusText_ = QStringLiteral("0 servers");
    ServerRecord selected_;
    QString connectTo_ = QStringLiteral("0.0.0.0");
    QString nameBox_;
    QString passwordBox_;
    bool online_ = true;
};

} // namespace fennick
