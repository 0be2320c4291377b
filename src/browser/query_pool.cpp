#include "browser/query_pool.h"

#include "platform/clock.h"

#include <algorithm>
#include <cmath>

namespace fennick {

QueryPool::QueryPool(int n, platform::Clock& clock, StatusQuery::Context context,
                     ServerSocket::Yield yield, QObject* parent)
    : QObject(parent), clock_(clock) {
    const int count = std::clamp(n, 0, 255) + 1;
    for (int i = 0; i < count; ++i) {
        auto query = std::make_unique<StatusQuery>(clock, context, yield);
        connect(query.get(), &StatusQuery::arrived, this, &QueryPool::arrived);
        connect(query.get(), &StatusQuery::answered, this, [this](const ServerRecord& record) {
            Q_EMIT answered(record);
            drain();
        });
        queries_.push_back(std::move(query));
    }
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &QueryPool::drain);
}

int QueryPool::findFree() const {
    for (int j = 0; j < size(); ++j) {
        const ServerSocket& socket = queries_[j]->socket();
        if (socket.tag.isEmpty() || clock_.elapsedSince(socket.sendTime) > kGiveUpSeconds)
            return j;
    }
    return -1;
}

void QueryPool::enqueue(const QString& address, const QString& group, qint16 index) {
    queue_.enqueue({address, group, index});
    drain();
}

void QueryPool::send(int socket, const Pending& pending) {
    StatusQuery& query = *queries_[socket];
    query.socket().serverIndex = pending.index;
    const ServerSocket::SendResult result = query.send(pending.address, pending.group);
    if (result == ServerSocket::SendResult::Sent)
        return;
    query.socket().tag.clear(); // nothing is on its way: free at once
    if (result != ServerSocket::SendResult::NothingToSend)
        Q_EMIT sendFailed(result, query.socket().errorText());
}

// Sends what free sockets allow; the rest waits for an answer or for the
// oldest query to be given up.
void QueryPool::drain() {
    while (!queue_.isEmpty()) {
        const int free = findFree();
        if (free < 0)
            break;
        send(free, queue_.dequeue());
    }
    if (queue_.isEmpty() || retry_.isActive())
        return;
    double oldest = kGiveUpSeconds;
    for (const auto& query : queries_)
        oldest = std::min(oldest, kGiveUpSeconds - clock_.elapsedSince(query->socket().sendTime));
    retry_.start(std::max(10, int(std::ceil(oldest * 1000.0)) + 5));
}

} // namespace fennick
