#include "mqtt/mqtt_client.h"

#include "core/system_error.h"
#include "mqtt/socket_state.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <map>
#include <mosquitto.h>
#include <vector>

namespace linknode {

namespace {

    constexpr int housekeepingMs = 1000;
    // Packets read at most before the event loop runs again.
    constexpr int packetsPerWake = 64;
    // A broker that never answers (a dropped SYN, a silent TLS peer) must not leave the caller
    // waiting for the system's two-minute connect timeout.
    constexpr int attemptLimitMs = 5000;

    void useLibrary()
    {
        struct Library {
            Library() { mosquitto_lib_init(); }
            ~Library() { mosquitto_lib_cleanup(); }
        };
        static const Library library;
    }

    QString withoutFinalStop(const char* text)
    {
        QString plain = QString::fromUtf8(text);
        if (plain.endsWith(QLatin1Char('.'))) {
            plain.chop(1);
        }
        return plain;
    }

    // "Connection Refused: not authorised." says "not authorised".
    QString refusalText(int connackCode)
    {
        QString text = withoutFinalStop(mosquitto_connack_string(connackCode));
        const QString prefix = QStringLiteral("Connection Refused: ");
        return text.startsWith(prefix) ? text.mid(prefix.size()) : text;
    }

    QString systemReason(int code)
    {
        return QString::fromStdString(systemErrorText(code));
    }

    // For MOSQ_ERR_ERRNO the library's own words are the system's (on Windows it puts the
    // socket calls' codes into errno).
    QString libraryReason(int code, int systemError)
    {
        if (code == MOSQ_ERR_ERRNO && systemError != 0) {
            return systemReason(systemError);
        }
        return withoutFinalStop(mosquitto_strerror(code));
    }

} // namespace

struct MqttClient::State {
    enum class Kind { Connected, ConnectFailed, Disconnected, Message, Subscribed };
    struct Event {
        Kind kind;
        QString text;
        QByteArray payload;
        int qos = 0;
        bool flag = false; // a message: retained; a subscription: granted
    };

    explicit State(MqttClient& client)
        : owner(client)
    {
        housekeeping.setInterval(housekeepingMs);
        QObject::connect(&housekeeping, &QTimer::timeout, &owner,
            [this] { afterLibraryCall(mosquitto_loop_misc(handle)); });
        attemptLimit.setSingleShot(true);
        attemptLimit.setInterval(attemptLimitMs);
        QObject::connect(&attemptLimit, &QTimer::timeout, &owner, [this] {
            end(Kind::ConnectFailed, systemReason(connectionTimedOutCode()));
            settle();
        });
    }
    ~State() { release(); }

    // The library calls back from inside its loop functions; the events wait until that call
    // has returned, so a slot may publish, disconnect or delete the client.
    static void onConnect(mosquitto*, void* object, int code)
    {
        auto* state = static_cast<State*>(object);
        if (code == 0) {
            state->isUp = true;
            state->events.push_back({ Kind::Connected, {}, {} });
            // The log is read for why a connection failed; once up, the library would format
            // a line for every message for nothing.
            mosquitto_log_callback_set(state->handle, nullptr);
        } else {
            state->end(Kind::ConnectFailed, refusalText(code));
        }
    }

    static void onDisconnect(mosquitto*, void* object, int code)
    {
        const int systemError = errno;
        auto* state = static_cast<State*>(object);
        if (code != MOSQ_ERR_SUCCESS) {
            state->endSession(state->reasonOf(code, systemError));
        }
    }

    // The library names what TLS refused (an unknown certificate authority) only in its log.
    static void onLog(mosquitto*, void* object, int level, const char* text)
    {
        if (level == MOSQ_LOG_ERR) {
            static_cast<State*>(object)->lastLibraryError = QString::fromUtf8(text);
        }
    }

    QString reasonOf(int code, int systemError) const
    {
        const QString reason = libraryReason(code, systemError);
        const qsizetype detail = lastLibraryError.lastIndexOf(QStringLiteral("::"));
        if (code != MOSQ_ERR_TLS || detail < 0) {
            return reason;
        }
        return reason + QStringLiteral(": ") + lastLibraryError.mid(detail + 2);
    }

    static void onMessage(mosquitto*, void* object, const mosquitto_message* message)
    {
        auto* state = static_cast<State*>(object);
        state->events.push_back({ Kind::Message, QString::fromUtf8(message->topic),
            QByteArray(static_cast<const char*>(message->payload), message->payloadlen),
            message->qos, message->retain });
    }

