#pragma once

#include "cli/output/console.h"
#include "cli/run/arguments.h"
#include "mqtt/mqtt_client.h"

#include <QObject>
#include <QStringList>
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
};

// Writes every message the connections bring as it comes: a table line (time, topic, payload)
// or a CSV row, or one JSON object a line: {"time", "topic", "payload", "fields"}, fields
// being what payloadFields reads from a JSON payload. Ends after `count` messages, when the
// output cannot be written, or when no connection is left.
class MqttWatch : public QObject {
    Q_OBJECT
public:
    MqttWatch(std::vector<WatchConnection> connections, const WatchOutput& output, Console& console,
        QObject* parent = nullptr);

    void start();
    // Whether a connection failed or was lost (each is told on standard error as it goes).
    bool lostAny() const { return live_ < static_cast<int>(connections_.size()); }

signals:
    void finished();

private:
    void write(const QString& topic, const QByteArray& payload);
    void lose(size_t connection, const QString& reason);

    std::vector<WatchConnection> connections_;
    WatchOutput output_;
    Console& console_;
    int live_ = 0;
    std::vector<bool> lost_;
    int written_ = 0;
};

} // namespace linknode
