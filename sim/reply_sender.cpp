#include "sim/reply_sender.h"

#include <QUdpSocket>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>

namespace linknode::sim {

namespace {

    constexpr int sendsPerTurn = 256;
    constexpr int retryDelayMs = 2;
    constexpr qint64 retryLimitMs = 2000;

    // A full send buffer (EAGAIN) or a full device queue (ENOBUFS) clears by itself.
    bool clearsBySelf(int error)
    {
        return error == EAGAIN || error == EWOULDBLOCK || error == ENOBUFS || error == EINTR;
    }

    // One datagram, from the reply's source address when it has one (ipi_spec_dst of
    // IP_PKTINFO). Sent here rather than through QUdpSocket, whose sender address left the
    // source unchanged on Linux, and so the exact errno decides about a retry. Returns 0 or
    // the errno.
    int sendReply(int fd, const Reply& reply)
    {
        sockaddr_in to {};
        to.sin_family = AF_INET;
        to.sin_port = htons(reply.port);
        to.sin_addr.s_addr = htonl(reply.to.toIPv4Address());
        iovec data { const_cast<char*>(reply.datagram.constData()),
            static_cast<size_t>(reply.datagram.size()) };
        msghdr message {};
        message.msg_name = &to;
        message.msg_namelen = sizeof to;
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] {};
        if (!reply.from.isNull()) {
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            cmsghdr* header = CMSG_FIRSTHDR(&message);
            header->cmsg_level = IPPROTO_IP;
            header->cmsg_type = IP_PKTINFO;
            header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
            in_pktinfo info {};
            info.ipi_spec_dst.s_addr = htonl(reply.from.toIPv4Address());
            std::memcpy(CMSG_DATA(header), &info, sizeof info);
        }
        return ::sendmsg(fd, &message, 0) >= 0 ? 0 : errno;
    }

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
        const int error = sendReply(static_cast<int>(socket_.socketDescriptor()), entry.reply);
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
