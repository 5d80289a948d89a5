#pragma once

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QString>
#include <QTimer>

namespace linknode {

class Clock;

// One JSON line per datagram sent or received, for end-to-end tests and field diagnosis.
// Lines are gathered and written whole, at most every flushSeconds (sooner only when much
// waits), so a burst of replies costs few writes; whatever waits is written on close.
class TrafficLog {
public:
    explicit TrafficLog(const Clock& clock);
    ~TrafficLog();
    TrafficLog(const TrafficLog&) = delete;
    TrafficLog& operator=(const TrafficLog&) = delete;

    static constexpr double flushSeconds = 0.25;

    // Appends to `path`, or with `Start::Empty` starts it over. A new file is its owner's
    // alone (0600): datagrams carry logins, a gateway's password among them.
    enum class Start { Append, Empty };
    bool open(const QString& path, QString* error, Start start = Start::Append);
    enum class Direction { Out, In, Fail };
    // `interface`: the adapter's name where known ("" leaves the key out); `error`: why a send
    // failed.
    void record(Direction direction, const QHostAddress& peer, quint16 port,
        const QByteArray& datagram, const QString& interface = {}, const QString& error = {});
    // Writes the lines gathered so far.
    void flush();

private:
    const Clock& clock_;
    double start_;
    QFile file_;
    QByteArray pending_;
    QTimer flushTimer_;
};

} // namespace linknode
