#include "browser/discovery.h"

#include "browser/master_reply.h"
#include "browser/query_protocol.h"
#include "browser/server_browser.h"
#include "browser/status_arrival.h"
#include "platform/clock.h"

namespace fennick {

namespace {

const QString kInternet = QStringLiteral("Internet");
const QString kLan = QStringLiteral("LAN Network");

QString groupPath(const GameFacts& game, const QString& group) {
    return game.displayName + QLatin1Char('\\') + group;
}

// The game of a caption whose LAN Network group Get List fills; null when
// the game has none.
const GameFacts* lanGameOf(const QString& caption) {
    const GameFacts* game = gameOfText(caption);
    return game && !game->query.lanPorts.isEmpty() ? game : nullptr;
}

} // namespace

Discovery::Discovery(ServerBrowser& browser, NetworkSettings settings, QObject* parent)
    : QObject(parent), browser_(browser), settings_(std::move(settings)),
      socket_(browser.yielder()) {
    connect(&socket_, &ServerSocket::datagram, this, &Discovery::receive);
    connect(&socket_, &ServerSocket::sendFailed, this, &Discovery::report);
    answerWait_.setSingleShot(true);
    answerWait_.setInterval(kAnswerWaitMs);
    connect(&answerWait_, &QTimer::timeout, this, &Discovery::noAnswer);
}

bool Discovery::offersGetList(const QString& groupText) {
    return groupText == kLan || groupText == kInternet;
}

bool Discovery::wantsGetList(const QString& groupText, int rows) const {
    if (!offersGetList(groupText))
        return false;
    const double now = browser_.clock().secondsSinceMidnight();
    if (groupText == kLan && now - LastLanQuery > kLanAgeSeconds)
        return true;
    if (groupText == kInternet && now - LastMasterQuery > kMasterAgeSeconds)
        return true;
    return rows == 0;
}

bool Discovery::getList() {
    const QString caption = browser_.caption();
    const GameFacts* game = gameOfText(caption);
    if (caption.endsWith(kInternet) && game && game->hasMasters()) {
        askMasters(*game);
        return true;
    }
    if (caption.endsWith(kLan)) {
        if (const GameFacts* lanGame = lanGameOf(caption))
            broadcastLan(*lanGame);
        return true;
    }
    return false;
}

// Every configured master is asked; their answers are merged into the
// pending list without repeating an address.
void Discovery::askMasters(const GameFacts& game) {
    LastMasterQuery = browser_.clock().secondsSinceMidnight();
    mastersGame_ = &game;
    browser_.RemoveServerGroup(groupPath(game, kInternet));
    browser_.clearPending();
    socket_.tag = QStringLiteral("Master");
    awaitAnswer(QStringLiteral("Master Server..."));
    const QByteArray request = settings_.masterRequest();
    for (const QString& master : settings_.masters) {
        const auto target = queryTargetOf(master, game.shortName, true);
        if (target)
            report(socket_.sendTo(target->host, target->port, request));
    }
}

// The game's status request goes to each of its LAN ports in turn.
void Discovery::broadcastLan(const GameFacts& game) {
    browser_.RemoveServerGroup(groupPath(game, kLan));
    socket_.tag = QStringLiteral("LAN");
    awaitAnswer(QStringLiteral("LAN Network..."));
    LastLanQuery = browser_.clock().secondsSinceMidnight();
    for (quint16 port : game.query.lanPorts) {
        socket_.tag = QStringLiteral("LAN");
        browser_.yielder()();
        report(socket_.sendTo(settings_.broadcast, port, game.query.statusRequest));
    }
}

// The label says what is asked until an answer or the wait's end.
void Discovery::awaitAnswer(const QString& waiting) {
    answered_ = false;
    browser_.showNotice(waiting, answerWait_.interval() / 1000 + 1);
    answerWait_.start();
}

void Discovery::noAnswer() {
    if (answered_)
        return;
    answered_ = true;
    if (socket_.tag == QLatin1String("Master")) {
        QStringList masters;
        for (const QString& master : settings_.masters)
            masters.append(master.contains(QLatin1Char(':'))
                               ? master
                               : master + QLatin1Char(':') +
                                     QString::number(mastersGame_->query.masterPort));
        browser_.reportFailure(masters.isEmpty()
                                   ? QStringLiteral("No master server is set in fennick.ini")
                                   : QStringLiteral("No answer from ") +
                                         masters.join(QStringLiteral(", ")));
    } else {
        browser_.reportFailure(QStringLiteral("No server answered on the LAN Network (") +
                               settings_.broadcast + QLatin1Char(')'));
    }
}

void Discovery::receive(const QByteArray& bytes, const QHostAddress& sender, quint16 port) {
    browser_.datagramArrived();
    if (socket_.tag == QLatin1String("Master")) {
        answered_ = true;
        decodeMaster(bytes);
        return;
    }
    if (socket_.tag != QLatin1String("LAN"))
        return;
    const GameFacts* game = lanGameOf(browser_.caption());
    if (!game)
        return;
    answered_ = true;
    browser_.AddOrUpdateServer(recordFromReply(groupPath(*game, kLan), sender, port, 0.0, bytes,
                                               browser_.statusContext()));
}

void Discovery::decodeMaster(const QByteArray& bytes) {
    for (const QString& address : DecodeMasterReply(bytes)) {
        if (!browser_.addPending(address + QStringLiteral("\\\\") +
                                 groupPath(*mastersGame_, kInternet)))
            continue;
        browser_.setStatusText(QString::number(browser_.pendingCount()) +
                               QStringLiteral(" remaining"));
    }
}

void Discovery::report(ServerSocket::SendResult result) {
    if (result == ServerSocket::SendResult::Unreachable)
        browser_.setOnlineMode(false);
    else if (result == ServerSocket::SendResult::Failed)
        Q_EMIT error(socket_.errorText());
}

} // namespace fennick
