#pragma once

#include "browser/browser_services.h"
#include "browser/discovery.h"
#include "browser/query_pool.h"
#include "browser/refresh_run.h"
#include "browser/server_info_painter.h"
#include "browser/sync_query.h"

#include <QObject>
#include <QTimer>

namespace fennick {

class ServerBrowser;

// The working side of the server browser: the query pool, the master and
// LAN discovery, Refresh, and the one-second timer that works off the
// pending list, keeps the chosen server up to date and redraws the info
// panel. It lives while the browser window is open.
class BrowserWork : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 1000;

    BrowserWork(ServerBrowser& browser, const BrowserServices& services, QObject* parent = nullptr);

    // Starts and stops the timer (window open and close).
    void start();
    void stop();

    // After a node selection: Get List where it is due, Refresh while
    // online.
    void groupSelected();
    bool refresh();
    bool getList() { return discovery_.getList(); }

    // One timer tick; the timer calls it every second.
    void tick();
    int phase() const { return phase_; }
    // What the info panel shows now.
    ServerInfoView infoView() const;
    // The online label: "Online", "Offline", or "..." right after a click.
    const QString& onlineLabel() const { return onlineLabel_; }
    void toggleOnline();

    QueryPool& pool() { return pool_; }
    Discovery& discovery() { return discovery_; }
    RefreshRun& refreshRun() { return refresh_; }

Q_SIGNALS:
    void ticked();                         // the info panel and labels changed
    void progress(int value, int maximum); // Refresh's progress
    void error(const QString& text);       // a socket error to show

private:
    void workOffPending();
    void autoUpdate();
    void updated(bool answered, const QByteArray& reply, double seconds);

    ServerBrowser& browser_;
    BrowserServices services_;
    QueryPool pool_;
    Discovery discovery_;
    RefreshRun refresh_;
    SyncQuery selectedQuery_;
    QString updating_; // the chosen server being asked again: group and address
    QTimer timer_;
    int phase_ = 0;
    QString onlineLabel_ = QStringLiteral("OnLine");
};

// The number in a setup box ("Update up to x servers at once", the update
// interval): its leading number, 0 for none.
int setupNumber(const QString& text);

} // namespace fennick
