#include "browser/discovery.h"

#include "browser/master_reply.h"
#include "browser/query_protocol.h"
#include "browser/server_browser.h"
#include "browser/status_arrival.h"
#include "platform/clock.h"

namespace fennick {

namespace {

const QString kInternetGroup = QStringLiteral("Quake 3 Arena\\Internet");
const QString kQ3Lan = QStringLiteral("Quake 3 Arena\\LAN Network");
const QString kQ2Lan = QStringLiteral("Quake 2\\LAN Network");

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
    return groupText == QLatin1String("LAN Network") || groupText == QLatin1String("Internet");
}

bool Discovery::wantsGetList(const QString& groupText, int rows) const {
    if (!offersGetList(groupText))
        return false;
    const double now = browser_.clock().secondsSinceMidnight();
    if (groupText == QLatin1String("LAN Network") && now - LastLanQuery > kLanAgeSeconds)
        return true;
    if (groupText == QLatin1String("Internet") && now - LastMasterQuery > kMasterAgeSeconds)
        return true;
    return rows == 0;
}

bool Discovery::GetList() {
    const QString caption = browser_.caption();
    if (caption.endsWith(QLatin1String("Internet")) &&
        caption.startsWith(QLatin1String("Quake 3"))) {
        askMasters();
        return true;
    }
    if (caption.endsWith(QLatin1String("LAN Network"))) {
        broadcastLan(caption);
        return true;
    }
    return false;
}

// Every configured master is asked; their answers are merged into the
// pending list without repeating an address.
void Discovery::askMasters() {
    LastMasterQuery = browser_.clock().secondsSinceMidnight();
    browser_.RemoveServerGroup(kInternetGroup);
    browser_.clearPending();
    socket_.tag = QStringLiteral("Master");
    awaitAnswer(QStringLiteral("Master Server..."));
    const QByteArray request = settings_.masterRequest();
    for (const QString& master : settings_.masters) {
        const auto target = queryTargetOf(master, QStringLiteral("Quake 3"), true);
        if (target)
            report(socket_.sendTo(target->host, target->port, request));
    }
}

void Discovery::broadcastLan(const QString& caption) {
    const QByteArray oob(4, '\xff');
    const auto broadcast = [&](const QString& group, const QVector<quint16>& ports,
                               const QByteArray& request) {
        browser_.RemoveServerGroup(group);
        socket_.tag = QStringLiteral("LAN");
        awaitAnswer(QStringLiteral("LAN Network..."));
        LastLanQuery = browser_.clock().secondsSinceMidnight();
        for (quint16 port : ports) {
            socket_.tag = QStringLiteral("LAN");
            browser_.yielder()();
            report(socket_.sendTo(settings_.broadcast, port, request));
        }
    };
    if (caption.startsWith(QLatin1String("Quake 3")))
        broadcast(kQ3Lan, {27960, 27961, 27962, 27963, 27964}, oob + "getstatus");
    if (caption.startsWith(QLatin1String("Quake 2")))
        broadcast(kQ2Lan, {27910}, oob + "status");
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
            masters.append(master.contains(QLatin1Char(':')) ? master
                                                             : master + QStringLiteral(":27950"));
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
    const QString caption = browser_.caption();
    const QString group = caption.startsWith(QLatin1String("Quake 3"))   ? kQ3Lan
                          : caption.startsWith(QLatin1String("Quake 2")) ? kQ2Lan
                                                                         : QString();
    if (group.isEmpty())
        return;
    answered_ = true;
    browser_.AddOrUpdateServer(
        recordFromReply(group, sender, port, 0.0, bytes, browser_.statusContext()));
}

void Discovery::decodeMaster(const QByteArray& bytes) {
    for (const QString& address : DecodeMasterReply(bytes)) {
        if (!browser_.addPending(address + QStringLiteral("\\\\") + kInternetGroup))
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
