#include "link/udp_socket.h"

#include "core/system_error.h"

#include <QNetworkDatagram>
#include <QSocketNotifier>
#include <QVariant>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace linknode {

namespace {

    // Datagrams read by one system call. Each slot holds the largest UDP payload; only the
    // pages a datagram fills are ever touched, so a reply of 200 bytes costs one page.
    constexpr int batchSize = 64;
    constexpr size_t slotSize = 65536;

    // The datagrams of one read, their senders and the adapters they came in on.
    struct Batch {
        std::array<std::array<char, slotSize>, batchSize> data;
        std::array<sockaddr_in, batchSize> from;
        std::array<iovec, batchSize> parts;
        alignas(cmsghdr) std::array<std::array<char, 256>, batchSize> control;
        std::array<mmsghdr, batchSize> headers;

        Batch()
        {
            for (int i = 0; i < batchSize; ++i) {
                parts[i] = { data[i].data(), slotSize };
                headers[i] = {};
                headers[i].msg_hdr.msg_iov = &parts[i];
                headers[i].msg_hdr.msg_iovlen = 1;
            }
        }

        // Ready for another read: the kernel shortens the lengths it filled in.
        void rewind()
        {
            for (int i = 0; i < batchSize; ++i) {
                headers[i].msg_hdr.msg_name = &from[i];
                headers[i].msg_hdr.msg_namelen = sizeof from[i];
                headers[i].msg_hdr.msg_control = control[i].data();
                headers[i].msg_hdr.msg_controllen = control[i].size();
                headers[i].msg_hdr.msg_flags = 0;
            }
        }

        int interfaceIndex(int i)
        {
            msghdr& header = headers[i].msg_hdr;
            for (cmsghdr* c = CMSG_FIRSTHDR(&header); c; c = CMSG_NXTHDR(&header, c))
                if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
                    in_pktinfo info;
                    std::memcpy(&info, CMSG_DATA(c), sizeof info);
                    return info.ipi_ifindex;
                }
            return 0;
        }
    };

} // namespace

// Arrivals are read from a second descriptor of the same socket, in batches, with one system
// call for many datagrams: a burst of tens of thousands of replies must be taken in faster than
// it arrives, or a receive buffer the system caps overflows. QUdpSocket costs three calls and
// two allocations per datagram.
struct UdpSocket::Arrivals {
    int descriptor = -1;
    QSocketNotifier* notifier = nullptr;
    std::unique_ptr<Batch> batch;
};

UdpSocket::UdpSocket(QObject* parent)
    : DatagramSocket(parent)
    , socket_(this)
    , turn_(this)
    , arrivals_(std::make_unique<Arrivals>())
{
    // Turns run from a timer, not from the socket's notifier: while a socket is always ready,
    // Qt's event loop holds every timer back (waits, the end of a discovery) until it is not,
    // so a flood would freeze the window. Timers run in turn with one another.
    turn_.setSingleShot(true);
    connect(&turn_, &QTimer::timeout, this, &UdpSocket::drain);
}

void UdpSocket::watchArrivals()
{
    // QUdpSocket's own ready-read is left unconnected: unread, it stops after the first.
    const int fd = static_cast<int>(socket_.socketDescriptor());
    Arrivals& arrivals = *arrivals_;
    arrivals.descriptor = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (arrivals.descriptor < 0)
        return;
    const int on = 1;
    setsockopt(arrivals.descriptor, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
    arrivals.notifier = new QSocketNotifier(arrivals.descriptor, QSocketNotifier::Read, this);
    connect(arrivals.notifier, &QSocketNotifier::activated, this, [this] {
        arrivals_->notifier->setEnabled(false);
        turn_.start(0);
    });
}

void UdpSocket::enlargeReceiveBuffer()
{
    const int fd = static_cast<int>(socket_.socketDescriptor());
    // SO_RCVBUFFORCE passes the system limit where we are privileged; SO_RCVBUF is capped.
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &wantedReceiveBuffer, sizeof wantedReceiveBuffer)
        != 0)
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &wantedReceiveBuffer, sizeof wantedReceiveBuffer);
    int granted = 0;
    socklen_t length = sizeof granted;
    receiveBufferSize_
        = getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &granted, &length) == 0 ? granted : 0;
    // Seen in the automation dump, so a run can tell how many replies fit while it is busy.
    setProperty("receiveBuffer", QVariant::fromValue(receiveBufferSize_));
}

bool UdpSocket::send(const QByteArray& datagram, const QHostAddress& host, quint16 port,
    int interfaceIndex, QString* error)
{
    // No acknowledgement exists at this level: a datagram that cannot be sent is lost, but
    // the caller learns that it was not sent.
    QNetworkDatagram out(datagram, host, port);
    if (interfaceIndex > 0)
        out.setInterfaceIndex(static_cast<uint>(interfaceIndex));
    errno = 0;
    sendBufferFull_ = false;
    if (socket_.writeDatagram(out) == datagram.size())
        return true;
    // Qt says only "Unable to send a message"; the system's own reason tells what to mend.
    const int reason = errno;
    sendBufferFull_ = reason == EAGAIN || reason == EWOULDBLOCK || reason == ENOBUFS;
    if (error)
        *error
            = reason != 0 ? QString::fromStdString(systemErrorText(reason)) : socket_.errorString();
    return false;
}

void UdpSocket::close()
{
    turn_.stop();
    Arrivals& arrivals = *arrivals_;
    delete arrivals.notifier;
    arrivals.notifier = nullptr;
    if (arrivals.descriptor >= 0)
        ::close(arrivals.descriptor);
    arrivals.descriptor = -1;
    socket_.close();
    receiveBufferSize_ = 0;
}

UdpSocket::~UdpSocket()
{
    close();
}

void UdpSocket::drain()
{
    Arrivals& arrivals = *arrivals_;
    if (!arrivals.batch)
        arrivals.batch = std::make_unique<Batch>();
    Batch& batch = *arrivals.batch;
    bool more = false; // the last read filled the batch: datagrams may still wait
    for (int n = 0; n < drainLimit && arrivals.descriptor >= 0;) {
        batch.rewind();
        const int count
            = recvmmsg(arrivals.descriptor, batch.headers.data(), batchSize, MSG_DONTWAIT, nullptr);
        more = count == batchSize;
        if (count <= 0)
            break;
        for (int i = 0; i < count && arrivals.descriptor >= 0; ++i) {
            const sockaddr_in& from = batch.from[i];
            emit received(QByteArray(batch.data[i].data(), batch.headers[i].msg_len),
                QHostAddress(ntohl(from.sin_addr.s_addr)), ntohs(from.sin_port),
                batch.interfaceIndex(i));
        }
        n += count;
        if (!more)
            break;
    }
    // The notifier stays off while turns go on; a handler may have closed the socket.
    if (more && arrivals.notifier)
        turn_.start(0);
    else if (arrivals.notifier)
        arrivals.notifier->setEnabled(true);
    emit drained();
}

} // namespace linknode
