#include "link/traffic_log.h"

#include "core/clock.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace linknode {

TrafficLog::TrafficLog(const Clock& clock)
    : clock_(clock)
    , start_(clock.now())
{
}

bool TrafficLog::open(const QString& path, QString* error)
{
    file_.setFileName(path);
    if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
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
    file_.write(QJsonDocument(line).toJson(QJsonDocument::Compact));
    file_.write("\n");
    file_.flush();
}

} // namespace linknode
