#pragma once

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QString>

namespace linknode {

class Clock;

// One JSON line per datagram sent or received, for end-to-end tests and field diagnosis.
class TrafficLog {
public:
    explicit TrafficLog(const Clock& clock);

    bool open(const QString& path, QString* error);
    enum class Direction { Out, In, Fail };
    // `interface`: the adapter's name where known ("" leaves the key out); `error`: why a send
    // failed.
    void record(Direction direction, const QHostAddress& peer, quint16 port,
        const QByteArray& datagram, const QString& interface = {}, const QString& error = {});

private:
    const Clock& clock_;
    double start_;
    QFile file_;
};

} // namespace linknode
