#include "tests/mqtt/local_broker.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QStandardPaths>
#include <QTcpServer>

namespace linknode {

namespace {

    QString program(const QString& name)
    {
        return QStandardPaths::findExecutable(
            name, { QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin") });
    }

} // namespace

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

QString LocalBroker::start()
{
    const QString mosquitto = program(QStringLiteral("mosquitto"));
    const QString passwd = program(QStringLiteral("mosquitto_passwd"));
    if (mosquitto.isEmpty() || passwd.isEmpty()) {
        return QStringLiteral("mosquitto is not installed (Debian package mosquitto)");
    }
    const QString passwords = folder_.filePath(QStringLiteral("passwords"));
    if (QProcess::execute(passwd,
            { QStringLiteral("-b"), QStringLiteral("-c"), passwords, QString::fromLatin1(user),
                QString::fromLatin1(password) })
        != 0) {
        return QStringLiteral("mosquitto_passwd failed");
    }
    port_ = freeLoopbackPort();
    QFile config(folder_.filePath(QStringLiteral("mosquitto.conf")));
    if (port_ == 0 || !config.open(QIODevice::WriteOnly)) {
        return QStringLiteral("no free port or no configuration file");
    }
    // As root mosquitto would drop to its own user, who cannot read the private folder.
    config.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous false\npassword_file %2\n"
                                "user root\n")
                     .arg(port_)
                     .arg(passwords)
                     .toUtf8());
    config.close();
    broker_.setProcessChannelMode(QProcess::MergedChannels);
    broker_.start(mosquitto, { QStringLiteral("-c"), config.fileName() });
    QByteArray log;
    const QDeadlineTimer deadline(5000);
    while (!log.contains(" running") && !deadline.hasExpired()
        && broker_.state() != QProcess::NotRunning) {
        broker_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        log += broker_.readAll();
    }
    return log.contains(" running")
        ? QString()
        : QStringLiteral("mosquitto did not start: %1").arg(QString::fromUtf8(log));
}

void LocalBroker::stop()
{
    if (broker_.state() != QProcess::NotRunning) {
        broker_.terminate();
        if (!broker_.waitForFinished(5000)) {
            broker_.kill();
            broker_.waitForFinished(5000);
        }
    }
}

} // namespace linknode