    // 0x80 in place of a granted QoS is the broker's refusal.
    static void onSubscribe(mosquitto*, void* object, int mid, int count, const int* granted)
    {
        constexpr int refused = 0x80;
        auto* state = static_cast<State*>(object);
        const auto pending = state->subscriptions.find(mid);
        if (pending == state->subscriptions.end())
            return;
        state->events.push_back(
            { Kind::Subscribed, pending->second, {}, 0, count > 0 && granted[0] != refused });
        state->subscriptions.erase(pending);
    }

    void end(Kind kind, const QString& reason)
    {
        if (!ending) {
            ending = true;
            events.push_back({ kind, reason, {} });
        }
    }

    // A session that was up is lost; one that never came up failed.
    void endSession(const QString& reason)
    {
        end(isUp ? Kind::Disconnected : Kind::ConnectFailed, reason);
    }

    void afterLibraryCall(int code)
    {
        if (!ending && mosquitto_socket(handle) < 0) {
            endSession(reasonOf(code, errno));
        }
        settle();
    }

    // While the connection is being made, the socket's own error says why it failed.
    bool socketFailed()
    {
        const int error = isUp ? 0 : pendingSocketError(watchedSocket);
        if (error == 0) {
            return false;
        }
        end(Kind::ConnectFailed, systemReason(error));
        settle();
        return true;
    }

    // The library reads one packet a call: what the socket holds already is read before the
    // event loop is asked again, a busy broker's messages in a few calls.
    void onReadable()
    {
        if (socketFailed()) {
            return;
        }
        int code = MOSQ_ERR_SUCCESS;
        for (int packet = 0; packet < packetsPerWake; ++packet) {
            code = mosquitto_loop_read(handle, 1);
            if (code != MOSQ_ERR_SUCCESS || ending || mosquitto_socket(handle) < 0
                || !socketHasBytesWaiting(mosquitto_socket(handle))) {
                break;
            }
        }
        afterLibraryCall(code);
    }

    void onWritable()
    {
        if (!socketFailed()) {
            afterLibraryCall(mosquitto_loop_write(handle, 1));
        }
    }

    void settle()
    {
        if (ending) {
            release();
        } else {
            watchSocket();
        }
        deliver();
    }

    void watchSocket()
    {
        const int socket = mosquitto_socket(handle);
        if (socket != watchedSocket) {
            dropNotifiers();
            watchedSocket = socket;
            if (socket >= 0) {
                reader = new QSocketNotifier(socket, QSocketNotifier::Read, &owner);
                writer = new QSocketNotifier(socket, QSocketNotifier::Write, &owner);
                QObject::connect(
                    reader, &QSocketNotifier::activated, &owner, [this] { onReadable(); });
                QObject::connect(
                    writer, &QSocketNotifier::activated, &owner, [this] { onWritable(); });
            }
        }
        // A write notifier left on with nothing to write would fire without end.
        if (writer) {
            writer->setEnabled(mosquitto_want_write(handle));
        }
        if (isUp) {
            attemptLimit.stop();
        }
    }

    void dropNotifiers()
    {
        for (QSocketNotifier* notifier : { reader, writer }) {
            if (notifier) {
                notifier->setEnabled(false);
                notifier->deleteLater();
            }
        }
        reader = nullptr;
        writer = nullptr;
        watchedSocket = -1;
    }

    void release()
    {
        housekeeping.stop();
        attemptLimit.stop();
        dropNotifiers();
        subscriptions.clear();
        if (handle) {
            mosquitto_destroy(handle);
            handle = nullptr;
        }
        isUp = false;
    }

    void deliver()
    {
        std::vector<Event> ready;
        ready.swap(events);
        const QPointer<MqttClient> alive(&owner);
        const unsigned session = sessionNumber;
        for (const Event& event : ready) {
            switch (event.kind) {
            case Kind::Connected:
                emit owner.connected();
                break;
            case Kind::ConnectFailed:
                emit owner.connectFailed(event.text);
                break;
            case Kind::Disconnected:
                emit owner.disconnected(event.text);
                break;
            case Kind::Message:
                emit owner.messageReceived(event.text, event.payload, event.qos, event.flag);
                break;
            case Kind::Subscribed:
                emit owner.subscribed(event.text, event.flag);
                break;
            }
            // A slot may have deleted the client or started another session.
            if (!alive || session != sessionNumber) {
                return;
            }
        }
    }

