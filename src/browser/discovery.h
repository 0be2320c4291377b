#pragma once

#include "browser/network_settings.h"
#include "browser/server_socket.h"
#include "core/game_facts.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace fennick {

class ServerBrowser;

// "Get List": asks the Quake III master servers for the Internet group and
// broadcasts status requests for a LAN Network group, on one socket whose
// tag tells what the last request was ("Master" or "LAN"). Master replies
// give addresses for the pending list; LAN replies are status replies and
// are stored at once. A request that nothing answers within a few seconds
// is reported as such on the console and the status label.
class Discovery : public QObject {
    Q_OBJECT
public:
    static constexpr double kLanAgeSeconds = 45.0;
    static constexpr double kMasterAgeSeconds = 90.0;
    static constexpr int kAnswerWaitMs = 4000;

    Discovery(ServerBrowser& browser, NetworkSettings settings, QObject* parent = nullptr);

    // Get List on the shown group (by its caption); false when the caption
    // names no group that discovers.
    bool getList();
    // On a node selection: whether Get List is offered for the group, and
    // whether it runs at once (stale or empty list).
    static bool offersGetList(const QString& groupText);
    bool wantsGetList(const QString& groupText, int rows) const;

    double LastMasterQuery = 0;
    double LastLanQuery = 0;
    const QString& tag() const { return socket_.tag; }
    // How long a request may go unanswered before that is reported.
    void setAnswerWait(int milliseconds) { answerWait_.setInterval(milliseconds); }
    // The window closed: an open wait says nothing more.
    void stop() { answerWait_.stop(); }

Q_SIGNALS:
    // A socket error to show: its description and number.
    void error(const QString& text);

private:
    void askMasters(const GameFacts& game);
    void broadcastLan(const GameFacts& game);
    void receive(const QByteArray& bytes, const QHostAddress& sender, quint16 port);
    void decodeMaster(const QByteArray& bytes);
    void report(ServerSocket::SendResult result);
    void awaitAnswer(const QString& waiting);
    void noAnswer();

    ServerBrowser& browser_;
    NetworkSettings settings_;
    ServerSocket socket_;
    const GameFacts* mastersGame_ = nullptr; // whose Internet group the masters fill
    QTimer answerWait_;
    bool answered_ = true;
};

} // namespace fennick
