#pragma once

#include "browser/sync_query.h"

#include <QObject>
#include <QVector>
#include <memory>
#include <vector>

namespace fennick {

class QueryPool;
class ServerBrowser;

// One Refresh of the shown group. Every server not updated in the last
// five seconds is asked again: a server that has never answered goes to
// the query pool when the list is long (more than 50 rows); the others
// are asked with up to `parallel` one-second queries at a time. An answer
// updates the stored record in place (its password and added day stay);
// silence gives ping 999 and no players, and removes the server from an
// Internet group while the browser is online. The browser's list may
// change while a refresh runs: records are found again by address and
// group, and one that is gone is skipped.
class RefreshRun : public QObject {
    Q_OBJECT
public:
    RefreshRun(ServerBrowser& browser, QueryPool& pool, int parallel, QObject* parent = nullptr);

    // False when a refresh is already running (the "working" guard).
    bool start();
    bool working() const { return working_; }

Q_SIGNALS:
    void progress(int value, int maximum);
    void finished();

private:
    struct Target {
        QString ip;
        QString group;
    };
    void next();
    void ask(SyncQuery& query, const Target& target);
    void done(const Target& target, bool answered, const QByteArray& reply, double seconds);

    ServerBrowser& browser_;
    QueryPool& pool_;
    std::vector<std::unique_ptr<SyncQuery>> queries_;
    QVector<Target> targets_;
    QString caption_;
    qsizetype nextTarget_ = 0;
    int outstanding_ = 0;
    bool working_ = false;
};

} // namespace fennick