    MqttClient& owner;
    mosquitto* handle = nullptr;
    QSocketNotifier* reader = nullptr;
    QSocketNotifier* writer = nullptr;
    int watchedSocket = -1;
    QTimer housekeeping;
    QTimer attemptLimit;
    std::vector<Event> events;
    std::map<int, QString> subscriptions; // sent, waiting for the broker's answer, by message id
    QString lastLibraryError;
    bool isUp = false;
    bool ending = false;
    unsigned sessionNumber = 0;
};

MqttClient::MqttClient(QObject* parent)
    : QObject(parent)
    , state_(std::make_unique<State>(*this))
{
    useLibrary();
}

MqttClient::~MqttClient()
{
    disconnectFrom();
}

bool MqttClient::connectTo(const MqttSettings& settings, QString* problem)
{
    disconnectFrom();
    State& state = *state_;
    const auto refuse = [&](const QString& reason) {
        state.release();
        if (problem) {
            *problem = reason;
        }
        return false;
    };
    if (settings.host.isEmpty()) {
        return refuse(QStringLiteral("no broker address"));
    }
    if (settings.tls) {
        const std::pair<const QString*, const char*> files[] = {
            { &settings.caFile, "certificate authority" },
            { &settings.certFile, "client certificate" },
            { &settings.keyFile, "client key" },
        };
        for (const auto& [file, what] : files) {
            if ((file == &settings.caFile || !file->isEmpty()) && !QFileInfo(*file).isReadable()) {
                return refuse(
                    QStringLiteral("cannot read the %1 file %2").arg(QLatin1String(what), *file));
            }
        }
    }
    const QByteArray clientId = settings.clientId.toUtf8();
    state.handle = mosquitto_new(clientId.isEmpty() ? nullptr : clientId.constData(), true, &state);
    if (!state.handle) {
        return refuse(systemReason(errno));
    }
    mosquitto_connect_callback_set(state.handle, &State::onConnect);
    mosquitto_disconnect_callback_set(state.handle, &State::onDisconnect);
    mosquitto_message_callback_set(state.handle, &State::onMessage);
    mosquitto_subscribe_callback_set(state.handle, &State::onSubscribe);
    mosquitto_log_callback_set(state.handle, &State::onLog);
    if (!settings.user.isEmpty()) {
        const QByteArray& password = settings.password;
        const int code = mosquitto_username_pw_set(state.handle, settings.user.toUtf8().constData(),
            password.isEmpty() ? nullptr : password.constData());
        if (code != MOSQ_ERR_SUCCESS) {
            return refuse(libraryReason(code, errno));
        }
    }
    if (settings.tls) {
        const auto name = [](const QString& file) { return QFile::encodeName(file); };
        const QByteArray cert = name(settings.certFile);
        const QByteArray key = name(settings.keyFile);
        const int code = mosquitto_tls_set(state.handle, name(settings.caFile).constData(), nullptr,
            cert.isEmpty() ? nullptr : cert.constData(), key.isEmpty() ? nullptr : key.constData(),
            nullptr);
        if (code != MOSQ_ERR_SUCCESS) {
            return refuse(libraryReason(code, errno));
        }
    }
    state.ending = false;
    state.lastLibraryError.clear();
    const int code = mosquitto_connect_async(
        state.handle, settings.host.toUtf8().constData(), settings.port, settings.keepAliveSeconds);
    if (code != MOSQ_ERR_SUCCESS) {
        // Refused at once (a loopback port with nobody listening): told like a later failure,
        // from the event loop, so the caller's connections are in place.
        state.end(State::Kind::ConnectFailed, state.reasonOf(code, errno));
        state.release();
        const unsigned session = state.sessionNumber;
        QTimer::singleShot(0, this, [this, session] {
            if (session == state_->sessionNumber) {
                state_->deliver();
            }
        });
        return true;
    }
    state.housekeeping.start();
    state.attemptLimit.start();
    state.watchSocket();
    return true;
}

void MqttClient::disconnectFrom()
{
    State& state = *state_;
    ++state.sessionNumber;
    state.events.clear();
    if (state.handle && state.isUp) {
        // Best effort: the socket closes right after, whether DISCONNECT left or not.
        mosquitto_disconnect(state.handle);
    }
    state.release();
}

bool MqttClient::isConnected() const
{
    return state_->isUp;
}

bool MqttClient::publish(const QString& topic, const QByteArray& payload, int qos)
{
    State& state = *state_;
    if (!state.isUp) {
        return false;
    }
    const int code = mosquitto_publish(state.handle, nullptr, topic.toUtf8().constData(),
        static_cast<int>(payload.size()), payload.constData(), qos, false);
    state.watchSocket();
    return code == MOSQ_ERR_SUCCESS;
}

bool MqttClient::subscribe(const QString& pattern, int qos, QString* problem)
{
    State& state = *state_;
    int code = MOSQ_ERR_NO_CONN;
    int mid = 0;
    if (state.isUp) {
        code = mosquitto_subscribe(state.handle, &mid, pattern.toUtf8().constData(), qos);
        state.watchSocket();
    }
    if (code == MOSQ_ERR_SUCCESS) {
        state.subscriptions[mid] = pattern;
    } else if (problem) {
        *problem = libraryReason(code, errno);
    }
    return code == MOSQ_ERR_SUCCESS;
}

} // namespace linknode
