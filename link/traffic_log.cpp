#include "link/traffic_log.h"

#include "core/clock.h"
#include "core/json_text.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace linknode {

namespace {
    // Written at once beyond this, so a flood of large datagrams is not held in memory.
    constexpr qsizetype mostPending = 1 << 20;
}

TrafficLog::TrafficLog(const Clock& clock)
    : clock_(clock)
    , start_(clock.now())
{
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(static_cast<int>(flushSeconds * 1000));
    QObject::connect(&flushTimer_, &QTimer::timeout, &flushTimer_, [this] { flush(); });
}

TrafficLog::~TrafficLog()
{
    flush();
}

bool TrafficLog::open(const QString& path, QString* error, Start start)
{
    file_.setFileName(path);
    // Unbuffered: each write hands whole lines to the system at once.
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered
        | (start == Start::Append ? QIODevice::Append : QIODevice::Truncate);
    if (file_.open(mode, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return true;
    if (error)
        *error = file_.errorString();
    return false;
}

void TrafficLog::record(Direction direction, const QHostAddress& peer, quint16 port,
    const QByteArray& datagram, const QString& interface, const QString& error)
{
    if (!file_.isOpen())
        return;
    QJsonObject line {
        { QStringLiteral("t"), clock_.now() - start_ },
        { QStringLiteral("dir"),
            direction == Direction::Out      ? QStringLiteral("out")
                : direction == Direction::In ? QStringLiteral("in")
                                             : QStringLiteral("fail") },
        { QStringLiteral("peer"), peer.toString() + u':' + QString::number(port) },
        { QStringLiteral("hex"), QString::fromLatin1(datagram.toHex()) },
    };
    if (!interface.isEmpty())
        line.insert(QStringLiteral("interface"), interface);
    if (direction == Direction::Fail)
        line.insert(QStringLiteral("error"), error);
    pending_ += jsonText(QJsonDocument(line), QJsonDocument::Compact);
    pending_ += '\n';
    if (pending_.size() >= mostPending)
        flush();
    else if (!flushTimer_.isActive())
        flushTimer_.start();
}

void TrafficLog::flush()
{
    flushTimer_.stop();
    if (pending_.isEmpty() || !file_.isOpen())
        return;
    file_.write(pending_);
    pending_.clear();
}

} // namespace linknode
