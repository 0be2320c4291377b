#include "browser/browser_work.h"

#include "browser/server_browser.h"
#include "common/number_text.h"
#include "launch/mod_description.h"

#include <cmath>

namespace fennick {

int setupNumber(const QString& text) {
    const double value = leadingNumber(text.trimmed());
    return std::isfinite(value) ? int(std::clamp(value, 0.0, 1e6)) : 0;
}

BrowserWork::BrowserWork(ServerBrowser& browser, const BrowserServices& services, QObject* parent)
    : QObject(parent), browser_(browser), services_(services),
      pool_(
          setupNumber(services.settings.maxServers), services.clock,
          [&browser] { return browser.statusContext(); }, browser.yielder()),
      discovery_(browser, networkSettingsOf(services)), refresh_(browser, pool_, pool_.size()),
      selectedQuery_(services.clock, browser.yielder()) {
    connect(&pool_, &QueryPool::arrived, &browser_, &ServerBrowser::datagramArrived);
    connect(&pool_, &QueryPool::answered, &browser_, &ServerBrowser::AddOrUpdateServer);
    connect(&pool_, &QueryPool::sendFailed, this,
            [this](ServerSocket::SendResult result, const QString& text) {
                if (result == ServerSocket::SendResult::Unreachable)
                    browser_.setOnlineMode(false);
                else
                    Q_EMIT error(text);
            });
    connect(&discovery_, &Discovery::error, this, &BrowserWork::error);
    connect(&refresh_, &RefreshRun::progress, this, &BrowserWork::progress);
    connect(&selectedQuery_, &SyncQuery::finished, this, &BrowserWork::updated);
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &BrowserWork::tick);
}

void BrowserWork::start() {
    timer_.start();
}

void BrowserWork::stop() {
    timer_.stop();
    discovery_.stop();
}

void BrowserWork::groupSelected() {
    const QString text = browser_.tree().nodes().value(browser_.currentNode()).text;
    if (discovery_.wantsGetList(text, browser_.rows().rowCount()))
        discovery_.getList();
    if (browser_.OnlineMode())
        refresh();
}

bool BrowserWork::refresh() {
    return refresh_.start();
}

void BrowserWork::toggleOnline() {
    browser_.setOnlineMode(!browser_.OnlineMode());
    onlineLabel_ = QStringLiteral("...");
    Q_EMIT ticked();
}

// The tick counter runs 1, 2, ..., 7, 0 and sets the info panel's phase.
void BrowserWork::tick() {
    phase_ = phase_ + 1 > 7 ? 0 : phase_ + 1;
    onlineLabel_ = browser_.OnlineMode() ? QStringLiteral("Online") : QStringLiteral("Offline");
    if (!browser_.SelectedServer().ip.isEmpty())
        autoUpdate();
    workOffPending();
    browser_.tickStatus();
    Q_EMIT ticked();
}

ServerInfoView BrowserWork::infoView() const {
    ServerInfoView view;
    view.server = browser_.SelectedServer();
    view.phase = phase_;
    view.ageSeconds = services_.clock.elapsedSince(view.server.lastupdate);
    view.updateInterval = setupNumber(services_.settings.updateFrequency);
    const bool details = ServerInfoPainter::showsDetails(phase_);
    view.modText = details ? ModDescription(services_, view.server.mod) : view.server.mod;
    view.mapText = details ? services_.mapTitles.shownTitle(view.server.map) : view.server.map;
    view.foundPlayer = browser_.filter().player;
    return view;
}

// The chosen server is asked again once its data is older than the
// interval; the answer (or its absence) comes back to updated().
void BrowserWork::autoUpdate() {
    const ServerRecord& selected = browser_.SelectedServer();
    const double age = services_.clock.elapsedSince(selected.lastupdate);
    if (age <= setupNumber(services_.settings.updateFrequency) || !browser_.OnlineMode() ||
        selectedQuery_.busy())
        return;
    updating_ = serverKeyOf(selected);
    selectedQuery_.start(selected.ip, selected.group);
}

// An answer for a server that is no longer the chosen one is dropped: it
// never becomes another server's state.
void BrowserWork::updated(bool answered, const QByteArray& reply, double seconds) {
    ServerRecord selected = browser_.SelectedServer();
    if (serverKeyOf(selected) != std::exchange(updating_, {}))
        return;
    if (answered) {
        selected.ping = pingOf(seconds);
        ParseStatus(selected, QString::fromLatin1(reply.left(kMaxReplyBytes)),
                    browser_.statusContext());
        browser_.setSelectedServer(selected);
        browser_.AddOrUpdateServer(selected);
    } else {
        selected.playernames.clear();
        selected.ping = 999;
        browser_.setSelectedServer(selected);
    }
    browser_.UpdateServerInList(selected);
    Q_EMIT ticked();
}

// Each pending entry "address\\group" goes to the pool, which sends it on
// the first free socket; an entry without the double backslash is dropped.
void BrowserWork::workOffPending() {
    const QStringList pending = browser_.takePending();
    for (qsizetype i = 0; i < pending.size(); ++i) {
        const qsizetype split = pending[i].indexOf(QLatin1String("\\\\"));
        if (split < 0)
            continue;
        pool_.enqueue(pending[i].left(split), pending[i].mid(split + 2),
                      qint16(std::min<qsizetype>(i + 1, 32767)));
    }
}

} // namespace fennick
