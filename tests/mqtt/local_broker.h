#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace linknode {

// A mosquitto broker on 127.0.0.1 and a free port, for one user and password, stopped with
// the object. Loopback only: nothing leaves the machine.
class LocalBroker {
public:
    static constexpr const char* user = "gateway";
    static constexpr const char* password = "s3cret";

    // Empty when the broker runs; otherwise why it does not (not installed, did not start).
    QString start();
    void stop();
    quint16 port() const { return port_; }

    ~LocalBroker() { stop(); }

private:
    QTemporaryDir folder_;
    QProcess broker_;
    quint16 port_ = 0;
};

// A loopback port nobody listens on at the moment of asking.
quint16 freeLoopbackPort();

} // namespace linknode
