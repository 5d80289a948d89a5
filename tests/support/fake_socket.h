#pragma once

#include "link/datagram_socket.h"

#include <functional>
#include <vector>

namespace linknode {

// Records every datagram sent, with its destination and the time given by `now`, and lets
// a test inject arrivals. `failBind` makes bind fail with the given reason.
class FakeSocket final : public DatagramSocket {
    Q_OBJECT
public:
    struct Sent {
        QByteArray datagram;
        QHostAddress host;
        quint16 port;
        double time;
        int interfaceIndex;
    };

    explicit FakeSocket(std::function<double()> now = {});

    bool bind(quint16 localPort, QString* error) override;
    bool send(const QByteArray& datagram, const QHostAddress& host, quint16 port,
        int interfaceIndex = 0, QString* error = nullptr) override;
    std::vector<NetworkAdapter> broadcastAdapters() const override { return adapters; }
    bool isOwnAddress(const QHostAddress& address) const override
    {
        return ownAddresses.contains(address);
    }
    void close() override { closed = true; }

    void inject(const QByteArray& datagram, const QString& fromHost = QStringLiteral("10.0.0.9"),
        quint16 fromPort = 1024, int interfaceIndex = 0);

    // Several arrivals read in one run, as a busy socket delivers them.
    void injectBurst(const std::vector<QByteArray>& datagrams);

    std::vector<Sent> sent;
    std::vector<NetworkAdapter> adapters; // none: a broadcast goes where the system routes it
    QList<QHostAddress> ownAddresses;
    QString failBind;
    QString failSend; // not empty: every send is refused with this reason
    quint16 boundPort = 0;
    int bindCalls = 0;
    bool closed = false;

private:
    std::function<double()> now_;
};

} // namespace linknode
