#pragma once

#include "link/datagram_socket.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

namespace linknode {

// The longest a discovery goes on past its own wait while replies keep coming: a flood, or a
// host that answers for ever, cannot hold it open. The window's cycle and the command line's
// discovery both end then.
constexpr double longestDiscovery = 30.0;

class Clock;
class TrafficLog;

// The two sockets of the tool: every command leaves through the send socket to the current
// destination and the remote port; every reply arrives on the receive socket's local port.
// Replies that pass the envelope test go on without their two header bytes; whoever lists
// them stamps the activity time, so a datagram that names no device keeps nothing going.
class Link : public QObject {
    Q_OBJECT
public:
    Link(DatagramSocket& sendSocket, DatagramSocket& receiveSocket, const Clock& clock,
        quint16 remotePort, quint16 localPort, QObject* parent = nullptr);

    bool bindSend(QString* error);
    bool bindReceive(QString* error);
    bool isReceiveOpen() const { return receiveOpen_; }
    // The receive port failed because the system keeps it from this program, not because
    // another program holds it.
    bool isReceivePortRefused() const { return receiveSocket_.bindRefused(); }
    void close();

    // Follows the send-address field: always through "0.0.0.0", blanks trimmed. A text
    // that is not a valid IPv4 address leaves no destination, and sends go nowhere.
    void setDestination(std::string_view text);
    QString destinationText() const { return destinationText_; }

    // To the destination; a limited broadcast leaves once through every adapter that can
    // broadcast (one per subnet), so devices behind each adapter hear it; a unicast to an
    // address that replied leaves through the adapter its replies came in on. False when
    // there is no destination or the system refused a send: lastSendError() tells why.
    bool send(std::string_view datagram);
    // The fixed repeat of commands that have no acknowledgement: `times` sends, each followed
    // by a wait of `spacing` seconds with events running. Stops when the window closes.
    void sendRepeatedly(std::string_view datagram, int times, double spacing = 0.1);

    // The activity stamp: time of the last enquiry sent or device reply listed.
    void stamp();
    double lastActivity() const { return lastActivity_; }

    // Only these adapters (by name) carry limited broadcasts and replies; empty: every one.
    void setAdapterFilter(const QStringList& names) { adapterFilter_ = names; }
    // "255.255.255.255 (eth0): Network is unreachable" for the last send the system refused.
    QString lastSendError() const { return lastSendError_; }
    // Whether the last refused send failed only for a full send buffer: sending it again a
    // moment later is the remedy, not giving up.
    bool lastSendBusy() const { return lastSendBusy_; }

    qint64 receiveBufferSize() const { return receiveSocket_.receiveBufferSize(); }
    quint64 rejectedCount() const { return rejected_; }
    void setTrafficLog(TrafficLog* log) { log_ = log; }

signals:
    void stamped();
    void destinationChanged();
    // A reply's record, with the name of the adapter it arrived on ("" where unknown); `cut`
    // when the reply was longer and its record is only the first longestRecord bytes.
    void recordReceived(const std::string& record, const QString& interface, bool cut);
    // The records of one run of arrivals have all been handed on.
    void receiveDrained();

private:
    void onReceived(
        const QByteArray& datagram, const QHostAddress& from, quint16 fromPort, int interfaceIndex);
    // The system's name of an adapter, asked once per send: a lookup costs a socket and an
    // ioctl, too much for every datagram of a burst.
    QString adapterNameOf(int interfaceIndex);

    DatagramSocket& sendSocket_;
    DatagramSocket& receiveSocket_;
    const Clock& clock_;
    quint16 remotePort_;
    quint16 localPort_;
    bool receiveOpen_ = false;
    bool closed_ = false;
    QString destinationText_;
    std::optional<QHostAddress> destination_;
    double lastActivity_ = 0;
    quint64 rejected_ = 0;
    TrafficLog* log_ = nullptr;
    QHash<int, QString> adapterNames_;
    QStringList adapterFilter_;
    QString lastSendError_;
    bool lastSendBusy_ = false;
    // The adapter each address's replies came in on. A device on a second segment may sit
    // outside every subnet of this PC, where the default route leads elsewhere.
    QHash<quint32, int> heardOn_;
};

} // namespace linknode
