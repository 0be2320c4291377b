#include "browser/refresh_run.h"

#include "browser/query_pool.h"
#include "browser/server_browser.h"
#include "platform/clock.h"

namespace fennick {

namespace {

constexpr double kFreshSeconds = 5.0;
constexpr int kLongList = 50;

} // namespace

RefreshRun::RefreshRun(ServerBrowser& browser, QueryPool& pool, int parallel, QObject* parent)
    : QObject(parent), browser_(browser), pool_(pool) {
    for (int i = 0; i < std::max(parallel, 1); ++i)
        queries_.push_back(std::make_unique<SyncQuery>(browser.clock(), browser.yielder()));
}

bool RefreshRun::start() {
    if (working_)
        return false;
    working_ = true;
    targets_.clear();
    nextTarget_ = 0;
    caption_ = browser_.caption();
    const ServerList& list = browser_.list();
    const double now = browser_.clock().secondsSinceMidnight();
    const bool longList = browser_.rows().rowCount() > kLongList;
    const QString group = browser_.CurrentServerGroup();
    for (int slot = 1; slot <= list.count(); ++slot) {
        const ServerRecord& record = list.at(slot);
        if (record.group != group || now - record.lastupdate <= kFreshSeconds)
            continue;
        if (record.hostname.isEmpty() && longList)
            pool_.enqueue(record.ip, group, qint16(std::min(slot, 32767)));
        else
            targets_.append({record.ip, record.group});
    }
    Q_EMIT progress(0, int(targets_.size()));
    next();
    return true;
}

// Keeps every idle query busy until the targets run out; the run ends
// with the last answer or wait.
void RefreshRun::next() {
    for (const auto& query : queries_) {
        if (nextTarget_ >= targets_.size())
            break;
        if (!query->busy())
            ask(*query, targets_[nextTarget_++]);
    }
    if (outstanding_ == 0 && nextTarget_ >= targets_.size() && working_) {
        working_ = false;
        Q_EMIT progress(int(targets_.size()), int(targets_.size()));
        Q_EMIT finished();
    }
}

void RefreshRun::ask(SyncQuery& query, const Target& target) {
    ++outstanding_;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection =
        connect(&query, &SyncQuery::finished, this,
                [this, target, connection](bool answered, const QByteArray& reply, double seconds) {
                    disconnect(*connection);
                    --outstanding_;
                    done(target, answered, reply, seconds);
                    Q_EMIT progress(int(nextTarget_) - outstanding_, int(targets_.size()));
                    next();
                });
    query.start(target.ip, caption_);
}

void RefreshRun::done(const Target& target, bool answered, const QByteArray& reply,
                      double seconds) {
    ServerRecord record;
    record.ip = target.ip;
    record.group = target.group;
    if (!browser_.list().find(target.ip, target.group))
        return; // removed meanwhile
    browser_.GetServer(record);
    if (answered) {
        record.ping = pingOf(seconds);
        ParseStatus(record, QString::fromLatin1(reply.left(kMaxReplyBytes)),
                    browser_.statusContext());
        browser_.storeInPlace(record);
        return;
    }
    record.playernames.clear();
    record.ping = 999;
    if (caption_.endsWith(QLatin1String("Internet")) && browser_.OnlineMode())
        browser_.RemoveServer(record);
    else
        browser_.storeInPlace(record);
}

} // namespace fennick
