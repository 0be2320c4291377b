#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <arpa/inet.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fennick::test {

// Sends status replies from a loopback socket of its own thread to the
// given loopback ports, `perSecond` datagrams a second shared among them,
// in bursts every 10 ms, until it is destroyed or `stop` is called. Only
// 127.0.0.1 is ever written to.
class DatagramFlood {
public:
    DatagramFlood(std::vector<quint16> ports, int perSecond) : ports_(std::move(ports)) {
        for (int i = 0; i < 64; ++i)
            replies_.push_back(reply(i));
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        thread_ = std::thread([this, perSecond] { run(perSecond); });
    }
    ~DatagramFlood() { stop(); }
    DatagramFlood(const DatagramFlood&) = delete;
    DatagramFlood& operator=(const DatagramFlood&) = delete;

    void stop() {
        running_ = false;
        if (thread_.joinable())
            thread_.join();
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    long sent() const { return sent_; }

    // A status reply of a full server, a new host name each time.
    static QByteArray reply(long number) {
        QByteArray bytes = "\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Flood " +
                           QByteArray::number(number) +
                           "\\mapname\\q3dm17\\sv_maxclients\\16\\g_gametype\\0\n";
        for (int i = 0; i < 12; ++i)
            bytes += "5 40 \"player " + QByteArray::number(i) + "\"\n";
        return bytes;
    }

private:
    void run(int perSecond) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        while (running_ && fd_ >= 0 && !ports_.empty()) {
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            const long due = long(seconds * perSecond);
            for (; sent_ < due && running_; ++sent_) {
                sockaddr_in to{};
                to.sin_family = AF_INET;
                to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
                to.sin_port = htons(ports_[size_t(sent_) % ports_.size()]);
                const QByteArray& bytes = replies_[size_t(sent_) % replies_.size()];
                ::sendto(fd_, bytes.constData(), size_t(bytes.size()), 0,
                         reinterpret_cast<const sockaddr*>(&to), sizeof to);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::vector<quint16> ports_;
    std::vector<QByteArray> replies_;
    int fd_ = -1;
    std::atomic<bool> running_{true};
    std::atomic<long> sent_{0};
    std::thread thread_;
};

// The resident memory of this process in bytes (0 where it cannot be read).
inline qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

// What a flood did to the event loop of this process.
struct FloodRun {
    long sent = 0;          // datagrams sent
    qint64 longestGap = 0;  // the longest time between two ticks of a 20 ms timer, in ms
};

// Floods the ports for `milliseconds` while the event loop runs, and
// watches how late a 20 ms timer of this thread comes meanwhile: a window
// that stays responsive keeps it close to 20 ms.
inline FloodRun floodWhileTicking(const std::vector<quint16>& ports, int perSecond,
                                  int milliseconds) {
    FloodRun run;
    QElapsedTimer sinceTick;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { run.longestGap = std::max(run.longestGap, sinceTick.restart()); });
    QEventLoop loop;
    DatagramFlood flood(ports, perSecond);
    sinceTick.start();
    tick.start(20);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    flood.stop();
    tick.stop();
    run.sent = flood.sent();
    return run;
}

} // namespace fennick::test
