#pragma once

#include "link/datagram_socket.h"

#include <QElapsedTimer>
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
    bool bindRefused() const override { return bindRefused_; }
    qint64 receiveBufferSize() const override { return receiveBufferSize_; }
    std::vector<NetworkAdapter> broadcastAdapters() const override;
    bool isOwnAddress(const QHostAddress& address) const override;
    bool sendBufferFull() const override { return sendBufferFull_; }

private:
    static constexpr int wantedReceiveBuffer = 16 * 1024 * 1024;
    // Datagrams handed on per turn; the rest waits for the next turn so a flood cannot hold
    // the window's thread.
    static constexpr int drainLimit = 256;

    // The system's adapters, read again once a second at most: a wave of thousands of
    // broadcasts must not ask the system for them each time, and an adapter plugged in is
    // still served within a second.
    const std::vector<NetworkAdapter>& adapters() const;
    void enlargeReceiveBuffer();
    void watchArrivals();
    void drain();

    QUdpSocket socket_;
    QTimer turn_; // takes the next batch of waiting datagrams
    // How arrivals are read: the system's own calls (udp_socket_posix.cpp) or Qt's alone
    // (udp_socket_qt.cpp), chosen when the program is built.
    struct Arrivals;
    std::unique_ptr<Arrivals> arrivals_;
    qint64 receiveBufferSize_ = 0;
    bool sendBufferFull_ = false;
    bool bindRefused_ = false;
    mutable std::vector<NetworkAdapter> adapters_;
    mutable QElapsedTimer adaptersAge_;
};

} // namespace linknode
