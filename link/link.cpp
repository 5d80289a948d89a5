#include "link/link.h"

#include "core/clock.h"
#include "core/latin1.h"
#include "core/logging.h"
#include "core/text_fields.h"
#include "core/wait.h"
#include "link/envelope.h"
#include "link/ipv4.h"
#include "link/network_adapters.h"
#include "link/traffic_log.h"

#include <QCoreApplication>

namespace linknode {

Link::Link(DatagramSocket& sendSocket, DatagramSocket& receiveSocket, const Clock& clock,
    quint16 remotePort, quint16 localPort, QObject* parent)
    : QObject(parent)
    , sendSocket_(sendSocket)
    , receiveSocket_(receiveSocket)
    , clock_(clock)
    , remotePort_(remotePort)
    , localPort_(localPort)
{
    connect(&receiveSocket_, &DatagramSocket::received, this, &Link::onReceived);
    connect(&receiveSocket_, &DatagramSocket::drained, this, &Link::receiveDrained);
}

bool Link::bindSend(QString* error)
{
    return sendSocket_.bind(0, error);
}

bool Link::bindReceive(QString* error)
{
    QString reason;
    receiveOpen_ = receiveSocket_.bind(localPort_, &reason);
    if (!receiveOpen_)
        qCInfo(linkLog) << "cannot bind the receive port" << localPort_ << ":" << reason;
    if (error)
        *error = reason;
    return receiveOpen_;
}

void Link::close()
{
    sendSocket_.close();
    receiveSocket_.close();
    receiveOpen_ = false;
    closed_ = true;
}

void Link::setDestination(std::string_view text)
{
    const std::string_view trimmed = trimBlanks(text);
    destinationText_ = toText(trimmed);
    const auto octets = parseIPv4(trimmed);
    destination_.reset();
    if (octets)
        destination_ = toHostAddress(*octets);
    emit destinationChanged();
}

bool Link::send(std::string_view datagram)
{
    // Once closed, a sequence still unwinding sends nothing more.
    if (!destination_ || closed_) {
        lastSendError_ = QStringLiteral("no destination address");
        return false;
    }
    const QByteArray bytes = toDatagram(datagram);
    adapterNames_.clear(); // adapters may have come, gone or been renamed since
    bool allSent = true;
    lastSendBusy_ = false;
    auto sendThrough = [&](int index, const QString& interface) {
        QString error;
        const bool sent = sendSocket_.send(bytes, *destination_, remotePort_, index, &error);
        if (!sent) {
            qCInfo(linkLog) << "send to" << destination_->toString()
                            << interface << "failed:" << error;
            lastSendError_ = destination_->toString()
                + (interface.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(interface))
                + QStringLiteral(": ") + error;
            lastSendBusy_ = sendSocket_.sendBufferFull();
            allSent = false;
        }
        if (log_)
            log_->record(sent ? TrafficLog::Direction::Out : TrafficLog::Direction::Fail,
                *destination_, remotePort_, bytes, interface, error);
    };
    if (*destination_ == QHostAddress(QHostAddress::Broadcast)) {
        std::vector<NetworkAdapter> adapters = sendSocket_.broadcastAdapters();
        if (!adapterFilter_.isEmpty())
            std::erase_if(adapters, [&](const NetworkAdapter& adapter) {
                return !adapterFilter_.contains(adapter.name);
            });
        for (const NetworkAdapter& adapter : adapters)
            sendThrough(adapter.index, adapter.name);
        if (!adapters.empty() || !adapterFilter_.isEmpty()) {
            if (adapters.empty())
                lastSendError_ = QStringLiteral("no adapter named %1 can broadcast")
                                     .arg(adapterFilter_.join(QStringLiteral(", ")));
            return allSent && !adapters.empty();
        }
    }
    // An address of this PC is reached by the system's own route, never through an adapter.
    int index = heardOn_.value(destination_->toIPv4Address(), 0);
    if (index > 0 && sendSocket_.isOwnAddress(*destination_))
        index = 0;
    sendThrough(index, index > 0 ? adapterNameOf(index) : QString());
    return allSent;
}

void Link::sendRepeatedly(std::string_view datagram, int times, double spacing)
{
    for (int i = 0; i < times && !clock_.waitsAborted(); ++i) {
        QCoreApplication::processEvents();
        send(datagram);
        QCoreApplication::processEvents();
        DELAIS_EVT(clock_, spacing);
    }
}

void Link::stamp()
{
    lastActivity_ = clock_.now();
    emit stamped();
}

QString Link::adapterNameOf(int interfaceIndex)
{
    auto known = adapterNames_.constFind(interfaceIndex);
    if (known == adapterNames_.constEnd())
        known = adapterNames_.insert(interfaceIndex, adapterName(interfaceIndex));
    return *known;
}

void Link::onReceived(
    const QByteArray& datagram, const QHostAddress& from, quint16 fromPort, int interfaceIndex)
{
    const QString interface = adapterNameOf(interfaceIndex);
    if (log_)
        log_->record(TrafficLog::Direction::In, from, fromPort, datagram, interface);
    const auto record = replyRecord(std::string_view(datagram.constData(), datagram.size()));
    if (!record) {
        qCInfo(linkLog) << "datagram of" << datagram.size() << "bytes from" << from.toString()
                        << "refused: not FE FF or FD FF and at least 6 bytes";
        ++rejected_;
        return;
    }
    if (!adapterFilter_.isEmpty() && !adapterFilter_.contains(interface))
        return;
    if (record->cut)
        qCInfo(linkLog) << "reply of" << datagram.size() << "bytes from" << from.toString()
                        << "taken with its record cut at" << longestRecord << "bytes";
    if (interfaceIndex > 0 && from.protocol() == QAbstractSocket::IPv4Protocol) {
        // Bounded: a host forging source addresses cannot grow it without end.
        constexpr qsizetype mostAddresses = 1 << 16;
        if (heardOn_.size() >= mostAddresses)
            heardOn_.clear();
        heardOn_.insert(from.toIPv4Address(), interfaceIndex);
    }
    emit recordReceived(std::string(record->record), interface, record->cut);
}

} // namespace linknode
