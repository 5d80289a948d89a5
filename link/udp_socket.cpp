#include "link/udp_socket.h"

#include <QNetworkDatagram>
#include <QVariant>
#include <sys/socket.h>

namespace linknode {

namespace {

    constexpr int wantedReceiveBuffer = 16 * 1024 * 1024;

    // Datagrams handed on per ready-read turn; the rest waits for the next turn so a flood
    // cannot hold the window's thread. The socket notifier fires again while data remains.
    constexpr int drainLimit = 4096;

} // namespace

UdpSocket::UdpSocket(QObject* parent)
    : DatagramSocket(parent)
    , socket_(this)
{
    connect(&socket_, &QUdpSocket::readyRead, this, &UdpSocket::drain);
}

bool UdpSocket::bind(quint16 localPort, QString* error)
{
    // No address sharing: on Linux that would set SO_REUSEADDR and let two programs bind the
    // same UDP port, each getting only part of the replies.
    if (!socket_.bind(QHostAddress::AnyIPv4, localPort, QAbstractSocket::DontShareAddress)) {
        if (error)
            *error = socket_.errorString();
        return false;
    }
    enlargeReceiveBuffer();
    return true;
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
    if (socket_.writeDatagram(out) == datagram.size())
        return true;
    if (error)
        *error = socket_.errorString();
    return false;
}

std::vector<NetworkAdapter> UdpSocket::broadcastAdapters() const
{
    // Read afresh for every broadcast: an adapter plugged in meanwhile is served too.
    return linknode::broadcastAdapters(systemAdapters());
}

void UdpSocket::close()
{
    socket_.close();
    receiveBufferSize_ = 0;
}

void UdpSocket::drain()
{
    for (int n = 0; n < drainLimit && socket_.hasPendingDatagrams(); ++n) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        if (!datagram.isValid())
            break;
        emit received(datagram.data(), datagram.senderAddress(), datagram.senderPort(),
            static_cast<int>(datagram.interfaceIndex()));
    }
    emit drained();
}

} // namespace linknode
