#pragma once

#include "sim/device.h"
#include "sim/faults.h"
#include "sim/reply_sender.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <QUdpSocket>
#include <vector>

class QNetworkDatagram;

namespace linknode::sim {

class Journal;

struct SimulatorOptions {
    QHostAddress bindAddress = QHostAddress(QHostAddress::AnyIPv4);
    quint16 port = 1024;
    quint16 replyPort = 2024;
    double dropRate = 0.0;
    int jitterMs = 0;
    quint32 seed = 1;
};

// The fleet on its UDP port: journals every datagram, works out from its destination address
// which devices it reached, and lets every reached device that is not silent answer an
// enquiry with FE FF and its record, sent to the asker's address at the reply port.
class Simulator final : public QObject {
    Q_OBJECT
public:
    Simulator(std::vector<Device> fleet, const SimulatorOptions& options, Journal& journal,
        QObject* parent = nullptr);

    bool start(QString* error);
    quint16 localPort() const { return socket_.localPort(); }

    qint64 received() const { return received_; }
    qint64 dropped() const { return dropped_; }
    const ReplySender& replies() const { return sender_; }

    // Writes the closing journal line with the counts.
    void finish();

private:
    void drain();
    void handle(const QNetworkDatagram& datagram);
    // Queues the replies of `devices`; returns how many were queued (drops are counted).
    int answer(const std::vector<size_t>& devices, const QHostAddress& asker);
    double elapsed() const;

    std::vector<Device> fleet_;
    SimulatorOptions options_;
    Journal& journal_;
    QUdpSocket socket_;
    ReplySender sender_;
    FaultInjector faults_;
    QElapsedTimer clock_;
    QSet<quint32> localAddresses_;
    QString lastPrefixFrom_; // sender of the last 01 FF FF "T", which announces a frame
    qint64 received_ = 0;
    qint64 dropped_ = 0;
};

} // namespace linknode::sim
