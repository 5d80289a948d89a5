#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

// An MQTT client on the event loop: libmosquitto's socket watched by a QSocketNotifier and
// its housekeeping on a timer, no thread of its own. One for the simulated gateways and for
// linknode mqtt alike.
namespace linknode {

struct MqttSettings {
    QString host;
    quint16 port = 1883;
    QString clientId;
    QString user; // empty: no user name sent
    QByteArray password; // sent as these bytes
    bool tls = false;
    QString caFile; // with tls: the certificate authority that signed the broker's certificate
    QString certFile, keyFile; // with tls, both or none: this client's certificate and its key
    int keepAliveSeconds = 30;
};

class MqttClient : public QObject {
    Q_OBJECT
public:
    explicit MqttClient(QObject* parent = nullptr);
    ~MqttClient() override;

    // Starts a connection without waiting for it: connected() or connectFailed() follows.
    // False, with the reason, for settings refused at once (no host, an unreadable CA file).
    bool connectTo(const MqttSettings& settings, QString* problem);
    // Closes the connection; nothing is emitted.
    void disconnectFrom();
    bool isConnected() const;

    // False when not connected or the library refuses (the topic is malformed).
    bool publish(const QString& topic, const QByteArray& payload, int qos = 0);
    // False, with the library's reason, when not connected or the pattern is malformed; the
    // broker's answer follows as subscribed().
    bool subscribe(const QString& pattern, int qos = 0, QString* problem = nullptr);

signals:
    void connected();
    // The broker's refusal in its own words ("not authorised") or why it cannot be reached.
    void connectFailed(const QString& reason);
    // A connection that was up is gone (the broker stopped, the network went).
    void disconnected(const QString& reason);
    // The broker's answer to a subscription: granted, or refused (its access list denies it).
    void subscribed(const QString& pattern, bool granted);
    void messageReceived(
        const QString& topic, const QByteArray& payload, int qos = 0, bool retained = false);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace linknode
