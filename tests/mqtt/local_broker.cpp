#include "tests/mqtt/local_broker.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QStandardPaths>
#include <QTcpServer>

using namespace Qt::StringLiterals;

namespace linknode {

namespace {

    QString program(const QString& name)
    {
        return QStandardPaths::findExecutable(name, { u"/usr/sbin"_s, u"/usr/bin"_s });
    }

} // namespace

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

QString LocalBroker::start()
{
    const QString mosquitto = program(u"mosquitto"_s);
    const QString passwd = program(u"mosquitto_passwd"_s);
    if (mosquitto.isEmpty() || passwd.isEmpty())
        return u"mosquitto is not installed (Debian package mosquitto)"_s;
    const QString passwords = folder_.filePath(u"passwords"_s);
    if (QProcess::execute(passwd,
            { u"-b"_s, u"-c"_s, passwords, QString::fromLatin1(user),
                QString::fromLatin1(password) })
        != 0)
        return u"mosquitto_passwd failed"_s;
    port_ = freeLoopbackPort();
    QFile config(folder_.filePath(u"mosquitto.conf"_s));
    if (port_ == 0 || !config.open(QIODevice::WriteOnly))
        return u"no free port or no configuration file"_s;
    // As root mosquitto would drop to its own user, who cannot read the private folder.
    config.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous false\npassword_file %2\n"
                                "user root\n")
                     .arg(port_)
                     .arg(passwords)
                     .toUtf8());
    config.close();
    broker_.setProcessChannelMode(QProcess::MergedChannels);
    broker_.start(mosquitto, { u"-c"_s, config.fileName() });
    QByteArray log;
    const QDeadlineTimer deadline(5000);
    while (!log.contains(" running") && !deadline.hasExpired()
        && broker_.state() != QProcess::NotRunning) {
        broker_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        log += broker_.readAll();
    }
    return log.contains(" running") ? QString()
                                    : u"mosquitto did not start: %1"_s.arg(QString::fromUtf8(log));
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
