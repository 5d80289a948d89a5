#pragma once

#include "cli/output/console.h"
#include "cli/run/arguments.h"
#include "mqtt/mqtt_client.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <vector>

namespace linknode {

// One broker connection and what it subscribes to.
struct WatchConnection {
    MqttSettings settings;
    QStringList subscriptions;
};

struct WatchOutput {
    OutputFormat format = OutputFormat::Table;
    bool wide = false;
    int count = 0; // messages after which the watch ends; 0: no such end
    bool once = false; // end at the first connection lost instead of connecting again
};

// Waits between attempts to connect again: 1 s, doubling up to 30 s.
constexpr int firstRetrySeconds = 1;
constexpr int longestRetrySeconds = 30;

// Writes every message the connections bring as it comes (those of one burst together): a table
// line (time, topic cut in its middle, payload) or a CSV row, or one JSON object a line: {"time",
// "topic", "payload", "fields", "qos", "retained"}, fields being what payloadFields reads from a
// JSON payload. Payloads are read as UTF-8, a byte that is none shown as "\xNN". A connection lost
// is made again after firstRetrySeconds, doubling to longestRetrySeconds, each loss, failed attempt
// and reconnection told on standard error; one that fails at the start is not. Ends after `count`
// messages, when the output cannot be written, when no connection is left, or with `once` at the
// first loss.
class MqttWatch : public QObject {
    Q_OBJECT
public:
    MqttWatch(std::vector<WatchConnection> connections, const WatchOutput& output, Console& console,
        QObject* parent = nullptr);
    ~MqttWatch() override;

    void start();
    // Whether a connection failed for good or a subscription was refused (each is told on
    // standard error as it goes).
    bool lostAny() const { return lostAny_; }

signals:
    void finished();

private:
    struct Broker;

    void attempt(Broker& broker);
    void subscribe(Broker& broker);
    void lose(Broker& broker, const QString& reason, bool wasUp);
    void giveUp(Broker& broker, const QString& reason);
    void write(const QString& topic, const QByteArray& payload, int qos, bool retained);
    // Hands the lines written so far on; a burst of messages leaves in one write.
    void flush();
    QString now();

    std::vector<std::unique_ptr<Broker>> brokers_;
    WatchOutput output_;
    Console& console_;
    BufferedOutput lines_;
    bool flushing_ = false; // a flush is due once the event loop runs again
    int live_ = 0;
    bool lostAny_ = false;
    int written_ = 0;
    qint64 timeSecond_ = -1; // the second timePrefix_ tells
    QString timePrefix_;
};

} // namespace linknode
