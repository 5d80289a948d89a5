#include "mqtt/mqtt_client.h"
#include "tests/mqtt/local_broker.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <gmock/gmock.h>

namespace linknode {
namespace {

    constexpr int answerMs = 8000;

    class MqttClientTest : public testing::Test {
    protected:
        void SetUp() override
        {
            if (const QString reason = broker.start(); !reason.isEmpty()) {
                GTEST_SKIP() << qPrintable(reason);
            }
        }

        MqttSettings settingsFor(quint16 port, const char* password = LocalBroker::password) const
        {
            MqttSettings settings;
            settings.host = QStringLiteral("127.0.0.1");
            settings.port = port;
            settings.user = QString::fromLatin1(LocalBroker::user);
            settings.password = password;
            return settings;
        }

        LocalBroker broker;
    };

    TEST_F(MqttClientTest, PublishesAndReceivesThenTellsWhenTheBrokerStops)
    {
        MqttClient client;
        QSignalSpy up(&client, &MqttClient::connected);
        QSignalSpy messages(&client, &MqttClient::messageReceived);
        QSignalSpy down(&client, &MqttClient::disconnected);
        ASSERT_TRUE(client.connectTo(settingsFor(broker.port()), nullptr));
        ASSERT_TRUE(up.wait(answerMs));
        EXPECT_TRUE(client.isConnected());

        ASSERT_TRUE(client.subscribe(QStringLiteral("sensors/+/temperature")));
        // The subscription is in place once a message that follows it comes back.
        const QByteArray reading = R"({"idx":700,"svalue":"21.5"})";
        for (int attempt = 0; attempt < 10 && messages.isEmpty(); ++attempt) {
            ASSERT_TRUE(client.publish(QStringLiteral("sensors/7/temperature"), reading));
            messages.wait(500);
        }
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.first().at(0).toString(), QStringLiteral("sensors/7/temperature"));
        EXPECT_EQ(messages.first().at(1).toByteArray(), reading);

        // A session the caller ends is over at once, and another can follow it.
        client.disconnectFrom();
        EXPECT_FALSE(client.isConnected());
        EXPECT_FALSE(client.publish(QStringLiteral("sensors/7/temperature"), reading));
        ASSERT_TRUE(client.connectTo(settingsFor(broker.port()), nullptr));
        ASSERT_TRUE(up.wait(answerMs));

        broker.stop();
        ASSERT_TRUE(down.wait(answerMs));
        EXPECT_FALSE(client.isConnected());
        EXPECT_FALSE(client.publish(QStringLiteral("sensors/7/temperature"), reading));
    }

    TEST_F(MqttClientTest, AConnectionThatCannotBeMadeFailsWithItsReason)
    {
        // Accepts the connection and never answers it.
        QTcpServer silent;
        ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
        const struct {
            const char* what;
            MqttSettings settings;
            const char* reason;
        } attempts[] = {
            { "a wrong password", settingsFor(broker.port(), "wrong"), "not authorised" },
            { "a port with no broker", settingsFor(freeLoopbackPort()), "Connection refused" },
            { "a listener that never answers", settingsFor(silent.serverPort()), "timed out" },
        };
        for (const auto& attempt : attempts) {
            SCOPED_TRACE(attempt.what);
            MqttClient client;
            QSignalSpy up(&client, &MqttClient::connected);
            QSignalSpy failed(&client, &MqttClient::connectFailed);
            ASSERT_TRUE(client.connectTo(attempt.settings, nullptr));
            ASSERT_TRUE(failed.wait(answerMs));
            EXPECT_THAT(
                failed.first().at(0).toString().toStdString(), testing::HasSubstr(attempt.reason));
            EXPECT_TRUE(up.isEmpty());
            EXPECT_FALSE(client.isConnected());
        }
    }

    TEST(MqttClient, SettingsRefusedAtOnceSayWhy)
    {
        MqttSettings noHost;
        MqttSettings unreadableAuthority;
        unreadableAuthority.host = QStringLiteral("127.0.0.1");
        unreadableAuthority.tls = true;
        unreadableAuthority.caFile = QStringLiteral("/nonexistent/ca.crt");
        // A readable authority, a client certificate that is not.
        MqttSettings unreadableCertificate = unreadableAuthority;
        unreadableCertificate.caFile = QStringLiteral(QT_TESTCASE_SOURCEDIR "/local_broker.h");
        unreadableCertificate.certFile = QStringLiteral("/nonexistent/client.crt");
        unreadableCertificate.keyFile = QStringLiteral("/nonexistent/client.key");
        for (const MqttSettings& settings :
            { noHost, unreadableAuthority, unreadableCertificate }) {
            MqttClient client;
            QSignalSpy failed(&client, &MqttClient::connectFailed);
            QString problem;
            EXPECT_FALSE(client.connectTo(settings, &problem));
            EXPECT_FALSE(problem.isEmpty());
            EXPECT_FALSE(failed.wait(100));
        }
    }

} // namespace
} // namespace linknode
