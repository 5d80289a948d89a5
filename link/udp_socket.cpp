#include "link/udp_socket.h"

#include <algorithm>

// What both ways of reading arrivals share: the port, the adapters.

namespace linknode {

bool UdpSocket::bind(quint16 localPort, QString* error)
{
    // No address sharing: on Linux that would set SO_REUSEADDR and let two programs bind the
    // same UDP port, each getting only part of the replies.
    if (!socket_.bind(QHostAddress::AnyIPv4, localPort, QAbstractSocket::DontShareAddress)) {
        // EACCES, on Windows WSAEACCES for a port in an excluded range.
        bindRefused_ = socket_.error() == QAbstractSocket::SocketAccessError;
        if (error)
            *error = socket_.errorString();
        return false;
    }
    enlargeReceiveBuffer();
    watchArrivals();
    return true;
}

std::vector<NetworkAdapter> UdpSocket::broadcastAdapters() const
{
    return linknode::broadcastAdapters(adapters());
}

const std::vector<NetworkAdapter>& UdpSocket::adapters() const
{
    if (!adaptersAge_.isValid() || adaptersAge_.elapsed() >= 1000) {
        adapters_ = systemAdapters();
        adaptersAge_.start();
    }
    return adapters_;
}

bool UdpSocket::isOwnAddress(const QHostAddress& address) const
{
    const std::vector<NetworkAdapter>& adapters = this->adapters();
    return std::any_of(adapters.begin(), adapters.end(),
        [&](const NetworkAdapter& adapter) { return adapter.address == address.toIPv4Address(); });
}

} // namespace linknode
