#include "sim/reply_sender.h"

#include "sim/socket_calls.h"

#include <QUdpSocket>
#include <algorithm>

namespace linknode::sim {

namespace {

    constexpr int sendsPerTurn = 256;
    constexpr int retryDelayMs = 2;
    constexpr qint64 retryLimitMs = 2000;

} // namespace

ReplySender::ReplySender(QUdpSocket& socket, FailureHandler onFailure, QObject* parent)
    : QObject(parent)
    , socket_(socket)
    , onFailure_(std::move(onFailure))
    , timer_(this)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ReplySender::flush);
    clock_.start();
}

void ReplySender::enqueue(Reply reply, int delayMs)
{
    const qint64 due = clock_.elapsed() + std::max(delayMs, 0);
    queue_.emplace(due, Entry { std::move(reply) });
    arm(queue_.begin()->first - clock_.elapsed());
}

void ReplySender::arm(qint64 delayMs)
{
    delayMs = std::max<qint64>(delayMs, 0);
    if (timer_.isActive() && timer_.remainingTime() <= delayMs)
        return;
    timer_.start(static_cast<int>(delayMs));
}

void ReplySender::flush()
{
    const qint64 now = clock_.elapsed();
    for (int turn = 0; turn < sendsPerTurn; ++turn) {
        if (queue_.empty() || queue_.begin()->first > now)
            break;
        auto head = queue_.begin();
        Entry& entry = head->second;
        const Reply& reply = entry.reply;
        const int error = sendFrom(
            socket_.socketDescriptor(), reply.datagram, reply.to, reply.port, reply.from);
        if (error == 0) {
            ++sent_;
            queue_.erase(head);
            continue;
        }
        if (clearsBySelf(error)) {
            if (entry.firstFailure < 0)
                entry.firstFailure = now;
            if (now - entry.firstFailure < retryLimitMs) {
                ++retries_;
                timer_.start(retryDelayMs);
                return;
            }
        }
        ++failed_;
        onFailure_(entry.reply, qt_error_string(error));
        queue_.erase(head);
    }
    if (!queue_.empty())
        timer_.start(static_cast<int>(std::max<qint64>(queue_.begin()->first - now, 0)));
}

} // namespace linknode::sim
