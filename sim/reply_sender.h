#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>

class QUdpSocket;

namespace linknode::sim {

struct Reply {
    QByteArray datagram;
    QHostAddress to;
    quint16 port = 0;
    QHostAddress from; // source address to send from; null leaves the choice to the system
    QByteArray mac; // of the answering device, for the journal
};

// Sends replies when they fall due, a bounded number per event-loop turn so that thousands
// of them never hold the loop. A send refused for a full buffer is tried again from a timer
// rather than lost; only a send still refused after two seconds, or refused for another
// reason, counts as a failure.
class ReplySender final : public QObject {
    Q_OBJECT
public:
    using FailureHandler = std::function<void(const Reply&, const QString& error)>;

    ReplySender(QUdpSocket& socket, FailureHandler onFailure, QObject* parent = nullptr);

    void enqueue(Reply reply, int delayMs);
    // Sends what is due now, at most one turn's worth, without waiting for the event loop.
    void sendDue() { flush(); }

    qint64 sent() const { return sent_; }
    qint64 failed() const { return failed_; }
    qint64 retries() const { return retries_; }
    qsizetype pending() const { return static_cast<qsizetype>(queue_.size()); }

private:
    struct Entry {
        Reply reply;
        qint64 firstFailure = -1;
    };

    void flush();
    void arm(qint64 delayMs);

    QUdpSocket& socket_;
    FailureHandler onFailure_;
    std::multimap<qint64, Entry> queue_; // by due time in ms of clock_; equal times keep order
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 sent_ = 0;
    qint64 failed_ = 0;
    qint64 retries_ = 0;
};

} // namespace linknode::sim
