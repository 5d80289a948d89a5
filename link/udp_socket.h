#pragma once

#include "link/datagram_socket.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <QUdpSocket>
#include <memory>

namespace linknode {

// The real socket: IPv4 UDP with broadcast allowed. A bound port is held exclusively, so a
// second program on the same port fails to bind instead of sharing its replies.
class UdpSocket final : public DatagramSocket {
    Q_OBJECT
public:
    explicit UdpSocket(QObject* parent = nullptr);
    ~UdpSocket() override;

    // Also asks for a 16 MiB receive buffer, so bursts of replies from large fleets are kept.
    bool bind(quint16 localPort, QString* error) override;
    bool send(const QByteArray& datagram, const QHostAddress& host, quint16 port,
        int interfaceIndex = 0, QString* error = nullptr) override;
    void close() override;
    qint64 receiveBufferSize() const override { return receiveBufferSize_; }
    std::vector<NetworkAdapter> broadcastAdapters() const override;
    bool isOwnAddress(const QHostAddress& address) const override;
    bool sendBufferFull() const override { return sendBufferFull_; }

private:
    // The system's adapters, read again once a second at most: a wave of thousands of
    // broadcasts must not ask the system for them each time, and an adapter plugged in is
    // still served within a second.
    const std::vector<NetworkAdapter>& adapters() const;
    void enlargeReceiveBuffer();
    void watchArrivals();
    void drain();

    QUdpSocket socket_;
    // Arrivals are read from a second descriptor of the same socket, in batches, with one
    // system call for many datagrams: a burst of tens of thousands of replies must be taken
    // in faster than it arrives, or a receive buffer the system caps overflows. QUdpSocket
    // costs three calls and two allocations per datagram.
    struct Batch;
    int arrivalDescriptor_ = -1;
    QSocketNotifier* arrivals_ = nullptr;
    QTimer turn_; // takes the next batch of waiting datagrams
    std::unique_ptr<Batch> batch_;
    qint64 receiveBufferSize_ = 0;
    bool sendBufferFull_ = false;
    mutable std::vector<NetworkAdapter> adapters_;
    mutable QElapsedTimer adaptersAge_;
};

} // namespace linknode
