#pragma once

#include <QByteArray>
#include <QString>

namespace linknode::sim {

// Puts device addresses on the loopback interface, so that a unicast to an address a device
// took while running reaches the simulator. Only for a private network namespace.
class LoopbackAddresses {
public:
    virtual ~LoopbackAddresses() = default;
    // Each returns an empty text on success, otherwise the reason.
    virtual QString add(const QByteArray& address) = 0;
    virtual QString remove(const QByteArray& address) = 0;
};

// Runs `ip addr add|del ADDRESS/32 dev lo`, waiting for it a few seconds at most.
class IpCommandAddresses final : public LoopbackAddresses {
public:
    explicit IpCommandAddresses(QString program = QStringLiteral("ip"));

    QString add(const QByteArray& address) override;
    QString remove(const QByteArray& address) override;

private:
    QString run(const QString& verb, const QByteArray& address);

    QString program_;
};

} // namespace linknode::sim
