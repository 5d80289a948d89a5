#pragma once

#include "link/network_adapters.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <vector>

namespace linknode {

// One UDP socket as the link needs it. The real one wraps QUdpSocket; tests use a fake
// that records what is sent and lets them inject arrivals.
class DatagramSocket : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Binds the local port (0: any free port). On failure `error` gets the system's reason.
    virtual bool bind(quint16 localPort, QString* error) = 0;
    // Through the adapter with `interfaceIndex` (0: wherever the system routes it). False when
    // the system refused it (no route, no adapter up): `error` gets its reason.
    virtual bool send(const QByteArray& datagram, const QHostAddress& host, quint16 port,
        int interfaceIndex = 0, QString* error = nullptr)
        = 0;
    virtual void close() = 0;
    // Whether the last bind failed because the system keeps the port from this program (a
    // privileged port; on Windows one in a range it reserves), not because another holds it.
    virtual bool bindRefused() const { return false; }
    // Bytes of receive buffer the system granted (0 where unknown).
    virtual qint64 receiveBufferSize() const { return 0; }
    // The adapters a limited broadcast leaves through, one per subnet.
    virtual std::vector<NetworkAdapter> broadcastAdapters() const { return {}; }
    // Whether the last send failed only because the system's send buffer was full: the same
    // datagram may go a moment later.
    virtual bool sendBufferFull() const { return false; }
    // Whether `address` is one of this PC's own.
    virtual bool isOwnAddress(const QHostAddress& address) const
    {
        Q_UNUSED(address);
        return false;
    }

signals:
    // One whole datagram, each as it is read from the socket, with the index of the adapter
    // it arrived on (0 where unknown).
    void received(
        const QByteArray& datagram, const QHostAddress& from, quint16 fromPort, int interfaceIndex);
    // A run of arrivals has been read; what they changed can now be shown at once.
    void drained();
};

} // namespace linknode
