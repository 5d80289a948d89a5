#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

namespace linknode {

// One UDP socket as the link needs it. The real one wraps QUdpSocket; tests use a fake
// that records what is sent and lets them inject arrivals.
class DatagramSocket : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Binds the local port (0: any free port). On failure `error` gets the system's reason.
    virtual bool bind(quint16 localPort, QString* error) = 0;
    virtual void send(const QByteArray& datagram, const QHostAddress& host, quint16 port) = 0;
    virtual void close() = 0;
    // Bytes of receive buffer the system granted (0 where unknown).
    virtual qint64 receiveBufferSize() const { return 0; }

signals:
    // One whole datagram, each as it is read from the socket.
    void received(const QByteArray& datagram, const QHostAddress& from, quint16 fromPort);
    // A run of arrivals has been read; what they changed can now be shown at once.
    void drained();
};

} // namespace linknode
