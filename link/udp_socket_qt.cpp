#include "link/udp_socket.h"

#include "core/system_error.h"

#include <QNetworkDatagram>
#include <QVariant>
#include <cerrno>

// Arrivals through Qt alone, for the systems the tool has no system calls of its own for. It
// costs more per datagram than the batched reads, so the largest fleets may lose replies to a
// full receive buffer sooner.

namespace linknode {

// Whether a turn is waiting for arrivals Qt announced; nothing else is kept.
struct UdpSocket::Arrivals {
    bool watching = false;
};

UdpSocket::UdpSocket(QObject* parent)
    : DatagramSocket(parent)
    , socket_(this)
    , turn_(this)
    , arrivals_(std::make_unique<Arrivals>())
{
    // Turns run from a timer, as in the batched reader: Qt announces arrivals again only
    // once one is read, so timers get their turns between the batches of a flood.
    turn_.setSingleShot(true);
    connect(&turn_, &QTimer::timeout, this, &UdpSocket::drain);
}

void UdpSocket::watchArrivals()
{
    arrivals_->watching = true;
    connect(&socket_, &QUdpSocket::readyRead, this, [this] {
        if (arrivals_->watching && !turn_.isActive())
            turn_.start(0);
    });
}

void UdpSocket::enlargeReceiveBuffer()
{
    socket_.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, wantedReceiveBuffer);
    receiveBufferSize_
        = socket_.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toLongLong();
    // Seen in the automation dump, so a run can tell how many replies fit while it is busy.
    setProperty("receiveBuffer", QVariant::fromValue(receiveBufferSize_));
}

bool UdpSocket::send(const QByteArray& datagram, const QHostAddress& host, quint16 port,
    int interfaceIndex, QString* error)
{
    // The limited broadcast stays 255.255.255.255 through each adapter (IP_PKTINFO, on Windows
    // WSASendMsg, by Qt): a subnet's directed broadcast would miss a device whose factory
    // address lies outside every subnet of this PC.
    QNetworkDatagram out(datagram, host, port);
    if (interfaceIndex > 0)
        out.setInterfaceIndex(static_cast<uint>(interfaceIndex));
    errno = 0;
    sendBufferFull_ = false;
    if (socket_.writeDatagram(out) == datagram.size())
        return true;
    // Qt says only "Unable to send a message". Where the C library kept the system's reason
    // (not on Windows, whose sockets report their errors apart), it tells what to mend; Qt
    // reports a send that would block as a temporary error.
    const int reason = errno;
    sendBufferFull_ = socket_.error() == QAbstractSocket::TemporaryError || reason == EAGAIN
        || reason == EWOULDBLOCK || reason == ENOBUFS;
    if (error)
        *error
            = reason != 0 ? QString::fromStdString(systemErrorText(reason)) : socket_.errorString();
    return false;
}

void UdpSocket::close()
{
    turn_.stop();
    arrivals_->watching = false;
    disconnect(&socket_, &QUdpSocket::readyRead, this, nullptr);
    socket_.close();
    receiveBufferSize_ = 0;
}

UdpSocket::~UdpSocket()
{
    close();
}

void UdpSocket::drain()
{
    // A handler may close the socket while the batch is handed on.
    for (int n = 0; n < drainLimit && arrivals_->watching && socket_.hasPendingDatagrams(); ++n) {
        const QNetworkDatagram in = socket_.receiveDatagram();
        if (!in.isValid())
            break;
        emit received(in.data(), QHostAddress(in.senderAddress().toIPv4Address()),
            static_cast<quint16>(in.senderPort()), in.interfaceIndex());
    }
    if (arrivals_->watching && socket_.hasPendingDatagrams())
        turn_.start(0);
    emit drained();
}

} // namespace linknode
