#pragma once

// A mosquitto broker for the MQTT end-to-end tests, in the private network beside the
// simulator: a password file and an access list, as a site would have them.
#include "tests/e2e/cli_site.h"
#include "tests/e2e/json_schema.h"

#include <QStandardPaths>

namespace linknode {

// Only known users; the gateways' user gw (password gw-secret) may use their topics alone.
inline const char* brokerAcl = "user gw\n"
                               "topic readwrite domoticz/#\n"
                               "topic readwrite SOTICONNECT/#\n"
                               "topic readwrite ha/#\n";

// The shell lines that start the broker as $broker in $D, answering on 10.213.0.1 (the
// namespace's own address) on 1884, and with `tls` on 8884 too, with a certificate for that
// address signed by ca.crt.
inline QString startBroker(bool tls)
{
    QString lines = QStringLiteral("cd \"$D\"\n"
                                   "cat >broker.conf <<EOF\n"
                                   "allow_anonymous false\n"
                                   "password_file $D/passwords\n"
                                   "acl_file $D/acl\n"
                                   "persistence false\n"
                                   "user root\n"
                                   "listener 1884 10.213.0.1\n");
    if (tls)
        lines += QStringLiteral(
            "listener 8884 10.213.0.1\n"
            "cafile $D/ca.crt\n"
            "certfile $D/server.crt\n"
            "keyfile $D/server.key\n"
            "EOF\n"
            "key='-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes'\n"
            "openssl req -x509 $key -keyout ca.key -out ca.crt -days 1 -subj /CN=test-ca "
            "2>/dev/null\n"
            "openssl req $key -keyout server.key -out server.csr -subj /CN=10.213.0.1 "
            "2>/dev/null\n"
            "echo subjectAltName=IP:10.213.0.1 >san.ext\n"
            "openssl x509 -req -in server.csr -CA ca.crt -CAkey ca.key -CAcreateserial -days 1 "
            "-extfile san.ext -out server.crt 2>/dev/null\n");
    else
        lines += QStringLiteral("EOF\n");
    return lines
        + QStringLiteral("mosquitto_passwd -b -c passwords gw gw-secret\n"
                         "mosquitto -c broker.conf 2>broker.log & broker=$!\n"
                         "sleep 0.5\n");
}

// Skipped where mosquitto, its clients or openssl are missing.
class MqttBrokerTest : public CliEndToEnd {
protected:
    void SetUp() override
    {
        CliEndToEnd::SetUp();
        if (IsSkipped())
            return;
        for (const char* program : { "mosquitto", "mosquitto_passwd", "mosquitto_pub", "openssl" })
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()
                && QStandardPaths::findExecutable(
                    QString::fromLatin1(program), { QStringLiteral("/usr/sbin") })
                       .isEmpty())
                GTEST_SKIP() << program
                             << " is not installed (Debian: mosquitto, mosquitto-clients, openssl)";
        write("acl", brokerAcl);
    }

    // "" when the step's output is a result document that keeps to the published schema.
    QString schemaViolationOf(const char* step) const
    {
        return schemaViolation(publishedSchema("linknode-result.schema.json"), jsonOf(step),
            QString::fromLatin1(step));
    }
};

} // namespace linknode
